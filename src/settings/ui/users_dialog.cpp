#include "settings/ui/users_dialog.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "settings/users_folder.h"
#include "storage/file_error.h"
#include "ui/language.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

QString EmptyNameMessage() {
  return QCoreApplication::translate("UsersDialog", "Please write a name.");
}
QString UnusableNameMessage() {
  return QCoreApplication::translate("UsersDialog",
                                     "Please write a name that can be used as a file name.");
}
QString ExistingUserMessage() {
  return QCoreApplication::translate("UsersDialog", "User already exists!");
}
QString RemoveQuestion() {
  return QCoreApplication::translate("UsersDialog", "Do you want to remove the chosen names?");
}

}  // namespace

CUsersDialog::CUsersDialog(std::filesystem::path dataFolder, Prompts& prompts,
                           LoadUserListFunction loadUserList, QWidget* parent)
    : QDialog(parent),
      m_dataFolder(std::move(dataFolder)),
      m_prompts(prompts),
      m_loadUserList(std::move(loadUserList)) {
  BuildDialog();
  FillList();
}

void CUsersDialog::BuildDialog() {
  setWindowTitle(tr("Add/Remove User"));

  auto* group = new QGroupBox(tr("Users"), this);
  group->setObjectName(QStringLiteral("usersGroup"));

  m_list = new QListWidget(group);
  m_list->setObjectName(QStringLiteral("usersList"));
  m_list->setAccessibleName(tr("Users"));
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);

  m_removeButton = new QPushButton(tr("&Remove"), group);
  m_removeButton->setObjectName(QStringLiteral("removeButton"));

  m_nameEdit = new QLineEdit(group);
  m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
  m_nameEdit->setAccessibleName(tr("Name of the user to add"));
  auto* nameLabel = new QLabel(tr("&Name:"), group);
  nameLabel->setObjectName(QStringLiteral("nameLabel"));
  nameLabel->setBuddy(m_nameEdit);
  // Enter in a name adds it; in an empty field it is Close's, as everywhere else.
  m_nameEdit->installEventFilter(this);

  m_addButton = new QPushButton(tr("&Add"), group);
  m_addButton->setObjectName(QStringLiteral("addButton"));

  m_closeButton = new QPushButton(tr("&Close"), group);
  m_closeButton->setObjectName(QStringLiteral("closeButton"));

  // Enter closes, but in a typed name: never a focused Add or Remove.
  m_closeButton->setDefault(true);
  m_addButton->setAutoDefault(false);
  m_removeButton->setAutoDefault(false);

  auto* grid = new QGridLayout(group);
  auto* nameColumn = new QVBoxLayout;
  nameColumn->addWidget(nameLabel);
  nameColumn->addWidget(m_nameEdit);
  nameColumn->addWidget(m_addButton);
  nameColumn->addStretch();
  grid->addWidget(m_list, 0, 0, 2, 1);
  grid->addLayout(nameColumn, 0, 1, 2, 1);
  grid->addWidget(m_removeButton, 2, 0);
  grid->addWidget(m_closeButton, 2, 1, Qt::AlignBottom);
  grid->setColumnStretch(0, 1);

  auto* layout = new QVBoxLayout(this);
  // A fixed size: more room would show nothing more, so the dialog cannot be maximised.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(group);

  // The name first: what the welcome text tells a newcomer to type.
  setTabOrder(m_nameEdit, m_addButton);
  setTabOrder(m_addButton, m_list);
  setTabOrder(m_list, m_removeButton);
  setTabOrder(m_removeButton, m_closeButton);
  m_nameEdit->setFocus();

  connect(m_addButton, &QPushButton::clicked, this, &CUsersDialog::AddTypedUser);
  connect(m_removeButton, &QPushButton::clicked, this, &CUsersDialog::RemoveTickedUsers);
  connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void CUsersDialog::FillList() {
  for (const std::string& name : ScanUserNames(m_dataFolder)) InsertName(name);
}

void CUsersDialog::InsertName(const std::string& name) {
  auto* item = new QListWidgetItem(FromStoredBytes(name));
  item->setData(Qt::UserRole, ToByteArray(name));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  item->setCheckState(Qt::Unchecked);
  m_list->insertItem(std::min(1, m_list->count()), item);
}

std::string CUsersDialog::NameOf(const QListWidgetItem* item) {
  const QByteArray bytes = item->data(Qt::UserRole).toByteArray();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void CUsersDialog::AddTypedUser() {
  const std::string name = ToStoredBytes(m_nameEdit->text());
  if (name.empty()) {
    m_prompts.ShowMessage(this, EmptyNameMessage(), Prompts::Icon::kExclamation);
    return;
  }
  if (!IsUsableUserName(name)) {
    m_prompts.ShowMessage(this, UnusableNameMessage(), Prompts::Icon::kExclamation);
    return;
  }
  // The folder decides, not this list: a user added or removed elsewhere counts as it is.
  if (HoldsUserName(ScanUserNames(m_dataFolder), name)) {
    m_prompts.ShowMessage(this, ExistingUserMessage(), Prompts::Icon::kExclamation);
    return;
  }
  if (const std::optional<FileError> error = AddUser(m_dataFolder, name)) {
    // A file under the name the list did not show: one whose name differs in letter case
    // only, on a file system that ignores case.
    if (error->cause == FileErrorCause::kExists) {
      m_prompts.ShowMessage(this, ExistingUserMessage(), Prompts::Icon::kExclamation);
    } else {
      m_prompts.ShowMessage(this, FromStoredBytes(FileErrorMessage(*error, ShownLanguage())),
                            Prompts::Icon::kStop);
    }
    return;
  }
  InsertName(name);
  m_nameEdit->clear();
  if (m_loadUserList) m_loadUserList();
}

bool CUsersDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_nameEdit && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        key->modifiers() == Qt::NoModifier && !m_nameEdit->text().isEmpty()) {
      AddTypedUser();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CUsersDialog::RemoveTickedUsers() {
  if (m_prompts.ShowMessage(this, RemoveQuestion(), Prompts::Icon::kQuestion,
                            Prompts::Buttons::kYesNo) != Prompts::Answer::kYes) {
    return;
  }
  // The rows above a removed one hold no tick, so going on at the same row visits the list
  // exactly as starting again from the top would.
  for (int row = 0; row < m_list->count();) {
    QListWidgetItem* item = m_list->item(row);
    if (item->checkState() != Qt::Checked) {
      ++row;
      continue;
    }
    if (const std::optional<FileError> error = RemoveUser(m_dataFolder, NameOf(item))) {
      // Users removed so far stay removed; the failing one stays ticked in the list.
      m_prompts.ShowMessage(this, FromStoredBytes(FileErrorMessage(*error, ShownLanguage())),
                            Prompts::Icon::kStop);
      return;
    }
    delete m_list->takeItem(row);
  }
  if (m_loadUserList) m_loadUserList();
}

}  // namespace vesmira
