// Stop planner of the decompression engine: whole plans checked for their invariants, last stop,
// gas-switch stops, publication order, long stops, full tables and future time to surface.

#include "decodive.h"
#include "testutil.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct Stop {
    int depth;
    bool flagged;
    int minutes;
};

QVector<Stop> publishedStops()
{
    QVector<Stop> stops;
    for (int i = 0; i < NUM_STOPS && char_O_deco_time[i] != 0; ++i)
        stops.append(Stop{char_O_deco_depth[i] & 0x7F, (char_O_deco_depth[i] & DECO_STOP_SWITCH_FLAG) != 0, char_O_deco_time[i]});
    return stops;
}

QString describe(const QVector<Stop>& stops)
{
    QStringList parts;
    for (const Stop& s : stops)
        parts << QString("%1%2:%3").arg(s.depth).arg(s.flagged ? "*" : "").arg(s.minutes);
    return parts.join(' ');
}

int stopMinutes(const QVector<Stop>& stops)
{
    int sum = 0;
    for (const Stop& s : stops)
        sum += s.minutes;
    return sum;
}

// Climbing time of the time to surface: 1 minute per bar of ambient overpressure, plus 0.7, rounded up.
int ascentMinutes()
{
    const float ambient = float(int_I_pres_respiration * 0.001);
    const float surface = float(int_I_pres_surface * 0.001);
    float ascent = float(ambient - surface + 0.7);
    if (ascent < 0)
        ascent = 0;
    return int(ascent + 0.99);
}

bool isChangeDepth(const DiveSetup& dive, int depth)
{
    for (int i = 0; i < dive.gasCount; ++i)
        if (dive.gases[i].changeDepth == depth)
            return true;
    return false;
}

QList<int> flaggedDepths()
{
    QList<int> depths;
    for (const Stop& s : publishedStops())
        if (s.flagged)
            depths << s.depth;
    return depths;
}

// The published plan of a finished computation, deepest first (custom function 54 clear).
void checkPlan(const DiveSetup& dive, bool stopsExpected = true)
{
    const QVector<Stop> stops = publishedStops();
    const QByteArray plan = describe(stops).toLatin1();
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_DONE);
    QVERIFY2(!stopsExpected || !stops.isEmpty(), "a decompression plan was expected");
    if (!stops.isEmpty())
        QCOMPARE(char_O_nullzeit, (unsigned char)0);
    QCOMPARE(char_O_deco_table_truncated, (unsigned char)0);
    QCOMPARE(int(char_O_first_deco_depth), stops.isEmpty() ? 0 : stops[0].depth);
    QCOMPARE(int(char_O_first_deco_time), stops.isEmpty() ? 0 : stops[0].minutes);
    for (int i = stops.size(); i < NUM_STOPS; ++i) {
        QCOMPARE(char_O_deco_depth[i], (unsigned char)0);
        QCOMPARE(char_O_deco_time[i], (unsigned char)0);
    }

    const float depthNow = (int_I_pres_respiration - int_I_pres_surface) / 99.85f;
    for (int i = 0; i < stops.size(); ++i) {
        const Stop& s = stops[i];
        QVERIFY2(s.depth > 0 && s.depth <= int(depthNow + 0.5f), plan);
        QVERIFY2(s.minutes >= 1 && s.minutes <= 255, plan);
        const bool onGrid = s.depth % 3 == 0 || s.depth == dive.lastStop;
        QVERIFY2(onGrid || (s.flagged && isChangeDepth(dive, s.depth)), plan);
        if (i > 0) {
            QVERIFY2(s.depth <= stops[i - 1].depth, plan);
            QVERIFY2(s.depth < stops[i - 1].depth || stops[i - 1].minutes == 255, plan);
        }
    }
    QCOMPARE(int(int_O_ascenttime), ascentMinutes() + stopMinutes(stops));
}

DiveSetup airDive()
{
    return DiveSetup();
}

