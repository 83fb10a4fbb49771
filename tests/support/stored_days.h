#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "diary/day_file.h"
#include "storage/calendar_date.h"
#include "storage/number_text.h"

namespace vesmira::testing {

// Stores a day as the diary form does, with the given texts.
inline void StoreDay(const std::filesystem::path& dataFolder, std::string_view user,
                     const CalendarDate& date, const DayEntries& entries,
                     std::string_view energyInText, std::string_view trainingText) {
  // The users folder is there, as the form makes it when it starts.
  std::filesystem::create_directories(UsersFolder(dataFolder));
  const auto error = WriteDayFile(DayFilePath(dataFolder, user, DateText(date)), entries,
                                  energyInText, trainingText);
  ASSERT_FALSE(error.has_value()) << error->path;
}

// Stores a day whose totals are energySum ("dagEnergiSum") and training ("dagBortTrandade").
inline void StoreTotals(const std::filesystem::path& dataFolder, std::string_view user,
                        const CalendarDate& date, std::int32_t energySum, std::int32_t training,
                        std::string note = "Diet Diary Notes") {
  DayEntries entries = DayEntries::ForMissingDay();
  entries.diaryNote = std::move(note);
  StoreDay(dataFolder, user, date, entries, FormatNumber(std::int64_t{energySum} + training),
           FormatNumber(training));
}

}  // namespace vesmira::testing
