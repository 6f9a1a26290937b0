#include "sSkinManager.h"

#include "exception.h"
#include "sForm.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

#include <utility>

namespace {

QColor colourOf(const QJsonObject& colours, const char* key) {
    const QJsonArray rgb = colours.value(QLatin1String(key)).toArray();
    if (rgb.size() != 3)
        throw zarvin::Exception(std::string("Skin colour '") + key + "' is missing");
    return QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
}

// The colours that Qt's own drawing takes (the line edits' text, the list's
// popup, message boxes) come from the palette.
QPalette paletteOf(const QJsonObject& c) {
    QPalette p;
    const QColor window = colourOf(c, "window"), edit = colourOf(c, "edit"),
                 text = colourOf(c, "text"), disabled = colourOf(c, "disabledText");
    p.setColor(QPalette::Window, window);
    for (QPalette::ColorRole role :
         {QPalette::Base, QPalette::AlternateBase, QPalette::ToolTipBase})
        p.setColor(role, edit);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ToolTipText}) {
        p.setColor(role, text);
        p.setColor(QPalette::Disabled, role, disabled);
    }
    p.setColor(QPalette::Disabled, QPalette::Base, edit);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Button, colourOf(c, "buttonTop"));
    p.setColor(QPalette::ButtonText, colourOf(c, "buttonCaption"));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    p.setColor(QPalette::Highlight, colourOf(c, "highlight"));
    p.setColor(QPalette::HighlightedText, colourOf(c, "highlightedText"));
    p.setColor(QPalette::Mid, colourOf(c, "groupBorder"));
    p.setColor(QPalette::Dark, colourOf(c, "editBorder"));
    p.setColor(QPalette::Shadow, colourOf(c, "shadow"));
    return p;
}

// The skin's colours beyond the palette, by their key in the description.
constexpr std::pair<QColor TsSkin::*, const char*> skinColours[] = {
    {&TsSkin::groupCaption, "groupCaption"},
    {&TsSkin::groupBorder, "groupBorder"},
    {&TsSkin::editBorder, "editBorder"},
    {&TsSkin::buttonTop, "buttonTop"},
    {&TsSkin::buttonBottom, "buttonBottom"},
    {&TsSkin::buttonBorder, "buttonBorder"},
    {&TsSkin::buttonCaption, "buttonCaption"},
    {&TsSkin::buttonCaptionHot, "buttonCaptionHot"},
    {&TsSkin::frameBorder, "frameBorder"},
    {&TsSkin::titleTop, "titleTop"},
    {&TsSkin::titleBottom, "titleBottom"},
    {&TsSkin::titleCaption, "titleCaption"},
    {&TsSkin::shadow, "shadow"},
};

} // namespace

TsSkin loadSkin(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw zarvin::Exception("Cannot read the skin " + path.toStdString());
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject c = root.value(QLatin1String("colors")).toObject();
    const QJsonObject m = root.value(QLatin1String("metrics")).toObject();

    TsSkin skin;
    skin.name = root.value(QLatin1String("name")).toString();
    skin.palette = paletteOf(c);
    for (const auto& [member, key] : skinColours)
        skin.*member = colourOf(c, key);
    skin.titleHeight = m.value(QLatin1String("titleHeight")).toInt();
    skin.frameBorderWidth = m.value(QLatin1String("frameBorder")).toInt();
    skin.shadowSize = m.value(QLatin1String("shadowSize")).toInt();
    skin.shadowOpacity = m.value(QLatin1String("shadowOpacity")).toDouble();
    skin.fadeMilliseconds = m.value(QLatin1String("fadeMilliseconds")).toInt();

    const QJsonObject substitutes = root.value(QLatin1String("fontSubstitutes")).toObject();
    for (auto it = substitutes.begin(); it != substitutes.end(); ++it)
        for (const QJsonValue& family : it.value().toArray())
            skin.fontSubstitutes[it.key()].append(family.toString());
    return skin;
}

TsSkinManager::TsSkinManager(QWidget* owner) : QObject(owner) {
    setObjectName(QStringLiteral("sSkinManager1"));
    // The skin ships inside the program: there is no outside skin format to
    // look for, so the skin directory is kept as a setting only.
    skin_ = std::make_shared<const TsSkin>(loadSkin(QStringLiteral(":/skin/tv-b.json")));
    // Message boxes and popups belong to the skin too, so the colours go
    // application wide, before the form's controls exist to be told of them.
    QApplication::setPalette(skin_->palette);
}

QString TsSkinManager::fontFamily(const QString& face) const {
    if (QFontDatabase::hasFamily(face))
        return face;
    for (const QString& substitute : skin_->fontSubstitutes.value(face))
        if (QFontDatabase::hasFamily(substitute))
            return substitute;
    return face;
}

void TsSkinManager::apply() {
    auto* owner = static_cast<QWidget*>(parent());
    if (auto* form = qobject_cast<TForm*>(owner))
        form->setExtendedBorders(extendedBorders_);
    if (auto* self = dynamic_cast<TsSkinnable*>(owner))
        self->setSkin(skin_);
    for (QWidget* child : owner->findChildren<QWidget*>())
        if (auto* control = dynamic_cast<TsSkinnable*>(child))
            control->setSkin(skin_);
}

void TsSkinnable::setSkin(std::shared_ptr<const TsSkin> skin) {
    skin_ = std::move(skin);
    skinChanged();
}

const TsSkin& TsSkinnable::skin() const {
    static const TsSkin unskinned;
    return skin_ ? *skin_ : unskinned;
}
