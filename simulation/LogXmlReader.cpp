#include "LogXmlReader.h"

#include "ConsoleText.h"
#include "Replay.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCodec>

namespace {

// Progress is told about once per this many bytes.
const qint64 progressStep = 1 << 20;
// A broken file is decoded again this many bytes at a time to find its first undecodable byte.
const qint64 decodeStep = 1 << 16;

// The encoding that the XML declaration at the start of the file names, empty when it names
// none; only asked once the stream reader has refused the declaration.
QString declaredEncoding(QFile& file)
{
    if (!file.seek(0))
        return QString();
    const QByteArray head = file.read(1024);
    QTextCodec* codec = QTextCodec::codecForUtfText(head, QTextCodec::codecForName("UTF-8"));
    static const QRegularExpression declaration(
        "^\\x{FEFF}?<\\?xml\\s[^>]*?\\bencoding\\s*=\\s*([\"'])([A-Za-z][A-Za-z0-9._-]{0,63})\\1");
    return declaration.match(codec->toUnicode(head)).captured(2);
}

// Counts the lines of a text read piece by piece. XML ends a line with a line feed, a carriage
// return, or both.
struct LineCount {
    qint64 line = 1;
    bool afterReturn = false;

    void add(const QString& text)
    {
        for (const QChar c : text) {
            if (c == QLatin1Char('\r') || (c == QLatin1Char('\n') && !afterReturn))
                ++line;
            afterReturn = c == QLatin1Char('\r');
        }
    }
};

// Where the piece of decodeStep bytes begins that holds the first byte, before end, that does not
// decode; -1 when they all decode.
qint64 undecodablePiece(QFile& file, QTextCodec* codec, qint64 end)
{
    if (!file.seek(0))
        return -1;
    QTextDecoder decoder(codec);
    for (qint64 from = 0; from < end;) {
        const QByteArray bytes = file.read(qMin(end - from, decodeStep));
        if (bytes.isEmpty())
            return -1;
        decoder.toUnicode(bytes);
        if (decoder.hasFailure())
            return from;
        from += bytes.size();
    }
    return -1;
}

// Qt's stream reader checks the names of elements but takes nearly any attribute name, with NUL,
// control characters, a byte order mark or '$' in it. A name of ASCII letters, digits and _ - . :
// is taken here (the stream reader refuses one that is empty or starts with a digit, - . or :);
// any other, rare in a dive log, is judged as the stream reader judges the name of an element.
bool isXmlName(const QStringRef& name)
{
    for (const QChar character : name) {
        const ushort c = character.unicode();
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
              || c == '.' || c == ':')) {
            QXmlStreamReader element(QLatin1Char('<') + name + QLatin1String("/>"));
            element.setNamespaceProcessing(false);
            return element.readNextStartElement() && element.qualifiedName() == name;
        }
    }
    return true;
}

bool attributeNamesAreXml(const QXmlStreamAttributes& attributes)
{
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (!isXmlName(attribute.qualifiedName()))
            return false;
    }
    return true;
}

// The line of the fault that a stream reader stopped at, or of the element whose attribute name
// is no XML name. Having read nothing of its line, the reader met the fault at the end of the line
// before: where a truncated file ends.
qint64 faultLine(const QXmlStreamReader& xml)
{
    const qint64 line = xml.lineNumber();
    return xml.columnNumber() == 0 && line > 1 ? line - 1 : line;
}

// Parses a text handed to it piece by piece as the log's reader parses a file, up to the first
// fault that makes the file broken.
class TextCheck {
public:
    TextCheck() { xml.setNamespaceProcessing(false); }

