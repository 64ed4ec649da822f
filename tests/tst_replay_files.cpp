#include "Replay.h"
#include "VARN_eeprom.h"
#include "pipewriter.h"
#include "replayrun.h"
#include "testutil.h"

#include <QScopedPointer>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>
#include <sys/stat.h>

// What the two log readers make of files that are not what a dive log should be: nonsense
// numbers, deep nesting, pipes and devices, broken XML, entities, other encodings, the less
// common forms of XML, and large files.
class TestReplayFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void badNumbersAreMissing_data();
    void badNumbersAreMissing();
    void diveWithoutUsableDepth();
    void charactersBeyondAsciiAreNoDigits();
    void nesting_data();
    void nesting();
    void pipeIsRefusedWithoutWaiting_data();
    void pipeIsRefusedWithoutWaiting();
    void devicesAndFoldersAreRefused_data();
    void devicesAndFoldersAreRefused();
    void brokenXmlIsRefused_data();
    void brokenXmlIsRefused();
    void brokenXmlNamesTheLine_data();
    void brokenXmlNamesTheLine();
    void charactersXmlForbidsAreRefused_data();
    void charactersXmlForbidsAreRefused();
    void otherEncodings_data();
    void otherEncodings();
    void xmlForms_data();
    void xmlForms();
    void entitiesAreRefused_data();
    void entitiesAreRefused();
    void refusalsSayWhy_data();
    void refusalsSayWhy();
    void progressFollowsTheFile();
    void progressFollowsTheSearchForTheFault_data();
    void progressFollowsTheSearchForTheFault();

private:
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& content);
};

