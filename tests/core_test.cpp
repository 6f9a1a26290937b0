#include "character.h"
#include "summary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

using namespace zarvin;

namespace {

using Opt = std::optional<std::int32_t>;
constexpr Opt none = std::nullopt;

TEST(ClassTable, RowsInListOrder) {
    struct Row {
        CharacterClass cls;
        const char* caption;
        std::int32_t lifePerEndurance, lifePerLevel, energyPerIntellect, energyPerLevel;
        AttackRule attack;
        std::int32_t accuracyPerAgility, evasionPerAgility;
    };
    const Row rows[] = {
        {CharacterClass::Warrior, "Воин", 15, 30, 9, 18, AttackRule::Melee, 10, 10},
        {CharacterClass::Mage, "Маг", 10, 20, 14, 28, AttackRule::Caster, 5, 2},
        {CharacterClass::Shapeshifter, "Оборотень", 17, 34, 7, 14, AttackRule::Melee, 8, 8},
        {CharacterClass::Druid, "Друид", 12, 24, 12, 24, AttackRule::None, 7, 6},
        {CharacterClass::Priest, "Жрец", 10, 20, 14, 28, AttackRule::Caster, 5, 2},
        {CharacterClass::Archer, "Лучник", 13, 26, 11, 22, AttackRule::Melee, 8, 6},
    };
    ASSERT_EQ(classRules.size(), std::size(rows));
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.caption);
        ASSERT_EQ(characterClassAt(i), row.cls);
        const ClassRules& r = rulesFor(row.cls);
        EXPECT_EQ(r.caption, row.caption);
        EXPECT_EQ(r.lifePerEndurance, row.lifePerEndurance);
        EXPECT_EQ(r.lifePerLevel, row.lifePerLevel);
        EXPECT_EQ(r.energyPerIntellect, row.energyPerIntellect);
        EXPECT_EQ(r.energyPerLevel, row.energyPerLevel);
        EXPECT_EQ(r.attackRule, row.attack);
        EXPECT_EQ(r.accuracyPerAgility, row.accuracyPerAgility);
        EXPECT_EQ(r.evasionPerAgility, row.evasionPerAgility);
    }
    EXPECT_EQ(characterClassAt(-1), std::nullopt);
    EXPECT_EQ(characterClassAt(6), std::nullopt);
}

// The shown results of worked examples; the copies of table entries and the
// two bases are checked through the table test and the life/energy figures.
struct StatsCase {
    const char* name;
    CharacterClass cls;
    CharacterSheet sheet; // level, endurance, strength, intellect, agility
    Opt lifeForce, magicEnergy, freePoints, physicalAttack, magicAttack;
    std::int32_t physicalDefence, magicDefence, criticalStrike, accuracy, evasion;
};

// clang-format off
const StatsCase statsCases[] = {
    {"warrior at start", CharacterClass::Warrior, {1, 5, 5, 5, 5}, 75, 45, 0, 1, 1, 2, 2, 1, 50, 50},
    {"level 2 adds two levels' worth", CharacterClass::Warrior, {2, 5, 5, 5, 5}, 135, 81, 5, 2, 1,
     2, 2, 1, 50, 50},
    {"warrior level 15", CharacterClass::Warrior, {15, 5, 5, 5, 5}, 525, 315, 70, 16, 1, 2, 2, 1,
     50, 50},
    {"no free points at level 1", CharacterClass::Warrior, {1, 9, 9, 9, 9}, 135, 81, 0, 1, 1, 4, 4,
     1, 90, 90},
    {"mage level 10", CharacterClass::Mage, {10, 12, 5, 30, 8}, 320, 700, 10, 3, 11, 4, 10, 1, 40,
     16},
    {"druid spends more than earned", CharacterClass::Druid, {7, 20, 5, 9, 41}, 408, 276, -25,
     none, none, 6, 7, 3, 287, 246},
    {"negatives truncate toward zero", CharacterClass::Archer, {30, -7, 3, -1, -20}, 689, 649, 190,
     31, 1, -1, -1, 0, -160, -120},
    {"priest negative agility", CharacterClass::Priest, {9, 0, 0, 0, -19}, 180, 252, 79, 3, 9, 0, 0,
     1, -95, -38},
    {"shapeshifter level 45", CharacterClass::Shapeshifter, {45, 1, 1, 1, 19}, 1547, 637, 218, 47,
     1, 0, 0, 1, 152, 152},
    {"level 0 leaves the level values out", CharacterClass::Warrior, {0, 5, 5, 5, 5}, none, none,
     none, 0, 1, 2, 2, 1, 50, 50},
    {"negative level", CharacterClass::Mage, {-12, 5, 5, 5, 5}, none, none, none, -1, -12, 2, 2, 1,
     25, 10},
};
// clang-format on

TEST(ComputeStats, WorkedExamples) {
    for (const StatsCase& c : statsCases) {
        SCOPED_TRACE(c.name);
        const StatBlock s = computeStats(c.cls, c.sheet);
        const ClassRules& r = rulesFor(c.cls);
        EXPECT_EQ(s.lifeForce, c.lifeForce);
        EXPECT_EQ(s.magicEnergy, c.magicEnergy);
        EXPECT_EQ(s.freePoints, c.freePoints);
        EXPECT_EQ(s.lifeBase, r.lifePerEndurance * c.sheet.endurance);
        EXPECT_EQ(s.lifePerLevel, r.lifePerLevel);
        EXPECT_EQ(s.energyBase, r.energyPerIntellect * c.sheet.intellect);
        EXPECT_EQ(s.energyPerLevel, r.energyPerLevel);
        EXPECT_EQ(s.physicalAttack, c.physicalAttack);
        EXPECT_EQ(s.magicAttack, c.magicAttack);
        EXPECT_EQ(s.physicalDefence, c.physicalDefence);
        EXPECT_EQ(s.magicDefence, c.magicDefence);
        EXPECT_EQ(s.criticalStrike, c.criticalStrike);
        EXPECT_EQ(s.accuracy, c.accuracy);
        EXPECT_EQ(s.evasion, c.evasion);
    }
}

