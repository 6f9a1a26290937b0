// Presses Accept on the real window many times and reports the time per press
// and the process's resident memory before and after; the memory should stay
// flat. Runs on any Qt platform (offscreen by default).
#include "Unit1.h"
#include "error_display.h"
#include "sApplication.h"
#include "sControls.h"

#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

double pressAccept(TForm1& form, int presses) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < presses; ++i) {
        form.sEdit1->setText(QString::number(i % 100 + 1));
        form.sButton1->click();
        QCoreApplication::processEvents(); // lets the window repaint what changed
    }
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / presses;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    application.setTitle(QStringLiteral("Zarvin Calculator"));
    application.setExceptionHandler(zarvin::showEscapedException);
    TForm1* form = application.createForm<TForm1>();
    form->show();
    QCoreApplication::processEvents();

    const int presses = argc > 1 ? std::atoi(argv[1]) : 10000;
    pressAccept(*form, 200); // warm caches: fonts, glyphs, allocator
    const long before = residentKilobytes();
    const double perPress = pressAccept(*form, presses);
    const long after = residentKilobytes();
    const double perPressAgain = pressAccept(*form, presses);
    const long afterAgain = residentKilobytes();

    std::printf("platform %s, %d presses per round\n", qPrintable(QGuiApplication::platformName()),
                presses);
    std::printf("time per press: %.2f us (first round), %.2f us (second round)\n", perPress,
                perPressAgain);
    std::printf("resident memory: %ld KiB before, %ld KiB after one round, %ld KiB after two\n",
                before, after, afterAgain);
    return 0;
}
