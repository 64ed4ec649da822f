// Tissue model of the decompression engine: coefficient tables, loading against the closed-form
// Haldane solution, inspired pressures, ceilings, gradient factor and no-stop time.

#include "decodive.h"
#include "p2_deco_internal.h"

#include <QtTest>
#include <cmath>
#include <cstring>

namespace {

const double SURFACE = 1.013;

DiveGas gasOf(int o2, int he)
{
    return DiveGas{o2, he, 0};
}

DiveSetup diveOn(const DiveGas& gas, bool gradientFactors = true)
{
    DiveSetup dive;
    dive.gases[0] = gas;
    dive.gradientFactors = gradientFactors;
    return dive;
}

// Half-time in minutes of compartment c, gas 0 = N2, 1 = He.
double halfTime(int c, int gas)
{
    return buhlmann_ht[c][gas];
}

// Tissue pressure after minutes at a constant inspired pressure, each step's increment scaled.
double haldane(double start, double inspired, double halfTime, double stepMinutes, int steps, double multiplier)
{
    const double factor = multiplier * (1 - std::pow(2.0, -stepMinutes / halfTime));
    return inspired + (start - inspired) * std::pow(1 - factor, steps);
}

struct Mixed {
    double a;
    double b;
};

Mixed mixedCoefficients(int c, double N2, double He)
{
    const double P = N2 + He;
    return Mixed{(buhlmann_ab[c][0] * N2 + buhlmann_ab[c][2] * He) / P,
                 (buhlmann_ab[c][1] * N2 + buhlmann_ab[c][3] * He) / P};
}

double ceilingOf(int c, double gf, bool gradientFactors)
{
    const double N2 = pres_tissue_N2[c];
    const double He = pres_tissue_He[c];
    const double P = N2 + He;
    const Mixed m = mixedCoefficients(c, N2, He);
    const double ceiling = gradientFactors ? (P - m.a * gf) / (gf / m.b + 1 - gf) : (P - m.a) * m.b;
    return ceiling < 0 ? 0 : ceiling;
}

// The no-stop search in double precision: from each compartment's pressures, 10-minute steps
// while its surfacing limit holds, then 1-minute steps, then the fraction of the last minute.
// Without gradient factors every increment, on-gassing or off-gassing, is scaled by the
// saturation multiplier.
int noStopSearch(double ppN2, double ppHe, bool gradientFactors, double gfHigh, double saturation)
{
    int result = 240;
    for (int c = 0; c < NUM_COMP; ++c) {
        double N2 = pres_tissue_N2[c];
        double He = pres_tissue_He[c];
        double P = N2 + He;
        const float(*factors)[2] = e10min;
        int step = 10;
        int t = 0;
        while (t < result) {
            const Mixed m = mixedCoefficients(c, N2, He);
            double M = SURFACE / m.b + m.a;
            if (gradientFactors)
                M = (M - SURFACE) * gfHigh + SURFACE;
            double dN2 = (ppN2 - N2) * factors[c][0];
            double dHe = (ppHe - He) * factors[c][1];
            if (!gradientFactors) {
                dN2 *= saturation;
                dHe *= saturation;
            }
            if (M >= P && M >= P + dN2 + dHe) {
                N2 += dN2;
                He += dHe;
                P = N2 + He;
                t += step;
            } else if (step == 10) {
                step = 1;
                factors = e1min;
            } else {
                if (M > P)
                    t += int((M - P) / (dN2 + dHe) + 0.5);
                break;
            }
        }
        result = qMin(result, t);
    }
    return result;
}

}

class TestDecoTissues : public QObject {
    Q_OBJECT

private slots:
    void init();

