#include "character.h"

#include "wrapping_int.h"

namespace zarvin {

StatBlock computeStats(CharacterClass cls, const CharacterSheet& sheet) {
    using W = WrappingInt;
    const ClassRules& r = rulesFor(cls);
    const W level = sheet.level, endurance = sheet.endurance, strength = sheet.strength,
            intellect = sheet.intellect, agility = sheet.agility;

    StatBlock s{};
    s.lifeBase = (W(r.lifePerEndurance) * endurance).value();
    s.lifePerLevel = r.lifePerLevel;
    s.energyBase = (W(r.energyPerIntellect) * intellect).value();
    s.energyPerLevel = r.energyPerLevel;

    if (sheet.level == 1) {
        s.lifeForce = s.lifeBase;
        s.magicEnergy = s.energyBase;
        s.freePoints = (W(5) * level - 5).value();
    } else if (sheet.level >= 2) {
        s.lifeForce = (level * s.lifePerLevel + s.lifeBase).value();
        s.magicEnergy = (level * s.energyPerLevel + s.energyBase).value();
        s.freePoints = (W(5) * level - (endurance + strength + intellect + agility - 15)).value();
    }

    switch (r.attackRule) {
    case AttackRule::Melee:
        s.physicalAttack = (level + (level + 15) / 30).value();
        s.magicAttack = 1;
        break;
    case AttackRule::Caster:
        s.physicalAttack = ((level + 2) / 5 + 1).value();
        s.magicAttack = (level + (level + 10) / 20).value();
        break;
    case AttackRule::None:
        break;
    }

    s.physicalDefence = (endurance / 4 + strength / 4).value();
    s.magicDefence = (endurance / 4 + intellect / 4).value();
    s.criticalStrike = (agility / 20 + 1).value();
    s.accuracy = (W(r.accuracyPerAgility) * agility).value();
    s.evasion = (W(r.evasionPerAgility) * agility).value();
    return s;
}

} // namespace zarvin
