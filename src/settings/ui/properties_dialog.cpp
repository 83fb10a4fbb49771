#include "settings/ui/properties_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>
#include <utility>

#include "diary/energy_model.h"
#include "settings/properties_file.h"
#include "storage/file_error.h"
#include "storage/number_text.h"
#include "storage/stored_file.h"
#include "ui/access_keys.h"
#include "ui/language.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

constexpr int kRowsPerColumn = 6;

// A box with its label; the label's text is also the box's name for assistive technology.
// Each label takes the first of its letters no label or button before it took.
QLineEdit* AddLabelledEdit(QWidget* parent, const QString& label, std::string_view key,
                           QLabel** labelOut, QString& takenKeys) {
  auto* edit = new QLineEdit(parent);
  std::string name(key);
  name += "Edit";
  edit->setObjectName(FromStoredBytes(name));
  edit->setAccessibleName(label);
  KeepOnOneLine(edit);
  auto* caption = new QLabel(WithFreeAccessKey(label, takenKeys), parent);
  caption->setBuddy(edit);
  *labelOut = caption;
  return edit;
}

}  // namespace

CPropertiesDialog::CPropertiesDialog(UserSettings& settings, std::filesystem::path propertiesPath,
                                     Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_propertiesPath(std::move(propertiesPath)),
      m_prompts(prompts) {
  // The version the dialog was opened on: Save never writes over another.
  if (!m_propertiesPath.empty()) m_openedOn = ReadFileSnapshot(m_propertiesPath).bytes;
  BuildDialog();
  ShowSettings();
}

QGroupBox* CPropertiesDialog::BuildRatesGroup(QString& takenKeys) {
  auto* ratesGroup = new QGroupBox(tr("Energy consumeing by training [kcal/hour]"), this);
  ratesGroup->setObjectName(QStringLiteral("ratesGroup"));
  auto* rates = new QGridLayout(ratesGroup);
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    QLabel* label = nullptr;
    m_rateEdits[i] =
        AddLabelledEdit(ratesGroup, Shown("Properties", kActivities[i].propertiesLabel),
                        kActivities[i].rateKey, &label, takenKeys);
    const int row = static_cast<int>(i) % kRowsPerColumn;
    const int column = static_cast<int>(i) / kRowsPerColumn * 2;
    rates->addWidget(label, row, column);
    rates->addWidget(m_rateEdits[i], row, column + 1);
  }
  return ratesGroup;
}

void CPropertiesDialog::BuildDialog() {
  setWindowTitle(tr("Properties"));

  // The buttons first: Save and Cancel keep their keys.
  const QString cancelText = tr("&Cancel");
  const QString saveText = tr("&Save");
  QString takenKeys = QString(AccessKeyOf(saveText)) + AccessKeyOf(cancelText);
  QLabel* grundLabel = nullptr;
  m_grundForbrukningEdit = AddLabelledEdit(this, tr("Normal energy consumption"),
                                           kGrundForbrukningKey, &grundLabel, takenKeys);
  QLabel* malLabel = nullptr;
  m_malEdit = AddLabelledEdit(this, tr("Target kcal level"), kMalKey, &malLabel, takenKeys);

  auto* unitGroup = new QGroupBox(tr("Weight unit"), this);
  unitGroup->setObjectName(QStringLiteral("weightUnitGroup"));
  m_kilogramsRadio =
      new QRadioButton(WithFreeAccessKey(tr("Kilograms (kg)"), takenKeys), unitGroup);
  m_kilogramsRadio->setObjectName(QStringLiteral("kilogramsRadio"));
  m_poundsRadio = new QRadioButton(WithFreeAccessKey(tr("Pounds (lbs)"), takenKeys), unitGroup);
  m_poundsRadio->setObjectName(QStringLiteral("poundsRadio"));
  for (QRadioButton* radio : {m_kilogramsRadio, m_poundsRadio}) {
    radio->setFocusPolicy(Qt::ClickFocus);
  }
  auto* unitLayout = new QVBoxLayout(unitGroup);
  unitLayout->addWidget(m_kilogramsRadio);
  unitLayout->addWidget(m_poundsRadio);

  auto* left = new QVBoxLayout;
  left->addWidget(grundLabel);
  left->addWidget(m_grundForbrukningEdit);
  left->addWidget(malLabel);
  left->addWidget(m_malEdit);
  left->addWidget(unitGroup);
  left->addStretch();

  QGroupBox* ratesGroup = BuildRatesGroup(takenKeys);

  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(ratesGroup, 1);

  m_cancelButton = new QPushButton(cancelText, this);
  m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
  m_saveButton = new QPushButton(saveText, this);
  m_saveButton->setObjectName(QStringLiteral("saveButton"));
  m_saveButton->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_cancelButton);
  buttons->addWidget(m_saveButton);

  auto* layout = new QVBoxLayout(this);
  // A fixed size: more room would show nothing more, so the dialog cannot be maximised.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(top);
  layout->addLayout(buttons);

  QWidget* previous = m_saveButton;
  for (QLineEdit* edit : m_rateEdits) {
    setTabOrder(previous, edit);
    previous = edit;
  }
  setTabOrder(previous, m_grundForbrukningEdit);
  setTabOrder(m_grundForbrukningEdit, m_malEdit);
  setTabOrder(m_malEdit, m_cancelButton);
  m_saveButton->setFocus();

  connect(m_saveButton, &QPushButton::clicked, this, &CPropertiesDialog::OnSave);
  connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CPropertiesDialog::ShowSettings() {
  m_grundForbrukningEdit->setText(FromStoredBytes(FormatNumber(m_settings.grundForbrukning)));
  m_malEdit->setText(FromStoredBytes(FormatNumber(m_settings.mal)));
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    m_rateEdits[i]->setText(FromStoredBytes(FormatNumber(m_settings.activityKal[i])));
  }
  // Only 1 means kilograms; every other stored value shows, and is saved, as pounds.
  (m_settings.UsesKilograms() ? m_kilogramsRadio : m_poundsRadio)->setChecked(true);
}

void CPropertiesDialog::SaveProperties() {
  PropertiesTexts texts;
  texts.grundForbrukning = ToStoredBytes(m_grundForbrukningEdit->text());
  texts.mal = ToStoredBytes(m_malEdit->text());
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    texts.activityKal[i] = ToStoredBytes(m_rateEdits[i]->text());
  }
  texts.kilograms = m_kilogramsRadio->isChecked();

  // The settings take the typed values even when the file cannot be written; the box then
  // tells the person that the file still holds the old ones.
  m_settings = texts.Settings();
  // Without a user there is no file to keep them in: they last until a user is taken.
  if (m_propertiesPath.empty()) return;
  std::optional<FileError> error;
  if (ReadFileSnapshot(m_propertiesPath).bytes != m_openedOn) {
    error = FileError{FileErrorCause::kChangedMeanwhile, m_propertiesPath};
  } else {
    error = WriteProperties(m_propertiesPath, texts);
  }
  if (error) {
    m_prompts.ShowMessage(this, FromStoredBytes(FileErrorMessage(*error, ShownLanguage())),
                          Prompts::Icon::kStop);
  }
}

void CPropertiesDialog::OnSave() {
  SaveProperties();
  accept();
}

}  // namespace vesmira
