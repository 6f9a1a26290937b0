#include "integer_field.h"

#include "exception.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

namespace zarvin {
namespace {

std::optional<unsigned> digitValue(char c, unsigned base) {
    unsigned d;
    if (c >= '0' && c <= '9')
        d = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f')
        d = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
        d = static_cast<unsigned>(c - 'A' + 10);
    else
        return std::nullopt;
    if (d >= base)
        return std::nullopt;
    return d;
}

// One or more digits and nothing after them, as long as the value stays at or
// below limit.
std::optional<std::uint64_t> parseDigits(std::string_view digits, unsigned base,
                                         std::uint64_t limit) {
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const auto d = digitValue(c, base);
        if (!d)
            return std::nullopt;
        value = value * base + *d;
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> parse(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));

    std::optional<std::string_view> hex;
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X'))
        hex = text.substr(1);
    else if (text.starts_with("0x") || text.starts_with("0X"))
        hex = text.substr(2);
    if (hex) {
        const auto bits = parseDigits(*hex, 16, std::numeric_limits<std::uint32_t>::max());
        if (!bits)
            return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(*bits));
    }

    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    constexpr std::uint64_t maxMagnitude = std::uint64_t{1} << 31;
    const auto magnitude = parseDigits(text, 10, negative ? maxMagnitude : maxMagnitude - 1);
    if (!magnitude)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

std::int32_t parseIntegerField(std::string_view text) {
    if (const auto value = parse(text))
        return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

} // namespace zarvin
