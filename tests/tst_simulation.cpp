#include "VARN_Planner.h"
#include "simulationtest.h"

#include <QtTest>
#include <cstring>

namespace {

struct Tissues {
    float n2[NUM_COMP];
    float he[NUM_COMP];

    static Tissues now()
    {
        Tissues t;
        std::memcpy(t.n2, pres_tissue_N2, sizeof t.n2);
        std::memcpy(t.he, pres_tissue_He, sizeof t.he);
        return t;
    }
    bool operator==(const Tissues& o) const
    {
        return std::memcmp(n2, o.n2, sizeof n2) == 0 && std::memcmp(he, o.he, sizeof he) == 0;
    }
};

// The engine's refusal of a ppO2 of 15 cbar or less, as the diver reads it.
const QString tooLittleOxygen = "a gas breathed near the surface gives a ppO2 of 0.15 bar or less, too little oxygen "
                                "for the decompression model (p2_deco: char_I_actual_ppO2 > 15)";

QString clockStamp(int seconds)
{
    return QString::asprintf("%3d:%02d", seconds / 60, seconds % 60);
}

// The stop lines of the published table, as the plan shows them (without run times).
QStringList publishedStops()
{
    QStringList stops;
    for (int i = 0; i < NUM_STOPS && char_O_deco_depth[i] != 0; ++i)
        stops << QString::asprintf("\t%2d m :\t%3d '", char_O_deco_depth[i] & 0x7F, char_O_deco_time[i]);
    return stops;
}

QStringList stopLinesOf(const QStringList& lines)
{
    QStringList stops;
    for (const QString& line : lines) {
        if (QRegularExpression("^\\t[ \\d]\\d m :\\t[ \\d]{2}\\d '").match(line).hasMatch())
            stops << line.left(13);
    }
    return stops;
}

// A logged dive held at one depth until its end, where either the diver shows at 1 m (the
// replay breaks at the stop) or a switch to the given gas is logged.
class HeldDive : public Replay {
public:
    HeldDive(float metres, int end, int gasAtEnd) : metres(metres), end(end), gasAtEnd(gasAtEnd) {}
    QStringList diveList() const override { return QStringList(); }
    bool selectDive(int) override { return false; }
    QString diveConfig(VARN_eeprom*) override { return QString(); }
    int diveTime() const override { return end; }
    float diveDepth() const override { return metres; }
    float depth(int t) const override { return t >= end && gasAtEnd == 0 ? 1.0f : metres; }
    int gasChange(int t) const override { return t == end ? gasAtEnd : 0; }
    float setpointChange(int) const override { return 0; }

private:
    float metres;
    int end;
    int gasAtEnd;
};

// 72 m on 18/45 with EAN50 from 21 m and oxygen from 6 m; gas 4 has 3 % oxygen and is active
// without a change depth, so only a logged switch reaches it.
void configureTrimixWithHypoxicGas()
{
    eeprom.decoType = 4;
    eeprom.gases[0].currentO2 = 18;
    eeprom.gases[0].currentHe = 45;
    configureDecoGases();
    eeprom.gases[3].currentO2 = 3;
    eeprom.activeGases |= 0x08;
}

} // namespace

class TestSimulation : public QObject {
    Q_OBJECT

private slots:
    void init();
    void newDiveHeader_data();
    void newDiveHeader();
    void newDivePlan();
    void noStopDiveEndsAtBottomTime();
    void bottomTimeZeroStillPlans();
    void firstSimulationWithoutReset();
    void continuedDeeper();
    void continuedShallower();
    void repetitiveDiveClimbsFirst();
    void repetitiveDiveInterval_data();
    void repetitiveDiveInterval();
    void closedCircuit();
    void ascentWithStopsAndSurfaceReport();
    void ascentSwitchesGases();
    void ascentAtSurface();
    void noFlyExceeded();
    void futureTTS_data();
    void futureTTS();
    void verboseBottom();
    void verbosePlansCountFromTheirStart();
    void verboseAscent();
    void ascentSpeedRefused();
    void descentNeedsNoSpeed();
    void ascentBoundedBySteps();
    void ascentNotBoundedByClock();
    void engineRefusalInAscent();
    void ascentAfterRefusedStepKeepsDecoGases();
    void engineRefusalInSimulation();
    void engineRefusalAtStart();

private:
    QTextEdit console;
};

