#pragma once

#include <QMainWindow>
#include <filesystem>

#include "app/vesmira_doc.h"
#include "diary/ui/vesmira_view.h"

class QAction;

namespace vesmira {

class Prompts;
struct ProductLinks;
class UrlOpener;

// The main window: the diary form at a fixed size, the menu, and the caption
// "Vesmira 6.0 - <user>". It cannot be resized or maximised.
//
// Actions by objectName: propertiesAction, exitAction (File); statusBarAction, usersAction,
// exportHtmlAction, exportSheetAction (Tools, the last two under "exportMenu"); helpAction,
// aboutAction (Help); saveDayAction (Ctrl+S, in no menu).
//
// Made while the program starts, it shows the splash picture (CSplashWindow) over itself.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  static QString MainTitle() { return QStringLiteral("Vesmira 6.0"); }

  CMainFrame(std::filesystem::path dataFolder, Prompts& prompts, UrlOpener& urlOpener,
             CVesmiraView::TodayFunction today = LocalToday, QWidget* parent = nullptr);

  CVesmiraView& View() { return *m_view; }
  CVesmiraDoc& Document() { return m_document; }

 protected:
  // Every way of closing the window saves the day shown.
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenus();
  // The commands of the form's buttons.
  void ServeFormButtons();
  QAction* AddAction(QMenu* menu, const QString& name, const QString& text);
  // Where the About box and the tip dialog lead, for the data folder of the form.
  ProductLinks Links() const;
  void SetDocumentTitle(const QString& title);

  std::filesystem::path m_dataFolder;
  Prompts& m_prompts;
  UrlOpener& m_urlOpener;
  CVesmiraDoc m_document;
  CVesmiraView* m_view = nullptr;
};

}  // namespace vesmira
