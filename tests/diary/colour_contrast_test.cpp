#include "diary/colour_contrast.h"

#include <gtest/gtest.h>

namespace vesmira {
namespace {

TEST(ColourContrast, RatiosFollowTheWcagFormula) {
  // Reference figures of the WCAG 2 contrast checker.
  const struct {
    Rgb first;
    Rgb second;
    double ratio;
  } cases[] = {
      {kBlack, kWhite, 21.0},
      {kWhite, kBlack, 21.0},
      {kWhite, kWhite, 1.0},
      {Rgb{118, 118, 118}, kWhite, 4.54},
      {Rgb{119, 119, 119}, kWhite, 4.48},
      {Rgb{255, 0, 0}, kWhite, 4.0},
      {Rgb{0, 0, 255}, kWhite, 8.59},
      {kGoodColour, kWhite, 2.0},
      {kWarningColour, kBlack, 7.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(ContrastRatio(c.first, c.second), c.ratio, 0.01)
        << int{c.first.red} << "," << int{c.first.green} << "," << int{c.first.blue};
  }
}

TEST(ColourContrast, TextOnEveryFixedBackgroundIsReadable) {
  for (const Rgb background : {kGoodColour, kWarningColour, kWhite, kBlack, Rgb{40, 40, 40}}) {
    EXPECT_GE(ContrastRatio(TextColourOn(background), background), kReadableContrast)
        << int{background.red} << "," << int{background.green} << "," << int{background.blue};
  }
  // The two result colours are light: the text on them is black, never a dark theme's white.
  EXPECT_EQ(TextColourOn(kGoodColour), kBlack);
  EXPECT_EQ(TextColourOn(kWarningColour), kBlack);
  EXPECT_EQ(TextColourOn(Rgb{40, 40, 40}), kWhite);
}

}  // namespace
}  // namespace vesmira