void TestSimulation::init()
{
    resetSimulation();
    console.clear();
}

void TestSimulation::newDiveHeader_data()
{
    QTest::addColumn<int>("decoType");
    QTest::addColumn<QStringList>("model");

    QTest::newRow("ZH-L16") << 0
                            << QStringList({"Standard Bühlmann ZH-L16C-1a 2002 decompression:",
                                            "*  saturation factor (CF11) = 110 %",
                                            "*  desaturation factor (CF12) = 90 %"});
    QTest::newRow("gradient factors") << 4
                                      << QStringList({"Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:",
                                                      "*  GF_low (CF32) = 30 %", "*  GF_high (CF33) = 90 %"});
}

void TestSimulation::newDiveHeader()
{
    QFETCH(int, decoType);
    QFETCH(QStringList, model);

    eeprom.decoType = (ubyte)decoType;
    eeprom.cf(16).value = 7;
    eeprom.cf(55).value = 2;
    configureDecoGases();
    eeprom.activeGases = 0x03; // oxygen not active
    int_I_pres_surface = 1003;
    console.append("an earlier report");

    simulate(&console, -10, 10, 20, 30, nullptr);

    const QStringList lines = consoleLines(console);
    QCOMPARE(lines.mid(0, 11), model + QStringList({"*  deco offset (CF16) = 0.7 m",
                                                    "*  last stop (CF29) = 3 m",
                                                    "*  dive started at Pamb = 1003 mbar",
                                                    "*  Gas switch delay (CF55) = 2 min",
                                                    "",
                                                    "OC gas list:",
                                                    "*  First gas#1 = 21/0",
                                                    "*  Deco gas#2 = 50/0 at 21 m"}));
    QCOMPARE(lines.at(11), QString(""));
    QVERIFY2(lines.at(12).startsWith("  0:00  30.0m DESCENT DONE"), qPrintable(lines.at(12)));
    QCOMPARE(lines.at(13), QString("..."));
    QCOMPARE(console.tabStopDistance(), 12.0);
}

void TestSimulation::newDivePlan()
{
    simulate(&console, -10, 10, 20, 30, nullptr);

    // The bottom phase ends once the time is up and the engine has finished its plan.
    QVERIFY(dive_time >= 1200);
    QCOMPARE(dive_time % 2, 0);
    QCOMPARE(int(char_O_deco_status), DECO_STATUS_DONE);
    QCOMPARE(int(char_O_nullzeit), 0);

    const QStringList lines = consoleLines(console);
    const int plan = indexOfMatch(lines, "^" + QRegularExpression::escape(clockStamp(dive_time)) + "  30\\.0m Deco:");
    QVERIFY2(plan > 0, qPrintable(console.toPlainText()));
    QCOMPARE(lines.at(plan - 1), QString("..."));
    QVERIFY(!publishedStops().isEmpty());
    QCOMPARE(stopLinesOf(lines.mid(plan)), publishedStops());
    QVERIFY(lines.mid(plan).contains(QString("\tTTS =\t%1 '").arg(int_O_ascenttime)));
    QVERIFY(lines.last().startsWith("\tCNS =\t"));
    QCOMPARE(int(int_I_divemins), dive_time / 60);
    QCOMPARE(int(int_I_pres_respiration), 1013 + 2995);
}