DiveSetup nitroxDive()
{
    DiveSetup dive;
    dive.depth = 50;
    dive.bottomTime = 40;
    dive.gases[0] = {32, 0, 0};
    return dive;
}

DiveSetup withLastStop(DiveSetup dive, int lastStop)
{
    dive.lastStop = lastStop;
    return dive;
}

DiveSetup zhl16(DiveSetup dive)
{
    dive.gradientFactors = false;
    return dive;
}

DiveSetup at(DiveSetup dive, int depth, int minutes)
{
    dive.depth = depth;
    dive.bottomTime = minutes;
    return dive;
}

DiveSetup withGas(DiveSetup dive, const DiveGas& gas)
{
    dive.gases[dive.gasCount++] = gas;
    return dive;
}

}

Q_DECLARE_METATYPE(DiveSetup)

class TestDecoPlanner : public QObject {
    Q_OBJECT

private slots:
    void init();

    void planInvariants_data();
    void planInvariants();
    void replanningDuringAscent_data();
    void replanningDuringAscent();
    void timeToSurfaceWithoutStops();
    void noStopTimePublishesEmptyTable();
    void firstStopAtThreeMetresMovesToLastStop();
    void switchStops_data();
    void switchStops();
    void gasWithoutSwitchDepthIsNeverTaken();
    void closedCircuitNeverSwitches();
    void shallowestFirst_data();
    void shallowestFirst();
    void longStopSplits();
    void fullTableKeepsTimeToSurface();
    void neverClearingStopEndsPlan();
    void futureTimeToSurface();
    void clearRestartsPlanAndSlopeAnchor();
    void planComputedInSlices_data();
    void planComputedInSlices();
    void statusOutsideMachineIsDone_data();
    void statusOutsideMachineIsDone();
};

void TestDecoPlanner::init()
{
    eeprom = VARN_eeprom();
}

void TestDecoPlanner::planInvariants_data()
{
    QTest::addColumn<DiveSetup>("dive");
    QTest::addColumn<int>("switchDelay");

    QTest::newRow("air 40 m 30 min GF 30/85") << airDive() << 0;
    QTest::newRow("air, last stop 6 m") << withLastStop(airDive(), 6) << 0;
    QTest::newRow("air, last stop 4 m") << withLastStop(airDive(), 4) << 0;
    QTest::newRow("air 50 m 120 min, stops over 255 min") << at(airDive(), 50, 120) << 0;
    QTest::newRow("trimix with two deco gases") << trimixDive() << 0;
    QTest::newRow("trimix, switch delay 3") << trimixDive() << 3;
    QTest::newRow("50 % from 22 m, switch delay 3") << withGas(at(airDive(), 50, 30), {50, 0, 22}) << 3;
    QTest::newRow("nitrox 32 and O2, last stop 6") << withLastStop(withGas(nitroxDive(), {100, 0, 6}), 6) << 2;
    QTest::newRow("ZH-L16 air 72 m 41 min") << zhl16(at(airDive(), 72, 41)) << 0;
    QTest::newRow("ZH-L16 trimix") << zhl16(trimixDive()) << 0;
    QTest::newRow("ZH-L16 trimix, switch delay 2") << zhl16(trimixDive()) << 2;
}

void TestDecoPlanner::planInvariants()
{
    QFETCH(DiveSetup, dive);
    QFETCH(int, switchDelay);
    eeprom.cf(55).value = switchDelay;

    diveToFinalPlan(dive);
    checkPlan(dive);
    if (QTest::currentTestFailed())
        return;

    // The CNS forecast walks the plan's switch stops without refusing one.
    char_I_bottom_depth = (unsigned char)dive.depth;
    deco_push_tissues_to_vault();
    QCOMPARE(thrownText(deco_calc_CNS_planning), QString());
    deco_pull_tissues_from_vault();

    // A switch delay holds a flagged stop of at least that long at every switch depth passed.
    if (switchDelay > 0 && dive.setpoint == 0) {
        for (int g = 1; g < dive.gasCount; ++g) {
            bool found = false;
            for (const Stop& s : publishedStops())
                found = found || (s.flagged && s.depth == dive.gases[g].changeDepth && s.minutes >= switchDelay);
            QVERIFY2(found, qPrintable(describe(publishedStops())));
        }
    }
}

