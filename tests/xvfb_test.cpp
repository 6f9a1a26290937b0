// Tests that need a real X server (run under Xvfb): the window as the window
// system sees it, the built program as a process, and a user's session driven
// through X input events.
#include "error_display.h"
#include "gui_support.h"
#include "platform.h"
#include "sApplication.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

using namespace zarvin::testing;

namespace {

// Runs an X tool and lets the window go on handling events meanwhile.
bool runTool(const QString& program, const QStringList& arguments, QString* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000))
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool xdotool(const QStringList& arguments) {
    return runTool(QStringLiteral("xdotool"), arguments);
}

void clickOn(QWidget* w) {
    const QPoint p = w->mapToGlobal(QPoint(w->width() / 2, w->height() / 2));
    ASSERT_TRUE(xdotool({QStringLiteral("mousemove"), QString::number(p.x()),
                         QString::number(p.y()), QStringLiteral("click"), QStringLiteral("1")}));
}

void typeInto(TsEdit* edit, const QString& text) {
    clickOn(edit);
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }, 3000));
    ASSERT_TRUE(
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")}));
    if (!text.isEmpty()) {
        ASSERT_TRUE(xdotool(
            {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text}));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->text() == text; }, 3000))
        << edit->text().toStdString();
}

std::unique_ptr<TForm1> showCentredForm() {
    auto form = std::make_unique<TForm1>();
    form->setWindowTitle(QApplication::applicationDisplayName());
    form->centreOnScreen();
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return form;
}

TEST(RealWindow, OpensCentredWithItsClientArea) {
    const auto form = showCentredForm();
    const QRect screen = form->screen()->availableGeometry();
    const QRect frame = form->frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
    EXPECT_EQ(form->clientArea()->size(), QSize(328, 385));

    // What the X server holds on screen is the skin's window colour.
    QTest::qWait(100);
    const QPoint corner = form->clientArea()->mapToGlobal(QPoint(2, 2));
    const QImage shot = form->screen()->grabWindow(0, corner.x(), corner.y(), 1, 1).toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(47, 47, 47));
}

// With a compositing manager running, the frame casts a soft shadow in a
// transparent margin; the client area keeps its size.
TEST(RealWindow, CastsAShadowWhereTheDesktopComposites) {
    EXPECT_FALSE(zarvin::platform::windowSystemComposites());
    QProcess compositor;
    compositor.start(QStringLiteral("xcompmgr"), {});
    ASSERT_TRUE(compositor.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([] { return zarvin::platform::windowSystemComposites(); }, 5000));

    {
        const auto form = showCentredForm();
        const int margin = form->shadowMargin();
        EXPECT_GT(margin, 0);
        EXPECT_EQ(form->size(), QSize(328 + 2 + 2 * margin, 385 + 24 + 2 + 2 * margin));
        EXPECT_EQ(form->clientArea()->size(), QSize(328, 385));
        EXPECT_TRUE(form->testAttribute(Qt::WA_TranslucentBackground));

        // Just below the frame the desktop shows through, darkened.
        QTest::qWait(300);
        const QPoint below =
            form->mapToGlobal(QPoint(form->width() / 2, form->height() - margin + 2));
        const QPoint away = below + QPoint(0, 3 * margin);
        const QImage shot = form->screen()
                                ->grabWindow(0, below.x(), below.y(), 1, away.y() - below.y() + 1)
                                .toImage();
        const QColor shade = shot.pixelColor(0, 0), desktop = shot.pixelColor(0, shot.height() - 1);
        EXPECT_LT(shade.lightness(), desktop.lightness());
        EXPECT_GT(shade.lightness(), 0);
    }
    compositor.kill();
    compositor.waitForFinished();
}

