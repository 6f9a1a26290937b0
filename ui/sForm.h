#pragma once

#include "sSkinManager.h"

#include <QAbstractButton>
#include <QWidget>

#include <optional>

class QLabel;

// One of the title bar's two buttons; draws its glyph in the skin's colours.
class TsTitleButton : public QAbstractButton, public TsSkinnable {
    Q_OBJECT
public:
    enum class Glyph { Minimise, Close };
    TsTitleButton(Glyph glyph, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void skinChanged() override { update(); }

private:
    Glyph glyph_;
};

// The skin's title bar: icon, caption, minimise and close. Dragging it moves
// the window.
class TsTitleBar : public QWidget, public TsSkinnable {
    Q_OBJECT
public:
    explicit TsTitleBar(QWidget* window);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    TsTitleButton* minimise_;
    TsTitleButton* close_;
    // Set while the window follows the mouse by hand, where the window system
    // cannot move it for us.
    std::optional<QPoint> dragOffset_;
};

// A top-level window whose frame and title bar the skin draws. Controls go
// into clientArea(), which has exactly the client size asked for.
class TForm : public QWidget, public TsSkinnable {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const;
    void setClientSize(QSize size);
    QWidget* clientArea() const { return client_; }

    // With extended borders the window casts a soft shadow where the window
    // system composites translucent windows, and has a thin border elsewhere.
    void setExtendedBorders(bool on);
    // Width of the transparent margin that holds the shadow.
    int shadowMargin() const;

    // Places the window in the middle of its screen's work area.
    void centreOnScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void skinChanged() override;

private:
    void layOutFrame();

    TsTitleBar* titleBar_;
    QWidget* client_;
    QSize clientSize_;
    bool shadowed_ = false;
};
