#pragma once

#include <QDialog>

namespace vesmira {

struct ProductLinks;
class UrlOpener;

// The form's "Homepage" button: offers the diet tip page.
class CTipsDialog final : public QDialog {
  Q_OBJECT

 public:
  CTipsDialog(const ProductLinks& links, UrlOpener& urlOpener, QWidget* parent = nullptr);
};

}  // namespace vesmira
