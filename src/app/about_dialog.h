#pragma once

#include <QDialog>

namespace vesmira {

struct ProductLinks;
class UrlOpener;

// Help > About: the program's name and version, and a button that opens the home page.
class CAboutDialog final : public QDialog {
  Q_OBJECT

 public:
  CAboutDialog(const ProductLinks& links, UrlOpener& urlOpener, QWidget* parent = nullptr);
};

}  // namespace vesmira
