#include "SimulationRun.h"

#include "ConsoleText.h"

#include <cstring>

bool SimulationRun::running = false;

SimulationRun::SimulationRun()
    : outer(running)
{
    running = true;
}

SimulationRun::~SimulationRun()
{
    running = outer;
}

bool SimulationRun::active()
{
    return running;
}

bool SimulationRun::isEngineRefusal(const char* text)
{
    return text && std::strncmp(text, "p2_deco", 7) == 0;
}

void SimulationRun::warnPlanUnfinished(QTextEdit* console)
{
    ConsoleText::appendWarning(console, ConsoleText::tr("The decompression plan did not finish"));
}

bool simulationRunning()
{
    return SimulationRun::active();
}