    // False once the text so far holds a fault.
    bool add(const QString& text)
    {
        xml.addData(text);
        for (;;) {
            switch (xml.readNext()) {
            case QXmlStreamReader::StartElement:
                if (!attributeNamesAreXml(xml.attributes()))
                    return false;
                break;
            case QXmlStreamReader::DTD:
                // The log's reader refuses the file here; its entities are not to be expanded.
                if (!xml.entityDeclarations().isEmpty())
                    return false;
                break;
            case QXmlStreamReader::EntityReference:
                return false;
            case QXmlStreamReader::Invalid:
                return xml.error() == QXmlStreamReader::PrematureEndOfDocumentError;
            default:
                break;
            }
        }
    }

    qint64 line() const { return faultLine(xml); }

private:
    QXmlStreamReader xml;
};

// The line of the first fault of a file whose bytes before end hold one that does not decode in
// the encoding the file declares (codec, or when null, the one its byte order mark tells); 0 when
// they all decode. The stream reader refuses such a byte as it decodes the kilobytes around it,
// before it parses them, and names the line where the kilobytes before ended: no guide to the
// fault, which may also lie in the text before the byte that the reader did not come to.
qint64 firstFaultLine(QFile& file, QTextCodec* codec, qint64 end)
{
    if (!file.seek(0))
        return 0;
    if (!codec)
        codec = QTextCodec::codecForUtfText(file.peek(4), QTextCodec::codecForName("UTF-8"));
    // The decoder tells only that a failure has been, and the file may hold U+FFFD of its own:
    // the piece that fails is decoded again byte by byte, up to the byte that does.
    const qint64 piece = undecodablePiece(file, codec, end);
    if (piece < 0 || !file.seek(0))
        return 0;
    QTextDecoder decoder(codec);
    TextCheck check;
    LineCount lines;
    while (file.pos() < piece) {
        const QByteArray bytes = file.read(qMin(piece - file.pos(), decodeStep));
        if (bytes.isEmpty())
            return 0;
        const QString text = decoder.toUnicode(bytes);
        if (!check.add(text))
            return check.line();
        lines.add(text);
    }
    QString text;
    for (const char byte : file.read(qMin(end - piece, decodeStep))) {
        const QString decoded = decoder.toUnicode(&byte, 1);
        if (decoder.hasFailure())
            break;
        text += decoded;
    }
    // A text that ends before its document does holds no fault: the byte is the first.
    if (!check.add(text))
        return check.line();
    lines.add(text);
    return lines.line;
}

} // namespace

LogXmlReader::LogXmlReader(ReadProgress* progress)
    : progress(progress)
{
}

bool LogXmlReader::open(const QString& path)
{
    // Opening a named pipe or a device would wait for a writer, or read forever.
    const QFileInfo info(path);
    if (!info.isFile()) {
        refuse(info.exists() ? ConsoleText::tr("it is not a regular file") : ConsoleText::tr("it does not exist"));
        return false;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(ConsoleText::tr("it cannot be read"));
        return false;
    }
    size = file.size();
    if (size > maxFileSize) {
        refuse(ConsoleText::tr("it is larger than %1 MB").arg(maxFileSize >> 20));
        return false;
    }
    xml.setDevice(&file);
    // Names are compared as written; a prefix no namespace declares is no reason to refuse a log.
    // (Setting the device resets this.)
    xml.setNamespaceProcessing(false);
    return true;
}

void LogXmlReader::refuse(const QString& reason)
{
    refused = true;
    why = reason;
}

void LogXmlReader::refuseBrokenFile()
{
    const qint64 read = file.pos();
    // The library refuses an encoding it does not know as it refuses any broken file.
    const QString encoding = declaredEncoding(file);
    QTextCodec* const codec = encoding.isEmpty() ? nullptr : QTextCodec::codecForName(encoding.toLatin1());
    if (!encoding.isEmpty() && !codec) {
        refuse(ConsoleText::tr("its text encoding %1 is unknown").arg(encoding));
        return;
    }
    qint64 line = firstFaultLine(file, codec, read);
    if (!line)
        line = faultLine(xml);
    refuse(ConsoleText::tr("it is not a complete, well-formed XML file (the fault is at line %1)").arg(line));
}

