#include "DecoPlanReport.h"
#include "EngineFeeding.h"
#include "Settings.h"
#include "VARN_Planner.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>
#include <cstring>

namespace {

struct Stop {
    int depth;
    int minutes;
    bool switchStop;
};

void publish(const QList<Stop>& stops)
{
    for (int i = 0; i < NUM_STOPS; ++i)
        char_O_deco_depth[i] = char_O_deco_time[i] = 0;
    for (int i = 0; i < stops.size(); ++i) {
        char_O_deco_depth[i] = (unsigned char)(stops.at(i).depth | (stops.at(i).switchStop ? DECO_STOP_SWITCH_FLAG : 0));
        char_O_deco_time[i] = (unsigned char)stops.at(i).minutes;
    }
    char_O_first_deco_depth = stops.isEmpty() ? 0 : (unsigned char)stops.first().depth;
    char_O_first_deco_time = stops.isEmpty() ? 0 : (unsigned char)stops.first().minutes;
}

QStringList lines(const QTextEdit& console)
{
    return console.toPlainText().split('\n');
}

struct TissueState {
    float n2[NUM_COMP];
    float he[NUM_COMP];
    int cns;

    static TissueState now()
    {
        TissueState state;
        std::memcpy(state.n2, pres_tissue_N2, sizeof state.n2);
        std::memcpy(state.he, pres_tissue_He, sizeof state.he);
        state.cns = char_O_CNS_fraction;
        return state;
    }
    bool operator==(const TissueState& other) const
    {
        return std::memcmp(n2, other.n2, sizeof n2) == 0 && std::memcmp(he, other.he, sizeof he) == 0
               && cns == other.cns;
    }
};

// Deco gases EAN50 from 21 m (gas 2) and oxygen from 6 m (gas 3).
void configureDecoGases()
{
    eeprom.gases[1].currentO2 = 50;
    eeprom.changeDepth[1] = 21;
    eeprom.gases[2].currentO2 = 100;
    eeprom.changeDepth[2] = 6;
    eeprom.activeGases = 0x07;
}

} // namespace

class TestDecoPlan : public QObject {
    Q_OBJECT

private slots:
    void init();
    void noStopTime();
    void stopsWithTravelAndSurfacing();
    void emptyTable();
    void initialSwitch_data();
    void initialSwitch();
    void switchStops();
    void shallowestFirstKeepsRunTimesAndSwitches();
    void truncatedTableSaysSo();
    void cnsForecastKeepsCurrentValue();
    void gasVolumesSurfaced();
    void gasVolumesOpenCircuit();
    void gasVolumesBailOut();
    void gasVolumesNoStopDive();
    void gasVolumesRefusesLongBottomTime();
    void gasVolumesEngineRefusal();

private:
    // At 25 m on air with clear tissues, the clock at 20 minutes.
    void atDepth(float depth);

    QTextEdit console;
};

void TestDecoPlan::init()
{
    eeprom = VARN_eeprom();
    Settings::verboseSim = false;
    int_I_pres_surface = 1013;
    console.clear();
    dive_time = -1;
}

void TestDecoPlan::atDepth(float depth)
{
    VARN_setup(true);
    setup_pres(0);
    deco_clear_tissue();
    deco_clear_CNS_fraction();
    setup_pres(depth);
    deco_calc_hauptroutine();
    dive_time = 1200;
    char_O_gradient_factor = 0;
    char_O_nullzeit = 0;
    int_O_ascenttime = 5;
}

void TestDecoPlan::noStopTime()
{
    atDepth(25);
    char_O_nullzeit = 45;
    publish({});
    print_decoplan(&console, 25, 1200);
    QCOMPARE(lines(console), QStringList({" 20:00  25.0m NDL = 45 '"}));
}

void TestDecoPlan::stopsWithTravelAndSurfacing()
{
    atDepth(25);
    publish({{9, 3, false}});
    print_decoplan(&console, 25, 1200);

    // 20 minutes + 1.6 of travel + 3 at the stop; the surface adds 0.9 and rounds up.
    QCOMPARE(lines(console), QStringList({" 20:00  25.0m Deco:",
                                          "\t 9 m :\t  3 '\t  25 '",
                                          "\t 0 m :\t--- '\t  26 '",
                                          "\tTTS =\t5 '",
                                          "\tCNS =\t1%"}));
}

