#include "LogXmlReader.h"

#include "ConsoleText.h"
#include "Replay.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <cstring>

namespace {

// Progress is told about once per this many bytes.
const int progressStep = 1 << 20;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Names begin with a letter, an underscore or a colon; bytes of letters beyond ASCII count.
bool startsName(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || (c & 0x80);
}

bool endsName(char c)
{
    return isBlank(c) || c == '/' || c == '>' || c == '<' || c == '=';
}

// The encoding named by the XML declaration at the start of a file, empty when none is named.
QByteArray declaredEncoding(const QByteArray& raw)
{
    if (!raw.startsWith("<?xml"))
        return QByteArray();
    const int end = raw.indexOf("?>");
    if (end < 0)
        return QByteArray();
    const QByteArray declaration = raw.left(end);
    const int key = declaration.indexOf("encoding");
    if (key < 0)
        return QByteArray();
    int i = declaration.indexOf('=', key);
    if (i < 0)
        return QByteArray();
    ++i;
    while (i < declaration.size() && isBlank(declaration.at(i)))
        ++i;
    if (i >= declaration.size() || (declaration.at(i) != '"' && declaration.at(i) != '\''))
        return QByteArray();
    const int close = declaration.indexOf(declaration.at(i), i + 1);
    return close < 0 ? QByteArray() : declaration.mid(i + 1, close - i - 1).trimmed().toLower();
}

} // namespace

bool LogXmlReader::readFile(const QString& path, QByteArray* utf8, QString* problem)
{
    // Opening a named pipe or a device would wait for a writer, or read forever.
    const QFileInfo info(path);
    if (!info.isFile()) {
        *problem = info.exists() ? ConsoleText::tr("it is not a regular file") : ConsoleText::tr("it does not exist");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = ConsoleText::tr("it cannot be read");
        return false;
    }
    if (file.size() > maxFileSize) {
        *problem = ConsoleText::tr("it is larger than %1 MB").arg(maxFileSize >> 20);
        return false;
    }
    QByteArray raw = file.readAll();

    // A byte order mark names the encoding, else the XML declaration does.
    QTextCodec* codec = QTextCodec::codecForUtfText(raw, nullptr);
    if (!codec) {
        const QByteArray encoding = declaredEncoding(raw);
        if (!encoding.isEmpty() && encoding != "utf-8" && encoding != "us-ascii" && encoding != "ascii") {
            codec = QTextCodec::codecForName(encoding);
            if (!codec) {
                *problem = ConsoleText::tr("its text encoding %1 is unknown").arg(QString::fromLatin1(encoding));
                return false;
            }
        }
    }
    if (codec && codec->name() != "UTF-8")
        raw = codec->toUnicode(raw).toUtf8();
    if (raw.startsWith("\xEF\xBB\xBF"))
        raw.remove(0, 3);
    *utf8 = raw;
    return true;
}

LogXmlReader::LogXmlReader(const QByteArray& utf8, ReadProgress* progress)
    : bytes(utf8)
    , data(bytes.constData())
    , size(bytes.size())
    , progress(progress)
{
    // Kept across the texts of the file, so that reading one costs no allocation.
    textBuffer.reserve(256);
}

LogXmlReader::Token LogXmlReader::fail()
{
    broken = true;
    return Broken;
}

void LogXmlReader::reportProgress()
{
    if (progress && pos - lastReport >= progressStep) {
        lastReport = pos;
        progress->advance(pos, size);
    }
}

bool LogXmlReader::skipPast(const char* marker)
{
    const int length = int(std::strlen(marker));
    const char* found = size - pos >= length ? static_cast<const char*>(memmem(data + pos, size - pos, marker, length))
                                             : nullptr;
    if (!found)
        return false;
    pos = int(found - data) + length;
    return true;
}

void LogXmlReader::skipBlanks()
{
    while (pos < size && isBlank(data[pos]))
        ++pos;
}

// <!DOCTYPE ...> with an internal subset in brackets and quoted texts that may hold either.
bool LogXmlReader::skipDoctype()
{
    int brackets = 0;
    char quote = 0;
    for (; pos < size; ++pos) {
        const char c = data[pos];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            --brackets;
        } else if (c == '>' && brackets <= 0) {
            ++pos;
            return true;
        }
    }
    return false;
}