    void saturationFactorTables_data();
    void saturationFactorTables();
    void customFunctionsAreLowBytesOfTheirBlock();
    void clearTissue();
    void haldaneLoading_data();
    void haldaneLoading();
    void stepLengthChoosesFactors();
    void inspiredEquivalentDepths_data();
    void inspiredEquivalentDepths();
    void closedCircuitDiluent_data();
    void closedCircuitDiluent();
    void oxygenDiluentHasNoInertGas();
    void ceilingAndLeadingCompartment_data();
    void ceilingAndLeadingCompartment();
    void saturatedAtSurface();
    void noStopTime_data();
    void noStopTime();
    void noStopTimeWithMultiplier_data();
    void noStopTimeWithMultiplier();
    void equivalentDepthLimits_data();
    void equivalentDepthLimits();
    void vault();
};

void TestDecoTissues::init()
{
    eeprom = VARN_eeprom();
}

void TestDecoTissues::saturationFactorTables_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<double>("minutes");
    QTest::newRow("2 seconds") << PERIOD_2SEC << 1 / 30.0;
    QTest::newRow("1 minute") << PERIOD_1MIN << 1.0;
    QTest::newRow("10 minutes") << PERIOD_10MIN << 10.0;
}

void TestDecoTissues::saturationFactorTables()
{
    QFETCH(int, period);
    QFETCH(double, minutes);
    const float(*table)[2] = period == PERIOD_2SEC ? e2secs : period == PERIOD_1MIN ? e1min : e10min;
    for (int c = 0; c < NUM_COMP; ++c) {
        for (int gas = 0; gas < 2; ++gas) {
            const double exact = 1 - std::pow(2.0, -minutes / halfTime(c, gas));
            QCOMPARE(QString::number(table[c][gas], 'g', 6), QString::number(exact, 'g', 6));
        }
    }
}

void TestDecoTissues::customFunctionsAreLowBytesOfTheirBlock()
{
    eeprom.cf(22).value = 0x0107;
    eeprom.cf(54).value = 0x0203;
    eeprom.cf(58).value = 0x00FF;
    QCOMPARE(read_custom_function(22), short(7));
    QCOMPARE(read_custom_function(54), short(3));
    QCOMPARE(read_custom_function(58), short(255));
}

void TestDecoTissues::clearTissue()
{
    setupEngine(diveOn(gasOf(21, 0)));
    pres_tissue_He[3] = 1.5f;
    char_O_deco_status = DECO_STATUS_RUNNING;
    char_O_nullzeit = 17;
    int_O_ascenttime = 33;
    char_O_gradient_factor = 40;
    char_O_relative_gradient_GF = 50;
    char_O_gtissue_no = 9;

    setDepth(0);
    deco_clear_tissue();

    for (int c = 0; c < NUM_COMP; ++c) {
        QCOMPARE(pres_tissue_N2[c], float(0.7902 * (float(1.013) - 0.0627)));
        QCOMPARE(pres_tissue_He[c], 0.0f);
    }
    QVERIFY(std::fabs(pres_tissue_N2[0] - 0.7509) < 0.0001);
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_DONE);
    QCOMPARE(char_O_nullzeit, (unsigned char)0);
    QCOMPARE(int_O_ascenttime, (unsigned short)0);
    QCOMPARE(char_O_gradient_factor, (unsigned char)0);
    QCOMPARE(char_O_relative_gradient_GF, (unsigned char)0);
    QCOMPARE(char_O_gtissue_no, (unsigned char)0);
}