TEST(ComputeStats, AttackSteps) {
    struct Case {
        CharacterClass cls;
        std::int32_t level;
        Opt physicalAttack, magicAttack;
    };
    const Case cases[] = {
        {CharacterClass::Warrior, 14, 14, 1},    {CharacterClass::Warrior, 15, 16, 1},
        {CharacterClass::Archer, 44, 45, 1},     {CharacterClass::Shapeshifter, 45, 47, 1},
        {CharacterClass::Mage, 9, 3, 9},         {CharacterClass::Priest, 10, 3, 11},
        {CharacterClass::Druid, 50, none, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << rulesFor(c.cls).caption << " level " << c.level);
        const StatBlock s = computeStats(c.cls, {c.level, 5, 5, 5, 5});
        EXPECT_EQ(s.physicalAttack, c.physicalAttack);
        EXPECT_EQ(s.magicAttack, c.magicAttack);
    }
}

// Any 32-bit input is allowed: results wrap modulo 2^32 step by step.
TEST(ComputeStats, ExtremesWrapAround) {
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();

    // Expected values worked out with exact integers reduced modulo 2^32.
    const StatBlock top = computeStats(CharacterClass::Warrior, {hi, hi, hi, hi, hi});
    EXPECT_EQ(top.lifeBase, 2147483633);    // 15 * hi = 2^31 - 15
    EXPECT_EQ(top.lifeForce, 2147483603);   // 45 * hi
    EXPECT_EQ(top.magicEnergy, 2147483621); // 27 * hi
    EXPECT_EQ(top.freePoints, -2147483634); // 5 * hi - (4 * hi - 15) = hi + 15
    // hi + 15 wraps negative before it is divided: hi + (-2147483634 / 30)
    EXPECT_EQ(top.physicalAttack, 2075900860);
    EXPECT_EQ(top.physicalDefence, 1073741822);
    EXPECT_EQ(top.criticalStrike, 107374183);
    EXPECT_EQ(top.accuracy, -10); // 10 * hi

    const StatBlock bottom = computeStats(CharacterClass::Mage, {lo, lo, lo, lo, lo});
    EXPECT_EQ(bottom.lifeForce, std::nullopt);
    EXPECT_EQ(bottom.physicalAttack, -429496728); // (lo + 2) / 5 + 1
    EXPECT_EQ(bottom.magicAttack, 2040109467);    // lo + (lo + 10) / 20 wraps positive
    EXPECT_EQ(bottom.physicalDefence, -1073741824);
    EXPECT_EQ(bottom.accuracy, lo); // 5 * lo

    // Every class and every corner computes without trapping (the sanitizer
    // build checks there is no overflow on the way).
    for (const ClassRules& rules : classRules) {
        const auto cls = static_cast<CharacterClass>(&rules - classRules.data());
        for (std::int32_t a : {lo, hi})
            for (std::int32_t b : {lo, hi, 1, 0, -1})
                (void)buildCalculationResult(cls, computeStats(cls, {b, a, b, a, b}));
    }
}

TEST(FormatNumber, PlainDecimal) {
    struct Case {
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {{0, "0"},
                          {7, "7"},
                          {-25, "-25"},
                          {2147483647, "2147483647"},
                          {std::numeric_limits<std::int32_t>::min(), "-2147483648"}};
    for (const Case& c : cases)
        EXPECT_EQ(formatNumber(c.value), c.text);
}

TEST(CalculationResultText, Summaries) {
    struct Case {
        const char* name;
        CharacterClass cls;
        CharacterSheet sheet;
        CalculationResult expected;
    };
    const Case cases[] = {
        {"warrior at start: seven lines, byte for byte",
         CharacterClass::Warrior,
         {1, 5, 5, 5, 5},
         {"Физическая атака:\t1\nМагическая атака:\t1\nФизическая защита:\t2\n"
          "Магическая защита:\t2\nКритический удар:\t1%\nМеткость:\t\t50\nУклонение:\t\t50\n",
          "75", "45", "0"}},
        {"druid: five lines without attacks",
         CharacterClass::Druid,
         {7, 20, 5, 9, 41},
         {"Физическая защита:\t6\nМагическая защита:\t7\nКритический удар:\t3%\n"
          "Меткость:\t\t287\nУклонение:\t\t246\n",
          "408", "276", "-25"}},
        {"negative values keep their sign",
         CharacterClass::Archer,
         {30, -7, 3, -1, -20},
         {"Физическая атака:\t31\nМагическая атака:\t1\nФизическая защита:\t-1\n"
          "Магическая защита:\t-1\nКритический удар:\t0%\nМеткость:\t\t-160\nУклонение:\t\t-120\n",
          "689", "649", "190"}},
        {"level below 1: summary in full, empty fields",
         CharacterClass::Priest,
         {0, 5, 5, 5, 5},
         {"Физическая атака:\t1\nМагическая атака:\t0\nФизическая защита:\t2\n"
          "Магическая защита:\t2\nКритический удар:\t1%\nМеткость:\t\t25\nУклонение:\t\t10\n",
          "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StatBlock stats = computeStats(c.cls, c.sheet);
        EXPECT_EQ(buildCalculationResult(c.cls, stats), c.expected);
        EXPECT_EQ(formatCombatSummary(c.cls, stats), c.expected.summaryText);
    }
}

} // namespace
