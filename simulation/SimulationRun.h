#ifndef SIMULATIONRUN_H
#define SIMULATIONRUN_H

#include <QString>

class QTextEdit;

// Marks a simulation entry point as running for its whole duration, also when it is left by a
// throw. A run processes events between its steps, so the window consults this before it lets
// an action through that would disturb the run.
class SimulationRun {
public:
    SimulationRun();
    ~SimulationRun();

    static bool active();

    // Whether the engine holds a plan that the last run finished; every run starts without.
    static bool planFinished();
    static void finishPlan();

    // The engine refuses a step it cannot compute with a text beginning "p2_deco".
    static bool isEngineRefusal(const char* text);
    // Such a refusal in the diver's words, the engine's own text kept for reference.
    static QString refusalReason(const char* text);

    // The engine ends every plan within a few hundred steps; more means it never will.
    static const int maxPlanSteps = 10000;
    static void warnPlanUnfinished(QTextEdit* console);

private:
    const bool outer;
    static bool running;
    static bool finished;

    SimulationRun(const SimulationRun&) = delete;
    SimulationRun& operator=(const SimulationRun&) = delete;
};

#endif
