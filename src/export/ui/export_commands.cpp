#include "export/ui/export_commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <optional>

#include "diary/ui/vesmira_doc.h"
#include "export/export_file.h"
#include "ui/prompts.h"

namespace vesmira {

namespace {

void RunExport(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent, ExportKind mode,
               const Prompts::SaveRequest& request) {
  const Prompts::SaveAnswer answer = prompts.AskSaveFileName(parent, request);
  switch (answer.outcome) {
    case Prompts::SaveAnswer::Outcome::kCancelled:
      return;
    case Prompts::SaveAnswer::Outcome::kFailed:
      prompts.ShowMessage(parent, ProblemSavingFileText(), Prompts::Icon::kWarning);
      return;
    case Prompts::SaveAnswer::Outcome::kChosen:
      break;
  }
  // The walk is given the data folder itself, so the folder the dialog browsed to matters to
  // nothing but the target.
  const std::filesystem::path target(QFile::encodeName(answer.path).toStdString());
  // A day that cannot be stored shows why over the form; the export still holds the days that
  // are.
  doc.StoreThen([&doc, &prompts, parent = QPointer<QWidget>(parent), mode,
                 target](const std::optional<FileError>&) {
    if (ExportStoredDays(mode, doc.WalkInput(), target)) {
      prompts.ShowMessage(parent, ProblemSavingFileText(), Prompts::Icon::kWarning);
    }
  });
}

}  // namespace

void ExportToHtml(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent) {
  RunExport(doc, prompts, parent, ExportKind::kHtmlPage,
            {QStringLiteral("Diet.html"),
             QStringLiteral("html"),
             {QStringLiteral("HTML (*.html)"), QStringLiteral("HTM (*.htm)"),
              QCoreApplication::translate("ExportCommands", "All Files (*)")}});
}

void ExportToDataSheet(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent) {
  RunExport(doc, prompts, parent, ExportKind::kDataSheet,
            {QStringLiteral("diet.xls"),
             QStringLiteral("xls"),
             {QCoreApplication::translate("ExportCommands", "Data sheet Files (*.xls)"),
              QCoreApplication::translate("ExportCommands", "Data Files (*.xlc *.xls)"),
              QCoreApplication::translate("ExportCommands", "All Files (*)")}});
}

void ExportToWeightSheet(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent) {
  RunExport(doc, prompts, parent, ExportKind::kWeightSheet,
            {QStringLiteral("weight.xls"),
             QStringLiteral("xls"),
             {QCoreApplication::translate("ExportCommands", "Data sheet Files (*.xls)"),
              QCoreApplication::translate("ExportCommands", "Data Files (*.xlc *.xls)"),
              QCoreApplication::translate("ExportCommands", "All Files (*)")}});
}

}  // namespace vesmira
