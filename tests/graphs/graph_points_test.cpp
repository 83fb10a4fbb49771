#include "graphs/graph_points.h"

#include <gtest/gtest.h>

namespace vesmira {
namespace {

TEST(DescribeGraph, NamesTheSpanAndTheLowestHighestAndLatestValue) {
  const struct {
    GraphPoints points;
    const char* text;
  } cases[] = {
      {{{"04/12", "05/12", "06/12"}, {2500, -30, 2000}},
       "3 days from 04/12 to 06/12: lowest -30 kcal, highest 2500 kcal, latest 2000 kcal"},
      {{{"06/12"}, {0}}, "1 day from 06/12 to 06/12: lowest 0 kcal, highest 0 kcal, latest 0 kcal"},
      {{{}, {}}, "No days"},
  };
  for (const auto& c : cases) EXPECT_EQ(DescribeGraph(c.points, "kcal"), c.text);
}

TEST(DescribeWeightGraph, NamesTheDaysWeighedToATenth) {
  const struct {
    WeightGraphPoints points;
    const char* text;
  } cases[] = {
      {{{"04/12", "05/12", "06/12"}, {81.44, std::nullopt, 80.46}, {}},
       "3 days from 04/12 to 06/12: lowest 80.5 kg, highest 81.4 kg, latest 80.5 kg"},
      {{{"05/12", "06/12"}, {std::nullopt, std::nullopt}, {}},
       "2 days from 05/12 to 06/12: no weighing"},
  };
  for (const auto& c : cases) EXPECT_EQ(DescribeWeightGraph(c.points, "kg"), c.text);
}

}  // namespace
}  // namespace vesmira
