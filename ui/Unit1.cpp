#include "Unit1.h"

#include "character.h"
#include "integer_field.h"
#include "sApplication.h"
#include "sControls.h"
#include "summary.h"

#include <QIcon>
#include <QRect>

using namespace zarvin;

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::int32_t parseField(const TsEdit* edit) {
    return parseIntegerField(edit->text().toStdString());
}

// 8 point at 96 dots per inch.
QFont layoutFont(const QString& family, bool bold) {
    QFont font(family);
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

// The sizes a running window is drawn at, in its title bar and task bar, up to
// twice the scale; the larger pictures go to the desktop's icon theme. The
// window system is handed every size at start, so more would cost start-up.
QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icon/zarvin-calculator-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

template <class Control> Control* place(Control* control, const char* name, QRect geometry) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

// The controls inside take the group's font.
TsGroupBox* makeGroupBox(QWidget* parent, const char* name, QRect geometry, const QString& caption,
                         const QFont& font) {
    auto* box = place(new TsGroupBox(parent), name, geometry);
    box->setFont(font); // before the caption, which is measured in it
    box->setTitle(caption);
    return box;
}

// A label's size in the layout is only where it starts: it sizes itself to
// its caption in the font it gets.
TsLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
    auto* label = place(new TsLabel(parent), name, geometry);
    label->setCaption(caption);
    return label;
}

// Screen readers announce a control by the caption of the label beside it.
void nameAfter(TsLabel* label, QWidget* control) {
    QString name = label->caption();
    if (name.endsWith(QLatin1String(" :")))
        name.chop(2);
    control->setAccessibleName(name);
    label->setBuddy(control);
}

TsEdit* makeEdit(QWidget* parent, const char* name, QRect geometry, TsLabel* label) {
    auto* edit = place(new TsEdit(parent), name, geometry);
    nameAfter(label, edit);
    return edit;
}

TsButton* makeButton(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
    return place(new TsButton(caption, parent), name, geometry);
}

} // namespace