void TestSimulation::noStopDiveEndsAtBottomTime()
{
    simulate(&console, -10, 10, 20, 18, nullptr);
    QCOMPARE(dive_time, 1200);
    QVERIFY(char_O_nullzeit > 0);
    QCOMPARE(consoleLines(console).last(), QString(" 20:00  18.0m NDL = %1 '").arg(char_O_nullzeit));
    QCOMPARE(consoleLines(console).filter("...").size(), 1);
}

void TestSimulation::bottomTimeZeroStillPlans()
{
    simulate(&console, -10, 10, 0, 40, nullptr);
    // Straight from the surface: no stops yet, and the plan says so.
    QVERIFY(dive_time > 0);
    QVERIFY(char_O_nullzeit > 0);
    QVERIFY(consoleLines(console).last().endsWith(QString("NDL = %1 '").arg(char_O_nullzeit)));

    simulate(&console, 0, 10, 25, 40, nullptr);
    console.clear();
    simulate(&console, 0, 10, 0, 40, nullptr);
    QVERIFY(!publishedStops().isEmpty());
    QCOMPARE(stopLinesOf(consoleLines(console)), publishedStops());
    QVERIFY(int_O_ascenttime > 5);
}

void TestSimulation::firstSimulationWithoutReset()
{
    simulate(&console, 0, 10, 10, 15, nullptr);
    const QStringList lines = consoleLines(console);
    QCOMPARE(lines.at(5), QString("*  dive continued at depth = 0 m"));
    QCOMPARE(dive_time, 600);
}

void TestSimulation::continuedDeeper()
{
    simulate(&console, -10, 10, 10, 20, nullptr);
    const int clock = dive_time;
    console.append("the first report");

    simulate(&console, 0, 10, 5, 35, nullptr);

    const QStringList lines = consoleLines(console);
    QVERIFY(lines.contains("the first report"));
    const int separator = lines.indexOf("===================================");
    QVERIFY(separator > lines.indexOf("the first report"));
    QCOMPARE(lines.mid(separator + 1, 3), QStringList({"", "OC gas list:", "*  First gas#1 = 21/0"}));
    QCOMPARE(lines.at(separator + 4), QString(""));
    QVERIFY2(lines.at(separator + 5).startsWith(clockStamp(clock) + "  35.0m DESCENT DONE"),
             qPrintable(lines.at(separator + 5)));
    QVERIFY(dive_time >= clock + 300);
    QCOMPARE(int(int_I_pres_respiration), 1013 + int(35 * 99.85f));
}

void TestSimulation::continuedShallower()
{
    simulate(&console, -10, 10, 25, 40, nullptr);
    const int clock = dive_time;
    console.clear();

    simulate(&console, 0, 10, 5, 20, nullptr);

    const QStringList lines = consoleLines(console);
    const int done = indexOfMatch(lines, "ASCENT DONE");
    QVERIFY(done > 0);
    // 20 m at 10 m/min: one minute of climbing, stamped with the clock reached.
    QCOMPARE(lines.at(done).left(13), clockStamp(clock + 120) + "  20.0m");
    QCOMPARE(lines.mid(done - 2, 2), QStringList({"...", "..."}));
    QVERIFY(!lines.filter("Desat").size());
    QVERIFY(dive_time >= clock + 120 + 300);
}

void TestSimulation::repetitiveDiveClimbsFirst()
{
    simulate(&console, -10, 10, 25, 30, nullptr);
    const int firstDive = dive_time;
    simulate(&console, 30, 5, 10, 18, nullptr);
    const Tissues automatic = Tissues::now();

    const QStringList lines = consoleLines(console);
    QCOMPARE(lines.first(), QString("Standard Bühlmann ZH-L16C-1a 2002 decompression:"));
    QCOMPARE(lines.at(5), QString("*  Interval with previous dive = 30'"));
    QVERIFY(lines.filter("ASCENT DONE").isEmpty());
    // Without a depth curve the clock of the new dive starts at 0.
    QCOMPARE(dive_time, 600);

    // The same as climbing at 10 m/min by hand first.
    resetSimulation();
    simulate(&console, -10, 10, 25, 30, nullptr);
    QCOMPARE(dive_time, firstDive);
    ascent(&console, 0, 10);
    QVERIFY(consoleLines(console).filter("ASCENT DONE").size() == 1);
    simulate(&console, 30, 5, 10, 18, nullptr);
    QVERIFY(Tissues::now() == automatic);
}

