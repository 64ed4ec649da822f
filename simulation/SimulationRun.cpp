#include "SimulationRun.h"

#include "ConsoleText.h"

#include <cstring>

bool SimulationRun::running = false;
bool SimulationRun::finished = false;

SimulationRun::SimulationRun()
    : outer(running)
{
    running = true;
    finished = false;
}

SimulationRun::~SimulationRun()
{
    running = outer;
}

bool SimulationRun::active()
{
    return running;
}

bool SimulationRun::planFinished()
{
    return finished;
}

void SimulationRun::finishPlan()
{
    finished = true;
}

bool SimulationRun::isEngineRefusal(const char* text)
{
    return text && std::strncmp(text, "p2_deco", 7) == 0;
}

QString SimulationRun::refusalReason(const char* text)
{
    // The engine's checks that a dive can reach, by the variable they check.
    static const struct {
        const char* variable;
        const char* reason;
    } reasons[] = {
        {"char_I_actual_ppO2", QT_TRANSLATE_NOOP("VARN_Planner_Interface",
                                                 "a gas breathed near the surface gives a ppO2 of 0.15 bar or less, "
                                                 "too little oxygen for the decompression model")},
        {"calc_", QT_TRANSLATE_NOOP("VARN_Planner_Interface",
                                    "a gas of the plan has more than 95 % nitrogen or helium, more than the "
                                    "decompression model takes")},
        {"(N2_ratio + He_ratio)", QT_TRANSLATE_NOOP("VARN_Planner_Interface",
                                                    "the gas breathed has more than 95 % inert gas, less than 5 % "
                                                    "oxygen for the decompression model")},
        {"ppN2", QT_TRANSLATE_NOOP("VARN_Planner_Interface",
                                   "the gas breathed there has a nitrogen pressure beyond the decompression model's "
                                   "range")},
        {"ppHe", QT_TRANSLATE_NOOP("VARN_Planner_Interface",
                                   "the gas breathed there has a helium pressure beyond the decompression model's "
                                   "range")},
        {"int_I_pres_surface", QT_TRANSLATE_NOOP("VARN_Planner_Interface",
                                                 "the surface pressure is outside the decompression model's 801 to "
                                                 "1099 mbar")},
        {"pres_respiration", QT_TRANSLATE_NOOP("VARN_Planner_Interface",
                                               "the ambient pressure is outside the decompression model's 0.8 to "
                                               "14 bar")},
    };
    const QString engine = QString::fromLatin1(text);
    QString reason = ConsoleText::tr("a value is outside what the decompression model can compute");
    for (const auto& known : reasons) {
        if (engine.contains(QLatin1String(known.variable))) {
            reason = ConsoleText::tr(known.reason);
            break;
        }
    }
    return QString("%1 (%2)").arg(reason, engine);
}

void SimulationRun::warnPlanUnfinished(QTextEdit* console)
{
    ConsoleText::appendWarning(console, ConsoleText::tr("The decompression plan did not finish"));
}

bool simulationRunning()
{
    return SimulationRun::active();
}

bool planFinished()
{
    return SimulationRun::planFinished();
}
