#include "Replay.h"
#include "VARN_eeprom.h"
#include "replayrun.h"
#include "testutil.h"

#include <QScopedPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

// UDDF replay on small logs made for each behaviour.
class TestReplayUDDF : public QObject {
    Q_OBJECT

private slots:
    void listsDivesOfEveryGroup();
    void selectDive_data();
    void selectDive();
    void depth_data();
    void depth();
    void report_data();
    void report();
    void configuresMixes();
    void leavesImplausibleMixesAlone();
    void mode_data();
    void mode();
    void thrown_data();
    void thrown();
    void replayOfADiveWithoutSamplesThrows();
    void reportsEachChangeOnce_data();
    void reportsEachChangeOnce();
    void firstWaypointAfterConfig();
    void earlierTimeStartsOver();
    void changesDoNotDependOnCallOrder();
    void setpointsAreWholeCentibar();
    void refusesWhatIsNoUDDF_data();
    void refusesWhatIsNoUDDF();
};

static Replay* open(const char* name)
{
    Replay* source = replayUDDF(replayFixture(name));
    if (!source)
        qFatal("fixture %s does not open", name);
    return source;
}

void TestReplayUDDF::listsDivesOfEveryGroup()
{
    QScopedPointer<Replay> source(open("uddf-groups.uddf"));
    // The first dive is current although the first repetition group is empty.
    QCOMPARE(source->diveTime(), 600);
    QCOMPARE(source->diveList(), QStringList({
                                     "001 - 06/30 09:00 - 10' @ 10.0m",
                                     "002 - 07/01 10:15 - 45' @ 31.5m",
                                     "003 - --/-- --:-- - 2' @ 5.0m",
                                     "004 - 07/01 10:15 - 30' @ 31.5m",
                                     "005 - 07/02 16:45 - 0' @ 0.0m",
                                 }));
    // Listing leaves the current dive alone.
    QCOMPARE(source->diveTime(), 600);
}

void TestReplayUDDF::selectDive_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("diveTime");
    QTest::addColumn<float>("diveDepth");

    QTest::newRow("first") << 0 << true << 600 << 10.0f;
    QTest::newRow("second group, second dive") << 3 << true << 1800 << 31.5f;
    QTest::newRow("last") << 4 << true << 0 << 0.0f;
    QTest::newRow("beyond the last") << 5 << false << 120 << 5.0f;
    QTest::newRow("negative") << -1 << false << 120 << 5.0f;
}

void TestReplayUDDF::selectDive()
{
    QFETCH(int, entry);
    QFETCH(bool, found);
    QFETCH(int, diveTime);
    QFETCH(float, diveDepth);

    QScopedPointer<Replay> source(open("uddf-groups.uddf"));
    QVERIFY(source->selectDive(2));
    QCOMPARE(source->selectDive(entry), found);
    QCOMPARE(source->diveTime(), diveTime);
    QCOMPARE(source->diveDepth(), diveDepth);
}

void TestReplayUDDF::depth_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("dive");
    QTest::addColumn<int>("t");
    QTest::addColumn<float>("depth");

    const QString groups = "uddf-groups.uddf";
    QTest::newRow("start") << groups << 0 << 0 << 0.0f;
    QTest::newRow("descending") << groups << 0 << 150 << 5.0f;
    QTest::newRow("sample") << groups << 0 << 300 << 10.0f;
    QTest::newRow("ascending") << groups << 0 << 450 << 5.0f;
    QTest::newRow("after the log") << groups << 0 << 900 << 0.0f;

    const QString config = "uddf-config.uddf";
    QTest::newRow("shared first time") << config << 4 << 0 << 2.0f;
    QTest::newRow("after a shared first time") << config << 4 << 5 << 7.0f;
    QTest::newRow("single waypoint") << config << 3 << 50 << 3.0f;
    QTest::newRow("decimal time reached") << config << 7 << 1 << 1.0f;
    QTest::newRow("between decimal times") << config << 7 << 6 << 6.0f;
    QTest::newRow("long gap") << config << 7 << 40 << 10.5f;
    QTest::newRow("time stepping back") << config << 7 << 120 << 9.5f;
    QTest::newRow("to a decimal time") << config << 7 << 126 << 4.2631579f;
    QTest::newRow("end at a decimal time") << config << 7 << 131 << 0.0f;
}

