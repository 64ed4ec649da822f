#include "Replay.h"
#include "VARN_eeprom.h"
#include "replayrun.h"
#include "testutil.h"

#include <QDir>
#include <QScopedPointer>
#include <QtTest>

// Replay of real dive logs written by other programs and dive computers.
class TestReplayLogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opens_data();
    void opens();
    void replaysPlausibly_data();
    void replaysPlausibly();
    void rebreatherConfiguration();
    void diveWithoutSamples();
    void imperialExportMatchesMetric();
};

static QString logPath(const QString& name)
{
    return QDir(VARN_TESTDATA_DIR).filePath(name);
}

static Replay* openLog(const QString& name)
{
    const QString path = logPath(name);
    return name.endsWith(".xml") ? replayXML(path) : replayUDDF(path);
}

void TestReplayLogs::initTestCase()
{
    if (!QDir(VARN_TESTDATA_DIR).exists())
        QSKIP("No real dive logs beside the checkout (" VARN_TESTDATA_DIR ")");
}

void TestReplayLogs::opens_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("DivingLog XML") << "divinglog-5.08-metric.xml"
                                   << QStringList({"001 - 2011-05-17 11:01  - 33' @ 24.7m"});
    QTest::newRow("DivingLog XML, imperial") << "divinglog-5.08-imperial.xml"
                                             << QStringList({"001 - 2011-05-17 11:01  - 33' @ 24.7m"});
    QTest::newRow("DivingLog UDDF 2.2") << "divinglog-5.08.uddf"
                                        << QStringList({"001 - 05/17 11:01 - 32' @ 24.7m"});
    QTest::newRow("AP rebreather UDDF 3.3") << "apd-inspiration-ccr.uddf"
                                            << QStringList({"001 - --/-- --:-- - 0' @ 0.0m",
                                                            "002 - 04/24 10:30 - 104' @ 60.4m"});
    QTest::newRow("Oceanic UDDF 3.2") << "oceanic-10-dives.uddf"
                                      << QStringList({
                                             "001 - 07/02 17:04 - 10' @ 0.6m",
                                             "002 - 05/12 11:04 - 40' @ 24.4m",
                                             "003 - 05/12 08:57 - 46' @ 21.2m",
                                             "004 - 05/04 18:20 - 12' @ 1.3m",
                                             "005 - 11/01 09:51 - 7' @ 1.0m",
                                             "006 - 11/01 09:31 - 54' @ 18.1m",
                                             "007 - 11/01 07:50 - 39' @ 37.7m",
                                             "008 - 10/31 18:16 - 33' @ 24.9m",
                                             "009 - 10/31 15:19 - 43' @ 30.0m",
                                             "010 - 10/31 13:43 - 28' @ 23.5m",
                                         });
    QTest::newRow("Shearwater OC") << "shearwater-peregrine-oc.uddf"
                                   << QStringList({"001 - 06/26 12:09 - 48' @ 8.0m"});
    QTest::newRow("Shearwater CCR") << "shearwater-perdix-ccr.uddf"
                                    << QStringList({"001 - 09/30 12:49 - 17' @ 46.6m"});
}

void TestReplayLogs::opens()
{
    QFETCH(QString, file);
    QFETCH(QStringList, entries);

    QScopedPointer<Replay> source(openLog(file));
    QVERIFY(source);
    QCOMPARE(source->diveList(), entries);
    for (int i = 0; i < entries.size(); ++i)
        QVERIFY(source->selectDive(i));
    QVERIFY(!source->selectDive(entries.size()));
}

void TestReplayLogs::replaysPlausibly_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("dive");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QStringList>("events");

    const QString formGases = "The log names no gases: the gases of the form are used.\n";
    const QString formMode = "Dive mode unknown: the form's open circuit mode is kept.\n";
    QTest::newRow("DivingLog XML") << "divinglog-5.08-metric.xml" << 0 << "DivingLog DB 4.1.0 dive\n" + formGases
                                   << QStringList();
    QTest::newRow("DivingLog XML, imperial") << "divinglog-5.08-imperial.xml" << 0
                                             << "DivingLog DB 4.1.0 dive\nProfile depths read as feet.\n" + formGases
                                             << QStringList();
    QTest::newRow("DivingLog UDDF 2.2") << "divinglog-5.08.uddf" << 0
                                        << "Reading UDDF 2.2.0 dive\n"
                                           "Unknown OC/CCR mode.\n"
                                           + formMode
                                           + "Gas#1:      air o2=21%, he=0%\n"
                                        << QStringList({"0 gas 1"});
    QTest::newRow("AP rebreather") << "apd-inspiration-ccr.uddf" << 1
                                   << "Reading UDDF 3.3.0 dive\n"
                                      "This is a CCR dive.\n"
                                      "Gas#1:    16/48 o2=16%, he=48%\n"
                                      "Gas#2:   48% nx o2=48%, he=0%\n"
                                   << QStringList({"0 sp 70", "10 gas 1", "140 sp 130", "1142 sp 70", "1560 gas 2",
                                                   "1670 sp 130", "1680 gas 1", "5890 sp 70"});
    const QString oceanicOC = "Reading UDDF 3.2.1 dive\nThis is an OC dive.\nGas#1:      air o2=21%, he=0%\n";
    const QString oceanicApnoea = "Reading UDDF 3.2.1 dive\nUnknown OC/CCR mode.\n" + formMode;
    for (int dive = 1; dive <= 10; ++dive) {
        const bool apnoea = dive == 1 || dive == 4 || dive == 5;
        QTest::addRow("Oceanic dive %d", dive) << "oceanic-10-dives.uddf" << dive - 1
                                               << (apnoea ? oceanicApnoea : oceanicOC)
                                               << (apnoea ? QStringList() : QStringList({"0 gas 1"}));
    }
    QTest::newRow("Shearwater OC") << "shearwater-peregrine-oc.uddf" << 0
                                   << "Reading UDDF 3.2.3 dive\nThis is an OC dive.\nGas#1:      OC1 o2=21%, he=0%\n"
                                   << QStringList({"0 gas 1"});
    QTest::newRow("Shearwater CCR") << "shearwater-perdix-ccr.uddf" << 0
                                    << "Reading UDDF 3.2.1 dive\nThis is a CCR dive.\nGas#1:      CC4 o2=15%, he=55%\n"
                                    << QStringList({"0 gas 1"});
}

