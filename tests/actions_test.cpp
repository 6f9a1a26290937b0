#include "gui_support.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace zarvin::testing;

namespace {

struct Step {
    enum Kind { Type, Pick, Accept, Reset } kind;
    TsEdit* TForm1::*field = nullptr; // Type: the field to clear and type into
    const char* text = "";            // Type: what is typed
    int classIndex = 0;               // Pick: the class chosen with the arrow keys
    const char* error = nullptr;      // Accept: the error box expected, if any
};

Step type(TsEdit* TForm1::*field, const char* text) {
    return {Step::Type, field, text};
}
Step pick(int classIndex) {
    return {Step::Pick, nullptr, "", classIndex};
}
Step accept(const char* error = nullptr) {
    return {Step::Accept, nullptr, "", 0, error};
}
Step reset() {
    return {Step::Reset};
}

// Level, endurance, strength, intellect, agility, ЖС, МЭ, Доступно, summary, class.
using Shown = std::array<const char*, 10>;

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    Shown shown;
};

constexpr const char* warriorAtStart =
    "Физическая атака:\t1\nМагическая атака:\t1\nФизическая защита:\t2\nМагическая защита:\t2\n"
    "Критический удар:\t1%\nМеткость:\t\t50\nУклонение:\t\t50\n";

// clang-format off
const Scenario scenarios[] = {
    {"accept at start", {accept()}, {"1", "5", "5", "5", "5", "75", "45", "0", warriorAtStart, "Воин"}},
    {"druid replaces the summary with five lines",
     {accept(), pick(3), type(&TForm1::sEdit1, "7"), type(&TForm1::sEdit2, "20"),
      type(&TForm1::sEdit4, "9"), type(&TForm1::sEdit5, "41"), accept()},
     {"7", "20", "5", "9", "41", "408", "276", "-25",
      "Физическая защита:\t6\nМагическая защита:\t7\nКритический удар:\t3%\n"
      "Меткость:\t\t287\nУклонение:\t\t246\n",
      "Друид"}},
    {"picking a class alone changes nothing",
     {accept(), pick(1)}, {"1", "5", "5", "5", "5", "75", "45", "0", warriorAtStart, "Маг"}},
    {"reset after a calculation keeps the class",
     {pick(1), type(&TForm1::sEdit1, "10"), type(&TForm1::sEdit3, "9"), accept(), reset()},
     {"1", "5", "5", "5", "5", "", "", "", "", "Маг"}},
    {"only the first bad field in reading order is named, nothing is written",
     {accept(), type(&TForm1::sEdit1, ""), type(&TForm1::sEdit3, "y"), type(&TForm1::sEdit4, "x"),
      accept("'x' is not a valid integer value.")},
     {"", "5", "y", "x", "5", "75", "45", "0", warriorAtStart, "Воин"}},
    {"agility is read before the level",
     {type(&TForm1::sEdit5, "abc"), type(&TForm1::sEdit1, ""),
      accept("'abc' is not a valid integer value.")},
     {"", "5", "5", "5", "abc", "", "", "", "", "Воин"}},
    {"an empty level",
     {type(&TForm1::sEdit1, ""), accept("'' is not a valid integer value.")},
     {"", "5", "5", "5", "5", "", "", "", "", "Воин"}},
    {"the window is usable after the error box",
     {type(&TForm1::sEdit2, "1.5"), accept("'1.5' is not a valid integer value."),
      type(&TForm1::sEdit2, "5"), accept()},
     {"1", "5", "5", "5", "5", "75", "45", "0", warriorAtStart, "Воин"}},
    {"accepted spellings",
     {type(&TForm1::sEdit1, " 12"), type(&TForm1::sEdit2, "$1F"), type(&TForm1::sEdit3, "-0"),
      type(&TForm1::sEdit4, "007"), accept()},
     {" 12", "$1F", "-0", "007", "5", "825", "279", "32",
      "Физическая атака:\t12\nМагическая атака:\t1\nФизическая защита:\t7\n"
      "Магическая защита:\t8\nКритический удар:\t1%\nМеткость:\t\t50\nУклонение:\t\t50\n",
      "Воин"}},
    {"below level 1 the level values stay empty",
     {accept(), type(&TForm1::sEdit1, "0"), accept()},
     {"0", "5", "5", "5", "5", "", "", "",
      "Физическая атака:\t0\nМагическая атака:\t1\nФизическая защита:\t2\n"
      "Магическая защита:\t2\nКритический удар:\t1%\nМеткость:\t\t50\nУклонение:\t\t50\n",
      "Воин"}},
};
// clang-format on

void run(TForm1& form, const Step& step) {
    switch (step.kind) {
    case Step::Type: {
        TsEdit* edit = form.*step.field;
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        // Letters beyond ASCII arrive as text, the way an input method sends them.
        for (QChar c : QString::fromUtf8(step.text)) {
            if (c.unicode() < 128)
                QTest::keyClick(edit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
        break;
    }
    case Step::Pick: {
        TsComboBox* list = form.sComboBox1;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < step.classIndex; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        break;
    }
    case Step::Accept:
    case Step::Reset: {
        TsButton* button = step.kind == Step::Accept ? form.sButton1 : form.sButton2;
        const QStringList before = shownTexts(form);
        const SeenBox box = whileErrorBoxOpen([&] { QTest::mouseClick(button, Qt::LeftButton); });
        EXPECT_EQ(box.shown, step.error != nullptr);
        if (step.error) {
            EXPECT_EQ(box.text, QString::fromUtf8(step.error));
            EXPECT_EQ(box.title, QStringLiteral("Zarvin Calculator"));
            EXPECT_EQ(box.icon, QMessageBox::Critical);
            EXPECT_EQ(shownTexts(form), before) << "a failed Accept changes nothing";
        }
        break;
    }
    }
}

TEST(Actions, Scenarios) {
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        const auto form = showForm();
        for (const Step& step : scenario.steps)
            run(*form, step);
        QStringList expected;
        for (const char* text : scenario.shown)
            expected << QString::fromUtf8(text);
        EXPECT_EQ(shownTexts(*form), expected);
    }
}

// Whatever is typed comes back in the box exactly as typed.
TEST(Actions, RejectedTextIsQuotedAsTyped) {
    const char* typed[] = {"12 ",  "1.5",      "-$1F", "2147483648", "$100000000",
                           "пять", "<b>5</b>", "%s%n", "'"};
    for (const char* text : typed) {
        SCOPED_TRACE(text);
        const auto form = showForm();
        run(*form, type(&TForm1::sEdit3, text));
        const std::string message = std::string("'") + text + "' is not a valid integer value.";
        run(*form, accept(message.c_str()));
    }
}

} // namespace
