#include "Replay.h"
#include "VARN_eeprom.h"
#include "replayrun.h"
#include "testutil.h"

#include <QScopedPointer>
#include <QtTest>
#include <cstring>

// DivingLog XML replay on small logs made for each behaviour.
class TestReplayXML : public QObject {
    Q_OBJECT

private slots:
    void listsEveryDive();
    void selectDive_data();
    void selectDive();
    void everyEntryReplaysItsOwnDive();
    void depth_data();
    void depth();
    void earlierTimeRewinds();
    void diveTimeOfDecimalTimes();
    void reportsNoChanges();
    void diveConfig_data();
    void diveConfig();
    void otherDivesWorkAfterAFailure();
    void refusesWhatIsNoDivingLog_data();
    void refusesWhatIsNoDivingLog();
};

static Replay* open(const char* name)
{
    Replay* source = replayXML(replayFixture(name));
    if (!source)
        qFatal("fixture %s does not open", name);
    return source;
}

void TestReplayXML::listsEveryDive()
{
    QScopedPointer<Replay> source(open("divinglog-dives.xml"));
    QCOMPARE(source->diveList(), QStringList({
                                     "007 - 2011-05-14 10:32 Reef - 45' @ 31.5m",
                                     "123 - 2011-05-15 09:00 Wall - 1' @ 20.0m",
                                     "008 - 2011-05-16 14:00 Bay - 0' @ 15.0m",
                                     "009 - 2011-05-17 08:00 Pier - 0' @ 12.0m",
                                     "011 - %2 %1 Blue %2 Hole %1 - 1' @ 6.0m",
                                 }));
    // The listing leaves the first dive current.
    QCOMPARE(source->diveTime(), 2712);
    QCOMPARE(source->diveDepth(), 31.5f);
}

void TestReplayXML::selectDive_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("diveTime");
    QTest::addColumn<float>("diveDepth");

    QTest::newRow("first") << 0 << true << 2712 << 31.5f;
    QTest::newRow("second") << 1 << true << 40 << 20.0f;
    QTest::newRow("third") << 2 << true << 20 << 15.0f;
    QTest::newRow("beyond the last") << 5 << false << 60 << 6.0f;
    QTest::newRow("negative") << -1 << false << 60 << 6.0f;
}

void TestReplayXML::selectDive()
{
    QFETCH(int, entry);
    QFETCH(bool, found);
    QFETCH(int, diveTime);
    QFETCH(float, diveDepth);

    QScopedPointer<Replay> source(open("divinglog-dives.xml"));
    QVERIFY(source->selectDive(4));
    QCOMPARE(source->selectDive(entry), found);
    QCOMPARE(source->diveTime(), diveTime);
    QCOMPARE(source->diveDepth(), diveDepth);
}

// IDs repeat, are words or are missing: the place in the list tells the dives apart.
void TestReplayXML::everyEntryReplaysItsOwnDive()
{
    QScopedPointer<Replay> source(open("divinglog-ids.xml"));
    QCOMPARE(source->diveList(), QStringList({
                                     "005 - 2012-01-01   - 10' @ 10.0m",
                                     "005 - 2012-01-02   - 20' @ 20.0m",
                                     "000 - 2012-01-03   - 30' @ 15.0m",
                                     "000 - 2012-01-04   - 40' @ 12.0m",
                                     "006 - 2012-01-05  <i>Reef</i> - 0' @ 8.0m",
                                 }));
    const int seconds[] = {600, 1200, 1800, 2400};
    const float metres[] = {10, 20, 15, 12};
    for (int i = 3; i >= 0; --i) {
        QVERIFY(source->selectDive(i));
        QCOMPARE(source->diveTime(), seconds[i]);
        QCOMPARE(source->depth(seconds[i]), metres[i]);
        QCOMPARE(source->depth(seconds[i] / 2), metres[i] / 2);
    }
}

void TestReplayXML::depth_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("dive");
    QTest::addColumn<int>("t");
    QTest::addColumn<float>("depth");

    const QString dives = "divinglog-dives.xml";
    QTest::newRow("first sample") << dives << 1 << 0 << 0.0f;
    QTest::newRow("descending") << dives << 1 << 5 << 5.0f;
    QTest::newRow("second gap") << dives << 1 << 15 << 15.0f;
    QTest::newRow("level") << dives << 1 << 25 << 20.0f;
    QTest::newRow("last sample") << dives << 1 << 40 << 0.0f;
    QTest::newRow("after the log") << dives << 1 << 45 << 0.0f;
    QTest::newRow("long after the log") << dives << 1 << 600 << 0.0f;
    QTest::newRow("before a late first sample") << dives << 2 << 0 << 5.0f;
    QTest::newRow("late first sample") << dives << 2 << 10 << 5.0f;
    QTest::newRow("after a late first sample") << dives << 2 << 15 << 10.0f;
    QTest::newRow("no profile") << dives << 3 << 100 << 0.0f;

    const QString sampling = "divinglog-sampling.xml";
    QTest::newRow("no interval, into a decimal time") << sampling << 0 << 6 << 2.4f;
    QTest::newRow("no interval, from a decimal time") << sampling << 0 << 16 << 7.3333333f;
    QTest::newRow("no interval, long gap") << sampling << 0 << 50 << 10.0f;
    QTest::newRow("no interval, last gap") << sampling << 0 << 88 << 4.8387097f;
    QTest::newRow("no interval, end") << sampling << 0 << 96 << 0.0f;
    QTest::newRow("shared first time") << sampling << 1 << 0 << 2.0f;
    QTest::newRow("after a shared first time") << sampling << 1 << 5 << 7.0f;
    QTest::newRow("feet, halfway") << sampling << 2 << 30 << 5.000244f;
    QTest::newRow("feet, deepest") << sampling << 2 << 60 << 10.000488f;
    QTest::newRow("single sample") << sampling << 3 << 0 << 3.0f;
    QTest::newRow("after a single sample") << sampling << 3 << 100 << 3.0f;
}

