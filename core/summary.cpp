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

template <auto field> std::optional<std::int32_t> read(const StatBlock& s) {
    return s.*field;
}

// clang-format off
constexpr std::array<SummaryLine, 7> summaryLines{{
    {"Физическая атака:\t",  read<&StatBlock::physicalAttack>,  "\n",  true},
    {"Магическая атака:\t",  read<&StatBlock::magicAttack>,     "\n",  true},
    {"Физическая защита:\t", read<&StatBlock::physicalDefence>, "\n",  false},
    {"Магическая защита:\t", read<&StatBlock::magicDefence>,    "\n",  false},
    {"Критический удар:\t",  read<&StatBlock::criticalStrike>,  "%\n", false},
    {"Меткость:\t\t",        read<&StatBlock::accuracy>,        "\n",  false},
    {"Уклонение:\t\t",       read<&StatBlock::evasion>,         "\n",  false},
}};
// clang-format on

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
