#include "ui/stored_text.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "storage/text_encoding.h"

namespace vesmira {

QString FromStoredBytes(std::string_view bytes) {
  return QString::fromStdString(StoredBytesToUtf8(bytes));
}

std::string ToStoredBytes(const QString& text) { return text.toStdString(); }

void KeepOnOneLine(QLineEdit* edit) {
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\r\\n]*")), edit));
}

}  // namespace vesmira
