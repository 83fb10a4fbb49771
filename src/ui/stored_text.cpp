#include "ui/stored_text.h"

#include <QLineEdit>
#include <QValidator>

#include "storage/text_encoding.h"

namespace vesmira {

QString FromStoredBytes(std::string_view bytes) {
  return QString::fromStdString(StoredBytesToUtf8(bytes));
}

std::string ToStoredBytes(const QString& text) { return text.toStdString(); }

namespace {

// Takes every line break out of what the box is given, typed, pasted or set, and keeps the
// rest: a pasted cell "450" with its line end reads 450, a stored lone line end reads empty.
class OneLineValidator final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override {
    int removedBefore = 0;
    for (qsizetype i = input.size(); i-- > 0;) {
      const QChar c = input.at(i);
      if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QChar::LineSeparator &&
          c != QChar::ParagraphSeparator) {
        continue;
      }
      input.remove(i, 1);
      if (i < position) ++removedBefore;
    }
    position -= removedBefore;
    return Acceptable;
  }
};

}  // namespace

QString WithoutLineBreaks(QString text) {
  int position = 0;
  OneLineValidator().validate(text, position);
  return text;
}

void KeepOnOneLine(QLineEdit* edit) { edit->setValidator(new OneLineValidator(edit)); }

}  // namespace vesmira
