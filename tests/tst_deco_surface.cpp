// Oxygen toxicity, surface interval, desaturation and gas volumes of the decompression engine.

#include "decodive.h"

#include <QtTest>
#include <cmath>
#include <cstring>

namespace {

const double SURFACE_PPN2 = 0.7902 * (1.013 - 0.0627);

// Steps of the CNS clock at a fixed ppO2; stepCode as char_I_step_is_1min.
void oxygenSteps(int ppO2, int stepCode, int steps)
{
    char_I_actual_ppO2 = (unsigned char)ppO2;
    char_I_step_is_1min = (unsigned char)stepCode;
    for (int i = 0; i < steps; ++i)
        deco_calc_CNS_fraction();
    char_I_step_is_1min = 0;
}

// CNS forecast of the finished plan, run inside the vault as the plan report runs it.
int forecast(const DiveSetup& dive)
{
    deco_push_tissues_to_vault();
    char_I_bottom_depth = (unsigned char)dive.depth;
    deco_calc_CNS_planning();
    const int cns = char_O_CNS_fraction;
    deco_pull_tissues_from_vault();
    return cns;
}

// Time in minutes for a tissue to fall from p to the target at an inspired pressure, with the
// engine's ln 2 of 0.6931.
double minutesDown(double halfTime, double p, double inspired, double target, double factor)
{
    return halfTime * (std::log((target - inspired) / (p - inspired)) / -0.6931) / factor;
}

}

class TestDecoSurface : public QObject {
    Q_OBJECT

private slots:
    void init();

    void cnsMatchesNoaaLimits_data();
    void cnsMatchesNoaaLimits();
    void cnsBands_data();
    void cnsBands();
    void cnsCappedOnEveryCall();
    void cnsDecrease15min();
    void cnsForecastChangesGasAtSwitchStops();
    void cnsForecastClosedCircuit();
    void cnsForecastLeavesPlannerAsItWas();
    void surfaceInterval_data();
    void surfaceInterval();
    void desaturationTime();
    void desaturationTimeOfLoadedTissues();
    void surfaceMinute();
    void percentage_data();
    void percentage();
    void gasVolumes_data();
    void gasVolumes();
};

void TestDecoSurface::init()
{
    eeprom = VARN_eeprom();
    deco_clear_CNS_fraction();
}

void TestDecoSurface::cnsMatchesNoaaLimits_data()
{
    QTest::addColumn<int>("ppO2");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("percent");

    // The NOAA single-exposure limits.
    QTest::newRow("0.6 bar 720 min") << 60 << 720 << 100;
    QTest::newRow("0.7 bar 570 min") << 70 << 570 << 100;
    QTest::newRow("0.8 bar 450 min") << 80 << 450 << 100;
    QTest::newRow("0.9 bar 360 min") << 90 << 360 << 100;
    QTest::newRow("1.0 bar 300 min") << 100 << 300 << 100;
    QTest::newRow("1.1 bar 240 min") << 110 << 240 << 100;
    QTest::newRow("1.2 bar 210 min") << 120 << 210 << 100;
    QTest::newRow("1.3 bar 180 min") << 130 << 180 << 100;
    QTest::newRow("1.4 bar 150 min") << 140 << 150 << 100;
    QTest::newRow("1.5 bar 120 min") << 150 << 120 << 100;
    QTest::newRow("1.6 bar 45 min") << 160 << 45 << 102;
}

void TestDecoSurface::cnsMatchesNoaaLimits()
{
    QFETCH(int, ppO2);
    QFETCH(int, minutes);
    QFETCH(int, percent);

    oxygenSteps(ppO2, 0, minutes * 30);
    QCOMPARE(int(char_O_CNS_fraction), percent);

    deco_clear_CNS_fraction();
    oxygenSteps(ppO2, 1, minutes);
    QCOMPARE(int(char_O_CNS_fraction), percent);

    if (minutes % 10 == 0) {
        deco_clear_CNS_fraction();
        oxygenSteps(ppO2, 2, minutes / 10);
        QCOMPARE(int(char_O_CNS_fraction), percent);
    }
}

