#pragma once

class QWidget;

namespace vesmira {

class CVesmiraDoc;
class Prompts;

// The commands that open the settings dialogs, each run modally over parent and destroyed
// when it ends.

// Properties (the form's "Properties" button and File > Properties): the dialog on the
// properties file of the document's user, editing a copy of its settings, which the document
// takes back however the dialog ends; with no user, the dialog saves no file.
void RunPropertiesCommand(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent);

// Tools > Users: the users dialog on the document's data folder; the form lists the users
// again after every Add and every confirmed Remove.
void RunUsersCommand(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent);

}  // namespace vesmira
