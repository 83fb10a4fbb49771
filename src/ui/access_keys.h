#pragma once

#include <QChar>
#include <QString>

// Access keys: the underlined letter of a label or button, pressed with Alt. Within a window
// each letter is used once.
namespace vesmira {

// The letter after a single "&", lower case; none when the text has no access key.
QChar AccessKeyOf(const QString& text);

// The words a text shows: "&&" is one ampersand, a single "&" marks the access key and shows
// nothing ("Cycl&ing" shows "Cycling").
QString ShownWords(const QString& text);

// The text with an access key on the first of its letters that taken does not hold yet; that
// letter is added to taken. A text whose every letter is taken stays without one.
QString WithFreeAccessKey(const QString& text, QString& taken);

}  // namespace vesmira