void TestDecoPlan::emptyTable()
{
    atDepth(25);
    publish({});
    int_O_ascenttime = 3;
    print_decoplan(&console, 25, 1200);
    QCOMPARE(lines(console), QStringList({" 20:00  25.0m Deco:", "\tTTS =\t3 '", "\tCNS =\t1%"}));
}

void TestDecoPlan::initialSwitch_data()
{
    QTest::addColumn<float>("depth");
    QTest::addColumn<int>("ccrOrDelay");
    QTest::addColumn<int>("gas3Depth");
    QTest::addColumn<QString>("line");

    QTest::newRow("at the switch depth of the gas") << 25.0f << 0 << 6 << "\t21 m :\tSWITCH Gas#1 -> Gas#2";
    QTest::newRow("lowered to the diver") << 15.0f << 0 << 6 << "\t15 m :\tSWITCH Gas#1 -> Gas#2";
    QTest::newRow("closed circuit: none") << 25.0f << 1 << 6 << "\t 9 m :\t  3 '\t  25 '";
    QTest::newRow("switch delay: none") << 25.0f << 2 << 6 << "\t 9 m :\t  3 '\t  25 '";
    // The gas is chosen for 2 m below the first stop (9 m): a gas from 11 m is usable there,
    // one from 10 m is not, though both are at the stop itself.
    QTest::newRow("gas usable 2 m below the stop") << 25.0f << 0 << 11 << "\t11 m :\tSWITCH Gas#1 -> Gas#3";
    QTest::newRow("gas not usable 2 m below the stop") << 25.0f << 0 << 10 << "\t21 m :\tSWITCH Gas#1 -> Gas#2";
}

void TestDecoPlan::initialSwitch()
{
    QFETCH(float, depth);
    QFETCH(int, ccrOrDelay);
    QFETCH(int, gas3Depth);
    QFETCH(QString, line);

    configureDecoGases();
    eeprom.gases[2].currentO2 = 80;
    eeprom.changeDepth[2] = (unsigned char)gas3Depth;
    atDepth(depth);
    if (ccrOrDelay == 1)
        char_I_const_ppO2 = 120;
    if (ccrOrDelay == 2)
        eeprom.cf(55).value = 2;
    publish({{9, 3, false}});
    print_decoplan(&console, depth, 1200);
    QCOMPARE(lines(console).at(1), line);
}

void TestDecoPlan::switchStops()
{
    configureDecoGases();
    eeprom.cf(55).value = 2;
    atDepth(30);
    publish({{21, 2, true}, {9, 3, false}, {6, 4, true}, {3, 5, false}});
    print_decoplan(&console, 30, 1200);

    const QStringList report = lines(console);
    QCOMPARE(report.mid(1, 5), QStringList({"\t21 m :\t  2 '\t  23 ' (SWITCH Gas#1 -> Gas#2)",
                                            "\t 9 m :\t  3 '\t  27 '",
                                            "\t 6 m :\t  4 '\t  31 ' (SWITCH Gas#2 -> Gas#3)",
                                            "\t 3 m :\t  5 '\t  37 '",
                                            "\t 0 m :\t--- '\t  37 '"}));
}

// The computer lists the stops shallowest first with CF54, but the diver still makes them deepest
// first: each stop keeps its run time and gas switch, and the surface line comes last.
void TestDecoPlan::shallowestFirstKeepsRunTimesAndSwitches()
{
    configureDecoGases();
    eeprom.cf(55).value = 2;
    eeprom.cf(54).value = 1;
    atDepth(30);
    publish({{3, 5, false}, {6, 4, true}, {9, 3, false}, {21, 2, true}});
    char_O_first_deco_depth = 21;
    char_O_first_deco_time = 2;
    print_decoplan(&console, 30, 1200);

    const QStringList report = lines(console);
    QCOMPARE(report.mid(1, 5), QStringList({"\t 3 m :\t  5 '\t  37 '",
                                            "\t 6 m :\t  4 '\t  31 ' (SWITCH Gas#2 -> Gas#3)",
                                            "\t 9 m :\t  3 '\t  27 '",
                                            "\t21 m :\t  2 '\t  23 ' (SWITCH Gas#1 -> Gas#2)",
                                            "\t 0 m :\t--- '\t  37 '"}));
}

