#ifndef DIVELOGFIELDS_H
#define DIVELOGFIELDS_H

#include <QDomElement>
#include <QString>

// Values of dive-log elements. Logs of other programs leave things out: a missing element or
// attribute reads as an empty text, and an empty, malformed or non-finite number as 0.
namespace DiveLogFields {

QString text(const QDomElement& parent, const QString& child);
double number(const QString& text);
double number(const QDomElement& parent, const QString& child);
int integer(const QString& text);
int integer(const QDomElement& parent, const QString& child);

// A logged time as whole seconds, rounded up so that the last sample lies within it, and bounded
// so that nonsense in a file cannot overflow the arithmetic of callers.
int wholeSeconds(double seconds);

} // namespace DiveLogFields

#endif