void TestDecoTissues::haldaneLoading_data()
{
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<int>("startDepth");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("oneMinuteSteps");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("gradientFactors");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<int>("desaturation");

    QTest::newRow("air 30 m, 2-second steps") << 21 << 0 << 0 << 30 << false << 600 << true << 110 << 90;
    QTest::newRow("air 30 m, 1-minute steps") << 21 << 0 << 0 << 30 << true << 60 << true << 110 << 90;
    QTest::newRow("trimix 60 m, 2-second steps") << 18 << 45 << 0 << 60 << false << 300 << true << 110 << 90;
    QTest::newRow("trimix 60 m, 1-minute steps") << 18 << 45 << 0 << 60 << true << 45 << true << 110 << 90;
    QTest::newRow("ZH-L16 on-gassing x 1.1") << 21 << 0 << 0 << 30 << true << 30 << false << 110 << 90;
    QTest::newRow("ZH-L16 on-gassing x 1.5") << 21 << 0 << 0 << 45 << false << 450 << false << 150 << 90;
    QTest::newRow("ZH-L16 off-gassing x 0.9") << 21 << 0 << 30 << 0 << true << 30 << false << 110 << 90;
    QTest::newRow("ZH-L16 off-gassing x 0.5") << 32 << 0 << 30 << 3 << false << 900 << false << 110 << 50;
    QTest::newRow("gradient factors ignore multipliers") << 21 << 0 << 30 << 0 << true << 30 << true << 150 << 50;
}

// A dive at constant depth from tissues saturated at startDepth: every compartment must follow
// P(n) = Pi + (P0 - Pi)(1 - m(1 - 2^(-t/ht)))^n.
void TestDecoTissues::haldaneLoading()
{
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(int, startDepth);
    QFETCH(int, depth);
    QFETCH(bool, oneMinuteSteps);
    QFETCH(int, steps);
    QFETCH(bool, gradientFactors);
    QFETCH(int, saturation);
    QFETCH(int, desaturation);

    eeprom.cf(11).value = saturation;
    eeprom.cf(12).value = desaturation;
    setupEngine(diveOn(gasOf(o2, he), gradientFactors));
    setDepth(startDepth);
    deco_clear_tissue();
    const double startN2 = 0.7902 * (int_I_pres_respiration * 0.001 - 0.0627);

    setDepth(depth);
    char_I_step_is_1min = oneMinuteSteps ? 1 : 0;
    for (int i = 0; i < steps; ++i)
        deco_calc_hauptroutine();

    const double ambient = int_I_pres_respiration * 0.001;
    const double inspiredN2 = (100 - o2 - he) * 0.01 * (ambient - 0.0627);
    const double inspiredHe = he * 0.01 * (ambient - 0.0627);
    const double stepMinutes = oneMinuteSteps ? 1 : 1 / 30.0;
    const double onN2 = gradientFactors ? 1 : (inspiredN2 >= startN2 ? saturation : desaturation) * 0.01;
    const double onHe = gradientFactors ? 1 : saturation * 0.01;
    for (int c = 0; c < NUM_COMP; ++c) {
        const double N2 = haldane(startN2, inspiredN2, halfTime(c, 0), stepMinutes, steps, onN2);
        const double He = haldane(0, inspiredHe, halfTime(c, 1), stepMinutes, steps, onHe);
        QVERIFY2(std::fabs(pres_tissue_N2[c] - N2) < 2e-4,
                 qPrintable(QString("N2 of compartment %1: %2, expected %3").arg(c + 1).arg(pres_tissue_N2[c]).arg(N2)));
        QVERIFY2(std::fabs(pres_tissue_He[c] - He) < 2e-4,
                 qPrintable(QString("He of compartment %1: %2, expected %3").arg(c + 1).arg(pres_tissue_He[c]).arg(He)));
    }
}

void TestDecoTissues::stepLengthChoosesFactors()
{
    setupEngine(diveOn(gasOf(21, 0)));
    setDepth(0);
    deco_clear_tissue();
    const float start = pres_tissue_N2[0];
    setDepth(30);
    const float inspired = float(0.79 * (int_I_pres_respiration * 0.001 - 0.0627));

    char_I_step_is_1min = 0;
    deco_calc_hauptroutine();
    QCOMPARE(pres_tissue_N2[0], start + (inspired - start) * e2secs[0][0]);

    setDepth(0);
    deco_clear_tissue();
    setDepth(30);
    char_I_step_is_1min = 7;
    deco_calc_hauptroutine();
    QCOMPARE(pres_tissue_N2[0], start + (inspired - start) * e1min[0][0]);
}

