#ifndef LOGXMLREADER_H
#define LOGXMLREADER_H

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QXmlStreamReader>

class ReadProgress;

// Walks a dive log element by element while Qt's stream reader parses it from the file: no tree
// is built and nothing recurses, so neither the size nor the nesting of a file can exhaust memory
// or the stack. On top of the library it keeps the nesting within a limit, refuses files that
// declare entities of their own or hold an attribute name that is no XML name, and says in the
// diver's words why a file was refused. A file that is malformed, truncated or refused otherwise
// is known as such once it has been read to its end (finish()).
//
// The reader stands in one element at a time, at first in the document itself. Each element
// that readChild() enters must be left (text(), skip() or readChild() until false) before the
// next child of its parent is asked for.
class LogXmlReader {
public:
    // Far deeper than any dive log: a deeper file is refused, whatever it holds.
    static const int maxNesting = 256;
    // Far larger than any dive log.
    static const qint64 maxFileSize = qint64(1) << 30;

    // progress, when given, hears how far the reading has got.
    explicit LogXmlReader(ReadProgress* progress);

    // False when path is no regular file, is too large or cannot be read; problem() says which.
    bool open(const QString& path);

    // Enters the next child element of the element the reader stands in; false when that
    // element ends instead (the reader then stands in its parent) or the file is broken.
    bool readChild();
    // The name of the element just entered, as written (prefix included).
    bool is(const char* name) const;
    // An attribute of the element just entered, empty when it has none of that name.
    QString attribute(const char* name) const;
    // The whole text of the element just entered, its children's included; leaves the element.
    QString text();
    // The same text as bytes to read a number from, valid until the next call: ASCII as it
    // stands, every other character as a byte that no number holds.
    const QByteArray& numberText();
    // Leaves the element just entered.
    void skip();
    // Reads the rest of the file; true when the whole of it was a well-formed document that
    // nothing refused.
    bool finish();
    // Why the file was refused, in the diver's words; for a broken file, with the line of its fault.
    QString problem() const;

private:
    QXmlStreamReader::TokenType step();
    void refuse(const QString& why);
    void refuseBrokenFile();
    template <typename Append>
    void collectText(Append append);

    ReadProgress* const progress;
    QFile file;
    QXmlStreamReader xml;
    qint64 size = 0;
    qint64 lastReport = 0;
    int depth = 0; // elements open
    bool refused = false;
    QString why;
    QByteArray numberBuffer;
};

#endif
