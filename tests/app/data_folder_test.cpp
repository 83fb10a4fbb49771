#include "app/data_folder.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using vesmira::CreateDataFolder;
using vesmira::ReadStartOptions;
using vesmira::StartOptions;

namespace {

using Environment = QMap<QString, QString>;

StartOptions Read(const QStringList& arguments, const Environment& environment,
                  const QString& workingFolder) {
  static std::vector<std::string> storage;
  storage.clear();
  storage.push_back("vesmira");
  for (const QString& argument : arguments) storage.push_back(argument.toStdString());
  static std::vector<char*> argv;
  argv.clear();
  for (std::string& argument : storage) argv.push_back(argument.data());
  static std::string value;
  const auto lookup = [&environment](const char* name) -> const char* {
    const auto found = environment.constFind(QString::fromLatin1(name));
    if (found == environment.constEnd()) return nullptr;
    value = found->toStdString();
    return value.c_str();
  };
  return ReadStartOptions(static_cast<int>(argv.size()), argv.data(), lookup,
                          workingFolder.toStdString());
}

}  // namespace

class DataFolderTest : public QObject {
  Q_OBJECT

 private slots:
  void chosenInOrder_data();
  void chosenInOrder();
  void ownArgumentsAreTakenOutAndOthersKept();
  void createdWithParentsAndRefusedWhenAFile();
};

void DataFolderTest::chosenInOrder_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<Environment>("environment");
  QTest::addColumn<QString>("workingFolder");
  QTest::addColumn<QString>("folder");  // empty: an error is expected
  const Environment home{{QStringLiteral("HOME"), QStringLiteral("/home/anna")}};
  Environment xdg = home;
  xdg[QStringLiteral("XDG_DATA_HOME")] = QStringLiteral("/data");
  Environment chosen = xdg;
  chosen[QStringLiteral("VESMIRA_DATA_FOLDER")] = QStringLiteral("/sync/diary");
  const QString here = QStringLiteral("/work/here");

  QTest::newRow("home only") << QStringList{} << home << here
                             << QStringLiteral("/home/anna/.local/share/Vesmira");
  QTest::newRow("XDG_DATA_HOME") << QStringList{} << xdg << here << QStringLiteral("/data/Vesmira");
  Environment relativeXdg = home;
  relativeXdg[QStringLiteral("XDG_DATA_HOME")] = QStringLiteral("data");
  QTest::newRow("relative XDG_DATA_HOME is ignored")
      << QStringList{} << relativeXdg << here << QStringLiteral("/home/anna/.local/share/Vesmira");
  Environment emptyXdg = home;
  emptyXdg[QStringLiteral("XDG_DATA_HOME")] = QString();
  QTest::newRow("empty XDG_DATA_HOME is ignored")
      << QStringList{} << emptyXdg << here << QStringLiteral("/home/anna/.local/share/Vesmira");
  QTest::newRow("VESMIRA_DATA_FOLDER before XDG_DATA_HOME")
      << QStringList{} << chosen << here << QStringLiteral("/sync/diary");
  Environment emptyChosen = xdg;
  emptyChosen[QStringLiteral("VESMIRA_DATA_FOLDER")] = QString();
  QTest::newRow("empty VESMIRA_DATA_FOLDER is ignored")
      << QStringList{} << emptyChosen << here << QStringLiteral("/data/Vesmira");
  Environment relativeChosen = xdg;
  relativeChosen[QStringLiteral("VESMIRA_DATA_FOLDER")] = QStringLiteral("../Sync/./diary");
  QTest::newRow("relative VESMIRA_DATA_FOLDER from the working folder")
      << QStringList{} << relativeChosen << here << QStringLiteral("/work/Sync/diary");
  QTest::newRow("option before the environment")
      << QStringList{QStringLiteral("--data-folder"), QStringLiteral("/other")} << chosen << here
      << QStringLiteral("/other");
  QTest::newRow("option with =") << QStringList{QStringLiteral("--data-folder=/other/")} << chosen
                                 << here << QStringLiteral("/other/");
  QTest::newRow("relative option from the working folder")
      << QStringList{QStringLiteral("--data-folder"), QStringLiteral("my diary")} << home << here
      << QStringLiteral("/work/here/my diary");
  QTest::newRow("option without a folder")
      << QStringList{QStringLiteral("--data-folder")} << home << here << QString();
  QTest::newRow("option with an empty folder")
      << QStringList{QStringLiteral("--data-folder=")} << home << here << QString();
  QTest::newRow("neither HOME nor XDG_DATA_HOME")
      << QStringList{} << Environment{} << here << QString();
  QTest::newRow("relative option without a working folder")
      << QStringList{QStringLiteral("--data-folder=diary")} << home << QString() << QString();
}

void DataFolderTest::chosenInOrder() {
  QFETCH(QStringList, arguments);
  QFETCH(Environment, environment);
  QFETCH(QString, workingFolder);
  QFETCH(QString, folder);
  const StartOptions options = Read(arguments, environment, workingFolder);
  if (folder.isEmpty()) {
    QVERIFY(!options.error.empty());
  } else {
    QVERIFY2(options.error.empty(), options.error.c_str());
    QCOMPARE(QString::fromStdString(options.dataFolder.string()), folder);
  }
}

void DataFolderTest::ownArgumentsAreTakenOutAndOthersKept() {
  const Environment home{{QStringLiteral("HOME"), QStringLiteral("/home/anna")}};
  const StartOptions options =
      Read({QStringLiteral("-Embedding"), QStringLiteral("--data-folder"), QStringLiteral("/d"),
            QStringLiteral("diary.vsm"), QStringLiteral("--version")},
           home, QStringLiteral("/"));
  QVERIFY(options.showVersion);
  QVERIFY(!options.showHelp);
  QStringList remaining;
  for (const char* argument : options.remaining) {
    remaining << (argument ? QString::fromLatin1(argument) : QStringLiteral("(end)"));
  }
  QCOMPARE(remaining, (QStringList{QStringLiteral("vesmira"), QStringLiteral("-Embedding"),
                                   QStringLiteral("diary.vsm"), QStringLiteral("(end)")}));
  QVERIFY(Read({QStringLiteral("--help")}, home, QStringLiteral("/")).showHelp);
  QVERIFY(Read({QStringLiteral("-h")}, home, QStringLiteral("/")).showHelp);
  QVERIFY(Read({QStringLiteral("-v")}, home, QStringLiteral("/")).showVersion);
  QCOMPARE(Read({QStringLiteral("--colour")}, home, QStringLiteral("/")).error,
           std::string("unknown option --colour"));
  QVERIFY(Read({QStringLiteral("--Embedding")}, home, QStringLiteral("/")).error.empty());
}

void DataFolderTest::createdWithParentsAndRefusedWhenAFile() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const std::filesystem::path root = dir.path().toStdString();
  QVERIFY(!CreateDataFolder(root / "a" / "b" / "Vesmira").has_value());
  QVERIFY(std::filesystem::is_directory(root / "a" / "b" / "Vesmira"));
  QVERIFY(!CreateDataFolder(root / "a" / "b" / "Vesmira").has_value());
  std::ofstream(root / "plain") << "a file";
  QVERIFY(CreateDataFolder(root / "plain").has_value());
  QVERIFY(CreateDataFolder(root / "plain" / "Vesmira").has_value());
}

QTEST_GUILESS_MAIN(DataFolderTest)
#include "data_folder_test.moc"
