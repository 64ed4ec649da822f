#include "LogXmlReader.h"

#include "ConsoleText.h"
#include "Replay.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCodec>
#include <cstring>

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

// The encoding that the stream reader takes a file to be in by its first bytes, until a
// declaration names one: the one its byte order mark tells; without one UTF-32 or UTF-16 when zero
// bytes stand beside its first '<', else UTF-8. (declaredEncoding() reads no declaration in
// UTF-16 or UTF-32 that has no mark before it.)
QTextCodec* encodingByStart(const QByteArray& start)
{
    static const struct {
        QByteArray bytes;
        const char* name;
    } unmarked[] = {{QByteArray("<\0\0\0", 4), "UTF-32LE"},
                    {QByteArray("\0\0\0<", 4), "UTF-32BE"},
                    {QByteArray("<\0", 2), "UTF-16LE"},
                    {QByteArray("\0<", 2), "UTF-16BE"}};
    for (const auto& encoding : unmarked) {
        if (start.startsWith(encoding.bytes))
            return QTextCodec::codecForName(encoding.name);
    }
    return QTextCodec::codecForUtfText(start, QTextCodec::codecForName("UTF-8"));
}

// Counts the lines of a text read piece by piece. XML ends a line with a line feed, a carriage
// return, or both.
struct LineCount {
    qint64 line = 1;
    bool afterReturn = false;

    void add(const QString& text)
    {
        // Most logs end their lines with line feeds alone: counted at once.
        if (!afterReturn && !text.contains(QLatin1Char('\r'))) {
            line += text.count(QLatin1Char('\n'));
            return;
        }
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
    // Held until the next piece is decoded: the memory of a text freed before would go back to
    // the system, to be taken again page by page.
    QString text;
    for (qint64 from = 0; from < end;) {
        const QByteArray bytes = file.read(qMin(end - from, decodeStep));
        if (bytes.isEmpty())
            return -1;
        text = decoder.toUnicode(bytes);
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

// Where the first character before end that does not decode begins, and its line; offset -1 when
// they all decode.
struct Undecodable {
    qint64 offset = -1;
    qint64 line = 0;
};

Undecodable firstUndecodable(QFile& file, QTextCodec* codec, qint64 end)
{
    // The decoder tells only that a failure has been, and the file may hold U+FFFD of its own:
    // the piece that fails is decoded again byte by byte, up to the byte that does.
    const qint64 piece = undecodablePiece(file, codec, end);
    if (piece < 0 || !file.seek(0))
        return {};
    QTextDecoder decoder(codec);
    LineCount lines;
    QString text;
    while (file.pos() < piece) {
        const QByteArray bytes = file.read(qMin(piece - file.pos(), decodeStep));
        if (bytes.isEmpty())
            return {};
        text = decoder.toUnicode(bytes);
        lines.add(text);
    }
    // A character is complete with the byte that gives it: the bytes of one left unfinished before
    // the failure belong to the character that does not decode.
    Undecodable first{piece, 0};
    qint64 at = piece;
    for (const char byte : file.read(qMin(end - piece, decodeStep))) {
        const QString decoded = decoder.toUnicode(&byte, 1);
        if (decoder.hasFailure())
            break;
        ++at;
        if (!decoded.isEmpty()) {
            first.offset = at;
            lines.add(decoded);
        }
    }
    first.line = lines.line;
    return first;
}

// The bytes of a file before a byte, then a character that XML forbids everywhere, for the stream
// reader to stop at once when it comes to the end of those bytes. At the end of a stream it would
// first put back all of the token it is in, four bytes a character, to wait for more: a comment
// left open near the top of a log would be the whole file. The reader asks for more in the middle
// of a long token too, so progress hears from here how far it has got.
class FileHead : public QIODevice {
public:
    FileHead(QFile& file, qint64 end, QTextCodec* codec, ReadProgress* progress)
        : file(file)
        , end(end)
        , progress(progress)
    {
        QTextCodec::ConverterState noMark(QTextCodec::IgnoreHeader);
        const QChar forbidden(1);
        stop = codec->fromUnicode(&forbidden, 1, &noMark);
    }

    bool isSequential() const override { return true; }

    // True once the reader has taken all the bytes and asked for more: a fault it tells of then
    // is the forbidden character, or a token that the bytes end in, no fault of theirs.
    bool passed() const { return stopped; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (file.pos() >= end) {
            if (stopped)
                return 0;
            stopped = true;
            const qint64 size = qMin<qint64>(maxSize, stop.size());
            memcpy(data, stop.constData(), size_t(size));
            return size;
        }
        const qint64 read = file.read(data, qMin(maxSize, end - file.pos()));
        if (progress && file.pos() - lastReport >= progressStep) {
            lastReport = file.pos();
            progress->advance(lastReport, end);
        }
        return read;
    }

    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile& file;
    const qint64 end;
    ReadProgress* const progress;
    QByteArray stop;
    bool stopped = false;
    qint64 lastReport = 0;
};

// The line of the first fault in the bytes that a head of a file holds, parsed as the log's reader
// parses a file; 0 when they end before their document does, holding no fault.
qint64 faultLineIn(FileHead& text)
{
    QXmlStreamReader xml(&text);
    xml.setNamespaceProcessing(false);
    for (;;) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (!attributeNamesAreXml(xml.attributes()))
                return faultLine(xml);
            break;
        case QXmlStreamReader::DTD:
            // The log's reader refuses the file here; its entities are not to be expanded.
            if (!xml.entityDeclarations().isEmpty())
                return faultLine(xml);
            break;
        case QXmlStreamReader::EntityReference:
            return faultLine(xml);
        case QXmlStreamReader::Invalid:
            return xml.error() == QXmlStreamReader::PrematureEndOfDocumentError || text.passed() ? 0 : faultLine(xml);
        default:
            break;
        }
    }
}

// The line of the first fault of a file whose bytes before end hold one that does not decode in
// the encoding the file declares (codec, or when null, the one its first bytes tell); 0 when
// they all decode. The stream reader refuses such a byte as it decodes the kilobytes around it,
// before it parses them, and names the line where the kilobytes before ended: no guide to the
// fault, which may also lie in the text before the byte that the reader did not come to. That
// text is parsed again as one stream: fed to a reader piece by piece, a token longer than a piece
// would be parsed again from its start with each.
qint64 firstFaultLine(QFile& file, QTextCodec* codec, qint64 end, ReadProgress* progress)
{
    if (!file.seek(0))
        return 0;
    if (!codec)
        codec = encodingByStart(file.peek(4));
    const Undecodable first = firstUndecodable(file, codec, end);
    if (first.offset < 0 || !file.seek(0))
        return 0;
    if (progress)
        progress->seekingFault();
    FileHead text(file, first.offset, codec, progress);
    if (!text.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return 0;
    const qint64 line = faultLineIn(text);
    // A text that ends before its document does holds no fault: the byte is the first.
    return line ? line : first.line;
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
    const qint64 readerLine = faultLine(xml);
    // The stream reader holds the text of the token it stopped in, the whole of a comment left
    // open: not to be held while the file is parsed again.
    xml.clear();
    // The library refuses an encoding it does not know as it refuses any broken file.
    const QString encoding = declaredEncoding(file);
    QTextCodec* const codec = encoding.isEmpty() ? nullptr : QTextCodec::codecForName(encoding.toLatin1());
    if (!encoding.isEmpty() && !codec) {
        refuse(ConsoleText::tr("its text encoding %1 is unknown").arg(encoding));
        return;
    }
    qint64 line = firstFaultLine(file, codec, read, progress);
    if (!line)
        line = readerLine;
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
