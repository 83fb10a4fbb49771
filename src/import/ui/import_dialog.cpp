#include "import/ui/import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "diary/ui/vesmira_doc.h"
#include "ui/language.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

QComboBox* MakeCombo(const char* name, const QStringList& items, int chosen) {
  auto* combo = new QComboBox;
  combo->setObjectName(QString::fromLatin1(name));
  combo->addItems(items);
  combo->setCurrentIndex(chosen);
  return combo;
}

}  // namespace

CImportDialog::CImportDialog(ImportFiles files, ImportTarget target, QWidget* parent)
    : QDialog(parent), m_files(std::move(files)), m_target(std::move(target)) {
  setWindowTitle(tr("Import"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(tr("What the import &changes:"));
  m_preview = new QPlainTextEdit;
  m_preview->setObjectName(QStringLiteral("previewText"));
  m_preview->setReadOnly(true);
  m_preview->setTabChangesFocus(true);
  m_preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_preview->setMinimumSize(560, 320);
  label->setBuddy(m_preview);
  layout->addWidget(label);
  layout->addWidget(m_preview);
  m_choices = new QFormLayout;
  layout->addLayout(m_choices);
  m_replace = new QCheckBox(tr("&Replace the values of the days the files cover"));
  m_replace->setObjectName(QStringLiteral("replaceCheck"));
  layout->addWidget(m_replace);
  auto* buttons = new QDialogButtonBox;
  m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
  m_import->setObjectName(QStringLiteral("importButton"));
  m_import->setDefault(true);
  QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_replace, &QCheckBox::toggled, this, [this] { Refresh(); });
  // Read once here: the choices start as the reading without them takes the files.
  const ImportBatch batch = Read();
  BuildChoices(batch);
  Preview(batch);
}

ImportBatch CImportDialog::Read() const {
  ImportReadOptions options;
  options.language = &ShownLanguage();
  // Before the person chooses: the user's own unit.
  options.unitlessInPounds =
      m_unit != nullptr ? m_unit->currentIndex() == 1 : !m_target.settings.UsesKilograms();
  if (m_order != nullptr) {
    options.dateOrder =
        m_order->currentIndex() == 0 ? DateOrder::kDayFirst : DateOrder::kMonthFirst;
  }
  ImportBatch batch;
  for (const auto& [name, bytes] : m_files) ReadImportFile(name, bytes, options, batch);
  return batch;
}

QString CImportDialog::ChoiceKey(const std::string& group) const {
  return QStringLiteral("import/meals/%1/%2")
      .arg(FromStoredBytes(m_source), FromStoredBytes(group));
}

void CImportDialog::BuildChoices(const ImportBatch& batch) {
  // Choices are remembered per source: the format of the first file.
  m_source = batch.files.empty() ? "file" : std::string(ImportFormatName(batch.files[0].second));
  std::set<std::string> groups = batch.mealGroups;
  for (const auto& [date, day] : batch.days) {
    if (day.dayTotalKcal && day.mealKcal.empty()) groups.insert(std::string(kDayTotalGroup));
  }
  QStringList meals;
  for (const MealInfo& meal : kMeals) meals.append(Shown("Diary", meal.accessibleName));
  const QSettings settings;
  for (const std::string& group : groups) {
    if (MealOfName(group)) continue;
    const int remembered = settings.value(ChoiceKey(group), 1).toInt();
    const std::string name = "mealCombo" + std::to_string(m_mealCombos.size());
    QComboBox* combo = MakeCombo(name.c_str(), meals, std::clamp(remembered, 0, 5));
    // The files' own names as they stand; the name of their day totals is the program's.
    const QString groupName =
        group == kDayTotalGroup ? Shown("Import", kDayTotalGroup) : FromStoredBytes(group);
    m_choices->addRow(tr("\u201c%1\u201d goes into:").arg(groupName), combo);
    m_mealCombos.emplace_back(group, combo);
    connect(combo, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  }
  if (batch.weightUnitAsked) {
    m_unit = MakeCombo("weightUnitCombo", {tr("kilograms (kg)"), tr("pounds (lbs)")},
                       m_target.settings.UsesKilograms() ? 0 : 1);
    m_choices->addRow(tr("Weights without a &unit are in:"), m_unit);
    connect(m_unit, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  }
  if (batch.dateOrderAsked) {
    m_order = MakeCombo("dateOrderCombo",
                        {tr("day first (31/12/2026)"), tr("month first (12/31/2026)")}, 0);
    m_choices->addRow(tr("&Dates are written:"), m_order);
    connect(m_order, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  }
}

void CImportDialog::Refresh() { Preview(Read()); }

void CImportDialog::Preview(const ImportBatch& batch) {
  MealMapping meals;
  for (const auto& [group, combo] : m_mealCombos) {
    meals.chosen[group] = static_cast<std::size_t>(combo->currentIndex());
  }
  m_plan = PlanImport(batch, m_target,
                      m_replace->isChecked() ? ImportPolicy::kReplace : ImportPolicy::kFillEmpty,
                      meals, ShownLanguage());
  m_preview->setPlainText(FromStoredBytes(FormatImportPreview(m_plan, ShownLanguage())));
  m_import->setEnabled(!m_plan.days.empty());
}

void CImportDialog::RememberChoices() const {
  QSettings settings;
  for (const auto& [group, combo] : m_mealCombos) {
    settings.setValue(ChoiceKey(group), combo->currentIndex());
  }
}

void RunImportCommand(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent) {
  if (doc.CurrentUserName().empty()) {
    prompts.ShowMessage(parent,
                        QCoreApplication::translate(
                            "ImportCommand",
                            "The diary has no user to import into yet: choose Tools > Users, "
                            "type your name and press Add."),
                        Prompts::Icon::kExclamation);
    return;
  }
  const QStringList names = prompts.AskOpenFileNames(
      parent, QCoreApplication::translate("ImportCommand", "Import"),
      {QCoreApplication::translate("ImportCommand",
                                   "Exports of diaries and scales (*.csv *.txt *.zip)"),
       QCoreApplication::translate("ImportCommand", "All Files (*)")});
  CImportDialog::ImportFiles files;
  for (const QString& name : names) {
    const ImportSource source =
        ReadImportSource(QFile::encodeName(name).toStdString(), ShownLanguage());
    if (source.problem) {
      prompts.ShowMessage(parent, FromStoredBytes(*source.problem), Prompts::Icon::kStop);
      return;
    }
    files.emplace_back(ToStoredBytes(QFileInfo(name).fileName()), source.bytes);
  }
  if (files.empty()) return;
  // The day shown is stored first, so that the preview reads it as the form shows it.
  doc.StoreThen([&doc, &prompts, parent = QPointer<QWidget>(parent),
                 files = std::move(files)](const std::optional<FileError>& error) {
    if (parent.isNull() || error) return;
    CImportDialog dialog(files, {doc.DataFolder(), doc.CurrentUserName(), doc.Settings()}, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    dialog.RememberChoices();
    const ImportOutcome outcome = ApplyImport(dialog.Plan(), ConflictStampNow(), ShownLanguage());
    // The scanner takes the count for a plain name only.
    const int written = outcome.written;
    QString told =
        QCoreApplication::translate("ImportCommand", "Imported %n day(s).", nullptr, written);
    // The first few reasons: a disk that fails fails every day alike.
    constexpr std::size_t kShownFailures = 8;
    for (std::size_t i = 0; i < std::min(outcome.failures.size(), kShownFailures); ++i) {
      told += QLatin1Char('\n') + FromStoredBytes(outcome.failures[i]);
    }
    if (outcome.failures.size() > kShownFailures) {
      const int more = static_cast<int>(outcome.failures.size() - kShownFailures);
      told += QLatin1Char('\n') + QCoreApplication::translate(
                                      "ImportCommand", "... and %n day(s) more.", nullptr, more);
    }
    prompts.ShowMessage(parent, told,
                        outcome.failures.empty() ? Prompts::Icon::kNone : Prompts::Icon::kWarning);
  });
}

}  // namespace vesmira
