#pragma once

#include <QColor>
#include <QHash>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// The look one skin gives: colours, frame metrics and the fonts that stand in
// for the layout's faces where those are not installed.
struct TsSkin {
    QString name;
    QPalette palette;
    QColor groupCaption;
    QColor groupBorder;
    QColor editBorder;
    QColor buttonTop;
    QColor buttonBottom;
    QColor buttonBorder;
    QColor buttonCaption;
    QColor buttonCaptionHot;
    QColor frameBorder;
    QColor titleTop;
    QColor titleBottom;
    QColor titleCaption;
    QColor shadow;
    int titleHeight = 0;
    int frameBorderWidth = 0;
    int shadowSize = 0;
    qreal shadowOpacity = 0;
    int fadeMilliseconds = 0;
    // Installed faces to use, in order of preference, for a face the layout
    // names but the system may lack.
    QHash<QString, QStringList> fontSubstitutes;
};

// Holds the skin settings of a form and applies the chosen skin to it and to
// every skinned control in it.
class TsSkinManager : public QObject {
    Q_OBJECT
public:
    explicit TsSkinManager(QWidget* owner);

    bool active() const { return active_; }
    const QString& skinName() const { return skinName_; }
    const QString& skinDirectory() const { return skinDirectory_; }
    const QStringList& internalSkins() const { return internalSkins_; }
    bool extendedBorders() const { return extendedBorders_; }
    const TsSkin& skin() const { return *skin_; }

    // The installed face that stands for the face a layout asks for. Resolved
    // here once, so the toolkit never searches its fallbacks for a missing face.
    QString fontFamily(const QString& face) const;

    // Hands the skin to the owner form and every skinned control in it; call
    // once the form's controls exist. The colours apply from construction.
    void apply();

private:
    bool active_ = true;
    QString skinName_ = QStringLiteral("TV-b");
    QString skinDirectory_ = QStringLiteral("c:\\Skins");
    QStringList internalSkins_{QStringLiteral("TV-b (internal)")};
    bool extendedBorders_ = true;
    std::shared_ptr<const TsSkin> skin_;
};

// A control that draws itself from a skin. It keeps the skin alive for as long
// as it may paint.
class TsSkinnable {
public:
    virtual ~TsSkinnable() = default;
    void setSkin(std::shared_ptr<const TsSkin> skin);

protected:
    const TsSkin& skin() const;
    virtual void skinChanged() {}

private:
    std::shared_ptr<const TsSkin> skin_;
};

// Reads a skin from its description (the resource format of the internal
// skin); throws zarvin::Exception when the description is unusable.
TsSkin loadSkin(const QString& path);
