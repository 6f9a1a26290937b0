// Yardsticks for start-up: a plain Qt window of the calculator's size that
// paints nothing of its own, and (with BARE_WITH_LABEL) the same window
// showing one caption in the calculator's face, which is what it costs to
// bring up the font system at all.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
#ifdef BARE_WITH_LABEL
    QLabel window(QStringLiteral("Характеристики"));
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    font.setBold(true);
    window.setFont(font);
#else
    QWidget window;
#endif
    window.setFixedSize(330, 411);
    window.show();
    return application.exec();
}
