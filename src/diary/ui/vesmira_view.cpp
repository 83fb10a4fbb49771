#include "diary/ui/vesmira_view.h"

#include <QByteArray>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDateTime>
#include <QFile>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <sstream>
#include <system_error>
#include <utility>

#include "diary/ui/day_saver.h"

#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/atomic_file.h"
#include "storage/file_error.h"
#include "storage/number_text.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"
#include "ui/url_opener.h"

namespace vesmira {

namespace {

constexpr std::array<const char*, kTheoreticalPeriodCount> kPeriodNames{"Day", "Week", "Month",
                                                                        "Year"};

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "Ball game" -> "ballGame": the stem of a field's objectName.
QString CamelCase(std::string_view label) {
  QString stem;
  bool upper = false;
  for (const QChar c : FromView(label)) {
    if (c == QLatin1Char(' ')) {
      upper = true;
      continue;
    }
    stem.append(stem.isEmpty() ? c.toLower() : (upper ? c.toUpper() : c));
    upper = false;
  }
  return stem;
}

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

CalendarDate FromQDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }
QDate ToQDate(const CalendarDate& date) { return QDate(date.year, date.month, date.day); }

// The combo box keeps each user's name as the bytes of its file name, so a name that is
// not UTF-8 still addresses its own files.
constexpr int kUserBytesRole = Qt::UserRole;

}  // namespace