void TestReplayXML::depth()
{
    QFETCH(QString, file);
    QFETCH(int, dive);
    QFETCH(int, t);
    QFETCH(float, depth);

    QScopedPointer<Replay> source(replayXML(replayFixture(qPrintable(file))));
    QVERIFY(source);
    QVERIFY(source->selectDive(dive));
    const float got = source->depth(t);
    QVERIFY2(qAbs(got - depth) < 1e-4f, qPrintable(QString("depth %1, expected %2").arg(got).arg(depth)));
}

void TestReplayXML::earlierTimeRewinds()
{
    QScopedPointer<Replay> source(open("divinglog-dives.xml"));
    QVERIFY(source->selectDive(1));
    QCOMPARE(source->depth(45), 0.0f);
    QCOMPARE(source->depth(5), 5.0f);
    QCOMPARE(source->depth(35), 10.0f);
    QCOMPARE(source->depth(15), 15.0f);
}

void TestReplayXML::diveTimeOfDecimalTimes()
{
    QScopedPointer<Replay> source(open("divinglog-sampling.xml"));
    QVERIFY(source->selectDive(0));
    QCOMPARE(source->diveTime(), 96);
}

void TestReplayXML::reportsNoChanges()
{
    QScopedPointer<Replay> source(open("divinglog-dives.xml"));
    QVERIFY(source->selectDive(1));
    const ReplayRun run = runReplay(*source, 60);
    QCOMPARE(run.events, QStringList());
}

void TestReplayXML::diveConfig_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("dive");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("thrown");

    const QString gases = "The log names no gases: the gases of the form are used.\n";
    QTest::newRow("version") << "divinglog-dives.xml" << 0 << "DivingLog DB 3.0 dive\n" + gases << QString();
    QTest::newRow("no version") << "divinglog-sampling.xml" << 0 << "DivingLog DB  dive\n" + gases << QString();
    QTest::newRow("feet") << "divinglog-sampling.xml" << 2
                          << "DivingLog DB  dive\nProfile depths read as feet.\n" + gases << QString();
    QTest::newRow("no profile") << "divinglog-dives.xml" << 3 << QString() << "No samples in this dive";
    QTest::newRow("empty profile") << "divinglog-sampling.xml" << 4 << QString() << "No samples in this dive";
}

void TestReplayXML::diveConfig()
{
    QFETCH(QString, file);
    QFETCH(int, dive);
    QFETCH(QString, report);
    QFETCH(QString, thrown);

    QScopedPointer<Replay> source(replayXML(replayFixture(qPrintable(file))));
    QVERIFY(source);
    QVERIFY(source->selectDive(dive));

    VARN_eeprom config;
    config.decoType = 5;
    config.gases[0].currentO2 = 50;
    config.activeGases = 0x1F;
    config.firstGas = 3;
    const VARN_eeprom before = config;
    QString got;
    QCOMPARE(thrownText([&] { got = source->diveConfig(&config); }), thrown);
    QCOMPARE(got, report);
    QVERIFY(std::memcmp(config.bytes(), before.bytes(), sizeof(VARN_eeprom)) == 0);

    QCOMPARE(thrownText([&] { got = source->diveConfig(nullptr); }), thrown);
}

void TestReplayXML::otherDivesWorkAfterAFailure()
{
    QScopedPointer<Replay> source(open("divinglog-dives.xml"));
    QVERIFY(source->selectDive(3));
    QCOMPARE(thrownText([&] { source->diveConfig(nullptr); }), QString("No samples in this dive"));
    QCOMPARE(source->depth(10), 0.0f);
    QVERIFY(source->selectDive(1));
    QVERIFY(source->diveConfig(nullptr).startsWith("DivingLog DB 3.0 dive\n"));
    QCOMPARE(source->depth(15), 15.0f);
}

void TestReplayXML::refusesWhatIsNoDivingLog_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("missing file") << replayFixture("no-such-file.xml");
    QTest::newRow("other XML") << replayFixture("not-a-dive-log.xml");
    QTest::newRow("no dives") << replayFixture("divinglog-empty.xml");
    QTest::newRow("truncated") << replayFixture("truncated.xml");
    QTest::newRow("UDDF") << replayFixture("uddf-groups.uddf");
    QTest::newRow("folder") << replayFixture("");
}

void TestReplayXML::refusesWhatIsNoDivingLog()
{
    QFETCH(QString, path);
    QScopedPointer<Replay> source(replayXML(path));
    QVERIFY(!source);
}

QTEST_GUILESS_MAIN(TestReplayXML)
#include "tst_replay_xml.moc"