void TestSimulation::repetitiveDiveInterval_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("sameAs");

    QTest::newRow("39 minutes are 3 steps") << 39 << 30;
    QTest::newRow("15 minutes are 1 step") << 15 << 10;
    QTest::newRow("9 minutes are none") << 9 << 0;
}

void TestSimulation::repetitiveDiveInterval()
{
    QFETCH(int, interval);
    QFETCH(int, sameAs);

    auto surfaceInterval = [this](int minutes) {
        resetSimulation();
        simulate(&console, -10, 10, 20, 30, nullptr);
        ascent(&console, 0, 10);
        const float loaded = pres_tissue_N2[15];
        if (minutes > 0)
            simulate(&console, minutes, 10, 0, 0, nullptr);
        else
            simulate(&console, 0, 10, 0, 0, nullptr);
        return qMakePair(Tissues::now(), loaded);
    };
    const auto tested = surfaceInterval(interval);
    const auto reference = surfaceInterval(sameAs);
    QVERIFY(tested.first == reference.first);
    if (sameAs > 0)
        QVERIFY(tested.first.n2[15] < tested.second);
}

void TestSimulation::closedCircuit()
{
    eeprom.decoType = 5;
    eeprom.setpoints[0] = 130;
    configureDecoGases();
    simulate(&console, -10, 10, 25, 40, nullptr);

    QStringList lines = consoleLines(console);
    const int list = lines.indexOf("CCR mode:");
    QCOMPARE(lines.mid(list, 5), QStringList({"CCR mode:", "*  Setpoint1: 1.3", "*  Diluant gas#1 = 21/0",
                                              "*  Bailout gas#2 = 50/0 at 21 m", "*  Bailout gas#3 = 100/0 at 6 m"}));
    QCOMPARE(int(char_I_const_ppO2), 130);
    QCOMPARE(int(char_I_actual_ppO2), 130);
    QVERIFY(lines.filter("SWITCH").isEmpty());

    console.clear();
    ascent(&console, 0, 10);
    lines = consoleLines(console);
    QVERIFY(lines.filter("SWITCH").isEmpty());
    QCOMPARE(int(char_I_current_gas), 1);
    QVERIFY(!lines.filter(" STOP = ").isEmpty());
    QCOMPARE(lines.filter("ASCENT DONE").size(), 1);
}

void TestSimulation::ascentWithStopsAndSurfaceReport()
{
    simulate(&console, -10, 10, 25, 40, nullptr);
    QVERIFY(char_O_first_deco_depth > 0);
    const int clock = dive_time;
    console.clear();

    ascent(&console, 0, 10);

    const QStringList lines = consoleLines(console);
    QCOMPARE(lines.first(), QString("..."));
    const QStringList stops = lines.filter(" STOP = ");
    QVERIFY(stops.size() >= 2);
    for (const QString& stop : stops) {
        const float depth = stop.mid(7, 5).toFloat();
        QVERIFY2(depth > 0 && int(depth) % 3 == 0 && depth == int(depth), qPrintable(stop));
    }
    const int done = lines.size() - 3;
    QCOMPARE(lines.at(done - 1), QString("..."));
    QVERIFY2(lines.at(done).startsWith(clockStamp(dive_time) + "   0.0m ASCENT DONE"), qPrintable(lines.at(done)));

    // Surface: no-fly time is the CF13 share of the desaturation time.
    deco_calc_desaturation_time();
    const int desaturation = int_O_desaturation_time;
    QVERIFY(desaturation > 60);
    const int noFly = desaturation * 60 / 100;
    QVERIFY2(lines.at(done + 1).startsWith(clockStamp(dive_time) + "   0.0m NoFly = "
                                           + QString::asprintf("%2d:%02d", noFly / 60, noFly % 60)),
             qPrintable(lines.at(done + 1)));
    QVERIFY2(lines.at(done + 2).startsWith(clockStamp(dive_time) + "   0.0m Desat = "
                                           + QString::asprintf("%2d:%02d", desaturation / 60, desaturation % 60)),
             qPrintable(lines.at(done + 2)));
    QVERIFY(dive_time > clock + 4 * 60 + 60 * stops.size());
    QCOMPARE(int(int_I_pres_respiration), 1013);
}