void TestDecoPlanner::replanningDuringAscent_data()
{
    QTest::addColumn<DiveSetup>("dive");
    QTest::addColumn<int>("switchDelay");

    QTest::newRow("air 40 m 30 min GF 30/85") << airDive() << 0;
    QTest::newRow("trimix with two deco gases") << trimixDive() << 0;
    QTest::newRow("trimix, switch delay 2") << trimixDive() << 2;
    QTest::newRow("ZH-L16 air 72 m 41 min") << zhl16(at(airDive(), 72, 41)) << 0;
}

// The engine keeps replanning while the diver climbs and waits at the first stop: every plan
// finished on the way must keep the invariants, and the diver must reach the surface. Near the
// end a plan may find no stop although the no-stop time is 0 (still loading at the last stop).
void TestDecoPlanner::replanningDuringAscent()
{
    QFETCH(DiveSetup, dive);
    QFETCH(int, switchDelay);
    eeprom.cf(55).value = switchDelay;

    int diveTime = diveToFinalPlan(dive);
    float depth = dive.depth;
    int gas = 1;
    int plans = 0;
    while (depth > 0.05f && diveTime <= 29999) {
        const int best = bestGas(dive, depth);
        if (best != gas) {
            gas = best;
            switchGas(dive, gas);
            setDepth(depth);
        }
        if (depth > char_O_first_deco_depth) {
            depth = qMax(depth - 10 / 30.0f, float(char_O_first_deco_depth));
            setDepth(depth);
        }
        const unsigned char before = char_O_deco_status;
        diveStep(diveTime);
        if (before != DECO_STATUS_DONE && char_O_deco_status == DECO_STATUS_DONE && char_O_nullzeit == 0) {
            ++plans;
            checkPlan(dive, false);
            if (QTest::currentTestFailed())
                return;
        }
    }
    QVERIFY(depth <= 0.05f);
    QVERIFY(plans > 10);
}

void TestDecoPlanner::timeToSurfaceWithoutStops()
{
    DiveSetup dive = at(airDive(), 40, 2);
    diveToFinalPlan(dive);
    QVERIFY(char_O_nullzeit > 0);

    int diveTime = 120;
    char_O_deco_status = DECO_STATUS_START;
    while (char_O_deco_status != DECO_STATUS_DONE)
        diveStep(diveTime);
    QCOMPARE(int_O_ascenttime, (unsigned short)5);  // truncate(3.994 + 0.7 + 0.99)
    QVERIFY(publishedStops().isEmpty());
}

void TestDecoPlanner::noStopTimePublishesEmptyTable()
{
    diveToFinalPlan(airDive());
    QVERIFY(!publishedStops().isEmpty());

    setDepth(0);
    deco_clear_tissue();
    setDepth(10);
    int diveTime = 0;
    diveStep(diveTime);
    QVERIFY(char_O_nullzeit > 0);
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_DONE);
    for (int i = 0; i < NUM_STOPS; ++i) {
        QCOMPARE(char_O_deco_depth[i], (unsigned char)0);
        QCOMPARE(char_O_deco_time[i], (unsigned char)0);
    }
    QCOMPARE(char_O_first_deco_depth, (unsigned char)0);
    QCOMPARE(char_O_first_deco_time, (unsigned char)0);
}

// 30 m for 18 minutes needs a single stop at 3 m; with the last stop at 6 m it is made at 6 m.
void TestDecoPlanner::firstStopAtThreeMetresMovesToLastStop()
{
    const DiveSetup dive = at(airDive(), 30, 18);
    diveToFinalPlan(dive);
    QCOMPARE(publishedStops().size(), 1);
    QCOMPARE(publishedStops()[0].depth, 3);

    diveToFinalPlan(withLastStop(dive, 6));
    QCOMPARE(publishedStops().size(), 1);
    QCOMPARE(publishedStops()[0].depth, 6);
    QVERIFY(int_O_ascenttime > 0);
}

