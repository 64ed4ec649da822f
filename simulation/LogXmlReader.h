#ifndef LOGXMLREADER_H
#define LOGXMLREADER_H

#include <QByteArray>
#include <QString>
#include <QVector>

class ReadProgress;

// Reads a dive log's XML element by element, straight from the bytes of the file: no tree is
// built and nothing recurses, so neither the size nor the nesting of a file can exhaust memory
// or the stack. A file that is malformed, truncated or nested deeper than any log is refused
// once it has been read to its end (finish()).
//
// The reader stands in one element at a time, at first in the document itself. Each element
// that readChild() enters must be left (text(), skip() or readChild() until false) before the
// next child of its parent is asked for.
class LogXmlReader {
public:
    // Far deeper than any dive log: a deeper file is refused, whatever it holds.
    static const int maxNesting = 256;
    // Far larger than any dive log.
    static const qint64 maxFileSize = 1 << 30;

    // The bytes of a log file in UTF-8 without a byte order mark, or false when it is no regular
    // file, too large, cannot be read or declares an encoding this program does not know; problem
    // then says which, in the diver's words.
    static bool readFile(const QString& path, QByteArray* utf8, QString* problem);

    // progress, when given, hears how far the reading has got.
    LogXmlReader(const QByteArray& utf8, ReadProgress* progress);

    // Enters the next child element of the element the reader stands in; false when that
    // element ends instead (the reader then stands in its parent) or the file is broken.
    bool readChild();
    // The name of the element just entered, as written (prefix included).
    bool is(const char* name) const;
    // An attribute of the element just entered, empty when it has none of that name.
    QString attribute(const char* name);
    // The whole text of the element just entered, its children's included, in UTF-8; leaves
    // the element. Valid until the next call.
    const QByteArray& textBytes();
    QString text();
    // Leaves the element just entered.
    void skip();
    // Reads the rest of the file; true when the whole of it was a well-formed document within
    // the nesting limit.
    bool finish();
    // Why finish() refused the file, in the diver's words.
    QString problem() const;

private:
    enum Token { StartTag, EndTag, Text, End, Broken };
    struct Range {
        int begin;
        int end;
    };
    struct Attribute {
        Range name;
        Range value;
    };

    Token step();
    Token fail();
    bool startTag();
    bool endTag();
    bool skipPast(const char* marker);
    bool skipDoctype();
    void skipBlanks();
    bool blanksOnly(Range range) const;
    int reference(int amp, int end, uint* character) const;
    bool referencesValid(Range range) const;
    void decodeInto(QByteArray& out, Range range);
    bool sameName(Range name, const char* text) const;
    void reportProgress();

    const QByteArray bytes;
    const char* const data;
    const int size;
    ReadProgress* const progress;

    int pos = 0;
    int lastReport = 0;
    bool broken = false;
    bool tooDeep = false;
    bool sawRoot = false;
    bool pendingEnd = false; // an empty-element tag still to be closed
    QVector<Range> open;     // names of the open elements, outermost first
    QVector<Attribute> attributes; // of the last start tag
    Range textRange = {0, 0};
    bool cdata = false;
    QByteArray textBuffer;
};

#endif