CVesmiraView::CVesmiraView(std::filesystem::path dataFolder, Prompts& prompts, UrlOpener& urlOpener,
                           TodayFunction today, QWidget* parent)
    : QWidget(parent),
      m_dataFolder(std::move(dataFolder)),
      m_prompts(prompts),
      m_urlOpener(urlOpener),
      m_today(today ? std::move(today) : TodayFunction(LocalToday)) {
  setObjectName(QStringLiteral("vesmiraView"));
  m_saver = new DaySaver(
      [this](const DaySaver::Job& job, const StoreResult& result) {
        OnBackgroundSaveDone(job.path.native(), job.generation, result);
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
  BuildForm();
  SetTabOrder();
  ConnectEvents();
  StartForm();
}

CVesmiraView::~CVesmiraView() {
  // A window closed through its frame has saved already; any other end still keeps the day.
  // Nothing can be shown any more, so a failure here goes unreported, and a version changed
  // on disk is not written over: what was typed goes beside it.
  m_closing = true;
  m_saver->Finish();
  if (!m_dayLoaded || m_finalSaveDone) return;
  const std::string bytes = ShownDayBytes();
  const StoreResult result = StoreDayFile(ShownDayPath(), bytes, m_dayIdentity);
  if (result.changedOnDisk && HasUnsavedChanges()) {
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    static_cast<void>(AtomicWriteFile(ConflictCopyPath(ShownDayPath(), stamp), bytes));
  }
}

void CVesmiraView::BuildForm() {
  const int digitWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12;
  const auto makeEdit = [&](const QString& name, const QString& accessibleName, int width) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->setFixedWidth(width);
    return edit;
  };
  const auto makeResult = [&](const QString& name, const QString& accessibleName, int width) {
    QLineEdit* edit = makeEdit(name, accessibleName, width);
    edit->setEnabled(false);
    // Greyed like every disabled field, yet the figures stay as legible as typed ones.
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     palette.color(QPalette::Active, QPalette::Text));
    edit->setPalette(palette);
    return edit;
  };
  const auto makeLabel = [&](const QString& text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text, this);
    if (buddy) label->setBuddy(buddy);
    return label;
  };

  // "Energy In (kcal)": the six meals.
  auto* mealsGroup = new QGroupBox(QStringLiteral("Energy In (kcal)"), this);
  mealsGroup->setObjectName(QStringLiteral("mealsGroup"));
  auto* mealsLayout = new QGridLayout(mealsGroup);
  for (std::size_t i = 0; i < kMealCount; ++i) {
    const QString accessible = FromView(kMeals[i].accessibleName);
    m_mealEdits[i] = makeEdit(CamelCase(kMeals[i].accessibleName) + QStringLiteral("Edit"),
                              accessible, digitWidth);
    const int row = static_cast<int>(i);
    mealsLayout->addWidget(makeLabel(FromView(kMeals[i].formLabel), m_mealEdits[i]), row, 0);
    mealsLayout->addWidget(m_mealEdits[i], row, 1);
  }

  m_homepageButton = new QToolButton(this);
  m_homepageButton->setObjectName(QStringLiteral("homepageButton"));
  m_homepageButton->setText(QStringLiteral("Homepage"));
  m_homepageButton->setAccessibleName(QStringLiteral("Homepage"));
  m_homepageButton->setAutoRaise(true);
  m_homepageButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  const QString picture = QStringLiteral(":/homepage.png");
  if (QFile::exists(picture)) {
    const QPixmap pixmap(picture);
    m_homepageButton->setIcon(pixmap);
    m_homepageButton->setIconSize(pixmap.size().scaled(120, 160, Qt::KeepAspectRatio));
    m_homepageButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
  } else {
    m_homepageButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }
  m_homepageButton->setEnabled(false);

  // "Training": minutes and the kcal they burn, then other consumption.
  auto* trainingGroup = new QGroupBox(QStringLiteral("Training"), this);
  trainingGroup->setObjectName(QStringLiteral("trainingGroup"));
  auto* trainingLayout = new QGridLayout(trainingGroup);
  trainingLayout->addWidget(makeLabel(QStringLiteral("Minutes")), 0, 1);
  trainingLayout->addWidget(makeLabel(QStringLiteral("kcal")), 0, 2);
  const int smallWidth = fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12;
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    const QString label = FromView(kActivities[i].formLabel);
    const QString stem = CamelCase(kActivities[i].formLabel);
    m_minutesEdits[i] = makeEdit(stem + QStringLiteral("MinutesEdit"),
                                 label + QStringLiteral(" minutes"), smallWidth);
    m_activityKcalEdits[i] =
        makeResult(stem + QStringLiteral("KcalEdit"), label + QStringLiteral(" kcal"), smallWidth);
    const int row = static_cast<int>(i) + 1;
    trainingLayout->addWidget(makeLabel(label, m_minutesEdits[i]), row, 0);
    trainingLayout->addWidget(m_minutesEdits[i], row, 1);
    trainingLayout->addWidget(m_activityKcalEdits[i], row, 2);
  }
  const QString otherLabel = FromView(kOtherConsumptionLabel);
  m_otherKcalEdit = makeEdit(QStringLiteral("otherKcalEdit"), otherLabel, smallWidth);
  const int otherRow = static_cast<int>(kActivityCount) + 1;
  trainingLayout->addWidget(makeLabel(otherLabel, m_otherKcalEdit), otherRow, 0, 1, 2);
  trainingLayout->addWidget(m_otherKcalEdit, otherRow, 2);

  // "Theoretical Result": three rows by four periods, the graph buttons, the period pair.
  auto* theoryGroup = new QGroupBox(QStringLiteral("Theoretical Result"), this);
  theoryGroup->setObjectName(QStringLiteral("theoreticalGroup"));
  auto* theoryLayout = new QGridLayout(theoryGroup);
  const int resultWidth = fontMetrics().horizontalAdvance(QStringLiteral("-0000.000000")) + 12;
  m_weightCaptionLabel = makeLabel(FromView(kWeightCaptionKg));
  m_weightCaptionLabel->setObjectName(QStringLiteral("weightCaptionLabel"));
  theoryLayout->addWidget(makeLabel(QStringLiteral("kcal change")), 1, 0);
  theoryLayout->addWidget(m_weightCaptionLabel, 2, 0);
  theoryLayout->addWidget(makeLabel(QStringLiteral("kcal consumed by training")), 3, 0);
  for (std::size_t p = 0; p < kTheoreticalPeriodCount; ++p) {
    const QString period = QString::fromLatin1(kPeriodNames[p]);
    const int column = static_cast<int>(p) + 1;
    theoryLayout->addWidget(makeLabel(period), 0, column, Qt::AlignHCenter);
    m_kcalChangeEdits[p] = makeResult(QStringLiteral("kcalChange%1Edit").arg(period),
                                      QStringLiteral("kcal change %1").arg(period), resultWidth);
    m_weightChangeEdits[p] = makeEdit(QStringLiteral("weightChange%1Edit").arg(period),
                                      QStringLiteral("Weight change %1").arg(period), resultWidth);
    m_weightChangeEdits[p]->setReadOnly(p != static_cast<std::size_t>(TheoreticalPeriod::kYear));
    m_trainingKcalEdits[p] =
        makeResult(QStringLiteral("trainingKcal%1Edit").arg(period),
                   QStringLiteral("kcal consumed by training %1").arg(period), resultWidth);
    theoryLayout->addWidget(m_kcalChangeEdits[p], 1, column);
    theoryLayout->addWidget(m_weightChangeEdits[p], 2, column);
    theoryLayout->addWidget(m_trainingKcalEdits[p], 3, column);
  }
  const auto makeButton = [&](const QString& name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
  };
  m_trainingGraphButton =
      makeButton(QStringLiteral("trainingGraphButton"), QStringLiteral("Training Graph"));
  m_calorieGraphButton =
      makeButton(QStringLiteral("calorieGraphButton"), QStringLiteral("Calorie Graph"));
  m_calculateButton = makeButton(QStringLiteral("calculateButton"), QStringLiteral("Calculate"));
  for (QPushButton* button : {m_trainingGraphButton, m_calorieGraphButton, m_calculateButton}) {
    button->setEnabled(false);
  }
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(m_trainingGraphButton);
  buttonRow->addWidget(m_calorieGraphButton);
  buttonRow->addWidget(m_calculateButton);
  theoryLayout->addLayout(buttonRow, 4, 1, 1, 4);
  m_monthlyRadio = new QRadioButton(QStringLiteral("Monthly graph"), this);
  m_monthlyRadio->setObjectName(QStringLiteral("monthlyRadio"));
  m_yearlyRadio = new QRadioButton(QStringLiteral("Yearly graph"), this);
  m_yearlyRadio->setObjectName(QStringLiteral("yearlyRadio"));
  auto* radioRow = new QHBoxLayout;
  radioRow->addWidget(m_monthlyRadio);
  radioRow->addWidget(m_yearlyRadio);
  radioRow->addStretch();
  theoryLayout->addLayout(radioRow, 5, 1, 1, 4);

  // "Result of the day".
  auto* resultGroup = new QGroupBox(QStringLiteral("Result of the day"), this);
  resultGroup->setObjectName(QStringLiteral("resultGroup"));
  auto* resultLayout = new QGridLayout(resultGroup);
  m_energyInEdit =
      makeResult(QStringLiteral("energyInEdit"), QStringLiteral("Energy In"), digitWidth);
  m_trainingEdit =
      makeResult(QStringLiteral("trainingEdit"), QStringLiteral("Training"), digitWidth);
  m_sumEdit = makeResult(QStringLiteral("sumEdit"), QStringLiteral("Sum"), digitWidth);
  m_targetEdit = makeResult(QStringLiteral("targetEdit"), QStringLiteral("Target"), digitWidth);
  m_kcalLeftEdit =
      makeEdit(QStringLiteral("kcalLeftEdit"), QStringLiteral("kcal left to use"), digitWidth);
  m_kcalLeftEdit->setReadOnly(true);
  m_normalConsumptionEdit = makeResult(QStringLiteral("normalConsumptionEdit"),
                                       QStringLiteral("Normal energy consumption"), digitWidth);
  const std::array<std::pair<QString, QLineEdit*>, 6> resultRows{{
      {QStringLiteral("Energy In"), m_energyInEdit},
      {QStringLiteral("Training"), m_trainingEdit},
      {QStringLiteral("Sum"), m_sumEdit},
      {QStringLiteral("Target"), m_targetEdit},
      {QStringLiteral("kcal left to use"), m_kcalLeftEdit},
      {QStringLiteral("Normal energy consumption"), m_normalConsumptionEdit},
  }};
  for (std::size_t i = 0; i < resultRows.size(); ++i) {
    const int row = static_cast<int>(i);
    QLabel* label = makeLabel(resultRows[i].first, resultRows[i].second);
    label->setWordWrap(true);
    resultLayout->addWidget(label, row, 0);
    resultLayout->addWidget(resultRows[i].second, row, 2);
  }
  resultLayout->addWidget(makeLabel(QStringLiteral("+")), 0, 1);
  resultLayout->addWidget(makeLabel(QStringLiteral("_")), 1, 1);

  // The right-hand column.
  m_propertiesButton = makeButton(QStringLiteral("propertiesButton"), QStringLiteral("Properties"));
  m_propertiesButton->setEnabled(false);
  m_dateEdit = new QDateEdit(this);
  m_dateEdit->setObjectName(QStringLiteral("dateEdit"));
  m_dateEdit->setAccessibleName(QStringLiteral("Date"));
  // The month's short name is English whatever the system's language.
  m_dateEdit->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  m_dateEdit->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
  m_dateEdit->setCalendarPopup(false);
  m_dateEdit->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  // A typed date counts when it is complete (Enter, Tab or an arrow), so the days that the
  // digits pass through on the way are not visited, saved and left as files.
  m_dateEdit->setKeyboardTracking(false);
  m_dateEdit->setDateRange(QDate(1000, 1, 1), QDate(9999, 12, 31));
  m_userCombo = new QComboBox(this);
  m_userCombo->setObjectName(QStringLiteral("userCombo"));
  m_userCombo->setAccessibleName(QStringLiteral("User"));
  m_userCombo->setEditable(false);
  m_userCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_userCombo->setMinimumContentsLength(10);
  m_saveCloseButton =
      makeButton(QStringLiteral("saveCloseButton"), QStringLiteral("Save && Close"));
  m_saveCloseButton->setAccessibleName(QStringLiteral("Save & Close"));
  auto* sideColumn = new QVBoxLayout;
  sideColumn->addWidget(m_propertiesButton);
  sideColumn->addWidget(m_dateEdit);
  sideColumn->addWidget(m_userCombo);
  sideColumn->addStretch();
  sideColumn->addWidget(m_saveCloseButton);

  // The diary note, full width at the bottom.
  m_noteEdit = new QPlainTextEdit(this);
  m_noteEdit->setObjectName(QStringLiteral("noteEdit"));
  m_noteEdit->setAccessibleName(QStringLiteral("Diary note"));
  m_noteEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_noteEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_noteEdit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Tab leaves the note, so the form can be worked from the keyboard alone.
  m_noteEdit->setTabChangesFocus(true);
  m_noteEdit->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);

  for (QLineEdit* field : {m_kcalLeftEdit, m_weightChangeEdits[0], m_weightChangeEdits[1],
                           m_weightChangeEdits[2], m_weightChangeEdits[3]}) {
    field->setAutoFillBackground(true);
  }

  auto* leftColumn = new QVBoxLayout;
  leftColumn->addWidget(mealsGroup);
  leftColumn->addWidget(m_homepageButton, 1);

  auto* lowerRight = new QHBoxLayout;
  lowerRight->addWidget(resultGroup);
  lowerRight->addLayout(sideColumn);
  lowerRight->addStretch();

  auto* rightColumn = new QVBoxLayout;
  rightColumn->addWidget(theoryGroup);
  rightColumn->addLayout(lowerRight, 1);

  auto* upper = new QHBoxLayout;
  upper->addLayout(leftColumn);
  upper->addWidget(trainingGroup);
  upper->addLayout(rightColumn);

  auto* formLayout = new QVBoxLayout(this);
  formLayout->addLayout(upper);
  formLayout->addWidget(m_noteEdit);
  formLayout->setSizeConstraint(QLayout::SetFixedSize);
}

