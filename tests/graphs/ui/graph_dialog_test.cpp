#include "graphs/ui/graph_dialog.h"

#include <QAccessible>
#include <QImage>
#include <QPalette>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdint>
#include <string>
#include <vector>

#include "diary/colour_contrast.h"
#include "graphs/graph_points.h"
#include "support/ui/widgets.h"

namespace vesmira {
namespace {

using testing::Shown;

const QString kTitle = QStringLiteral("Calorie Eaten");
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 200, 0);

GraphPoints MakePoints(const std::vector<std::int32_t>& values) {
  GraphPoints points;
  points.values = values;
  for (std::size_t i = 0; i < values.size(); ++i) points.labels.push_back("0" + std::to_string(i));
  return points;
}

// A month of 50s with the maximum of 100 at point 15 and the minimum of 0 at point 25.
GraphPoints SpikedMonth() {
  std::vector<std::int32_t> values(31, 50);
  values[15] = 100;
  values[25] = 0;
  return MakePoints(values);
}

QImage Render(CGraphDialog& dialog) { return dialog.grab().toImage(); }

// How many rows of column x, between top and bottom, have the colour.
int RowsOfColour(const QImage& image, int x, int top, int bottom, const QColor& colour) {
  int rows = 0;
  for (int y = top; y <= bottom; ++y) rows += image.pixelColor(x, y) == colour ? 1 : 0;
  return rows;
}

// Whether anything but the background was drawn inside the rectangle.
bool HasInk(const QImage& image, const QRect& rect, const QColor& background) {
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (image.pixelColor(x, y) != background) return true;
    }
  }
  return false;
}

}  // namespace

class GraphDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void captionIsEnergyGraphUntilTheFirstPaint();
  void windowIsModalResizableWithoutMinimizeOrMaximize();
  void paintDrawsAxesLinesAndTexts();
  void paintFollowsTheNewSize();
  void flatSeriesShowsBothLines_data();
  void flatSeriesShowsBothLines();
  void keysAndButtonsClose_data();
  void keysAndButtonsClose();
  void chartStaysReadableUnderADarkPalette();
  void screenReaderHearsWhichGraphAndItsValues();
};

void GraphDialogTest::captionIsEnergyGraphUntilTheFirstPaint() {
  CGraphDialog dialog(nullptr, SpikedMonth(), QStringLiteral("Date"), QStringLiteral("kcal"),
                      kTitle);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Energy Graph"));
  QVERIFY(Shown(dialog));
  QTRY_COMPARE(dialog.windowTitle(), kTitle);
}

void GraphDialogTest::windowIsModalResizableWithoutMinimizeOrMaximize() {
  CGraphDialog dialog(nullptr, SpikedMonth(), QStringLiteral("Date"), QStringLiteral("kcal"),
                      kTitle);
  QVERIFY(dialog.isModal());
  QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(dialog.minimumSize() != dialog.maximumSize());

  auto* close = dialog.findChild<QPushButton*>(QStringLiteral("closeButton"));
  QVERIFY(close);
  QCOMPARE(close->text(), QStringLiteral("Close"));
  QVERIFY(close->isDefault());
  dialog.resize(300, 200);
  QCOMPARE(close->pos(), QPoint(11, 11));
}

void GraphDialogTest::paintDrawsAxesLinesAndTexts() {
  CGraphDialog dialog(nullptr, SpikedMonth(), QStringLiteral("Date"), QStringLiteral("kcal"),
                      kTitle);
  dialog.resize(600, 400);
  const QImage image = Render(dialog);
  QCOMPARE(dialog.windowTitle(), kTitle);
  const QColor background = image.pixelColor(300, 25);

  // The origin, the top of the value axis and the end of the time axis.
  QCOMPARE(image.pixelColor(20, 350), QColor(Qt::black));
  QCOMPARE(image.pixelColor(20, 50), QColor(Qt::black));
  QCOMPARE(image.pixelColor(550, 350), QColor(Qt::black));
  // A value tick (k = 8 at y = 50 + 30 * 1) and a time tick at point 3 (x = 20 + 17 * 3).
  QCOMPARE(image.pixelColor(17, 80), QColor(Qt::black));
  QCOMPARE(image.pixelColor(71, 347), QColor(Qt::black));

  // The raw line peaks at point 15 (x = 275) at the top of the axis; h is 200 for a 50. The
  // smoothed line's plateau over points 13 to 16 stands at (200 + 200 + 200 + 350) / 4 = 237,
  // y = 163, five pixels thick.
  QCOMPARE(image.pixelColor(275, 50), kRed);
  QCOMPARE(image.pixelColor(20, 200), kGreen);
  QCOMPARE(image.pixelColor(258, 163), kGreen);
  QCOMPARE(RowsOfColour(image, 258, 150, 180, kGreen), 5);
  QCOMPARE(image.pixelColor(400, 300), background);

  // The value axis name at (9, 39), the date label of point 0 and the minimum's value label.
  QVERIFY(HasInk(image, QRect(9, 39, 20, 11), background));
  QVERIFY(HasInk(image, QRect(20, 355, 25, 11), background));
  QVERIFY(HasInk(image, QRect(0, 345, 8, 11), background));
  QVERIFY(!HasInk(image, QRect(100, 355, 10, 11), background));
}