// A plan whose stops overflow the table lists what fits and warns instead of a surface run time.
void TestDecoPlan::truncatedTableSaysSo()
{
    atDepth(25);
    publish({{9, 3, false}, {6, 255, false}});
    char_O_deco_table_truncated = 1;
    int_O_ascenttime = 400;
    print_decoplan(&console, 25, 1200);
    char_O_deco_table_truncated = 0;

    QCOMPARE(lines(console).mid(1, 4), QStringList({"\t 9 m :\t  3 '\t  25 '",
                                                    "\t 6 m :\t255 '\t 280 '",
                                                    "More stops than listed: the time to surface counts them all",
                                                    "\tTTS =\t400 '"}));
}

void TestDecoPlan::cnsForecastKeepsCurrentValue()
{
    atDepth(40);
    for (int i = 0; i < 600; ++i)
        deco_calc_CNS_fraction();
    const TissueState before = TissueState::now();
    QVERIFY(before.cns > 0);
    publish({{6, 2, false}, {3, 6, false}});
    print_decoplan(&console, 40, 1200);

    const QString cnsLine = lines(console).last();
    QVERIFY2(cnsLine.startsWith("\tCNS =\t"), qPrintable(cnsLine));
    QVERIFY(cnsLine.mid(7).chopped(1).toInt() > before.cns);
    QVERIFY(TissueState::now() == before);
    QCOMPARE(int(char_I_bottom_depth), 40);
}

void TestDecoPlan::gasVolumesSurfaced()
{
    setup_pres(0);
    gas_volume(&console, 30, 40);
    QCOMPARE(lines(console), QStringList({"Already surfaced: no more gas consumation"}));
}

void TestDecoPlan::gasVolumesOpenCircuit()
{
    eeprom.decoType = 4;
    configureDecoGases();
    simulate(&console, -1, 10, 30, 40, nullptr);
    const TissueState before = TissueState::now();
    const int clock = dive_time;
    console.clear();

    gas_volume(&console, 30, 40);

    const QStringList report = lines(console);
    QCOMPARE(report.first(), QString("==== OC Runtime ===="));
    QVERIFY2(report.at(1).contains(" 40.0m Deco:"), qPrintable(report.at(1)));
    // Without a switch delay the switch to the deco gas is announced before the stops.
    QCOMPARE(report.at(2), QString("\t21 m :\tSWITCH Gas#1 -> Gas#2"));
    // The plan starts at the end of the bottom time.
    QRegularExpression stopLine("^\\t(..) m :\\t(...) '\\t(....) '");
    const QRegularExpressionMatch first = stopLine.match(report.at(3));
    QVERIFY2(first.hasMatch(), qPrintable(report.at(3)));
    QCOMPARE(first.captured(1).trimmed().toInt(), int(char_O_deco_depth[0] & 0x7F));
    QCOMPARE(first.captured(2).trimmed().toInt(), int(char_O_deco_time[0]));
    QVERIFY(first.captured(3).trimmed().toInt() > 30);
    QVERIFY(report.contains(QString("\tTTS =\t%1 '").arg(int_O_ascenttime)));

    const int depthLine = report.indexOf("Depth                         = 40 m");
    QVERIFY(depthLine > 0);
    QCOMPARE(report.mid(depthLine + 1, 3), QStringList({"Bottom time                   = 30 min",
                                                        "Bottom gas consumption (CF56) = 20 l/min",
                                                        "Ascent gas consumption (CF57) = 20 l/min"}));
    QStringList gasLines;
    for (int gas = 1; gas <= NUM_GAS; ++gas) {
        if (int_O_gas_volumes[gas - 1] != 0)
            gasLines << QString::asprintf("Gas#%d (%3d/00) = %6d", gas, eeprom.gases[gas - 1].currentO2,
                                          int_O_gas_volumes[gas - 1]);
    }
    QCOMPARE(gasLines.size(), 3);
    QCOMPARE(report.mid(depthLine + 4), gasLines);
    QCOMPARE(gasLines.first().left(15), QString("Gas#1 ( 21/00) "));
    // The bottom: 5 bar for 30 minutes at 20 l/min; the ascent is charged to the deco gas.
    QCOMPARE(int(int_O_gas_volumes[0]), 3000);

    // The plan was made on a copy: the diver's tissues, CNS and clock are as they were.
    QVERIFY(TissueState::now() == before);
    QCOMPARE(dive_time, clock);
    QCOMPARE(int(char_O_deco_status), DECO_STATUS_DONE);
    QCOMPARE(int(char_I_bottom_time), 30);
    QVERIFY(!simulationRunning());
}