// Rows top to bottom, groups left to right, the note last.
void CVesmiraView::SetTabOrder() {
  std::vector<QWidget*> order(m_mealEdits.begin(), m_mealEdits.end());
  order.push_back(m_homepageButton);
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    order.push_back(m_minutesEdits[i]);
    order.push_back(m_activityKcalEdits[i]);
  }
  order.push_back(m_otherKcalEdit);
  order.insert(order.end(), m_kcalChangeEdits.begin(), m_kcalChangeEdits.end());
  order.insert(order.end(), m_weightChangeEdits.begin(), m_weightChangeEdits.end());
  order.insert(order.end(), m_trainingKcalEdits.begin(), m_trainingKcalEdits.end());
  order.insert(order.end(), {m_trainingGraphButton, m_calorieGraphButton, m_calculateButton,
                             m_monthlyRadio, m_yearlyRadio});
  order.insert(order.end(), {m_energyInEdit, m_trainingEdit, m_sumEdit, m_targetEdit,
                             m_kcalLeftEdit, m_normalConsumptionEdit});
  order.insert(order.end(),
               {m_propertiesButton, m_dateEdit, m_userCombo, m_saveCloseButton, m_noteEdit});
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void CVesmiraView::ConnectEvents() {
  std::vector<QLineEdit*> inputs(m_mealEdits.begin(), m_mealEdits.end());
  inputs.insert(inputs.end(), m_minutesEdits.begin(), m_minutesEdits.end());
  inputs.push_back(m_otherKcalEdit);
  for (QLineEdit* input : inputs) {
    KeepOnOneLine(input);
    connect(input, &QLineEdit::textChanged, this, [this] {
      UpdateBalance();
      OnDayEdited();
    });
  }
  connect(m_noteEdit, &QPlainTextEdit::textChanged, this, [this] { OnDayEdited(); });
  connect(m_idleSaveTimer, &QTimer::timeout, this, [this] { SaveTypingNow(); });
  connect(m_longestSaveTimer, &QTimer::timeout, this, [this] { SaveTypingNow(); });
  connect(m_watcher, &QFileSystemWatcher::fileChanged, m_diskCheckTimer,
          qOverload<>(&QTimer::start));
  connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_diskCheckTimer,
          qOverload<>(&QTimer::start));
  connect(m_diskCheckTimer, &QTimer::timeout, this, [this] { CheckFilesOnDisk(); });
  connect(m_dateEdit, &QDateEdit::dateChanged, this, [this] { OnDateChanged(); });
  connect(m_userCombo, &QComboBox::activated, this, [this](int index) { OnUserActivated(index); });
  connect(m_monthlyRadio, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) m_series.span = kMonthSpan;
  });
  connect(m_yearlyRadio, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) m_series.span = kYearSpan;
  });
  connect(m_saveCloseButton, &QPushButton::clicked, this, [this] { OnSaveAndClose(); });
}

