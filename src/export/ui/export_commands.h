#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace vesmira {

class CVesmiraDoc;
class Prompts;

// Shown when the save dialog fails and when the chosen file cannot be written.
inline QString ProblemSavingFileText() {
  return QCoreApplication::translate("ExportCommands", "Problem saving file. Try a new file name.");
}

// Tools > Export > "To &HTML": asks for a file name ("Diet.html"), stores the day shown (the dialog
// over parent) and writes the page of the diary notes of today and the 364 days before it.
void ExportToHtml(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent);

// Tools > Export > "To &Data Sheet": asks for a file name ("diet.xls"), stores the day shown
// and writes the comma-separated sheet of the same 365 days.
void ExportToDataSheet(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent);

// Tools > Export > "To &Weight Sheet": asks for a file name ("weight.xls"), stores the day shown
// and writes the date and weight of each day weighed among the same 365 days.
void ExportToWeightSheet(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent);

}  // namespace vesmira
