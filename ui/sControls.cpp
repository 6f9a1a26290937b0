#include "sControls.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace {

QColor mix(const QColor& from, const QColor& to, qreal t) {
    const auto channel = [t](int a, int b) { return qRound(a + (b - a) * t); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// Splits a caption into its lines; a final line feed ends the last line
// rather than starting an empty one.
QList<QStringView> linesOf(const QString& text) {
    QList<QStringView> lines = QStringView(text).split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

// Runs f(segment, x) for each tab-free piece of a line at its x position and
// returns the line's width.
template <class F> qreal walkLine(const QFontMetricsF& metrics, QStringView line, F&& f) {
    const qreal stop = tabStopDistance(metrics);
    qreal x = 0;
    for (qsizetype start = 0;;) {
        const qsizetype tab = line.indexOf(u'\t', start);
        const QStringView piece = line.mid(start, tab < 0 ? -1 : tab - start);
        f(piece, x);
        x += metrics.horizontalAdvance(piece.toString());
        if (tab < 0)
            return x;
        x = (std::floor(x / stop) + 1) * stop;
        start = tab + 1;
    }
}

} // namespace

void drawBorder(QPainter& painter, const QRect& r, const QColor& colour) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

qreal tabStopDistance(const QFontMetricsF& metrics) {
    return 8 * metrics.averageCharWidth();
}

qreal expandedLineWidth(const QFontMetricsF& metrics, QStringView line) {
    return walkLine(metrics, line, [](QStringView, qreal) {});
}

// ---------------------------------------------------------------------------

TsGroupBox::TsGroupBox(QWidget* parent) : QGroupBox(parent) {}

void TsGroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics metrics(font());
    const int frameTop = metrics.height() / 2;
    constexpr int captionLeft = 8, captionGap = 2;
    const int captionWidth = title().isEmpty() ? 0 : metrics.horizontalAdvance(title());

    // The top edge is left open behind the caption so the window shows through.
    const QColor border = skin().groupBorder;
    const int gapStart = captionWidth > 0 ? captionLeft - captionGap : width();
    const int gapEnd = captionWidth > 0 ? captionLeft + captionWidth + captionGap : width();
    const int sideHeight = height() - frameTop;
    p.fillRect(QRect(0, frameTop, gapStart, 1), border);
    p.fillRect(QRect(gapEnd, frameTop, width() - gapEnd, 1), border);
    p.fillRect(QRect(0, frameTop, 1, sideHeight), border);
    p.fillRect(QRect(width() - 1, frameTop, 1, sideHeight), border);
    p.fillRect(QRect(0, height() - 1, width(), 1), border);

    if (captionWidth > 0) {
        p.setPen(skin().groupCaption);
        p.drawText(QRect(captionLeft, 0, captionWidth, metrics.height()),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
    }
}

// ---------------------------------------------------------------------------

TsLabel::TsLabel(QWidget* parent) : QLabel(parent) {
    // Never filled, so the group shows through; never read as markup.
    setTextFormat(Qt::PlainText);
}

void TsLabel::setCaption(const QString& caption) {
    setText(caption);
    resize(sizeHint());
}

QSize TsLabel::sizeHint() const {
    const QFontMetricsF metrics(font());
    const QList<QStringView> lines = linesOf(text());
    qreal width = 0;
    for (QStringView line : lines)
        width = std::max(width, expandedLineWidth(metrics, line));
    const int lineHeight = QFontMetrics(font()).height();
    return QSize(static_cast<int>(std::ceil(width)), lineHeight * static_cast<int>(lines.size()));
}

void TsLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetricsF metrics(font());
    const int lineHeight = QFontMetrics(font()).height();
    int top = 0;
    for (QStringView line : linesOf(text())) {
        walkLine(metrics, line, [&](QStringView piece, qreal x) {
            if (!piece.isEmpty())
                p.drawText(QPointF(x, top + metrics.ascent()), piece.toString());
        });
        top += lineHeight;
    }
}

void TsLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        resize(sizeHint());
}

// ---------------------------------------------------------------------------

TsEdit::TsEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(2, 1, 2, 1);
}

void TsEdit::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
    }
    QLineEdit::paintEvent(event);
    QPainter p(this);
    drawBorder(p, rect(), skin().editBorder);
}

// ---------------------------------------------------------------------------

TsComboBox::TsComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
}

void TsComboBox::showPopup() {
    // The list is only built when first opened, to keep it out of start-up.
    // The plain delegate honours each item's size hint, which sets the height.
    if (!popupPrepared_) {
        setItemDelegate(new QStyledItemDelegate(this));
        popupPrepared_ = true;
    }
    QComboBox::showPopup();
}

void TsComboBox::setItemHeight(int height) {
    for (int i = 0; i < count(); ++i)
        setItemData(i, QSize(0, height), Qt::SizeHintRole);
}

void TsComboBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Base));
    drawBorder(p, r, skin().editBorder);

    const QColor text =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    constexpr int arrowBox = 16;
    const QRect textRect = r.adjusted(4, 1, -arrowBox, -1);
    p.setPen(text);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, currentText());
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
        p.drawRect(r.adjusted(2, 2, -arrowBox - 1, -3));
    }

    // A small downward triangle in the text colour.
    const QPointF centre(r.right() - arrowBox / 2.0 + 0.5, r.center().y() + 1.0);
    const QPointF arrow[] = {centre + QPointF(-3.5, -2), centre + QPointF(3.5, -2),
                             centre + QPointF(0, 2)};
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(text);
    p.drawPolygon(arrow, 3);
}

// ---------------------------------------------------------------------------

TsButton::TsButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), fade_(new QVariantAnimation(this)) {
    setAutoDefault(false);
    setDefault(false);
    setAttribute(Qt::WA_Hover);
    connect(fade_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        hotness_ = value.toReal();
        update();
    });
}

QColor TsButton::captionColour() const {
    if (!isEnabled())
        return palette().color(QPalette::Disabled, QPalette::ButtonText);
    return mix(skin().buttonCaption, skin().buttonCaptionHot, hotness_);
}

void TsButton::skinChanged() {
    fade_->setDuration(skin().fadeMilliseconds);
    update();
}

void TsButton::fadeTo(qreal target) {
    fade_->stop();
    // A fade that turns back part way takes only the time of the way back.
    const qreal distance = std::abs(target - hotness_);
    fade_->setDuration(static_cast<int>(skin().fadeMilliseconds * distance));
    fade_->setStartValue(hotness_);
    fade_->setEndValue(target);
    if (distance > 0)
        fade_->start();
}

void TsButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    fadeTo(1);
}

void TsButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    fadeTo(0);
}

void TsButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown();
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, down ? skin().buttonBottom : skin().buttonTop);
    face.setColorAt(1, down ? skin().buttonTop : skin().buttonBottom);
    p.fillRect(r, face);
    drawBorder(p, r, skin().buttonBorder);

    const QColor caption = captionColour();
    if (hasFocus()) {
        QColor ring = caption;
        ring.setAlpha(90);
        p.setPen(QPen(ring, 1, Qt::DotLine));
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
    p.setPen(caption);
    p.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter | Qt::TextSingleLine,
               text());
}
