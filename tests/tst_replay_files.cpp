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
// numbers, deep nesting, pipes and devices, broken XML, other encodings, and large files.
class TestReplayFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void badNumbersAreMissing_data();
    void badNumbersAreMissing();
    void diveWithoutUsableDepth();
    void nesting_data();
    void nesting();
    void pipeIsRefusedWithoutWaiting_data();
    void pipeIsRefusedWithoutWaiting();
    void devicesAndFoldersAreRefused_data();
    void devicesAndFoldersAreRefused();
    void brokenXmlIsRefused_data();
    void brokenXmlIsRefused();
    void otherEncodings_data();
    void otherEncodings();
    void progressFollowsTheFile();

private:
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& content);
};

namespace {

Replay* openLog(const QString& path)
{
    return path.endsWith(".xml") ? replayXML(path) : replayUDDF(path);
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

class RecordedProgress : public ReadProgress {
public:
    QList<qint64> done;
    QList<qint64> totals;
    void advance(qint64 d, qint64 total) override
    {
        done << d;
        totals << total;
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
    QScopedPointer<Replay> source(openLog(path));
    QCOMPARE(bool(source), opens);
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
    QTest::newRow("empty") << QByteArray();
}

void TestReplayFiles::brokenXmlIsRefused()
{
    QFETCH(QByteArray, content);
    QScopedPointer<Replay> source(replayUDDF(write("broken.uddf", content)));
    QCOMPARE(bool(source), QByteArray(QTest::currentDataTag()) == "whole");
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
    // Qt's UTF-16 writer puts the byte order mark in front.
    QTest::newRow("UTF-16 with byte order mark") << QTextCodec::codecForName("UTF-16LE")->fromUnicode(log) << entry;
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

QTEST_GUILESS_MAIN(TestReplayFiles)
#include "tst_replay_files.moc"
