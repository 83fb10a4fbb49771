#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "diary/diary_tables.h"
#include "storage/shown_text.h"

namespace vesmira {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A negative "kcal left to use" and a weight gain; everything else, and the starting
// background of every coloured result field.
inline constexpr Rgb kWarningColour{250, 100, 80};
inline constexpr Rgb kGoodColour{150, 195, 140};
// The background of a weight change, by its sign in kilograms: a gain warns.
constexpr Rgb WeightChangeColour(double kilograms) {
  return kilograms > 0 ? kWarningColour : kGoodColour;
}

inline constexpr std::string_view kWeightCaptionKg = VESMIRA_TEXT("Diary", "Weight change (kg)");
inline constexpr std::string_view kWeightCaptionLbs = VESMIRA_TEXT("Diary", "Weight change (lbs)");

// The current user's settings. Field names are the properties file's keys; the rates
// (cykelingKal ... trapporKal) follow the activity table.
struct UserSettings {
  std::int32_t grundForbrukning = 18000;
  std::int32_t mal = 15000;
  std::array<std::int32_t, kActivityCount> activityKal = DefaultRates();
  std::int32_t poundFlag = 1;  // 1 means kilograms, any other value pounds

  bool UsesKilograms() const { return poundFlag == 1; }
  friend bool operator==(const UserSettings&, const UserSettings&) = default;

 private:
  static constexpr std::array<std::int32_t, kActivityCount> DefaultRates() {
    std::array<std::int32_t, kActivityCount> rates{};
    for (std::size_t i = 0; i < kActivityCount; ++i) rates[i] = kActivities[i].defaultRate;
    return rates;
  }
};

// What the person entered for one day, already read as numbers.
struct DayFigures {
  std::array<std::int32_t, kMealCount> meals{};
  std::array<std::int32_t, kActivityCount> minutes{};
  std::int32_t ovrigForbrukning = 0;
};

struct DayBalance {
  std::array<std::int32_t, kActivityCount> activityKcal{};
  std::int32_t energyIn = 0;
  std::int32_t training = 0;
  std::int32_t sum = 0;
  std::int32_t target = 0;
  std::int32_t kcalLeft = 0;
  std::int32_t normalConsumption = 0;
  Rgb kcalLeftColour = kGoodColour;
  std::string_view weightCaption = kWeightCaptionKg;
};

// Products and sums are formed in 64 bits and saturated to the 32-bit range, so no typed
// figure can overflow.
DayBalance ComputeDayBalance(const DayFigures& figures, const UserSettings& settings);

std::string_view WeightCaption(const UserSettings& settings);

}  // namespace vesmira
