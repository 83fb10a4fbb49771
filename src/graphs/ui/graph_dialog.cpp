#include "graphs/ui/graph_dialog.h"

#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPushButton>
#include <QResizeEvent>
#include <utility>
#include <vector>

#include "graphs/chart_geometry.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

// 396 x 265 dialog units and a 50 x 14 button at (7, 7), in the pixels of the 8-point
// dialog font at 96 dots per inch.
constexpr QSize kInitialSize(594, 431);
constexpr QRect kCloseButtonGeometry(11, 11, 75, 23);

const QColor kRawLineColour(255, 0, 0);
const QColor kSmoothedLineColour(0, 200, 0);
constexpr int kRawPointRadius = 2;

QPoint ToQPoint(const ChartPoint& point) { return {point.x, point.y}; }

void DrawPolyline(QPainter& painter, const std::vector<ChartPoint>& line, const QColor& colour,
                  int width) {
  if (line.empty()) return;
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QList<QPoint> polyline;
  polyline.reserve(static_cast<qsizetype>(line.size()));
  for (const ChartPoint& point : line) polyline.push_back(ToQPoint(point));
  painter.drawPolyline(polyline.constData(), static_cast<int>(polyline.size()));
}

}  // namespace

CGraphDialog::CGraphDialog(QWidget* owner, GraphPoints points, const QString& timeAxisName,
                           const QString& valueAxisName, const QString& title)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_points(std::move(points)),
      m_timeAxisName(timeAxisName.toStdString()),
      m_valueAxisName(valueAxisName.toStdString()),
      m_title(title) {
  BuildWindow();
}

CGraphDialog::CGraphDialog(QWidget* owner, WeightGraphPoints points, const QString& timeAxisName,
                           const QString& valueAxisName, const QString& title)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_weightPoints(std::move(points)),
      m_timeAxisName(timeAxisName.toStdString()),
      m_valueAxisName(valueAxisName.toStdString()),
      m_title(title) {
  BuildWindow();
}

void CGraphDialog::BuildWindow() {
  setObjectName(QStringLiteral("graphDialog"));
  setModal(true);
  setWindowTitle(QStringLiteral("Energy Graph"));
  resize(kInitialSize);

  auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setGeometry(kCloseButtonGeometry);
  closeButton->setDefault(true);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void CGraphDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // Every coordinate depends on the size, so no part of the old picture may survive.
  update();
}

void CGraphDialog::paintEvent(QPaintEvent* /*event*/) {
  if (windowTitle() != m_title) setWindowTitle(m_title);

  // The layout is measured on the outer frame, caption and border included.
  const QRect frame = frameGeometry();
  const ChartGeometry chart =
      m_weightPoints ? ComputeWeightChartGeometry(frame.width(), frame.height(), *m_weightPoints,
                                                  m_timeAxisName, m_valueAxisName)
                     : ComputeChartGeometry(frame.width(), frame.height(), m_points, m_timeAxisName,
                                            m_valueAxisName);

  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
  for (const auto* segments : {&chart.axes, &chart.timeTicks, &chart.valueTicks}) {
    for (const ChartSegment& segment : *segments) {
      painter.drawLine(ToQPoint(segment.from), ToQPoint(segment.to));
    }
  }

  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(ChartFontPixelHeight(logicalDpiY()));
  font.setWeight(QFont::Normal);
  painter.setFont(font);
  painter.setBackgroundMode(Qt::TransparentMode);
  const int ascent = QFontMetrics(font, this).ascent();
  const auto drawText = [&painter, ascent](const ChartText& text) {
    painter.drawText(QPoint(text.topLeft.x, text.topLeft.y + ascent), FromStoredBytes(text.text));
  };
  for (const ChartText& text : chart.dateLabels) drawText(text);
  for (const ChartText& text : chart.valueLabels) drawText(text);
  drawText(chart.valueAxisName);
  drawText(chart.timeAxisName);

  if (chart.rawLineOnTop) {
    DrawPolyline(painter, chart.smoothedLine, kSmoothedLineColour, chart.smoothedPenWidth);
    DrawPolyline(painter, chart.rawLine, kRawLineColour, chart.rawPenWidth);
    if (chart.markRawPoints) {
      painter.setPen(QPen(kRawLineColour, 1));
      painter.setBrush(kRawLineColour);
      for (const ChartPoint& point : chart.rawLine) {
        painter.drawEllipse(ToQPoint(point), kRawPointRadius, kRawPointRadius);
      }
    }
  } else {
    DrawPolyline(painter, chart.rawLine, kRawLineColour, chart.rawPenWidth);
    DrawPolyline(painter, chart.smoothedLine, kSmoothedLineColour, chart.smoothedPenWidth);
  }
}

}  // namespace vesmira
