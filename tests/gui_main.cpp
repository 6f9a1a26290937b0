// Test entry for suites that need the application object: it is created once,
// the way the program creates it, before any test runs.
#include "error_display.h"
#include "sApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    TApplication application(argc, argv);
    application.setTitle(QStringLiteral("Zarvin Calculator"));
    application.setExceptionHandler(zarvin::showEscapedException);
    return RUN_ALL_TESTS();
}
