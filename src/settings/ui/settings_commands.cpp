#include "settings/ui/settings_commands.h"

#include "diary/ui/vesmira_doc.h"
#include "settings/ui/properties_dialog.h"
#include "settings/ui/users_dialog.h"
#include "settings/users_folder.h"

namespace vesmira {

void RunPropertiesCommand(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent) {
  // With no user no file at all, or Save would write users/.properties, which no list shows
  // or removes.
  const std::string& user = doc.CurrentUserName();
  UserSettings settings = doc.Settings();
  CPropertiesDialog dialog(
      settings, user.empty() ? std::filesystem::path() : PropertiesFilePath(doc.DataFolder(), user),
      prompts, parent);
  dialog.exec();
  doc.SetSettings(settings);
}

void RunUsersCommand(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent) {
  CUsersDialog dialog(
      doc.DataFolder(), prompts, [&doc] { doc.UsersChanged(); }, parent);
  dialog.exec();
}

}  // namespace vesmira