// A whole session as a person has it: typing and clicking through the X server.
TEST(RealWindow, UserCalculatesAndCorrectsAMistake) {
    const auto form = showCentredForm();

    // Pick the druid from the list with the mouse and the keyboard.
    clickOn(form->sComboBox1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->sComboBox1->view()->isVisible(); }, 3000));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Down"),
                         QStringLiteral("Down"), QStringLiteral("Return")}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->sComboBox1->currentIndex() == 3; }, 3000));

    typeInto(form->sEdit1, QStringLiteral("7"));
    typeInto(form->sEdit2, QStringLiteral("20"));
    typeInto(form->sEdit4, QStringLiteral("9"));
    typeInto(form->sEdit5, QStringLiteral("41"));
    clickOn(form->sButton1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form->sEdit6->text().isEmpty(); }, 3000));
    EXPECT_EQ(form->sEdit6->text(), QStringLiteral("408"));
    EXPECT_EQ(form->sEdit7->text(), QStringLiteral("276"));
    EXPECT_EQ(form->sEdit8->text(), QStringLiteral("-25"));
    EXPECT_EQ(form->sLabel10->caption(),
              QStringLiteral("Физическая защита:\t6\nМагическая защита:\t7\nКритический удар:\t3%\n"
                             "Меткость:\t\t287\nУклонение:\t\t246\n"));

    // The summary is on the screen: its area holds the text colour.
    QTest::qWait(100);
    const QPoint at = form->sLabel10->mapToGlobal(QPoint(0, 0));
    const QImage shot =
        form->screen()
            ->grabWindow(0, at.x(), at.y(), form->sLabel10->width(), form->sLabel10->height())
            .toImage();
    int inked = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            inked += shot.pixelColor(x, y) == QColor(128, 128, 128);
    EXPECT_GT(inked, 100);

    // A slip of the finger: the error box names it, Enter closes it, and
    // nothing in the window has changed.
    const QStringList before = shownTexts(*form);
    typeInto(form->sEdit3, QStringLiteral("5a"));
    const QStringList withSlip = shownTexts(*form);
    // Enter is pressed through the X server once the box has the keyboard.
    const SeenBox box = whileErrorBoxOpen(
        [&] { clickOn(form->sButton1); }, {},
        [](QMessageBox* box) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return box->isActiveWindow(); }, 5000));
            QProcess::startDetached(QStringLiteral("xdotool"),
                                    {QStringLiteral("key"), QStringLiteral("Return")});
        });
    ASSERT_TRUE(box.shown);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QApplication::activeModalWidget(); }, 5000));
    EXPECT_EQ(box.text, QStringLiteral("'5a' is not a valid integer value."));
    EXPECT_EQ(shownTexts(*form), withSlip);
    EXPECT_EQ(withSlip.mid(5), before.mid(5));

    // Corrected, the next press goes through.
    typeInto(form->sEdit3, QStringLiteral("5"));
    typeInto(form->sEdit2, QStringLiteral("5"));
    clickOn(form->sButton1);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return form->sEdit6->text() == QStringLiteral("228"); }, 3000));
}

// The built program, started as a user starts it, with its window as the X
// server has it.
struct RunningProgram {
    QProcess process;
    xcb_window_t window = 0;
    QRect geometry;

    void start() {
        process.start(QStringLiteral(ZARVIN_PROGRAM), {});
        ASSERT_TRUE(process.waitForStarted());
        QString found; // "Window N", "Position: X,Y (screen: 0)" and "Geometry: WxH" lines
        ASSERT_TRUE(
            runTool(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--sync"),
                     QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                     QStringLiteral("^Zarvin Calculator$"), QStringLiteral("getwindowgeometry")},
                    &found));
        const QRegularExpressionMatch m =
            QRegularExpression(
                QStringLiteral(
                    "Window (\\d+)\\s+Position: (\\d+),(\\d+).*\\s+Geometry: (\\d+)x(\\d+)"))
                .match(found);
        ASSERT_TRUE(m.hasMatch()) << found.toStdString();
        window = m.captured(1).toUInt();
        geometry = QRect(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(),
                         m.captured(5).toInt());
        QTest::qWait(200); // let it finish its first frame
    }

    void expectExitCodeZero() {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
    }
};

TEST(Program, OpensCentredAndOurCloseButtonEndsItWithExitCodeZero) {
    RunningProgram program;
    ASSERT_NO_FATAL_FAILURE(program.start());
    const QRect g = program.geometry;
    EXPECT_EQ(g.size(), QSize(328 + 2, 385 + 24 + 2));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(std::abs(g.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(g.center().y() - screen.center().y()), 1);

    // The close button sits at the right end of the title bar.
    ASSERT_TRUE(
        xdotool({QStringLiteral("mousemove"), QString::number(g.x() + g.width() - 1 - 3 - 9),
                 QString::number(g.y() + 1 + 12), QStringLiteral("click"), QStringLiteral("1")}));
    program.expectExitCodeZero();
}

// What a window manager sends when its own close button or the window menu
// is used.
TEST(Program, WindowSystemCloseEndsItWithExitCodeZero) {
    RunningProgram program;
    ASSERT_NO_FATAL_FAILURE(program.start());

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(connection));
    const auto atom = [&](const char* name) {
        auto* reply = xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t a = reply->atom;
        std::free(reply);
        return a;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = program.window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, program.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
    xcb_disconnect(connection);

    program.expectExitCodeZero();
}

TEST(Program, WithoutADisplaySaysSoInOneLine) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ZARVIN_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
    EXPECT_NE(program.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(program.readAllStandardError()).trimmed();
    EXPECT_EQ(err.count(u'\n'), 0) << err.toStdString();
    EXPECT_TRUE(err.contains(QLatin1String("cannot open a display"))) << err.toStdString();
}

} // namespace
