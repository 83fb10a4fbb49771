#include "settings/ui/settings_commands.h"

#include "diary/ui/vesmira_view.h"
#include "settings/ui/properties_dialog.h"
#include "settings/ui/users_dialog.h"
#include "settings/users_folder.h"

namespace vesmira {

void RunPropertiesCommand(CVesmiraView& view, Prompts& prompts, QWidget* parent) {
  // The listed name, not the user of the day shown; with an empty list no file at all, or Save
  // would write users/.properties, which no list shows or removes.
  const std::string user = view.ListedUserName();
  CPropertiesDialog dialog(
      view.Settings(),
      user.empty() ? std::filesystem::path() : PropertiesFilePath(view.DataFolder(), user), prompts,
      parent);
  dialog.exec();
  view.UpdateBalance();
}

void RunUsersCommand(CVesmiraView& view, Prompts& prompts, QWidget* parent) {
  CUsersDialog dialog(
      view.DataFolder(), prompts, [&view] { view.LoadUserList(); }, parent);
  dialog.exec();
}

}  // namespace vesmira
