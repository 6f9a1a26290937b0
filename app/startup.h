#pragma once

#include <QString>
#include <QStringList>

namespace zarvin {

// Holds back what Qt prints while the application object starts, so that a
// display that cannot be opened ends the program with one clear line (and a
// non-zero code) instead of the toolkit's abort. Anything held back is
// printed once start-up has gone through.
class StartupGuard {
public:
    StartupGuard();
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;

    void release();

    // The line printed when no display can be opened.
    static QString noDisplayLine();
};

} // namespace zarvin
