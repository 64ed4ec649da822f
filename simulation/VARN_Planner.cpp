#include "VARN_Planner.h"

#include "ConsoleText.h"
#include "DecoPlanReport.h"
#include "EngineFeeding.h"
#include "PlotFeeding.h"
#include "Replay.h"
#include "Settings.h"
#include "SimulationRun.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QTextEdit>

namespace {

// One call of ascent may climb and wait at stops this long (8 h 20 min) before it gives up.
const int maxAscentSteps = 15000;

void processEvents()
{
    QCoreApplication::processEvents();
}

// One 2-second step of the real tissues and the CNS clock.
void engineStep()
{
    int_I_divemins = (unsigned short)(dive_time / 60);
    deco_calc_hauptroutine();
    deco_calc_CNS_fraction();
}

// The engine breathes gas from here on; its pressure is left to the caller.
void switchGas(QTextEdit* console, float depth, int gas)
{
    char_I_N2_ratio = gasNitrogen(gas);
    char_I_He_ratio = eeprom.gases[gas - 1].currentHe;
    print_state(console, depth, ConsoleText::gasSwitch(char_I_current_gas, gas), 0);
    char_I_current_gas = (unsigned char)gas;
    if (DiveCurves::depthEnabled())
        DiveCurves::addGasLabel(depth, gas);
    TissueCurves::addMarker(int_I_pres_respiration * 0.001f, 0.5f, gas);
}

void surfaceReport(QTextEdit* console)
{
    deco_calc_desaturation_time();
    const int desaturation = int_O_desaturation_time;
    if (desaturation != 0) {
        if (desaturation > 5759) {
            print_state(console, 0, "<font color=\"red\">NoFly EXCEEDED</font>", 0);
        } else {
            int_I_temp = (unsigned short)desaturation;
            char_I_temp = (unsigned char)(eeprom.cf(13).value & 0xFF);
            deco_calc_percentage();
            print_state(console, 0, "NoFly", int_I_temp);
        }
    }
    print_state(console, 0, "Desat", int_O_desaturation_time);
    processEvents();
}

// False when the diver did not get to the target: a refused speed or a climb that ran out of steps.
bool runAscent(QTextEdit* console, int target, int speed)
{
    float depth = engineDepth();
    if (depth > target && speed <= 0) {
        ConsoleText::appendWarning(console, ConsoleText::tr("Ascent speed must be above 0 m/min"));
        return false;
    }

    VARN_setup(false);
    int gas = firstGas();
    int lastLeading = -1;
    bool moving = false;

    if (!(depth > target)) {
        setup_pres(target);
        console->append(QString());
        print_state(console, target, "DESCENT DONE", 0);
    } else {
        DiveCurves::begin(DiveCurves::Depth, "depth", depth);
        DiveCurves::begin(DiveCurves::Ceiling, "ceiling", depth);
        DiveCurves::begin(DiveCurves::GF, "GF", 100);
        DiveCurves::begin(DiveCurves::PPO2, "ppO2", depth / 10);
        DiveCurves::begin(DiveCurves::CNS, "CNS", 100);
        DiveCurves::begin(DiveCurves::NDL, "NDL/Stop", 0);
        if (!Settings::verboseSim)
            console->append("...");

        for (int step = 0; depth > target + 0.05f && step < maxAscentSteps; ++step) {
            if (char_O_gtissue_no != lastLeading) {
                lastLeading = char_O_gtissue_no;
                DiveCurves::beginLeading(lastLeading, 0);
            }
            DiveCurves::addPoints(depth);
            DiveCurves::replotAtMinute();

            if (char_I_const_ppO2 == 0) {
                const int better = bestGas(depth);
                if (better != gas) {
                    gas = better;
                    switchGas(console, depth, better);
                    setup_pres(depth);
                }
            }

            if (depth > char_O_first_deco_depth) {
                depth -= speed / 30.0f;
                if (depth < char_O_first_deco_depth)
                    depth = char_O_first_deco_depth;
                if (depth < target)
                    depth = target;
                setup_pres(depth);
                if (Settings::verboseSim && (!moving || dive_time % 10 == 0))
                    print_state(console, depth, QString(), 0);
                moving = true;
            } else {
                // Arriving at a stop is always worth a line.
                if (moving || (dive_time % 30 == 0 && Settings::verboseSim))
                    print_state(console, depth, "STOP", char_O_first_deco_time);
                moving = false;
            }

            engineStep();
            dumpTissues();
            processEvents();
            dive_time += 2;
        }

        DiveCurves::addPoints(depth);
        DiveCurves::endAll();
        DiveCurves::replot();
        dumpTissues();
        endTissues();
        if (depth > target + 0.05f) {
            print_state(console, depth,
                        "<font color=\"red\">" + ConsoleText::tr("ASCENT STOPPED: %1 m not reached").arg(target)
                            + "</font>",
                        0);
            processEvents();
            return false;
        }
        if (!Settings::verboseSim)
            console->append("...");
        print_state(console, target, "ASCENT DONE", 0);
    }

    processEvents();
    if (target == 0)
        surfaceReport(console);
    return true;
}

// The begun curves are ended whatever stops a run, so that no window slot keeps a curve
// that a later Clear would delete.
void endRun()
{
    DiveCurves::endAll();
    DiveCurves::replot();
    endTissues();
}

void printHeader(QTextEdit* console, int interval)
{
    console->clear();
    console->setTabStopDistance(12);

    if (char_I_deco_model != 0) {
        console->append(ConsoleText::tr("Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:\n")
                        + ConsoleText::tr("*  GF_low (CF32) = %1 %\n").arg(char_I_GF_Low_percentage)
                        + ConsoleText::tr("*  GF_high (CF33) = %1 %").arg(char_I_GF_High_percentage));
    } else {
        console->append(ConsoleText::tr("Standard Bühlmann ZH-L16C-1a 2002 decompression:\n")
                        + ConsoleText::tr("*  saturation factor (CF11) = %1 %\n").arg(char_I_saturation_multiplier)
                        + ConsoleText::tr("*  desaturation factor (CF12) = %1 %").arg(char_I_desaturation_multiplier));
    }
    console->append(ConsoleText::tr("*  deco offset (CF16) = %1 m").arg(char_I_deco_distance / 10.0, 0, 'f', 1));
    console->append(ConsoleText::tr("*  last stop (CF29) = %1 m").arg(char_I_depth_last_deco));
    if (interval < 0)
        console->append(ConsoleText::tr("*  dive started at Pamb = %1 mbar").arg(int_I_pres_surface));
    else if (interval == 0)
        console->append(ConsoleText::tr("*  dive continued at depth = %1 m")
                            .arg(int((int_I_pres_respiration - int_I_pres_surface) * 0.01 + 0.5)));
    else
        console->append(ConsoleText::tr("*  Interval with previous dive = %1'").arg(interval));
    console->append(ConsoleText::tr("*  Gas switch delay (CF55) = %1 min").arg(eeprom.cf(55).value));
    processEvents();
}

void printGasList(QTextEdit* console)
{
    const int first = firstGas();
    const GasRecord& bottom = eeprom.gases[first - 1];
    const bool ccr = eeprom.isCCR();

    console->append(QString());
    if (ccr) {
        console->append(ConsoleText::tr("CCR mode:"));
        console->append(ConsoleText::tr("*  Setpoint1: %1").arg(eeprom.setpoints[0] * 0.01, 0, 'f', 1));
        console->append(ConsoleText::tr("*  Diluant gas#%1 = %2/%3").arg(first).arg(bottom.currentO2).arg(bottom.currentHe));
    } else {
        console->append(ConsoleText::tr("OC gas list:"));
        console->append(ConsoleText::tr("*  First gas#%1 = %2/%3").arg(first).arg(bottom.currentO2).arg(bottom.currentHe));
    }
    for (int gas = 1; gas <= NUM_GAS; ++gas) {
        const int change = eeprom.changeDepth[gas - 1];
        if (gas == first || !(eeprom.activeGases & (1 << (gas - 1))) || change == 0)
            continue;
        const GasRecord& mix = eeprom.gases[gas - 1];
        const char* line = ccr ? QT_TRANSLATE_NOOP("VARN_Planner_Interface", "*  Bailout gas#%1 = %2/%3 at %4 m")
                               : QT_TRANSLATE_NOOP("VARN_Planner_Interface", "*  Deco gas#%1 = %2/%3 at %4 m");
        console->append(ConsoleText::tr(line).arg(gas).arg(mix.currentO2).arg(mix.currentHe).arg(change));
    }
}

// What a logged dive asks of one step before the engine runs it: depth, gas switch and
// setpoint at t. False when the replay breaks here.
bool followLog(QTextEdit* console, const Replay& replay, int t, float& depth, int& gas)
{
    const float logged = replay.depth(t);
    if (Replay::breakOnStop && char_O_first_deco_depth != 0 && char_O_first_deco_depth > logged) {
        depth = char_O_first_deco_depth;
        print_state(console, depth, ConsoleText::tr("BREAK ON STOP @ %1m").arg(char_O_first_deco_depth), 0);
        return false;
    }
    depth = logged;

    const int logGas = replay.gasChange(t);
    if (Replay::gasSwitch && logGas != 0) {
        if (logGas < 1 || logGas > NUM_GAS) {
            // A log with more mixes than the computer has gases.
            ConsoleText::appendWarning(
                console, ConsoleText::tr("Gas#%1 of the log is not one of the five gases: switch ignored").arg(logGas));
        } else if (!(eeprom.activeGases & (1 << (logGas - 1)))) {
            // The log's mix was not taken into the gas, which holds whatever it held before.
            ConsoleText::appendWarning(
                console, ConsoleText::tr("Gas#%1 of the log has no gas set up (its mix was skipped or the gas is off): "
                                         "switch ignored")
                             .arg(logGas));
        } else {
            gas = logGas;
            switchGas(console, depth, logGas);
        }
    }

    const float setpoint = replay.setpointChange(t);
    const bool setpointLogged = eeprom.isCCR() && setpoint > 0;
    if (Replay::setpoint && setpointLogged) {
        if (DiveCurves::depthEnabled())
            DiveCurves::addTextLabel(depth, ConsoleText::tr("SP%1").arg(setpoint, 0, 'f', 2), Qt::black);
        print_state(console, depth,
                    ConsoleText::tr("SWITCH Setpoint %1 -> %2")
                        .arg(char_I_const_ppO2 * 0.01, 0, 'f', 1)
                        .arg(setpoint, 0, 'f', 1),
                    0);
        // The engine holds centibar in 8 bits.
        char_I_const_ppO2 = (unsigned char)qMin(int(setpoint * 100), 255);
    }

    setup_pres(depth);

    if (Replay::breakOnSwitch) {
        const int better = bestGas(depth);
        if (better != gas) {
            print_state(console, depth, ConsoleText::tr("BREAK ON BETTER Gas#%1").arg(better), 0);
            return false;
        }
    }
    if (Replay::breakOnSetpoint && setpointLogged) {
        print_state(console, depth, ConsoleText::tr("BREAK ON SETPOINT"), 0);
        return false;
    }
    return true;
}

void printFutureTTS(QTextEdit* console, float depth)
{
    const int minutes = eeprom.cf(58).value;
    if (minutes <= 0 || !(depth > 1.0f))
        return;

    // Real steps at the present depth: tissues and clock go on while the engine plans.
    char_O_deco_status = DECO_STATUS_EXTRA_TIME | DECO_STATUS_START;
    int steps = 0;
    do {
        if (++steps > SimulationRun::maxPlanSteps) {
            SimulationRun::warnPlanUnfinished(console);
            return;
        }
        int_I_divemins = (unsigned short)(dive_time / 60);
        deco_calc_hauptroutine();
        dive_time += 2;
    } while (char_O_deco_status != DECO_STATUS_DONE);

    const QString line("    %1 @+%2' = %3'");
    console->append(QString());
    console->append(line.arg(ConsoleText::tr("Future TTS"), QString::number(minutes),
                             QString::number(int_O_extra_ascenttime)));
    console->append(line.arg(ConsoleText::tr("Future RT "), QString::number(minutes),
                             QString::number(int_O_extra_ascenttime + minutes + dive_time / 60)));
}

void runSimulation(QTextEdit* console, int interval, int ascentSpeed, int bottomTime, int depth, Replay* replay)
{
    VARN_setup(interval < 0);

    if (interval < 0 || dive_time < 0) {
        setup_pres(0);
        deco_clear_tissue();
        deco_clear_CNS_fraction();
        dive_time = 0;
        char_O_deco_status = DECO_STATUS_CLEAR;
        char_O_first_deco_depth = 0;
    } else if (interval == 0) {
        char_O_deco_status = DECO_STATUS_CLEAR;
    } else {
        if (int_I_pres_respiration > int_I_pres_surface) {
            if (!runAscent(console, 0, 10))
                return;
            // The climb switched gases: the next dive starts on the first gas again.
            VARN_setup(false);
        }
        setup_pres(0);
        char_I_dive_interval = (unsigned char)(interval / 10);
        deco_calc_dive_interval();
        dive_time = 0;
        char_O_deco_status = DECO_STATUS_CLEAR;
    }

    if (dive_time == 0)
        printHeader(console, interval);
    else
        console->append("===================================");
    printGasList(console);

    TissueCurves::fitRange(depth, interval < 0);
    if (interval < 0 && TissueCurves::window()) {
        TissueCurves::addMarker(int_I_pres_surface * 0.001f, 0.25f, firstGas());
        resetTissues();
        dumpTissues();
    }

    char_I_step_is_1min = 0;
    float current = depth;
    if (!replay) {
        if (!runAscent(console, depth, ascentSpeed))
            return;
    } else {
        current = replay->depth(0);
    }
    dumpTissues();

    if (DiveCurves::depthEnabled()) {
        DiveCurves::begin(DiveCurves::Depth, "depth", depth);
        if (interval < 0) {
            DiveCurves::addDepthPoint(0);
            DiveCurves::addGasLabel(0, firstGas());
        } else if (interval == 0) {
            DiveCurves::addDepthPoint(current);
        } else {
            // The interval is spent at the surface; the dive starts after it, on the first gas.
            DiveCurves::addDepthPoint(0);
            dive_time = int(dive_time + interval * 60.0f);
            DiveCurves::addDepthPoint(0);
            DiveCurves::addGasLabel(0, firstGas());
        }
    }
    DiveCurves::begin(DiveCurves::Ceiling, "ceiling", 0);
    DiveCurves::begin(DiveCurves::GF, "GF", 100);
    DiveCurves::begin(DiveCurves::PPO2, "ppO2", depth / 10);
    DiveCurves::begin(DiveCurves::CNS, "CNS", 100);
    DiveCurves::begin(DiveCurves::NDL, "NDL/Stop", 0);

    int t = 0;
    int planStart = dive_time;
    int lastLeading = -1;
    int gas = firstGas();
    int overtime = 0;

    // The bottom ends at the first step past the bottom time at which no plan is being computed.
    // The first step only clears the old plan and is done at once: a plan needs a second one.
    const int bottomSeconds = qMax(bottomTime * 60, 4);
    bool planDone = true;
    while (t < bottomSeconds || char_O_deco_status != DECO_STATUS_DONE) {
        if (t >= bottomSeconds && ++overtime > SimulationRun::maxPlanSteps) {
            SimulationRun::warnPlanUnfinished(console);
            planDone = false;
            break;
        }
        if (replay && !followLog(console, *replay, t, current, gas))
            break;

        if (char_O_gtissue_no != lastLeading) {
            lastLeading = char_O_gtissue_no;
            DiveCurves::beginLeading(lastLeading, depth / 10);
        }
        DiveCurves::addPoints(current);
        DiveCurves::replotAtMinute();

        engineStep();
        if (char_O_deco_status == DECO_STATUS_RUNNING)
            planStart = dive_time;
        // The first step only cleared the old plan: there is nothing to show yet.
        if (Settings::verboseSim && char_O_deco_status == DECO_STATUS_DONE && t > 0)
            print_decoplan(console, current, planStart);

        dive_time += 2;
        t += 2;
        int_I_divemins = (unsigned short)(dive_time / 60);
        dumpTissues();
        processEvents();
    }

    endRun();
    if (!Settings::verboseSim)
        console->append("...");
    print_decoplan(console, current, dive_time);
    printFutureTTS(console, current);
    if (planDone)
        SimulationRun::finishPlan();
}

} // namespace

