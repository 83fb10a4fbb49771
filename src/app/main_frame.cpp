#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <utility>

#include "app/about_dialog.h"
#include "app/help_page.h"
#include "app/product_links.h"
#include "app/splash_window.h"
#include "app/tips_dialog.h"
#include "export/ui/export_commands.h"
#include "graphs/ui/graph_commands.h"
#include "periods/ui/calculate_command.h"
#include "settings/ui/settings_commands.h"
#include "ui/stored_text.h"

namespace vesmira {

CMainFrame::CMainFrame(std::filesystem::path dataFolder, Prompts& prompts, UrlOpener& urlOpener,
                       CVesmiraView::TodayFunction today, QWidget* parent)
    : QMainWindow(parent) {
  setObjectName(QStringLiteral("mainFrame"));
  // No resizing border and no maximise box: the window is the form's size.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  m_view = new CVesmiraView(std::move(dataFolder), prompts, urlOpener, std::move(today), this);
  setCentralWidget(m_view);
  // The form has taken its first user during its start; later changes come by signal.
  SetDocumentTitle(FromStoredBytes(m_view->CurrentUserName()));
  connect(m_view, &CVesmiraView::currentUserChanged, this, &CMainFrame::SetDocumentTitle);
  CreateMenus();
  ServeResultButtons();
  ConnectTipsButton();
  setFixedSize(sizeHint());
  CSplashWindow::OpenSplash(this);
}

void CMainFrame::ConnectTipsButton() {
  auto* homepage = m_view->findChild<QToolButton*>(QStringLiteral("homepageButton"));
  if (homepage == nullptr) return;
  connect(homepage, &QToolButton::clicked, m_view, [this] {
    CTipsDialog dialog(Links(), m_view->GetUrlOpener(), m_view);
    dialog.exec();
  });
  homepage->setEnabled(true);
}

void CMainFrame::ServeResultButtons() {
  const auto serve = [this](const char* name, void (*command)(CVesmiraView&)) {
    auto* button = m_view->findChild<QPushButton*>(QString::fromLatin1(name));
    button->setEnabled(true);
    connect(button, &QPushButton::clicked, m_view, [this, command] { command(*m_view); });
  };
  serve("calculateButton", RunCalculate);
  serve("calorieGraphButton", ShowCalorieGraph);
  serve("trainingGraphButton", ShowTrainingGraph);
}

void CMainFrame::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("fileMenu"));
  file->addSeparator();
  QAction* properties =
      AddAction(file, QStringLiteral("propertiesAction"), QStringLiteral("&Properties"));
  connect(properties, &QAction::triggered, this, [this] { RunPropertiesCommand(*m_view, this); });
  // The form's own "Properties" button runs the same command.
  auto* propertiesButton = m_view->findChild<QPushButton*>(QStringLiteral("propertiesButton"));
  propertiesButton->setEnabled(true);
  connect(propertiesButton, &QPushButton::clicked, this,
          [this] { RunPropertiesCommand(*m_view, this); });
  QAction* exit = AddAction(file, QStringLiteral("exitAction"), QStringLiteral("E&xit"));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  tools->setObjectName(QStringLiteral("toolsMenu"));
  // The window has no status bar, so the entry has nothing to show or hide.
  AddAction(tools, QStringLiteral("statusBarAction"), QStringLiteral("&Status Bar"));
  QAction* users = AddAction(tools, QStringLiteral("usersAction"), QStringLiteral("&Users"));
  connect(users, &QAction::triggered, this, [this] { RunUsersCommand(*m_view, this); });
  QMenu* exportMenu = tools->addMenu(QStringLiteral("&Export"));
  exportMenu->setObjectName(QStringLiteral("exportMenu"));
  QAction* exportHtml =
      AddAction(exportMenu, QStringLiteral("exportHtmlAction"), QStringLiteral("To &HTML"));
  connect(exportHtml, &QAction::triggered, m_view, [this] { ExportToHtml(*m_view); });
  QAction* exportSheet =
      AddAction(exportMenu, QStringLiteral("exportSheetAction"), QStringLiteral("To &Data Sheet"));
  connect(exportSheet, &QAction::triggered, m_view, [this] { ExportToDataSheet(*m_view); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("helpMenu"));
  QAction* showHelp = AddAction(help, QStringLiteral("helpAction"), QStringLiteral("&Help"));
  connect(showHelp, &QAction::triggered, m_view, [this] {
    ShowHelp(QFile::decodeName(m_view->DataFolder().c_str()), m_view->GetUrlOpener(),
             m_view->GetPrompts(), this);
  });
  QAction* about = AddAction(help, QStringLiteral("aboutAction"), QStringLiteral("&About"));
  connect(about, &QAction::triggered, this, [this] {
    CAboutDialog dialog(Links(), m_view->GetUrlOpener(), this);
    dialog.exec();
  });

  // Ctrl+S stores the day shown; the document itself has nothing to save.
  auto* saveDay = new QAction(QStringLiteral("Save Day"), this);
  saveDay->setObjectName(QStringLiteral("saveDayAction"));
  saveDay->setShortcut(QKeySequence::Save);
  connect(saveDay, &QAction::triggered, m_view, [this] { m_view->SaveDay(); });
  addAction(saveDay);
}

ProductLinks CMainFrame::Links() const {
  return LinksOfThisBuild(QFile::decodeName(m_view->DataFolder().c_str()));
}

QAction* CMainFrame::AddAction(QMenu* menu, const QString& name, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  return action;
}

void CMainFrame::SetDocumentTitle(const QString& title) {
  m_document.SetTitle(title);
  setWindowTitle(MainTitle() + QStringLiteral(" - ") + m_document.Title());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!m_view->FinalSave()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace vesmira
