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
#include "ui/language.h"
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

// The texts of the nineteen figure fields of entries, in the order of InputFields(): the
// meals, the minutes of each activity, the other consumption.
template <typename Entries>
auto FigureTexts(Entries& entries) {
  std::vector<decltype(&entries.ovrigForbrukning)> texts;
  for (auto& meal : entries.meals) texts.push_back(&meal);
  for (auto& minutes : entries.minutes) texts.push_back(&minutes);
  texts.push_back(&entries.ovrigForbrukning);
  return texts;
}

CalendarDate FromQDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }
QDate ToQDate(const CalendarDate& date) { return QDate(date.year, date.month, date.day); }

}  // namespace

CVesmiraView::CVesmiraView(std::filesystem::path dataFolder, Prompts& prompts, TodayFunction today,
                           QWidget* parent)
    : CVesmiraView(*new CVesmiraDoc(std::move(dataFolder), std::move(today)), prompts, parent) {
  m_ownDoc.reset(&m_doc);
}

CVesmiraView::CVesmiraView(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_prompts(prompts) {
  setObjectName(QStringLiteral("vesmiraView"));
  m_form = BuildDiaryForm(*this);
  m_weightField =
      new CWeightField(m_form.weightEdit, m_form.weightUnitLabel, m_form.weightMessageLabel, this);
  m_question = new CDayQuestion(this);
  if (auto* box = qobject_cast<QBoxLayout*>(layout())) box->insertWidget(1, m_question);
  m_keeper = new CDayKeeper(m_doc, *this, *m_question, this);
  connect(m_keeper, &CDayKeeper::saveFinished, this, &CVesmiraView::backgroundSaveFinished);
  ConnectEvents();
  ConnectDocument();
  StartForm();
}

CVesmiraView::~CVesmiraView() {
  // A window closed through its frame has stored the day already; any other end still keeps
  // it. Nothing can be shown any more, so a failure here goes unreported.
  if (!m_finalSaveDone) m_keeper->StoreAtExit();
  // Before the document it stores for, which may go first.
  delete std::exchange(m_keeper, nullptr);
}

void CVesmiraView::ConnectDocument() {
  connect(&m_doc, &CVesmiraDoc::settingsChanged, this, [this] {
    ShowSettingsCaptions();
    UpdateBalance();
  });
  connect(&m_doc, &CVesmiraDoc::resultCalculated, this, &CVesmiraView::ShowTheoreticalResult);
  connect(&m_doc, &CVesmiraDoc::usersChanged, this, &CVesmiraView::LoadUserList);
}

void CVesmiraView::ConnectEvents() {
  for (QLineEdit* input : InputFields()) {
    KeepOnOneLine(input);
    connect(input, &QLineEdit::textChanged, this, [this] {
      UpdateBalance();
      if (!m_showingDay) m_keeper->OnEdited();
    });
  }
  const auto edited = [this] {
    if (!m_showingDay) m_keeper->OnEdited();
  };
  connect(m_form.noteEdit, &QPlainTextEdit::textChanged, this, edited);
  connect(m_form.weightEdit, &QLineEdit::textChanged, this, edited);
  connect(m_form.dateEdit, &QDateEdit::dateChanged, this, [this] { OnDateChanged(); });
  connect(m_form.userCombo, &QComboBox::activated, this,
          [this](int index) { OnUserActivated(index); });
  connect(m_form.monthlyRadio, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) m_doc.SetGraphSpan(kMonthSpan);
  });
  connect(m_form.yearlyRadio, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) m_doc.SetGraphSpan(kYearSpan);
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
  addDayKey("todayAction", QKeySequence(Qt::ALT | Qt::Key_Home), [this] { return m_doc.Today(); });
}

void CVesmiraView::ShowDate(const CalendarDate& date) {
  // Through the date field, as if the person had set it: the day left is stored first.
  m_form.dateEdit->setDate(ToQDate(date));
}

