#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zarvin {

// The item index of the class list.
enum class CharacterClass : std::int32_t {
    Warrior = 0,
    Mage = 1,
    Shapeshifter = 2,
    Druid = 3,
    Priest = 4,
    Archer = 5,
};

enum class AttackRule { Melee, Caster, None };

struct ClassRules {
    std::string_view caption; // UTF-8, as the class list shows it
    std::int32_t lifePerEndurance;
    std::int32_t lifePerLevel;
    std::int32_t energyPerIntellect;
    std::int32_t energyPerLevel;
    AttackRule attackRule;
    std::int32_t accuracyPerAgility;
    std::int32_t evasionPerAgility;
};

// Everything the program knows of the game, one row per class in list order.
inline constexpr std::array<ClassRules, 6> classRules{{
    {"Воин", 15, 30, 9, 18, AttackRule::Melee, 10, 10},
    {"Маг", 10, 20, 14, 28, AttackRule::Caster, 5, 2},
    {"Оборотень", 17, 34, 7, 14, AttackRule::Melee, 8, 8},
    {"Друид", 12, 24, 12, 24, AttackRule::None, 7, 6},
    {"Жрец", 10, 20, 14, 28, AttackRule::Caster, 5, 2},
    {"Лучник", 13, 26, 11, 22, AttackRule::Melee, 8, 6},
}};

constexpr const ClassRules& rulesFor(CharacterClass cls) {
    return classRules[static_cast<std::size_t>(cls)];
}

// The class at a list index, or nothing when the index names no class.
constexpr std::optional<CharacterClass> characterClassAt(int index) {
    if (index < 0 || index >= static_cast<int>(classRules.size()))
        return std::nullopt;
    return static_cast<CharacterClass>(index);
}

struct CharacterSheet {
    std::int32_t level;
    std::int32_t endurance;
    std::int32_t strength;
    std::int32_t intellect;
    std::int32_t agility;
};

// Values that a case leaves undefined are empty: the level-dependent three
// below level 1, the attack pair for a class without attacks.
struct StatBlock {
    std::optional<std::int32_t> lifeForce;
    std::optional<std::int32_t> magicEnergy;
    std::optional<std::int32_t> freePoints;
    std::int32_t lifeBase;
    std::int32_t lifePerLevel;
    std::int32_t energyBase;
    std::int32_t energyPerLevel;
    std::optional<std::int32_t> physicalAttack;
    std::optional<std::int32_t> magicAttack;
    std::int32_t physicalDefence;
    std::int32_t magicDefence;
    std::int32_t criticalStrike;
    std::int32_t accuracy;
    std::int32_t evasion;

    friend bool operator==(const StatBlock&, const StatBlock&) = default;
};

// Every step wraps modulo 2^32, so any sheet gives a defined result.
StatBlock computeStats(CharacterClass cls, const CharacterSheet& sheet);

} // namespace zarvin