bool LogXmlReader::startTag()
{
    ++pos;
    Range name = {pos, pos};
    while (pos < size && !endsName(data[pos]))
        ++pos;
    name.end = pos;
    if (name.end == name.begin || !startsName(data[name.begin]))
        return false;

    attributes.clear();
    for (;;) {
        skipBlanks();
        if (pos >= size)
            return false;
        if (data[pos] == '>') {
            ++pos;
            break;
        }
        if (data[pos] == '/') {
            if (pos + 1 >= size || data[pos + 1] != '>')
                return false;
            pos += 2;
            pendingEnd = true;
            break;
        }
        Attribute attribute;
        attribute.name.begin = pos;
        while (pos < size && !endsName(data[pos]))
            ++pos;
        attribute.name.end = pos;
        if (attribute.name.end == attribute.name.begin)
            return false;
        skipBlanks();
        if (pos >= size || data[pos] != '=')
            return false;
        ++pos;
        skipBlanks();
        if (pos >= size || (data[pos] != '"' && data[pos] != '\''))
            return false;
        const char quote = data[pos++];
        const char* close = static_cast<const char*>(std::memchr(data + pos, quote, size - pos));
        if (!close)
            return false;
        attribute.value = {pos, int(close - data)};
        if (std::memchr(data + pos, '<', attribute.value.end - pos) || !referencesValid(attribute.value))
            return false;
        pos = attribute.value.end + 1;
        attributes.append(attribute);
    }

    if (open.isEmpty()) {
        // One document element only.
        if (sawRoot)
            return false;
        sawRoot = true;
    }
    if (open.size() >= maxNesting) {
        tooDeep = true;
        return false;
    }
    open.append(name);
    return true;
}

bool LogXmlReader::endTag()
{
    pos += 2;
    const int begin = pos;
    while (pos < size && !endsName(data[pos]))
        ++pos;
    const int length = pos - begin;
    skipBlanks();
    if (pos >= size || data[pos] != '>' || open.isEmpty())
        return false;
    ++pos;
    const Range name = open.last();
    if (name.end - name.begin != length || std::memcmp(data + name.begin, data + begin, length) != 0)
        return false;
    open.removeLast();
    return true;
}

LogXmlReader::Token LogXmlReader::step()
{
    if (broken)
        return Broken;
    if (pendingEnd) {
        pendingEnd = false;
        open.removeLast();
        return EndTag;
    }
    reportProgress();
    for (;;) {
        if (pos >= size)
            return open.isEmpty() && sawRoot ? End : fail();

        if (data[pos] != '<') {
            const char* next = static_cast<const char*>(std::memchr(data + pos, '<', size - pos));
            textRange = {pos, next ? int(next - data) : size};
            cdata = false;
            pos = textRange.end;
            if (!referencesValid(textRange))
                return fail();
            if (open.isEmpty()) {
                // Only blanks outside the document element.
                for (int i = textRange.begin; i < textRange.end; ++i) {
                    if (!isBlank(data[i]))
                        return fail();
                }
                continue;
            }
            return Text;
        }

        const char* at = data + pos;
        const int left = size - pos;
        if (left >= 4 && std::memcmp(at, "<!--", 4) == 0) {
            pos += 4;
            if (!skipPast("-->"))
                return fail();
        } else if (left >= 2 && at[1] == '?') {
            pos += 2;
            if (!skipPast("?>"))
                return fail();
        } else if (left >= 9 && std::memcmp(at, "<![CDATA[", 9) == 0) {
            if (open.isEmpty())
                return fail();
            pos += 9;
            const int begin = pos;
            if (!skipPast("]]>"))
                return fail();
            textRange = {begin, pos - 3};
            cdata = true;
            return Text;
        } else if (left >= 9 && std::memcmp(at, "<!DOCTYPE", 9) == 0) {
            if (sawRoot)
                return fail();
            pos += 9;
            if (!skipDoctype())
                return fail();
        } else if (left >= 2 && at[1] == '/') {
            return endTag() ? EndTag : fail();
        } else {
            return startTag() ? StartTag : fail();
        }
    }
}

bool LogXmlReader::readChild()
{
    for (;;) {
        switch (step()) {
        case StartTag:
            return true;
        case Text:
            continue;
        default:
            return false;
        }
    }
}

