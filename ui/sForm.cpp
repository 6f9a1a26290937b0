#include "sForm.h"

#include "platform.h"
#include "sControls.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

#include <utility>

namespace {
constexpr int titleButtonSize = 18;
constexpr int titleIconSize = 16;
} // namespace

TsTitleButton::TsTitleButton(Glyph glyph, QWidget* parent)
    : QAbstractButton(parent), glyph_(glyph) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    setFixedSize(titleButtonSize, titleButtonSize);
}

void TsTitleButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool hot = underMouse();
    if (hot || isDown()) {
        QLinearGradient face(0, 0, 0, height());
        face.setColorAt(0, isDown() ? skin().buttonBottom : skin().buttonTop);
        face.setColorAt(1, isDown() ? skin().buttonTop : skin().buttonBottom);
        p.fillRect(rect(), face);
        drawBorder(p, rect(), skin().buttonBorder);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(hot ? skin().buttonCaptionHot : skin().buttonCaption, 1.6, Qt::SolidLine,
                  Qt::RoundCap));
    const QRectF g = QRectF(rect()).adjusted(5.5, 5.5, -5.5, -5.5);
    if (glyph_ == Glyph::Close) {
        p.drawLine(g.topLeft(), g.bottomRight());
        p.drawLine(g.topRight(), g.bottomLeft());
    } else {
        p.drawLine(QPointF(g.left(), g.bottom()), g.bottomRight());
    }
}

// ---------------------------------------------------------------------------

TsTitleBar::TsTitleBar(QWidget* window)
    : QWidget(window)
    , minimise_(new TsTitleButton(TsTitleButton::Glyph::Minimise, this))
    , close_(new TsTitleButton(TsTitleButton::Glyph::Close, this)) {
    setObjectName(QStringLiteral("titleBar"));
    minimise_->setObjectName(QStringLiteral("minimiseButton"));
    close_->setObjectName(QStringLiteral("closeButton"));
    for (auto [button, name] : {std::pair{minimise_, QStringLiteral("Свернуть")},
                                std::pair{close_, QStringLiteral("Закрыть")}}) {
        button->setAccessibleName(name);
        button->setToolTip(name);
    }
    connect(minimise_, &QAbstractButton::clicked, window, &QWidget::showMinimized);
    connect(close_, &QAbstractButton::clicked, window, &QWidget::close);
}

void TsTitleBar::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TsTitleBar::resizeEvent(QResizeEvent*) {
    const int y = (height() - titleButtonSize) / 2;
    close_->move(width() - titleButtonSize - 3, y);
    minimise_->move(close_->x() - titleButtonSize - 2, y);
}

void TsTitleBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient bar(0, 0, 0, height());
    bar.setColorAt(0, skin().titleTop);
    bar.setColorAt(1, skin().titleBottom);
    p.fillRect(rect(), bar);

    const int iconTop = (height() - titleIconSize) / 2;
    window()->windowIcon().paint(&p, QRect(4, iconTop, titleIconSize, titleIconSize));

    QFont captionFont = font();
    captionFont.setBold(true);
    p.setFont(captionFont);
    p.setPen(skin().titleCaption);
    const int captionLeft = 4 + titleIconSize + 5;
    p.drawText(QRect(captionLeft, 0, minimise_->x() - captionLeft - 4, height()),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

void TsTitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    dragOffset_ = event->globalPosition().toPoint() - window()->pos();
}

void TsTitleBar::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_)
        window()->move(event->globalPosition().toPoint() - *dragOffset_);
}

void TsTitleBar::mouseReleaseEvent(QMouseEvent*) {
    dragOffset_.reset();
}

// ---------------------------------------------------------------------------

TForm::TForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , titleBar_(new TsTitleBar(this))
    , client_(new QWidget(this)) {
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setAutoFillBackground(true);
    client_->setBackgroundRole(QPalette::Window);
}

void TForm::setCaption(const QString& caption) {
    titleBar_->setCaption(caption);
}

QString TForm::caption() const {
    return titleBar_->caption();
}

void TForm::setClientSize(QSize size) {
    clientSize_ = size;
    layOutFrame();
}

void TForm::setExtendedBorders(bool on) {
    const bool shadowed = on && zarvin::platform::windowSystemComposites();
    if (shadowed != shadowed_) {
        shadowed_ = shadowed;
        setAttribute(Qt::WA_TranslucentBackground, shadowed_);
    }
    layOutFrame();
}

int TForm::shadowMargin() const {
    return shadowed_ ? skin().shadowSize : 0;
}

void TForm::skinChanged() {
    layOutFrame();
}

void TForm::layOutFrame() {
    const int margin = shadowMargin();
    const int border = skin().frameBorderWidth;
    const int title = skin().titleHeight;
    titleBar_->setGeometry(margin + border, margin + border, clientSize_.width(), title);
    client_->setGeometry(margin + border, margin + border + title, clientSize_.width(),
                         clientSize_.height());
    setFixedSize(clientSize_.width() + 2 * (border + margin),
                 clientSize_.height() + title + 2 * (border + margin));
    update();
}

void TForm::centreOnScreen() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    QRect frame = rect();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
}

void TForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int margin = shadowMargin();
    const QRect frame = rect().adjusted(margin, margin, -margin, -margin);
    if (margin > 0) {
        // Rings of falling opacity make a soft shadow around the frame.
        p.setRenderHint(QPainter::Antialiasing);
        QColor shade = skin().shadow;
        for (int i = margin; i > 0; --i) {
            const qreal t = 1.0 - qreal(i) / (margin + 1);
            shade.setAlphaF(static_cast<float>(skin().shadowOpacity * t * t / margin * 3));
            QPainterPath ring;
            ring.addRoundedRect(QRectF(frame).adjusted(-i, -i + 2, i, i + 2), i, i);
            p.fillPath(ring, shade);
        }
    }
    p.fillRect(frame, skin().frameBorder);
}
