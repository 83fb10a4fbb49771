#include "diary/ui/form_builder.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>
#include <vector>

#include "diary/energy_model.h"
#include "diary/ui/date_field.h"
#include "diary/ui/result_look.h"
#include "diary/weighing.h"
#include "periods/weight_trend.h"
#include "ui/access_keys.h"
#include "ui/language.h"
#include "ui/link_button.h"
#include "ui/picture.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

// In object names as they stand, on the form translated.
constexpr std::array<const char*, kResultPeriodCount> kPeriodNames{
    QT_TRANSLATE_NOOP("DiaryForm", "Day"), QT_TRANSLATE_NOOP("DiaryForm", "Week"),
    QT_TRANSLATE_NOOP("DiaryForm", "Month"), QT_TRANSLATE_NOOP("DiaryForm", "Year")};
// The Year's weight change alone takes typing; the other results only show.
constexpr std::size_t kYearColumn = 3;

// "Ball game" -> "ballGame", "Cycl&ing" -> "cycling": the stem of a field's objectName.
QString CamelCase(std::string_view label) {
  QString stem;
  bool upper = false;
  for (const QChar c : ShownWords(FromStoredBytes(label))) {
    if (c == QLatin1Char(' ')) {
      upper = true;
      continue;
    }
    stem.append(stem.isEmpty() ? c.toLower() : (upper ? c.toUpper() : c));
    upper = false;
  }
  return stem;
}

// Access keys: the underlined letter of each label and button, pressed with Alt, each used
// once in the window, marked with "&" in each language's text. The menus keep F, T and H.
// There are fewer letters than fields: the meals, the weight and every button have one, and
// the activities those their names leave; the others, and the results that only show, are
// reached with Tab.

