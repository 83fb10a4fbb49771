#include "diary/ui/vesmira_view.h"

#include <QAction>
#include <QBoxLayout>
#include <QByteArray>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDateTime>
#include <QFile>
#include <QFileSystemWatcher>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

#include "diary/colour_contrast.h"
#include "diary/note_display.h"
#include "diary/ui/day_question.h"
#include "diary/ui/day_saver.h"
#include "diary/weighing.h"
#include "periods/theoretical_result.h"
#include "periods/weight_trend.h"
#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/atomic_file.h"
#include "storage/data_paths.h"
#include "storage/file_error.h"
#include "storage/number_text.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

// The text takes the colour that reads on the background, not the theme's: a dark theme's
// white text on the light result colours would be unreadable.
void SetBackground(QLineEdit* field, Rgb colour) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, ToQColor(colour));
  palette.setColor(QPalette::Text, ToQColor(TextColourOn(colour)));
  field->setPalette(palette);
}

CalendarDate FromQDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }
QDate ToQDate(const CalendarDate& date) { return QDate(date.year, date.month, date.day); }

// The combo box keeps each user's name as the bytes of its file name, so a name that is
// not UTF-8 still addresses its own files.
constexpr int kUserBytesRole = Qt::UserRole;

}  // namespace

CVesmiraView::CVesmiraView(std::filesystem::path dataFolder, Prompts& prompts, TodayFunction today,
                           QWidget* parent)
    : QWidget(parent),
      m_dataFolder(std::move(dataFolder)),
      m_prompts(prompts),
      m_today(today ? std::move(today) : TodayFunction(LocalToday)) {
  setObjectName(QStringLiteral("vesmiraView"));
  m_saver = new DaySaver(
      [this](const DaySaver::Job& job, const StoreResult& result) {
        OnBackgroundSaveDone(job.path.native(), job.generation, job.bytes, result);
      },
      this);
  m_idleSaveTimer = new QTimer(this);
  m_idleSaveTimer->setSingleShot(true);
  m_idleSaveTimer->setInterval(kIdleSaveMs);
  m_longestSaveTimer = new QTimer(this);
  m_longestSaveTimer->setSingleShot(true);
  m_longestSaveTimer->setInterval(kLongestUnsavedMs);
  // A sync tool replaces a file in several steps: they are looked at once they have settled.
  m_diskCheckTimer = new QTimer(this);
  m_diskCheckTimer->setSingleShot(true);
  m_diskCheckTimer->setInterval(150);
  m_watcher = new QFileSystemWatcher(this);
  m_form = BuildDiaryForm(*this);
  m_weightField =
      new CWeightField(m_form.weightEdit, m_form.weightUnitLabel, m_form.weightMessageLabel, this);
  m_question = new CDayQuestion(this);
  if (auto* box = qobject_cast<QBoxLayout*>(layout())) box->insertWidget(1, m_question);
  connect(m_question, &CDayQuestion::keepMyTyping, this, [this] { OnKeepMyTyping(); });
  connect(m_question, &CDayQuestion::useVersionOnDisk, this, [this] { OnUseVersionOnDisk(); });
  ConnectEvents();
  StartForm();
}

CVesmiraView::~CVesmiraView() {
  // A window closed through its frame has saved already; any other end still keeps the day.
  // Nothing can be shown any more, so a failure here goes unreported, and a version changed
  // on disk is not written over: what was typed goes beside it.
  m_closing = true;
  m_saver->Finish();
  if (!HasDayToStore() || m_finalSaveDone) return;
  const std::string bytes = ShownDayBytes();
  // A question still open: the typing is the copy's, the day on disk stays as it is.
  if (m_pending) {
    static_cast<void>(AtomicWriteFile(m_pending->copy, bytes));
    return;
  }
  const StoreResult result = StoreDayFile(ShownDayPath(), bytes, m_dayIdentity);
  if (result.changedOnDisk && HasUnsavedChanges()) {
    static_cast<void>(KeepConflictCopy(ShownDayPath(), ConflictStampNow(), bytes));
  }
}

