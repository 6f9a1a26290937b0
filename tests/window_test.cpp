#include "gui_support.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>

#include <cmath>

using namespace zarvin::testing;

namespace {

enum class Kind { GroupBox, Label, Edit, ComboBox, Button };

struct ControlRow {
    const char* name;
    Kind kind;
    const char* parent;
    QRect geometry; // for labels only the position binds; the size is the caption's
    const char* text;
    bool enabled;
};

// The window as it starts, in the order of its layout.
// clang-format off
const ControlRow controlRows[] = {
    {"sGroupBox1", Kind::GroupBox, "clientArea", {8, 8, 313, 105}, "Персонаж", true},
    {"sLabel6", Kind::Label, "sGroupBox1", {16, 24, 45, 13}, "Класс :", true},
    {"sComboBox1", Kind::ComboBox, "sGroupBox1", {64, 16, 89, 22}, "Воин", true},
    {"sLabel1", Kind::Label, "sGroupBox1", {168, 24, 60, 13}, "Уровень :", true},
    {"sEdit1", Kind::Edit, "sGroupBox1", {232, 16, 57, 21}, "1", true},
    {"sGroupBox3", Kind::GroupBox, "sGroupBox1", {8, 48, 297, 49}, "", true},
    {"sLabel8", Kind::Label, "sGroupBox3", {8, 24, 29, 13}, "ЖС :", true},
    {"sEdit6", Kind::Edit, "sGroupBox3", {40, 16, 105, 21}, "", true},
    {"sLabel9", Kind::Label, "sGroupBox3", {152, 24, 27, 13}, "МЭ :", true},
    {"sEdit7", Kind::Edit, "sGroupBox3", {184, 16, 105, 21}, "", true},
    {"sGroupBox2", Kind::GroupBox, "clientArea", {8, 120, 313, 129}, "Характеристики", true},
    {"sLabel7", Kind::Label, "sGroupBox2", {8, 24, 66, 13}, "Доступно :", true},
    {"sEdit8", Kind::Edit, "sGroupBox2", {104, 16, 57, 21}, "", false},
    {"sLabel2", Kind::Label, "sGroupBox2", {8, 48, 95, 13}, "Выносливость :", true},
    {"sEdit2", Kind::Edit, "sGroupBox2", {104, 40, 57, 21}, "5", true},
    {"sLabel3", Kind::Label, "sGroupBox2", {8, 72, 38, 13}, "Сила :", true},
    {"sEdit3", Kind::Edit, "sGroupBox2", {104, 64, 57, 21}, "5", true},
    {"sLabel4", Kind::Label, "sGroupBox2", {168, 48, 65, 13}, "Интелект :", true},
    {"sEdit4", Kind::Edit, "sGroupBox2", {240, 40, 57, 21}, "5", true},
    {"sLabel5", Kind::Label, "sGroupBox2", {168, 72, 66, 13}, "Ловкость :", true},
    {"sEdit5", Kind::Edit, "sGroupBox2", {240, 64, 57, 21}, "5", true},
    {"sButton1", Kind::Button, "sGroupBox2", {144, 96, 75, 25}, "Принять", true},
    {"sButton2", Kind::Button, "sGroupBox2", {224, 96, 75, 25}, "Сброс", true},
    {"sGroupBox4", Kind::GroupBox, "clientArea", {8, 256, 313, 121}, "Другое", true},
    {"sLabel10", Kind::Label, "sGroupBox4", {8, 24, 5, 13}, "", true},
};
// clang-format on

QString textOf(QWidget* w, Kind kind) {
    switch (kind) {
    case Kind::GroupBox:
        return static_cast<TsGroupBox*>(w)->title();
    case Kind::Label:
        return static_cast<TsLabel*>(w)->caption();
    case Kind::Edit:
        return static_cast<TsEdit*>(w)->text();
    case Kind::ComboBox:
        return static_cast<TsComboBox*>(w)->currentText();
    case Kind::Button:
        return static_cast<TsButton*>(w)->text();
    }
    return {};
}

bool isKind(QWidget* w, Kind kind) {
    switch (kind) {
    case Kind::GroupBox:
        return qobject_cast<TsGroupBox*>(w);
    case Kind::Label:
        return qobject_cast<TsLabel*>(w);
    case Kind::Edit:
        return qobject_cast<TsEdit*>(w);
    case Kind::ComboBox:
        return qobject_cast<TsComboBox*>(w);
    case Kind::Button:
        return qobject_cast<TsButton*>(w);
    }
    return false;
}

TEST(MainWindow, StartsWithTheLayoutsControls) {
    const auto form = showForm();
    for (const ControlRow& row : controlRows) {
        SCOPED_TRACE(row.name);
        auto* w = form->findChild<QWidget*>(QLatin1String(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(isKind(w, row.kind));
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(row.parent));
        if (row.kind == Kind::Label) {
            EXPECT_EQ(w->pos(), row.geometry.topLeft());
        } else {
            EXPECT_EQ(w->geometry(), row.geometry);
        }
        EXPECT_EQ(textOf(w, row.kind), QString::fromUtf8(row.text));
        EXPECT_EQ(w->isEnabled(), row.enabled);
        EXPECT_TRUE(w->isVisible());
        // Every control shows the layout's face bold at 11 pixels.
        EXPECT_TRUE(w->font().bold());
        EXPECT_EQ(w->font().pixelSize(), 11);
        EXPECT_EQ(w->font().family(),
                  form->sSkinManager1->fontFamily(QStringLiteral("MS Sans Serif")));
    }
}

TEST(MainWindow, SkinManagerSettings) {
    const auto form = showForm();
    const TsSkinManager* skins = form->sSkinManager1;
    EXPECT_TRUE(skins->active());
    EXPECT_EQ(skins->skinName(), QStringLiteral("TV-b"));
    EXPECT_EQ(skins->skinDirectory(), QStringLiteral("c:\\Skins"));
    EXPECT_EQ(skins->internalSkins(), QStringList{QStringLiteral("TV-b (internal)")});
    EXPECT_EQ(skins->skin().name, skins->internalSkins().front()) << "the internal one is in use";
    EXPECT_TRUE(skins->extendedBorders());
}

TEST(MainWindow, FrameAndClientArea) {
    const auto form = showForm();
    EXPECT_EQ(form->caption(), QStringLiteral("Zarvin Calculator by Drenal"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zarvin Calculator"));
    EXPECT_EQ(form->clientArea()->size(), QSize(328, 385));
    // Not resizable and without a maximise button.
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->windowIcon().availableSizes(),
              (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
}

TEST(MainWindow, FontStandsInForTheLayoutFace) {
    const auto form = showForm();
    const QFontInfo info(form->sLabel2->font());
    const QString face = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                             ? QStringLiteral("MS Sans Serif")
                             : QStringLiteral("DejaVu Sans Condensed");
    EXPECT_EQ(info.family(), face);
    EXPECT_TRUE(info.bold());
    EXPECT_EQ(info.pixelSize(), 11);
}

// A label may grow past its layout size with a wider face, but never into the
// control it names.
TEST(MainWindow, LabelsStayClearOfTheirControls) {
    const auto form = showForm();
    const std::pair<TsLabel*, QWidget*> pairs[] = {
        {form->sLabel6, form->sComboBox1}, {form->sLabel1, form->sEdit1},
        {form->sLabel8, form->sEdit6},     {form->sLabel9, form->sEdit7},
        {form->sLabel7, form->sEdit8},     {form->sLabel2, form->sEdit2},
        {form->sLabel3, form->sEdit3},     {form->sLabel4, form->sEdit4},
        {form->sLabel5, form->sEdit5},
    };
    for (const auto& [label, control] : pairs) {
        SCOPED_TRACE(label->caption().toStdString());
        EXPECT_LT(label->geometry().right(), control->geometry().left());
        EXPECT_EQ(label->height(), 13);
    }
}

TEST(MainWindow, TabOrderFollowsTheLayout) {
    const auto form = showForm();
    QWidget* const expected[] = {form->sEdit1,   form->sComboBox1, form->sEdit6, form->sEdit7,
                                 form->sEdit2,   form->sEdit3,     form->sEdit4, form->sEdit5,
                                 form->sButton1, form->sButton2,   form->sEdit1};
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == form->sEdit1; }));
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "after Tab " << i;
    }
}

TEST(MainWindow, ClassListIsPickOnly) {
    const auto form = showForm();
    TsComboBox* list = form->sComboBox1;
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->lineEdit(), nullptr);
    const char* captions[] = {"Воин", "Маг", "Оборотень", "Друид", "Жрец", "Лучник"};
    ASSERT_EQ(list->count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list->itemText(i), QString::fromUtf8(captions[i]));
    EXPECT_EQ(list->currentIndex(), 0);
    list->showPopup();
    EXPECT_EQ(list->view()->sizeHintForRow(0), 16);
    list->hidePopup();

