// Fuzzes the field parser against a second, deliberately unrelated reading of
// the same rules: a regular expression decides the shape, and the range is
// checked by comparing digit strings, so a slip in the parser's digit loop or
// overflow guard cannot be mirrored here.

#include "exception.h"
#include "integer_field.h"
#include "summary.h"

#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace {

struct Expected {
    bool accepted = false;
    std::int32_t value = 0;
};

#if defined(__GLIBCXX__)
// libstdc++'s default matcher recurses once per byte and overflows the stack
// on texts of some ten thousand spaces or digits; its breadth-first one does not.
constexpr auto kBoundedStack = std::regex_constants::__polynomial;
#else
constexpr auto kBoundedStack = std::regex::syntax_option_type{};
#endif

// Character classes are spelled out instead of written as ranges or \d, so
// bytes above 0x7F (negative chars) and the locale cannot bring anything in.
// Groups: 1 sign, 2 decimal digits, 3 hexadecimal digits.
const std::regex& fieldShape() {
    static const std::regex shape(
        "[ ]*(?:([+-]?)([0123456789]+)|(?:[$]|0x|0X|x|X)([0123456789ABCDEFabcdef]+))",
        std::regex::ECMAScript | std::regex::optimize | kBoundedStack);
    return shape;
}

std::string withoutLeadingZeros(std::string digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : digits.substr(first);
}

// Magnitude comparison of two digit strings without leading zeros, any length.
bool atMost(const std::string& digits, std::string_view limit) {
    if (digits.size() != limit.size())
        return digits.size() < limit.size();
    return digits <= limit;
}

std::string upperHex(std::string digits) {
    for (char& c : digits)
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
    return digits;
}

Expected oracle(std::string_view text) {
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_match(text.begin(), text.end(), m, fieldShape()))
        return {};

    if (m[2].matched) {
        const bool negative = m.str(1) == "-";
        const std::string digits = withoutLeadingZeros(m.str(2));
        if (!atMost(digits, negative ? "2147483648" : "2147483647"))
            return {};
        std::int64_t magnitude = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
        return {true, static_cast<std::int32_t>(negative ? -magnitude : magnitude)};
    }

    const std::string digits = upperHex(withoutLeadingZeros(m.str(3)));
    if (!atMost(digits, "FFFFFFFF"))
        return {};
    std::uint32_t bits = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
    return {true, std::bit_cast<std::int32_t>(bits)};
}

std::string hexDump(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += digits[b >> 4];
        out += digits[b & 0xF];
    }
    return out.empty() ? std::string("(empty)") : out;
}

[[noreturn]] void mismatch(std::string_view input, const std::string& what) {
    std::fprintf(stderr, "\ninteger_field_fuzz MISMATCH: %s\n  input (hex): %s\n", what.c_str(),
                 hexDump(input).c_str());
    std::abort();
}

// Eight uppercase hex digits of the 32 bits, as "$" text.
std::string dollarHex(std::int32_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    const auto bits = std::bit_cast<std::uint32_t>(value);
    std::string out = "$";
    for (int shift = 28; shift >= 0; shift -= 4)
        out += digits[(bits >> shift) & 0xFu];
    return out;
}

// A text made from an accepted value must read back as that value.
void expectReadsBack(std::string_view input, const std::string& text, std::int32_t value) {
    try {
        const std::int32_t back = zarvin::parseIntegerField(text);
        if (back != value)
            mismatch(input, "'" + text + "' read back as " + std::to_string(back) + ", expected " +
                                std::to_string(value));
    } catch (const std::exception& e) {
        mismatch(input, "'" + text + "' made from " + std::to_string(value) +
                            " was rejected: " + e.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The parser reads the fuzzer's own buffer, so ASan sees any read past its end.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Expected expected = oracle(text);

    std::optional<std::int32_t> parsed;
    std::optional<std::string> message;
    try {
        parsed = zarvin::parseIntegerField(text);
    } catch (const zarvin::EConvertError& e) {
        message = e.message();
    } catch (const std::exception& e) {
        mismatch(text, std::string("threw something other than EConvertError: ") + e.what());
    } catch (...) {
        mismatch(text, "threw a non-std exception");
    }

    if (!expected.accepted) {
        if (parsed)
            mismatch(text, "accepted as " + std::to_string(*parsed) + ", should be rejected");
        std::string wanted = "'";
        wanted.append(text);
        wanted += "' is not a valid integer value";
        if (*message != wanted)
            mismatch(text, "error message differs; got (hex) " + hexDump(*message));
        return 0;
    }

    if (!parsed)
        mismatch(text, "rejected, should be " + std::to_string(expected.value));
    if (*parsed != expected.value)
        mismatch(text, "read as " + std::to_string(*parsed) + ", should be " +
                           std::to_string(expected.value));

    const std::string decimal = zarvin::formatNumber(*parsed);
    if (decimal != std::to_string(*parsed))
        mismatch(text, "formatNumber(" + std::to_string(*parsed) + ") gave '" + decimal + "'");
    expectReadsBack(text, decimal, *parsed);
    expectReadsBack(text, dollarHex(*parsed), *parsed);
    return 0;
}