void TestDecoPlanner::switchStops_data()
{
    QTest::addColumn<DiveSetup>("dive");
    QTest::addColumn<int>("switchDelay");
    QTest::addColumn<QList<int>>("flagged");

    // Without a delay a stop is flagged only when it begins at a switch.
    QTest::newRow("trimix, no delay: stops begin at both switches") << trimixDive() << 0 << QList<int>{21, 6};
    QTest::newRow("air and 50 %, no delay: switch while climbing") << withGas(airDive(), {50, 0, 21}) << 0 << QList<int>{};
    QTest::newRow("air and 50 %, delay 2") << withGas(airDive(), {50, 0, 21}) << 2 << QList<int>{21};
    QTest::newRow("50 % from 20 m, no delay: first stop above it") << withGas(at(airDive(), 50, 30), {50, 0, 20}) << 0 << QList<int>{18};
    QTest::newRow("50 % from 22 m, delay 3: off the 3 m grid") << withGas(at(airDive(), 50, 30), {50, 0, 22}) << 3 << QList<int>{22};
    QTest::newRow("ZH-L16 trimix, no delay") << zhl16(trimixDive()) << 0 << QList<int>{21, 6};
}

void TestDecoPlanner::switchStops()
{
    QFETCH(DiveSetup, dive);
    QFETCH(int, switchDelay);
    QFETCH(QList<int>, flagged);
    eeprom.cf(55).value = switchDelay;

    diveToFinalPlan(dive);
    checkPlan(dive);
    QCOMPARE(flaggedDepths(), flagged);
    for (const Stop& s : publishedStops())
        QVERIFY(!s.flagged || s.minutes >= switchDelay);
}

// A switch depth of 0 means "not offered": such a gas is never taken, at any depth.
void TestDecoPlanner::gasWithoutSwitchDepthIsNeverTaken()
{
    eeprom.cf(55).value = 2;
    diveToFinalPlan(airDive());
    const QByteArray plan = describe(publishedStops()).toLatin1();
    const unsigned short tts = int_O_ascenttime;

    diveToFinalPlan(withGas(airDive(), {100, 0, 0}));
    QCOMPARE(describe(publishedStops()).toLatin1(), plan);
    QCOMPARE(int_O_ascenttime, tts);
}

void TestDecoPlanner::closedCircuitNeverSwitches()
{
    eeprom.cf(55).value = 2;
    DiveSetup ccr = airDive();
    ccr.setpoint = 130;
    diveToFinalPlan(ccr);
    checkPlan(ccr);
    const QByteArray plan = describe(publishedStops()).toLatin1();

    diveToFinalPlan(withGas(withGas(ccr, {50, 0, 21}), {100, 0, 6}));
    QCOMPARE(describe(publishedStops()).toLatin1(), plan);
    QVERIFY(flaggedDepths().isEmpty());
}

void TestDecoPlanner::shallowestFirst_data()
{
    QTest::addColumn<int>("cf54");
    QTest::addColumn<bool>("reversed");
    QTest::newRow("1") << 1 << true;
    QTest::newRow("3: bit 0 set") << 3 << true;
    QTest::newRow("2: bit 0 clear") << 2 << false;
}