namespace {

Replay* openLog(const QString& path, QString* problem = nullptr)
{
    return path.endsWith(".xml") ? replayXML(path, nullptr, problem) : replayUDDF(path, nullptr, problem);
}

// A log of one dive around a block of elements nested levels deep inside the document element.
QByteArray nestedLog(bool uddf, int levels, bool closed)
{
    QByteArray nest;
    for (int i = 0; i < levels; ++i)
        nest += "<a>";
    if (closed) {
        for (int i = 0; i < levels; ++i)
            nest += "</a>";
    }
    if (uddf)
        return "<uddf version=\"3.2.0\">" + nest
               + "<profiledata><repetitiongroup><dive><samples>"
                 "<waypoint><divetime>0</divetime><depth>0</depth></waypoint>"
                 "<waypoint><divetime>60</divetime><depth>10</depth></waypoint>"
                 "</samples></dive></repetitiongroup></profiledata></uddf>\n";
    return "<Divinglog DBVersion=\"3.0\">" + nest
           + "<Logbook><Dive ID=\"1\"><Profile><P Time=\"0\"><Depth>0</Depth></P>"
             "<P Time=\"60\"><Depth>10</Depth></P></Profile></Dive></Logbook></Divinglog>\n";
}

// A sample of a dive: 10 m at 60 s.
QByteArray sample(bool uddf)
{
    return uddf ? "<waypoint><divetime>60</divetime><depth>10</depth></waypoint>"
                : "<P Time=\"60\"><Depth>10</Depth></P>";
}

// A log of one dive on the given number of lines: the XML declaration, the document element down
// to the samples, a sample on each line from line 3 on, the ends of the elements on the last line.
// The XML declaration and the samples on some lines can be replaced.
QByteArray linedLog(bool uddf, int lines, const QMap<int, QByteArray>& replaced)
{
    QByteArray log = replaced.value(1, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + "\n";
    log += uddf ? "<uddf version=\"3.2.0\"><profiledata><repetitiongroup><dive><samples>\n"
                : "<Divinglog DBVersion=\"3.0\"><Logbook><Dive ID=\"1\"><Profile>\n";
    for (int line = 3; line < lines; ++line)
        log += replaced.value(line, sample(uddf)) + "\n";
    log += uddf ? "</samples></dive></repetitiongroup></profiledata></uddf>\n"
                : "</Profile></Dive></Logbook></Divinglog>\n";
    return log;
}

class RecordedProgress : public ReadProgress {
public:
    QList<qint64> done;
    QList<qint64> totals;
    // How many of the calls to advance() came before seekingFault(); -1 without it.
    int beforeSeeking = -1;
    void advance(qint64 d, qint64 total) override
    {
        done << d;
        totals << total;
    }
    void seekingFault() override
    {
        QCOMPARE(beforeSeeking, -1);
        beforeSeeking = done.size();
    }
};

} // namespace

void TestReplayFiles::initTestCase()
{
    QVERIFY(dir.isValid());
}

QString TestReplayFiles::write(const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestReplayFiles::badNumbersAreMissing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("report");

    // Samples left: 0 s 0 m, 60 s inf, 90 s -inf, 120 s 12 m, 180 s 1e39, 240 s 18 m, 300 s 1e400,
    // 360 s 12 m, 420 s -nan, 480 s 0 m; the samples at 1e39 s, 1e400 s and -nan s are left out.
    const QString unusable = "The logged greatest depth is missing or implausible: the deepest sample is used.\n"
                             "3 sample(s) without a usable time left out.\n"
                             "5 depth(s) missing or implausible: taken from the samples around them.\n";
    QTest::newRow("UDDF") << replayFixture("uddf-bad-numbers.uddf") << "001 - --/-- --:-- - 8' @ 18.0m"
                          << "Reading UDDF 3.2.0 dive\nThis is an OC dive.\nGas#1:      air o2=21%, he=0%\n"
                                 + unusable;
    QTest::newRow("DivingLog") << replayFixture("divinglog-bad-numbers.xml")
                               << "001 - 2012-01-02 10:00 Test - 8' @ 18.0m"
                               << "DivingLog DB 3.0 dive\nThe log names no gases: the gases of the form are used.\n"
                                      + unusable;
}

void TestReplayFiles::badNumbersAreMissing()
{
    QFETCH(QString, file);
    QFETCH(QString, entry);
    QFETCH(QString, report);

    QScopedPointer<Replay> source(openLog(file));
    QVERIFY(source);
    QCOMPARE(source->diveList().first(), entry);
    QCOMPARE(source->diveTime(), 480);
    QCOMPARE(source->diveDepth(), 18.0f);
    VARN_eeprom config;
    QCOMPARE(source->diveConfig(&config), report);

    // A missing depth lies on the line between the usable samples around it.
    const int t[] = {0, 60, 75, 90, 150, 180, 300, 420, 450, 480, 600};
    const float metres[] = {0, 6, 7.5f, 9, 13.5f, 15, 15, 6, 3, 0, 0};
    for (int i = 0; i < 11; ++i)
        QVERIFY2(qAbs(source->depth(t[i]) - metres[i]) < 1e-4f,
                 qPrintable(QString("%1 m at %2 s").arg(source->depth(t[i])).arg(t[i])));
    for (int s = 0; s <= 600; s += 2)
        QVERIFY(qIsFinite(source->depth(s)));
}

void TestReplayFiles::diveWithoutUsableDepth()
{
    QScopedPointer<Replay> source(replayUDDF(replayFixture("uddf-bad-numbers.uddf")));
    QVERIFY(source);
    QCOMPARE(source->diveList().at(1), QString("002 - --/-- --:-- - 0' @ 0.0m"));
    QVERIFY(source->selectDive(1));
    QCOMPARE(thrownText([&] { source->diveConfig(nullptr); }), QString("Bad UDDF structure"));
}

void TestReplayFiles::charactersBeyondAsciiAreNoDigits()
{
    // U+0130 and U+0131 cut to a byte would be the digits 0 and 1.
    const QString log = "<Divinglog DBVersion=\"3.0\"><Logbook><Dive ID=\"1\"><Depth>20</Depth><Profile>"
                        "<P Time=\"0\"><Depth>0</Depth></P><P Time=\"60\"><Depth>2\u0130</Depth></P>"
                        "<P Time=\"120\"><Depth>\u01312</Depth></P><P Time=\"180\"><Depth>20</Depth></P>"
                        "</Profile></Dive></Logbook></Divinglog>\n";
    QScopedPointer<Replay> source(replayXML(write("letters.xml", log.toUtf8())));
    QVERIFY(source);
    QVERIFY(source->selectDive(0));
    QVERIFY(source->diveConfig(nullptr).contains("2 depth(s) missing or implausible"));
    QCOMPARE(source->depth(60), 20.0f / 3);
    QCOMPARE(source->depth(120), 40.0f / 3);
}

void TestReplayFiles::nesting_data()
{
    QTest::addColumn<bool>("uddf");
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("opens");

    // The document element and the nest: 256 levels in all are read, one more is refused.
    for (const bool uddf : {true, false}) {
        const char* kind = uddf ? "UDDF" : "DivingLog";
        QTest::addRow("%s, 256 levels", kind) << uddf << 255 << true << true;
        QTest::addRow("%s, 257 levels", kind) << uddf << 256 << true << false;
        QTest::addRow("%s, 30,000 levels", kind) << uddf << 30000 << true << false;
        QTest::addRow("%s, 30,000 levels, truncated", kind) << uddf << 30000 << false << false;
    }
}

void TestReplayFiles::nesting()
{
    QFETCH(bool, uddf);
    QFETCH(int, levels);
    QFETCH(bool, closed);
    QFETCH(bool, opens);

    const QString path = write(uddf ? "nested.uddf" : "nested.xml", nestedLog(uddf, levels, closed));
    QString problem;
    QScopedPointer<Replay> source(uddf ? replayUDDF(path, nullptr, &problem) : replayXML(path, nullptr, &problem));
    QCOMPARE(bool(source), opens);
    QCOMPARE(problem, opens ? QString() : QString("its elements are nested deeper than 256 levels"));
    if (source) {
        QVERIFY(source->selectDive(0));
        QCOMPARE(source->depth(30), 5.0f);
    }
}

void TestReplayFiles::pipeIsRefusedWithoutWaiting_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("UDDF") << "pipe.uddf";
    QTest::newRow("DivingLog") << "pipe.xml";
}

void TestReplayFiles::pipeIsRefusedWithoutWaiting()
{
    QFETCH(QString, name);
    const QString path = dir.filePath(name);
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    PipeWriter writer(path, nestedLog(name.endsWith(".uddf"), 0, true));
    writer.start();

    QScopedPointer<Replay> source(openLog(path));
    writer.stop = true;
    writer.wait();
    QVERIFY(!source);
    QVERIFY(!writer.wrote);
    QFile::remove(path);
}

void TestReplayFiles::devicesAndFoldersAreRefused_data()
{
    QTest::addColumn<QString>("path");
    // An endless device: a reader that took it would never finish.
    QTest::newRow("endless device") << "/dev/zero";
    QTest::newRow("empty device") << "/dev/null";
    QTest::newRow("folder") << QString(VARN_FIXTURE_DIR "/replay");
}

