#include "ui/link_button.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "support/ui/widgets.h"

namespace vesmira {

class LinkButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void flatButtonsShowHoverAndFocus_data();
  void flatButtonsShowHoverAndFocus();
};

void LinkButtonTest::flatButtonsShowHoverAndFocus_data() {
  QTest::addColumn<bool>("picture");
  QTest::newRow("link button") << false;
  QTest::newRow("picture button") << true;
}

void LinkButtonTest::flatButtonsShowHoverAndFocus() {
  QFETCH(bool, picture);
  QWidget window;
  auto* layout = new QHBoxLayout(&window);
  auto* before = new QLineEdit(&window);
  QAbstractButton* button = nullptr;
  if (picture) {
    auto* tool = new QToolButton(&window);
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::darkGreen);
    tool->setIcon(pixmap);
    tool->setIconSize(pixmap.size());
    ShowHoverAndFocus(tool);
    button = tool;
  } else {
    auto* push = new QPushButton(QStringLiteral("www.vesmira.example.org"), &window);
    ShowAsLink(push);
    button = push;
  }
  layout->addWidget(before);
  layout->addWidget(button);
  QVERIFY(testing::Shown(window));
  window.activateWindow();
  before->setFocus();
  QTest::mouseMove(before);
  const QImage plain = button->grab().toImage();

  QTest::mouseMove(button);
  QTRY_VERIFY(button->underMouse());
  const QImage hovered = button->grab().toImage();
  QVERIFY2(hovered != plain, "the pointer over the button changes nothing");

  QTest::mouseMove(before);
  QTRY_VERIFY(!button->underMouse());
  QTest::keyClick(before, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), button);
  const QImage focused = button->grab().toImage();
  QVERIFY2(focused != plain, "the focus on the button changes nothing");
  QVERIFY(focused != hovered);
}

}  // namespace vesmira

QTEST_MAIN(vesmira::LinkButtonTest)
#include "link_button_test.moc"