void CVesmiraView::StartForm() {
  m_form.monthlyRadio->setChecked(true);
  m_doc.SetGraphSpan(kMonthSpan);
  for (QLineEdit* field :
       {m_form.kcalLeftEdit, m_form.weightChangeEdits[0], m_form.weightChangeEdits[1],
        m_form.weightChangeEdits[2], m_form.weightChangeEdits[3], m_form.trendChangeEdits[0],
        m_form.trendChangeEdits[1], m_form.trendChangeEdits[2]}) {
    SetBackground(field, kGoodColour);
  }
  {
    const QSignalBlocker blocker(m_form.dateEdit);
    m_form.dateEdit->setDate(ToQDate(m_doc.Today()));
  }
  // Not reported here: a missing users folder lists no users, and a save names the cause.
  static_cast<void>(MakePrivateFolder(UsersFolder(m_doc.DataFolder())));
  LoadUserList();
}

void CVesmiraView::FocusFirstField() {
  // As Tab would: what the field holds is selected, so the first figure typed replaces the 0.
  m_form.mealEdits[0]->setFocus(Qt::TabFocusReason);
  m_form.mealEdits[0]->selectAll();
}

void CVesmiraView::UpdateBalance() {
  // At every key: the figures alone, not the note, which may be long.
  const DayBalance balance = ComputeDayBalance(CurrentFigureEntries().Figures(), m_doc.Settings());
  m_doc.SetShownBalance(balance);
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
}

void CVesmiraView::ShowSettingsCaptions() {
  m_form.weightCaptionLabel->setText(Shown("Diary", WeightCaption(m_doc.Settings())));
  const bool kilograms = m_doc.Settings().UsesKilograms();
  m_form.trendCaptionLabel->setText(
      FromStoredBytes(MeasuredChangeCaption(kilograms, ShownLanguage())));
  // The unit changed under a weight on the form: the same weight, shown in the new unit.
  m_weightField->ShowInUnit(kilograms);
}

void CVesmiraView::ShowReadOnlyDiary(const QString& why) {
  m_keeper->SetDiaryReadOnly();
  m_readOnlyWhy = why;
  // As wide as the form without it, wrapped: the line never widens the window.
  const QMargins margins = layout()->contentsMargins();
  m_form.readOnlyLabel->setFixedWidth(sizeHint().width() - margins.left() - margins.right());
  m_form.readOnlyLabel->setText(why);
  m_form.readOnlyLabel->show();
  SetDayReadOnly(true);
}

void CVesmiraView::SetDayReadOnly(bool readOnly) {
  readOnly = readOnly || IsReadOnlyDiary();
  for (QLineEdit* input : InputFields()) input->setReadOnly(readOnly);
  m_form.weightEdit->setReadOnly(readOnly);
  m_form.noteEdit->setReadOnly(readOnly || m_noteAsStored);
}

std::vector<QLineEdit*> CVesmiraView::InputFields() const {
  std::vector<QLineEdit*> inputs(m_form.mealEdits.begin(), m_form.mealEdits.end());
  inputs.insert(inputs.end(), m_form.minutesEdits.begin(), m_form.minutesEdits.end());
  inputs.push_back(m_form.otherKcalEdit);
  return inputs;
}

