#include "import/import_plan.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "diary/day_file.h"
#include "support/diary_folder.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::DiaryFolder;
using testing::Meals;

constexpr CalendarDate kFirst{2026, 12, 1};

ImportBatch OneDay(ImportedDay day) {
  ImportBatch batch;
  batch.days[kFirst] = std::move(day);
  return batch;
}

ImportPlan Plan(const DiaryFolder& folder, const ImportBatch& batch, ImportPolicy policy,
                const MealMapping& meals = {}) {
  return PlanImport(batch, {folder.Path(), "Anna", UserSettings{}}, policy, meals);
}

// Which fields take an imported value under each policy, and what the preview says of them.
TEST(ImportPlan, FillsEmptyFieldsOrReplacesAndNamesEveryChange) {
  const ImportedDay imported{{{"Breakfast", 250}, {"Lunch", 320.4}, {"Snacks", 95}},
                             390,
                             78.456,
                             {"Felt good"},
                             std::nullopt};
  const struct {
    ImportPolicy policy;
    MealMapping meals;
    std::vector<FieldChange> changes;
  } rows[] = {
      {ImportPolicy::kFillEmpty,
       {},
       {{"Snack", "0", "95"},
        {"Lunch", "", "320"},
        {"Other kcal consumption", "0", "390"},
        {"Note", "Ran", "Ran\nFelt good"}}},
      {ImportPolicy::kReplace,
       {{{"Snacks", 5}}, 1},
       {{"Breakfast", "100", "250"},
        {"Lunch", "", "320"},
        {"Supper", "0", "95"},
        {"Other kcal consumption", "0", "390"},
        {"Weight (kg)", "80.0", "78.46"},
        {"Note", "Ran", "Ran\nFelt good"}}},
  };
  for (const auto& row : rows) {
    DiaryFolder folder;
    folder.AddUser("Anna");
    DayEntries stored = Meals({"100"}, "Ran");
    stored.meals[2] = "";
    stored.vikt = 80.0;
    folder.WriteDay("Anna", "01-12-2026", stored);
    const ImportPlan plan = Plan(folder, OneDay(imported), row.policy, row.meals);
    ASSERT_EQ(plan.days.size(), 1u);
    EXPECT_EQ(plan.days[0].changes, row.changes);
    EXPECT_NE(FormatImportPreview(plan).find("01-12-2026\n  "), std::string::npos);
  }
}

// Applied once, an import keeps the day it replaced beside it; run again it changes nothing.
// A day that cannot be read, or one changed after the preview, is left as it is.
TEST(ImportPlan, WritesSafelyOnceAndNeverOverAnotherVersion) {
  DiaryFolder folder;
  folder.AddUser("Anna");
  folder.WriteDay("Anna", "01-12-2026", Meals({"100"}));
  const std::filesystem::path first = folder.DayPath("Anna", "01-12-2026");
  const std::string before = testing::ReadBytes(first);
  ImportBatch batch = OneDay({{{"Lunch", 500}}, {}, {}, {}, {}});
  batch.days[{2026, 12, 2}] = {{{"Dinner", 700}}, {}, {}, {}, {}};
  const ImportPlan plan = Plan(folder, batch, ImportPolicy::kFillEmpty);
  ASSERT_EQ(plan.days.size(), 2u);
  const ImportOutcome outcome = ApplyImport(plan, "20261208-120000");
  EXPECT_EQ(outcome.written, 2);
  EXPECT_EQ(ReadDayFile(first)->meals[2], "500");
  EXPECT_EQ(testing::ReadBytes(folder.DayPath("Anna", "01-12-2026.before-import-20261208-120000")),
            before);
  EXPECT_EQ(ReadDayFile(folder.DayPath("Anna", "02-12-2026"))->meals[4], "700");
  EXPECT_TRUE(Plan(folder, batch, ImportPolicy::kFillEmpty).days.empty());
  EXPECT_TRUE(Plan(folder, batch, ImportPolicy::kReplace).days.empty());

  // Changed by another program after the preview: not written, and no copy left.
  const ImportPlan late =
      Plan(folder, batch, ImportPolicy::kReplace, {{{"Lunch", 0}, {"Dinner", 0}}, 0});
  folder.WriteDay("Anna", "01-12-2026", Meals({"1"}));
  const ImportOutcome refused = ApplyImport(late, "20261208-130000");
  ASSERT_EQ(refused.failures.size(), 1u);
  EXPECT_NE(refused.failures[0].find("changed by another program"), std::string::npos);
  EXPECT_EQ(ReadDayFile(first)->meals[0], "1");
  EXPECT_FALSE(
      std::filesystem::exists(folder.DayPath("Anna", "01-12-2026.before-import-20261208-130000")));

  // A day that cannot be read is named, and nothing is planned for it.
  testing::WriteBytes(first, std::string("\xff\xfe\x00\x01", 4));
  const ImportPlan unreadable = Plan(folder, batch, ImportPolicy::kReplace);
  ASSERT_EQ(unreadable.skipped.size(), 1u);
  EXPECT_EQ(unreadable.skipped[0].file, "01-12-2026");
  for (const DayImport& day : unreadable.days) EXPECT_NE(day.date, kFirst);
}

}  // namespace
}  // namespace vesmira
