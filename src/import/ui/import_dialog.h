#pragma once

#include <QDialog>
#include <string>
#include <utility>
#include <vector>

#include "import/import_plan.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QPlainTextEdit;
class QPushButton;

namespace vesmira {

class CVesmiraDoc;
class Prompts;

// The preview of an import: what changes in each day (the value now and the one imported),
// what was skipped and why, and the choices the files leave to the person: which of the six
// meals a meal name of theirs goes into (remembered per format), the unit of weighings without
// one, the order of day and month, and whether the days the files cover are replaced or only
// their empty fields filled. Nothing is written here: the preview is the plan "Import" applies.
//
// Widgets by objectName: previewText (QPlainTextEdit), replaceCheck (QCheckBox), one
// QComboBox per meal name to choose ("mealCombo0", ...), weightUnitCombo and dateOrderCombo
// when the files need them, importButton and cancelButton (QPushButton).
class CImportDialog : public QDialog {
  Q_OBJECT

 public:
  using ImportFiles = std::vector<std::pair<std::string, std::string>>;  // name, bytes

  CImportDialog(ImportFiles files, ImportTarget target, QWidget* parent = nullptr);

  const ImportPlan& Plan() const { return m_plan; }
  // Keeps the meal choices for the next import of the same format.
  void RememberChoices() const;

 private:
  void BuildChoices(const ImportBatch& batch);
  // Reads the files again with the choices made, and shows the plan.
  void Refresh();
  void Preview(const ImportBatch& batch);
  ImportBatch Read() const;
  QString ChoiceKey(const std::string& group) const;

  ImportFiles m_files;
  ImportTarget m_target;
  std::string m_source;  // the format meal choices are remembered for
  ImportPlan m_plan;
  std::vector<std::pair<std::string, QComboBox*>> m_mealCombos;
  QPlainTextEdit* m_preview = nullptr;
  QCheckBox* m_replace = nullptr;
  QComboBox* m_unit = nullptr;
  QComboBox* m_order = nullptr;
  QFormLayout* m_choices = nullptr;
  QPushButton* m_import = nullptr;
};

// Tools > Import...: the files the person picks, read and previewed once the day shown is
// stored; on "Import" the plan is written and what happened told.
void RunImportCommand(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent);

}  // namespace vesmira
