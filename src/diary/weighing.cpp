#include "diary/weighing.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "storage/text_encoding.h"

namespace vesmira {

namespace {

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == text.npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<double> ParseDecimal(std::string_view text) {
  text = Trim(text);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The number of a weighing written by hand or by another program, as ASCII with a decimal
// point: fullwidth digits and separators are taken for their ASCII twins, a comma for the
// point, and a unit after the number ("kg", "lb", "lbs", any case) gives the kilograms per
// unit in perUnit.
std::optional<std::string> DecimalOfWeighing(std::string_view text, double& perUnit) {
  std::string ascii;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    // U+FF0C, U+FF0E and U+FF10 to U+FF19 are EF BC 8C, 8E and 90 to 99 in UTF-8.
    if (byte == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBC) {
      const auto last = static_cast<unsigned char>(text[i + 2]);
      if (last >= 0x90 && last <= 0x99) {
        ascii += static_cast<char>('0' + (last - 0x90));
      } else if (last == 0x8C || last == 0x8E) {
        ascii += '.';
      } else {
        return std::nullopt;
      }
      i += 2;
      continue;
    }
    ascii += text[i] == ',' ? '.' : text[i];
  }
  std::string_view number = Trim(ascii);
  perUnit = 1.0;
  const std::size_t unit = number.find_first_not_of("0123456789.+-eE");
  if (unit != number.npos) {
    const std::string name = AsciiLower(Trim(number.substr(unit)));
    if (name == "lb" || name == "lbs") {
      perUnit = kKilogramsPerPound;
    } else if (name != "kg") {
      return std::nullopt;
    }
    number = Trim(number.substr(0, unit));
  }
  return std::string(number);
}

}  // namespace

std::string_view WeightUnitName(bool kilograms) {
  return kilograms ? kWeightUnitKg : kWeightUnitLbs;
}

bool IsWeighing(double kilograms) {
  return std::isfinite(kilograms) && kilograms >= kMinWeighingKg && kilograms <= kMaxWeighingKg;
}

std::string FormatStoredWeight(double kilograms) {
  char buffer[64];
  // Fixed, never with an exponent: the shortest such text that reads back as the number.
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, kilograms, std::chars_format::fixed);
  if (result.ec != std::errc()) return {};
  return std::string(buffer, result.ptr);
}

std::optional<double> ParseStoredWeight(std::string_view text) {
  double perUnit = 1.0;
  const std::optional<std::string> decimal = DecimalOfWeighing(text, perUnit);
  if (!decimal) return std::nullopt;
  std::optional<double> value = ParseDecimal(*decimal);
  if (!value) return std::nullopt;
  *value *= perUnit;
  if (!IsWeighing(*value)) return std::nullopt;
  return value;
}

double ToUserUnit(double kilograms, bool kilogramsShown) {
  return kilogramsShown ? kilograms : kilograms / kKilogramsPerPound;
}

std::optional<double> WeighingFromTyped(std::string_view text, bool kilogramsTyped) {
  std::string decimal(Trim(text));
  for (char& c : decimal) {
    if (c == ',') c = '.';
  }
  std::optional<double> value = ParseDecimal(decimal);
  if (!value) return std::nullopt;
  if (!kilogramsTyped) *value *= kKilogramsPerPound;
  *value = std::round(*value * 10000.0) / 10000.0;
  if (!IsWeighing(*value)) return std::nullopt;
  return value;
}

std::string FormatWeightValue(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
  if (result.ec != std::errc()) return {};
  std::string text(buffer, result.ptr);
  // "72.500" -> "72.5", "72.000" -> "72.0".
  while (text.size() >= 3 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
  return text;
}

std::string FormatWeighing(double kilograms, bool kilogramsShown) {
  return FormatWeightValue(ToUserUnit(kilograms, kilogramsShown));
}

}  // namespace vesmira

namespace vesmira {

bool IsPlausibleWeighing(double kilograms) {
  return std::isfinite(kilograms) && kilograms >= kMinPlausibleWeighingKg &&
         kilograms <= kMaxPlausibleWeighingKg;
}

std::string ImplausibleWeighingMessage(bool kilogramsShown, const TextLanguage& language) {
  // To a tenth, inside the range: "44.1 to 1102.3 lbs".
  const auto bound = [kilogramsShown, &language](double kilograms, double inward) {
    const double tenths = ToUserUnit(kilograms, kilogramsShown) * 10.0;
    std::string text =
        FormatWeightValue((inward > 0 ? std::ceil(tenths) : std::floor(tenths)) / 10.0);
    if (text.ends_with(".0")) text.resize(text.size() - 2);
    return language.Number(text);
  };
  return FillIn(
      language.Text("Weighing",
                    VESMIRA_TEXT("Weighing", "Not stored: a weighing is from %1 to %2 %3.")),
      {bound(kMinPlausibleWeighingKg, 1), bound(kMaxPlausibleWeighingKg, -1),
       language.Text("Weighing", WeightUnitName(kilogramsShown).data())});
}

std::string UnreadWeighingMessage(std::string_view stored, const TextLanguage& language) {
  return FillIn(
      language.Text("Weighing", VESMIRA_TEXT("Weighing",
                                             "The stored weight \"%1\" could not be read. "
                                             "It is kept as it is until you type a weight.")),
      {stored});
}

}  // namespace vesmira