void TestDecoTissues::inspiredEquivalentDepths_data()
{
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("ead");
    QTest::addColumn<int>("end");

    // EAD = ((ppN2 / 0.7902 + 0.0627) - surface) x 10.015, END = (ambient - ppHe - surface) x 10.015.
    QTest::newRow("air 30 m") << 21 << 0 << 30 << 30 << 30;
    QTest::newRow("nitrox 32 at 30 m") << 32 << 0 << 30 << 24 << 30;
    QTest::newRow("trimix 18/45 at 60 m") << 18 << 45 << 60 << 23 << 29;
    QTest::newRow("nitrox 40 at the surface: negative EAD shown as 0") << 40 << 0 << 0 << 0 << 0;
}

void TestDecoTissues::inspiredEquivalentDepths()
{
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(int, depth);
    QFETCH(int, ead);
    QFETCH(int, end);

    setupEngine(diveOn(gasOf(o2, he)));
    setDepth(0);
    deco_clear_tissue();
    setDepth(depth);
    deco_calc_hauptroutine();
    QCOMPARE(int(char_O_EAD), ead);
    QCOMPARE(int(char_O_END), end);
}

void TestDecoTissues::closedCircuitDiluent_data()
{
    QTest::addColumn<int>("setpoint");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("diluent");
    QTest::addColumn<int>("flush");
    QTest::addColumn<int>("ead");

    // Air diluent: diluent pressure = (ambient - setpoint) / 0.79, flush ppO2 = 0.21 x ambient.
    QTest::newRow("1.3 bar at 30 m") << 130 << 30 << 86 << 84 << 24;
    QTest::newRow("1.3 bar at 40 m") << 130 << 40 << 94 << 105 << 37;
    QTest::newRow("setpoint above ambient at the surface") << 130 << 0 << 0 << 21 << 0;
    QTest::newRow("diluent alone at 110 m") << 130 << 110 << 100 << 252 << 110;
    QTest::newRow("flush ppO2 capped at 2.55 bar") << 100 << 120 << 100 << 255 << 120;
}

void TestDecoTissues::closedCircuitDiluent()
{
    QFETCH(int, setpoint);
    QFETCH(int, depth);
    QFETCH(int, diluent);
    QFETCH(int, flush);
    QFETCH(int, ead);

    DiveSetup dive = diveOn(gasOf(21, 0));
    dive.setpoint = setpoint;
    setupEngine(dive);
    setDepth(0);
    deco_clear_tissue();
    setDepth(depth);
    const float before = pres_tissue_N2[0];
    deco_calc_hauptroutine();

    const double ambient = int_I_pres_respiration * 0.001;
    double dil = (ambient - setpoint * 0.01) / 0.79;
    dil = dil < 0 ? 0 : dil > ambient ? ambient : dil;
    const double inspiredN2 = dil > 0.0627 ? 0.79 * (dil - 0.0627) : 0;
    QCOMPARE(int(char_O_diluent), diluent);
    QCOMPARE(int(char_O_flush_ppO2), flush);
    QCOMPARE(int(char_O_EAD), ead);
    QVERIFY(std::fabs(pres_tissue_N2[0] - (before + (inspiredN2 - before) * e2secs[0][0])) < 1e-6);
}

// A pure-oxygen diluent leaves no inert gas to divide by: the loop breathes no nitrogen or helium.
void TestDecoTissues::oxygenDiluentHasNoInertGas()
{
    DiveSetup dive = diveOn(gasOf(100, 0));
    dive.setpoint = 130;
    setupEngine(dive);
    setDepth(0);
    deco_clear_tissue();
    setDepth(6);
    const float before = pres_tissue_N2[0];
    char_I_step_is_1min = 1;
    for (int i = 0; i < 10; ++i)
        deco_calc_hauptroutine();

    QCOMPARE(char_O_diluent, (unsigned char)0);
    QCOMPARE(char_O_EAD, (unsigned char)0);
    QCOMPARE(char_O_END, (unsigned char)0);
    QVERIFY(std::fabs(pres_tissue_N2[0] - before * std::pow(1 - e1min[0][0], 10)) < 1e-5);
    for (int c = 0; c < NUM_COMP; ++c) {
        QVERIFY(std::isfinite(pres_tissue_N2[c]));
        QCOMPARE(pres_tissue_He[c], 0.0f);
    }
    QVERIFY(char_O_nullzeit > 0);
}

