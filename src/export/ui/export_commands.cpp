#include "export/ui/export_commands.h"

#include <QFile>
#include <QStringList>
#include <filesystem>
#include <optional>

#include "diary/ui/vesmira_view.h"
#include "export/export_file.h"
#include "periods/ui/calculate_command.h"
#include "ui/prompts.h"

namespace vesmira {

namespace {

void RunExport(CVesmiraView& view, Prompts& prompts, ExportKind mode,
               const Prompts::SaveRequest& request) {
  const Prompts::SaveAnswer answer = prompts.AskSaveFileName(&view, request);
  switch (answer.outcome) {
    case Prompts::SaveAnswer::Outcome::kCancelled:
      return;
    case Prompts::SaveAnswer::Outcome::kFailed:
      prompts.ShowMessage(&view, ProblemSavingFileText(), Prompts::Icon::kWarning);
      return;
    case Prompts::SaveAnswer::Outcome::kChosen:
      break;
  }
  // A day that cannot be stored has been reported; the export still holds the days that are.
  static_cast<void>(view.SaveDay());
  // The walk is given the data folder itself, so the folder the dialog browsed to matters to
  // nothing but the target.
  const std::filesystem::path target(QFile::encodeName(answer.path).toStdString());
  if (ExportStoredDays(mode, FormWalkInput(view), target)) {
    prompts.ShowMessage(&view, ProblemSavingFileText(), Prompts::Icon::kWarning);
  }
}

}  // namespace

void ExportToHtml(CVesmiraView& view, Prompts& prompts) {
  RunExport(view, prompts, ExportKind::kHtmlPage,
            {QStringLiteral("Diet.html"),
             QStringLiteral("html"),
             {QStringLiteral("HTML (*.html)"), QStringLiteral("HTM (*.htm)"),
              QStringLiteral("All Files (*)")}});
}

void ExportToDataSheet(CVesmiraView& view, Prompts& prompts) {
  RunExport(view, prompts, ExportKind::kDataSheet,
            {QStringLiteral("diet.xls"),
             QStringLiteral("xls"),
             {QStringLiteral("Data sheet Files (*.xls)"),
              QStringLiteral("Data Files (*.xlc *.xls)"), QStringLiteral("All Files (*)")}});
}

void ExportToWeightSheet(CVesmiraView& view, Prompts& prompts) {
  RunExport(view, prompts, ExportKind::kWeightSheet,
            {QStringLiteral("weight.xls"),
             QStringLiteral("xls"),
             {QStringLiteral("Data sheet Files (*.xls)"),
              QStringLiteral("Data Files (*.xlc *.xls)"), QStringLiteral("All Files (*)")}});
}

}  // namespace vesmira