    // Typing a letter only picks among the items.
    list->setFocus();
    QTest::keyClicks(list, QStringLiteral("Zz"));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->currentText(), QStringLiteral("Воин"));
}

TEST(MainWindow, OutputFields) {
    const auto form = showForm();
    // Free points can be neither focused nor edited.
    form->sEdit8->setFocus();
    EXPECT_NE(QApplication::focusWidget(), form->sEdit8);
    // Life force and magic energy take typing.
    for (TsEdit* edit : {form->sEdit6, form->sEdit7}) {
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("42"));
        EXPECT_EQ(edit->text(), QStringLiteral("42"));
    }
}

// Colours of the skin, read back from what the window paints.
TEST(MainWindow, PaintsTheSkinsColours) {
    const auto form = showForm();
    form->sLabel10->setCaption(QStringLiteral("Меткость:\t\t50\n"));
    const QImage image = form->grab().toImage();
    const auto at = [&](QWidget* w, QPoint p) { return image.pixelColor(w->mapTo(form.get(), p)); };
    const auto gray = [](int v) { return QColor(v, v, v); };

    EXPECT_EQ(at(form->clientArea(), {2, 2}), gray(47)) << "window";
    // Group boxes are transparent over the window, with a thin border.
    EXPECT_EQ(at(form->sGroupBox2, {230, 25}), gray(47)) << "inside a group";
    EXPECT_EQ(at(form->sGroupBox2, {0, 60}), QColor(74, 74, 74)) << "group border";
    EXPECT_EQ(at(form->sGroupBox2, {1, 60}), gray(47)) << "border is one pixel";
    EXPECT_EQ(at(form->sEdit6, {50, 10}), gray(26)) << "edit";
    EXPECT_EQ(at(form->sComboBox1, {60, 3}), gray(26)) << "list";

    // Text: some pixel of each glyph run is fully inked in the text colour.
    const auto hasInk = [&](QWidget* w, const QColor& ink) {
        const QRect r(w->mapTo(form.get(), QPoint(0, 0)), w->size());
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (image.pixelColor(x, y) == ink)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasInk(form->sLabel2, gray(128))) << "label text";
    EXPECT_TRUE(hasInk(form->sLabel10, gray(128))) << "summary text";
    EXPECT_TRUE(hasInk(form->sEdit2, gray(128))) << "edit text";
    EXPECT_TRUE(hasInk(form->sComboBox1, gray(128))) << "list text";
    EXPECT_TRUE(hasInk(form->sButton1, gray(179))) << "button caption";
    EXPECT_FALSE(hasInk(form->sButton1, gray(255))) << "no hot caption without the mouse";

    // The button face is a gradient, darker toward the bottom.
    const QColor top = at(form->sButton1, {4, 2}), bottom = at(form->sButton1, {4, 22});
    EXPECT_GT(top.red(), bottom.red());
    EXPECT_LT(top.red(), 100);
}

