#ifndef TESTUTIL_H
#define TESTUTIL_H

#include <QString>

// The text thrown by f, or a null string when f returns normally.
template <typename F>
QString thrownText(F&& f)
{
    try {
        f();
    } catch (const char* text) {
        return QString::fromLatin1(text);
    }
    return QString();
}

#endif
