#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "storage/shown_text.h"

// The fixed vocabulary of the diary: six meals and twelve activities, always in this order
// (form top to bottom, day file, properties file, day record, walks and exports).
namespace vesmira {

inline constexpr std::size_t kMealCount = 6;
inline constexpr std::size_t kActivityCount = 12;

struct MealInfo {
  std::string_view formLabel;       // the form's label, "&" before its access key
  std::string_view dayFileKey;      // key in the day file
  std::string_view accessibleName;  // name for assistive technology, unique per field
  std::string_view sheetHeader;     // column heading of the data sheet
};

inline constexpr std::array<MealInfo, kMealCount> kMeals{{
    {VESMIRA_TEXT("Diary", "&Breakfast "), "frukost", VESMIRA_TEXT("Diary", "Breakfast"),
     "Breakfast"},
    {VESMIRA_TEXT("Diary", "S&nack"), "mellanmal1", VESMIRA_TEXT("Diary", "Snack"), "Snack"},
    {VESMIRA_TEXT("Diary", "&Lunch"), "lunch", VESMIRA_TEXT("Diary", "Lunch"), "Lunch"},
    {VESMIRA_TEXT("Diary", "Snac&k"), "mellanmal2", VESMIRA_TEXT("Diary", "Second snack"),
     "Snack2"},
    {VESMIRA_TEXT("Diary", "&Dinner"), "middag", VESMIRA_TEXT("Diary", "Dinner"), "Dinner"},
    {VESMIRA_TEXT("Diary", "S&upper"), "kvallsmat", VESMIRA_TEXT("Diary", "Supper"), "Supper"},
}};

struct ActivityInfo {
  std::string_view formLabel;        // the diary form's row label, "&" before its access key
  std::string_view minutesKey;       // day-file key of the minutes
  std::string_view rateKey;          // properties-file key of the rate in kcal per hour
  std::int32_t defaultRate;          // the rate a settings record holds before any file is read
  std::int32_t newUserRate;          // the rate written into a new user's properties file
  std::string_view propertiesLabel;  // the properties dialog's label
  std::string_view sheetHeader;      // column heading of the data sheet
};

inline constexpr std::array<ActivityInfo, kActivityCount> kActivities{{
    {VESMIRA_TEXT("Diary", "Cycl&ing"), "cykelingTid", "cykelingKal", 633, 633,
     VESMIRA_TEXT("Properties", "Cycling"), "Cycling"},
    {VESMIRA_TEXT("Diary", "&Running"), "lopningTid", "lopningKal", 603, 603,
     VESMIRA_TEXT("Properties", "Runing"), "Running"},
    {VESMIRA_TEXT("Diary", "Walking"), "promenadTid", "promenadKal", 393, 393,
     VESMIRA_TEXT("Properties", "Walking"), "Walking"},
    {VESMIRA_TEXT("Diary", "B&odybuilding"), "styrketraningTid", "styrketraningKal", 1, 100,
     VESMIRA_TEXT("Properties", "Bodybuilding"), "Bodybuilding"},
    {VESMIRA_TEXT("Diary", "Rowing"), "roddTid", "roddKal", 693, 693,
     VESMIRA_TEXT("Properties", "Rowing"), "Rowing"},
    {VESMIRA_TEXT("Diary", "Swimming"), "simmningTid", "simmningKal", 513, 513,
     VESMIRA_TEXT("Properties", "Swiming"), "Swiming"},
    {VESMIRA_TEXT("Diary", "Skiing"), "langdskidorTid", "langdskidorKal", 753, 753,
     VESMIRA_TEXT("Properties", "Skiing"), "Skiing"},
    {VESMIRA_TEXT("Diary", "Skating"), "skridskorTid", "skridskorKal", 573, 573,
     VESMIRA_TEXT("Properties", "Skate"), "Skate"},
    {VESMIRA_TEXT("Diary", "Ball game"), "bollsportTid", "bollsportKal", 513, 513,
     VESMIRA_TEXT("Properties", "Ball game"), "Ball_game"},
    {VESMIRA_TEXT("Diary", "Slalom"), "skidoruforTid", "skidoruforKal", 513, 513,
     VESMIRA_TEXT("Properties", "Slalom"), "Slalom"},
    {VESMIRA_TEXT("Diary", "Cleaning"), "stadaTid", "stadaKal", 333, 333,
     VESMIRA_TEXT("Properties", "Clean"), "Cleaning"},
    {VESMIRA_TEXT("Diary", "Climb stairs"), "trapporTid", "trapporKal", 1, 600,
     VESMIRA_TEXT("Properties", "Climb stairs"), "Climb_stairs"},
}};

inline constexpr std::string_view kOtherConsumptionLabel =
    VESMIRA_TEXT("Diary", "Other kcal consumption");
inline constexpr std::string_view kOtherConsumptionKey = "ovrigForbrukning";
inline constexpr std::string_view kOtherConsumptionSheetHeader = "Other_kcal_consumption";

}  // namespace vesmira