void TestSimulation::ascentSwitchesGases()
{
    eeprom.decoType = 4;
    eeprom.gases[0].currentO2 = 18;
    eeprom.gases[0].currentHe = 45;
    configureDecoGases();
    simulate(&console, -10, 10, 30, 60, nullptr);
    console.clear();

    ascent(&console, 0, 10);

    const QStringList switches = consoleLines(console).filter("SWITCH");
    QCOMPARE(switches.size(), 2);
    QVERIFY2(switches.at(0).mid(7).startsWith(" 21.0m SWITCH Gas#1 -> Gas#2"), qPrintable(switches.at(0)));
    QVERIFY2(switches.at(1).mid(7).startsWith("  6.0m SWITCH Gas#2 -> Gas#3"), qPrintable(switches.at(1)));
    QCOMPARE(int(char_I_current_gas), 3);
    QCOMPARE(int(char_I_N2_ratio), 0);
    QCOMPARE(int(char_I_He_ratio), 0);
}

void TestSimulation::ascentAtSurface()
{
    simulate(&console, -10, 10, 10, 10, nullptr);
    ascent(&console, 0, 10);
    console.clear();
    console.append("before");
    const int clock = dive_time;

    ascent(&console, 0, 10);

    const QStringList lines = consoleLines(console);
    QCOMPARE(lines.at(1), QString(""));
    QVERIFY(lines.at(2).startsWith(clockStamp(clock) + "   0.0m DESCENT DONE"));
    QVERIFY(lines.last().contains("0.0m Desat"));
    QCOMPARE(dive_time, clock);
}

void TestSimulation::noFlyExceeded()
{
    simulate(&console, -10, 10, 10, 10, nullptr);
    ascent(&console, 0, 10);
    console.clear();
    pres_tissue_N2[15] = 50;

    ascent(&console, 0, 10);

    const QStringList lines = consoleLines(console);
    QCOMPARE(lines.filter("NoFly EXCEEDED").size(), 1);
    QVERIFY(shownInRed(console, "NoFly EXCEEDED"));
    QVERIFY(lines.last().contains("0.0m Desat = "));
}

void TestSimulation::futureTTS_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("shown");

    QTest::newRow("5 minutes") << 5 << 40 << true;
    QTest::newRow("off") << 0 << 40 << false;
    QTest::newRow("at 1 m") << 5 << 1 << false;
}

