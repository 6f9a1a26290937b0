#include "summary.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

namespace zarvin {
namespace {

struct SummaryLine {
    std::string_view before;
    std::optional<std::int32_t> (*value)(const StatBlock&);
    std::string_view after;
    bool attack; // left out for a class without attacks
};

constexpr std::array<SummaryLine, 7> summaryLines{{
    {"Физическая атака:\t", [](const StatBlock& s) { return s.physicalAttack; }, "\n", true},
    {"Магическая атака:\t", [](const StatBlock& s) { return s.magicAttack; }, "\n", true},
    {"Физическая защита:\t",
     [](const StatBlock& s) { return std::optional(s.physicalDefence); }, "\n", false},
    {"Магическая защита:\t", [](const StatBlock& s) { return std::optional(s.magicDefence); },
     "\n", false},
    {"Критический удар:\t", [](const StatBlock& s) { return std::optional(s.criticalStrike); },
     "%\n", false},
    {"Меткость:\t\t", [](const StatBlock& s) { return std::optional(s.accuracy); }, "\n", false},
    {"Уклонение:\t\t", [](const StatBlock& s) { return std::optional(s.evasion); }, "\n", false},
}};

std::string formatOptional(const std::optional<std::int32_t>& value) {
    return value ? formatNumber(*value) : std::string();
}

} // namespace

std::string formatNumber(std::int32_t value) {
    std::array<char, std::numeric_limits<std::int32_t>::digits10 + 3> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), end);
}

std::string formatCombatSummary(CharacterClass cls, const StatBlock& stats) {
    const bool hasAttack = rulesFor(cls).attackRule != AttackRule::None;
    std::string text;
    text.reserve(256);
    for (const SummaryLine& line : summaryLines) {
        if (line.attack && !hasAttack)
            continue;
        text += line.before;
        text += formatOptional(line.value(stats));
        text += line.after;
    }
    return text;
}

CalculationResult buildCalculationResult(CharacterClass cls, const StatBlock& stats) {
    return {formatCombatSummary(cls, stats), formatOptional(stats.lifeForce),
            formatOptional(stats.magicEnergy), formatOptional(stats.freePoints)};
}

} // namespace zarvin
