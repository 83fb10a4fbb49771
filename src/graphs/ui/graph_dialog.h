#pragma once

#include <QDialog>
#include <QPainter>
#include <QString>
#include <optional>
#include <string>

#include "graphs/graph_points.h"

namespace vesmira {

// The modal graph window: a line chart of the points handed to it, repainted from the
// window's size at every paint, black on white in any theme. Its "chartView" pane carries
// the graph's name and a description of its values for screen readers.
class CGraphDialog : public QDialog {
  Q_OBJECT

 public:
  CGraphDialog(QWidget* owner, GraphPoints points, const QString& timeAxisName,
               const QString& valueAxisName, const QString& title);
  // The weight graph: the weighings and their trend.
  CGraphDialog(QWidget* owner, WeightGraphPoints points, const QString& timeAxisName,
               const QString& valueAxisName, const QString& title);

  // What the window was opened with: points, or the weight graph's points.
  const GraphPoints& Points() const { return m_points; }
  const std::optional<WeightGraphPoints>& WeightPoints() const { return m_weightPoints; }
  const QString& Title() const { return m_title; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildWindow();
  void PaintWeightChart(QPainter& painter);

  GraphPoints m_points;
  std::optional<WeightGraphPoints> m_weightPoints;
  std::string m_timeAxisName;
  std::string m_valueAxisName;
  QString m_title;
  QWidget* m_chartView = nullptr;
};

}  // namespace vesmira