void CVesmiraView::ShowStoredDay(const DayEntries& entries) {
  const bool wasShowing = std::exchange(m_showingDay, true);
  // The weight first, in the unit of the settings the day is shown with.
  m_weightField->Show(entries.vikt, m_doc.Settings().UsesKilograms(), entries.unreadVikt);
  // Every value is one line, whatever the file held: a lone line end shows as empty.
  const std::vector<QLineEdit*> fields = InputFields();
  const std::vector<const std::string*> texts = FigureTexts(entries);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i]->setText(WithoutLineBreaks(FromStoredBytes(*texts[i])));
  }
  // A note too long to lay out is shown for reading and stored as it was read.
  NoteDisplay note = NoteForDisplay(entries.diaryNote, ShownLanguage());
  m_noteAsStored.reset();
  if (!note.editable) m_noteAsStored = entries.diaryNote;
  m_form.noteEdit->setPlainText(FromStoredBytes(note.shown));
  m_form.noteEdit->setReadOnly(!note.editable || m_keeper->IsUnreadable() || IsReadOnlyDiary());
  // A field set to the text it already holds reports no change, yet the settings may be
  // another user's: the balance is computed once more for the day as loaded.
  UpdateBalance();
  m_showingDay = wasShowing;
}

void CVesmiraView::ShowResultColumn(std::size_t period, const ResultColumn& column) {
  m_form.kcalChangeEdits[period]->setText(LocalNumbers(FromStoredBytes(column.kcalChange)));
  m_form.weightChangeEdits[period]->setText(LocalNumbers(FromStoredBytes(column.weightChange)));
  SetBackground(m_form.weightChangeEdits[period], column.weightColour);
  m_form.trainingKcalEdits[period]->setText(LocalNumbers(FromStoredBytes(column.training)));
}

namespace {

// A measured figure in the locale's numbers, or why there is none in the language shown.
QString ShownMeasure(const MeasuredColumn& column, const std::string& figure) {
  return column.reason.empty() ? LocalNumbers(FromStoredBytes(figure))
                               : Shown("Weighing", column.reason);
}

}  // namespace

void CVesmiraView::ShowTheoreticalResult(const TheoreticalResult& result) {
  const std::array<const ResultColumn*, kResultPeriodCount> columns{&result.day, &result.week,
                                                                    &result.month, &result.year};
  for (std::size_t p = 0; p < kResultPeriodCount; ++p) ShowResultColumn(p, *columns[p]);
  const std::array<const MeasuredColumn*, kMeasuredPeriodCount> measured{
      &result.measuredWeek, &result.measuredMonth, &result.measuredYear};
  for (std::size_t p = 0; p < kMeasuredPeriodCount; ++p) {
    m_form.trendChangeEdits[p]->setText(ShownMeasure(*measured[p], measured[p]->trendChange));
    SetBackground(m_form.trendChangeEdits[p], measured[p]->trendColour);
    m_form.realConsumptionEdits[p]->setText(
        ShownMeasure(*measured[p], measured[p]->realConsumption));
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

std::string CVesmiraView::TypedDayBytes() const {
  return DayFileBytes(CurrentEntries(), ToStoredBytes(m_form.energyInEdit->text()),
                      ToStoredBytes(m_form.trainingEdit->text()));
}

CalendarDate CVesmiraView::ShownDate() const { return FromQDate(m_form.dateEdit->date()); }

DayEntries CVesmiraView::CurrentFigureEntries() const {
  DayEntries entries;
  const std::vector<QLineEdit*> fields = InputFields();
  const std::vector<std::string*> texts = FigureTexts(entries);
  for (std::size_t i = 0; i < fields.size(); ++i) *texts[i] = ToStoredBytes(fields[i]->text());
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

void CVesmiraView::ReportFileError(const FileError& error) {
  m_prompts.ShowMessage(this, FromStoredBytes(FileErrorMessage(error, ShownLanguage())),
                        Prompts::Icon::kStop);
}

void CVesmiraView::EnableServedButtons() {
  for (QWidget* button : {static_cast<QWidget*>(m_form.calculateButton),
                          static_cast<QWidget*>(m_form.calorieGraphButton),
                          static_cast<QWidget*>(m_form.trainingGraphButton),
                          static_cast<QWidget*>(m_form.weightGraphButton),
                          static_cast<QWidget*>(m_form.propertiesButton),
                          static_cast<QWidget*>(m_form.homepageButton)}) {
    button->setEnabled(true);
  }
}

}  // namespace vesmira
