#pragma once

#include "sSkinManager.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class QFontMetricsF;
class QVariantAnimation;

class QPainter;

// A one-pixel frame just inside r, drawn as filled edges so that it stays whole
// at any screen scale.
void drawBorder(QPainter& painter, const QRect& r, const QColor& colour);

// Distance between tab stops: eight average character widths of the font.
qreal tabStopDistance(const QFontMetricsF& metrics);

// Width of one line once each tab has moved on to the next stop.
qreal expandedLineWidth(const QFontMetricsF& metrics, QStringView line);

class TsGroupBox : public QGroupBox, public TsSkinnable {
    Q_OBJECT
public:
    explicit TsGroupBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A transparent plain-text label that sizes itself to its caption, starts a
// line at each line feed, expands tabs and never wraps.
class TsLabel : public QLabel, public TsSkinnable {
    Q_OBJECT
public:
    explicit TsLabel(QWidget* parent);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
};

class TsEdit : public QLineEdit, public TsSkinnable {
    Q_OBJECT
public:
    explicit TsEdit(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A pick-only list: the items can be chosen, no text can be typed.
class TsComboBox : public QComboBox, public TsSkinnable {
    Q_OBJECT
public:
    explicit TsComboBox(QWidget* parent);

    void setItemHeight(int height);
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool popupPrepared_ = false;
};

// A push button with a gradient face whose caption brightens while the mouse
// is over it, fading in and out.
class TsButton : public QPushButton, public TsSkinnable {
    Q_OBJECT
public:
    explicit TsButton(const QString& caption, QWidget* parent);

    // How far the caption has faded toward its hot colour, 0 to 1.
    qreal hotness() const { return hotness_; }
    QColor captionColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void skinChanged() override;

private:
    void fadeTo(qreal target);

    QVariantAnimation* fade_;
    qreal hotness_ = 0;
};
