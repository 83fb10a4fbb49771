#include "diary/ui/vesmira_view.h"

#include <QByteArray>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFile>
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
#include <QToolButton>
#include <QVBoxLayout>
#include <system_error>
#include <utility>

#include "settings/properties_file.h"
#include "settings/users_folder.h"
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
  BuildForm();
  SetTabOrder();
  ConnectEvents();
  StartForm();
}

CVesmiraView::~CVesmiraView() {
  // A window closed through its frame has saved already; any other end still keeps the day.
  // Nothing can be shown any more, so a failure here goes unreported.
  if (m_dayLoaded && !m_finalSaveDone) static_cast<void>(WriteShownDay());
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
    connect(input, &QLineEdit::textChanged, this, [this] { UpdateBalance(); });
  }
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
  if (const std::optional<FileError> error = WriteShownDay()) {
    ReportFileError(*error);
    return false;
  }
  return true;
}

void CVesmiraView::LoadDay() {
  m_currentUser = ListedUserName();
  m_currentDate = ShownDate();
  m_currentDateText = DateText(m_currentDate);
  const std::optional<DayEntries> entries =
      ReadDayFile(DayFilePath(m_dataFolder, m_currentUser, m_currentDateText));
  m_dayLoaded = true;
  m_finalSaveDone = false;
  if (!entries) {
    ResetDayFields();
    return;
  }
  ShowDayEntries(*entries);
}

void CVesmiraView::ResetDayFields() { ShowDayEntries(DayEntries::Reset()); }

void CVesmiraView::ShowDayEntries(const DayEntries& entries) {
  for (std::size_t i = 0; i < kMealCount; ++i) {
    m_mealEdits[i]->setText(FromStoredBytes(entries.meals[i]));
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    m_minutesEdits[i]->setText(FromStoredBytes(entries.minutes[i]));
  }
  m_otherKcalEdit->setText(FromStoredBytes(entries.ovrigForbrukning));
  const std::string& note =
      entries.diaryNote.empty() ? std::string(kNotePlaceholder) : entries.diaryNote;
  m_noteEdit->setPlainText(FromStoredBytes(note));
  // A field set to the text it already holds reports no change, yet the settings may be
  // another user's: the balance is computed once more for the day as loaded.
  UpdateBalance();
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

std::optional<FileError> CVesmiraView::WriteShownDay() const {
  return WriteDayFile(DayFilePath(m_dataFolder, m_currentUser, m_currentDateText), CurrentEntries(),
                      ToStoredBytes(EnergyInText()), ToStoredBytes(TrainingText()));
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
