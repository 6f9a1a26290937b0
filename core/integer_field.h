#pragma once

#include <cstdint>
#include <string_view>

namespace zarvin {

// Reads a whole number as a person types it into a field: leading spaces,
// then either an optionally signed decimal or an unsigned hexadecimal with
// one of the prefixes "$", "x", "X", "0x", "0X" (its 32 bits taken as signed).
// Anything else throws EConvertError quoting the whole text (UTF-8).
std::int32_t parseIntegerField(std::string_view text);

} // namespace zarvin
