#include "VARN_Planner.h"
#include "simulationtest.h"
#include "testutil.h"

#include <QtTest>

namespace {

QString fixture(const char* name)
{
    return QString(VARN_FIXTURE_DIR "/simulation/") + name;
}

// What the planner window does with a chosen dive before it simulates it.
struct LoggedDive {
    QScopedPointer<Replay> source;
    int bottomTime = 0;
    int depth = 0;

    LoggedDive(Replay* replay, int index)
        : source(replay)
    {
        if (!replay)
            return;
        if (!replay->selectDive(index))
            return;
        bottomTime = (replay->diveTime() + 59) / 60;
        depth = int(replay->diveDepth());
        replay->diveConfig(&eeprom);
    }

    void simulate(QTextEdit* console, int interval = -10)
    {
        ::simulate(console, interval, 10, bottomTime, depth, source.data());
    }
};

// A log that fails once the replay reaches a given time.
class FailingLog : public Replay {
public:
    explicit FailingLog(int failAt) : failAt(failAt) {}

    QStringList diveList() const override { return {"1 failing"}; }
    bool selectDive(int) override { return true; }
    QString diveConfig(VARN_eeprom*) override { return QString(); }
    int diveTime() const override { return 600; }
    float diveDepth() const override { return 20; }
    float depth(int t) const override
    {
        if (t >= failAt)
            throw "Bad UDDF structure";
        return qMin(t * 0.5f, 20.0f);
    }
    int gasChange(int) const override { return 0; }
    float setpointChange(int) const override { return 0; }

private:
    const int failAt;
};

} // namespace

class TestReplaySimulation : public QObject {
    Q_OBJECT

private slots:
    void init();
    void followsLoggedDepth();
    void breakOnStop();
    void skippedStopsWithoutBreak();
    void noStopDiveNeverBreaks();
    void gasSwitchApplied();
    void gasSwitchIgnored();
    void breakOnBetterGas();
    void breakOnBetterGasAtTheSurface();
    void setpointsApplied();
    void breakOnSetpointWithoutApplying();
    void breakOnSetpointAfterApplying();
    void setpointsIgnoredInOpenCircuit();
    void gasWithoutRecordIgnored();
    void replayFailureTravelsOn();

private:
    QTextEdit console;
};

void TestReplaySimulation::init()
{
    resetSimulation();
    console.clear();
}

void TestReplaySimulation::followsLoggedDepth()
{
    LoggedDive dive(replayXML(fixture("divinglog-skipped-stops.xml")), 1);
    QCOMPARE(dive.bottomTime, 11);
    QCOMPARE(dive.depth, 10);
    dive.simulate(&console);

    const QStringList lines = consoleLines(console);
    // No descent of its own: the log takes the diver down.
    QVERIFY(lines.filter("DESCENT DONE").isEmpty());
    // The last step was taken at 658 s, 2 s short of the logged surfacing.
    QCOMPARE(dive_time, 660);
    QCOMPARE(int(int_I_pres_respiration), 1013 + int(10 * 2 / 60.0f * 99.85f));
    QVERIFY2(lines.last().startsWith(" 11:00   0.3m NDL = "), qPrintable(lines.last()));
}

void TestReplaySimulation::breakOnStop()
{
    LoggedDive dive(replayXML(fixture("divinglog-skipped-stops.xml")), 0);
    dive.simulate(&console);

    const QStringList lines = consoleLines(console);
    const int stopBreak = indexOfMatch(lines, "BREAK ON STOP @ \\d+m");
    QVERIFY2(stopBreak > 0, qPrintable(console.toPlainText()));
    const int firstStop = char_O_first_deco_depth;
    QVERIFY(firstStop >= 3);
    // Stamped when the logged depth passed above the stop, which is where the diver stays.
    QVERIFY2(lines.at(stopBreak).mid(7).startsWith(QString::asprintf(" %4.1fm BREAK ON STOP @ %dm", float(firstStop), firstStop)),
             qPrintable(lines.at(stopBreak)));
    const int seconds = lines.at(stopBreak).left(3).trimmed().toInt() * 60 + lines.at(stopBreak).mid(4, 2).toInt();
    QVERIFY(seconds > 1560 && seconds < 1800);
    QCOMPARE(lines.at(stopBreak + 1), QString("..."));
    QVERIFY2(lines.at(stopBreak + 2).mid(7).startsWith(QString::asprintf(" %4.1fm Deco:", float(firstStop))),
             qPrintable(lines.at(stopBreak + 2)));
    QCOMPARE(dive_time, seconds);
}