void TestSimulation::futureTTS()
{
    QFETCH(int, minutes);
    QFETCH(int, depth);
    QFETCH(bool, shown);

    eeprom.cf(58).value = (unsigned short)minutes;
    simulate(&console, -10, 10, 25, depth, nullptr);

    const QStringList lines = consoleLines(console);
    if (!shown) {
        QVERIFY(lines.filter("Future").isEmpty());
        QVERIFY(lines.last().startsWith("\tCNS =") || lines.last().contains("NDL = "));
        return;
    }
    const int plan = indexOfMatch(lines, "^\\tCNS =");
    QVERIFY(plan > 0);
    const int clock = dive_time;
    const Tissues tissues = Tissues::now();
    const int extra = int_O_extra_ascenttime;

    // The same dive without the future plan, which is then driven here: each of its engine
    // calls is a real 2-second step at the bottom, for the tissues and for the clock.
    resetSimulation();
    QTextEdit without;
    simulate(&without, -10, 10, 25, depth, nullptr);
    QCOMPARE(consoleLines(without), lines.mid(0, plan + 1));
    eeprom.cf(58).value = (unsigned short)minutes;
    char_O_deco_status = DECO_STATUS_EXTRA_TIME | DECO_STATUS_START;
    int steps = 0;
    do {
        int_I_divemins = (unsigned short)((dive_time + 2 * steps) / 60);
        deco_calc_hauptroutine();
        ++steps;
    } while (char_O_deco_status != DECO_STATUS_DONE);
    QVERIFY(steps > 1);
    QCOMPARE(clock, dive_time + 2 * steps);
    QVERIFY(tissues == Tissues::now());
    QCOMPARE(extra, int(int_O_extra_ascenttime));

    QCOMPARE(lines.mid(plan + 1, 1), QStringList({""}));
    QCOMPARE(lines.at(plan + 2), QString("    Future TTS @+5' = %1'").arg(extra));
    QCOMPARE(lines.at(plan + 3), QString("    Future RT  @+5' = %1'").arg(extra + 5 + clock / 60));
    QVERIFY(extra > int_O_ascenttime);
}

void TestSimulation::verboseBottom()
{
    Settings::verboseSim = true;
    simulate(&console, -10, 10, 2, 12, nullptr);

    const QStringList lines = consoleLines(console);
    QVERIFY(lines.filter("...").isEmpty());
    // A plan at every finished step but the first, which only clears the old plan; then the final one.
    QCOMPARE(lines.filter(QRegularExpression("12\\.0m NDL = ")).size(), 59 + 1);
    QVERIFY(lines.filter("Deco:").isEmpty());
    QCOMPARE(dive_time, 120);
}

// Every intermediate plan counts its run times from the step at which the engine computed it,
// the step before it was finished and printed; the final plan from the end of the bottom.
void TestSimulation::verbosePlansCountFromTheirStart()
{
    // A dive whose plans print run times where 2 seconds more or less change the minute shown.
    Settings::verboseSim = true;
    simulate(&console, -10, 10, 30, 33, nullptr);

    const QStringList lines = consoleLines(console);
    const QRegularExpression status("^ *(\\d+):(\\d\\d) +([\\d.]+)m Deco:");
    const QRegularExpression stop("^\\t *(\\d+) m :\\t *(\\d+) '\\t *(\\d+) '");
    const int last = lines.lastIndexOf(status);
    QVERIFY(last > 0);
    int plans = 0;
    int stopLines = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch head = status.match(lines.at(i));
        if (!head.hasMatch())
            continue;
        const int stamp = head.captured(1).toInt() * 60 + head.captured(2).toInt();
        const int start = i == last ? stamp : stamp - 2;
        float runtime = start / 60.0f;
        // The diver's depth as the engine holds it: 99.85 mbar per metre, truncated.
        float previous = int(head.captured(3).toFloat() * 99.85f) / 99.85f;
        for (int k = i + 1; k < lines.size(); ++k) {
            const QRegularExpressionMatch line = stop.match(lines.at(k));
            if (!line.hasMatch())
                break;
            const int depth = line.captured(1).toInt();
            runtime += (previous - depth) * 0.1f;
            runtime += line.captured(2).toInt();
            previous = depth;
            QCOMPARE(line.captured(3), QString::asprintf("%.0f", runtime));
            ++stopLines;
        }
        ++plans;
    }
    QVERIFY2(plans > 50, qPrintable(QString::number(plans)));
    QVERIFY(stopLines > plans);
}

