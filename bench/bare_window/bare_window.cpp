// The baseline of the start-up figure: a Qt Widgets program that shows one empty window and
// ends once its first frame is on the screen, as the diary does when asked to measure its start.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class EmptyWindow final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    // A zero timer runs once the frame painted now has been put on the screen.
    if (!m_painted) QTimer::singleShot(0, this, &QWidget::close);
    m_painted = true;
  }

 private:
  bool m_painted = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  EmptyWindow window;
  window.resize(640, 480);
  window.show();
  return QApplication::exec();
}
