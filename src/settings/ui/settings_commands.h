#pragma once

class QWidget;

namespace vesmira {

class CVesmiraView;
class Prompts;

// The form's commands that open the settings dialogs, each run modally over parent and
// destroyed when it ends.

// Properties (the form's "Properties" button and File > Properties): the dialog on the
// properties file of the user the list shows, editing the form's settings in place. However
// the dialog ends, the form's balance and weight caption are recomputed at once.
void RunPropertiesCommand(CVesmiraView& view, Prompts& prompts, QWidget* parent);

// Tools > Users: the users dialog on the form's data folder, rebuilding the form's user list
// after every Add and every confirmed Remove.
void RunUsersCommand(CVesmiraView& view, Prompts& prompts, QWidget* parent);

}  // namespace vesmira
