#include "storage/number_text.h"

#include <charconv>
#include <iterator>
#include <limits>
#include <system_error>

namespace vesmira {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t SaturateToInt32(std::int64_t value) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  if (value < kMin) return static_cast<std::int32_t>(kMin);
  if (value > kMax) return static_cast<std::int32_t>(kMax);
  return static_cast<std::int32_t>(value);
}

std::int32_t ParseNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Past 2^31 every further digit only keeps the value saturated, so stop growing it.
  constexpr std::int64_t kLimit = std::int64_t{1} << 32;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (magnitude < kLimit) magnitude = magnitude * 10 + (text[i] - '0');
  }
  return SaturateToInt32(negative ? -magnitude : magnitude);
}

std::string FormatNumber(std::int64_t value) { return std::to_string(value); }

std::string FormatWeight(double value) {
  // to_chars ignores the C locale, which QApplication sets from the environment: printf would
  // write "-0,114286" under a German or Swedish LC_NUMERIC.
  constexpr int kDecimals = 6;
  char buffer[64];
  const std::to_chars_result result = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                                    std::chars_format::fixed, kDecimals);
  if (result.ec == std::errc()) return std::string(std::begin(buffer), result.ptr);
  // Only absurd magnitudes (up to 309 digits before the point) need more room.
  std::string text(400, '\0');
  const std::to_chars_result large = std::to_chars(text.data(), text.data() + text.size(), value,
                                                   std::chars_format::fixed, kDecimals);
  text.resize(static_cast<std::size_t>(large.ptr - text.data()));
  return text;
}

}  // namespace vesmira