void CVesmiraView::ConnectEvents() {
  for (QLineEdit* input : InputFields()) {
    KeepOnOneLine(input);
    connect(input, &QLineEdit::textChanged, this, [this] {
      UpdateBalance();
      OnDayEdited();
    });
  }
  connect(m_form.noteEdit, &QPlainTextEdit::textChanged, this, [this] { OnDayEdited(); });
  connect(m_form.weightEdit, &QLineEdit::textChanged, this, [this] { OnDayEdited(); });
  connect(m_idleSaveTimer, &QTimer::timeout, this, [this] { SaveTypingNow(); });
  connect(m_longestSaveTimer, &QTimer::timeout, this, [this] { SaveTypingNow(); });
  connect(m_watcher, &QFileSystemWatcher::fileChanged, m_diskCheckTimer,
          qOverload<>(&QTimer::start));
  connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_diskCheckTimer,
          qOverload<>(&QTimer::start));
  connect(m_diskCheckTimer, &QTimer::timeout, this, [this] { CheckFilesOnDisk(); });
  connect(m_form.dateEdit, &QDateEdit::dateChanged, this, [this] { OnDateChanged(); });
  connect(m_form.userCombo, &QComboBox::activated, this,
          [this](int index) { OnUserActivated(index); });
  connect(m_form.monthlyRadio, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) m_series.span = kMonthSpan;
  });
  connect(m_form.yearlyRadio, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) m_series.span = kYearSpan;
  });
  connect(m_form.saveCloseButton, &QPushButton::clicked, this, [this] { OnSaveAndClose(); });
  connect(m_form.calculateButton, &QPushButton::clicked, this, &CVesmiraView::calculateRequested);
  connect(m_form.calorieGraphButton, &QPushButton::clicked, this,
          &CVesmiraView::calorieGraphRequested);
  connect(m_form.trainingGraphButton, &QPushButton::clicked, this,
          &CVesmiraView::trainingGraphRequested);
  connect(m_form.weightGraphButton, &QPushButton::clicked, this,
          &CVesmiraView::weightGraphRequested);
  connect(m_form.propertiesButton, &QPushButton::clicked, this, &CVesmiraView::propertiesRequested);
  connect(m_form.homepageButton, &QToolButton::clicked, this, &CVesmiraView::homepageRequested);

  // Keys for the day before, the day after and today, wherever the focus is on the form.
  // Alt+Left and Alt+Right are back and forward elsewhere on the desktop; no field uses them.
  const auto addDayKey = [this](const char* name, const QKeySequence& keys, auto target) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, [this, target] { ShowDate(target()); });
    addAction(action);
  };
  addDayKey("previousDayAction", QKeySequence(Qt::ALT | Qt::Key_Left),
            [this] { return AddDays(ShownDate(), -1); });
  addDayKey("nextDayAction", QKeySequence(Qt::ALT | Qt::Key_Right),
            [this] { return AddDays(ShownDate(), 1); });
  addDayKey("todayAction", QKeySequence(Qt::ALT | Qt::Key_Home), [this] { return m_today(); });
}

void CVesmiraView::ShowDate(const CalendarDate& date) {
  // Through the date field, as if the person had set it: the day left is stored first.
  m_form.dateEdit->setDate(ToQDate(date));
}

void CVesmiraView::StartForm() {
  m_form.monthlyRadio->setChecked(true);
  m_series.span = kMonthSpan;
  for (QLineEdit* field :
       {m_form.kcalLeftEdit, m_form.weightChangeEdits[0], m_form.weightChangeEdits[1],
        m_form.weightChangeEdits[2], m_form.weightChangeEdits[3], m_form.trendChangeEdits[0],
        m_form.trendChangeEdits[1], m_form.trendChangeEdits[2]}) {
    SetBackground(field, kGoodColour);
  }
  {
    const QSignalBlocker blocker(m_form.dateEdit);
    m_form.dateEdit->setDate(ToQDate(m_today()));
  }
  m_currentDate = ShownDate();
  // Not reported here: a missing users folder lists no users, and a save names the cause.
  static_cast<void>(MakePrivateFolder(UsersFolder(m_dataFolder)));
  LoadUserList();
}

void CVesmiraView::FocusFirstField() { m_form.mealEdits[0]->setFocus(Qt::OtherFocusReason); }

void CVesmiraView::UpdateBalance() {
  // At every key: the figures alone, not the note, which may be long.
  const DayBalance balance = ComputeDayBalance(CurrentFigureEntries().Figures(), m_settings);
  m_form.weightCaptionLabel->setText(FromStoredBytes(balance.weightCaption));
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    m_form.activityKcalEdits[i]->setText(FromStoredBytes(FormatNumber(balance.activityKcal[i])));
  }
  m_form.energyInEdit->setText(FromStoredBytes(FormatNumber(balance.energyIn)));
  m_form.trainingEdit->setText(FromStoredBytes(FormatNumber(balance.training)));
  m_form.sumEdit->setText(FromStoredBytes(FormatNumber(balance.sum)));
  m_form.targetEdit->setText(FromStoredBytes(FormatNumber(balance.target)));
  m_form.kcalLeftEdit->setText(FromStoredBytes(FormatNumber(balance.kcalLeft)));
  SetBackground(m_form.kcalLeftEdit, balance.kcalLeftColour);
  m_form.normalConsumptionEdit->setText(FromStoredBytes(FormatNumber(balance.normalConsumption)));
  ShowWeightUnit();
}

