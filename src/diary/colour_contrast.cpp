#include "diary/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace vesmira {

namespace {

double LinearChannel(std::uint8_t value) {
  const double c = value / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Rgb colour) {
  return 0.2126 * LinearChannel(colour.red) + 0.7152 * LinearChannel(colour.green) +
         0.0722 * LinearChannel(colour.blue);
}

double ContrastRatio(Rgb first, Rgb second) {
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb TextColourOn(Rgb background) {
  return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace vesmira
