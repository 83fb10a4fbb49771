#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "app/about_dialog.h"
#include "app/help_page.h"
#include "app/product_links.h"
#include "app/splash_window.h"
#include "app/tips_dialog.h"
#include "build_config.h"
#include "export/ui/export_commands.h"
#include "graphs/ui/graph_commands.h"
#include "import/ui/import_dialog.h"
#include "periods/ui/calculate_command.h"
#include "settings/ui/settings_commands.h"

namespace vesmira {

namespace {

// Asks for room for the whole form, where a plain scroll area asks for a modest part of it.
class FormScrollArea final : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    if (widget() == nullptr) return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
  }
};

}  // namespace

CMainFrame::CMainFrame(std::filesystem::path dataFolder, Prompts& prompts, UrlOpener& urlOpener,
                       CVesmiraView::TodayFunction today, QWidget* parent)
    : QMainWindow(parent),
      m_prompts(prompts),
      m_urlOpener(urlOpener),
      m_document(std::move(dataFolder), std::move(today)) {
  setObjectName(QStringLiteral("mainFrame"));
  // No resizing border and no maximise box: the window is the form's size.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  m_scrollArea = new FormScrollArea(this);
  m_scrollArea->setObjectName(QStringLiteral("formScrollArea"));
  m_scrollArea->setFrameShape(QFrame::NoFrame);
  // The form's fields take Tab; the pane around them is no stop of its own.
  m_scrollArea->setFocusPolicy(Qt::NoFocus);
  // The caption follows the user the form shows, from its first on.
  connect(&m_document, &CVesmiraDoc::titleChanged, this, &CMainFrame::ShowTitle);
  ShowTitle(m_document.Title());
  m_view = new CVesmiraView(m_document, m_prompts, m_scrollArea);
  m_scrollArea->setWidget(m_view);
  // A line shown over the form (a question, a read-only diary) makes it taller: the window
  // follows, as far as the screen allows.
  m_view->installEventFilter(this);
  setCentralWidget(m_scrollArea);
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* focused) { ShowFocusedField(focused); });
  CreateMenus();
  ServeFormButtons();
  FitToCurrentScreen();
  // The first thing typed goes to the day's first meal.
  m_view->FocusFirstField();
  CSplashWindow::OpenSplash(this);
}

CMainFrame::~CMainFrame() {
  // The focus moves while the widgets below are destroyed, after this object is no longer one.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
  // The form stores its day for the document, which outlives it.
  delete takeCentralWidget();
}

void CMainFrame::FitToCurrentScreen() {
  // The sizes the window's layout keeps may be those of a form since grown (a line shown
  // over it): they are taken anew.
  m_scrollArea->updateGeometry();
  layout()->invalidate();
  if (const QScreen* shown = screen()) FitToScreen(shown->availableGeometry());
}

