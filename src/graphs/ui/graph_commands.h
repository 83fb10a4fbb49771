#pragma once

class QWidget;

namespace vesmira {

class CVesmiraDoc;

// The form's graph buttons.
enum class GraphKind {
  kCalorie,   // "Calorie Graph": the stored energy sum of each day; a missing day is the
              // normal consumption
  kTraining,  // "Training Graph": the size of each day's stored training energy; a missing
              // day is 0
  kWeight,    // "Weight Graph": the weighings, days without one left out, and their trend, in
              // the user's unit
};

// Runs Calculate, which makes the series of kind, then shows the last 31 or 365 days (the
// document's span), oldest first, in a modal graph window over parent.
void ShowGraph(CVesmiraDoc& doc, GraphKind kind, QWidget* parent);

}  // namespace vesmira