void TestDecoSurface::cnsBands_data()
{
    QTest::addColumn<int>("ppO2");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("percent");

    QTest::newRow("49: nothing") << 49 << 600 << 0;
    QTest::newRow("50: 900 min limit") << 50 << 450 << 50;
    QTest::newRow("59: 738 min limit") << 59 << 369 << 50;
    QTest::newRow("155: 82.5 min limit") << 155 << 30 << 36;
    QTest::newRow("159: 52.5 min limit") << 159 << 21 << 40;
    QTest::newRow("160: 0.000755 per 2 s") << 160 << 22 << 50;
    QTest::newRow("164") << 164 << 22 << 50;
    QTest::newRow("165: 0.00102") << 165 << 20 << 61;
    QTest::newRow("170: 0.00136") << 170 << 10 << 41;
    QTest::newRow("175: 0.0018") << 175 << 10 << 54;
    QTest::newRow("180: 0.00237") << 180 << 10 << 71;
    QTest::newRow("185: 0.0031") << 185 << 10 << 93;
    QTest::newRow("190: 0.00401") << 190 << 10 << 120;
    QTest::newRow("195: 0.00517") << 195 << 10 << 155;
    QTest::newRow("199") << 199 << 10 << 155;
    QTest::newRow("200: 0.0209") << 200 << 2 << 125;
    QTest::newRow("229") << 229 << 2 << 125;
    QTest::newRow("230: 0.0482") << 230 << 1 << 145;
    QTest::newRow("255") << 255 << 1 << 145;
}

void TestDecoSurface::cnsBands()
{
    QFETCH(int, ppO2);
    QFETCH(int, minutes);
    QFETCH(int, percent);
    oxygenSteps(ppO2, 1, minutes);
    QCOMPARE(int(char_O_CNS_fraction), percent);
}

void TestDecoSurface::cnsCappedOnEveryCall()
{
    oxygenSteps(230, 1, 2);
    QCOMPARE(int(char_O_CNS_fraction), 255);
    oxygenSteps(230, 1, 1);
    QCOMPARE(int(char_O_CNS_fraction), 255);

    // Below 50 cbar nothing is added, the capped value stays published.
    char_O_CNS_fraction = 0;
    oxygenSteps(21, 0, 1);
    QCOMPARE(int(char_O_CNS_fraction), 255);
}

void TestDecoSurface::cnsDecrease15min()
{
    oxygenSteps(100, 2, 30);
    QCOMPARE(int(char_O_CNS_fraction), 100);
    deco_calc_CNS_decrease_15min();
    QCOMPARE(int(char_O_CNS_fraction), 89);
}

// 72 m for 41 minutes on 18/45 with 50 % and oxygen, no switch delay: the stops that begin at
// the switches are flagged, so the forecast breathes oxygen for the last hour (about 138 %)
// instead of the bottom gas all the way up (about 44 %).
void TestDecoSurface::cnsForecastChangesGasAtSwitchStops()
{
    const DiveSetup dive = trimixDive();
    diveToFinalPlan(dive);
    const int now = char_O_CNS_fraction;

    // The oxygen stops alone add this much: 6 m is 161 cbar (0.000755 per 2 s), 3 m 131 cbar (177 min).
    double oxygenStops = 0;
    for (int i = 0; i < NUM_STOPS && char_O_deco_time[i]; ++i) {
        const int depth = char_O_deco_depth[i] & 0x7F;
        if (depth == 6)
            oxygenStops += char_O_deco_time[i] * 30 * 0.0755;
        else if (depth == 3)
            oxygenStops += char_O_deco_time[i] * 100 / 177.0;
    }
    QVERIFY(oxygenStops > 50);

    const int cns = forecast(dive);
    QVERIFY2(cns >= 130 && cns <= 145, qPrintable(QString("forecast %1 %").arg(cns)));
    QVERIFY(cns > now + oxygenStops);
    QCOMPARE(int(char_O_CNS_fraction), now);

    // The same plan without the flags keeps the bottom gas: the forecast falls to about 44 %.
    for (int i = 0; i < NUM_STOPS; ++i)
        char_O_deco_depth[i] &= 0x7F;
    const int bottomGasOnly = forecast(dive);
    QVERIFY2(bottomGasOnly >= 40 && bottomGasOnly <= 48, qPrintable(QString("forecast %1 %").arg(bottomGasOnly)));
}

// In closed circuit the whole time to surface is breathed at the setpoint.
void TestDecoSurface::cnsForecastClosedCircuit()
{
    DiveSetup dive;
    dive.setpoint = 130;
    diveToFinalPlan(dive);
    const int now = char_O_CNS_fraction;

    deco_clear_CNS_fraction();
    deco_push_tissues_to_vault();
    char_I_bottom_depth = (unsigned char)dive.depth;
    deco_calc_CNS_planning();
    const double expected = int_O_ascenttime * 30.0 / (17100 - 90 * 130) * 100;
    QVERIFY2(std::fabs(char_O_CNS_fraction - expected) <= 0.51,
             qPrintable(QString("forecast %1, expected %2").arg(char_O_CNS_fraction).arg(expected)));
    deco_pull_tissues_from_vault();
    QVERIFY(now > 0);
}