QXmlStreamReader::TokenType LogXmlReader::step()
{
    if (refused)
        return QXmlStreamReader::Invalid;
    const QXmlStreamReader::TokenType token = xml.readNext();
    switch (token) {
    case QXmlStreamReader::StartElement:
        if (++depth > maxNesting) {
            refuse(ConsoleText::tr("its elements are nested deeper than %1 levels").arg(maxNesting));
            return QXmlStreamReader::Invalid;
        }
        if (!attributeNamesAreXml(xml.attributes())) {
            refuseBrokenFile();
            return QXmlStreamReader::Invalid;
        }
        if (progress && file.pos() - lastReport >= progressStep) {
            lastReport = file.pos();
            progress->advance(lastReport, size);
        }
        break;
    case QXmlStreamReader::EndElement:
        --depth;
        break;
    case QXmlStreamReader::DTD:
        // Entities would let a small file expand into more text than memory holds, and no dive
        // log needs them.
        if (!xml.entityDeclarations().isEmpty()) {
            refuse(ConsoleText::tr("it declares XML entities, which dive logs do not use"));
            return QXmlStreamReader::Invalid;
        }
        break;
    case QXmlStreamReader::EntityReference:
        // An entity that neither XML nor the file declares: its text is unknown.
    case QXmlStreamReader::Invalid:
        refuseBrokenFile();
        return QXmlStreamReader::Invalid;
    default:
        break;
    }
    return token;
}

bool LogXmlReader::readChild()
{
    for (;;) {
        switch (step()) {
        case QXmlStreamReader::StartElement:
            return true;
        case QXmlStreamReader::EndElement:
        case QXmlStreamReader::EndDocument:
        case QXmlStreamReader::Invalid:
            return false;
        default:
            continue;
        }
    }
}

void LogXmlReader::skip()
{
    const int level = depth;
    for (;;) {
        const QXmlStreamReader::TokenType token = step();
        if (token == QXmlStreamReader::Invalid || token == QXmlStreamReader::EndDocument
            || (token == QXmlStreamReader::EndElement && depth < level))
            return;
    }
}

template <typename Append>
void LogXmlReader::collectText(Append append)
{
    const int level = depth;
    for (;;) {
        const QXmlStreamReader::TokenType token = step();
        if (token == QXmlStreamReader::Characters) {
            // Blanks between elements are layout, not text; the stream reader counts no CDATA
            // section as blanks.
            if (!xml.isWhitespace())
                append(xml.text());
        } else if (token == QXmlStreamReader::Invalid || token == QXmlStreamReader::EndDocument
                   || (token == QXmlStreamReader::EndElement && depth < level)) {
            return;
        }
    }
}

QString LogXmlReader::text()
{
    QString text;
    collectText([&text](const QStringRef& part) { text += part; });
    return text;
}

const QByteArray& LogXmlReader::numberText()
{
    numberBuffer.resize(0);
    collectText([this](const QStringRef& part) {
        const int from = numberBuffer.size();
        numberBuffer.resize(from + part.size());
        char* out = numberBuffer.data() + from;
        for (const QChar c : part)
            *out++ = c.unicode() < 0x80 ? char(c.unicode()) : char(0x80);
    });
    return numberBuffer;
}

bool LogXmlReader::is(const char* name) const
{
    return xml.qualifiedName() == QLatin1String(name);
}

QString LogXmlReader::attribute(const char* name) const
{
    return xml.attributes().value(QLatin1String(name)).toString();
}

QString LogXmlReader::problem() const
{
    return why;
}

bool LogXmlReader::finish()
{
    for (;;) {
        const QXmlStreamReader::TokenType token = step();
        if (token == QXmlStreamReader::EndDocument)
            return true;
        if (token == QXmlStreamReader::Invalid)
            return false;
    }
}
