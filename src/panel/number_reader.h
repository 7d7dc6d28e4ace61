// Reads the number a typed text begins with, the way the start-number box understands it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace panel {

// Blanks, tabs and line feeds are skipped anywhere; a sign, a decimal point and an exponent are
// read, as are &H (hexadecimal) and &O (octal) numbers; reading stops at the first character that
// cannot continue the number, and text without a number reads as 0. The number is rounded half to
// even. Returns nothing when the result lies outside the 32-bit range.
std::optional<std::int32_t> readTypedNumber(std::string_view text);

}  // namespace panel
