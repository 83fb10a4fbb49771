#include "app/help_page.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QVersionNumber>
#include <filesystem>
#include <optional>
#include <string_view>

#include "build_config.h"
#include "storage/atomic_file.h"
#include "ui/language.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"
#include "ui/url_opener.h"

namespace vesmira {

namespace {

QByteArray Sum(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
  return !AtomicWriteFile(ToPath(path), std::string_view(bytes.constData(),
                                                         static_cast<std::size_t>(bytes.size())))
              .has_value();
}

// What the program remembers of the page it wrote: its sum and the version that wrote it,
// one line "SUM VERSION".
struct WrittenPage {
  QByteArray sum;
  QVersionNumber version;
};

// A file of the data folder, read only when it is a regular file of a sound size: a FIFO in
// its place must not hang the program.
std::optional<QByteArray> ReadPageFile(const QString& path) {
  const std::optional<std::string> bytes = ReadFileBytes(ToPath(path));
  if (!bytes) return std::nullopt;
  return ToByteArray(*bytes);
}

std::optional<WrittenPage> ReadRecord(const QString& path) {
  const std::optional<QByteArray> bytes = ReadPageFile(path);
  if (!bytes) return std::nullopt;
  const QList<QByteArray> fields = bytes->left(256).simplified().split(' ');
  if (fields.size() != 2 || fields[0].size() != 64) return std::nullopt;
  const QVersionNumber version = QVersionNumber::fromString(QString::fromLatin1(fields[1]));
  if (version.isNull()) return std::nullopt;
  return WrittenPage{fields[0], version};
}

bool WriteRecord(const QString& path, const QByteArray& sum, const QString& version) {
  return WriteWhole(path, sum + ' ' + version.toLatin1() + '\n');
}

}  // namespace

void ShowHelp(const QString& dataFolder, UrlOpener& urlOpener, Prompts& prompts, QWidget* parent) {
  // Reading it, rather than asking whether it exists, also turns away a page that cannot be
  // read, a folder of that name and a FIFO, which no browser could show either.
  // The page in the language shown, else the English one.
  QString path =
      QFileInfo(QDir(dataFolder).filePath(LocalPageName(HelpFileName()))).absoluteFilePath();
  if (!ReadPageFile(path)) {
    path = QFileInfo(QDir(dataFolder).filePath(HelpFileName())).absoluteFilePath();
  }
  if (!ReadPageFile(path)) {
    prompts.ShowMessage(parent, HelpNotFoundMessage(), Prompts::Icon::kWarning,
                        Prompts::Buttons::kOk);
    return;
  }
  urlOpener.Open(QUrl::fromLocalFile(path));
}

PageOutcome KeepShippedPage(const QString& dataFolder, const ShippedPage& page,
                            const QString& version) {
  const QDir folder(dataFolder);
  const QString pagePath = folder.filePath(page.name);
  const QString recordPath =
      folder.filePath(QLatin1Char('.') + page.name + QStringLiteral(".shipped"));
  // The sum is taken only when a record is written or the page differs: the page of this
  // version, found at every start, costs a comparison of bytes.
  const auto shippedSum = [&page] { return Sum(page.bytes); };
  const auto write = [&] {
    return WriteWhole(pagePath, page.bytes) && WriteRecord(recordPath, shippedSum(), version)
               ? PageOutcome::kWritten
               : PageOutcome::kFailed;
  };
  const QFileInfo info(pagePath);
  if (info.isSymLink() || (info.exists() && !info.isFile())) return PageOutcome::kKept;
  if (!info.exists()) return write();
  const std::optional<QByteArray> present = ReadPageFile(pagePath);
  if (!present) return PageOutcome::kKept;
  const std::optional<WrittenPage> record = ReadRecord(recordPath);
  if (*present == page.bytes) {
    // The page of this version, perhaps put there before records were kept.
    if (!record || record->version != QVersionNumber::fromString(version)) {
      WriteRecord(recordPath, shippedSum(), version);
    }
    return PageOutcome::kCurrent;
  }
  const QByteArray sum = Sum(*present);
  const bool unchanged = record ? record->sum == sum : page.earlierSums.contains(sum);
  const bool older = !record || record->version <= QVersionNumber::fromString(version);
  return unchanged && older ? write() : PageOutcome::kKept;
}

QStringList KeepShippedPages(const QString& dataFolder) {
  struct Page {
    QString name;
    QList<QByteArray> earlierSums;
  };
  QList<Page> pages{
      // The help page that the first packages copied in without a record.
      {HelpFileName(), {"813ba7db8ae45fc1d68e9b741df8d91bc70a191208cc5b739f0683f9b8968029"}},
      {DietTipsFileName(), {}},
  };
  // The pages of the language shown beside them; another language's come when it is shown.
  for (const QString& name : {HelpFileName(), DietTipsFileName()}) {
    if (LocalPageName(name) != name) pages.append({LocalPageName(name), {}});
  }
  QStringList problems;
  for (const auto& [name, earlierSums] : pages) {
    QFile shipped(QStringLiteral(":/pages/") + name);
    if (!shipped.open(QIODevice::ReadOnly)) {
      problems << QStringLiteral("the program holds no %1").arg(name);
      continue;
    }
    const ShippedPage page{name, shipped.readAll(), earlierSums};
    if (KeepShippedPage(dataFolder, page, QString::fromUtf8(build::kVersion)) ==
        PageOutcome::kFailed) {
      problems << QStringLiteral("could not write %1 into %2").arg(name, dataFolder);
    }
  }
  return problems;
}

}  // namespace vesmira
