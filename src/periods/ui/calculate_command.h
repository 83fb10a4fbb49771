#pragma once

#include "periods/range_walk.h"

namespace vesmira {

class CVesmiraView;

// The days of the form's current user that end on the form's today: what Calculate, the
// graphs and the exports walk. The user is the one of the day last loaded, whose day
// SaveDay stores and whose settings the form holds.
RangeWalkInput FormWalkInput(const CVesmiraView& view);

// Calculate (the form's "Calculate" button, and the first step of both graph commands):
// stores the day shown, then fills the twelve "Theoretical Result" fields, the four weight
// colours and the form's graph series.
void RunCalculate(CVesmiraView& view);

}  // namespace vesmira
