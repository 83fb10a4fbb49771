#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "diary/diary_tables.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

class QGroupBox;

namespace vesmira {

class Prompts;
struct UserSettings;

// "Properties": edits the current user's settings in place. It shows the settings it is given
// (it never reads the properties file) and, on Save, writes the boxes' texts as they stand to
// the properties file and stores each one, read as a number, into the settings. Cancel, Escape
// and the close box change nothing.
//
// Widgets by objectName:
//   grundForbrukningEdit (QLineEdit) "Normal energy consumption"
//   malEdit (QLineEdit) "Target kcal level"
//   ratesGroup (QGroupBox) "Energy consumeing by training [kcal/hour]", holding one QLineEdit
//     per activity named after its properties-file key plus "Edit": cykelingKalEdit,
//     lopningKalEdit, promenadKalEdit, styrketraningKalEdit, roddKalEdit, simmningKalEdit
//     (left column), langdskidorKalEdit, skridskorKalEdit, bollsportKalEdit,
//     skidoruforKalEdit, stadaKalEdit, trapporKalEdit (right column)
//   weightUnitGroup (QGroupBox) "Weight unit": kilogramsRadio "Kilograms (kg)" and
//     poundsRadio "Pounds (lbs)" (QRadioButton, not tab stops)
//   saveButton (QPushButton) "Save", the default button; cancelButton (QPushButton) "Cancel"
// Tab order: Save, the twelve rates (left column, then right), normal consumption, target,
// Cancel; Save has the focus when the dialog opens.
class CPropertiesDialog : public QDialog {
  Q_OBJECT

 public:
  // settings and prompts must outlive the dialog.
  CPropertiesDialog(UserSettings& settings, std::filesystem::path propertiesPath, Prompts& prompts,
                    QWidget* parent = nullptr);

  // Stores the typed values into the settings, then writes the properties file; a file that
  // cannot be written is reported in a file-error box, and the settings keep the new values.
  void SaveProperties();

 private:
  void BuildDialog();
  // The twelve activity rates, each label with the first letter of it no other took.
  QGroupBox* BuildRatesGroup(QString& takenKeys);
  void ShowSettings();
  void OnSave();

  UserSettings& m_settings;
  std::filesystem::path m_propertiesPath;  // empty without a user: nothing is written
  std::optional<std::string> m_openedOn;
  Prompts& m_prompts;

  QLineEdit* m_grundForbrukningEdit = nullptr;
  QLineEdit* m_malEdit = nullptr;
  std::array<QLineEdit*, kActivityCount> m_rateEdits{};
  QRadioButton* m_kilogramsRadio = nullptr;
  QRadioButton* m_poundsRadio = nullptr;
  QPushButton* m_saveButton = nullptr;
  QPushButton* m_cancelButton = nullptr;
};

}  // namespace vesmira
