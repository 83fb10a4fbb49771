#pragma once

#include <QDialog>

namespace vesmira {

class UrlOpener;

// Help > About: the program's name and version, and a button that opens the home page.
class CAboutDialog final : public QDialog {
  Q_OBJECT

 public:
  CAboutDialog(UrlOpener& urlOpener, QWidget* parent = nullptr);
};

}  // namespace vesmira
