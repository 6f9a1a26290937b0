#include "gui_support.h"

#include <gtest/gtest.h>

using namespace zarvin::testing;

namespace {

// Run with QT_SCALE_FACTOR=2: the window keeps its layout in logical pixels
// and paints every device pixel itself, so nothing is blurred or clipped.
TEST(HighDpi, WindowScalesAsOnePiece) {
    const auto form = showForm();
    const qreal ratio = form->devicePixelRatioF();
    if (ratio != 2.0)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2, the ratio is " << ratio;

    EXPECT_EQ(form->clientArea()->size(), QSize(328, 385));
    EXPECT_EQ(form->sEdit1->geometry(), QRect(232, 16, 57, 21));
    const QImage image = form->grab().toImage();
    EXPECT_EQ(image.size(), form->size() * 2);

    const auto at = [&](QWidget* w, QPoint p) {
        return image.pixelColor(w->mapTo(form.get(), p) * 2);
    };
    EXPECT_EQ(at(form->clientArea(), {2, 2}), QColor(47, 47, 47));
    EXPECT_EQ(at(form->sEdit6, {50, 10}), QColor(26, 26, 26));
    // The one-pixel group border is two device pixels wide, not a blur.
    const QPoint border = form->sGroupBox2->mapTo(form.get(), QPoint(0, 60)) * 2;
    EXPECT_EQ(image.pixelColor(border), QColor(74, 74, 74));
    EXPECT_EQ(image.pixelColor(border + QPoint(1, 0)), QColor(74, 74, 74));
    EXPECT_EQ(image.pixelColor(border + QPoint(2, 0)), QColor(47, 47, 47));

    // The label's caption is whole: fully inked pixels reach its last glyph.
    const QRect label(form->sLabel2->mapTo(form.get(), QPoint(0, 0)) * 2,
                      form->sLabel2->size() * 2);
    int lastInked = -1;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            if (image.pixelColor(x, y) == QColor(128, 128, 128))
                lastInked = std::max(lastInked, x);
    EXPECT_GT(lastInked, label.right() - 8) << "the ' :' at the end is drawn";

    // The icon comes from the picture made for the size, not a scaled one.
    const QPixmap icon = form->windowIcon().pixmap(QSize(16, 16), ratio);
    EXPECT_EQ(icon.size(), QSize(32, 32));
    QImage shown = icon.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    shown.setDevicePixelRatio(1);
    EXPECT_EQ(shown, QImage(QStringLiteral(":/icon/zarvin-calculator-32.png"))
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

} // namespace