// The forecast borrows the step length, the ppO2 and the planner's gas state and gives them back:
// the dive goes on exactly as without it.
void TestDecoSurface::cnsForecastLeavesPlannerAsItWas()
{
    const DiveSetup dive = trimixDive();
    int withForecast = diveToFinalPlan(dive);
    const unsigned char ppO2 = char_I_actual_ppO2;
    float N2[NUM_COMP];
    std::memcpy(N2, pres_tissue_N2, sizeof N2);

    char_I_bottom_depth = (unsigned char)dive.depth;
    deco_calc_CNS_planning();
    QCOMPARE(char_I_actual_ppO2, ppO2);
    QCOMPARE(char_I_step_is_1min, (unsigned char)0);
    QVERIFY(std::memcmp(N2, pres_tissue_N2, sizeof N2) == 0);
    deco_clear_CNS_fraction();
    ascendToSurface(dive, withForecast);
    deco_calc_desaturation_time();
    const unsigned short desaturation = int_O_desaturation_time;
    const float slowest = pres_tissue_N2[15];

    int without = diveToFinalPlan(dive);
    deco_clear_CNS_fraction();
    ascendToSurface(dive, without);
    deco_calc_desaturation_time();
    QCOMPARE(without, withForecast);
    QCOMPARE(int_O_desaturation_time, desaturation);
    QCOMPARE(pres_tissue_N2[15], slowest);
}

void TestDecoSurface::surfaceInterval_data()
{
    QTest::addColumn<int>("tens");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("gradientFactors");

    QTest::newRow("10 min") << 1 << 93 << false;
    QTest::newRow("30 min") << 3 << 79 << true;
    QTest::newRow("100 min: 0.92587471^10") << 10 << 46 << true;
    QTest::newRow("none") << 0 << 100 << false;
}

// Air at the surface in 10-minute steps with the surface desaturation factor (90 % x 0.007042)
// in either model; CNS falls with a 90-minute half-time.
void TestDecoSurface::surfaceInterval()
{
    QFETCH(int, tens);
    QFETCH(int, percent);
    QFETCH(bool, gradientFactors);

    DiveSetup dive;
    dive.gradientFactors = gradientFactors;
    setupEngine(dive);
    setDepth(40);
    deco_clear_tissue();
    const double start = pres_tissue_N2[0];
    for (int c = 0; c < NUM_COMP; ++c)
        pres_tissue_He[c] = 1.0f;
    oxygenSteps(100, 2, 30);
    QCOMPARE(int(char_O_CNS_fraction), 100);

    char_I_dive_interval = (unsigned char)tens;
    deco_calc_dive_interval();

    QCOMPARE(int(char_O_CNS_fraction), percent);
    QCOMPARE(char_I_deco_model, (unsigned char)(gradientFactors ? 1 : 0));
    const double factor = 90 * 0.007042;
    for (int c = 0; c < NUM_COMP; ++c) {
        const double N2 = SURFACE_PPN2 + (start - SURFACE_PPN2) * std::pow(1 - factor * (1 - std::pow(2.0, -10 / buhlmann_ht[c][0])), tens);
        const double He = std::pow(1 - factor * (1 - std::pow(2.0, -10 / buhlmann_ht[c][1])), tens);
        QVERIFY(std::fabs(pres_tissue_N2[c] - N2) < 2e-5);
        QVERIFY(std::fabs(pres_tissue_He[c] - He) < 2e-5);
    }
}

