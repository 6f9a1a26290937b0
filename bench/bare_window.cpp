// The yardstick for start-up: a plain Qt window of the calculator's size that
// paints nothing of its own.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(330, 411);
    window.show();
    return application.exec();
}
