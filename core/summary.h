#pragma once

#include "character.h"

#include <cstdint>
#include <string>

namespace zarvin {

// The four texts one Accept writes into the window.
struct CalculationResult {
    std::string summaryText;
    std::string lifeForceText;
    std::string magicEnergyText;
    std::string freePointsText;

    friend bool operator==(const CalculationResult&, const CalculationResult&) = default;
};

// Plain decimal: a minus sign for negatives, nothing else around the digits.
std::string formatNumber(std::int32_t value);

std::string formatCombatSummary(CharacterClass cls, const StatBlock& stats);

// A value that was not computed (level below 1) gives an empty field text.
CalculationResult buildCalculationResult(CharacterClass cls, const StatBlock& stats);

} // namespace zarvin