void CVesmiraView::ShowWeightUnit() {
  const bool kilograms = m_settings.UsesKilograms();
  m_form.trendCaptionLabel->setText(FromStoredBytes(MeasuredChangeCaption(kilograms)));
  // The unit changed under a weight on the form: the same weight, shown in the new unit.
  m_weightField->ShowInUnit(kilograms);
}

bool CVesmiraView::HasDayToStore() const {
  // A day whose file cannot be read was shown read-only, so it holds nothing to store.
  return m_dayLoaded && !m_unreadableDay && !IsReadOnlyDiary();
}

void CVesmiraView::ShowReadOnlyDiary(const QString& why) {
  StopSaveTimers();
  m_readOnlyWhy = why;
  // As wide as the form without it, wrapped: the line never widens the window.
  const QMargins margins = layout()->contentsMargins();
  m_form.readOnlyLabel->setFixedWidth(sizeHint().width() - margins.left() - margins.right());
  m_form.readOnlyLabel->setText(why);
  m_form.readOnlyLabel->show();
  SetFieldsReadOnly(true);
}

void CVesmiraView::SetFieldsReadOnly(bool readOnly) {
  readOnly = readOnly || IsReadOnlyDiary();
  for (QLineEdit* input : InputFields()) input->setReadOnly(readOnly);
  m_form.weightEdit->setReadOnly(readOnly);
  m_form.noteEdit->setReadOnly(readOnly || m_noteAsStored);
}

bool CVesmiraView::SaveDay() {
  if (!HasDayToStore()) return true;
  if (const std::optional<FileError> error = StoreShownDay()) {
    ReportFileError(*error);
    return false;
  }
  return true;
}

void CVesmiraView::LoadDay() {
  // The day being left is done with: what its save in the background says is taken first.
  m_saver->Finish();
  StopSaveTimers();
  m_currentDate = ShownDate();
  m_dayLoaded = true;
  m_finalSaveDone = false;
  m_saveFailureReported = false;
  m_pending.reset();
  m_question->Clear();
  const DiskDay day = ReadShownDayFromDisk();
  m_unreadableDay = day.error;
  // A file that cannot be read may still hold the day: it is shown empty and read-only, so
  // nothing typed could be saved over it, and the person is told why.
  SetFieldsReadOnly(day.error.has_value());
  ShowDayAsStored(day);
  WatchFiles();
  if (day.error) ReportFileError(*day.error);
}

std::vector<QLineEdit*> CVesmiraView::InputFields() const {
  std::vector<QLineEdit*> inputs(m_form.mealEdits.begin(), m_form.mealEdits.end());
  inputs.insert(inputs.end(), m_form.minutesEdits.begin(), m_form.minutesEdits.end());
  inputs.push_back(m_form.otherKcalEdit);
  return inputs;
}

void CVesmiraView::ShowDayEntries(const DayEntries& entries) {
  const bool wasShowing = std::exchange(m_showingDay, true);
  // The weight first, in the unit of the settings the day is shown with.
  m_weightField->Show(entries.vikt, m_settings.UsesKilograms(), entries.unreadVikt);
  // Every value is one line, whatever the file held: a lone line end shows as empty.
  for (std::size_t i = 0; i < kMealCount; ++i) {
    m_form.mealEdits[i]->setText(WithoutLineBreaks(FromStoredBytes(entries.meals[i])));
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    m_form.minutesEdits[i]->setText(WithoutLineBreaks(FromStoredBytes(entries.minutes[i])));
  }
  m_form.otherKcalEdit->setText(WithoutLineBreaks(FromStoredBytes(entries.ovrigForbrukning)));
  // A note too long to lay out is shown for reading and stored as it was read.
  NoteDisplay note = NoteForDisplay(entries.diaryNote);
  m_noteAsStored.reset();
  if (!note.editable) m_noteAsStored = entries.diaryNote;
  m_form.noteEdit->setPlainText(FromStoredBytes(note.shown));
  m_form.noteEdit->setReadOnly(!note.editable || m_unreadableDay || IsReadOnlyDiary());
  // A field set to the text it already holds reports no change, yet the settings may be
  // another user's: the balance is computed once more for the day as loaded.
  UpdateBalance();
  m_showingDay = wasShowing;
}