void TestReplayUDDF::depth()
{
    QFETCH(QString, file);
    QFETCH(int, dive);
    QFETCH(int, t);
    QFETCH(float, depth);

    QScopedPointer<Replay> source(replayUDDF(replayFixture(qPrintable(file))));
    QVERIFY(source);
    QVERIFY(source->selectDive(dive));
    thrownText([&] { source->diveConfig(nullptr); });
    const float got = source->depth(t);
    QVERIFY2(qAbs(got - depth) < 1e-4f, qPrintable(QString("depth %1, expected %2").arg(got).arg(depth)));
    // Asking again for an earlier time gives the same answers.
    source->depth(t + 100);
    QVERIFY(qAbs(source->depth(t) - depth) < 1e-4f);
}

void TestReplayUDDF::report_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("dive");
    QTest::addColumn<int>("decoType");
    QTest::addColumn<QString>("report");

    QTest::newRow("no mode, no mixes") << "uddf-groups.uddf" << 0 << 0
                                       << "Reading UDDF 3.1.0 dive\n"
                                          "Unknown OC/CCR mode.\n"
                                          "Dive mode unknown: the form's open circuit mode is kept.\n";
    QTest::newRow("no mode, closed circuit kept") << "uddf-groups.uddf" << 0 << 5
                                                  << "Reading UDDF 3.1.0 dive\n"
                                                     "Unknown OC/CCR mode.\n"
                                                     "Dive mode unknown: the form's closed circuit mode is kept.\n";
    QTest::newRow("closed circuit") << "uddf-config.uddf" << 0 << 0
                                    << "Reading UDDF 3.2.0 dive\n"
                                       "This is a CCR dive.\n"
                                       "Gas#1:      air o2=21%, he=0%\n"
                                       "Gas#2:    EAN50 o2=50%, he=0%\n"
                                       "1 setpoint(s) outside 0.16..2.55 bar skipped.\n";
    QTest::newRow("six mixes") << "uddf-config.uddf" << 1 << 0
                               << "Reading UDDF 3.2.0 dive\n"
                                  "This is an OC dive.\n"
                                  "Gas#5:      air o2=21%, he=0%\n"
                                  "Gas#1:    EAN32 o2=32%, he=0%\n"
                                  "Gas#2:    EAN53 o2=53%, he=0%\n"
                                  "Gas#6:    EAN50 o2=50%, he=0%\n"
                                  "Gas#3: tx 18/45 o2=18%, he=45%\n"
                                  "Gas#4:   oxygen o2=100%, he=0%\n";
    QTest::newRow("implausible mixes") << "uddf-config.uddf" << 2 << 2
                                       << "Reading UDDF 3.2.0 dive\n"
                                          "Unknown OC/CCR mode.\n"
                                          "Dive mode unknown: the form's closed circuit mode is kept.\n"
                                          "Gas#1: %2 mix %1 o2=36%, he=0%\n"
                                          "Gas#2:    hyper o2=80%, he=30%\n"
                                          "Gas#2 skipped: implausible mix.\n"
                                          "Gas#3: negative o2=21%, he=-10%\n"
                                          "Gas#3 skipped: implausible mix.\n"
                                          "Gas#4:      big o2=150%, he=0%\n"
                                          "Gas#4 skipped: implausible mix.\n"
                                          "Gas#5:     noO2 o2=0%, he=50%\n"
                                          "Gas#5 skipped: implausible mix.\n"
                                          "Gas#6:  rounded o2=21.5%, he=78.5%\n"
                                          "Gas#6 skipped: implausible mix.\n";
}

void TestReplayUDDF::report()
{
    QFETCH(QString, file);
    QFETCH(int, dive);
    QFETCH(int, decoType);
    QFETCH(QString, report);

    QScopedPointer<Replay> source(replayUDDF(replayFixture(qPrintable(file))));
    QVERIFY(source);
    QVERIFY(source->selectDive(dive));
    VARN_eeprom config;
    config.decoType = ubyte(decoType);
    QCOMPARE(source->diveConfig(&config), report);
    // Without a configuration no mode is kept either.
    QCOMPARE(source->diveConfig(nullptr), QString(report).remove(QRegularExpression("Dive mode unknown[^\n]*\n")));
}

