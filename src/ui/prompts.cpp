#include "ui/prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace vesmira {

namespace {

QMessageBox::Icon ToQtIcon(Prompts::Icon icon) {
  switch (icon) {
    case Prompts::Icon::kNone:
      return QMessageBox::NoIcon;
    case Prompts::Icon::kExclamation:
    case Prompts::Icon::kWarning:
      return QMessageBox::Warning;
    case Prompts::Icon::kQuestion:
      return QMessageBox::Question;
    case Prompts::Icon::kStop:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// The documents folder, or the home folder where there is none yet.
QString StartFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

}  // namespace

Prompts::Answer QtPrompts::ShowMessage(QWidget* parent, const QString& text, Icon icon,
                                       Buttons buttons) {
  QMessageBox box(ToQtIcon(icon), ApplicationCaption(), text,
                  buttons == Buttons::kYesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                  parent);
  const int result = box.exec();
  if (buttons == Buttons::kOk) return Answer::kOk;
  return result == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
}

int QtPrompts::AskChoice(QWidget* parent, const QString& text, Icon icon,
                         const QStringList& buttons) {
  QMessageBox box(ToQtIcon(icon), ApplicationCaption(), text, QMessageBox::NoButton, parent);
  QList<QAbstractButton*> added;
  for (const QString& label : buttons) {
    added.append(
        box.addButton(label, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
  }
  if (added.isEmpty()) return 0;
  box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
  box.setEscapeButton(added.first());
  box.exec();
  const qsizetype chosen = added.indexOf(box.clickedButton());
  return chosen < 0 ? 0 : static_cast<int>(chosen);
}

Prompts::SaveAnswer QtPrompts::AskSaveFileName(QWidget* parent, const SaveRequest& request) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(request.filters);
  dialog.setDefaultSuffix(request.defaultSuffix);
  // Not the working folder: that is the hidden data folder, no place for a page to keep.
  dialog.setDirectory(m_lastSaveFolder.isEmpty() ? StartFolder() : m_lastSaveFolder);
  dialog.selectFile(request.initialName);
  SaveAnswer answer;
  if (dialog.exec() != QDialog::Accepted) return answer;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.first().isEmpty()) {
    answer.outcome = SaveAnswer::Outcome::kFailed;
    return answer;
  }
  answer.outcome = SaveAnswer::Outcome::kChosen;
  const QFileInfo chosen(files.first());
  answer.path = chosen.absoluteFilePath();
  m_lastSaveFolder = chosen.absolutePath();
  return answer;
}

QStringList QtPrompts::AskOpenFileNames(QWidget* parent, const QString& caption,
                                        const QStringList& filters) {
  QFileDialog dialog(parent, caption);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilters(filters);
  dialog.setDirectory(m_lastSaveFolder.isEmpty() ? StartFolder() : m_lastSaveFolder);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

}  // namespace vesmira
