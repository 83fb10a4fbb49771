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
#include "graphs/weight_chart.h"
#include "ui/language.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

// 396 x 265 dialog units and a 50 x 14 button at (7, 7), in the pixels of the 8-point
// dialog font at 96 dots per inch.
constexpr QSize kInitialSize(594, 431);
constexpr QRect kCloseButtonGeometry(11, 11, 75, 23);

// The chart keeps its own white paper whatever the desktop's theme: its black axes and texts
// and its red and green lines were chosen for it.
const QColor kPaperColour(255, 255, 255);
const QColor kInkColour(0, 0, 0);
const QColor kRawLineColour(255, 0, 0);
const QColor kSmoothedLineColour(0, 200, 0);
// The weight graph: the trend in a dark green drawn over light red dots, so that a year of
// daily weighings does not hide it.
const QColor kWeighingColour(230, 110, 100);
const QColor kTrendColour(0, 110, 40);
constexpr int kWeighingRadius = 3;
constexpr int kTrendWidth = 3;

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
  setWindowTitle(tr("Energy Graph"));
  resize(kInitialSize);

  auto* closeButton = new QPushButton(tr("Close"), this);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setGeometry(kCloseButtonGeometry);
  closeButton->setDefault(true);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

  // The picture is painted by the window itself; this clear pane over it is what a screen
  // reader reaches with Tab, and says which graph it is and what it shows.
  auto* chartView = new QWidget(this);
  chartView->setObjectName(QStringLiteral("chartView"));
  chartView->setFocusPolicy(Qt::TabFocus);
  chartView->setAccessibleName(m_title);
  chartView->setAccessibleDescription(QString::fromStdString(
      m_weightPoints ? DescribeWeightGraph(*m_weightPoints, m_valueAxisName, ShownLanguage())
                     : DescribeGraph(m_points, m_valueAxisName, ShownLanguage())));
  chartView->lower();
  m_chartView = chartView;
}

void CGraphDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  m_chartView->setGeometry(rect());
  // Every coordinate depends on the size, so no part of the old picture may survive.
  update();
}

void CGraphDialog::paintEvent(QPaintEvent* /*event*/) {
  if (windowTitle() != m_title) setWindowTitle(m_title);
  QPainter painter(this);
  painter.fillRect(rect(), kPaperColour);
  if (m_weightPoints) {
    PaintWeightChart(painter);
    return;
  }

  // The layout is measured on the outer frame, caption and border included.
  const QRect frame = frameGeometry();
  const ChartGeometry chart = ComputeChartGeometry(frame.width(), frame.height(), m_points,
                                                   m_timeAxisName, m_valueAxisName);
  painter.setPen(QPen(kInkColour, 1, Qt::SolidLine));
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
  // Numbers as the locale writes them; the dates ("06/12") and axis names hold none with a point.
  const auto drawText = [&painter, ascent](const ChartText& text) {
    painter.drawText(QPoint(text.topLeft.x, text.topLeft.y + ascent),
                     LocalNumbers(FromStoredBytes(text.text)));
  };
  for (const ChartText& text : chart.dateLabels) drawText(text);
  for (const ChartText& text : chart.valueLabels) drawText(text);
  drawText(chart.valueAxisName);
  drawText(chart.timeAxisName);

  if (chart.rawLineOnTop) {
    DrawPolyline(painter, chart.smoothedLine, kSmoothedLineColour, chart.smoothedPenWidth);
    DrawPolyline(painter, chart.rawLine, kRawLineColour, chart.rawPenWidth);
  } else {
    DrawPolyline(painter, chart.rawLine, kRawLineColour, chart.rawPenWidth);
    DrawPolyline(painter, chart.smoothedLine, kSmoothedLineColour, chart.smoothedPenWidth);
  }
}

void CGraphDialog::PaintWeightChart(QPainter& painter) {
  // The desktop's own font, as every other text of the program.
  const QFont font = this->font();
  const QFontMetrics metrics(font, this);
  TextMetrics measured;
  for (char digit = '0'; digit <= '9'; ++digit) {
    measured.digitWidth =
        std::max(measured.digitWidth, metrics.horizontalAdvance(QLatin1Char(digit)));
  }
  measured.lineHeight = metrics.height();
  const WeightChart chart = ComputeWeightChart(width(), height(), *m_weightPoints, m_timeAxisName,
                                               m_valueAxisName, measured, ShownLanguage());
  painter.setFont(font);
  painter.setPen(QPen(kInkColour, 1, Qt::SolidLine));
  if (!chart.notice.empty()) {
    painter.drawText(rect(), Qt::AlignCenter, FromStoredBytes(chart.notice));
    return;
  }
  for (const auto* segments : {&chart.axes, &chart.timeTicks, &chart.valueTicks}) {
    for (const ChartSegment& segment : *segments) {
      painter.drawLine(ToQPoint(segment.from), ToQPoint(segment.to));
    }
  }
  const int line = metrics.height();
  const auto drawAt = [&](const ChartText& text, int x, Qt::Alignment alignment) {
    painter.drawText(QRect(x, text.topLeft.y, 0, line), alignment | Qt::AlignTop | Qt::TextDontClip,
                     LocalNumbers(FromStoredBytes(text.text)));
  };
  for (const ChartText& text : chart.valueLabels) drawAt(text, text.topLeft.x, Qt::AlignRight);
  for (const ChartText& text : chart.dateLabels) drawAt(text, text.topLeft.x, Qt::AlignHCenter);
  drawAt(chart.timeAxisName, chart.timeAxisName.topLeft.x, Qt::AlignHCenter);
  drawAt(chart.valueAxisName, chart.valueAxisName.topLeft.x, Qt::AlignLeft);

  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kWeighingColour);
  for (const ChartPoint& dot : chart.dots) {
    painter.drawEllipse(ToQPoint(dot), kWeighingRadius, kWeighingRadius);
  }
  painter.setBrush(Qt::NoBrush);
  for (const std::vector<ChartPoint>& run : chart.trendLines) {
    if (run.size() == 1) {
      painter.setPen(QPen(kTrendColour, kTrendWidth, Qt::SolidLine, Qt::RoundCap));
      painter.drawPoint(ToQPoint(run.front()));
    }
    DrawPolyline(painter, run, kTrendColour, kTrendWidth);
  }

  // The legend, right-aligned at the top: a dot and its name, a stroke of line and its name.
  const QString weighing = Shown("Graph", kWeighingLegend);
  const QString trend = Shown("Graph", kTrendLegend);
  const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
  const int stroke = 3 * gap;
  const int middle = chart.legendTopRight.y + line / 2;
  int x = chart.legendTopRight.x - metrics.horizontalAdvance(trend);
  painter.setPen(kInkColour);
  painter.drawText(QRect(x, chart.legendTopRight.y, 0, line),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, trend);
  x -= gap + stroke;
  painter.setPen(QPen(kTrendColour, kTrendWidth, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(x, middle, x + stroke, middle);
  x -= 3 * gap + metrics.horizontalAdvance(weighing);
  painter.setPen(kInkColour);
  painter.drawText(QRect(x, chart.legendTopRight.y, 0, line),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, weighing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kWeighingColour);
  painter.drawEllipse(QPoint(x - gap - kWeighingRadius, middle), kWeighingRadius, kWeighingRadius);
}

}  // namespace vesmira