void CVesmiraView::StartForm() {
  m_monthlyRadio->setChecked(true);
  m_series.span = kMonthSpan;
  for (QLineEdit* field : {m_kcalLeftEdit, m_weightChangeEdits[0], m_weightChangeEdits[1],
                           m_weightChangeEdits[2], m_weightChangeEdits[3]}) {
    SetBackground(field, kGoodColour);
  }
  {
    const QSignalBlocker blocker(m_dateEdit);
    m_dateEdit->setDate(ToQDate(m_today()));
  }
  m_currentDate = ShownDate();
  m_currentDateText = DateText(m_currentDate);
  std::error_code ignored;
  std::filesystem::create_directories(UsersFolder(m_dataFolder), ignored);
  LoadUserList();
}

void CVesmiraView::UpdateBalance() {
  const DayBalance balance = ComputeDayBalance(CurrentEntries().Figures(), m_settings);
  m_weightCaptionLabel->setText(FromView(balance.weightCaption));
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    m_activityKcalEdits[i]->setText(FromView(FormatNumber(balance.activityKcal[i])));
  }
  m_energyInEdit->setText(FromView(FormatNumber(balance.energyIn)));
  m_trainingEdit->setText(FromView(FormatNumber(balance.training)));
  m_sumEdit->setText(FromView(FormatNumber(balance.sum)));
  m_targetEdit->setText(FromView(FormatNumber(balance.target)));
  m_kcalLeftEdit->setText(FromView(FormatNumber(balance.kcalLeft)));
  SetBackground(m_kcalLeftEdit, balance.kcalLeftColour);
  m_normalConsumptionEdit->setText(FromView(FormatNumber(balance.normalConsumption)));
}