void CMainFrame::FitToScreen(const QRect& available) {
  const QSize whole = sizeHint();
  // Before the window manager has framed the window its frame is unknown: assume a caption
  // and thin borders. The window is fitted again once it is shown.
  QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  if (frame.isNull()) frame = QMargins(8, 40, 8, 8);
  const QSize room = available.size().shrunkBy(frame);
  if (whole.width() <= room.width() && whole.height() <= room.height()) {
    setFixedSize(whole);
    return;
  }
  // A scroll bar for one direction takes room from the other.
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollArea);
  QSize size = whole.boundedTo(room);
  if (whole.width() > room.width()) {
    size.setHeight(std::min(room.height(), whole.height() + scrollBar));
  }
  if (whole.height() > room.height()) {
    size.setWidth(std::min(room.width(), whole.width() + scrollBar));
  }
  setFixedSize(size);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_view && event->type() == QEvent::Resize && m_followsScreen) {
    QTimer::singleShot(0, this, [this] { FitToCurrentScreen(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (m_followsScreen || windowHandle() == nullptr) return;
  m_followsScreen = true;
  connect(windowHandle(), &QWindow::screenChanged, this, [this] { FitToCurrentScreen(); });
  // Now framed: fitted again with the window manager's own frame.
  QTimer::singleShot(0, this, [this] { FitToCurrentScreen(); });
}

void CMainFrame::ShowFocusedField(QWidget* focused) {
  if (focused != nullptr && m_view->isAncestorOf(focused)) {
    m_scrollArea->ensureWidgetVisible(focused);
  }
}

void CMainFrame::ServeFormButtons() {
  connect(m_view, &CVesmiraView::calculateRequested, this, [this] { RunCalculate(m_document); });
  const auto graph = [this](GraphKind kind) {
    return [this, kind] { ShowGraph(m_document, kind, m_view); };
  };
  connect(m_view, &CVesmiraView::calorieGraphRequested, this, graph(GraphKind::kCalorie));
  connect(m_view, &CVesmiraView::trainingGraphRequested, this, graph(GraphKind::kTraining));
  connect(m_view, &CVesmiraView::weightGraphRequested, this, graph(GraphKind::kWeight));
  // The same command as File > Properties.
  connect(m_view, &CVesmiraView::propertiesRequested, this,
          [this] { RunPropertiesCommand(m_document, m_prompts, this); });
  connect(m_view, &CVesmiraView::homepageRequested, this, [this] {
    CTipsDialog dialog(Links(), m_urlOpener, m_view);
    dialog.exec();
  });
  m_view->EnableServedButtons();
}

void CMainFrame::CreateMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("fileMenu"));
  // Ctrl+S stores the day shown; the document itself has nothing to save.
  QAction* saveDay = AddAction(file, QStringLiteral("saveDayAction"), tr("&Save Day"));
  saveDay->setShortcut(QKeySequence::Save);
  connect(saveDay, &QAction::triggered, m_view, [this] { m_view->SaveDay(); });
  file->addSeparator();
  QAction* properties = AddAction(file, QStringLiteral("propertiesAction"), tr("&Properties"));
  connect(properties, &QAction::triggered, this,
          [this] { RunPropertiesCommand(m_document, m_prompts, this); });
  QAction* exit = AddAction(file, QStringLiteral("exitAction"), tr("E&xit"));
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* tools = menuBar()->addMenu(tr("&Tools"));
  tools->setObjectName(QStringLiteral("toolsMenu"));
  // The window has no status bar, so the entry has nothing to show or hide.
  AddAction(tools, QStringLiteral("statusBarAction"), tr("&Status Bar"));
  QAction* users = AddAction(tools, QStringLiteral("usersAction"), tr("&Users"));
  connect(users, &QAction::triggered, this,
          [this] { RunUsersCommand(m_document, m_prompts, this); });
  QAction* import = AddAction(tools, QStringLiteral("importAction"), tr("&Import..."));
  connect(import, &QAction::triggered, this,
          [this] { RunImportCommand(m_document, m_prompts, this); });
  QMenu* exportMenu = tools->addMenu(tr("&Export"));
  exportMenu->setObjectName(QStringLiteral("exportMenu"));
  QAction* exportHtml = AddAction(exportMenu, QStringLiteral("exportHtmlAction"), tr("To &HTML"));
  connect(exportHtml, &QAction::triggered, m_view,
          [this] { ExportToHtml(m_document, m_prompts, m_view); });
  QAction* exportSheet =
      AddAction(exportMenu, QStringLiteral("exportSheetAction"), tr("To &Data Sheet"));
  connect(exportSheet, &QAction::triggered, m_view,
          [this] { ExportToDataSheet(m_document, m_prompts, m_view); });
  QAction* exportWeights =
      AddAction(exportMenu, QStringLiteral("exportWeightSheetAction"), tr("To &Weight Sheet"));
  connect(exportWeights, &QAction::triggered, m_view,
          [this] { ExportToWeightSheet(m_document, m_prompts, m_view); });

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("helpMenu"));
  QAction* showHelp = AddAction(help, QStringLiteral("helpAction"), tr("&Help"));
  showHelp->setShortcut(QKeySequence(Qt::Key_F1));
  connect(showHelp, &QAction::triggered, m_view, [this] {
    ShowHelp(QFile::decodeName(m_document.DataFolder().c_str()), m_urlOpener, m_prompts, this);
  });
  QAction* about = AddAction(help, QStringLiteral("aboutAction"), tr("&About"));
  connect(about, &QAction::triggered, this, [this] {
    CAboutDialog dialog(Links(), m_urlOpener, this);
    dialog.exec();
  });
}

ProductLinks CMainFrame::Links() const {
  return LinksOfThisBuild(QFile::decodeName(m_document.DataFolder().c_str()));
}

QAction* CMainFrame::AddAction(QMenu* menu, const QString& name, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  return action;
}

QString CMainFrame::MainTitle() {
  return QStringLiteral("Vesmira ") + QString::fromUtf8(build::kVersion);
}

void CMainFrame::ShowTitle(const QString& title) {
  setWindowTitle(MainTitle() + QStringLiteral(" - ") + title);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!m_view->FinalSave()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace vesmira
