#include "startup.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace zarvin {
namespace {

QStringList heldBack;
QtMessageHandler previousHandler = nullptr;
bool holding = false;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(StartupGuard::noDisplayLine()));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    heldBack.append(qFormatLogMessage(type, context, message));
}

} // namespace

StartupGuard::StartupGuard() {
    holding = true;
    previousHandler = qInstallMessageHandler(holdMessage);
}

StartupGuard::~StartupGuard() {
    release();
}

void StartupGuard::release() {
    if (!holding)
        return;
    holding = false;
    qInstallMessageHandler(previousHandler);
    for (const QString& line : std::as_const(heldBack))
        std::fprintf(stderr, "%s\n", qPrintable(line));
    heldBack.clear();
}

QString StartupGuard::noDisplayLine() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    QString where;
    if (!platform.isEmpty())
        where = QStringLiteral("with QT_QPA_PLATFORM=%1").arg(QString::fromLocal8Bit(platform));
    else if (!wayland.isEmpty())
        where = QStringLiteral("at WAYLAND_DISPLAY=%1").arg(QString::fromLocal8Bit(wayland));
    else if (!display.isEmpty())
        where = QStringLiteral("at DISPLAY=%1").arg(QString::fromLocal8Bit(display));
    else
        where = QStringLiteral("(DISPLAY is not set)");
    return QStringLiteral("zarvin-calculator: cannot open a display %1; "
                          "start it from a graphical session")
        .arg(where);
}

} // namespace zarvin
