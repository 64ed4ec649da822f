#ifndef DIVELOGFIELDS_H
#define DIVELOGFIELDS_H

#include <QByteArray>

// Values of dive-log fields, read from their texts as bytes. Logs of other programs leave things
// out and write nonsense: what cannot be used is told apart from what can.
namespace DiveLogFields {

// Far beyond any dive, far below the int range.
const double longestDive = 7 * 24 * 3600.0; // seconds
const float deepestDive = 1000;             // metres

// A decimal number with a point, blanks around it allowed; false when the text is empty, not a
// number, or not finite.
bool readNumber(const QByteArray& text, double* value);
// The number, 0 when there is none.
double number(const QByteArray& text);
// A whole decimal number, 0 when there is none.
int integer(const QByteArray& text);

// A logged depth in metres or time in seconds; NaN when it is missing, not a finite float, or
// outside what any dive could log.
float depthOf(const QByteArray& text);
double timeOf(const QByteArray& text);
bool plausibleDepth(double metres);

// A logged time as whole seconds, rounded up so that the last sample lies within it.
int wholeSeconds(double seconds);

} // namespace DiveLogFields

#endif
