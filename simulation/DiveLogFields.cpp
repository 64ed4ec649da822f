#include "DiveLogFields.h"

#include <QtMath>

namespace DiveLogFields {

namespace {
// Far beyond any dive, far below the int range.
const double longestDive = 1.0e7;
}

QString text(const QDomElement& parent, const QString& child)
{
    return parent.firstChildElement(child).text();
}

double number(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && qIsFinite(value) ? value : 0.0;
}

double number(const QDomElement& parent, const QString& child)
{
    return number(text(parent, child));
}

int integer(const QString& text)
{
    return text.toInt(nullptr, 10);
}

int integer(const QDomElement& parent, const QString& child)
{
    return integer(text(parent, child));
}

int wholeSeconds(double seconds)
{
    return qCeil(qBound(0.0, seconds, longestDive));
}

} // namespace DiveLogFields
