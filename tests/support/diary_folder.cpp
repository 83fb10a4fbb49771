#include "support/diary_folder.h"

#include <sstream>
#include <stdexcept>

#include "settings/properties_file.h"
#include "settings/users_folder.h"

namespace vesmira::testing {

void DiaryFolder::AddUser(std::string_view name, std::int32_t grundForbrukning, std::int32_t mal,
                          bool kilograms) const {
  PropertiesTexts texts;
  texts.grundForbrukning = std::to_string(grundForbrukning);
  texts.mal = std::to_string(mal);
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    texts.activityKal[i] = std::to_string(kActivities[i].newUserRate);
  }
  texts.kilograms = kilograms;
  std::filesystem::create_directories(UserFolderPath(Path(), name));
  if (WriteProperties(PropertiesFilePath(Path(), name), texts)) {
    throw std::runtime_error("cannot write the properties file");
  }
}

void DiaryFolder::WriteDay(std::string_view user, std::string_view dateText,
                           const DayEntries& entries) const {
  const DayBalance balance = ComputeDayBalance(entries.Figures(), UserSettings{});
  if (WriteDayFile(DayPath(user, dateText), entries, std::to_string(balance.energyIn),
                   std::to_string(balance.training))) {
    throw std::runtime_error("cannot write the day file");
  }
}

std::filesystem::path DiaryFolder::DayPath(std::string_view user, std::string_view dateText) const {
  return DayFilePath(Path(), user, dateText);
}

DayEntries Meals(std::initializer_list<std::string_view> meals, std::string_view note) {
  DayEntries entries = DayEntries::ForMissingDay();
  std::size_t i = 0;
  for (const std::string_view meal : meals) {
    if (i < kMealCount) entries.meals[i++] = std::string(meal);
  }
  entries.diaryNote = std::string(note.empty() ? kNotePlaceholder : note);
  return entries;
}

std::string NewUserFileBytes() {
  std::ostringstream out;
  WriteDefaultProperties(out);
  return out.str();
}

}  // namespace vesmira::testing
