#include "diary/ui/vesmira_view.h"

#include <QByteArray>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QToolButton>
#include <system_error>
#include <utility>
#include <vector>

#include "diary/weighing.h"
#include "periods/theoretical_result.h"
#include "periods/weight_trend.h"
#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/data_paths.h"
#include "storage/file_error.h"
#include "storage/number_text.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

void SetBackground(QLineEdit* field, Rgb colour) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, ToQColor(colour));
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
  m_form = BuildDiaryForm(*this);
  ConnectEvents();
  StartForm();
}

CVesmiraView::~CVesmiraView() {
  // A window closed through its frame has saved already; any other end still keeps the day.
  // Nothing can be shown any more, so a failure here goes unreported.
  if (m_dayLoaded && !m_finalSaveDone) static_cast<void>(WriteShownDay());
}

void CVesmiraView::ConnectEvents() {
  std::vector<QLineEdit*> inputs(m_form.mealEdits.begin(), m_form.mealEdits.end());
  inputs.insert(inputs.end(), m_form.minutesEdits.begin(), m_form.minutesEdits.end());
  inputs.push_back(m_form.otherKcalEdit);
  for (QLineEdit* input : inputs) {
    KeepOnOneLine(input);
    connect(input, &QLineEdit::textChanged, this, [this] { UpdateBalance(); });
  }
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
  std::error_code ignored;
  std::filesystem::create_directories(UsersFolder(m_dataFolder), ignored);
  LoadUserList();
}

void CVesmiraView::UpdateBalance() {
  const DayBalance balance = ComputeDayBalance(CurrentEntries().Figures(), m_settings);
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
  if (kilograms == m_weightShownInKilograms) return;
  // The unit changed under a weight on the form: the same weight, shown in the new unit.
  const std::optional<double> weighing = ShownWeighing();
  m_weightShownInKilograms = kilograms;
  m_form.weightUnitLabel->setText(FromStoredBytes(WeightUnitName(kilograms)));
  if (weighing) ShowWeighing(weighing);
}

void CVesmiraView::ShowWeighing(std::optional<double> kilograms) {
  m_weightText =
      kilograms ? FromStoredBytes(FormatWeighing(*kilograms, m_weightShownInKilograms)) : QString();
  m_weightKilograms = kilograms;
  m_form.weightEdit->setText(m_weightText);
}

std::optional<double> CVesmiraView::ShownWeighing() const {
  // A weight shown and not typed over keeps its every decimal, in whatever unit it is shown.
  const QString text = m_form.weightEdit->text();
  if (text == m_weightText) return m_weightKilograms;
  return WeighingFromTyped(ToStoredBytes(text), m_weightShownInKilograms);
}

bool CVesmiraView::SaveDay() {
  if (!m_dayLoaded) return true;
  if (const std::optional<FileError> error = WriteShownDay()) {
    ReportFileError(*error);
    return false;
  }
  return true;
}

void CVesmiraView::LoadDay() {
  m_currentDate = ShownDate();
  const std::optional<DayEntries> entries =
      ReadDayFile(DayFilePath(m_dataFolder, m_currentUser, DateText(m_currentDate)));
  m_dayLoaded = true;
  m_finalSaveDone = false;
  ShowDayEntries(entries ? *entries : DayEntries::ForMissingDay());
}

void CVesmiraView::ShowDayEntries(const DayEntries& entries) {
  // The weight first, in the unit of the settings the day is shown with.
  m_weightShownInKilograms = m_settings.UsesKilograms();
  m_form.weightUnitLabel->setText(FromStoredBytes(WeightUnitName(m_weightShownInKilograms)));
  ShowWeighing(entries.vikt);
  for (std::size_t i = 0; i < kMealCount; ++i) {
    m_form.mealEdits[i]->setText(FromStoredBytes(entries.meals[i]));
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    m_form.minutesEdits[i]->setText(FromStoredBytes(entries.minutes[i]));
  }
  m_form.otherKcalEdit->setText(FromStoredBytes(entries.ovrigForbrukning));
  m_form.noteEdit->setPlainText(FromStoredBytes(entries.diaryNote));
  // A field set to the text it already holds reports no change, yet the settings may be
  // another user's: the balance is computed once more for the day as loaded.
  UpdateBalance();
}

void CVesmiraView::LoadUserList() {
  // What was typed is stored before another day replaces it. The list is rebuilt even when
  // that fails, as it must show the users folder as it now is, but a day that could not be
  // stored (reported) stays on the form with its user chosen in the list.
  const bool saved = SaveDay();
  m_form.userCombo->clear();
  const UserListScan scan = ScanUserList(m_dataFolder);
  if (scan.renameError) {
    ReportFileError(*scan.renameError);
    return;
  }
  for (const std::string& name : scan.names) {
    m_form.userCombo->addItem(FromStoredBytes(name),
                              QByteArray(name.data(), static_cast<qsizetype>(name.size())));
  }
  if (m_form.userCombo->count() == 0) return;
  if (!saved) {
    ShowCurrentUserInList();
    return;
  }
  m_form.userCombo->setCurrentIndex(0);
  TakeListedUser();
  m_form.weightCaptionLabel->setText(FromStoredBytes(WeightCaption(m_settings)));
}

void CVesmiraView::TakeListedUser() {
  m_currentUser = ListedUserName();
  emit currentUserChanged(FromStoredBytes(m_currentUser));
  LoadProperties();
  LoadDay();
}

void CVesmiraView::LoadProperties() {
  const std::optional<UserSettings> settings =
      ReadProperties(PropertiesFilePath(m_dataFolder, m_currentUser));
  if (!settings) {
    m_prompts.ShowMessage(this, QStringLiteral("Could not open properties file."),
                          Prompts::Icon::kNone);
    return;
  }
  m_settings = *settings;
}

bool CVesmiraView::FinalSave() {
  if (m_finalSaveDone || !m_dayLoaded) return true;
  if (const std::optional<FileError> error = WriteShownDay()) {
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

std::optional<FileError> CVesmiraView::WriteShownDay() const {
  return WriteDayFile(DayFilePath(m_dataFolder, m_currentUser, DateText(m_currentDate)),
                      CurrentEntries(), ToStoredBytes(EnergyInText()),
                      ToStoredBytes(TrainingText()));
}

std::string CVesmiraView::ListedUserName() const {
  if (m_form.userCombo->currentIndex() < 0) return {};
  return m_form.userCombo->currentData(kUserBytesRole).toByteArray().toStdString();
}

CalendarDate CVesmiraView::ShownDate() const { return FromQDate(m_form.dateEdit->date()); }

DayEntries CVesmiraView::CurrentEntries() const {
  DayEntries entries;
  for (std::size_t i = 0; i < kMealCount; ++i) {
    entries.meals[i] = ToStoredBytes(m_form.mealEdits[i]->text());
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    entries.minutes[i] = ToStoredBytes(m_form.minutesEdits[i]->text());
  }
  entries.ovrigForbrukning = ToStoredBytes(m_form.otherKcalEdit->text());
  // The raw text keeps no-break spaces; only the paragraph separators become line breaks.
  QString note = m_form.noteEdit->document()->toRawText();
  note.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
  note.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
  entries.diaryNote = ToStoredBytes(note);
  entries.vikt = ShownWeighing();
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