void TestReplayUDDF::configuresMixes()
{
    QScopedPointer<Replay> source(open("uddf-config.uddf"));
    VARN_eeprom config;
    config.firstGas = 3;
    config.activeGases = 0x1F;
    for (GasRecord& gas : config.gases) {
        gas.currentO2 = 18;
        gas.currentHe = 45;
    }
    config.changeDepth[1] = 21;

    QVERIFY(source->selectDive(1));
    source->diveConfig(&config);
    const int o2[] = {32, 53, 18, 100, 21};
    const int he[] = {0, 0, 45, 0, 0};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(int(config.gases[i].currentO2), o2[i]);
        QCOMPARE(int(config.gases[i].currentHe), he[i]);
        QCOMPARE(int(config.gases[i].defaultO2), 21);
    }
    QCOMPARE(int(config.activeGases), 0x1F);
    QCOMPARE(int(config.firstGas), 1);
    QCOMPARE(int(config.changeDepth[1]), 21);
    QCOMPARE(int(config.gas6.currentO2), 21);

    QVERIFY(source->selectDive(0));
    QCOMPARE(source->diveDepth(), 40.0f);
    source->diveConfig(&config);
    QCOMPARE(source->diveDepth(), 21.0f);
    QCOMPARE(int(config.gases[0].currentO2), 21);
    QCOMPARE(int(config.gases[1].currentO2), 50);
    QCOMPARE(int(config.gases[2].currentO2), 18);
    QCOMPARE(int(config.activeGases), 0x03);
}

void TestReplayUDDF::leavesImplausibleMixesAlone()
{
    QScopedPointer<Replay> source(open("uddf-config.uddf"));
    VARN_eeprom config;
    for (GasRecord& gas : config.gases) {
        gas.currentO2 = 18;
        gas.currentHe = 45;
    }
    QVERIFY(source->selectDive(2));
    source->diveConfig(&config);
    QCOMPARE(int(config.gases[0].currentO2), 36);
    QCOMPARE(int(config.gases[0].currentHe), 0);
    for (int i = 1; i < 5; ++i) {
        QCOMPARE(int(config.gases[i].currentO2), 18);
        QCOMPARE(int(config.gases[i].currentHe), 45);
    }
    QCOMPARE(int(config.activeGases), 0x01);
}

void TestReplayUDDF::mode_data()
{
    QTest::addColumn<int>("dive");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");

    QTest::newRow("CCR, plain") << 0 << 0 << 2;
    QTest::newRow("CCR, gradient factors") << 0 << 4 << 5;
    QTest::newRow("CCR, already") << 0 << 2 << 2;
    QTest::newRow("OC, plain") << 1 << 2 << 0;
    QTest::newRow("OC, gradient factors") << 1 << 5 << 4;
    QTest::newRow("OC, already") << 1 << 0 << 0;
    QTest::newRow("unknown keeps CCR") << 2 << 5 << 5;
    QTest::newRow("unknown keeps OC") << 2 << 4 << 4;
}

void TestReplayUDDF::mode()
{
    QFETCH(int, dive);
    QFETCH(int, before);
    QFETCH(int, after);

    QScopedPointer<Replay> source(open("uddf-config.uddf"));
    VARN_eeprom config;
    config.decoType = ubyte(before);
    QVERIFY(source->selectDive(dive));
    source->diveConfig(&config);
    QCOMPARE(int(config.decoType), after);
}

void TestReplayUDDF::thrown_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("dive");
    QTest::addColumn<QString>("thrown");

    QTest::newRow("single waypoint") << "uddf-config.uddf" << 3 << "Bad UDDF sampling";
    QTest::newRow("no time passes") << "uddf-config.uddf" << 5 << "Bad UDDF sampling";
    QTest::newRow("no waypoint") << "uddf-config.uddf" << 6 << "Bad UDDF structure";
    QTest::newRow("no waypoint, other file") << "uddf-groups.uddf" << 4 << "Bad UDDF structure";
}

