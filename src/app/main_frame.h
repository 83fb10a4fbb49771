#pragma once

#include <QMainWindow>
#include <filesystem>

#include "diary/ui/vesmira_doc.h"
#include "diary/ui/vesmira_view.h"

class QAction;
class QScrollArea;

namespace vesmira {

class Prompts;
struct ProductLinks;
class UrlOpener;

// The main window: the diary form at a fixed size, the menu, and the caption
// "Vesmira 6.0 - <user>". It cannot be resized or maximised. On a screen too small for the
// form ("formScrollArea") the window takes the screen's free area and the form scrolls.
//
// Actions by objectName: saveDayAction (Ctrl+S), propertiesAction, exitAction (Ctrl+Q) (File);
// statusBarAction, usersAction, importAction, exportHtmlAction, exportSheetAction,
// exportWeightSheetAction (Tools, the last three under "exportMenu"); helpAction (F1), aboutAction
// (Help).
//
// Made while the program starts, it shows the splash picture (CSplashWindow) over itself.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // "Vesmira 6.0": the program and its version, as the About box names them.
  static QString MainTitle();

  CMainFrame(std::filesystem::path dataFolder, Prompts& prompts, UrlOpener& urlOpener,
             CVesmiraView::TodayFunction today = LocalToday, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CVesmiraView& View() { return *m_view; }
  CVesmiraDoc& Document() { return m_document; }

  // Sizes the window for a screen whose free area (without panels) is available: the whole
  // form when it fits, otherwise as much of it as fits, with scroll bars. Either way the
  // window cannot be resized. Done when the window is made, shown or moved to another screen.
  void FitToScreen(const QRect& available);

 protected:
  // Every way of closing the window saves the day shown.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateMenus();
  // The commands of the form's buttons.
  void ServeFormButtons();
  QAction* AddAction(QMenu* menu, const QString& name, const QString& text);
  // Where the About box and the tip dialog lead, for the data folder of the form.
  ProductLinks Links() const;
  void ShowTitle(const QString& title);
  void FitToCurrentScreen();
  // Keeps the field with the keyboard focus in sight when the form scrolls.
  void ShowFocusedField(QWidget* focused);

  Prompts& m_prompts;
  UrlOpener& m_urlOpener;
  CVesmiraDoc m_document;
  CVesmiraView* m_view = nullptr;
  QScrollArea* m_scrollArea = nullptr;
  bool m_followsScreen = false;
};

}  // namespace vesmira