void TestReplaySimulation::skippedStopsWithoutBreak()
{
    Replay::breakOnStop = false;
    LoggedDive dive(replayXML(fixture("divinglog-skipped-stops.xml")), 0);
    dive.simulate(&console);

    const QStringList lines = consoleLines(console);
    QVERIFY(lines.filter("BREAK").isEmpty());
    // The log is followed to its end, at the surface.
    QVERIFY(dive_time >= 1800);
    QCOMPARE(int(int_I_pres_respiration), 1013);
}

void TestReplaySimulation::noStopDiveNeverBreaks()
{
    LoggedDive dive(replayXML(fixture("divinglog-skipped-stops.xml")), 1);
    Replay::breakOnSwitch = true;
    dive.simulate(&console);
    QVERIFY(consoleLines(console).filter("BREAK").isEmpty());
}

void TestReplaySimulation::gasSwitchApplied()
{
    LoggedDive dive(replayUDDF(fixture("switches.uddf")), 0);
    eeprom.changeDepth[1] = 21;
    dive.simulate(&console);

    const QStringList switches = consoleLines(console).filter("SWITCH");
    QCOMPARE(switches.size(), 2);
    // The log's first mix is the first gas: reported as a switch all the same.
    QVERIFY2(switches.at(0).startsWith("  0:00   0.0m SWITCH Gas#1 -> Gas#1"), qPrintable(switches.at(0)));
    QVERIFY2(switches.at(1).startsWith(" 22:00  18.0m SWITCH Gas#1 -> Gas#2"), qPrintable(switches.at(1)));
    QCOMPARE(int(char_I_current_gas), 2);
    QCOMPARE(int(char_I_N2_ratio), 50);
}

void TestReplaySimulation::gasSwitchIgnored()
{
    Replay::gasSwitch = false;
    LoggedDive dive(replayUDDF(fixture("switches.uddf")), 0);
    dive.simulate(&console);

    QVERIFY(consoleLines(console).filter("SWITCH").isEmpty());
    QCOMPARE(int(char_I_current_gas), 1);
    QCOMPARE(int(char_I_N2_ratio), 79);
}

void TestReplaySimulation::breakOnBetterGas()
{
    Replay::breakOnSwitch = true;
    Replay::breakOnStop = false;
    LoggedDive dive(replayUDDF(fixture("switches.uddf")), 3);
    eeprom.changeDepth[1] = 21;
    dive.simulate(&console);

    const QStringList lines = consoleLines(console);
    const int stop = indexOfMatch(lines, "BREAK ON BETTER Gas#2");
    QVERIFY2(stop > 0, qPrintable(console.toPlainText()));
    QVERIFY2(lines.at(stop).startsWith(" 11:00  21.0m BREAK ON BETTER Gas#2"), qPrintable(lines.at(stop)));
    QCOMPARE(dive_time, 660);
    QCOMPARE(int(char_I_current_gas), 1);
    QCOMPARE(lines.at(stop + 1), QString("..."));
}

void TestReplaySimulation::breakOnBetterGasAtTheSurface()
{
    // At the surface every switch gas is better than the bottom gas: a log that starts there
    // breaks at once.
    Replay::breakOnSwitch = true;
    LoggedDive dive(replayUDDF(fixture("switches.uddf")), 0);
    eeprom.changeDepth[1] = 21;
    dive.simulate(&console);

    QVERIFY(consoleLines(console).filter("BREAK ON BETTER Gas#2").first().startsWith("  0:00   0.0m"));
    QCOMPARE(dive_time, 0);
}

