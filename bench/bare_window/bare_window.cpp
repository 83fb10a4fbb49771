// The baseline of the start-up figure: a Qt Widgets program that shows one empty window and
// ends once it is shown, as the diary does when asked to measure its start.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(640, 480);
  window.show();
  QTimer::singleShot(0, &window, &QWidget::close);
  return QApplication::exec();
}