void LogXmlReader::skip()
{
    const int depth = open.size();
    for (;;) {
        const Token token = step();
        if (token == Broken || token == End || (token == EndTag && open.size() < depth))
            return;
    }
}

const QByteArray& LogXmlReader::textBytes()
{
    textBuffer.resize(0);
    const int depth = open.size();
    for (;;) {
        const Token token = step();
        if (token == Text) {
            if (cdata)
                textBuffer.append(data + textRange.begin, textRange.end - textRange.begin);
            else if (!blanksOnly(textRange))
                decodeInto(textBuffer, textRange);
        } else if (token == Broken || token == End || (token == EndTag && open.size() < depth)) {
            return textBuffer;
        }
    }
}

QString LogXmlReader::text()
{
    return QString::fromUtf8(textBytes());
}

// Blanks between elements are layout, not text.
bool LogXmlReader::blanksOnly(Range range) const
{
    for (int i = range.begin; i < range.end; ++i) {
        if (!isBlank(data[i]))
            return false;
    }
    return true;
}

// The character of the reference at amp (the five predefined entities and numeric ones) and the
// length of the reference; 0 when it is none of them.
int LogXmlReader::reference(int amp, int end, uint* character) const
{
    const char* semicolon = static_cast<const char*>(std::memchr(data + amp, ';', qMin(end - amp, 12)));
    if (!semicolon)
        return 0;
    const QByteArray name = QByteArray::fromRawData(data + amp + 1, int(semicolon - data) - amp - 1);
    if (name == "lt")
        *character = '<';
    else if (name == "gt")
        *character = '>';
    else if (name == "amp")
        *character = '&';
    else if (name == "quot")
        *character = '"';
    else if (name == "apos")
        *character = '\'';
    else if (name.startsWith('#')) {
        bool ok = false;
        *character = name.startsWith("#x") ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (!ok || *character == 0 || *character > 0x10FFFF || (*character >= 0xD800 && *character <= 0xDFFF))
            return 0;
    } else {
        return 0;
    }
    return int(semicolon - data) - amp + 1;
}

bool LogXmlReader::referencesValid(Range range) const
{
    for (int i = range.begin; i < range.end;) {
        const char* amp = static_cast<const char*>(std::memchr(data + i, '&', range.end - i));
        if (!amp)
            return true;
        uint character = 0;
        const int length = reference(int(amp - data), range.end, &character);
        if (length == 0)
            return false;
        i = int(amp - data) + length;
    }
    return true;
}

// Character data with its references resolved and its line ends made single line feeds; its
// references were found valid when it was read.
void LogXmlReader::decodeInto(QByteArray& out, Range range)
{
    int i = range.begin;
    while (i < range.end) {
        const char* amp = static_cast<const char*>(std::memchr(data + i, '&', range.end - i));
        const int plain = amp ? int(amp - data) : range.end;
        const int from = out.size();
        out.append(data + i, plain - i);
        if (std::memchr(data + i, '\r', plain - i)) {
            QByteArray lines = out.mid(from);
            lines.replace("\r\n", "\n").replace('\r', '\n');
            out.truncate(from);
            out.append(lines);
        }
        if (!amp)
            break;
        uint character = 0;
        const int length = reference(plain, range.end, &character);
        const char32_t code = character;
        out.append(QString::fromUcs4(&code, 1).toUtf8());
        i = plain + length;
    }
}

bool LogXmlReader::sameName(Range name, const char* text) const
{
    const int length = int(std::strlen(text));
    return name.end - name.begin == length && std::memcmp(data + name.begin, text, length) == 0;
}

bool LogXmlReader::is(const char* name) const
{
    return !open.isEmpty() && sameName(open.last(), name);
}

QString LogXmlReader::attribute(const char* name)
{
    for (const Attribute& a : attributes) {
        if (sameName(a.name, name)) {
            QByteArray value;
            decodeInto(value, a.value);
            return QString::fromUtf8(value);
        }
    }
    return QString();
}

QString LogXmlReader::problem() const
{
    return tooDeep ? ConsoleText::tr("its elements are nested deeper than %1 levels").arg(maxNesting)
                   : ConsoleText::tr("it is not a complete, well-formed XML file");
}

bool LogXmlReader::finish()
{
    for (;;) {
        const Token token = step();
        if (token == End)
            return true;
        if (token == Broken)
            return false;
    }
}