TEST(MainWindow, ButtonCaptionFadesUnderTheMouse) {
    const auto form = showForm();
    TsButton* button = form->sButton1;
    const QColor idle(179, 179, 179), hot(255, 255, 255);
    EXPECT_EQ(button->captionColour(), idle);

    QTest::mouseMove(button, QPoint(10, 10));
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QApplication::sendEvent(button, &enter);
    QTest::qWait(40);
    EXPECT_GT(button->hotness(), 0.0) << "the fade has begun";
    EXPECT_LT(button->hotness(), 1.0) << "and takes its time";
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->captionColour() == hot; }, 1000));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QTest::qWait(40);
    EXPECT_NE(button->captionColour(), hot);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->captionColour() == idle; }, 1000));
}

TEST(SummaryLabel, SevenLinesFitTheGroupInOneColumn) {
    const auto form = showForm();
    const char* lines[] = {"Физическая атака:\t",  "Магическая атака:\t", "Физическая защита:\t",
                           "Магическая защита:\t", "Критический удар:\t", "Меткость:\t\t",
                           "Уклонение:\t\t"};
    QString summary;
    for (const char* line : lines)
        summary += QString::fromUtf8(line) + QStringLiteral("-2147483648%\n");
    form->sLabel10->setCaption(summary);

    const QRect label = form->sLabel10->geometry();
    EXPECT_EQ(label.topLeft(), QPoint(8, 24));
    EXPECT_EQ(label.height(), 7 * 13);
    EXPECT_LE(label.bottom(), 115);
    EXPECT_LT(label.right(), form->sGroupBox4->width() - 1);

    // Each value starts at the same tab stop.
    const QFontMetricsF metrics(form->sLabel10->font());
    const qreal column = expandedLineWidth(metrics, QString::fromUtf8(lines[0]));
    const qreal stop = tabStopDistance(metrics);
    EXPECT_DOUBLE_EQ(stop, 8 * metrics.averageCharWidth());
    EXPECT_DOUBLE_EQ(std::fmod(column, stop), 0.0);
    for (const char* line : lines)
        EXPECT_DOUBLE_EQ(expandedLineWidth(metrics, QString::fromUtf8(line)), column) << line;
}

TEST(SummaryLabel, ShowsMarkupAsPlainText) {
    const auto form = showForm();
    const QString text = QStringLiteral("<b>bold</b> &amp;");
    form->sLabel10->setCaption(text);
    EXPECT_EQ(form->sLabel10->caption(), text);
    EXPECT_EQ(form->sLabel10->textFormat(), Qt::PlainText);
    EXPECT_EQ(form->sLabel10->width(),
              qCeil(QFontMetricsF(form->sLabel10->font()).horizontalAdvance(text)));
}

} // namespace
