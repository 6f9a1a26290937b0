#include "sApplication.h"

#include <QStyleFactory>
#include <QWidget>

#include <cstdio>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Fusion is built in and draws only from the palette, so the skin decides
    // the look whatever desktop theme is around.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

// The window goes first, while the application it belongs to still exists.
TApplication::~TApplication() {
    mainForm_.reset();
}

void TApplication::setTitle(const QString& title) {
    setApplicationDisplayName(title);
}

QString TApplication::title() const {
    return applicationDisplayName();
}

void TApplication::handleException(std::exception_ptr error) {
    if (handler_) {
        handler_(std::move(error));
        return;
    }
    try {
        std::rethrow_exception(std::move(error));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (...) {
    }
}

void TApplication::handleCurrentException() noexcept {
    auto* app = qobject_cast<TApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    // The handler may itself fail (it may run out of memory showing a box);
    // nothing can be shown then, and Qt must still not see the exception.
    try {
        app->handleException(std::current_exception());
    } catch (...) {
    }
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handleCurrentException();
        return false;
    }
}
