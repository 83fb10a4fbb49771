#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The fixed vocabulary of the diary: six meals and twelve activities, always in this order
// (form top to bottom, day file, properties file, day record, walks and exports).
namespace vesmira {

inline constexpr std::size_t kMealCount = 6;
inline constexpr std::size_t kActivityCount = 12;

struct MealInfo {
  std::string_view formLabel;       // the form's label; the two snacks share one
  std::string_view dayFileKey;      // key in the day file
  std::string_view accessibleName;  // name for assistive technology, unique per field
  std::string_view sheetHeader;     // column heading of the data sheet
};

inline constexpr std::array<MealInfo, kMealCount> kMeals{{
    {"Breakfast ", "frukost", "Breakfast", "Breakfast"},
    {"Snack", "mellanmal1", "Snack", "Snack"},
    {"Lunch", "lunch", "Lunch", "Lunch"},
    {"Snack", "mellanmal2", "Second snack", "Snack2"},
    {"Dinner", "middag", "Dinner", "Dinner"},
    {"Supper", "kvallsmat", "Supper", "Supper"},
}};

struct ActivityInfo {
  std::string_view formLabel;        // the diary form's row label
  std::string_view minutesKey;       // day-file key of the minutes
  std::string_view rateKey;          // properties-file key of the rate in kcal per hour
  std::int32_t defaultRate;          // the rate a settings record holds before any file is read
  std::int32_t newUserRate;          // the rate written into a new user's properties file
  std::string_view propertiesLabel;  // the properties dialog's label
  std::string_view sheetHeader;      // column heading of the data sheet
};

inline constexpr std::array<ActivityInfo, kActivityCount> kActivities{{
    {"Cycling", "cykelingTid", "cykelingKal", 633, 633, "Cycling", "Cycling"},
    {"Running", "lopningTid", "lopningKal", 603, 603, "Runing", "Running"},
    {"Walking", "promenadTid", "promenadKal", 393, 393, "Walking", "Walking"},
    {"Bodybuilding", "styrketraningTid", "styrketraningKal", 1, 100, "Bodybuilding",
     "Bodybuilding"},
    {"Rowing", "roddTid", "roddKal", 693, 693, "Rowing", "Rowing"},
    {"Swimming", "simmningTid", "simmningKal", 513, 513, "Swiming", "Swiming"},
    {"Skiing", "langdskidorTid", "langdskidorKal", 753, 753, "Skiing", "Skiing"},
    {"Skating", "skridskorTid", "skridskorKal", 573, 573, "Skate", "Skate"},
    {"Ball game", "bollsportTid", "bollsportKal", 513, 513, "Ball game", "Ball_game"},
    {"Slalom", "skidoruforTid", "skidoruforKal", 513, 513, "Slalom", "Slalom"},
    {"Cleaning", "stadaTid", "stadaKal", 333, 333, "Clean", "Cleaning"},
    {"Climb stairs", "trapporTid", "trapporKal", 1, 600, "Climb stairs", "Climb_stairs"},
}};

inline constexpr std::string_view kOtherConsumptionLabel = "Other kcal consumption";
inline constexpr std::string_view kOtherConsumptionKey = "ovrigForbrukning";
inline constexpr std::string_view kOtherConsumptionSheetHeader = "Other_kcal_consumption";

}  // namespace vesmira