void TestDecoTissues::ceilingAndLeadingCompartment_data()
{
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("gradientFactors");

    QTest::newRow("air 40 m 30 min, GF") << 21 << 0 << 40 << 30 << true;
    QTest::newRow("air 40 m 5 min, GF") << 21 << 0 << 40 << 5 << true;
    QTest::newRow("trimix 72 m 20 min, GF") << 18 << 45 << 72 << 20 << true;
    QTest::newRow("trimix 72 m 60 min, GF") << 18 << 45 << 72 << 60 << true;
    QTest::newRow("air 50 m 25 min, ZH-L16") << 21 << 0 << 50 << 25 << false;
    QTest::newRow("trimix 60 m 40 min, ZH-L16") << 21 << 35 << 60 << 40 << false;
}

// The engine's leading compartment, its ceiling and the gradient factor against a double-precision
// evaluation of the same tissues.
void TestDecoTissues::ceilingAndLeadingCompartment()
{
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(int, depth);
    QFETCH(int, minutes);
    QFETCH(bool, gradientFactors);

    DiveSetup dive = diveOn(gasOf(o2, he), gradientFactors);
    dive.depth = depth;
    dive.bottomTime = minutes;
    diveToFinalPlan(dive);

    const double gfHigh = dive.gfHigh * 0.01;
    int lead = -1;
    double limit = 0;
    for (int c = 0; c < NUM_COMP; ++c) {
        const double ceiling = ceilingOf(c, gfHigh, gradientFactors);
        if (ceiling > limit) {
            limit = ceiling;
            lead = c;
        }
    }
    QCOMPARE(int(char_O_gtissue_no), lead);
    QVERIFY(std::abs(int(int_O_gtissue_limit) - int(limit * 1000)) <= 1);
    const double P = pres_tissue_N2[lead] + pres_tissue_He[lead];
    QVERIFY(std::abs(int(int_O_gtissue_press) - int(P * 1000)) <= 1);

    const double ambient = int_I_pres_respiration * 0.001;
    const Mixed m = mixedCoefficients(lead, pres_tissue_N2[lead], pres_tissue_He[lead]);
    const double plainCeiling = gradientFactors ? (P - m.a) * m.b : limit;
    const double gf = P > ambient ? (P - ambient) / (P - plainCeiling) * 100 : 0;
    QVERIFY2(std::abs(char_O_gradient_factor - gf) <= 0.51,
             qPrintable(QString("GF %1, expected %2").arg(char_O_gradient_factor).arg(gf)));

    // Below the deepest first stop of a plan the allowed factor is GF low; without any plan, GF high.
    const double allowed = char_O_nullzeit > 0 ? dive.gfHigh * 0.01 : dive.gfLow * 0.01;
    const double relative = gradientFactors ? gf / allowed : gf;
    QVERIFY2(std::abs(char_O_relative_gradient_GF - qMin(relative, 255.0)) <= 1.0,
             qPrintable(QString("relative GF %1, expected %2").arg(char_O_relative_gradient_GF).arg(relative)));
}

void TestDecoTissues::saturatedAtSurface()
{
    setupEngine(diveOn(gasOf(21, 0)));
    setDepth(0);
    deco_clear_tissue();
    char_O_deco_status = DECO_STATUS_CLEAR;
    deco_calc_hauptroutine();
    deco_calc_hauptroutine();

    QVERIFY(char_O_gtissue_no < NUM_COMP);
    QVERIFY(int_O_gtissue_limit > 0 && int_O_gtissue_limit < int_I_pres_surface);
    QCOMPARE(char_O_gradient_factor, (unsigned char)0);
    QCOMPARE(char_O_nullzeit, (unsigned char)240);
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_DONE);
}