void TestDecoPlan::gasVolumesBailOut()
{
    eeprom.decoType = 5;
    eeprom.setpoints[0] = 130;
    eeprom.gases[0].currentO2 = 21;
    eeprom.gases[0].currentHe = 35;
    configureDecoGases();
    simulate(&console, -1, 10, 30, 50, nullptr);
    console.clear();

    gas_volume(&console, 30, 50);

    const QStringList report = lines(console);
    QCOMPARE(report.first(), QString("==== BAIL-OUT runtime ===="));
    QVERIFY(report.filter("SWITCH Gas#1 -> Gas#2").size() == 1);
    QVERIFY(report.filter("SWITCH Gas#2 -> Gas#3").size() == 1);
    QVERIFY(report.filter(QRegularExpression("^Gas#2 \\( 50/00\\) = [ \\d]{6}$")).size() == 1);
    QVERIFY(report.filter(QRegularExpression("^Gas#3 \\(100/00\\) = [ \\d]{6}$")).size() == 1);
    // The bottom is breathed from the loop: the diluent pays only for the ascent to the switch.
    QVERIFY(int_O_gas_volumes[0] < (50 * 0.1 + 1) * 30 * 20);
    QCOMPARE(int(char_I_const_ppO2), 130);
}

void TestDecoPlan::gasVolumesNoStopDive()
{
    simulate(&console, -1, 10, 10, 12, nullptr);
    console.clear();
    gas_volume(&console, 10, 12);

    const QStringList report = lines(console);
    QCOMPARE(report.at(0), QString("==== OC Runtime ===="));
    QVERIFY2(report.at(1).contains(" 12.0m NDL = "), qPrintable(report.at(1)));
    QCOMPARE(report.at(2), QString("Depth                         = 12 m"));
    QCOMPARE(report.last(), QString("Gas#1 ( 21/00) = %1").arg(int_O_gas_volumes[0], 6));
}

void TestDecoPlan::gasVolumesRefusesLongBottomTime()
{
    simulate(&console, -1, 10, 10, 12, nullptr);
    const TissueState before = TissueState::now();
    char_I_bottom_time = 7;
    console.clear();

    gas_volume(&console, 256, 12);

    QCOMPARE(lines(console), QStringList({"Bottom time above 255 min: no gas volumes"}));
    QCOMPARE(int(char_I_bottom_time), 7);
    QVERIFY(TissueState::now() == before);
    QVERIFY(!simulationRunning());
}

void TestDecoPlan::gasVolumesEngineRefusal()
{
    simulate(&console, -1, 10, 20, 30, nullptr);
    const TissueState before = TissueState::now();
    console.clear();

    // A bottom gas with less than 5 % oxygen cannot be breathed.
    eeprom.gases[0].currentO2 = 4;
    eeprom.gases[0].currentHe = 60;
    gas_volume(&console, 20, 30);

    QCOMPARE(lines(console), QStringList({"==== OC Runtime ====",
                                          "No gas volumes: the gas breathed has more than 95 % inert gas, less than 5 % "
                                          "oxygen for the decompression model (p2_deco: (N2_ratio + He_ratio) <= 0.95)"}));
    const QTextCharFormat format = console.document()->lastBlock().begin().fragment().charFormat();
    QCOMPARE(format.foreground().color(), QColor(Qt::red));
    QVERIFY(TissueState::now() == before);
    QVERIFY(!simulationRunning());
}

QTEST_MAIN(TestDecoPlan)
#include "tst_decoplan.moc"