void TestReplayFiles::devicesAndFoldersAreRefused()
{
    QFETCH(QString, path);
    for (const QString& suffix : {QString(".uddf"), QString(".xml")}) {
        // Reached under a name with the log's suffix, as the window opens it.
        const QString link = dir.filePath("link" + suffix);
        QFile::remove(link);
        QVERIFY(QFile::link(path, link));
        QScopedPointer<Replay> source(openLog(link));
        QVERIFY(!source);
    }
}

void TestReplayFiles::brokenXmlIsRefused_data()
{
    QTest::addColumn<QByteArray>("content");

    const QByteArray dive = "<profiledata><repetitiongroup><dive><samples>"
                            "<waypoint><divetime>0</divetime><depth>0</depth></waypoint>"
                            "<waypoint><divetime>60</divetime><depth>10</depth></waypoint>"
                            "</samples></dive></repetitiongroup></profiledata>";
    QTest::newRow("whole") << "<uddf>" + dive + "</uddf>";
    QTest::newRow("crossed tags") << "<uddf>" + dive + "<a><b></a></b></uddf>";
    QTest::newRow("two documents") << "<uddf>" + dive + "</uddf><uddf/>";
    QTest::newRow("text after the document") << "<uddf>" + dive + "</uddf>dive";
    QTest::newRow("unknown entity") << "<uddf>" + dive + "<a>&nbsp;</a></uddf>";
    QTest::newRow("unquoted attribute") << "<uddf version=3>" + dive + "</uddf>";
    QTest::newRow("open comment") << "<uddf>" + dive + "<!-- </uddf>";
    QTest::newRow("no end") << "<uddf>" + dive;
    QTest::newRow("name beginning with a digit") << "<uddf>" + dive + "<1a/></uddf>";
    QTest::newRow("declaration in the document") << "<uddf>" + dive + "<!ENTITY x/></uddf>";
    // Where a DTD outside the file could declare it, the stream reader passes an unknown entity on.
    QTest::newRow("entity of an outside DTD") << "<!DOCTYPE uddf SYSTEM \"uddf.dtd\"><uddf>" + dive
                                                    + "<a>&nbsp;</a></uddf>";
    QTest::newRow("text not in its encoding") << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><uddf>" + dive
                                                     + "<a>Plong\xE9""e</a></uddf>";
    QTest::newRow("empty") << QByteArray();
}

void TestReplayFiles::brokenXmlIsRefused()
{
    QFETCH(QByteArray, content);
    QScopedPointer<Replay> source(replayUDDF(write("broken.uddf", content)));
    QCOMPARE(bool(source), QByteArray(QTest::currentDataTag()) == "whole");
}

