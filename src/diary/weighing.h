#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "storage/shown_text.h"

// A day's weighing: kept in kilograms in the day file under "vikt", typed and shown in the
// user's unit. Numbers are written and read with a decimal point whatever the locale.
namespace vesmira {

inline constexpr std::string_view kWeightKey = "vikt";
inline constexpr double kKilogramsPerPound = 0.453592;
// Above this no scales reads: such a value is a slip of the keyboard, not a weighing.
inline constexpr double kMaxWeighingKg = 1000.0;
// Below a gram the shortest fixed text of a number can run past the 39 characters a stored
// value holds (1e-300 has hundreds of digits), and it would not read back.
inline constexpr double kMinWeighingKg = 0.001;

// A weighing outside this range is a slip of the keyboard or another unit, not a weight:
// the field refuses it and the figures leave it out.
inline constexpr double kMinPlausibleWeighingKg = 20.0;
inline constexpr double kMaxPlausibleWeighingKg = 500.0;

inline constexpr std::string_view kWeightUnitKg = VESMIRA_TEXT("Weighing", "kg");
inline constexpr std::string_view kWeightUnitLbs = VESMIRA_TEXT("Weighing", "lbs");
std::string_view WeightUnitName(bool kilograms);

// A finite number from kMinWeighingKg to kMaxWeighingKg.
bool IsWeighing(double kilograms);

// The stored text: the shortest decimal text that reads back as the same number.
std::string FormatStoredWeight(double kilograms);
// The whole text, blanks around it aside, is a decimal number that is a weighing, as this
// program writes it or as a person or another program plausibly does: with a decimal comma,
// in fullwidth digits, or with "kg" or "lbs" after it (pounds taken to kilograms). Anything
// else is no weighing.
std::optional<double> ParseStoredWeight(std::string_view text);

double ToUserUnit(double kilograms, bool kilogramsShown);
// Typed in the user's unit, with a decimal point or comma; kept to a tenth of a gram, so
// that the same text always gives the same stored bytes. Empty when the text is empty or
// not a weighing.
std::optional<double> WeighingFromTyped(std::string_view text, bool kilogramsTyped);
// The weight in the user's unit as the form and the sheets show it: up to three decimals,
// at least one ("72.0", "72.45"), so that a text typed and stored shows as typed.
std::string FormatWeighing(double kilograms, bool kilogramsShown);
// A number with up to three decimals, at least one.
std::string FormatWeightValue(double value);

// Whether a weighing is one a person can weigh, and what the weight field says of one that
// is not, in the unit shown: "Not stored: a weighing is from 20 to 500 kg."
bool IsPlausibleWeighing(double kilograms);
std::string ImplausibleWeighingMessage(bool kilogramsShown,
                                       const TextLanguage& language = English());
// What the weight field says of a stored value that is no weighing at all.
std::string UnreadWeighingMessage(std::string_view stored,
                                  const TextLanguage& language = English());

}  // namespace vesmira