bool CVesmiraView::SaveDay() {
  if (!m_dayLoaded) return true;
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
  m_currentUser = ListedUserName();
  m_currentDate = ShownDate();
  m_currentDateText = DateText(m_currentDate);
  m_dayLoaded = true;
  m_finalSaveDone = false;
  m_saveFailureReported = false;
  ShowDayAsStored(ReadShownDayFromDisk());
  WatchFiles();
}

void CVesmiraView::ResetDayFields() { ShowDayEntries(DayEntries::Reset()); }

void CVesmiraView::ShowDayEntries(const DayEntries& entries) {
  const bool wasShowing = std::exchange(m_showingDay, true);
  // Every value is one line, whatever the file held: a lone line end shows as empty.
  for (std::size_t i = 0; i < kMealCount; ++i) {
    m_mealEdits[i]->setText(WithoutLineBreaks(FromStoredBytes(entries.meals[i])));
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    m_minutesEdits[i]->setText(WithoutLineBreaks(FromStoredBytes(entries.minutes[i])));
  }
  m_otherKcalEdit->setText(WithoutLineBreaks(FromStoredBytes(entries.ovrigForbrukning)));
  const std::string& note =
      entries.diaryNote.empty() ? std::string(kNotePlaceholder) : entries.diaryNote;
  m_noteEdit->setPlainText(FromStoredBytes(note));
  // A field set to the text it already holds reports no change, yet the settings may be
  // another user's: the balance is computed once more for the day as loaded.
  UpdateBalance();
  m_showingDay = wasShowing;
}

