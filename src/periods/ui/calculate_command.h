#pragma once

#include <cstdint>
#include <functional>

#include "graphs/graph_series.h"

namespace vesmira {

class CVesmiraDoc;

// Calculate (the form's "Calculate" button): stores the day shown, then hands the document the
// twelve "Theoretical Result" figures, the four weight colours and the measured week, month
// and year of its user's days that end today.
void RunCalculate(CVesmiraDoc& doc);

// Calculate, then then with the days of the document's graph span, oldest last: their stored
// energy sums (trainingGraph 0) or training energy (1), weighings and trend. Runs once the
// day shown is stored, while the window goes on.
void CalculateThen(CVesmiraDoc& doc, std::int32_t trainingGraph,
                   std::function<void(const GraphSeries&)> then);

}  // namespace vesmira
