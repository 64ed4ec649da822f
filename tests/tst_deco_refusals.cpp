// Orderly refusals of the decompression engine: an entry point whose input breaks one of its
// conditions throws "p2_deco: <condition>" and changes nothing, the plan being computed included,
// so the dive goes on as if the call had not been made.

#include "decodive.h"
#include "testutil.h"

#include <QtTest>
#include <cstring>

namespace {

struct Variable {
    const char* name;
    const void* address;
    size_t size;
};

#define VARIABLE(v) {#v, &v, sizeof v},

// Every variable of the engine's interface.
const Variable variables[] = {
    VARIABLE(int_I_pres_surface) VARIABLE(int_I_pres_respiration) VARIABLE(int_I_divemins)
    VARIABLE(int_I_temp) VARIABLE(char_I_temp) VARIABLE(char_I_actual_ppO2) VARIABLE(char_I_N2_ratio)
    VARIABLE(char_I_He_ratio) VARIABLE(char_I_const_ppO2) VARIABLE(char_I_saturation_multiplier)
    VARIABLE(char_I_desaturation_multiplier) VARIABLE(char_I_deco_distance) VARIABLE(char_I_depth_last_deco)
    VARIABLE(char_I_GF_Low_percentage) VARIABLE(char_I_GF_High_percentage) VARIABLE(char_I_deco_model)
    VARIABLE(char_I_dive_interval) VARIABLE(char_I_deco_He_ratio) VARIABLE(char_I_deco_N2_ratio)
    VARIABLE(char_I_deco_gas_change) VARIABLE(char_I_first_gas) VARIABLE(char_I_current_gas)
    VARIABLE(char_I_bottom_depth) VARIABLE(char_I_bottom_time) VARIABLE(char_I_step_is_1min)
    VARIABLE(char_O_deco_status) VARIABLE(char_O_nullzeit) VARIABLE(char_O_deco_depth) VARIABLE(char_O_deco_time)
    VARIABLE(char_O_first_deco_depth) VARIABLE(char_O_first_deco_time) VARIABLE(char_O_deco_table_truncated)
    VARIABLE(int_O_ascenttime) VARIABLE(int_O_extra_ascenttime) VARIABLE(char_O_deco_last_stop)
    VARIABLE(char_O_gradient_factor) VARIABLE(char_O_relative_gradient_GF) VARIABLE(char_O_gtissue_no)
    VARIABLE(int_O_gtissue_limit) VARIABLE(int_O_gtissue_press) VARIABLE(char_O_EAD) VARIABLE(char_O_END)
    VARIABLE(char_O_diluent) VARIABLE(char_O_flush_ppO2) VARIABLE(char_O_CNS_fraction)
    VARIABLE(int_O_desaturation_time) VARIABLE(char_O_tissue_N2_saturation) VARIABLE(char_O_tissue_He_saturation)
    VARIABLE(int_O_gas_volumes) VARIABLE(pres_tissue_N2) VARIABLE(pres_tissue_He) VARIABLE(sim_pres_tissue_N2)
    VARIABLE(sim_pres_tissue_He)
};

QByteArray engineState()
{
    QByteArray state;
    for (const Variable& v : variables)
        state.append(static_cast<const char*>(v.address), int(v.size));
    return state;
}

// The first interface variable that differs from a captured state, or an empty text.
QString changedVariable(const QByteArray& before)
{
    int offset = 0;
    for (const Variable& v : variables) {
        if (std::memcmp(before.constData() + offset, v.address, v.size) != 0)
            return QString::fromLatin1(v.name);
        offset += int(v.size);
    }
    return QString();
}

struct Refusal {
    QString text;
    QString changed;     // interface variable the refused call changed
    int calls;           // calls made, the refused one included
};

// Calls an entry point until it refuses (at most maxCalls times) and checks the refused call.
Refusal callUntilRefused(void (*entry)(), int maxCalls = 1)
{
    Refusal refusal{QString(), QString(), 0};
    while (refusal.calls < maxCalls && refusal.text.isNull()) {
        const QByteArray before = engineState();
        ++refusal.calls;
        refusal.text = thrownText(entry);
        if (!refusal.text.isNull())
            refusal.changed = changedVariable(before);
    }
    return refusal;
}

// 40 m on air, GF 30/85, 20 minutes in: a plan is being computed, an earlier one is published.
int prepareDive()
{
    eeprom = VARN_eeprom();
    startDive(DiveSetup());
    int diveTime = 0;
    while (diveTime < 20 * 60 || char_O_deco_status != DECO_STATUS_RUNNING)
        diveStep(diveTime);
    return diveTime;
}

struct RefusalCase {
    const char* name;
    void (*breakInput)();
    void (*entry)();
    int maxCalls;
    const char* text;
};

const RefusalCase refusalCases[] = {
    {"surface pressure 799 mbar, diver at the surface",
     [] { int_I_pres_surface = 799; setDepth(0); }, deco_calc_hauptroutine, 1,
     "p2_deco: 0.800 < pres_respiration && pres_respiration < 14.0"},
    {"130 m at a surface pressure of 1100 mbar",
     [] { int_I_pres_surface = 1100; setDepth(130); }, deco_calc_hauptroutine, 1,
     "p2_deco: 0.800 < pres_respiration && pres_respiration < 14.0"},
    {"tissues cleared before any ambient pressure",
     [] { int_I_pres_respiration = 0; }, deco_clear_tissue, 1,
     "p2_deco: 0.800 < pres_respiration && pres_respiration < 14.0"},
    {"desaturation at 800 mbar",
     [] { int_I_pres_surface = 800; }, deco_calc_desaturation_time, 1,
     "p2_deco: 800 < int_I_pres_surface && int_I_pres_surface < 1100"},
    {"desaturation at 1100 mbar",
     [] { int_I_pres_surface = 1100; }, deco_calc_desaturation_time, 1,
     "p2_deco: 800 < int_I_pres_surface && int_I_pres_surface < 1100"},
    {"surface minute at 750 mbar",
     [] { int_I_pres_surface = 750; setDepth(0); }, deco_calc_wo_deco_step_1_min, 1,
     "p2_deco: 800 < int_I_pres_surface && int_I_pres_surface < 1100"},
    {"surface minute under water",
     [] { setDepth(40); }, deco_calc_wo_deco_step_1_min, 1,
     "p2_deco: 800 < int_I_pres_respiration && int_I_pres_respiration < 1100"},
    {"breathing 4 % oxygen",
     [] { char_I_N2_ratio = 96; }, deco_calc_hauptroutine, 1,
     "p2_deco: (N2_ratio + He_ratio) <= 0.95"},
    {"breathing 3/97 heliox",
     [] { char_I_N2_ratio = 0; char_I_He_ratio = 97; }, deco_calc_hauptroutine, 1,
     "p2_deco: (N2_ratio + He_ratio) <= 0.95"},
    {"switch gas with 96 % nitrogen",
     [] { char_I_deco_N2_ratio[1] = 96; char_I_deco_gas_change[1] = 21; }, deco_calc_hauptroutine, 200,
     "p2_deco: 0.0 <= calc_N2_ratio && calc_N2_ratio <= 0.95"},
    {"switch gas with 96 % helium",
     [] { char_I_deco_He_ratio[1] = 96; char_I_deco_gas_change[1] = 21; }, deco_calc_hauptroutine, 200,
     "p2_deco: 0.0 <= calc_He_ratio && calc_He_ratio <= 0.95"},
    {"125 m on 5/0",
     [] { char_I_N2_ratio = 95; setDepth(125); }, deco_calc_hauptroutine, 1,
     "p2_deco: 0.00 <= ppN2 && ppN2 < 11.2"},
    {"125 m on 5/95",
     [] { char_I_N2_ratio = 0; char_I_He_ratio = 95; setDepth(125); }, deco_calc_hauptroutine, 1,
     "p2_deco: 0.00 <= ppHe && ppHe < 12.6"},
    {"tissues nearly empty: no compartment has a ceiling",
     [] {
         for (int c = 0; c < NUM_COMP; ++c) {
             pres_tissue_N2[c] = 0.01f;
             pres_tissue_He[c] = 0;
         }
     },
     deco_calc_hauptroutine, 1, "p2_deco: char_O_gtissue_no < NUM_COMP"},
    {"CNS step on a hypoxic gas near the surface",
     [] { char_I_actual_ppO2 = 15; }, deco_calc_CNS_fraction, 1,
     "p2_deco: char_I_actual_ppO2 > 15"},
    {"CNS forecast of 10 % oxygen at the shallow stops",
     [] { char_I_deco_N2_ratio[0] = 40; char_I_deco_He_ratio[0] = 50; char_I_bottom_depth = 40; },
     deco_calc_CNS_planning, 1, "p2_deco: char_I_actual_ppO2 > 15"},
    {"CNS forecast of a switch stop shorter than the switch delay",
     [] {
         // The published plan was made before the delay grew from 1 to 3 minutes.
         eeprom.cf(55).value = 3;
         char_I_deco_N2_ratio[1] = 50;
         char_I_deco_gas_change[1] = 21;
         char_I_deco_N2_ratio[2] = 0;
         char_I_deco_gas_change[2] = 6;
         deco_calc_hauptroutine();
         std::memset(char_O_deco_depth, 0, sizeof char_O_deco_depth);
         std::memset(char_O_deco_time, 0, sizeof char_O_deco_time);
         char_O_deco_depth[0] = 21 | DECO_STOP_SWITCH_FLAG;
         char_O_deco_time[0] = 1;
         char_O_deco_depth[1] = 6 | DECO_STOP_SWITCH_FLAG;
         char_O_deco_time[1] = 3;
         char_I_bottom_depth = 40;
     },
     deco_calc_CNS_planning, 1, "p2_deco: sim_gas_delay <= sim_dive_mins"},
    {"replayed gas number 7",
     [] { char_I_current_gas = 7; }, deco_calc_hauptroutine, 200,
     "p2_deco: 0 < char_I_current_gas && char_I_current_gas <= (NUM_GAS+1)"},
    {"saturation multiplier 99 %",
     [] { char_I_saturation_multiplier = 99; }, deco_calc_hauptroutine, 1,
     "p2_deco: 1.0 <= float_saturation_multiplier && float_saturation_multiplier <= 2.0"},
    {"desaturation multiplier 0 % at the surface",
     [] { char_I_desaturation_multiplier = 0; }, deco_calc_desaturation_time, 1,
     "p2_deco: 0 < char_I_desaturation_multiplier && char_I_desaturation_multiplier <= 100"},
    {"surface minute with saturation multiplier 200 %",
     [] { char_I_saturation_multiplier = 200; setDepth(0); }, deco_calc_wo_deco_step_1_min, 1,
     "p2_deco: 100 <= char_I_saturation_multiplier && char_I_saturation_multiplier < 200"},
    {"gas volumes without a first gas",
     [] { char_I_first_gas = 0; }, deco_gas_volumes, 1,
     "p2_deco: 1 <= char_I_first_gas && char_I_first_gas <= NUM_GAS"},
    {"no-fly share of 59 %",
     [] { int_I_temp = 100; char_I_temp = 59; }, deco_calc_percentage, 1,
     "p2_deco: 60 <= char_I_temp && char_I_temp <= 100"},
    {"no-fly share of 5760 minutes",
     [] { int_I_temp = 5760; char_I_temp = 60; }, deco_calc_percentage, 1,
     "p2_deco: int_I_temp < 5760"},
};

// The published plan as the diver reads it: stops deepest first, switch stops starred, then the TTS.
QString publishedPlan()
{
    QStringList stops;
    for (int i = 0; i < NUM_STOPS && char_O_deco_time[i] != 0; ++i)
        stops << QString("%1%2:%3")
                     .arg(char_O_deco_depth[i] & 0x7F)
                     .arg(char_O_deco_depth[i] & DECO_STOP_SWITCH_FLAG ? "*" : "")
                     .arg(char_O_deco_time[i]);
    return QString("%1 TTS %2").arg(stops.join(' ')).arg(int_O_ascenttime);
}

QList<int> switchStops(const QString& plan)
{
    QList<int> depths;
    QRegularExpressionMatchIterator it = QRegularExpression("(\\d+)\\*:").globalMatch(plan);
    while (it.hasNext())
        depths << it.next().captured(1).toInt();
    return depths;
}

QString firstDifference(const QStringList& actual, const QStringList& expected)
{
    for (int i = 0; i < qMax(actual.size(), expected.size()); ++i) {
        const QString a = actual.value(i, "(none)");
        const QString e = expected.value(i, "(none)");
        if (a != e)
            return QString("at %1: %2, expected %3").arg(i).arg(a, e);
    }
    return QString();
}

// At the bottom for the given minutes, then until the plan being computed is published.
void stayAtBottomFor(int minutes, int& diveTime)
{
    for (int i = 0; i < minutes * 30 || char_O_deco_status != DECO_STATUS_DONE; ++i)
        diveStep(diveTime);
}

// What the diver meets from here on: the plan one minute later and ten minutes later at the
// bottom, every plan made on the way up, and the time of surfacing.
QStringList restOfDive(const DiveSetup& dive, int diveTime)
{
    QStringList seen;
    stayAtBottomFor(1, diveTime);
    seen << publishedPlan();
    stayAtBottomFor(9, diveTime);
    seen << publishedPlan();
    unsigned char status = char_O_deco_status;
    ascendToSurface(dive, diveTime, [&] {
        if (status != DECO_STATUS_DONE && char_O_deco_status == DECO_STATUS_DONE && char_O_nullzeit == 0)
            seen << publishedPlan();
        status = char_O_deco_status;
    });
    seen << QString("surfaced after %1 s").arg(diveTime);
    return seen;
}

// 72 m on 18/45 with 50 % from 21 m and oxygen from 6 m, 40 minutes in: the next main step
// continues a plan whose simulated ascent has taken the 50 % at 21 m but not yet the oxygen.
int reachPlanPastFirstSwitch(const DiveSetup& dive)
{
    startDive(dive);
    int diveTime = 0;
    while (diveTime < 40 * 60 || char_O_deco_status != DECO_STATUS_RUNNING || char_O_deco_last_stop <= 6
           || char_O_deco_last_stop > 21)
        diveStep(diveTime);
    return diveTime;
}

struct SkipCase {
    const char* name;
    bool clearPending;    // the caller has just written status 3
    bool cnsStep;         // the refused call is the CNS step after the step's main call
    void (*breakInput)();
    const char* text;
};

const SkipCase skipCases[] = {
    {"main step refused mid-plan", false, false, [] { char_I_N2_ratio = 96; char_I_He_ratio = 0; },
     "p2_deco: (N2_ratio + He_ratio) <= 0.95"},
    {"planner refused mid-plan", false, false, [] { char_I_deco_N2_ratio[1] = 96; },
     "p2_deco: 0.0 <= calc_N2_ratio && calc_N2_ratio <= 0.95"},
    {"CNS step refused mid-plan", false, true, [] { char_I_actual_ppO2 = 15; },
     "p2_deco: char_I_actual_ppO2 > 15"},
    {"main step refused while a clear is pending", true, false, [] { char_I_N2_ratio = 96; char_I_He_ratio = 0; },
     "p2_deco: (N2_ratio + He_ratio) <= 0.95"},
};

}