void TestReplayUDDF::thrown()
{
    QFETCH(QString, file);
    QFETCH(int, dive);
    QFETCH(QString, thrown);

    QScopedPointer<Replay> source(replayUDDF(replayFixture(qPrintable(file))));
    QVERIFY(source);
    QVERIFY(source->selectDive(dive));
    VARN_eeprom config;
    config.decoType = 4;
    config.activeGases = 0x1F;
    config.firstGas = 2;
    const VARN_eeprom before = config;
    QCOMPARE(thrownText([&] { source->diveConfig(&config); }), thrown);
    QVERIFY(std::memcmp(config.bytes(), before.bytes(), sizeof(VARN_eeprom)) == 0);
    QCOMPARE(thrownText([&] { source->diveConfig(nullptr); }), thrown);
}

void TestReplayUDDF::replayOfADiveWithoutSamplesThrows()
{
    QScopedPointer<Replay> source(open("uddf-config.uddf"));
    QVERIFY(source->selectDive(6));
    QCOMPARE(source->diveDepth(), 18.0f);
    const QString structure = "Bad UDDF structure";
    QCOMPARE(thrownText([&] { source->depth(0); }), structure);
    QCOMPARE(thrownText([&] { source->gasChange(2); }), structure);
    QCOMPARE(thrownText([&] { source->setpointChange(4); }), structure);

    QVERIFY(source->selectDive(0));
    source->diveConfig(nullptr);
    QCOMPARE(source->depth(5), 2.5f);
    QCOMPARE(source->gasChange(6), 1);
}

void TestReplayUDDF::reportsEachChangeOnce_data()
{
    QTest::addColumn<int>("dive");
    QTest::addColumn<int>("end");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("switches and setpoints") << 0 << 800
                                            << QStringList({"0 gas 1", "0 sp 130", "600 gas 2", "620 sp 110", "700 gas 1"});
    QTest::newRow("six mixes") << 1 << 60
                               << QStringList({"0 gas 1", "10 gas 2", "20 gas 3", "30 gas 4", "40 gas 5", "50 gas 6"});
    QTest::newRow("undefined mix keeps its number") << 2 << 60
                                                    << QStringList({"0 gas 1", "10 gas 2", "20 gas 3", "30 gas 4",
                                                                    "40 gas 5", "50 gas 6", "60 gas 7"});
    QTest::newRow("shared first time") << 4 << 20 << QStringList({"0 gas 1"});
    // Changes between two steps come at the next step; of two switches in one step the later counts;
    // irregular gaps and a time stepping back report nothing twice.
    QTest::newRow("irregular") << 7 << 140
                               << QStringList({"0 gas 1", "2 gas 2", "2 sp 120", "102 gas 1", "102 sp 90", "120 sp 130"});
}

void TestReplayUDDF::reportsEachChangeOnce()
{
    QFETCH(int, dive);
    QFETCH(int, end);
    QFETCH(QStringList, events);

    QScopedPointer<Replay> source(open("uddf-config.uddf"));
    QVERIFY(source->selectDive(dive));
    source->diveConfig(nullptr);
    QCOMPARE(runReplay(*source, end).events, events);
}

void TestReplayUDDF::firstWaypointAfterConfig()
{
    QScopedPointer<Replay> source(open("uddf-config.uddf"));
    QVERIFY(source->selectDive(0));
    source->diveConfig(nullptr);
    QCOMPARE(source->depth(0), 0.0f);
    QCOMPARE(source->depth(0), 0.0f);
    QCOMPARE(source->gasChange(0), 1);
    QCOMPARE(source->setpointChange(0), 1.3f);
    QCOMPARE(source->gasChange(0), 0);
    QCOMPARE(source->setpointChange(0), 0.0f);
    QCOMPARE(source->gasChange(2), 0);
    QCOMPARE(source->setpointChange(2), 0.0f);
    QCOMPARE(source->gasChange(598), 0);
    QCOMPARE(source->gasChange(600), 2);
    QCOMPARE(source->gasChange(602), 0);
}