void GraphDialogTest::paintFollowsTheNewSize() {
  CGraphDialog dialog(nullptr, SpikedMonth(), QStringLiteral("Date"), QStringLiteral("kcal"),
                      kTitle);
  QVERIFY(Shown(dialog));
  dialog.resize(800, 500);
  QTRY_COMPARE(dialog.size(), QSize(800, 500));
  // The chart is laid out on the outer frame, which the platform may make larger.
  const QSize frame = dialog.frameGeometry().size();
  const QImage image = Render(dialog);
  QCOMPARE(image.pixelColor(20, frame.height() - 50), QColor(Qt::black));
  QCOMPARE(image.pixelColor(frame.width() - 50, frame.height() - 50), QColor(Qt::black));
  QCOMPARE(image.pixelColor(20 + (frame.width() - 70) / 31 * 15, 50), kRed);
}

void GraphDialogTest::flatSeriesShowsBothLines_data() {
  QTest::addColumn<int>("count");
  QTest::addColumn<int>("value");
  QTest::addColumn<int>("greenRows");
  QTest::newRow("month of normal consumption") << 31 << 18000 << 4;
  QTest::newRow("year without training") << 365 << 0 << 1;
}

void GraphDialogTest::flatSeriesShowsBothLines() {
  QFETCH(int, count);
  QFETCH(int, value);
  QFETCH(int, greenRows);
  CGraphDialog dialog(nullptr,
                      MakePoints(std::vector<std::int32_t>(static_cast<std::size_t>(count), value)),
                      QStringLiteral("Date"), QStringLiteral("kcal"), kTitle);
  dialog.resize(600, 400);
  const QImage image = Render(dialog);
  // The middle of the value axis: y = 400 - (50 + 300 / 2). The thin red line lies over the
  // green one, which shows above and below it.
  QCOMPARE(image.pixelColor(200, 200), kRed);
  QCOMPARE(RowsOfColour(image, 200, 190, 210, kGreen), greenRows);
}

void GraphDialogTest::keysAndButtonsClose_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("Escape") << QStringLiteral("escape");
  QTest::newRow("Enter") << QStringLiteral("enter");
  QTest::newRow("Close button") << QStringLiteral("button");
  QTest::newRow("close box") << QStringLiteral("box");
}

void GraphDialogTest::keysAndButtonsClose() {
  QFETCH(QString, how);
  CGraphDialog dialog(nullptr, SpikedMonth(), QStringLiteral("Date"), QStringLiteral("kcal"),
                      kTitle);
  QSignalSpy finished(&dialog, &QDialog::finished);
  dialog.open();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  if (how == QStringLiteral("escape")) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
  } else if (how == QStringLiteral("enter")) {
    QTest::keyClick(&dialog, Qt::Key_Return);
  } else if (how == QStringLiteral("button")) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("closeButton")),
                      Qt::LeftButton);
  } else {
    dialog.close();
  }
  QTRY_COMPARE(finished.count(), 1);
  QVERIFY(!dialog.isVisible());
}

void GraphDialogTest::chartStaysReadableUnderADarkPalette() {
  CGraphDialog dialog(nullptr, SpikedMonth(), QStringLiteral("Date"), QStringLiteral("kcal"),
                      kTitle);
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(45, 45, 45));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  dialog.setPalette(dark);
  dialog.resize(600, 400);
  const QImage image = Render(dialog);
  const auto rgb = [&image](int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
  };
  // The axis at the origin and the value axis name against the paper between them.
  const Rgb paper = rgb(400, 300);
  QVERIFY(ContrastRatio(rgb(20, 350), paper) >= kReadableContrast);
  QVERIFY(ContrastRatio(rgb(17, 80), paper) >= kReadableContrast);
  bool labelReadable = false;
  for (int y = 39; y < 50; ++y) {
    for (int x = 9; x < 29; ++x) labelReadable |= ContrastRatio(rgb(x, y), paper) >= 4.5;
  }
  QVERIFY(labelReadable);
}

void GraphDialogTest::screenReaderHearsWhichGraphAndItsValues() {
  CGraphDialog dialog(nullptr, SpikedMonth(), QStringLiteral("Date"), QStringLiteral("kcal"),
                      kTitle);
  QVERIFY(Shown(dialog));
  auto* chart = dialog.findChild<QWidget*>(QStringLiteral("chartView"));
  QVERIFY(chart);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chart);
  QVERIFY(accessible);
  QCOMPARE(accessible->text(QAccessible::Name), kTitle);
  QCOMPARE(
      accessible->text(QAccessible::Description),
      QStringLiteral("31 days from 00 to 030: lowest 0 kcal, highest 100 kcal, latest 50 kcal"));
  // Tab leads from the Close button to the chart.
  auto* close = dialog.findChild<QPushButton*>(QStringLiteral("closeButton"));
  close->setFocus();
  QTest::keyClick(close, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), chart);
}

}  // namespace vesmira

QTEST_MAIN(vesmira::GraphDialogTest)
#include "graph_dialog_test.moc"
