#include "settings/ui/settings_commands.h"

#include "diary/ui/vesmira_view.h"
#include "settings/ui/properties_dialog.h"
#include "settings/ui/users_dialog.h"
#include "settings/users_folder.h"

namespace vesmira {

void RunPropertiesCommand(CVesmiraView& view, Prompts& prompts, QWidget* parent) {
  // The listed name, not the user of the day shown: with an empty list this is the empty
  // name, whose file Save writes as users/.properties.
  CPropertiesDialog dialog(view.Settings(),
                           PropertiesFilePath(view.DataFolder(), view.ListedUserName()), prompts,
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