void CVesmiraView::LoadUserList() {
  // What was typed is stored before another day replaces it. The list is rebuilt even when
  // that fails, as it must show the users folder as it now is, but a day that could not be
  // stored (reported) stays on the form with its user chosen in the list.
  const bool saved = SaveDay();
  m_userCombo->clear();
  const UserListScan scan = ScanUserList(m_dataFolder);
  if (scan.renameError) {
    ReportFileError(*scan.renameError);
    return;
  }
  for (const std::string& name : scan.names) {
    m_userCombo->addItem(FromStoredBytes(name),
                         QByteArray(name.data(), static_cast<qsizetype>(name.size())));
  }
  SetDayEditable(m_userCombo->count() > 0);
  if (m_userCombo->count() == 0) return;
  if (!saved) {
    ShowCurrentUserInList();
    return;
  }
  m_userCombo->setCurrentIndex(0);
  m_currentUser = ListedUserName();
  LoadProperties();
  LoadDay();
  m_weightCaptionLabel->setText(FromView(WeightCaption(m_settings)));
}

void CVesmiraView::LoadProperties() {
  m_currentUser = ListedUserName();
  emit currentUserChanged(FromStoredBytes(m_currentUser));
  const std::filesystem::path file = PropertiesFilePath(m_dataFolder, m_currentUser);
  m_propertiesIdentity = ReadFileIdentity(file);
  const std::optional<UserSettings> settings = ReadProperties(file);
  WatchFiles();
  if (!settings) {
    m_prompts.ShowMessage(this, QStringLiteral("Could not open properties file."),
                          Prompts::Icon::kNone);
    return;
  }
  m_settings = *settings;
}

bool CVesmiraView::FinalSave() {
  if (m_finalSaveDone || !m_dayLoaded) return true;
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
    const QSignalBlocker blocker(m_dateEdit);
    m_dateEdit->setDate(ToQDate(m_currentDate));
    return;
  }
  LoadDay();
}

void CVesmiraView::OnUserActivated(int index) {
  const std::string chosen =
      m_userCombo->itemData(index, kUserBytesRole).toByteArray().toStdString();
  if (m_dayLoaded && chosen == m_currentUser) return;
  if (!SaveDay()) {
    ShowCurrentUserInList();
    return;
  }
  ClearTheoreticalResult();
  LoadProperties();
  LoadDay();
}

void CVesmiraView::ShowCurrentUserInList() {
  const QSignalBlocker blocker(m_userCombo);
  m_userCombo->setCurrentIndex(m_userCombo->findData(
      QByteArray(m_currentUser.data(), static_cast<qsizetype>(m_currentUser.size())),
      kUserBytesRole));
}

void CVesmiraView::OnSaveAndClose() {
  if (!SaveDay()) return;
  window()->close();
}

void CVesmiraView::ShowTheoreticalColumn(TheoreticalPeriod period,
                                         const TheoreticalColumn& column) {
  const auto p = static_cast<std::size_t>(period);
  m_kcalChangeEdits[p]->setText(column.kcalChange);
  m_weightChangeEdits[p]->setText(column.weightChange);
  SetBackground(m_weightChangeEdits[p], column.weightColour);
  m_trainingKcalEdits[p]->setText(column.training);
}