// Rows top to bottom, groups left to right, the note last; in the training group the minutes
// first and then the kcal they burn, so that typing the minutes takes one Tab a row.
void SetTabOrder(const DiaryFormWidgets& w) {
  std::vector<QWidget*> order(w.mealEdits.begin(), w.mealEdits.end());
  order.push_back(w.homepageButton);
  order.insert(order.end(), w.minutesEdits.begin(), w.minutesEdits.end());
  order.push_back(w.otherKcalEdit);
  order.insert(order.end(), w.activityKcalEdits.begin(), w.activityKcalEdits.end());
  order.insert(order.end(), w.kcalChangeEdits.begin(), w.kcalChangeEdits.end());
  order.insert(order.end(), w.weightChangeEdits.begin(), w.weightChangeEdits.end());
  order.insert(order.end(), w.trainingKcalEdits.begin(), w.trainingKcalEdits.end());
  order.insert(order.end(), w.trendChangeEdits.begin(), w.trendChangeEdits.end());
  order.insert(order.end(), w.realConsumptionEdits.begin(), w.realConsumptionEdits.end());
  order.insert(order.end(), {w.trainingGraphButton, w.calorieGraphButton, w.calculateButton,
                             w.weightGraphButton, w.monthlyRadio, w.yearlyRadio});
  order.insert(order.end(), {w.energyInEdit, w.trainingEdit, w.sumEdit, w.targetEdit,
                             w.kcalLeftEdit, w.normalConsumptionEdit});
  order.insert(order.end(), {w.propertiesButton, w.dateEdit, w.weightEdit, w.userCombo,
                             w.saveCloseButton, w.noteEdit});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// Builds the form group by group; each group's widgets go into w.
class FormBuilder {
  Q_DECLARE_TR_FUNCTIONS(DiaryForm)

 public:
  explicit FormBuilder(QWidget& form)
      : form(form),
        resultLook(new ResultLook(&form)),
        digitWidth(form.fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12) {}

  DiaryFormWidgets Build() {
    QGroupBox* mealsGroup = BuildMeals();
    BuildHomepage();
    QGroupBox* trainingGroup = BuildTraining();
    QGroupBox* theoryGroup = BuildTheory();
    BuildGraphButtons(static_cast<QGridLayout*>(theoryGroup->layout()));
    QGroupBox* resultGroup = BuildResult();
    QVBoxLayout* sideColumn = BuildSideColumn();
    BuildNote();
    Assemble(mealsGroup, trainingGroup, theoryGroup, resultGroup, sideColumn);
    return w;
  }

 private:
  QLineEdit* MakeEdit(const QString& name, const QString& accessibleName, int width) {
    auto* edit = new QLineEdit(&form);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->setFixedWidth(width);
    return edit;
  }
  QLineEdit* MakeResult(const QString& name, const QString& accessibleName, int width) {
    QLineEdit* edit = MakeEdit(name, accessibleName, width);
    resultLook->Apply(edit);
    return edit;
  }
  QLabel* MakeLabel(const QString& text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text, &form);
    if (buddy) label->setBuddy(buddy);
    return label;
  }
  QPushButton* MakeButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text, &form);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
  }

  QGroupBox* BuildMeals() {
    // "Energy In (kcal)": the six meals.
    auto* mealsGroup = new QGroupBox(tr("Energy In (kcal)"), &form);
    mealsGroup->setObjectName(QStringLiteral("mealsGroup"));
    auto* mealsLayout = new QGridLayout(mealsGroup);
    for (std::size_t i = 0; i < kMealCount; ++i) {
      const QString accessible = Shown("Diary", kMeals[i].accessibleName);
      w.mealEdits[i] = MakeEdit(CamelCase(kMeals[i].accessibleName) + QStringLiteral("Edit"),
                                accessible, digitWidth);
      const int row = static_cast<int>(i);
      mealsLayout->addWidget(MakeLabel(Shown("Diary", kMeals[i].formLabel), w.mealEdits[i]), row,
                             0);
      mealsLayout->addWidget(w.mealEdits[i], row, 1);
    }
    return mealsGroup;
  }

  void BuildHomepage() {
    w.homepageButton = new QToolButton(&form);
    w.homepageButton->setObjectName(QStringLiteral("homepageButton"));
    w.homepageButton->setText(tr("Homepage"));
    w.homepageButton->setAccessibleName(tr("Homepage"));
    ShowHoverAndFocus(w.homepageButton);
    w.homepageButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    const QString picture = LocalPicture(QStringLiteral(":/homepage.bmp"));
    if (const QPixmap pixmap = ReadPicture(picture); !pixmap.isNull()) {
      w.homepageButton->setIcon(pixmap);
      w.homepageButton->setIconSize(pixmap.size().scaled(120, 160, Qt::KeepAspectRatio));
      w.homepageButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
      w.homepageButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    w.homepageButton->setEnabled(false);
  }

  QGroupBox* BuildTraining() {
    // "Training": minutes and the kcal they burn, then other consumption.
    auto* trainingGroup = new QGroupBox(tr("Training"), &form);
    trainingGroup->setObjectName(QStringLiteral("trainingGroup"));
    auto* trainingLayout = new QGridLayout(trainingGroup);
    trainingLayout->addWidget(MakeLabel(tr("Minutes")), 0, 1);
    trainingLayout->addWidget(MakeLabel(tr("kcal")), 0, 2);
    const int smallWidth = form.fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12;
    for (std::size_t i = 0; i < kActivityCount; ++i) {
      const QString label = Shown("Diary", kActivities[i].formLabel);
      const QString words = ShownWords(label);
      const QString stem = CamelCase(kActivities[i].formLabel);
      w.minutesEdits[i] =
          MakeEdit(stem + QStringLiteral("MinutesEdit"), tr("%1 minutes").arg(words), smallWidth);
      w.activityKcalEdits[i] =
          MakeResult(stem + QStringLiteral("KcalEdit"), tr("%1 kcal").arg(words), smallWidth);
      const int row = static_cast<int>(i) + 1;
      trainingLayout->addWidget(MakeLabel(label, w.minutesEdits[i]), row, 0);
      trainingLayout->addWidget(w.minutesEdits[i], row, 1);
      trainingLayout->addWidget(w.activityKcalEdits[i], row, 2);
    }
    const QString otherLabel = Shown("Diary", kOtherConsumptionLabel);
    w.otherKcalEdit = MakeEdit(QStringLiteral("otherKcalEdit"), otherLabel, smallWidth);
    const int otherRow = static_cast<int>(kActivityCount) + 1;
    trainingLayout->addWidget(MakeLabel(otherLabel, w.otherKcalEdit), otherRow, 0, 1, 2);
    trainingLayout->addWidget(w.otherKcalEdit, otherRow, 2);
    return trainingGroup;
  }

  QGroupBox* BuildTheory() {
    // "Theoretical Result": three rows by four periods, the graph buttons, the period pair.
    auto* theoryGroup = new QGroupBox(tr("Theoretical Result"), &form);
    theoryGroup->setObjectName(QStringLiteral("theoreticalGroup"));
    auto* theoryLayout = new QGridLayout(theoryGroup);
    const int resultWidth =
        form.fontMetrics().horizontalAdvance(QStringLiteral("-0000.000000")) + 12;
    w.weightCaptionLabel = MakeLabel(Shown("Diary", kWeightCaptionKg));
    w.weightCaptionLabel->setObjectName(QStringLiteral("weightCaptionLabel"));
    QLabel* kcalChangeLabel = MakeLabel(tr("kcal change"));
    QLabel* trainingKcalLabel = MakeLabel(tr("kcal consumed by training"));
    theoryLayout->addWidget(kcalChangeLabel, 1, 0);
    theoryLayout->addWidget(w.weightCaptionLabel, 2, 0);
    theoryLayout->addWidget(trainingKcalLabel, 3, 0);
    for (std::size_t p = 0; p < kResultPeriodCount; ++p) {
      const QString period = QString::fromLatin1(kPeriodNames[p]);
      const QString shown = tr(kPeriodNames[p]);
      const int column = static_cast<int>(p) + 1;
      theoryLayout->addWidget(MakeLabel(shown), 0, column, Qt::AlignHCenter);
      w.kcalChangeEdits[p] = MakeResult(QStringLiteral("kcalChange%1Edit").arg(period),
                                        tr("kcal change %1").arg(shown), resultWidth);
      w.weightChangeEdits[p] = MakeEdit(QStringLiteral("weightChange%1Edit").arg(period),
                                        tr("Weight change %1").arg(shown), resultWidth);
      w.weightChangeEdits[p]->setReadOnly(p != static_cast<std::size_t>(kYearColumn));
      w.trainingKcalEdits[p] =
          MakeResult(QStringLiteral("trainingKcal%1Edit").arg(period),
                     tr("kcal consumed by training %1").arg(shown), resultWidth);
      theoryLayout->addWidget(w.kcalChangeEdits[p], 1, column);
      theoryLayout->addWidget(w.weightChangeEdits[p], 2, column);
      theoryLayout->addWidget(w.trainingKcalEdits[p], 3, column);
    }
    // The rows' labels lead to the Day column.
    kcalChangeLabel->setBuddy(w.kcalChangeEdits[0]);
    trainingKcalLabel->setBuddy(w.trainingKcalEdits[0]);
    // What the scales say, for the periods that end today: there is no trend of a single day.
    int measuredWidth = resultWidth;
    for (const std::string_view reason : kMeasureReasons) {
      measuredWidth = std::max(
          measuredWidth,
          form.fontMetrics().horizontalAdvance(Shown("Weighing", reason) + QStringLiteral("00")));
    }
    w.trendCaptionLabel = MakeLabel(FromStoredBytes(MeasuredChangeCaption(true, ShownLanguage())));
    w.trendCaptionLabel->setObjectName(QStringLiteral("trendCaptionLabel"));
    theoryLayout->addWidget(w.trendCaptionLabel, 4, 0);
    theoryLayout->addWidget(MakeLabel(Shown("Weighing", kRealConsumptionCaption)), 5, 0);
    for (std::size_t p = 0; p < kMeasuredPeriodCount; ++p) {
      const QString period = QString::fromLatin1(kPeriodNames[p + 1]);
      const QString shown = tr(kPeriodNames[p + 1]);
      const int column = static_cast<int>(p) + 2;
      w.trendChangeEdits[p] = MakeEdit(QStringLiteral("trendChange%1Edit").arg(period),
                                       tr("Measured change %1").arg(shown), measuredWidth);
      w.trendChangeEdits[p]->setReadOnly(true);
      w.trendChangeEdits[p]->setAutoFillBackground(true);
      w.realConsumptionEdits[p] = MakeResult(QStringLiteral("realConsumption%1Edit").arg(period),
                                             tr("Real consumption %1").arg(shown), measuredWidth);
      theoryLayout->addWidget(w.trendChangeEdits[p], 4, column);
      theoryLayout->addWidget(w.realConsumptionEdits[p], 5, column);
    }
    return theoryGroup;
  }

  void BuildGraphButtons(QGridLayout* theoryLayout) {
    w.trainingGraphButton =
        MakeButton(QStringLiteral("trainingGraphButton"), tr("Tr&aining Graph"));
    w.calorieGraphButton = MakeButton(QStringLiteral("calorieGraphButton"), tr("Calorie &Graph"));
    w.weightGraphButton = MakeButton(QStringLiteral("weightGraphButton"), tr("W&eight Graph"));
    w.calculateButton = MakeButton(QStringLiteral("calculateButton"), tr("&Calculate"));
    for (QPushButton* button :
         {w.trainingGraphButton, w.calorieGraphButton, w.weightGraphButton, w.calculateButton}) {
      button->setEnabled(false);
    }
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(w.trainingGraphButton);
    buttonRow->addWidget(w.calorieGraphButton);
    buttonRow->addWidget(w.calculateButton);
    // Beside the row of buttons the diary always had, not inside it.
    buttonRow->addWidget(w.weightGraphButton);
    theoryLayout->addLayout(buttonRow, 6, 1, 1, 4);
    w.monthlyRadio = new QRadioButton(tr("&Monthly graph"), &form);
    w.monthlyRadio->setObjectName(QStringLiteral("monthlyRadio"));
    w.yearlyRadio = new QRadioButton(tr("&Yearly graph"), &form);
    w.yearlyRadio->setObjectName(QStringLiteral("yearlyRadio"));
    auto* radioRow = new QHBoxLayout;
    radioRow->addWidget(w.monthlyRadio);
    radioRow->addWidget(w.yearlyRadio);
    radioRow->addStretch();
    theoryLayout->addLayout(radioRow, 7, 1, 1, 4);
  }

  QGroupBox* BuildResult() {
    // "Result of the day".
    auto* resultGroup = new QGroupBox(tr("Result of the day"), &form);
    resultGroup->setObjectName(QStringLiteral("resultGroup"));
    auto* resultLayout = new QGridLayout(resultGroup);
    w.energyInEdit = MakeResult(QStringLiteral("energyInEdit"), tr("Energy In"), digitWidth);
    w.trainingEdit = MakeResult(QStringLiteral("trainingEdit"), tr("Training"), digitWidth);
    w.sumEdit = MakeResult(QStringLiteral("sumEdit"), tr("Sum"), digitWidth);
    w.targetEdit = MakeResult(QStringLiteral("targetEdit"), tr("Target"), digitWidth);
    w.kcalLeftEdit = MakeEdit(QStringLiteral("kcalLeftEdit"), tr("kcal left to use"), digitWidth);
    w.kcalLeftEdit->setReadOnly(true);
    w.normalConsumptionEdit = MakeResult(QStringLiteral("normalConsumptionEdit"),
                                         tr("Normal energy consumption"), digitWidth);
    const struct {
      QString text;
      QLineEdit* field;
    } resultRows[] = {
        {tr("Energy In"), w.energyInEdit},
        {tr("Training"), w.trainingEdit},
        {tr("Sum"), w.sumEdit},
        {tr("Target"), w.targetEdit},
        {tr("kcal left to use"), w.kcalLeftEdit},
        {tr("Normal energy consumption"), w.normalConsumptionEdit},
    };
    for (std::size_t i = 0; i < std::size(resultRows); ++i) {
      const int row = static_cast<int>(i);
      QLabel* label = MakeLabel(resultRows[i].text, resultRows[i].field);
      label->setWordWrap(true);
      resultLayout->addWidget(label, row, 0);
      resultLayout->addWidget(resultRows[i].field, row, 2);
    }
    // Read as words: a screen reader would say "plus" for one, "underscore" for the other.
    QLabel* plus = MakeLabel(QStringLiteral("+"));
    plus->setAccessibleName(tr("plus"));
    QLabel* minus = MakeLabel(QStringLiteral("_"));
    minus->setAccessibleName(tr("minus"));
    resultLayout->addWidget(plus, 0, 1);
    resultLayout->addWidget(minus, 1, 1);
    return resultGroup;
  }

  QVBoxLayout* BuildSideColumn() {
    // The right-hand column.
    w.propertiesButton = MakeButton(QStringLiteral("propertiesButton"), tr("&Properties"));
    w.propertiesButton->setEnabled(false);
    w.dateEdit = new CDateField(&form);
    w.dateEdit->setObjectName(QStringLiteral("dateEdit"));
    w.dateEdit->setAccessibleName(tr("Date"));
    // The month's short name in the language shown, whatever the locale's numbers.
    w.dateEdit->setLocale(LanguageLocale());
    w.dateEdit->setDisplayFormat(
        tr("dd-MMM-yyyy", "the date field's format: d day, M month, y year"));
    w.dateEdit->setCalendarPopup(false);
    w.dateEdit->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    // A typed date counts when it is complete (Enter, Tab or an arrow), so the days that the
    // digits pass through on the way are not visited, saved and left as files.
    w.dateEdit->setKeyboardTracking(false);
    w.dateEdit->setDateRange(QDate(1000, 1, 1), QDate(9999, 12, 31));
    w.weightEdit = MakeEdit(QStringLiteral("weightEdit"), tr("Weight"), digitWidth);
    // Digits with a decimal point or comma: a slip of the keyboard cannot pass for a weighing.
    w.weightEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*\\d{0,4}([.,]\\d{0,3})?\\s*")), w.weightEdit));
    w.weightUnitLabel = MakeLabel(Shown("Weighing", WeightUnitName(true)));
    w.weightUnitLabel->setObjectName(QStringLiteral("weightUnitLabel"));
    auto* weightRow = new QHBoxLayout;
    weightRow->addWidget(MakeLabel(tr("&Weight"), w.weightEdit));
    weightRow->addWidget(w.weightEdit);
    weightRow->addWidget(w.weightUnitLabel);
    w.weightMessageLabel = MakeLabel(QString());
    w.weightMessageLabel->setObjectName(QStringLiteral("weightMessageLabel"));
    w.weightMessageLabel->setWordWrap(true);
    weightRow->addWidget(w.weightMessageLabel, 1);
    weightRow->addStretch();
    w.userCombo = new QComboBox(&form);
    w.userCombo->setObjectName(QStringLiteral("userCombo"));
    w.userCombo->setAccessibleName(tr("User list"));
    w.userCombo->setEditable(false);
    w.userCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    w.userCombo->setMinimumContentsLength(10);
    w.saveCloseButton = MakeButton(QStringLiteral("saveCloseButton"), tr("&Save && Close"));
    w.saveCloseButton->setAccessibleName(tr("Save & Close"));
    auto* sideColumn = new QVBoxLayout;
    sideColumn->addWidget(w.propertiesButton);
    sideColumn->addWidget(w.dateEdit);
    sideColumn->addLayout(weightRow);
    sideColumn->addWidget(w.userCombo);
    sideColumn->addStretch();
    sideColumn->addWidget(w.saveCloseButton);
    return sideColumn;
  }

  void BuildNote() {
    // The diary note, full width at the bottom.
    w.noteEdit = new QPlainTextEdit(&form);
    w.noteEdit->setObjectName(QStringLiteral("noteEdit"));
    w.noteEdit->setAccessibleName(tr("Diary note"));
    w.noteEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w.noteEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w.noteEdit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab leaves the note, so the form can be worked from the keyboard alone.
    w.noteEdit->setTabChangesFocus(true);
    w.noteEdit->setFixedHeight(form.fontMetrics().lineSpacing() * 4 + 12);
  }

  void Assemble(QGroupBox* mealsGroup, QGroupBox* trainingGroup, QGroupBox* theoryGroup,
                QGroupBox* resultGroup, QVBoxLayout* sideColumn) {
    for (QLineEdit* field : {w.kcalLeftEdit, w.weightChangeEdits[0], w.weightChangeEdits[1],
                             w.weightChangeEdits[2], w.weightChangeEdits[3]}) {
      field->setAutoFillBackground(true);
    }

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(mealsGroup);
    leftColumn->addWidget(w.homepageButton, 1);

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

    // Over everything, shown only when the diary cannot be written: why, and what to do.
    w.readOnlyLabel = new QLabel(&form);
    w.readOnlyLabel->setObjectName(QStringLiteral("readOnlyLabel"));
    w.readOnlyLabel->setWordWrap(true);
    w.readOnlyLabel->setFrameShape(QFrame::StyledPanel);
    w.readOnlyLabel->setMargin(4);
    w.readOnlyLabel->hide();

    auto* formLayout = new QVBoxLayout(&form);
    formLayout->addWidget(w.readOnlyLabel);
    formLayout->addLayout(upper);
    formLayout->addWidget(w.noteEdit);
    formLayout->setSizeConstraint(QLayout::SetFixedSize);
    SetTabOrder(w);
  }

  QWidget& form;
  ResultLook* resultLook;
  const int digitWidth;
  DiaryFormWidgets w;
};

}  // namespace

DiaryFormWidgets BuildDiaryForm(QWidget& form) { return FormBuilder(form).Build(); }

}  // namespace vesmira
