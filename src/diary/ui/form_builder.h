#pragma once

#include <array>
#include <cstddef>

#include "diary/diary_tables.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace vesmira {

// The columns of the "Theoretical Result" grid: Day, Week, Month, Year.
inline constexpr std::size_t kResultPeriodCount = 4;
// The periods the scales are measured over, beside the theoretical ones: Week, Month, Year.
inline constexpr std::size_t kMeasuredPeriodCount = 3;

// The widgets of the diary form, each named (objectName) after what it holds, the names by
// which tests and other windows find them.
struct DiaryFormWidgets {
  std::array<QLineEdit*, kMealCount> mealEdits{};
  std::array<QLineEdit*, kActivityCount> minutesEdits{};
  std::array<QLineEdit*, kActivityCount> activityKcalEdits{};
  QLineEdit* otherKcalEdit = nullptr;
  QLineEdit* energyInEdit = nullptr;
  QLineEdit* trainingEdit = nullptr;
  QLineEdit* sumEdit = nullptr;
  QLineEdit* targetEdit = nullptr;
  QLineEdit* kcalLeftEdit = nullptr;
  QLineEdit* normalConsumptionEdit = nullptr;
  std::array<QLineEdit*, kResultPeriodCount> kcalChangeEdits{};
  std::array<QLineEdit*, kResultPeriodCount> weightChangeEdits{};
  std::array<QLineEdit*, kResultPeriodCount> trainingKcalEdits{};
  QLabel* weightCaptionLabel = nullptr;
  // Week, Month and Year: the trend's change and the real consumption it implies.
  std::array<QLineEdit*, kMeasuredPeriodCount> trendChangeEdits{};
  std::array<QLineEdit*, kMeasuredPeriodCount> realConsumptionEdits{};
  QLabel* trendCaptionLabel = nullptr;
  QPushButton* trainingGraphButton = nullptr;
  QPushButton* calorieGraphButton = nullptr;
  QPushButton* weightGraphButton = nullptr;
  QPushButton* calculateButton = nullptr;
  QRadioButton* monthlyRadio = nullptr;
  QRadioButton* yearlyRadio = nullptr;
  QPushButton* propertiesButton = nullptr;
  QDateEdit* dateEdit = nullptr;
  // The day's weighing in the user's unit; empty on a day without one.
  QLineEdit* weightEdit = nullptr;
  QLabel* weightUnitLabel = nullptr;
  QLabel* weightMessageLabel = nullptr;  // why a typed weight is not stored
  QLabel* readOnlyLabel = nullptr;       // why the diary is only shown
  QComboBox* userCombo = nullptr;
  QPushButton* saveCloseButton = nullptr;
  QToolButton* homepageButton = nullptr;
  QPlainTextEdit* noteEdit = nullptr;
};

// Lays the diary form out inside form, at a fixed size, with its tab order: rows top to
// bottom, groups left to right, the note last. The buttons whose commands another window
// serves (graphs, Calculate, Properties, Homepage) start disabled.
DiaryFormWidgets BuildDiaryForm(QWidget& form);

}  // namespace vesmira