void TestReplayFiles::brokenXmlNamesTheLine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line");

    // A log of seven lines; the rows damage line 5, cut the file short or change its line ends.
    const auto log = [](const QByteArray& fifth, const QByteArray& end) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + end                               // 1
               + "<uddf version=\"3.2.0\">" + end                                               // 2
               + "<profiledata><repetitiongroup><dive><samples>" + end                          // 3
               + "<waypoint><divetime>0</divetime><depth>0</depth></waypoint>" + end            // 4
               + fifth + end                                                                    // 5
               + "</samples></dive></repetitiongroup></profiledata>" + end                      // 6
               + "</uddf>" + end;                                                               // 7
    };
    const QByteArray waypoint = "<waypoint><divetime>60</divetime><depth>10</depth></waypoint>";
    const QByteArray whole = log(waypoint, "\n");
    const QByteArray crossed = "<waypoint><divetime>60</depth></divetime></waypoint>";
    QTest::newRow("crossed tags") << "broken.uddf" << log(crossed, "\n") << 5;
    QTest::newRow("unknown entity") << "broken.uddf"
                                    << log("<waypoint><divetime>60</divetime><depth>&ten;</depth></waypoint>", "\n")
                                    << 5;
    QTest::newRow("unquoted attribute") << "broken.uddf"
                                        << log("<waypoint id=w2><divetime>60</divetime></waypoint>", "\n") << 5;
    QTest::newRow("$ in an attribute name") << "broken.uddf"
                                            << log("<waypoint i$d=\"w2\"><divetime>60</divetime></waypoint>", "\n")
                                            << 5;
    QTest::newRow("CR LF line ends") << "broken.uddf" << log(crossed, "\r\n") << 5;
    QTest::newRow("CR line ends") << "broken.uddf" << log(crossed, "\r") << 5;
    // Cut after the line end of line 5, or inside it: the file ends in line 5.
    QTest::newRow("truncated after a line end") << "broken.uddf" << whole.left(whole.indexOf("</samples>")) << 5;
    QTest::newRow("truncated inside a line") << "broken.uddf" << whole.left(whole.indexOf("<depth>10")) << 5;
    QTest::newRow("one line, truncated") << "broken.uddf" << QByteArray("<uddf><profiledata>") << 1;
    // A file without a line of text still has its fault in line 1, not in a line 0.
    QTest::newRow("empty") << "broken.uddf" << QByteArray() << 1;
    QTest::newRow("only a line end") << "broken.uddf" << QByteArray("\n") << 1;

    // Latin-1 text in a log that declares UTF-8, near the start and far beyond the first
    // kilobytes that the stream reader decodes at once.
    QTest::newRow("text not in its encoding")
        << "broken.uddf"
        << log("<waypoint><divetime>60</divetime><notes>Plong\xE9""e</notes></waypoint>", "\n") << 5;
    // Lines 1 to 4 of the log, the same waypoint on lines 5 to 299 and 301 to 400, the Latin-1
    // text on line 300.
    QByteArray far = whole.left(whole.indexOf(waypoint));
    for (int line = 5; line < 300; ++line)
        far += waypoint + "\n";
    far += "<waypoint><divetime>60</divetime><notes>Plong\xE9""e</notes></waypoint>\n";
    for (int line = 301; line <= 400; ++line)
        far += waypoint + "\n";
    far += "</samples></dive></repetitiongroup></profiledata></uddf>\n";
    QTest::newRow("text not in its encoding at line 300") << "broken.uddf" << far << 300;

    // The stream reader refuses an undecodable byte before it parses the kilobytes around it: a
    // fault earlier in them is the first all the same. A U+FFFD that the file holds is no fault.
    for (const bool uddf : {true, false}) {
        const char* kind = uddf ? "UDDF" : "DivingLog XML";
        const QString file = uddf ? "broken.uddf" : "broken.xml";
        const QByteArray depth = uddf ? "depth" : "Depth";
        const QByteArray crossed = sample(uddf).replace("</" + depth + ">", "</" + depth.left(4) + ">");
        const QByteArray named = sample(uddf).insert(sample(uddf).indexOf('>'), " $x=\"1\"");
        const QByteArray doctype = QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE ")
                                   + (uddf ? "uddf" : "Divinglog");
        const QByteArray entity = sample(uddf).replace(">10<", ">&nbsp;<");
        // Latin-1 bytes in the depth.
        const QByteArray a0 = sample(uddf).replace(">10<", ">1\xA0""0<");
        const QByteArray e9 = sample(uddf).replace(">10<", ">1\xE9""0<");
        QTest::addRow("%s, crossed tags before an undecodable byte", kind)
            << file << linedLog(uddf, 20, {{8, crossed}, {12, a0}}) << 8;
        QTest::addRow("%s, $ in an attribute name before an undecodable byte", kind)
            << file << linedLog(uddf, 50, {{8, named}, {41, a0}}) << 8;
        // Where an outside DTD could declare it, the stream reader passes an unknown entity on.
        QTest::addRow("%s, entity of an outside DTD before an undecodable byte", kind)
            << file << linedLog(uddf, 20, {{1, doctype + " SYSTEM \"log.dtd\">"}, {8, entity}, {12, a0}}) << 8;
        // The log's reader refuses the entities a file declares where it reads them.
        QTest::addRow("%s, entities declared before an undecodable byte", kind)
            << file << linedLog(uddf, 20, {{1, doctype + " [<!ENTITY e \"Reef\">]>"}, {12, a0}}) << 1;
        QTest::addRow("%s, undecodable byte before crossed tags", kind)
            << file << linedLog(uddf, 20, {{8, a0}, {12, crossed}}) << 8;
        QTest::addRow("%s, crossed tags kilobytes before an undecodable byte", kind)
            << file << linedLog(uddf, 400, {{8, crossed}, {300, a0}}) << 8;
        QTest::addRow("%s, U+FFFD before an undecodable byte", kind)
            << file << linedLog(uddf, 400, {{3, "<!-- \xEF\xBF\xBD -->"}, {300, e9}}) << 300;

        // Tokens of hundreds of kilobytes, far more than the reader takes of a file at once, before
        // the byte or ending at it: the line named counts the lines inside them. Left open, a
        // comment runs to the byte: the byte is the first fault.
        QTest::addRow("%s, comment left open, then an undecodable byte 9,000 lines on", kind)
            << file << linedLog(uddf, 9100, {{3, "<!-- left open"}, {9000, e9}}) << 9000;
        const QByteArray long400 = QByteArray(400000, 'x');
        QTest::addRow("%s, crossed tags after a long comment, before an undecodable byte", kind)
            << file << linedLog(uddf, 20, {{3, "<!--" + long400 + "-->"}, {8, crossed}, {12, a0}}) << 8;
        QTest::addRow("%s, crossed tags after a long CDATA section, before an undecodable byte", kind)
            << file << linedLog(uddf, 20, {{3, "<x><![CDATA[" + long400 + "]]></x>"}, {8, crossed}, {12, a0}}) << 8;
        // A comment of 300,000 line feeds, or of as many lines ended by CR LF: the lines after it
        // are 300,000 further on.
        const QByteArray feeds = QByteArray(300000, '\n');
        const QByteArray returns = QByteArray("\r\n").repeated(300000);
        QTest::addRow("%s, undecodable byte after a comment of line feeds", kind)
            << file << linedLog(uddf, 20, {{3, "<!--" + feeds + "-->"}, {12, a0}}) << 300012;
        QTest::addRow("%s, undecodable byte after a comment of CR LF line ends", kind)
            << file << linedLog(uddf, 20, {{3, "<!--" + returns + "-->"}, {12, a0}}) << 300012;
        QTest::addRow("%s, crossed tags after a comment of line feeds, before an undecodable byte", kind)
            << file << linedLog(uddf, 20, {{3, "<!--" + feeds + "-->"}, {8, crossed}, {12, a0}}) << 300008;
        // 300 lines of a thousand letters in an attribute value or a text: what follows them is 300
        // lines further on.
        const QByteArray lines300 = (QByteArray(1000, 'x') + '\n').repeated(300);
        const QByteArray opened = sample(uddf).left(sample(uddf).indexOf('>'));
        QTest::addRow("%s, $ in an attribute name after a long attribute value, before an undecodable byte", kind)
            << file
            << linedLog(uddf, 20, {{8, opened + " note=\"" + long400 + "\" $x=\"1\">"}, {12, a0}}) << 8;
        QTest::addRow("%s, undecodable byte at the end of a long attribute value", kind)
            << file << linedLog(uddf, 20, {{8, opened + " note=\"" + lines300 + "\xE9\">"}}) << 308;
        QTest::addRow("%s, unknown entity after a long text, before an undecodable byte", kind)
            << file << linedLog(uddf, 20, {{8, "<x>" + lines300 + "&nbsp;</x>"}, {12, a0}}) << 308;
        QTest::addRow("%s, undecodable byte at the end of a long text", kind)
            << file << linedLog(uddf, 20, {{8, "<x>" + lines300 + "\xE9</x>"}}) << 308;
        // Without a byte order mark, a file whose first '<' has zero bytes beside it is read as
        // UTF-16 or UTF-32: a letter beyond ASCII there is no undecodable byte.
        for (const char* encoding : {"UTF-16LE", "UTF-16BE", "UTF-32BE"}) {
            const QByteArray declaration = QByteArray("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?>";
            const QString log = QString::fromUtf8(
                linedLog(uddf, 20, {{1, declaration}, {8, "<x>Plong\xC3\xA9""e</x>"}, {12, crossed}}));
            QTextCodec::ConverterState noMark(QTextCodec::IgnoreHeader);
            QTest::addRow("%s, %s without a byte order mark, crossed tags after a letter beyond ASCII", kind, encoding)
                << file << QTextCodec::codecForName(encoding)->fromUnicode(log.constData(), log.size(), &noMark) << 12;
        }
        // The byte order mark is one of the bytes the reader parses again, and no character.
        const QByteArray marked = "\xEF\xBB\xBF<?xml version=\"1.0\"?>";
        QTest::addRow("%s, byte order mark, crossed tags before an undecodable byte", kind)
            << file << linedLog(uddf, 20, {{1, marked}, {8, crossed}, {12, a0}}) << 8;
        QTest::addRow("%s, byte order mark, comment left open, then an undecodable byte", kind)
            << file << linedLog(uddf, 9100, {{1, marked}, {3, "<!-- left open"}, {9000, e9}}) << 9000;
    }
}