// Each compartment's time until its nitrogen excess is 5 % of the surface ppN2 and its helium
// below 0.1 bar, at the surface desaturation factor; the longest one counts.
void TestDecoSurface::desaturationTime()
{
    int_I_pres_surface = 1013;
    char_I_desaturation_multiplier = 90;
    const double factor = 90 * 0.007042;
    for (int c = 0; c < NUM_COMP; ++c) {
        pres_tissue_N2[c] = float(SURFACE_PPN2 * (1.05 + 0.1 * c));
        pres_tissue_He[c] = c < 8 ? 0.05f : float(0.1 * c);
    }
    pres_tissue_N2[0] = float(SURFACE_PPN2 * 1.04);

    deco_calc_desaturation_time();

    int expected = 0;
    for (int c = 0; c < NUM_COMP; ++c) {
        const double p = pres_tissue_N2[c];
        double nitrogen = 0;
        if (p > SURFACE_PPN2 * 1.05)
            nitrogen = minutesDown(buhlmann_ht[c][0], p, SURFACE_PPN2, SURFACE_PPN2 * 1.05, factor);
        double helium = 0;
        if (pres_tissue_He[c] > 0.1)
            helium = minutesDown(buhlmann_ht[c][1], pres_tissue_He[c], 0, 0.1, factor);
        expected = qMax(expected, int(qMax(nitrogen, helium)));

        const int n2Saturation = nitrogen > 0 ? int(nitrogen * factor / buhlmann_ht[c][0] * 20 + 80) : 80;
        const int heSaturation = helium > 0 ? int(helium * factor / buhlmann_ht[c][1] * 20 + 80) : 80;
        QVERIFY(std::abs(char_O_tissue_N2_saturation[c] - qMin(n2Saturation, 255)) <= 1);
        QVERIFY(std::abs(char_O_tissue_He_saturation[c] - qMin(heSaturation, 255)) <= 1);
    }
    QVERIFY2(std::abs(int(int_O_desaturation_time) - expected) <= 1,
             qPrintable(QString("%1, expected %2").arg(int_O_desaturation_time).arg(expected)));
    QCOMPARE(int(char_O_tissue_N2_saturation[0]), 80);
    QCOMPARE(int(char_O_tissue_He_saturation[0]), 80);
}

// After a dive and the ascent the tissues need time; a main step makes that time invalid.
void TestDecoSurface::desaturationTimeOfLoadedTissues()
{
    DiveSetup dive;
    int diveTime = diveToFinalPlan(dive);
    ascendToSurface(dive, diveTime);
    QCOMPARE(int_O_desaturation_time, (unsigned short)0xFFFF);

    deco_calc_desaturation_time();
    QVERIFY(int_O_desaturation_time > 60 && int_O_desaturation_time < 5760);
    QVERIFY(char_O_tissue_N2_saturation[15] > 80);
    const unsigned short first = int_O_desaturation_time;

    char_I_dive_interval = 6;
    deco_calc_dive_interval();
    deco_calc_desaturation_time();
    QVERIFY(std::abs(int_O_desaturation_time - (first - 60)) <= 2);

    int_I_temp = int_O_desaturation_time;
    char_I_temp = (unsigned char)eeprom.cf(13).value.lo;
    deco_calc_percentage();
    QCOMPARE(int(int_I_temp), int(int_O_desaturation_time * 60 * 0.01));
}

// One minute of surface air; in the ZH-L16 variant off-gassing runs at the surface factor.
void TestDecoSurface::surfaceMinute()
{
    DiveSetup dive;
    dive.gradientFactors = false;
    setupEngine(dive);
    setDepth(30);
    deco_clear_tissue();
    const float start = pres_tissue_N2[0];
    setDepth(0);
    int_O_ascenttime = 20;
    int_O_extra_ascenttime = 22;
    char_O_nullzeit = 5;

    deco_calc_wo_deco_step_1_min();

    const double factor = 90 * 0.007042 * e1min[0][0];
    QVERIFY(std::fabs(pres_tissue_N2[0] - (start + (SURFACE_PPN2 - start) * factor)) < 1e-5);
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_CLEAR);
    QCOMPARE(char_O_nullzeit, (unsigned char)0);
    QCOMPARE(int_O_ascenttime, (unsigned short)0);
    QCOMPARE(int_O_extra_ascenttime, (unsigned short)0);
    QVERIFY(int_O_desaturation_time > 0 && int_O_desaturation_time != 0xFFFF);
    QVERIFY(char_O_gradient_factor > 0);
}

void TestDecoSurface::percentage_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("result");
    QTest::newRow("60 % of 100") << 100 << 60 << 60;
    QTest::newRow("77 % of 333 truncated") << 333 << 77 << 256;
    QTest::newRow("100 % of 5759") << 5759 << 100 << 5759;
    QTest::newRow("0 minutes") << 0 << 80 << 0;
}

void TestDecoSurface::percentage()
{
    QFETCH(int, minutes);
    QFETCH(int, percent);
    QFETCH(int, result);
    int_I_temp = (unsigned short)minutes;
    char_I_temp = (unsigned char)percent;
    deco_calc_percentage();
    QCOMPARE(int(int_I_temp), result);
}