void TestDecoTissues::noStopTime_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("gradientFactors");
    QTest::addColumn<int>("gfHigh");

    QTest::newRow("12 m GF 85") << 12 << true << 85;
    QTest::newRow("18 m GF 85") << 18 << true << 85;
    QTest::newRow("24 m GF 85") << 24 << true << 85;
    QTest::newRow("30 m GF 85") << 30 << true << 85;
    QTest::newRow("40 m GF 85") << 40 << true << 85;
    QTest::newRow("40 m GF 50") << 40 << true << 50;
    QTest::newRow("30 m ZH-L16") << 30 << false << 85;
    QTest::newRow("50 m ZH-L16") << 50 << false << 85;
}

// The no-stop time is the first minute at which a compartment, loading at the bottom, would exceed
// its surfacing M-value (scaled by GF high): within a minute of the exact exponential crossing.
void TestDecoTissues::noStopTime()
{
    QFETCH(int, depth);
    QFETCH(bool, gradientFactors);
    QFETCH(int, gfHigh);

    eeprom.cf(11).value = 100;  // ZH-L16 steps without a multiplier, so 10- and 1-minute steps agree
    DiveSetup dive = diveOn(gasOf(21, 0), gradientFactors);
    dive.gfHigh = gfHigh;
    setupEngine(dive);
    setDepth(0);
    deco_clear_tissue();
    char_O_deco_status = DECO_STATUS_CLEAR;
    deco_calc_hauptroutine();
    setDepth(depth);
    deco_calc_hauptroutine();

    const double gf = gfHigh * 0.01;
    const double inspired = 0.79 * (int_I_pres_respiration * 0.001 + char_I_deco_distance * 0.01 - 0.0627);
    double expected = 240;
    for (int c = 0; c < NUM_COMP; ++c) {
        double M = SURFACE / buhlmann_ab[c][1] + buhlmann_ab[c][0];
        if (gradientFactors)
            M = (M - SURFACE) * gf + SURFACE;
        const double P = pres_tissue_N2[c];
        if (inspired <= M)
            continue;
        expected = qMin(expected, -halfTime(c, 0) * std::log2((M - inspired) / (P - inspired)));
    }
    QVERIFY2(std::fabs(char_O_nullzeit - expected) <= 1.0,
             qPrintable(QString("NDL %1, exact %2").arg(char_O_nullzeit).arg(expected)));
    QVERIFY(char_O_nullzeit > 0);
}

void TestDecoTissues::noStopTimeWithMultiplier_data()
{
    QTest::addColumn<bool>("gradientFactors");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<int>("desaturation");
    QTest::addColumn<int>("he");          // % helium breathed for 10 minutes at 20 m before
    QTest::addColumn<int>("depth");

    QTest::newRow("ZH-L16 air 30 m, saturation 110 %") << false << 110 << 90 << 0 << 30;
    QTest::newRow("ZH-L16 air 40 m, saturation 150 %") << false << 150 << 90 << 0 << 40;
    QTest::newRow("ZH-L16 air 21 m, saturation 200 %") << false << 200 << 90 << 0 << 21;
    QTest::newRow("ZH-L16 air after 21/35: helium leaving, saturation 150 %, desaturation 50 %")
        << false << 150 << 50 << 35 << 20;
    QTest::newRow("gradient factors ignore a saturation of 150 %") << true << 150 << 50 << 0 << 30;
}

