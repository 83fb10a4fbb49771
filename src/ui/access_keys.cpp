#include "ui/access_keys.h"

namespace vesmira {

QChar AccessKeyOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;
  }
  return {};
}

QString ShownWords(const QString& text) {
  QString words;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    words.append(text[i]);
  }
  return words;
}

QString WithFreeAccessKey(const QString& text, QString& taken) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    const QChar letter = text[i].toLower();
    if (!letter.isLetter() || taken.contains(letter)) continue;
    taken.append(letter);
    QString marked = text;
    marked.insert(i, QLatin1Char('&'));
    return marked;
  }
  return text;
}

}  // namespace vesmira