void TestDecoSurface::gasVolumes_data()
{
    QTest::addColumn<QString>("stops");  // published table, deepest first: "depth:minutes ..."
    QTest::addColumn<int>("bottomDepth");
    QTest::addColumn<int>("bottomTime");
    QTest::addColumn<int>("bottomRate");
    QTest::addColumn<int>("ascentRate");
    QTest::addColumn<int>("switchDelay");
    QTest::addColumn<int>("setpoint");
    QTest::addColumn<QList<int>>("volumes");

    // Air, 50 % from 21 m, O2 from 6 m; 40 m for 25 min at 20 l/min is (4 + 1) x 25 x 20 = 2500 l.
    // Each stop costs (d/10 + 1) x (minutes + climb/10) x rate on the gas for its depth.
    const QString stops = "21:2 18:3 12:4 6:5 3:8";
    QTest::newRow("stops on three gases") << stops << 40 << 25 << 20 << 10 << 0 << 0
                                          << QList<int>{2595, 273, 193, 0, 0};
    QTest::newRow("first stop at 12 m: climb on 50 %") << "12:4 6:5 3:8" << 40 << 25 << 20 << 10 << 0 << 0
                                                       << QList<int>{2500, 241, 193, 0, 0};
    QTest::newRow("switch delay: climb on the bottom gas") << "12:4 6:5 3:8" << 40 << 25 << 20 << 10 << 2 << 0
                                                           << QList<int>{2640, 101, 193, 0, 0};
    QTest::newRow("no ascent rate: stop gases unknown") << stops << 40 << 25 << 20 << 0 << 0 << 0
                                                        << QList<int>{2500, 65535, 65535, 0, 0};
    QTest::newRow("no bottom rate") << stops << 40 << 25 << 0 << 10 << 0 << 0
                                    << QList<int>{95, 273, 193, 0, 0};
    QTest::newRow("closed circuit: bottom from the loop") << stops << 40 << 25 << 20 << 10 << 0 << 130
                                                          << QList<int>{95, 273, 193, 0, 0};
    QTest::newRow("exactly 65534 l") << "" << 10 << 151 << 217 << 0 << 0 << 0
                                     << QList<int>{65534, 0, 0, 0, 0};
    QTest::newRow("above 65534 l") << "" << 10 << 151 << 218 << 0 << 0 << 0
                                   << QList<int>{65535, 0, 0, 0, 0};
    QTest::newRow("12.5 l rounds to 13") << "" << 15 << 5 << 1 << 0 << 0 << 0
                                         << QList<int>{13, 0, 0, 0, 0};
}

void TestDecoSurface::gasVolumes()
{
    QFETCH(QString, stops);
    QFETCH(int, bottomDepth);
    QFETCH(int, bottomTime);
    QFETCH(int, bottomRate);
    QFETCH(int, ascentRate);
    QFETCH(int, switchDelay);
    QFETCH(int, setpoint);
    QFETCH(QList<int>, volumes);

    DiveSetup dive;
    dive.gasCount = 3;
    dive.gases[1] = {50, 0, 21};
    dive.gases[2] = {100, 0, 6};
    setupEngine(dive);
    char_I_const_ppO2 = (unsigned char)setpoint;
    char_I_bottom_depth = (unsigned char)bottomDepth;
    char_I_bottom_time = (unsigned char)bottomTime;
    eeprom.cf(55).value = switchDelay;
    eeprom.cf(56).value = bottomRate;
    eeprom.cf(57).value = ascentRate;

    // Deepest first, then the same table shallowest first: the same volumes.
    const QStringList entries = stops.split(' ', Qt::SkipEmptyParts);
    for (int cf54 = 0; cf54 < 2; ++cf54) {
        std::memset(char_O_deco_depth, 0, sizeof char_O_deco_depth);
        std::memset(char_O_deco_time, 0, sizeof char_O_deco_time);
        for (int i = 0; i < entries.size(); ++i) {
            const int slot = cf54 ? entries.size() - 1 - i : i;
            char_O_deco_depth[slot] = (unsigned char)entries[i].section(':', 0, 0).toInt();
            char_O_deco_time[slot] = (unsigned char)entries[i].section(':', 1, 1).toInt();
        }
        char_O_first_deco_depth = entries.isEmpty() ? 0 : (unsigned char)entries[0].section(':', 0, 0).toInt();
        eeprom.cf(54).value = cf54;

        deco_gas_volumes();
        for (int g = 0; g < NUM_GAS; ++g)
            QCOMPARE(int(int_O_gas_volumes[g]), volumes[g]);
    }
}

QTEST_APPLESS_MAIN(TestDecoSurface)
#include "tst_deco_surface.moc"
