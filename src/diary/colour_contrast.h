#pragma once

#include "diary/energy_model.h"

namespace vesmira {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// The least contrast that ordinary text needs to be read comfortably (WCAG 2, level AA).
inline constexpr double kReadableContrast = 4.5;

// The relative luminance of an sRGB colour: 0 for black, 1 for white.
double RelativeLuminance(Rgb colour);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(Rgb first, Rgb second);

// Black or white, whichever stands out more on the background; a field with a fixed
// background takes this as its text colour, whatever the desktop's theme says text is.
Rgb TextColourOn(Rgb background);

}  // namespace vesmira
