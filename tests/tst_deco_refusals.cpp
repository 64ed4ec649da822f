// Orderly refusals of the decompression engine: an entry point whose input breaks one of its
// conditions throws "p2_deco: <condition>", sets the status to 0 and changes nothing else, so the
// dive can go on as if the call had not been made.

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
    bool statusDone;     // char_O_deco_status was 0 after it
    int calls;           // calls made, the refused one included
};

// Calls an entry point until it refuses (at most maxCalls times) and checks the refused call.
Refusal callUntilRefused(void (*entry)(), int maxCalls = 1)
{
    Refusal refusal{QString(), QString(), false, 0};
    while (refusal.calls < maxCalls && refusal.text.isNull()) {
        const QByteArray before = engineState();
        const unsigned char status = char_O_deco_status;
        ++refusal.calls;
        refusal.text = thrownText(entry);
        if (!refusal.text.isNull()) {
            const unsigned char statusAfter = char_O_deco_status;
            refusal.statusDone = statusAfter == DECO_STATUS_DONE;
            char_O_deco_status = status;
            refusal.changed = changedVariable(before);
            char_O_deco_status = statusAfter;
        }
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

// The dive goes on for a few minutes at the bottom and until its plan is done.
QByteArray continueDive(int diveTime)
{
    for (int i = 0; i < 5 * 30 || char_O_deco_status != DECO_STATUS_DONE; ++i)
        diveStep(diveTime);
    return engineState();
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

const RefusalCase& refusalCase(const QString& name)
{
    for (const RefusalCase& c : refusalCases)
        if (name == QLatin1String(c.name))
            return c;
    qFatal("no refusal case %s", qPrintable(name));
}

}

class TestDecoRefusals : public QObject {
    Q_OBJECT

private slots:
    void refusalChangesNothing_data();
    void refusalChangesNothing();
    void refusedStepLeavesPlannerState_data();
    void refusedStepLeavesPlannerState();
    void refusalEndsCallersLoop();
};

void TestDecoRefusals::refusalChangesNothing_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(sizeof refusalCases / sizeof refusalCases[0]); ++i)
        QTest::newRow(refusalCases[i].name) << i;
}

void TestDecoRefusals::refusalChangesNothing()
{
    QFETCH(int, index);
    const RefusalCase& c = refusalCases[index];
    prepareDive();
    QVERIFY(char_O_first_deco_depth > 0);
    c.breakInput();

    const Refusal refusal = callUntilRefused(c.entry, c.maxCalls);
    QCOMPARE(refusal.text, QString::fromLatin1(c.text));
    QVERIFY(refusal.statusDone);
    QCOMPARE(refusal.changed, QString());
}

void TestDecoRefusals::refusedStepLeavesPlannerState_data()
{
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<int>("gasO2");  // switch gas from 21 m after the repair, 0 = none
    QTest::newRow("real step refused mid-plan") << "breathing 4 % oxygen" << 0;
    QTest::newRow("switch gas refused mid-plan") << "switch gas with 96 % nitrogen" << 50;
    QTest::newRow("CNS forecast refused") << "CNS forecast of 10 % oxygen at the shallow stops" << 0;
}

// The planner's own state (stop table being built, simulated gas, slope anchor) survives a
// refused call: after repairing the input the dive ends exactly as if that call had been skipped
// (with the status set to 0, as a refusal sets it).
void TestDecoRefusals::refusedStepLeavesPlannerState()
{
    QFETCH(QString, refusal);
    QFETCH(int, gasO2);
    const RefusalCase& c = refusalCase(refusal);
    auto repair = [gasO2] {
        char_I_N2_ratio = 79;
        char_I_He_ratio = 0;
        char_I_deco_N2_ratio[0] = 79;
        char_I_deco_He_ratio[0] = 0;
        char_I_deco_N2_ratio[1] = (unsigned char)(gasO2 ? 100 - gasO2 : 0);
        char_I_deco_He_ratio[1] = 0;
        char_I_deco_gas_change[1] = (unsigned char)(gasO2 ? 21 : 0);
    };

    int diveTime = prepareDive();
    c.breakInput();
    const Refusal refused = callUntilRefused(c.entry, c.maxCalls);
    QCOMPARE(refused.text, QString::fromLatin1(c.text));
    const int stepsBefore = c.entry == deco_calc_hauptroutine ? refused.calls - 1 : 0;
    diveTime += 2 * stepsBefore;
    repair();
    const QByteArray afterRefusal = continueDive(diveTime);

    diveTime = prepareDive();
    repair();
    for (int i = 0; i < stepsBefore; ++i)
        deco_calc_hauptroutine();
    diveTime += 2 * stepsBefore;
    char_O_deco_status = DECO_STATUS_DONE;
    continueDive(diveTime);

    QCOMPARE(changedVariable(afterRefusal), QString());
}

// A caller stepping "until the status is 0" stops after a refusal, even mid-plan.
void TestDecoRefusals::refusalEndsCallersLoop()
{
    prepareDive();
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_RUNNING);
    char_I_N2_ratio = 96;
    int calls = 0;
    QString text;
    while (char_O_deco_status != DECO_STATUS_DONE && calls < 10) {
        ++calls;
        text = thrownText(deco_calc_hauptroutine);
    }
    QCOMPARE(calls, 1);
    QCOMPARE(text, QString("p2_deco: (N2_ratio + He_ratio) <= 0.95"));
}

QTEST_APPLESS_MAIN(TestDecoRefusals)
#include "tst_deco_refusals.moc"
