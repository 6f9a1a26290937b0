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

namespace {

QColor colourOf(const QJsonObject& colours, const char* key) {
    const QJsonArray rgb = colours.value(QLatin1String(key)).toArray();
    if (rgb.size() != 3)
        throw zarvin::Exception(std::string("Skin colour '") + key + "' is missing");
    return QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
}

QPalette paletteOf(const QJsonObject& c) {
    QPalette p;
    const QColor window = colourOf(c, "window"), edit = colourOf(c, "edit"),
                 text = colourOf(c, "text"), disabled = colourOf(c, "disabledText");
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        p.setColor(role, window);
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::AlternateBase})
        p.setColor(role, edit);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, text);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Base, edit);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Highlight, colourOf(c, "highlight"));
    p.setColor(QPalette::HighlightedText, colourOf(c, "highlightedText"));
    p.setColor(QPalette::Mid, colourOf(c, "groupBorder"));
    p.setColor(QPalette::Dark, colourOf(c, "editBorder"));
    p.setColor(QPalette::Shadow, colourOf(c, "shadow"));
    p.setColor(QPalette::ToolTipBase, edit);
    p.setColor(QPalette::ToolTipText, text);
    return p;
}

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
    skin.groupCaption = colourOf(c, "groupCaption");
    skin.groupBorder = colourOf(c, "groupBorder");
    skin.editBorder = colourOf(c, "editBorder");
    skin.buttonTop = colourOf(c, "buttonTop");
    skin.buttonBottom = colourOf(c, "buttonBottom");
    skin.buttonBorder = colourOf(c, "buttonBorder");
    skin.buttonCaption = colourOf(c, "buttonCaption");
    skin.buttonCaptionHot = colourOf(c, "buttonCaptionHot");
    skin.frameBorder = colourOf(c, "frameBorder");
    skin.titleTop = colourOf(c, "titleTop");
    skin.titleBottom = colourOf(c, "titleBottom");
    skin.titleCaption = colourOf(c, "titleCaption");
    skin.shadow = colourOf(c, "shadow");
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
