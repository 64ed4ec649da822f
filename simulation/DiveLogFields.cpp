#include "DiveLogFields.h"

#include <QtMath>
#include <charconv>
#include <cmath>
#include <limits>

namespace DiveLogFields {

namespace {

const float missing = std::numeric_limits<float>::quiet_NaN();

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without the blanks around it and a leading plus sign.
void trim(const char*& begin, const char*& end)
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    if (end - begin > 1 && *begin == '+' && begin[1] != '-' && begin[1] != '+')
        ++begin;
}

} // namespace

bool readNumber(const QByteArray& text, double* value)
{
    const char* begin = text.constData();
    const char* end = begin + text.size();
    trim(begin, end);
    if (begin == end)
        return false;
    double parsed = 0;
    const std::from_chars_result result = std::from_chars(begin, end, parsed);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

double number(const QByteArray& text)
{
    double value = 0;
    return readNumber(text, &value) ? value : 0.0;
}

int integer(const QByteArray& text)
{
    const char* begin = text.constData();
    const char* end = begin + text.size();
    trim(begin, end);
    int value = 0;
    const std::from_chars_result result = std::from_chars(begin, end, value, 10);
    return result.ec == std::errc() && result.ptr == end ? value : 0;
}

bool plausibleDepth(double metres)
{
    // Within a float's range too: 1e39 is finite as a double but not as a float.
    return metres >= 0 && metres <= deepestDive;
}

float depthOf(const QByteArray& text)
{
    double value = 0;
    return readNumber(text, &value) && plausibleDepth(value) ? float(value) : missing;
}

double timeOf(const QByteArray& text)
{
    double value = 0;
    if (!readNumber(text, &value) || value < 0 || value > longestDive)
        return missing;
    return value;
}

int wholeSeconds(double seconds)
{
    return qCeil(qBound(0.0, seconds, longestDive));
}

} // namespace DiveLogFields