void CVesmiraView::ShowTheoreticalResult(
    const std::array<TheoreticalColumn, kTheoreticalPeriodCount>& columns) {
  for (std::size_t p = 0; p < kTheoreticalPeriodCount; ++p) {
    ShowTheoreticalColumn(static_cast<TheoreticalPeriod>(p), columns[p]);
  }
}

void CVesmiraView::ClearTheoreticalResult() {
  for (std::size_t p = 0; p < kTheoreticalPeriodCount; ++p) {
    m_kcalChangeEdits[p]->clear();
    m_weightChangeEdits[p]->clear();
    m_trainingKcalEdits[p]->clear();
  }
}

std::filesystem::path CVesmiraView::ShownDayPath() const {
  return DayFilePath(m_dataFolder, m_currentUser, m_currentDateText);
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
  if (!m_dayLoaded || m_resolving || m_closing || !HasUnsavedChanges()) return;
  if (m_saver->IsBusy()) {
    // One save at a time, each knowing the version it replaces: the next follows this one.
    m_saveAgain = true;
    return;
  }
  m_idleSaveTimer->stop();
  m_longestSaveTimer->stop();
  m_saver->Start({ShownDayPath(), ShownDayBytes(), m_dayIdentity, m_changeCount});
}

void CVesmiraView::OnBackgroundSaveDone(const std::string& path, std::uint64_t changeCount,
                                        const StoreResult& result) {
  // Every save of a day ends before the form leaves it, so this is the day shown.
  if (path != ShownDayPath().native()) return;
  const bool again = std::exchange(m_saveAgain, false);
  if (result.changedOnDisk) {
    if (!m_closing) ResolveChangeOnDisk();
  } else if (result.write.error) {
    // Told once, not at every key: the next change tries again, and closing asks.
    if (!m_saveFailureReported && !m_closing) {
      m_saveFailureReported = true;
      ReportFileError(*result.write.error);
    }
  } else {
    m_dayIdentity = result.write.identity;
    m_storedChangeCount = changeCount;
    m_saveFailureReported = false;
  }
  emit backgroundSaveFinished();
  if (m_closing) return;
  if ((again || result.changedOnDisk) && HasUnsavedChanges()) SaveTypingNow();
  // A change on disk reported while the save ran is looked at now.
  CheckFilesOnDisk();
}

std::optional<FileError> CVesmiraView::StoreShownDay() {
  m_saver->Finish();
  StopSaveTimers();
  // A change on disk is resolved, then the day stored over the version now known; a second
  // change meanwhile is resolved once more.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::uint64_t changeCount = m_changeCount;
    const StoreResult result = StoreDayFile(ShownDayPath(), ShownDayBytes(), m_dayIdentity);
    if (result.changedOnDisk) {
      ResolveChangeOnDisk();
      continue;
    }
    if (result.write.error) return result.write.error;
    m_dayIdentity = result.write.identity;
    m_storedChangeCount = changeCount;
    m_saveFailureReported = false;
    return std::nullopt;
  }
  return FileError{FileErrorCause::kSharingViolation, ShownDayPath()};
}

CVesmiraView::DiskDay CVesmiraView::ReadShownDayFromDisk() const {
  DiskDay day;
  const FileSnapshot snapshot = ReadFileSnapshot(ShownDayPath());
  day.identity = snapshot.identity;
  day.bytes = snapshot.bytes;
  if (snapshot.bytes) {
    std::istringstream in(*snapshot.bytes);
    day.entries = ReadDayFile(in);
  }
  return day;
}

void CVesmiraView::ShowDayAsStored(const DiskDay& day) {
  if (day.entries) {
    ShowDayEntries(*day.entries);
  } else {
    ResetDayFields();
  }
  m_dayIdentity = day.identity;
  m_storedChangeCount = m_changeCount;
}

