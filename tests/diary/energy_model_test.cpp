#include "diary/energy_model.h"

#include <gtest/gtest.h>

#include <limits>

#include "storage/number_text.h"

namespace vesmira {
namespace {

DayFigures WorkedExample() {
  DayFigures figures;
  figures.meals = {500, 200, 700, 100, 600, 0};
  figures.minutes[0] = 45;  // cycling at 633 kcal per hour
  figures.ovrigForbrukning = 100;
  return figures;
}

TEST(ComputeDayBalance, EmptyDayWithDefaultSettings) {
  const DayBalance balance = ComputeDayBalance({}, UserSettings{});
  for (const auto kcal : balance.activityKcal) EXPECT_EQ(kcal, 0);
  EXPECT_EQ(balance.energyIn, 0);
  EXPECT_EQ(balance.training, 0);
  EXPECT_EQ(balance.sum, 0);
  EXPECT_EQ(balance.target, 15000);
  EXPECT_EQ(balance.kcalLeft, 15000);
  EXPECT_EQ(balance.kcalLeftColour, kGoodColour);
  EXPECT_EQ(balance.normalConsumption, 18000);
  EXPECT_EQ(balance.weightCaption, "Weight change (kg)");
}

TEST(ComputeDayBalance, WorkedExampleWithTargetsAboveAndBelowTheSum) {
  UserSettings settings;
  settings.mal = 1800;
  DayBalance balance = ComputeDayBalance(WorkedExample(), settings);
  EXPECT_EQ(balance.activityKcal[0], 474);
  EXPECT_EQ(balance.training, 574);
  EXPECT_EQ(balance.energyIn, 2100);
  EXPECT_EQ(balance.sum, 1526);
  EXPECT_EQ(balance.kcalLeft, 274);
  EXPECT_EQ(balance.kcalLeftColour, kGoodColour);

  settings.mal = 1500;
  balance = ComputeDayBalance(WorkedExample(), settings);
  EXPECT_EQ(balance.kcalLeft, -26);
  EXPECT_EQ(balance.kcalLeftColour, kWarningColour);

  settings.mal = 1526;
  EXPECT_EQ(ComputeDayBalance(WorkedExample(), settings).kcalLeftColour, kGoodColour);
}

TEST(ComputeDayBalance, EachActivityIsTruncatedBeforeSumming) {
  UserSettings settings;
  settings.activityKal.fill(30);
  DayFigures figures;
  figures.minutes.fill(1);
  const DayBalance balance = ComputeDayBalance(figures, settings);
  for (const auto kcal : balance.activityKcal) EXPECT_EQ(kcal, 0);
  EXPECT_EQ(balance.training, 0);

  figures = {};
  figures.minutes[0] = -10;
  EXPECT_EQ(ComputeDayBalance(figures, UserSettings{}).activityKcal[0], -105);
  figures.minutes[0] = 30;
  EXPECT_EQ(ComputeDayBalance(figures, UserSettings{}).activityKcal[0], 316);
  figures.minutes = {};
  figures.minutes[3] = 1;  // bodybuilding's default rate is 1 kcal per hour
  EXPECT_EQ(ComputeDayBalance(figures, UserSettings{}).activityKcal[3], 0);
}

TEST(ComputeDayBalance, OnlyPoundFlagOneMeansKilograms) {
  UserSettings settings;
  for (const int flag : {0, 2, -1}) {
    settings.poundFlag = flag;
    EXPECT_EQ(ComputeDayBalance({}, settings).weightCaption, "Weight change (lbs)") << flag;
  }
  settings.poundFlag = 1;
  EXPECT_EQ(ComputeDayBalance({}, settings).weightCaption, "Weight change (kg)");
}

TEST(ComputeDayBalance, HugeFiguresSaturateInsteadOfOverflowing) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  UserSettings settings;
  settings.activityKal.fill(kMax);
  settings.mal = kMin;
  DayFigures figures;
  figures.meals.fill(kMax);
  figures.minutes.fill(kMax);
  figures.ovrigForbrukning = kMax;
  DayBalance balance = ComputeDayBalance(figures, settings);
  EXPECT_EQ(balance.activityKcal[6], kMax);
  EXPECT_EQ(balance.energyIn, kMax);
  EXPECT_EQ(balance.training, kMax);
  EXPECT_EQ(balance.sum, 0);
  EXPECT_EQ(balance.kcalLeft, kMin);

  figures.meals.fill(kMin);
  figures.minutes.fill(kMax);
  balance = ComputeDayBalance(figures, settings);
  EXPECT_EQ(balance.energyIn, kMin);
  EXPECT_EQ(balance.sum, kMin);
}

TEST(NumberText, ReadsLikeAtoiAndSaturates) {
  const struct {
    const char* text;
    std::int32_t number;
  } cases[] = {
      {"12abc", 12},
      {"1.9", 1},
      {" 7", 7},
      {"\t\n -42", -42},
      {"+5", 5},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"- 5", 0},
      {"2500 kcal", 2500},
      {"\r\n", 0},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"-99999999999999999999999", std::numeric_limits<std::int32_t>::min()},
      {"000000000000000000000000042", 42},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(NumberText, FormatsNumbersAndWeights) {
  EXPECT_EQ(FormatNumber(-26), "-26");
  EXPECT_EQ(FormatNumber(0), "0");
  EXPECT_EQ(FormatWeight(200 / 7000.0), "0.028571");
  EXPECT_EQ(FormatWeight(-300 / 7000.0), "-0.042857");
  EXPECT_EQ(FormatWeight(0.0), "0.000000");
  EXPECT_EQ(FormatWeight(1e300).size(), 308u);
}

}  // namespace
}  // namespace vesmira
