#include "error_display.h"
#include "exception.h"
#include "gui_support.h"

#include <gtest/gtest.h>

#include <QAccessible>

using namespace zarvin;
using namespace zarvin::testing;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

TEST(Accessibility, EveryFieldIsNamedAfterItsLabel) {
    const auto form = showForm();
    struct Case {
        QWidget* control;
        TsLabel* label;
        const char* name;
        QAccessible::Role role;
        const char* value;
    };
    const Case cases[] = {
        {form->sComboBox1, form->sLabel6, "Класс", QAccessible::ComboBox, "Воин"},
        {form->sEdit1, form->sLabel1, "Уровень", QAccessible::EditableText, "1"},
        {form->sEdit6, form->sLabel8, "ЖС", QAccessible::EditableText, ""},
        {form->sEdit7, form->sLabel9, "МЭ", QAccessible::EditableText, ""},
        {form->sEdit8, form->sLabel7, "Доступно", QAccessible::EditableText, ""},
        {form->sEdit2, form->sLabel2, "Выносливость", QAccessible::EditableText, "5"},
        {form->sEdit3, form->sLabel3, "Сила", QAccessible::EditableText, "5"},
        {form->sEdit4, form->sLabel4, "Интелект", QAccessible::EditableText, "5"},
        {form->sEdit5, form->sLabel5, "Ловкость", QAccessible::EditableText, "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QAccessibleInterface* iface = accessible(c.control);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), c.role);
        EXPECT_EQ(c.control->accessibleName(), QString::fromUtf8(c.name));
        // On Linux a list reads its value as its name, and the label as a relation.
        if (c.role != QAccessible::ComboBox) {
            EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(c.name));
        }
        EXPECT_EQ(iface->text(QAccessible::Value), QString::fromUtf8(c.value));
        bool labelled = false;
        for (const auto& [other, relation] : iface->relations(QAccessible::Label))
            labelled |= other->object() == c.label;
        EXPECT_TRUE(labelled);
    }
    EXPECT_TRUE(accessible(form->sEdit8)->state().disabled);
}

TEST(Accessibility, ButtonsAndSummaryReadAsText) {
    const auto form = showForm();
    for (TsButton* button : {form->sButton1, form->sButton2}) {
        QAccessibleInterface* iface = accessible(button);
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_EQ(iface->text(QAccessible::Name), button->text());
    }
    QTest::mouseClick(form->sButton1, Qt::LeftButton);
    QAccessibleInterface* summary = accessible(form->sLabel10);
    EXPECT_EQ(summary->role(), QAccessible::StaticText);
    EXPECT_EQ(summary->text(QAccessible::Name), form->sLabel10->caption());
    EXPECT_TRUE(
        summary->text(QAccessible::Name).startsWith(QStringLiteral("Физическая атака:\t1\n")));
    EXPECT_EQ(summary->text(QAccessible::Description), QStringLiteral("Другое"));
    EXPECT_EQ(accessible(form->sEdit6)->text(QAccessible::Value), QStringLiteral("75"));
}

// Collects every text of an accessible subtree.
void allTexts(QAccessibleInterface* iface, QStringList& into) {
    for (QAccessible::Text t : {QAccessible::Name, QAccessible::Value, QAccessible::Description})
        into << iface->text(t);
    for (int i = 0; i < iface->childCount(); ++i)
        allTexts(iface->child(i), into);
}

TEST(Accessibility, ErrorBoxExposesItsText) {
    QStringList texts;
    QAccessible::Role role = QAccessible::NoRole;
    const SeenBox box = whileErrorBoxOpen(
        [] { ShowException(EConvertError("'abc' is not a valid integer value")); },
        [&](QMessageBox* messageBox) {
            QAccessibleInterface* iface = accessible(messageBox);
            role = iface->role();
            allTexts(iface, texts);
        });
    ASSERT_TRUE(box.shown);
    EXPECT_TRUE(role == QAccessible::AlertMessage || role == QAccessible::Dialog);
    EXPECT_TRUE(texts.contains(QStringLiteral("'abc' is not a valid integer value.")));
    EXPECT_TRUE(texts.contains(QStringLiteral("OK")));
}

} // namespace
