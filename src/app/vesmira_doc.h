#pragma once

#include <QString>

namespace vesmira {

// The document holds no data: every datum lives in the users folder. Its one trait is its
// title, the current user's name, which the main window's caption shows.
class CVesmiraDoc {
 public:
  static QString UntitledTitle() { return QStringLiteral("Untitled"); }

  const QString& Title() const { return m_title; }
  // An empty name leaves the document untitled.
  void SetTitle(const QString& title) { m_title = title.isEmpty() ? UntitledTitle() : title; }

 private:
  QString m_title = UntitledTitle();
};

}  // namespace vesmira