// Custom function 54 turns the published table around; the deepest stop, the time to surface,
// the CNS forecast and the gas volumes stay the same.
void TestDecoPlanner::shallowestFirst()
{
    QFETCH(int, cf54);
    QFETCH(bool, reversed);
    const DiveSetup dive = trimixDive();
    char_I_bottom_time = (unsigned char)dive.bottomTime;

    auto planWithForecast = [&](int value) {
        eeprom.cf(54).value = value;
        diveToFinalPlan(dive);
        deco_push_tissues_to_vault();
        char_I_bottom_depth = (unsigned char)dive.depth;
        deco_calc_CNS_planning();
        const int forecast = char_O_CNS_fraction;
        deco_pull_tissues_from_vault();
        deco_gas_volumes();
        return forecast;
    };

    const int forecast = planWithForecast(0);
    const QVector<Stop> deepestFirst = publishedStops();
    const unsigned char firstDepth = char_O_first_deco_depth;
    const unsigned char firstTime = char_O_first_deco_time;
    const unsigned short tts = int_O_ascenttime;
    unsigned short volumes[NUM_GAS];
    std::memcpy(volumes, int_O_gas_volumes, sizeof volumes);

    QCOMPARE(planWithForecast(cf54), forecast);
    QVector<Stop> published = publishedStops();
    QCOMPARE(published.size(), deepestFirst.size());
    if (reversed)
        std::reverse(published.begin(), published.end());
    QCOMPARE(describe(published), describe(deepestFirst));
    QCOMPARE(char_O_first_deco_depth, firstDepth);
    QCOMPARE(char_O_first_deco_time, firstTime);
    QCOMPARE(int_O_ascenttime, tts);
    for (int i = 0; i < NUM_GAS; ++i)
        QCOMPARE(int_O_gas_volumes[i], volumes[i]);
}

// A stop needing more than 255 minutes continues in the next entry at the same depth.
void TestDecoPlanner::longStopSplits()
{
    diveToFinalPlan(at(airDive(), 50, 120));
    const QVector<Stop> stops = publishedStops();
    int atLastStop = 0;
    int entries = 0;
    for (const Stop& s : stops) {
        if (s.depth == 3) {
            atLastStop += s.minutes;
            ++entries;
        }
    }
    QVERIFY2(atLastStop > 255, qPrintable(describe(stops)));
    QCOMPARE(entries, (atLastStop + 254) / 255);
    QCOMPARE(stops.last().depth, 3);
    QCOMPARE(stops[stops.size() - entries].minutes, 255);
}

// More stops than the 32 entries hold: the table shows the deepest 32 and is marked truncated,
// while the time to surface still counts every stop of the plan.
void TestDecoPlanner::fullTableKeepsTimeToSurface()
{
    DiveSetup dive = at(airDive(), 125, 20);
    dive.gases[0] = {10, 70, 0};
    dive.gfLow = 5;
    diveToFinalPlan(dive);

    const QVector<Stop> stops = publishedStops();
    QCOMPARE(stops.size(), NUM_STOPS);
    QCOMPARE(char_O_deco_table_truncated, (unsigned char)1);
    QVERIFY2(int_O_ascenttime > ascentMinutes() + stopMinutes(stops), qPrintable(describe(stops)));
    for (int i = 1; i < stops.size(); ++i)
        QVERIFY(stops[i].depth <= stops[i - 1].depth);

    // The next plan that fits clears the mark.
    int diveTime = 0;
    char_O_deco_status = DECO_STATUS_CLEAR;
    diveStep(diveTime);
    QCOMPARE(char_O_deco_table_truncated, (unsigned char)0);
}

// On air, a last stop at 6 m and GF high 30 % the 6 m stop never clears: the plan ends after a
// full table's worth of stop minutes instead of running forever, and says it is incomplete.
void TestDecoPlanner::neverClearingStopEndsPlan()
{
    DiveSetup dive = withLastStop(airDive(), 6);
    dive.gfHigh = 30;
    startDive(dive);
    int diveTime = 0;
    for (int t = 0; t < dive.bottomTime * 60; t += 2)
        diveStep(diveTime);
    int calls = 0;
    while (char_O_deco_status != DECO_STATUS_DONE && calls < 1000) {
        diveStep(diveTime);
        ++calls;
    }
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_DONE);
    QCOMPARE(char_O_deco_table_truncated, (unsigned char)1);
    QCOMPARE(int(int_O_ascenttime), ascentMinutes() + NUM_STOPS * 255);
    const QVector<Stop> stops = publishedStops();
    QCOMPARE(stops.size(), NUM_STOPS);
    QCOMPARE(stops.last().depth, 6);
    QCOMPARE(stops.last().minutes, 255);
}