void TestReplaySimulation::setpointsApplied()
{
    LoggedDive dive(replayUDDF(fixture("switches.uddf")), 1);
    QVERIFY(eeprom.isCCR());
    eeprom.setpoints[0] = 100;
    dive.simulate(&console);

    const QStringList changes = consoleLines(console).filter("SWITCH Setpoint");
    QCOMPARE(changes.size(), 2);
    QVERIFY2(changes.at(0).startsWith("  0:00   0.0m SWITCH Setpoint 1.0 -> 0.7"), qPrintable(changes.at(0)));
    QVERIFY2(changes.at(1).startsWith("  5:00  20.0m SWITCH Setpoint 0.7 -> 1.3"), qPrintable(changes.at(1)));
    QCOMPARE(int(char_I_const_ppO2), 130);
    QVERIFY(consoleLines(console).filter("BREAK").isEmpty());
}

void TestReplaySimulation::breakOnSetpointWithoutApplying()
{
    Replay::setpoint = false;
    Replay::breakOnSetpoint = true;
    LoggedDive dive(replayUDDF(fixture("switches.uddf")), 1);
    eeprom.setpoints[0] = 100;
    dive.simulate(&console);

    const QStringList lines = consoleLines(console);
    QVERIFY(lines.filter("SWITCH Setpoint").isEmpty());
    const int stop = indexOfMatch(lines, "BREAK ON SETPOINT");
    QVERIFY(stop > 0);
    QVERIFY(lines.at(stop).startsWith("  0:00   0.0m BREAK ON SETPOINT"));
    QCOMPARE(int(char_I_const_ppO2), 100);
    QCOMPARE(dive_time, 0);
}

void TestReplaySimulation::breakOnSetpointAfterApplying()
{
    Replay::breakOnSetpoint = true;
    LoggedDive dive(replayUDDF(fixture("switches.uddf")), 1);
    eeprom.setpoints[0] = 100;
    dive.simulate(&console);

    const QStringList lines = consoleLines(console);
    const int stop = indexOfMatch(lines, "BREAK ON SETPOINT");
    QVERIFY(stop > 0);
    QVERIFY(lines.at(stop - 1).startsWith("  0:00   0.0m SWITCH Setpoint 1.0 -> 0.7"));
    QCOMPARE(int(char_I_const_ppO2), 70);
}

void TestReplaySimulation::setpointsIgnoredInOpenCircuit()
{
    Replay::breakOnSetpoint = true;
    LoggedDive dive(replayUDDF(fixture("switches.uddf")), 1);
    eeprom.setCCR(false);
    dive.simulate(&console);

    const QStringList lines = consoleLines(console);
    QVERIFY(lines.filter("Setpoint").isEmpty());
    QVERIFY(lines.filter("BREAK").isEmpty());
    QCOMPARE(int(char_I_const_ppO2), 0);
}

void TestReplaySimulation::gasWithoutRecordIgnored()
{
    LoggedDive dive(replayUDDF(fixture("switches.uddf")), 2);
    dive.simulate(&console);

    const QStringList lines = consoleLines(console);
    QCOMPARE(lines.filter("SWITCH").size(), 5);
    QVERIFY(lines.filter("SWITCH").last().contains("SWITCH Gas#4 -> Gas#5"));
    const int note = lines.indexOf("Gas#6 of the log is not one of the five gases: switch ignored");
    QVERIFY(note > 0);
    QVERIFY(shownInRed(console, "Gas#6 of the log"));
    // Still breathing EAN50, the fifth gas.
    QCOMPARE(int(char_I_current_gas), 5);
    QCOMPARE(int(char_I_N2_ratio), 50);
}

void TestReplaySimulation::replayFailureTravelsOn()
{
    FailingLog log(40);
    QCOMPARE(thrownText([&] { simulate(&console, -10, 10, 10, 20, &log); }), QString("Bad UDDF structure"));
    QVERIFY(!simulationRunning());
    // The clock and the engine keep the last finished step.
    QCOMPARE(dive_time, 40);
    QVERIFY(consoleLines(console).filter("NDL").isEmpty());
}

QTEST_MAIN(TestReplaySimulation)
#include "tst_replaysim.moc"
