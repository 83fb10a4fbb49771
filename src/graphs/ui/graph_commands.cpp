#include "graphs/ui/graph_commands.h"

#include <QString>
#include <cstdint>
#include <string_view>

#include "diary/ui/vesmira_view.h"
#include "diary/weighing.h"
#include "graphs/graph_points.h"
#include "graphs/ui/graph_dialog.h"
#include "periods/ui/calculate_command.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

void ShowGraph(CVesmiraView& view, std::int32_t trainingGraph, std::string_view title) {
  GraphSeries& series = view.Series();
  series.trainingGraph = trainingGraph;
  RunCalculate(view);
  CGraphDialog dialog(&view, PointsFromSeries(series), FromStoredBytes(kGraphTimeAxisName),
                      FromStoredBytes(kGraphValueAxisName), FromStoredBytes(title));
  dialog.exec();
}

}  // namespace

void ShowWeightGraph(CVesmiraView& view) {
  // Calculate reads the weighings of the year and works out their trend.
  RunCalculate(view);
  const bool kilograms = view.Settings().UsesKilograms();
  CGraphDialog dialog(
      &view, WeightPointsFromSeries(view.Series(), kilograms), FromStoredBytes(kGraphTimeAxisName),
      FromStoredBytes(WeightUnitName(kilograms)), FromStoredBytes(kWeightGraphTitle));
  dialog.exec();
}

void ShowCalorieGraph(CVesmiraView& view) { ShowGraph(view, 0, kCalorieGraphTitle); }

void ShowTrainingGraph(CVesmiraView& view) { ShowGraph(view, 1, kTrainingGraphTitle); }

}  // namespace vesmira
