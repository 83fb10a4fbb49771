#pragma once

#include <QDialog>

namespace vesmira {

class UrlOpener;

// The form's "Homepage" button: offers the diet tip page of the web site.
class CTipsDialog final : public QDialog {
  Q_OBJECT

 public:
  CTipsDialog(UrlOpener& urlOpener, QWidget* parent = nullptr);
};

}  // namespace vesmira