void TestSimulation::verboseAscent()
{
    simulate(&console, -10, 10, 25, 40, nullptr);
    Settings::verboseSim = true;
    console.clear();

    ascent(&console, 0, 10);

    const QStringList lines = consoleLines(console);
    QVERIFY(lines.filter("...").isEmpty());
    auto seconds = [](const QString& line) {
        const QStringList clock = line.trimmed().section(' ', 0, 0).split(':');
        return clock.at(0).toInt() * 60 + clock.at(1).toInt();
    };

    // While climbing a line every 10 s, and one at the start of each climb.
    const QStringList climbing = lines.filter(QRegularExpression("^ *\\d+:\\d\\d +[\\d.]+m( (ppO2|GF|CNS)=.*)?$"));
    const QStringList stops = lines.filter(" STOP");
    int offBeat = 0;
    for (const QString& line : climbing)
        offBeat += seconds(line) % 10 != 0;
    QVERIFY2(climbing.size() > 20, qPrintable(QString::number(climbing.size())));
    QVERIFY(offBeat <= stops.size() + 1);

    // At a stop a line every 30 s after the arrival.
    int waiting = 0;
    for (int i = 1; i < stops.size(); ++i) {
        if (stops.at(i).mid(7, 6) == stops.at(i - 1).mid(7, 6)) {
            QCOMPARE(seconds(stops.at(i)) % 30, 0);
            QVERIFY(seconds(stops.at(i)) - seconds(stops.at(i - 1)) <= 30);
            ++waiting;
        }
    }
    QVERIFY(waiting > 2 * 10);
}

void TestSimulation::ascentSpeedRefused()
{
    simulate(&console, -10, 10, 10, 20, nullptr);
    const int clock = dive_time;
    const int pressure = int_I_pres_respiration;
    console.clear();

    ascent(&console, 0, 0);

    QCOMPARE(consoleLines(console), QStringList({"Ascent speed must be above 0 m/min"}));
    QVERIFY(shownInRed(console, "Ascent speed"));
    QCOMPARE(dive_time, clock);
    QCOMPARE(int(int_I_pres_respiration), pressure);
    QVERIFY(!simulationRunning());

    // A shallower continued segment cannot be reached either: the run stops there.
    console.clear();
    simulate(&console, 0, -3, 10, 10, nullptr);
    QCOMPARE(consoleLines(console).last(), QString("Ascent speed must be above 0 m/min"));
    QCOMPARE(dive_time, clock);
}

void TestSimulation::descentNeedsNoSpeed()
{
    simulate(&console, -10, 0, 10, 20, nullptr);
    QCOMPARE(dive_time, 600);
    QVERIFY(consoleLines(console).filter("Ascent speed").isEmpty());
}

void TestSimulation::ascentBoundedBySteps()
{
    eeprom.decoType = 4;
    eeprom.cf(32).value = 5;
    eeprom.cf(33).value = 30;
    simulate(&console, -10, 10, 120, 100, nullptr);
    const int clock = dive_time;
    console.clear();

    ascent(&console, 0, 10);

    const QStringList lines = consoleLines(console);
    QVERIFY(lines.filter("ASCENT DONE").isEmpty());
    QVERIFY(lines.filter("Desat").isEmpty());
    QVERIFY(lines.filter("NoFly").isEmpty());
    QCOMPARE(dive_time, clock + 30000);
    const float reached = engineDepth();
    QVERIFY(reached > 3);
    QVERIFY2(lines.last().startsWith(clockStamp(dive_time) + QString::asprintf(" %.1fm ASCENT STOPPED: 0 m not reached", reached)),
             qPrintable(lines.last()));
    QVERIFY(shownInRed(console, "ASCENT STOPPED"));
}

void TestSimulation::ascentNotBoundedByClock()
{
    simulate(&console, -10, 10, 20, 30, nullptr);
    // A clock far advanced, as after long repetitive dives, does not cut the ascent short.
    dive_time = 29990;
    console.clear();
    ascent(&console, 0, 10);
    QCOMPARE(consoleLines(console).filter("ASCENT DONE").size(), 1);
    QCOMPARE(consoleLines(console).filter("Desat").size(), 1);
    QVERIFY(dive_time > 29990 + 180);
}