TForm1::TForm1(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("Form1"));
    sSkinManager1 = new TsSkinManager(this);
    setCaption(QStringLiteral("Zarvin Calculator by Drenal"));
    setClientSize({328, 385});
    setWindowIcon(applicationIcon());
    const QString face = sSkinManager1->fontFamily(QStringLiteral("MS Sans Serif"));
    setFont(layoutFont(face, false));
    const QFont bold = layoutFont(face, true);
    QWidget* const client = clientArea();

    sGroupBox1 =
        makeGroupBox(client, "sGroupBox1", {8, 8, 313, 105}, QStringLiteral("Персонаж"), bold);
    sLabel6 = makeLabel(sGroupBox1, "sLabel6", {16, 24, 45, 13}, QStringLiteral("Класс :"));
    sComboBox1 = place(new TsComboBox(sGroupBox1), "sComboBox1", {64, 16, 89, 22});
    nameAfter(sLabel6, sComboBox1);
    for (const ClassRules& rules : classRules)
        sComboBox1->addItem(fromUtf8(rules.caption));
    sComboBox1->setItemHeight(16);
    sLabel1 = makeLabel(sGroupBox1, "sLabel1", {168, 24, 60, 13}, QStringLiteral("Уровень :"));
    sEdit1 = makeEdit(sGroupBox1, "sEdit1", {232, 16, 57, 21}, sLabel1);
    sGroupBox3 = makeGroupBox(sGroupBox1, "sGroupBox3", {8, 48, 297, 49}, QString(), bold);
    sLabel8 = makeLabel(sGroupBox3, "sLabel8", {8, 24, 29, 13}, QStringLiteral("ЖС :"));
    sEdit6 = makeEdit(sGroupBox3, "sEdit6", {40, 16, 105, 21}, sLabel8);
    sLabel9 = makeLabel(sGroupBox3, "sLabel9", {152, 24, 27, 13}, QStringLiteral("МЭ :"));
    sEdit7 = makeEdit(sGroupBox3, "sEdit7", {184, 16, 105, 21}, sLabel9);

    sGroupBox2 = makeGroupBox(client, "sGroupBox2", {8, 120, 313, 129},
                              QStringLiteral("Характеристики"), bold);
    sLabel7 = makeLabel(sGroupBox2, "sLabel7", {8, 24, 66, 13}, QStringLiteral("Доступно :"));
    sEdit8 = makeEdit(sGroupBox2, "sEdit8", {104, 16, 57, 21}, sLabel7);
    sEdit8->setEnabled(false);
    sLabel2 = makeLabel(sGroupBox2, "sLabel2", {8, 48, 95, 13}, QStringLiteral("Выносливость :"));
    sEdit2 = makeEdit(sGroupBox2, "sEdit2", {104, 40, 57, 21}, sLabel2);
    sLabel3 = makeLabel(sGroupBox2, "sLabel3", {8, 72, 38, 13}, QStringLiteral("Сила :"));
    sEdit3 = makeEdit(sGroupBox2, "sEdit3", {104, 64, 57, 21}, sLabel3);
    sLabel4 = makeLabel(sGroupBox2, "sLabel4", {168, 48, 65, 13}, QStringLiteral("Интелект :"));
    sEdit4 = makeEdit(sGroupBox2, "sEdit4", {240, 40, 57, 21}, sLabel4);
    sLabel5 = makeLabel(sGroupBox2, "sLabel5", {168, 72, 66, 13}, QStringLiteral("Ловкость :"));
    sEdit5 = makeEdit(sGroupBox2, "sEdit5", {240, 64, 57, 21}, sLabel5);
    sButton1 = makeButton(sGroupBox2, "sButton1", {144, 96, 75, 25}, QStringLiteral("Принять"));
    sButton2 = makeButton(sGroupBox2, "sButton2", {224, 96, 75, 25}, QStringLiteral("Сброс"));

    sGroupBox4 =
        makeGroupBox(client, "sGroupBox4", {8, 256, 313, 121}, QStringLiteral("Другое"), bold);
    sLabel10 = makeLabel(sGroupBox4, "sLabel10", {8, 24, 5, 13}, QString());
    sLabel10->setAccessibleDescription(sGroupBox4->title());

    QWidget* const tabChain[] = {sEdit1, sComboBox1, sEdit6, sEdit7,   sEdit2,
                                 sEdit3, sEdit4,     sEdit5, sButton1, sButton2};
    for (std::size_t i = 1; i < std::size(tabChain); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);

    sButton2Click(this);
    sSkinManager1->apply();

    connect(sButton1, &QPushButton::clicked, this,
            [this] { TApplication::guarded([this] { sButton1Click(sButton1); }); });
    connect(sButton2, &QPushButton::clicked, this,
            [this] { TApplication::guarded([this] { sButton2Click(sButton2); }); });
    sEdit1->setFocus();
}

void TForm1::sButton1Click(QObject*) {
    const std::optional<CharacterClass> cls = characterClassAt(sComboBox1->currentIndex());
    if (!cls)
        return;
    CharacterSheet sheet{};
    sheet.agility = parseField(sEdit5);
    sheet.intellect = parseField(sEdit4);
    sheet.strength = parseField(sEdit3);
    sheet.endurance = parseField(sEdit2);
    sheet.level = parseField(sEdit1);

    const CalculationResult result = buildCalculationResult(*cls, computeStats(*cls, sheet));
    sLabel10->setCaption(fromUtf8(result.summaryText));
    sEdit6->setText(fromUtf8(result.lifeForceText));
    sEdit7->setText(fromUtf8(result.magicEnergyText));
    sEdit8->setText(fromUtf8(result.freePointsText));
}

void TForm1::sButton2Click(QObject*) {
    struct StartingText {
        TsEdit* TForm1::*edit;
        const char* text;
    };
    static constexpr StartingText startingTexts[] = {
        {&TForm1::sEdit1, "1"}, {&TForm1::sEdit2, "5"}, {&TForm1::sEdit3, "5"},
        {&TForm1::sEdit4, "5"}, {&TForm1::sEdit5, "5"}, {&TForm1::sEdit6, ""},
        {&TForm1::sEdit7, ""},  {&TForm1::sEdit8, ""},
    };
    for (const StartingText& start : startingTexts)
        (this->*start.edit)->setText(QLatin1String(start.text));
    sLabel10->setCaption(QString());
}
