#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vesmira {

class Prompts;

// "Add/Remove User": adds and removes users in the users folder. Every Add and Remove takes
// effect on disk at once and then rebuilds the diary form's user list through the callback.
// The dialog's list is its own copy of the names: filled from the folder when the dialog is
// built, then changed only by Add and Remove.
//
// Widgets by objectName:
//   usersGroup (QGroupBox) "Users", framing everything below
//   usersList (QListWidget): one checkable item per user; a tick marks the name for Remove.
//     Each item holds the name's stored bytes as a QByteArray in Qt::UserRole.
//   removeButton (QPushButton) "Remove"
//   nameEdit (QLineEdit): the name to add
//   addButton (QPushButton) "Add"
//   closeButton (QPushButton) "Close", the default button: Enter anywhere closes the dialog
//     and never adds the typed name
// Tab order: Close, list, Remove, name, Add; Close has the focus when the dialog opens.
class CUsersDialog : public QDialog {
  Q_OBJECT

 public:
  using LoadUserListFunction = std::function<void()>;

  CUsersDialog(std::filesystem::path dataFolder, Prompts& prompts,
               LoadUserListFunction loadUserList, QWidget* parent = nullptr);

  // The Add and Remove commands, as their buttons run them.
  void AddTypedUser();
  void RemoveTickedUsers();

 protected:
  // Enter in a typed name adds the user.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildDialog();
  void FillList();
  // Inserts at the second place, or the first when the list is empty, as each name is
  // placed when the list is filled and when a user is added.
  void InsertName(const std::string& name);
  static std::string NameOf(const QListWidgetItem* item);

  std::filesystem::path m_dataFolder;
  Prompts& m_prompts;
  LoadUserListFunction m_loadUserList;

  QListWidget* m_list = nullptr;
  QPushButton* m_removeButton = nullptr;
  QLineEdit* m_nameEdit = nullptr;
  QPushButton* m_addButton = nullptr;
  QPushButton* m_closeButton = nullptr;
};

}  // namespace vesmira