// A future-time plan stays the extra minutes at the bottom first, publishes nothing but
// int_O_extra_ascenttime, and matches the plan made that many minutes later.
void TestDecoPlanner::futureTimeToSurface()
{
    const DiveSetup dive = airDive();
    int diveTime = diveToFinalPlan(dive);
    const QByteArray plan = describe(publishedStops()).toLatin1();
    const unsigned short tts = int_O_ascenttime;
    eeprom.cf(58).value = 5;

    deco_push_tissues_to_vault();
    int futureTime = diveTime;
    char_O_deco_status = DECO_STATUS_EXTRA_TIME | DECO_STATUS_START;
    diveStep(futureTime);
    QCOMPARE(char_O_deco_status, (unsigned char)(DECO_STATUS_EXTRA_TIME | DECO_STATUS_RUNNING));
    while (char_O_deco_status != DECO_STATUS_DONE)
        diveStep(futureTime);
    QCOMPARE(describe(publishedStops()).toLatin1(), plan);
    QCOMPARE(int_O_ascenttime, tts);
    const unsigned short future = int_O_extra_ascenttime;
    QVERIFY(future > tts);
    deco_pull_tissues_from_vault();

    for (int i = 0; i < 5 * 30; ++i)
        diveStep(diveTime);
    char_O_deco_status = DECO_STATUS_START;
    while (char_O_deco_status != DECO_STATUS_DONE)
        diveStep(diveTime);
    QVERIFY2(std::abs(int(int_O_ascenttime) - int(future)) <= 1,
             qPrintable(QString("future %1, five minutes later %2").arg(future).arg(int_O_ascenttime)));
}

// Status 3 clears the plan and, alone, the anchor of the gradient-factor slope: deeper than the
// deepest first stop the allowed factor is GF low, with no anchor it is GF high.
void TestDecoPlanner::clearRestartsPlanAndSlopeAnchor()
{
    const DiveSetup dive = airDive();
    int diveTime = diveToFinalPlan(dive);
    const QByteArray plan = describe(publishedStops()).toLatin1();
    auto relativeTo = [](int gfPercent) {
        return qMin(255, int(char_O_gradient_factor * 100.0 / gfPercent + 0.5));
    };

    // Replanning at the bottom keeps the anchor.
    for (int i = 0; i < 100; ++i) {
        diveStep(diveTime);
        QVERIFY(std::abs(char_O_relative_gradient_GF - relativeTo(dive.gfLow)) <= 2);
    }

    char_O_deco_status = DECO_STATUS_CLEAR;
    diveStep(diveTime);
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_DONE);
    QCOMPARE(char_O_nullzeit, (unsigned char)0);
    QCOMPARE(int_O_ascenttime, (unsigned short)0);
    QCOMPARE(int_O_extra_ascenttime, (unsigned short)0);
    QVERIFY(publishedStops().isEmpty());
    QCOMPARE(char_O_first_deco_depth, (unsigned char)0);

    diveStep(diveTime);
    QVERIFY(std::abs(char_O_relative_gradient_GF - relativeTo(dive.gfHigh)) <= 2);
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_START);

    while (char_O_deco_status != DECO_STATUS_DONE)
        diveStep(diveTime);
    checkPlan(dive);
    QVERIFY(std::abs(char_O_relative_gradient_GF - relativeTo(dive.gfLow)) <= 2);
    QVERIFY(!plan.isEmpty());
}

void TestDecoPlanner::planComputedInSlices_data()
{
    QTest::addColumn<DiveSetup>("dive");
    QTest::newRow("air 40 m 30 min GF 30/85") << airDive();
    QTest::newRow("trimix with two deco gases") << trimixDive();
    QTest::newRow("air 50 m 120 min, stops over 255 min") << at(airDive(), 50, 120);
    QTest::newRow("ZH-L16 air 72 m 41 min") << zhl16(at(airDive(), 72, 41));
}

