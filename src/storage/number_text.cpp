#include "storage/number_text.h"

#include <cstdio>
#include <limits>

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
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, "%f", value);
  if (length < 0) return {};
  if (static_cast<std::size_t>(length) < sizeof buffer) return std::string(buffer, length);
  // Only absurd magnitudes need more room than the stack buffer.
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%f", value);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace vesmira
