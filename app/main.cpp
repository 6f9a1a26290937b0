#include "Unit1.h"
#include "error_display.h"
#include "exception.h"
#include "sApplication.h"
#include "startup.h"

int main(int argc, char** argv) {
    zarvin::StartupGuard startup;
    TApplication application(argc, argv);
    startup.release();
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zarvin.Calculator"));
    application.setExceptionHandler(zarvin::showEscapedException);
    try {
        application.setTitle(QStringLiteral("Zarvin Calculator"));
        TForm1* Form1 = application.createForm<TForm1>();
        Form1->centreOnScreen();
        Form1->show();
        application.exec();
    } catch (const zarvin::Exception& e) {
        zarvin::ShowException(e);
    } catch (...) {
        zarvin::ShowException(zarvin::Exception(std::string()));
    }
    return 0;
}