void ascent(QTextEdit* console, int target, int speed)
{
    SimulationRun run;
    // Before the first simulation there is no dive, and no run clock to stamp its lines with.
    if (dive_time < 0) {
        ConsoleText::appendWarning(console, ConsoleText::tr("No dive to ascend from: simulate first"));
        return;
    }
    try {
        runAscent(console, target, speed);
    } catch (const char* text) {
        endRun();
        if (!SimulationRun::isEngineRefusal(text))
            throw;
        ConsoleText::appendWarning(console, ConsoleText::tr("Ascent stopped at %1 m: %2")
                                                .arg(engineDepth(), 0, 'f', 1)
                                                .arg(SimulationRun::refusalReason(text)));
    }
}

void simulate(QTextEdit* console, int interval, int ascentSpeed, int bottomTime, int depth, Replay* replay)
{
    SimulationRun run;
    try {
        runSimulation(console, interval, ascentSpeed, bottomTime, depth, replay);
    } catch (const char* text) {
        endRun();
        // A failure of the log travels on to the window's handler.
        if (!SimulationRun::isEngineRefusal(text))
            throw;
        ConsoleText::appendWarning(console, ConsoleText::tr("Simulation stopped at %1 m: %2")
                                                .arg(engineDepth(), 0, 'f', 1)
                                                .arg(SimulationRun::refusalReason(text)));
    }
}