void TestSimulation::engineRefusalInAscent()
{
    // A hypoxic bottom mix without deco gas cannot be breathed near the surface.
    eeprom.gases[0].currentO2 = 10;
    eeprom.gases[0].currentHe = 70;
    simulate(&console, -10, 10, 15, 60, nullptr);
    console.clear();

    ascent(&console, 0, 10);

    const QStringList lines = consoleLines(console);
    // Said where it happened and why, with the engine's own check for reference.
    const QString stopped = QString::asprintf("Ascent stopped at %.1f m: ", engineDepth());
    QCOMPARE(lines.last(), stopped + tooLittleOxygen);
    QVERIFY(shownInRed(console, stopped));
    QVERIFY(lines.filter("ASCENT DONE").isEmpty());
    QVERIFY(lines.filter("Desat").isEmpty());
    QVERIFY(!simulationRunning());
    QVERIFY(engineDepth() > 3 && engineDepth() < 5.5);
}

// A replayed switch to a gas the engine refuses ends the simulation in the middle of a plan that
// has taken the EAN50 at 21 m. The Ascent that follows must be the one of the same dive whose
// replay stopped at that step: same stops, gas switches and surfacing time.
void TestSimulation::ascentAfterRefusedStepKeepsDecoGases()
{
    const int end = 40 * 60 + 20;
    configureTrimixWithHypoxicGas();
    HeldDive stopped(72, end, 0);
    simulate(&console, -10, 10, 60, 72, &stopped);
    QCOMPARE(dive_time, end);
    QCOMPARE(int(char_O_deco_status), int(DECO_STATUS_RUNNING));
    QVERIFY(char_O_deco_last_stop > 6 && char_O_deco_last_stop <= 21);
    console.clear();
    ascent(&console, 0, 10);
    const QStringList withoutStep = consoleLines(console);
    const int surfaced = dive_time;
    QVERIFY(withoutStep.filter("SWITCH").size() >= 2);

    resetSimulation();
    console.clear();
    configureTrimixWithHypoxicGas();
    HeldDive refused(72, end, 4);
    simulate(&console, -10, 10, 60, 72, &refused);
    QVERIFY(consoleLines(console).last().endsWith("(p2_deco: (N2_ratio + He_ratio) <= 0.95)"));
    QCOMPARE(dive_time, end);
    console.clear();
    ascent(&console, 0, 10);
    QCOMPARE(consoleLines(console), withoutStep);
    QCOMPARE(dive_time, surfaced);
}

void TestSimulation::engineRefusalAtStart()
{
    // The engine cannot clear the tissues below 800 mbar.
    int_I_pres_surface = 780;
    simulate(&console, -10, 10, 10, 15, nullptr);
    QCOMPARE(consoleLines(console),
             QStringList({"Simulation stopped at 0.0 m: the ambient pressure is outside the decompression model's "
                          "0.8 to 14 bar (p2_deco: 0.800 < pres_respiration && pres_respiration < 14.0)"}));
    QCOMPARE(dive_time, -1);
}

void TestSimulation::engineRefusalInSimulation()
{
    // 10 % oxygen at 1 m is below the 16 cbar the CNS clock accepts.
    eeprom.gases[0].currentO2 = 10;
    eeprom.gases[0].currentHe = 70;
    simulate(&console, -10, 10, 10, 1, nullptr);

    const QStringList lines = consoleLines(console);
    QCOMPARE(lines.last(), "Simulation stopped at 1.0 m: " + tooLittleOxygen);
    QVERIFY(lines.filter("NDL").isEmpty());
    QVERIFY(!simulationRunning());
    QCOMPARE(dive_time, 0);
}

QTEST_MAIN(TestSimulation)
#include "tst_simulation.moc"
