#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesmira {

// Reads a number as atoi does (leading white space, an optional sign, decimal digits up to
// the first other character, no digits gives 0), but saturates at the 32-bit limits instead
// of overflowing.
std::int32_t ParseNumber(std::string_view text);

// Clamps a 64-bit intermediate result to the 32-bit range every stored number has.
std::int32_t SaturateToInt32(std::int64_t value);

// "%d": decimal, a leading minus for negatives, no padding or grouping.
std::string FormatNumber(std::int64_t value);

// "%f": six decimals, as the weight fields show them.
std::string FormatWeight(double value);

}  // namespace vesmira