void TestReplayUDDF::earlierTimeStartsOver()
{
    QScopedPointer<Replay> source(open("uddf-config.uddf"));
    QVERIFY(source->selectDive(0));
    source->diveConfig(nullptr);
    const QStringList first = runReplay(*source, 800).events;
    QCOMPARE(runReplay(*source, 800).events, first);

    // Starting over at a time reports what holds there: the latest switch and setpoint before it.
    QCOMPARE(source->gasChange(650), 2);
    QCOMPARE(qRound(source->setpointChange(650) * 100), 110);
    QCOMPARE(source->gasChange(610), 2);
    QCOMPARE(qRound(source->setpointChange(610) * 100), 130);

    // Selecting the dive again starts it over as well.
    QVERIFY(source->selectDive(0));
    QCOMPARE(source->gasChange(0), 1);
}

void TestReplayUDDF::changesDoNotDependOnCallOrder()
{
    QScopedPointer<Replay> source(open("uddf-config.uddf"));
    QVERIFY(source->selectDive(7));
    source->diveConfig(nullptr);
    QStringList gases;
    for (int t = 0; t <= 140; t += 2) {
        if (const int gas = source->gasChange(t))
            gases << QString("%1 gas %2").arg(t).arg(gas);
    }
    QCOMPARE(gases, QStringList({"0 gas 1", "2 gas 2", "102 gas 1"}));

    QVERIFY(source->selectDive(7));
    QStringList setpoints;
    for (int t = 0; t <= 140; t += 5) {
        source->depth(t);
        const float bar = source->setpointChange(t);
        if (bar != 0)
            setpoints << QString("%1 sp %2").arg(t).arg(qRound(bar * 100));
    }
    QCOMPARE(setpoints, QStringList({"5 sp 120", "105 sp 90", "120 sp 130"}));
}

void TestReplayUDDF::setpointsAreWholeCentibar()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("setpoints.uddf");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QString xml = "<uddf version=\"3.2.0\"><profiledata><repetitiongroup><dive><samples>\n"
                  "<waypoint><divetime>0</divetime><depth>0</depth><divemode type=\"closedcircuit\"/></waypoint>\n";
    // Every centibar the engine can take, then values it cannot, each 2 s apart.
    QList<double> pascal;
    for (int centibar = 16; centibar <= 255; ++centibar)
        pascal << centibar * 1000.0;
    pascal << 1.299999e5 << 15499 << 255500 << 0 << -130000 << 1.0e300;
    for (int i = 0; i < pascal.size(); ++i)
        xml += QString("<waypoint><divetime>%1</divetime><depth>10</depth><setpo2>%2</setpo2></waypoint>\n")
                   .arg(2 * (i + 1))
                   .arg(pascal[i], 0, 'g', 17);
    xml += "</samples></dive></repetitiongroup></profiledata></uddf>\n";
    file.write(xml.toUtf8());
    file.close();

    QScopedPointer<Replay> source(replayUDDF(path));
    QVERIFY(source);
    QVERIFY(source->diveConfig(nullptr).endsWith("5 setpoint(s) outside 0.16..2.55 bar skipped.\n"));
    for (int centibar = 16; centibar <= 255; ++centibar) {
        const int t = 2 * (centibar - 15);
        source->depth(t);
        const float bar = source->setpointChange(t);
        QCOMPARE(int(bar * 100), centibar);
        QCOMPARE(int(double(bar) * 100), centibar);
        QCOMPARE(qRound(bar * 100), centibar);
    }
    QCOMPARE(int(source->setpointChange(2 * 241) * 100), 130);
    for (int t = 2 * 242; t <= 2 * 246; t += 2)
        QCOMPARE(source->setpointChange(t), 0.0f);
}

void TestReplayUDDF::refusesWhatIsNoUDDF_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("missing file") << replayFixture("no-such-file.uddf");
    QTest::newRow("other XML") << replayFixture("not-a-dive-log.xml");
    QTest::newRow("no dives") << replayFixture("uddf-empty.uddf");
    QTest::newRow("truncated") << replayFixture("truncated.xml");
    QTest::newRow("DivingLog") << replayFixture("divinglog-dives.xml");
}

void TestReplayUDDF::refusesWhatIsNoUDDF()
{
    QFETCH(QString, path);
    QScopedPointer<Replay> source(replayUDDF(path));
    QVERIFY(!source);
}

QTEST_GUILESS_MAIN(TestReplayUDDF)
#include "tst_replay_uddf.moc"
