#include "periods/ui/calculate_command.h"

#include <memory>
#include <optional>
#include <utility>

#include "diary/ui/vesmira_doc.h"
#include "periods/theoretical_result.h"
#include "storage/number_text.h"

namespace vesmira {

void CalculateThen(CVesmiraDoc& doc, std::int32_t trainingGraph,
                   std::function<void(const GraphSeries&)> then) {
  // A day that cannot be stored shows why over the form; the periods are still shown from the
  // days that are stored, and the Day column from the form as it stands.
  doc.StoreThen([&doc, trainingGraph, then = std::move(then)](const std::optional<FileError>&) {
    auto series = std::make_unique<GraphSeries>();
    series->span = doc.GraphSpan();
    series->trainingGraph = trainingGraph;
    const DayBalance& balance = doc.ShownBalance();
    doc.ShowResult(CalculateTheoreticalResult(doc.WalkInput(), FormatNumber(balance.energyIn),
                                              FormatNumber(balance.training), *series));
    if (then) then(*series);
  });
}

void RunCalculate(CVesmiraDoc& doc) { CalculateThen(doc, 0, {}); }

}  // namespace vesmira
