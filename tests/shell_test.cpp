#include "error_display.h"
#include "exception.h"
#include "gui_support.h"
#include "sApplication.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zarvin;
using namespace zarvin::testing;

namespace {

TEST(ErrorBoxText, FullStopRule) {
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
        {"", ""},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},
        {"'x'", "'x'"},
        {"(see above)", "(see above)"},
        {"a-", "a-"},  // 45
        {"a/", "a/."}, // 47, the first code past '.'
        {"value 7", "value 7."},
        {"Ошибка", "Ошибка."}, // letters outside ASCII are past '.' too
        {"ends in space ", "ends in space "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(errorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown));
    }
}

TEST(ErrorBox, ShowsTheMessageModallyWithOneOk) {
    const auto form = showForm();
    form->sEdit2->setText(QStringLiteral("17"));
    const QStringList before = shownTexts(*form);

    bool formBlocked = false;
    const SeenBox box = whileErrorBoxOpen(
        [] { ShowException(EConvertError("'<b>abc</b>' is not a valid integer value")); },
        [&](QMessageBox*) {
            // A click that reaches the window through the window system while
            // the box is open does nothing.
            const QPoint reset = form->sButton2->mapTo(form.get(), QPoint(10, 10));
            QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, reset);
            formBlocked = QApplication::activeModalWidget() != form.get() &&
                          form->sEdit2->text() == QStringLiteral("17");
        });
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.text, QStringLiteral("'<b>abc</b>' is not a valid integer value."));
    EXPECT_EQ(box.title, QStringLiteral("Zarvin Calculator"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_TRUE(box.okButton);
    EXPECT_TRUE(box.modal);
    EXPECT_TRUE(formBlocked);

    EXPECT_EQ(shownTexts(*form), before);
    EXPECT_TRUE(form->isEnabled());
}

TEST(ErrorBox, AbortShowsNothing) {
    const SeenBox box = whileErrorBoxOpen([] { ShowException(EAbort()); });
    EXPECT_FALSE(box.shown);
}

TEST(ErrorBox, ReleasesTheMouseFirst) {
    const auto form = showForm();
    form->sEdit1->grabMouse();
    ASSERT_EQ(QWidget::mouseGrabber(), form->sEdit1);
    const SeenBox box = whileErrorBoxOpen([] { ShowException(Exception("x")); });
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// Whatever an action throws is shown and the loop goes on; an exception that
// is not ours shows as an empty box.
TEST(EscapingExceptions, AreShownAtTheBoundary) {
    struct Case {
        const char* name;
        std::function<void()> thrower;
        QString text;
    };
    const Case cases[] = {
        {"ours", [] { throw EConvertError("'q' is not a valid integer value"); },
         QStringLiteral("'q' is not a valid integer value.")},
        {"a standard exception", [] { throw std::runtime_error("lost"); }, QString()},
        {"anything else", [] { throw 42; }, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TsButton button(QStringLiteral("x"), nullptr);
        QObject::connect(&button, &QPushButton::clicked, [&] { TApplication::guarded(c.thrower); });
        button.show();
        const SeenBox box = whileErrorBoxOpen([&] { QTest::mouseClick(&button, Qt::LeftButton); });
        EXPECT_TRUE(box.shown);
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.title, QStringLiteral("Zarvin Calculator"));
    }
}

// The application object is the safety net for code that forgot the guard.
TEST(EscapingExceptions, NotifyCatchesWhatAnEventHandlerThrows) {
    struct Thrower : QObject {
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User)
                throw Exception("from an event");
            return QObject::event(e);
        }
    } thrower;
    QEvent event(QEvent::User);
    const SeenBox box = whileErrorBoxOpen([&] { QApplication::sendEvent(&thrower, &event); });
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.text, QStringLiteral("from an event."));
}

} // namespace
