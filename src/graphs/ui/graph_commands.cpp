#include "graphs/ui/graph_commands.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include "diary/ui/vesmira_doc.h"
#include "diary/weighing.h"
#include "graphs/graph_points.h"
#include "graphs/ui/graph_dialog.h"
#include "periods/ui/calculate_command.h"
#include "ui/language.h"

namespace vesmira {

void ShowGraph(CVesmiraDoc& doc, GraphKind kind, QWidget* parent) {
  CalculateThen(doc, kind == GraphKind::kTraining ? 1 : 0,
                [&doc, kind, parent = QPointer<QWidget>(parent)](const GraphSeries& series) {
                  if (parent.isNull()) return;
                  const QString time = Shown("Graph", kGraphTimeAxisName);
                  if (kind == GraphKind::kWeight) {
                    const bool kilograms = doc.Settings().UsesKilograms();
                    CGraphDialog dialog(parent, WeightPointsFromSeries(series, kilograms), time,
                                        Shown("Weighing", WeightUnitName(kilograms)),
                                        Shown("Graph", kWeightGraphTitle));
                    dialog.exec();
                    return;
                  }
                  CGraphDialog dialog(
                      parent, PointsFromSeries(series), time, Shown("Graph", kGraphValueAxisName),
                      Shown("Graph", kind == GraphKind::kTraining ? kTrainingGraphTitle
                                                                  : kCalorieGraphTitle));
                  dialog.exec();
                });
}

}  // namespace vesmira