void TestReplayFiles::brokenXmlNamesTheLine()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, line);

    QString why;
    QScopedPointer<Replay> source(openLog(write(file, content), &why));
    QVERIFY(!source);
    QCOMPARE(why, QString("it is not a complete, well-formed XML file (the fault is at line %1)").arg(line));
}

void TestReplayFiles::charactersXmlForbidsAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");

    // A dive to 20 m at 60 s, and in the UDDF a switch to EAN50 at 120 s; the rows damage the
    // attribute that carries one of them, or a text. A damaged attribute name was taken as an
    // absent attribute; the stream reader refuses a control character in a text by itself.
    const auto divingLog = [](const QByteArray& attribute, const QByteArray& place) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Divinglog DBVersion=\"3.0\"><Logbook>\n"
               "<Dive ID=\"1\"><Place>" + place + "</Place><Depth>20</Depth><Profile>\n"
               "<P Time=\"0\"><Depth>0</Depth></P>\n<P " + attribute + "><Depth>20</Depth></P>\n"
               "<P Time=\"120\"><Depth>0</Depth></P>\n</Profile></Dive></Logbook></Divinglog>\n";
    };
    const auto uddf = [](const QByteArray& attribute, const QByteArray& name) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<uddf version=\"3.2.0\"><gasdefinitions>\n"
               "<mix id=\"air\"><name>air</name><o2>0.21</o2></mix>\n"
               "<mix id=\"ean50\"><name>" + name + "</name><o2>0.50</o2></mix>\n"
               "</gasdefinitions><profiledata><repetitiongroup><dive><samples>\n"
               "<waypoint><divetime>0</divetime><depth>0</depth><switchmix ref=\"air\"/></waypoint>\n"
               "<waypoint><divetime>60</divetime><depth>20</depth></waypoint>\n"
               "<waypoint><divetime>120</divetime><depth>6</depth><switchmix " + attribute + "/></waypoint>\n"
               "<waypoint><divetime>180</divetime><depth>0</depth></waypoint>\n"
               "</samples></dive></repetitiongroup></profiledata></uddf>\n";
    };
    // The line that the damaged attribute or text is on.
    const auto broken = [](int line) {
        return QString("it is not a complete, well-formed XML file (the fault is at line %1)").arg(line);
    };

    QTest::newRow("DivingLog XML, whole") << "log.xml" << divingLog("Time=\"60\"", "Reef") << QString();
    QTest::newRow("DivingLog XML, letters beyond ASCII in an attribute name")
        << "log.xml" << divingLog("Time=\"60\" Zeit\xC3\xB6=\"1\"", "Reef") << QString();
    QTest::newRow("DivingLog XML, NUL in an attribute name")
        << "log.xml" << divingLog(QByteArray("Ti\0me=\"60\"", 10), "Reef") << broken(5);
    QTest::newRow("DivingLog XML, control character in an attribute name")
        << "log.xml" << divingLog("Ti\x1Fme=\"60\"", "Reef") << broken(5);
    QTest::newRow("DivingLog XML, $ in an attribute name")
        << "log.xml" << divingLog("Ti$me=\"60\"", "Reef") << broken(5);
    QTest::newRow("DivingLog XML, ~ in an attribute name")
        << "log.xml" << divingLog("Ti~me=\"60\"", "Reef") << broken(5);
    QTest::newRow("DivingLog XML, byte order mark in an attribute name")
        << "log.xml" << divingLog("Ti\xEF\xBB\xBFme=\"60\"", "Reef") << broken(5);
    QTest::newRow("DivingLog XML, control character in a text")
        << "log.xml" << divingLog("Time=\"60\"", "Re\x01""ef") << broken(3);

    QTest::newRow("UDDF, whole") << "log.uddf" << uddf("ref=\"ean50\"", "EAN50") << QString();
    QTest::newRow("UDDF, letters beyond ASCII in an attribute name")
        << "log.uddf" << uddf("ref=\"ean50\" \xC3\xA9tat=\"1\"", "EAN50") << QString();
    QTest::newRow("UDDF, NUL in an attribute name") << "log.uddf" << uddf(QByteArray("r\0ef=\"ean50\"", 12), "EAN50")
                                                    << broken(8);
    QTest::newRow("UDDF, control character in an attribute name")
        << "log.uddf" << uddf("r\x01""ef=\"ean50\"", "EAN50") << broken(8);
    QTest::newRow("UDDF, $ in an attribute name") << "log.uddf" << uddf("r$ef=\"ean50\"", "EAN50") << broken(8);
    QTest::newRow("UDDF, ~ in an attribute name") << "log.uddf" << uddf("r~ef=\"ean50\"", "EAN50") << broken(8);
    QTest::newRow("UDDF, byte order mark in an attribute name")
        << "log.uddf" << uddf("r\xEF\xBB\xBF""ef=\"ean50\"", "EAN50") << broken(8);
    QTest::newRow("UDDF, control character in a text") << "log.uddf" << uddf("ref=\"ean50\"", "EAN\x1B""50")
                                                       << broken(4);
}