void CVesmiraView::ResolveChangeOnDisk() {
  if (m_resolving || !m_dayLoaded) return;
  const DiskDay disk = ReadShownDayFromDisk();
  if (disk.identity == m_dayIdentity) return;
  if (!HasUnsavedChanges()) {
    // Nothing typed is waiting: the form shows the day as it now is.
    ShowDayAsStored(disk);
    WatchFiles();
    return;
  }
  m_resolving = true;
  const QString copyStamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const std::filesystem::path copy = ConflictCopyPath(ShownDayPath(), copyStamp.toStdString());
  const QString day =
      QLocale(QLocale::English, QLocale::UnitedStates)
          .toString(QDate(m_currentDate.year, m_currentDate.month, m_currentDate.day),
                    QStringLiteral("d MMMM yyyy"));
  const QString text =
      QStringLiteral("The diary of %1 for %2 was changed by another program while you were "
                     "typing.\n\nKeep what you typed, or use the version on disk? The other "
                     "version is kept beside the day as %3.")
          .arg(FromStoredBytes(m_currentUser), day, QFile::decodeName(copy.filename().c_str()));
  const int choice = m_prompts.AskChoice(
      this, text, Prompts::Icon::kWarning,
      {QStringLiteral("Keep My Typing"), QStringLiteral("Use Version on Disk")});
  if (choice == 0) {
    // The version on disk goes beside the day; the next store writes the typing over it. A
    // file that cannot be read cannot be kept, so it is not written over either.
    std::optional<FileError> error;
    if (disk.bytes) {
      error = AtomicWriteFile(copy, *disk.bytes);
    } else if (disk.identity.exists) {
      error = FileError{FileErrorCause::kAccessDenied, ShownDayPath()};
    }
    if (error) {
      ReportFileError(*error);
    } else {
      m_dayIdentity = disk.identity;
    }
  } else if (const std::optional<FileError> error = AtomicWriteFile(copy, ShownDayBytes())) {
    // What was typed stays on the form until it is kept somewhere.
    ReportFileError(*error);
  } else {
    ShowDayAsStored(disk);
  }
  m_resolving = false;
  WatchFiles();
}

void CVesmiraView::CheckFilesOnDisk() {
  if (m_resolving || m_closing) return;
  // The save that runs changes the file itself: it is looked at when the save has ended.
  if (m_saver->IsBusy()) return;
  if (m_dayLoaded && ReadFileIdentity(ShownDayPath()) != m_dayIdentity) ResolveChangeOnDisk();
  ReloadChangedProperties();
  WatchFiles();
}

void CVesmiraView::ReloadChangedProperties() {
  if (m_userCombo->count() == 0 || m_currentUser != ListedUserName()) return;
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
  std::vector<QWidget*> fields(m_mealEdits.begin(), m_mealEdits.end());
  fields.insert(fields.end(), m_minutesEdits.begin(), m_minutesEdits.end());
  fields.push_back(m_otherKcalEdit);
  fields.push_back(m_noteEdit);
  for (QWidget* field : fields) field->setEnabled(editable);
  m_noteEdit->setPlaceholderText(
      editable ? QString()
               : QStringLiteral("Welcome to Vesmira. Your diary has no user yet: choose "
                                "Tools > Users, type your name and press Add. Then the day "
                                "is yours to fill in."));
}

std::string CVesmiraView::ListedUserName() const {
  if (m_userCombo->currentIndex() < 0) return {};
  return m_userCombo->currentData(kUserBytesRole).toByteArray().toStdString();
}

CalendarDate CVesmiraView::ShownDate() const { return FromQDate(m_dateEdit->date()); }

DayEntries CVesmiraView::CurrentEntries() const {
  DayEntries entries;
  for (std::size_t i = 0; i < kMealCount; ++i) {
    entries.meals[i] = ToStoredBytes(m_mealEdits[i]->text());
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    entries.minutes[i] = ToStoredBytes(m_minutesEdits[i]->text());
  }
  entries.ovrigForbrukning = ToStoredBytes(m_otherKcalEdit->text());
  // The raw text keeps no-break spaces; only the paragraph separators become line breaks.
  QString note = m_noteEdit->document()->toRawText();
  note.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
  note.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
  entries.diaryNote = ToStoredBytes(note);
  return entries;
}

QString CVesmiraView::EnergyInText() const { return m_energyInEdit->text(); }
QString CVesmiraView::TrainingText() const { return m_trainingEdit->text(); }

void CVesmiraView::ReportFileError(const FileError& error) {
  m_prompts.ShowMessage(this, FromStoredBytes(FileErrorMessage(error)), Prompts::Icon::kStop);
}

void CVesmiraView::SetBackground(QLineEdit* field, Rgb colour) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, ToQColor(colour));
  field->setPalette(palette);
}

}  // namespace vesmira