// The search steps the compartments in 10- and 1-minute steps, so with a multiplier the result
// differs from the exact exponential crossing: it must follow the steps themselves.
void TestDecoTissues::noStopTimeWithMultiplier()
{
    QFETCH(bool, gradientFactors);
    QFETCH(int, saturation);
    QFETCH(int, desaturation);
    QFETCH(int, he);
    QFETCH(int, depth);

    eeprom.cf(11).value = saturation;
    eeprom.cf(12).value = desaturation;
    setupEngine(diveOn(gasOf(21, he), gradientFactors));
    setDepth(0);
    deco_clear_tissue();
    char_O_deco_status = DECO_STATUS_CLEAR;
    deco_calc_hauptroutine();
    if (he > 0) {
        setDepth(20);
        for (int i = 0; i < 300; ++i)
            deco_calc_hauptroutine();
        // Air from here on, as the mix of char_I_N2_ratio and char_I_He_ratio.
        char_I_current_gas = 6;
        char_I_N2_ratio = 79;
        char_I_He_ratio = 0;
    }
    setDepth(depth);
    deco_calc_hauptroutine();

    const double inspired = int_I_pres_respiration * 0.001 + char_I_deco_distance * 0.01 - 0.0627;
    const int expected = noStopSearch(0.79 * inspired, 0, gradientFactors, 0.85, saturation * 0.01);
    QVERIFY2(std::abs(char_O_nullzeit - expected) <= 1,
             qPrintable(QString("NDL %1, expected %2").arg(char_O_nullzeit).arg(expected)));
    QVERIFY(expected > 0 && expected < 240);
}

void TestDecoTissues::equivalentDepthLimits_data()
{
    QTest::addColumn<float>("metres");
    QTest::addColumn<int>("shown");
    QTest::newRow("-100 m") << -100.0f << 0;
    QTest::newRow("-0.1 m") << -0.1f << 0;
    QTest::newRow("0.49 m") << 0.49f << 0;
    QTest::newRow("0.5 m") << 0.5f << 1;
    QTest::newRow("29.6 m") << 29.6f << 30;
    QTest::newRow("245.4 m") << 245.4f << 245;
    QTest::newRow("245.5 m is not above the limit") << 245.5f << 246;
    QTest::newRow("245.51 m") << 245.51f << 0;
    QTest::newRow("255.6 m") << 255.6f << 0;
    QTest::newRow("300 m") << 300.0f << 0;
    QTest::newRow("1000 m") << 1000.0f << 0;
}

// An equivalent depth below 0 m or above 245.5 m is shown as 0.
void TestDecoTissues::equivalentDepthLimits()
{
    QFETCH(float, metres);
    QFETCH(int, shown);
    QCOMPARE(int(nearest_or_zero(metres)), shown);
}

void TestDecoTissues::vault()
{
    DiveSetup dive = diveOn(gasOf(21, 0));
    dive.bottomTime = 10;
    diveToFinalPlan(dive);
    float N2[NUM_COMP];
    std::memcpy(N2, pres_tissue_N2, sizeof N2);
    const unsigned char cns = char_O_CNS_fraction;
    QVERIFY(cns > 0);

    deco_push_tissues_to_vault();
    int diveTime = 600;
    for (int i = 0; i < 300; ++i)
        diveStep(diveTime);
    QVERIFY(char_O_CNS_fraction > cns);
    QVERIFY(pres_tissue_N2[15] != N2[15]);

    // A second push overwrites the first.
    deco_push_tissues_to_vault();
    float later[NUM_COMP];
    std::memcpy(later, pres_tissue_N2, sizeof later);
    const unsigned char laterCns = char_O_CNS_fraction;
    for (int i = 0; i < 30; ++i)
        diveStep(diveTime);
    deco_pull_tissues_from_vault();
    QCOMPARE(char_O_CNS_fraction, laterCns);
    for (int c = 0; c < NUM_COMP; ++c)
        QCOMPARE(pres_tissue_N2[c], later[c]);
}

QTEST_APPLESS_MAIN(TestDecoTissues)
#include "tst_deco_tissues.moc"