void TestReplayFiles::charactersXmlForbidsAreRefused()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);

    const QString path = write(file, content);
    QString why;
    QScopedPointer<Replay> source(openLog(path, &why));
    QCOMPARE(why, problem);
    QCOMPARE(bool(source), problem.isEmpty());
    if (!source)
        return;
    QVERIFY(source->selectDive(0));
    source->diveConfig(nullptr);
    const ReplayRun run = runReplay(*source, 180);
    QCOMPARE(run.depths.at(30), 20.0f);
    QCOMPARE(run.events, file.endsWith(".xml") ? QStringList() : QStringList({"0 gas 1", "120 gas 2"}));
}

void TestReplayFiles::otherEncodings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("entry");

    const QString log = "<Divinglog DBVersion=\"3.0\"><Logbook><Dive ID=\"1\"><Place>Plongée à Hyères</Place>"
                        "<Profile><P Time=\"0\"><Depth>0</Depth></P><P Time=\"60\"><Depth>10</Depth></P></Profile>"
                        "</Dive></Logbook></Divinglog>\n";
    const QString entry = "001 -   Plongée à Hyères - 1' @ 10.0m";
    QTest::newRow("UTF-8") << ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + log).toUtf8() << entry;
    QTest::newRow("UTF-8 with byte order mark") << "\xEF\xBB\xBF" + log.toUtf8() << entry;
    QTest::newRow("Latin-1") << ("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + log).toLatin1() << entry;
    // Qt's UTF-16 and UTF-32 writers put the byte order mark in front.
    QTest::newRow("UTF-16 with byte order mark") << QTextCodec::codecForName("UTF-16LE")->fromUnicode(log) << entry;
    QTest::newRow("UTF-16BE with byte order mark") << QTextCodec::codecForName("UTF-16BE")->fromUnicode(log) << entry;
    QTest::newRow("UTF-32 with byte order mark") << QTextCodec::codecForName("UTF-32LE")->fromUnicode(log) << entry;
    QTest::newRow("UTF-32BE with byte order mark") << QTextCodec::codecForName("UTF-32BE")->fromUnicode(log) << entry;
    for (const char* encoding : {"UTF-16LE", "UTF-32BE"}) {
        QTextCodec::ConverterState noMark(QTextCodec::IgnoreHeader);
        const QString declared = QString("<?xml version=\"1.0\" encoding=\"%1\"?>").arg(encoding) + log;
        QTest::addRow("%s declared, no byte order mark", encoding)
            << QTextCodec::codecForName(encoding)->fromUnicode(declared.constData(), declared.size(), &noMark) << entry;
    }
    QTest::newRow("windows-1252") << QTextCodec::codecForName("windows-1252")->fromUnicode(
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + QString(log).replace("Plongée", "Plongée €"))
                                  << QString(entry).replace("Plongée", "Plongée €");
    QTest::newRow("unknown encoding") << ("<?xml version=\"1.0\" encoding=\"x-unknown\"?>" + log).toLatin1()
                                      << QString();
}

void TestReplayFiles::otherEncodings()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, entry);
    QScopedPointer<Replay> source(replayXML(write("encoded.xml", content)));
    QCOMPARE(bool(source), !entry.isEmpty());
    if (source)
        QCOMPARE(source->diveList(), QStringList(entry));
}