// Each main step adds at most 16 simulated minutes to the plan: one minute per stop minute, and
// one more to climb from the last stop to the surface. A step that does not finish the plan
// publishes the stop it reached, the one holding the 16th, 32nd... stop minute deepest first;
// the step that finishes publishes 0.
void TestDecoPlanner::planComputedInSlices()
{
    QFETCH(DiveSetup, dive);
    int diveTime = diveToFinalPlan(dive);
    char_O_deco_status = DECO_STATUS_START;
    diveStep(diveTime);
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_RUNNING);
    QList<int> reached;
    int calls = 0;
    while (char_O_deco_status == DECO_STATUS_RUNNING && calls < 1000) {
        diveStep(diveTime);
        ++calls;
        if (char_O_deco_status == DECO_STATUS_RUNNING)
            reached << char_O_deco_last_stop;
    }
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_DONE);
    QCOMPARE(char_O_deco_last_stop, (unsigned char)0);

    const QVector<Stop> stops = publishedStops();
    const int minutes = stopMinutes(stops);
    QCOMPARE(calls, (minutes + 1 + 15) / 16);
    QList<int> expected;
    int before = 0;
    for (const Stop& s : stops) {
        for (int m = before + 1; m <= before + s.minutes; ++m)
            if (m % 16 == 0 && m / 16 < calls)
                expected << s.depth;
        before += s.minutes;
    }
    QCOMPARE(reached, expected);
}

void TestDecoPlanner::statusOutsideMachineIsDone_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("4: future time alone") << 4;
    QTest::newRow("7") << 7;
    QTest::newRow("8") << 8;
    QTest::newRow("127") << 127;
    QTest::newRow("255") << 255;
}

// A status the machine does not know is taken as 0: within the no-stop time the table is cleared
// and published and the no-stop time computed; without one a plan is started.
void TestDecoPlanner::statusOutsideMachineIsDone()
{
    QFETCH(int, status);

    // 20 m on air for 5 minutes, stepped with status 0 and with the unknown status.
    const DiveSetup shallow = at(airDive(), 20, 5);
    int diveTime = diveToFinalPlan(shallow);
    diveStep(diveTime);
    const unsigned char noStopTime = char_O_nullzeit;
    QVERIFY(noStopTime > 0 && noStopTime < 240);

    diveTime = diveToFinalPlan(shallow);
    std::memset(char_O_deco_depth, 21, sizeof char_O_deco_depth);
    std::memset(char_O_deco_time, 5, sizeof char_O_deco_time);
    char_O_first_deco_depth = 21;
    char_O_deco_last_stop = 9;
    char_O_deco_status = (unsigned char)status;
    diveStep(diveTime);
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_DONE);
    QCOMPARE(char_O_nullzeit, noStopTime);
    QVERIFY(publishedStops().isEmpty());
    QCOMPARE(char_O_deco_depth[NUM_STOPS - 1], (unsigned char)0);
    QCOMPARE(char_O_first_deco_depth, (unsigned char)0);
    QCOMPARE(char_O_deco_last_stop, (unsigned char)0);

    // At the end of a dive with stops: the next step starts a plan and leaves the table alone.
    diveTime = diveToFinalPlan(airDive());
    const QByteArray plan = describe(publishedStops()).toLatin1();
    const unsigned short tts = int_O_ascenttime;
    char_O_deco_status = (unsigned char)status;
    diveStep(diveTime);
    QCOMPARE(char_O_deco_status, (unsigned char)DECO_STATUS_START);
    QCOMPARE(char_O_nullzeit, (unsigned char)0);
    QCOMPARE(describe(publishedStops()).toLatin1(), plan);
    QCOMPARE(int_O_ascenttime, tts);
}

QTEST_APPLESS_MAIN(TestDecoPlanner)
#include "tst_deco_planner.moc"
