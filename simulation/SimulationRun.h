#ifndef SIMULATIONRUN_H
#define SIMULATIONRUN_H

class QTextEdit;

// Marks a simulation entry point as running for its whole duration, also when it is left by a
// throw. A run processes events between its steps, so the window consults this before it lets
// an action through that would disturb the run.
class SimulationRun {
public:
    SimulationRun();
    ~SimulationRun();

    static bool active();

    // The engine refuses a step it cannot compute with a text beginning "p2_deco".
    static bool isEngineRefusal(const char* text);

    // The engine ends every plan within a few hundred steps; more means it never will.
    static const int maxPlanSteps = 10000;
    static void warnPlanUnfinished(QTextEdit* console);

private:
    const bool outer;
    static bool running;

    SimulationRun(const SimulationRun&) = delete;
    SimulationRun& operator=(const SimulationRun&) = delete;
};

#endif