void TestReplayLogs::replaysPlausibly()
{
    QFETCH(QString, file);
    QFETCH(int, dive);
    QFETCH(QString, report);
    QFETCH(QStringList, events);

    QScopedPointer<Replay> source(openLog(file));
    QVERIFY(source);
    QVERIFY(source->selectDive(dive));
    VARN_eeprom config;
    QCOMPARE(source->diveConfig(&config), report);

    // After the configuration a UDDF source answers the deepest waypoint; a DivingLog one its logged depth.
    const float deepest = source->diveDepth();
    QVERIFY(deepest > 0);
    const ReplayRun run = runReplay(*source, source->diveTime() + 60);
    QCOMPARE(run.events, events);

    float replayedDeepest = 0;
    for (int i = 0; i < run.depths.size(); ++i) {
        const float d = run.depths[i];
        QVERIFY2(qIsFinite(d) && d >= 0 && d <= deepest + 0.01f,
                 qPrintable(QString("%1 m at %2 s").arg(d).arg(2 * i)));
        // Nobody descends or ascends 3 m in 2 seconds.
        if (i > 0)
            QVERIFY2(qAbs(d - run.depths[i - 1]) < 3, qPrintable(QString("jump to %1 m at %2 s").arg(d).arg(2 * i)));
        replayedDeepest = qMax(replayedDeepest, d);
    }
    QVERIFY2(replayedDeepest > 0.95f * deepest, qPrintable(QString("deepest replayed %1 m").arg(replayedDeepest)));
}

void TestReplayLogs::rebreatherConfiguration()
{
    QScopedPointer<Replay> source(openLog("apd-inspiration-ccr.uddf"));
    QVERIFY(source);
    QVERIFY(source->selectDive(1));
    QCOMPARE(source->diveTime(), 6240);
    QCOMPARE(source->diveDepth(), 60.4f);
    VARN_eeprom config;
    config.decoType = 4;
    source->diveConfig(&config);
    QCOMPARE(source->diveDepth(), 60.2f);
    QCOMPARE(int(config.decoType), 5);
    QCOMPARE(int(config.firstGas), 1);
    QCOMPARE(int(config.activeGases), 0x03);
    QCOMPARE(int(config.gases[0].currentO2), 16);
    QCOMPARE(int(config.gases[0].currentHe), 48);
    QCOMPARE(int(config.gases[1].currentO2), 48);
    QCOMPARE(int(config.gases[1].currentHe), 0);
    // The first two waypoints share the time 0.0.
    QCOMPARE(source->depth(0), 1.2f);
}

void TestReplayLogs::diveWithoutSamples()
{
    QScopedPointer<Replay> source(openLog("apd-inspiration-ccr.uddf"));
    QVERIFY(source);
    QVERIFY(source->selectDive(0));
    VARN_eeprom config;
    QCOMPARE(thrownText([&] { source->diveConfig(&config); }), QString("Bad UDDF structure"));
    QCOMPARE(thrownText([&] { source->depth(0); }), QString("Bad UDDF structure"));
    QVERIFY(source->selectDive(1));
    QVERIFY(thrownText([&] { source->diveConfig(&config); }).isNull());
    QCOMPARE(source->depth(600), 56.9f);
}

void TestReplayLogs::imperialExportMatchesMetric()
{
    QScopedPointer<Replay> metric(openLog("divinglog-5.08-metric.xml"));
    QScopedPointer<Replay> imperial(openLog("divinglog-5.08-imperial.xml"));
    QVERIFY(metric && imperial);
    QCOMPARE(imperial->diveTime(), metric->diveTime());
    QCOMPARE(metric->depth(300), 24.69f);
    for (int t = 0; t <= metric->diveTime(); t += 2)
        QVERIFY2(qAbs(imperial->depth(t) - metric->depth(t)) < 0.01f,
                 qPrintable(QString("%1 m against %2 m at %3 s").arg(imperial->depth(t)).arg(metric->depth(t)).arg(t)));
}

QTEST_GUILESS_MAIN(TestReplayLogs)
#include "tst_replay_logs.moc"
