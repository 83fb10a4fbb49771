#pragma once

namespace vesmira {

class CVesmiraView;

// The form's graph buttons: each runs Calculate, which fills the series for the graph chosen,
// then shows the last 31 or 365 days (the form's span), oldest first, in a modal graph window
// over the form.

// "Calorie Graph": the stored energy sum of each day; a missing day is the normal
// consumption.
void ShowCalorieGraph(CVesmiraView& view);

// "Training Graph": the size of each day's stored training energy; a missing day is 0.
void ShowTrainingGraph(CVesmiraView& view);

// "Weight Graph": the weighings of the last 31 or 365 days, days without one left out, and
// their trend, in the user's unit.
void ShowWeightGraph(CVesmiraView& view);

}  // namespace vesmira
