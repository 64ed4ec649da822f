#include "DecoPlanReport.h"

#include "ConsoleText.h"
#include "EngineFeeding.h"
#include "SimulationRun.h"
#include "StatusLine.h"
#include "VARN_Planner.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QStringList>
#include <QTextEdit>
#include <cmath>

namespace {

// Stop lines with the run time at the end of each stop, travelling at 10 m/min between them.
void printStops(QTextEdit* console, int seconds)
{
    float runtime = seconds / 60.0f;
    float previous = engineDepth();
    int gas = char_I_current_gas;

    if (char_I_const_ppO2 == 0 && eeprom.cf(55).value == 0) {
        const int best = bestGas(char_O_first_deco_depth + 2);
        if (best != gas) {
            int shown = eeprom.changeDepth[best - 1];
            const int here = int(previous + 0.5f);
            if (here < shown)
                shown = here;
            console->append(QString::asprintf("\t%2d m :\t", shown) + ConsoleText::gasSwitch(gas, best));
            gas = best;
        }
    }

    // With shallowest-first publication (CF54) the lines keep the published order, but run times
    // and gas switches follow the diver, deepest stop first.
    int stops = 0;
    while (stops < NUM_STOPS && char_O_deco_depth[stops] != 0)
        ++stops;
    const bool shallowestFirst = read_custom_function(54) & 1;
    QStringList lines;
    for (int k = 0; k < stops; ++k) {
        const int i = shallowestFirst ? stops - 1 - k : k;
        const int depth = char_O_deco_depth[i] & ~DECO_STOP_SWITCH_FLAG;
        const int minutes = char_O_deco_time[i];
        runtime += (previous - depth) * 0.1f;
        runtime += minutes;
        QString suffix;
        if (char_O_deco_depth[i] & DECO_STOP_SWITCH_FLAG) {
            const int best = bestGas(depth);
            if (best != gas) {
                suffix = " (" + ConsoleText::gasSwitch(gas, best) + ")";
                gas = best;
            }
        }
        lines.append(QString::asprintf("\t%2d m :\t%3d '\t%4.0f '", depth, minutes, runtime) + suffix);
        previous = depth;
    }
    for (int i = 0; i < stops; ++i)
        console->append(lines[shallowestFirst ? stops - 1 - i : i]);

    // A plan with more stops than the table holds: the run time of the surface is unknown here,
    // only the time to surface counts every stop.
    if (char_O_deco_table_truncated) {
        ConsoleText::appendWarning(console, ConsoleText::tr("More stops than listed: the time to surface counts them all"));
    } else if (char_O_deco_depth[0] != 0) {
        runtime += previous * 0.1f;
        console->append(QString("\t 0 m :\t--- '\t%1 '").arg(QString::asprintf("%4.0f", std::ceil(runtime))));
    }
}

// The forecast runs on the real CNS value: the vault brings the current one back.
void printCnsForecast(QTextEdit* console, float depth)
{
    deco_push_tissues_to_vault();
    char_I_bottom_depth = (unsigned char)int(depth);
    try {
        deco_calc_CNS_planning();
    } catch (const char*) {
        deco_pull_tissues_from_vault();
        throw;
    }
    const int forecast = char_O_CNS_fraction;
    deco_pull_tissues_from_vault();
    console->append(QString("\t%1 =\t%2%").arg(ConsoleText::tr("CNS"), QString::number(forecast)));
}

// A plan from scratch on the real tissues, which the vault keeps as they were. The first step
// only clears the old plan and is done at once: the plan itself starts with the second.
bool planFromScratch(QTextEdit* console)
{
    deco_push_tissues_to_vault();
    char_I_step_is_1min = 0;
    char_O_deco_status = DECO_STATUS_CLEAR;
    int steps = 0;
    try {
        do {
            if (++steps > SimulationRun::maxPlanSteps) {
                deco_pull_tissues_from_vault();
                SimulationRun::warnPlanUnfinished(console);
                return false;
            }
            deco_calc_hauptroutine();
            deco_calc_CNS_fraction();
        } while (steps < 2 || char_O_deco_status != DECO_STATUS_DONE);
    } catch (const char*) {
        deco_pull_tissues_from_vault();
        throw;
    }
    deco_pull_tissues_from_vault();
    return true;
}

void printGasVolumes(QTextEdit* console, int bottomTime, int depth)
{
    char_I_bottom_depth = (unsigned char)depth;
    char_I_bottom_time = (unsigned char)bottomTime;
    char_I_const_ppO2 = eeprom.isCCR() ? eeprom.setpoints[0] : 0;
    deco_gas_volumes();

    console->append(ConsoleText::tr("Depth                         = %1 m").arg(depth));
    console->append(ConsoleText::tr("Bottom time                   = %1 min").arg(bottomTime));
    console->append(ConsoleText::tr("Bottom gas consumption (CF56) = %1 l/min").arg(eeprom.cf(56).value));
    console->append(ConsoleText::tr("Ascent gas consumption (CF57) = %1 l/min").arg(eeprom.cf(57).value));

    for (int gas = 1; gas <= NUM_GAS; ++gas) {
        const int volume = int_O_gas_volumes[gas - 1];
        if (volume == 0)
            continue;
        const GasRecord& mix = eeprom.gases[gas - 1];
        console->append(QString("%1#%2 (%3/%4) = %5")
                            .arg(ConsoleText::tr("Gas"), QString::number(gas),
                                 QString("%1").arg(mix.currentO2, 3),
                                 QString("%1").arg(mix.currentHe, 2, 10, QChar('0')),
                                 QString("%1").arg(volume, 6)));
    }
}

void reportGasVolumes(QTextEdit* console, int bottomTime, int depth)
{
    VARN_setup(true);
    if (int_I_pres_respiration <= int_I_pres_surface) {
        console->append("Already surfaced: no more gas consumation");
        return;
    }

    // Always an open-circuit plan: in closed circuit it is the bail-out.
    if (char_I_const_ppO2 != 0) {
        char_I_const_ppO2 = 0;
        console->append("==== BAIL-OUT runtime ====");
    } else {
        console->append("==== OC Runtime ====");
    }

    if (!planFromScratch(console))
        return;
    print_decoplan(console, depth, bottomTime * 60);
    printGasVolumes(console, bottomTime, depth);
    SimulationRun::finishPlan();
    QCoreApplication::processEvents();
}

} // namespace

void print_decoplan(QTextEdit* console, float depth, int seconds)
{
    if (char_O_nullzeit != 0) {
        print_state(console, depth, "NDL", char_O_nullzeit);
    } else {
        print_state(console, depth, ConsoleText::tr("Deco:", "Console"), 0);
        printStops(console, seconds);
        console->append(QString("\t%1 =\t%2 '").arg(ConsoleText::tr("TTS"), QString::number(int_O_ascenttime)));
        printCnsForecast(console, depth);
    }
    QCoreApplication::processEvents();
}

void gas_volume(QTextEdit* console, int bottomTime, int depth)
{
    SimulationRun run;
    // The engine takes the bottom time in 8 bits: a longer one would wrap to a short dive.
    if (bottomTime > 255) {
        ConsoleText::appendWarning(console, ConsoleText::tr("Bottom time above 255 min: no gas volumes"));
        return;
    }
    try {
        reportGasVolumes(console, bottomTime, depth);
    } catch (const char* text) {
        if (!SimulationRun::isEngineRefusal(text))
            throw;
        ConsoleText::appendWarning(console, ConsoleText::tr("No gas volumes: %1").arg(SimulationRun::refusalReason(text)));
    }
}