void TestReplayFiles::xmlForms_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("problem");

    // Each fixture is the same dive around one form: its place, as the dive list shows it, and
    // for some its second sample, 10 m at 60 s, are written in that form.
    QTest::newRow("DOCTYPE with an internal subset") << "form-doctype.xml" << "Reef" << QString();
    // Blanks between the sections are layout; a section of blanks is text.
    QTest::newRow("CDATA") << "form-cdata.xml" << "Reef <North> & \"Wall\"" << QString();
    QTest::newRow("&lt;") << "form-entity-lt.xml" << "Reef < 10 m" << QString();
    QTest::newRow("&gt;") << "form-entity-gt.xml" << "Reef > 10 m" << QString();
    QTest::newRow("&amp;") << "form-entity-amp.xml" << "Reef & Wall" << QString();
    QTest::newRow("&quot;") << "form-entity-quot.xml" << "\"The Reef\"" << QString();
    QTest::newRow("&apos;") << "form-entity-apos.xml" << "Diver's Reef" << QString();
    QTest::newRow("decimal character references") << "form-decimal-references.xml" << "Plongée à Hyères"
                                                  << QString();
    QTest::newRow("hexadecimal character references") << "form-hexadecimal-references.xml" << "Plongée à Hyères"
                                                      << QString();
    // XML reads every line end as a line feed.
    QTest::newRow("CR LF line ends") << "form-crlf.xml" << "North\nWall" << QString();
    QTest::newRow("CR line ends") << "form-cr.xml" << "North\nWall" << QString();
    QTest::newRow("elements inside a text") << "form-inner-elements.xml" << "Reef North Wall" << QString();
    QTest::newRow("prefixes no namespace declares") << "form-prefix.xml" << "Reef" << QString();
    QTest::newRow("declared ISO-8859-1") << "form-latin1.xml" << "Plongée à Hyères" << QString();
    QTest::newRow("declared unknown encoding") << "form-unknown-encoding.xml" << QString()
                                               << "its text encoding x-unknown is unknown";
}

void TestReplayFiles::xmlForms()
{
    QFETCH(QString, file);
    QFETCH(QString, place);
    QFETCH(QString, problem);

    QString why;
    QScopedPointer<Replay> source(replayXML(replayFixture(qPrintable(file)), nullptr, &why));
    QCOMPARE(why, problem);
    QCOMPARE(bool(source), problem.isEmpty());
    if (!source)
        return;
    QCOMPARE(source->diveList(), QStringList("001 - 2012-01-02 10:00 " + place + " - 2' @ 12.5m"));
    QVERIFY(source->selectDive(0));
    source->diveConfig(nullptr);
    QCOMPARE(source->diveTime(), 120);
    const int t[] = {0, 30, 60, 90, 120};
    const float metres[] = {0, 5, 10, 11.25f, 12.5f};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(source->depth(t[i]), metres[i]);
}

void TestReplayFiles::entitiesAreRefused_data()
{
    QTest::addColumn<QByteArray>("doctype");
    QTest::addColumn<QByteArray>("notes");
    QTest::addColumn<QString>("problem");

    const QString declares = "it declares XML entities, which dive logs do not use";

    // Nine levels of ten: a thousand million "lol" from a file of a kilobyte.
    QByteArray laughs = "<!DOCTYPE Divinglog [\n<!ENTITY lol0 \"lol\">\n";
    for (int i = 1; i <= 9; ++i)
        laughs += "<!ENTITY lol" + QByteArray::number(i) + " \""
                  + ("&lol" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    QTest::newRow("billion laughs") << laughs + "]>\n" << QByteArray("&lol9;") << declares;
    // Each expansion is small, but together they are 400 MB of text.
    QTest::newRow("one entity used many times")
        << "<!DOCTYPE Divinglog [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]>\n"
        << QByteArray("&e;").repeated(100000) << declares;
    QTest::newRow("outside entity") << QByteArray("<!DOCTYPE Divinglog [<!ENTITY e SYSTEM \"/etc/passwd\">]>\n")
                                    << QByteArray("&e;") << declares;
    QTest::newRow("declared, not used") << QByteArray("<!DOCTYPE Divinglog [<!ENTITY e \"Reef\">]>\n")
                                        << QByteArray("Reef") << declares;

    // Parameter entities expand while the DTD is read, before its entities can be looked at;
    // the stream reader refuses them inside declarations itself.
    QByteArray parameterLaughs = "<!DOCTYPE Divinglog [\n<!ENTITY % lol0 \"<!-- lol -->\">\n";
    for (int i = 1; i <= 9; ++i)
        parameterLaughs += "<!ENTITY % lol" + QByteArray::number(i) + " \""
                           + ("%lol" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    // Line 1 is the XML declaration, line 2 the DOCTYPE, line 3 lol0: lol1 on line 4 is the first
    // declaration to refer to one.
    QTest::newRow("billion laughs of parameter entities")
        << parameterLaughs + "%lol9;\n]>\n" << QByteArray("Reef")
        << "it is not a complete, well-formed XML file (the fault is at line 4)";
}

void TestReplayFiles::entitiesAreRefused()
{
    QFETCH(QByteArray, doctype);
    QFETCH(QByteArray, notes);
    QFETCH(QString, problem);

    const QByteArray log = "<?xml version=\"1.0\"?>\n" + doctype
                           + "<Divinglog DBVersion=\"3.0\"><Logbook><Dive ID=\"1\"><Notes>" + notes
                           + "</Notes><Profile><P Time=\"0\"><Depth>0</Depth></P>"
                             "<P Time=\"60\"><Depth>10</Depth></P></Profile></Dive></Logbook></Divinglog>\n";
    QString why;
    QScopedPointer<Replay> source(replayXML(write("entities.xml", log), nullptr, &why));
    QVERIFY(!source);
    QCOMPARE(why, problem);
}

void TestReplayFiles::refusalsSayWhy_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("problem");

    QTest::newRow("missing") << "missing.uddf" << "it does not exist";
    QTest::newRow("folder") << "folder.uddf" << "it is not a regular file";
    QTest::newRow("over 1024 MB") << "huge.uddf" << "it is larger than 1024 MB";
    QTest::newRow("broken") << "broken.uddf" << "it is not a complete, well-formed XML file (the fault is at line 1)";
    QTest::newRow("no dive") << "empty.uddf" << "it holds no dive of a UDDF log";
}

void TestReplayFiles::refusalsSayWhy()
{
    QFETCH(QString, file);
    QFETCH(QString, problem);

    const QString path = dir.filePath(file);
    if (file == "folder.uddf") {
        QVERIFY(QDir(dir.path()).mkpath(file));
    } else if (file == "huge.uddf") {
        // Sparse: it takes no room on the disk. Read, its zero bytes would be refused as broken.
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize((qint64(1) << 30) + 1));
    } else if (file == "broken.uddf") {
        write(file, "<uddf><profiledata>");
    } else if (file == "empty.uddf") {
        write(file, "<uddf version=\"3.2.0\"><profiledata/></uddf>");
    }

    QString why;
    QScopedPointer<Replay> source(replayUDDF(path, nullptr, &why));
    QVERIFY(!source);
    QCOMPARE(why, problem);
    if (file == "huge.uddf")
        QFile::remove(path);
}