class TestDecoRefusals : public QObject {
    Q_OBJECT

private slots:
    void refusalChangesNothing_data();
    void refusalChangesNothing();
    void diveAfterRefusalIsDiveWithoutTheStep_data();
    void diveAfterRefusalIsDiveWithoutTheStep();
};

void TestDecoRefusals::refusalChangesNothing_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(sizeof refusalCases / sizeof refusalCases[0]); ++i)
        QTest::newRow(refusalCases[i].name) << i;
}

// The status too: a plan being computed goes on with the next call.
void TestDecoRefusals::refusalChangesNothing()
{
    QFETCH(int, index);
    const RefusalCase& c = refusalCases[index];
    prepareDive();
    QVERIFY(char_O_first_deco_depth > 0);
    c.breakInput();

    const Refusal refusal = callUntilRefused(c.entry, c.maxCalls);
    QCOMPARE(refusal.text, QString::fromLatin1(c.text));
    QCOMPARE(refusal.changed, QString());
}

void TestDecoRefusals::diveAfterRefusalIsDiveWithoutTheStep_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(sizeof skipCases / sizeof skipCases[0]); ++i)
        QTest::newRow(skipCases[i].name) << i;
}

// A refused call in the middle of a plan, once its input is repaired, leaves the dive exactly as
// the same dive in which that call was never made: the same stop tables, switch stops and TTS at
// the bottom and all the way up. The deco gases stay in every later plan.
void TestDecoRefusals::diveAfterRefusalIsDiveWithoutTheStep()
{
    QFETCH(int, index);
    const SkipCase& c = skipCases[index];
    const DiveSetup dive = trimixDive();
    eeprom = VARN_eeprom();

    int diveTime = reachPlanPastFirstSwitch(dive);
    if (c.clearPending)
        char_O_deco_status = DECO_STATUS_CLEAR;
    if (c.cnsStep)
        deco_calc_hauptroutine();
    c.breakInput();
    QCOMPARE(thrownText(c.cnsStep ? deco_calc_CNS_fraction : deco_calc_hauptroutine), QString::fromLatin1(c.text));
    setupEngine(dive);
    setDepth(float(dive.depth));
    if (c.cnsStep)
        diveTime += 2;
    const QStringList afterRefusal = restOfDive(dive, diveTime);

    diveTime = reachPlanPastFirstSwitch(dive);
    if (c.clearPending)
        char_O_deco_status = DECO_STATUS_CLEAR;
    if (c.cnsStep) {
        deco_calc_hauptroutine();
        diveTime += 2;
    }
    const QStringList withoutStep = restOfDive(dive, diveTime);

    QCOMPARE(afterRefusal[1], withoutStep[1]);
    QCOMPARE(afterRefusal[0], withoutStep[0]);
    QVERIFY2(afterRefusal == withoutStep, qPrintable(firstDifference(afterRefusal, withoutStep)));
    QCOMPARE(switchStops(afterRefusal[0]), (QList<int>{21, 6}));
    QCOMPARE(switchStops(afterRefusal[1]), (QList<int>{21, 6}));
}

QTEST_APPLESS_MAIN(TestDecoRefusals)
#include "tst_deco_refusals.moc"