void CVesmiraView::LoadUserList() {
  // What was typed is stored before another day replaces it. The list is rebuilt even when
  // that fails, as it must show the users folder as it now is, but a day that could not be
  // stored (reported) stays on the form with its user chosen in the list. A day with no
  // typing waiting is not stored, and nothing at all of a user just removed: storing its day
  // would make its folder again.
  const UserListScan scan = ScanUserList(m_dataFolder);
  const bool removed =
      m_dayLoaded && !scan.error &&
      std::find(scan.names.begin(), scan.names.end(), m_currentUser) == scan.names.end();
  if (removed) ForgetShownDay();
  const bool saved = !HasDayToStore() || !HasUnsavedChanges() || SaveDay();
  m_form.userCombo->clear();
  if (scan.error) {
    ReportFileError(*scan.error);
    return;
  }
  for (const std::string& name : scan.names) {
    m_form.userCombo->addItem(FromStoredBytes(name),
                              QByteArray(name.data(), static_cast<qsizetype>(name.size())));
  }
  SetDayEditable(m_form.userCombo->count() > 0);
  if (m_form.userCombo->count() == 0) return;
  if (!saved) {
    ShowCurrentUserInList();
    return;
  }
  m_form.userCombo->setCurrentIndex(0);
  TakeListedUser();
  m_form.weightCaptionLabel->setText(FromStoredBytes(WeightCaption(m_settings)));
}

void CVesmiraView::ForgetShownDay() {
  StopSaveTimers();
  m_saver->Finish();
  m_pending.reset();
  m_question->Clear();
  m_dayLoaded = false;
  m_currentUser.clear();
  m_storedChangeCount = m_changeCount;
  emit currentUserChanged(QString());
}

void CVesmiraView::TakeListedUser() {
  m_currentUser = ListedUserName();
  emit currentUserChanged(FromStoredBytes(m_currentUser));
  LoadProperties();
  LoadDay();
}

void CVesmiraView::LoadProperties() {
  const std::filesystem::path file = PropertiesFilePath(m_dataFolder, m_currentUser);
  m_propertiesIdentity = ReadFileIdentity(file);
  const StoredProperties stored = ReadStoredProperties(file);
  // Settings that are there but cannot be read are named with their cause; the Properties
  // dialog's Save will not write over them either.
  if (stored.error) {
    ReportFileError(*stored.error);
    return;
  }
  const std::optional<UserSettings>& settings = stored.settings;
  if (!settings) {
    m_prompts.ShowMessage(this, QStringLiteral("Could not open properties file."),
                          Prompts::Icon::kNone);
    return;
  }
  m_settings = *settings;
}

bool CVesmiraView::FinalSave() {
  if (m_finalSaveDone || !HasDayToStore()) return true;
  if (const std::optional<FileError> error = StoreShownDay()) {
    const QString text = FromStoredBytes(FileErrorMessage(*error)) +
                         QStringLiteral("\n\nClose anyway? The day shown will not be saved.");
    if (m_prompts.ShowMessage(this, text, Prompts::Icon::kStop, Prompts::Buttons::kYesNo) !=
        Prompts::Answer::kYes) {
      return false;
    }
  }
  m_finalSaveDone = true;
  return true;
}