void TestReplayFiles::progressFollowsTheFile()
{
    QByteArray xml = "<uddf version=\"3.2.0\"><profiledata><repetitiongroup><dive><samples>\n";
    for (int i = 0; i < 40000; ++i)
        xml += "<waypoint><divetime>" + QByteArray::number(2 * i) + "</divetime><depth>10.00</depth></waypoint>\n";
    xml += "</samples></dive></repetitiongroup></profiledata></uddf>\n";
    const QString path = write("progress.uddf", xml);

    RecordedProgress progress;
    QScopedPointer<Replay> source(replayUDDF(path, &progress));
    QVERIFY(source);
    // About once per megabyte, always of the whole file, never going back.
    QVERIFY2(progress.done.size() >= xml.size() / (1 << 20), qPrintable(QString::number(progress.done.size())));
    for (int i = 0; i < progress.done.size(); ++i) {
        QCOMPARE(progress.totals.at(i), qint64(xml.size()));
        QVERIFY(progress.done.at(i) > (i > 0 ? progress.done.at(i - 1) : 0));
        QVERIFY(progress.done.at(i) <= xml.size());
    }
}

void TestReplayFiles::progressFollowsTheSearchForTheFault_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("firstCalls");

    const QByteArray start = "<uddf version=\"3.2.0\"><profiledata><repetitiongroup><dive><samples>\n";
    QByteArray waypoints;
    for (int i = 0; i < 40000; ++i)
        waypoints += "<waypoint><divetime>" + QByteArray::number(2 * i)
                     + "</divetime><depth>10.00</depth></waypoint>\n";
    const QByteArray end = "<waypoint><divetime>80000</divetime><depth>1\xE9""0</depth></waypoint>\n"
                           "</samples></dive></repetitiongroup></profiledata></uddf>\n";
    // The first parse stops in the last megabyte, which it may have begun without telling.
    const QByteArray log = start + waypoints + end;
    QTest::newRow("undecodable byte at the end") << log << int(log.size() >> 20) - 1;
    // The first parse tells nothing in the middle of a token; the second tells all the same.
    QTest::newRow("comment left open, undecodable byte at the end") << start + "<!--\n" + waypoints + end << 0;
}

void TestReplayFiles::progressFollowsTheSearchForTheFault()
{
    QFETCH(QByteArray, content);
    QFETCH(int, firstCalls);

    RecordedProgress progress;
    QString why;
    QScopedPointer<Replay> source(replayUDDF(write("seeking.uddf", content), &progress, &why));
    QVERIFY(!source);
    const int before = content.indexOf('\xE9');
    QCOMPARE(why, QString("it is not a complete, well-formed XML file (the fault is at line %1)")
                      .arg(content.left(before).count('\n') + 1));
    // Each parse about once per megabyte, never going back: the first of the whole file, the
    // second of the bytes before the undecodable one.
    const int first = progress.beforeSeeking;
    QVERIFY2(first >= firstCalls, qPrintable(QString::number(first)));
    QVERIFY2(progress.done.size() - first >= before / (1 << 20), qPrintable(QString::number(progress.done.size())));
    for (int i = 0; i < progress.done.size(); ++i) {
        QCOMPARE(progress.totals.at(i), qint64(i < first ? content.size() : before));
        QVERIFY(progress.done.at(i) > (i > 0 && i != first ? progress.done.at(i - 1) : 0));
        QVERIFY(progress.done.at(i) <= progress.totals.at(i));
    }
}

QTEST_GUILESS_MAIN(TestReplayFiles)
#include "tst_replay_files.moc"