void CVesmiraView::closeEvent(QCloseEvent* event) {
  // As a window of its own (in a frame the frame asks), the form saves when it closes.
  if (isWindow() && !FinalSave()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void CVesmiraView::OnDateChanged() {
  if (!SaveDay()) {
    // The day being left stays on the form, so nothing typed is lost.
    const QSignalBlocker blocker(m_form.dateEdit);
    m_form.dateEdit->setDate(ToQDate(m_currentDate));
    return;
  }
  LoadDay();
}

void CVesmiraView::OnUserActivated(int index) {
  const std::string chosen =
      m_form.userCombo->itemData(index, kUserBytesRole).toByteArray().toStdString();
  if (m_dayLoaded && chosen == m_currentUser) return;
  if (!SaveDay()) {
    ShowCurrentUserInList();
    return;
  }
  ClearTheoreticalResult();
  TakeListedUser();
}

void CVesmiraView::ShowCurrentUserInList() {
  const QSignalBlocker blocker(m_form.userCombo);
  m_form.userCombo->setCurrentIndex(m_form.userCombo->findData(
      QByteArray(m_currentUser.data(), static_cast<qsizetype>(m_currentUser.size())),
      kUserBytesRole));
}

void CVesmiraView::OnSaveAndClose() {
  if (!SaveDay()) return;
  window()->close();
}

void CVesmiraView::ShowResultColumn(std::size_t period, const ResultColumn& column) {
  m_form.kcalChangeEdits[period]->setText(FromStoredBytes(column.kcalChange));
  m_form.weightChangeEdits[period]->setText(FromStoredBytes(column.weightChange));
  SetBackground(m_form.weightChangeEdits[period], column.weightColour);
  m_form.trainingKcalEdits[period]->setText(FromStoredBytes(column.training));
}

void CVesmiraView::ShowTheoreticalResult(const TheoreticalResult& result) {
  const std::array<const ResultColumn*, kResultPeriodCount> columns{&result.day, &result.week,
                                                                    &result.month, &result.year};
  for (std::size_t p = 0; p < kResultPeriodCount; ++p) ShowResultColumn(p, *columns[p]);
  const std::array<const MeasuredColumn*, kMeasuredPeriodCount> measured{
      &result.measuredWeek, &result.measuredMonth, &result.measuredYear};
  for (std::size_t p = 0; p < kMeasuredPeriodCount; ++p) {
    m_form.trendChangeEdits[p]->setText(FromStoredBytes(measured[p]->trendChange));
    SetBackground(m_form.trendChangeEdits[p], measured[p]->trendColour);
    m_form.realConsumptionEdits[p]->setText(FromStoredBytes(measured[p]->realConsumption));
  }
}

void CVesmiraView::ClearTheoreticalResult() {
  for (std::size_t p = 0; p < kResultPeriodCount; ++p) {
    m_form.kcalChangeEdits[p]->clear();
    m_form.weightChangeEdits[p]->clear();
    m_form.trainingKcalEdits[p]->clear();
  }
  for (std::size_t p = 0; p < kMeasuredPeriodCount; ++p) {
    m_form.trendChangeEdits[p]->clear();
    m_form.realConsumptionEdits[p]->clear();
  }
}

std::filesystem::path CVesmiraView::ShownDayPath() const {
  return DayFilePath(m_dataFolder, m_currentUser, DateText(m_currentDate));
}

std::string CVesmiraView::ShownDayBytes() const {
  return DayFileBytes(CurrentEntries(), ToStoredBytes(EnergyInText()),
                      ToStoredBytes(TrainingText()));
}

void CVesmiraView::OnDayEdited() {
  if (m_showingDay || !m_dayLoaded) return;
  ++m_changeCount;
  m_idleSaveTimer->start();
  if (!m_longestSaveTimer->isActive()) m_longestSaveTimer->start();
}

void CVesmiraView::StopSaveTimers() {
  m_idleSaveTimer->stop();
  m_longestSaveTimer->stop();
  m_saveAgain = false;
}

bool CVesmiraView::IsSavingInBackground() const { return m_saver->IsBusy(); }

void CVesmiraView::SetBeforeBackgroundWrite(std::function<void()> hook) {
  m_saver->SetBeforeWrite(std::move(hook));
}

void CVesmiraView::SaveTypingNow() {
  if (!m_dayLoaded || m_resolving || m_closing || m_storing || !HasUnsavedChanges()) return;
  if (m_saver->IsBusy()) {
    // One save at a time, each knowing the version it replaces: the next follows this one.
    m_saveAgain = true;
    return;
  }
  m_idleSaveTimer->stop();
  m_longestSaveTimer->stop();
  // While the question waits, the typing goes on into its copy, never over the day.
  if (m_pending) {
    m_saver->Start({m_pending->copy, ShownDayBytes(), m_pending->copyIdentity, m_changeCount});
    return;
  }
  m_saver->Start({ShownDayPath(), ShownDayBytes(), m_dayIdentity, m_changeCount});
}

void CVesmiraView::OnBackgroundSaveDone(const std::string& path, std::uint64_t changeCount,
                                        const std::string& bytes, const StoreResult& result) {
  if (m_pending && path == m_pending->copy.native()) {
    if (!result.write.error && !result.changedOnDisk) {
      m_pending->copyIdentity = result.write.identity;
      m_storedChangeCount = changeCount;
    }
    emit backgroundSaveFinished();
    if (!m_closing && !m_storing && std::exchange(m_saveAgain, false) && HasUnsavedChanges()) {
      SaveTypingNow();
    }
    return;
  }
  // Every save of a day ends before the form leaves it, so this is the day shown.
  if (path != ShownDayPath().native()) return;
  const bool again = std::exchange(m_saveAgain, false);
  std::optional<FileError> error = result.write.error;
  bool resolved = false;
  if (result.changedOnDisk) {
    if (!m_closing) error = ResolveChangeOnDisk();
    resolved = !m_closing && !error;
  } else if (!error) {
    m_dayIdentity = result.write.identity;
    m_dayBytes = bytes;
    m_storedChangeCount = changeCount;
    if (std::exchange(m_saveFailureReported, false) && !m_question->IsAsking()) {
      m_question->Clear();
    }
    if (result.otherKept) TellOtherVersionKept(*result.otherKept);
  }
  // Shown over the form, not in a box that would take the keys typed meanwhile, and until a
  // save succeeds; closing asks.
  if (error && !m_closing && !m_question->IsAsking()) {
    m_saveFailureReported = true;
    m_question->Tell(FromStoredBytes(FileErrorMessage(*error)));
  }
  emit backgroundSaveFinished();
  // A store that waits for this save writes the day itself, once: no second save starts.
  if (m_closing || m_storing) return;
  if ((again || resolved) && HasUnsavedChanges()) SaveTypingNow();
  // A change on disk reported while the save ran is looked at now.
  CheckFilesOnDisk();
}

std::optional<FileError> CVesmiraView::StoreShownDay() {
  // The save in flight ends first and starts none after it; then this store writes, alone.
  const bool wasStoring = std::exchange(m_storing, true);
  StopSaveTimers();
  m_saver->Finish();
  m_storing = wasStoring;
  if (m_pending) {
    // The question is still open: the typing is kept in its copy, the day as it is on disk.
    const std::uint64_t changeCount = m_changeCount;
    if (std::optional<FileError> error = AtomicWriteFile(m_pending->copy, ShownDayBytes())) {
      return error;
    }
    m_storedChangeCount = changeCount;
    return std::nullopt;
  }
  // A change on disk is resolved, then the day stored over the version now known; a second
  // change meanwhile is resolved once more.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::uint64_t changeCount = m_changeCount;
    const std::string bytes = ShownDayBytes();
    const StoreResult result = StoreDayFile(ShownDayPath(), bytes, m_dayIdentity);
    if (result.changedOnDisk) {
      if (std::optional<FileError> error = ResolveChangeOnDisk()) return error;
      if (!HasDayToStore()) return std::nullopt;
      continue;
    }
    if (result.write.error) return result.write.error;
    m_dayIdentity = result.write.identity;
    m_dayBytes = bytes;
    m_storedChangeCount = changeCount;
    m_saveFailureReported = false;
    if (result.otherKept) TellOtherVersionKept(*result.otherKept);
    return std::nullopt;
  }
  // Another program keeps changing the day: what was typed goes beside it, not over it.
  const KeptCopy copy = KeepConflictCopy(ShownDayPath(), ConflictStampNow(), ShownDayBytes());
  if (copy.error) return copy.error;
  return FileError{FileErrorCause::kKeptBeside, ShownDayPath()};
}

CVesmiraView::DiskDay CVesmiraView::ReadShownDayFromDisk() const {
  DiskDay day;
  const FileSnapshot snapshot = ReadFileSnapshot(ShownDayPath());
  day.identity = snapshot.identity;
  day.bytes = snapshot.bytes;
  day.error = snapshot.error;
  if (day.identity.exists) {
    StoredDay stored = ReadStoredDay(ShownDayPath());
    day.entries = std::move(stored.entries);
    day.error = std::move(stored.error);
  }
  return day;
}

void CVesmiraView::ShowDayAsStored(const DiskDay& day) {
  ShowDayEntries(day.entries ? *day.entries : DayEntries::ForMissingDay());
  m_dayIdentity = day.identity;
  m_dayBytes = day.bytes.value_or(std::string());
  m_storedChangeCount = m_changeCount;
}

std::optional<FileError> CVesmiraView::ResolveChangeOnDisk() {
  // Asked already: the day on disk waits for the answer, the typing goes to the copy.
  if (m_resolving || !m_dayLoaded || m_pending) return std::nullopt;
  const DiskDay disk = ReadShownDayFromDisk();
  if (disk.identity == m_dayIdentity) return std::nullopt;
  // A change on disk is a change of bytes: a file touched, or written again as it was, is
  // the version known.
  if (disk.bytes && !disk.error && *disk.bytes == m_dayBytes &&
      disk.identity.exists == !m_dayBytes.empty()) {
    m_dayIdentity = disk.identity;
    return std::nullopt;
  }
  // A version that cannot be read is never written over: the day turns read-only, as one
  // found so when shown, and what was typed goes beside it.
  if (disk.identity.exists && (disk.error || !disk.entries)) {
    const FileError cause =
        disk.error.value_or(FileError{FileErrorCause::kNotUnderstood, ShownDayPath()});
    if (HasUnsavedChanges()) {
      static_cast<void>(KeepConflictCopy(ShownDayPath(), ConflictStampNow(), ShownDayBytes()));
    }
    m_unreadableDay = cause;
    SetFieldsReadOnly(true);
    m_storedChangeCount = m_changeCount;
    return cause;
  }
  if (!HasUnsavedChanges()) {
    // Nothing typed is waiting: the form shows the day as it now is.
    ShowDayAsStored(disk);
    WatchFiles();
    return std::nullopt;
  }
  // The typing goes beside the day at once, so that nothing is lost however the program
  // ends while the question waits; the day on disk stays as it is until the person chooses.
  const KeptCopy copy = KeepConflictCopy(ShownDayPath(), ConflictStampNow(), ShownDayBytes());
  if (copy.error) return copy.error;
  m_pending = PendingChoice{copy.path, ReadFileIdentity(copy.path)};
  m_storedChangeCount = m_changeCount;
  m_question->Ask(ShownDayWords() +
                  QStringLiteral(" was changed by another program while you were typing.\n\n"
                                 "Keep what you typed, or use the version on disk? The other "
                                 "version is kept beside the day as %1.")
                      .arg(QFile::decodeName(copy.path.filename().c_str())));
  WatchFiles();
  return std::nullopt;
}

QString CVesmiraView::ShownDayWords() const {
  const QString day =
      QLocale(QLocale::English, QLocale::UnitedStates)
          .toString(QDate(m_currentDate.year, m_currentDate.month, m_currentDate.day),
                    QStringLiteral("d MMMM yyyy"));
  return QStringLiteral("The diary of %1 for %2").arg(FromStoredBytes(m_currentUser), day);
}

void CVesmiraView::TellOtherVersionKept(const std::filesystem::path& copy) {
  if (m_question->IsAsking()) return;
  m_question->Tell(ShownDayWords() +
                   QStringLiteral(" was changed by another program while it was being saved. "
                                  "That version is kept beside the day as %1.")
                       .arg(QFile::decodeName(copy.filename().c_str())));
}

void CVesmiraView::OnKeepMyTyping() {
  if (!m_pending) return;
  // The version on disk takes the copy's place; the typing is stored over the day.
  const DiskDay disk = ReadShownDayFromDisk();
  const std::filesystem::path copy = m_pending->copy;
  if (const std::optional<FileError> error =
          AtomicWriteFile(copy, disk.bytes.value_or(std::string()))) {
    m_question->Tell(FromStoredBytes(FileErrorMessage(*error)));
    return;
  }
  m_pending.reset();
  m_question->Clear();
  m_dayIdentity = disk.identity;
  m_dayBytes = disk.bytes.value_or(std::string());
  ++m_changeCount;  // the typing is to be stored again, now over the day
  SaveTypingNow();
}

void CVesmiraView::OnUseVersionOnDisk() {
  if (!m_pending) return;
  // The copy holds the typing, also what was typed since the question came.
  if (HasUnsavedChanges()) {
    if (const std::optional<FileError> error = StoreShownDay()) {
      m_question->Tell(FromStoredBytes(FileErrorMessage(*error)));
      return;
    }
  }
  m_pending.reset();
  m_question->Clear();
  ShowDayAsStored(ReadShownDayFromDisk());
  WatchFiles();
}

void CVesmiraView::CheckFilesOnDisk() {
  if (m_resolving || m_closing) return;
  // The save that runs changes the file itself: it is looked at when the save has ended.
  if (m_saver->IsBusy()) return;
  if (m_dayLoaded && ReadFileIdentity(ShownDayPath()) != m_dayIdentity) {
    if (const std::optional<FileError> error = ResolveChangeOnDisk();
        error && !m_saveFailureReported) {
      m_saveFailureReported = true;
      m_question->Tell(FromStoredBytes(FileErrorMessage(*error)));
    }
  }
  ReloadChangedProperties();
  WatchFiles();
}

void CVesmiraView::ReloadChangedProperties() {
  if (m_form.userCombo->count() == 0 || m_currentUser != ListedUserName()) return;
  const std::filesystem::path file = PropertiesFilePath(m_dataFolder, m_currentUser);
  const FileIdentity identity = ReadFileIdentity(file);
  if (identity == m_propertiesIdentity) return;
  m_propertiesIdentity = identity;
  // The settings have no typing of their own on the form: the new ones are taken as they are.
  if (const std::optional<UserSettings> settings = ReadProperties(file)) {
    m_settings = *settings;
    UpdateBalance();
  }
}

void CVesmiraView::WatchFiles() {
  // A file replaced by a rename is no longer watched under its name: the watch is made anew.
  if (const QStringList watched = m_watcher->files() + m_watcher->directories();
      !watched.isEmpty()) {
    m_watcher->removePaths(watched);
  }
  QStringList paths;
  const auto add = [&paths](const std::filesystem::path& path) {
    if (std::filesystem::exists(path)) paths.append(QFile::decodeName(path.c_str()));
  };
  add(UsersFolder(m_dataFolder));
  if (!m_currentUser.empty()) add(PropertiesFilePath(m_dataFolder, m_currentUser));
  if (m_dayLoaded) {
    add(ShownDayPath());
    add(ShownDayPath().parent_path());
  }
  paths.removeDuplicates();
  if (!paths.isEmpty()) m_watcher->addPaths(paths);
}

void CVesmiraView::SetDayEditable(bool editable) {
  std::vector<QWidget*> fields(m_form.mealEdits.begin(), m_form.mealEdits.end());
  fields.insert(fields.end(), m_form.minutesEdits.begin(), m_form.minutesEdits.end());
  fields.push_back(m_form.otherKcalEdit);
  fields.push_back(m_form.weightEdit);
  fields.push_back(m_form.noteEdit);
  for (QWidget* field : fields) field->setEnabled(editable);
  m_form.noteEdit->setPlaceholderText(
      editable ? QString()
               : QStringLiteral("Welcome to Vesmira. Your diary has no user yet: choose "
                                "Tools > Users, type your name and press Add. Then the day "
                                "is yours to fill in."));
}

std::string CVesmiraView::ListedUserName() const {
  if (m_form.userCombo->currentIndex() < 0) return {};
  return m_form.userCombo->currentData(kUserBytesRole).toByteArray().toStdString();
}

CalendarDate CVesmiraView::ShownDate() const { return FromQDate(m_form.dateEdit->date()); }

DayEntries CVesmiraView::CurrentFigureEntries() const {
  DayEntries entries;
  for (std::size_t i = 0; i < kMealCount; ++i) {
    entries.meals[i] = ToStoredBytes(m_form.mealEdits[i]->text());
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    entries.minutes[i] = ToStoredBytes(m_form.minutesEdits[i]->text());
  }
  entries.ovrigForbrukning = ToStoredBytes(m_form.otherKcalEdit->text());
  return entries;
}

DayEntries CVesmiraView::CurrentEntries() const {
  DayEntries entries = CurrentFigureEntries();
  // The raw text keeps no-break spaces; only the paragraph separators become line breaks.
  QString note = m_form.noteEdit->document()->toRawText();
  note.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
  note.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
  entries.diaryNote = m_noteAsStored ? *m_noteAsStored : ToStoredBytes(note);
  entries.vikt = m_weightField->Kept();
  entries.unreadVikt = m_weightField->KeptUnread();
  return entries;
}

QString CVesmiraView::EnergyInText() const { return m_form.energyInEdit->text(); }
QString CVesmiraView::TrainingText() const { return m_form.trainingEdit->text(); }

void CVesmiraView::ReportFileError(const FileError& error) {
  m_prompts.ShowMessage(this, FromStoredBytes(FileErrorMessage(error)), Prompts::Icon::kStop);
}

void CVesmiraView::connectNotify(const QMetaMethod& signal) {
  const std::array<std::pair<QMetaMethod, QAbstractButton*>, 6> served{{
      {QMetaMethod::fromSignal(&CVesmiraView::calculateRequested), m_form.calculateButton},
      {QMetaMethod::fromSignal(&CVesmiraView::calorieGraphRequested), m_form.calorieGraphButton},
      {QMetaMethod::fromSignal(&CVesmiraView::trainingGraphRequested), m_form.trainingGraphButton},
      {QMetaMethod::fromSignal(&CVesmiraView::weightGraphRequested), m_form.weightGraphButton},
      {QMetaMethod::fromSignal(&CVesmiraView::propertiesRequested), m_form.propertiesButton},
      {QMetaMethod::fromSignal(&CVesmiraView::homepageRequested), m_form.homepageButton},
  }};
  for (const auto& [method, button] : served) {
    if (signal == method) button->setEnabled(true);
  }
  QWidget::connectNotify(signal);
}

}  // namespace vesmira
