#ifndef VARN_PLANNER_H
#define VARN_PLANNER_H

#include "StatusLine.h"

class QTextEdit;
class Replay;

// The dive simulation, driven by the planner window. Engine state and the run clock persist
// between the calls, so each continues from where the previous one left the diver. Every call
// processes events between its 2-second steps; reports go to the console. An engine refusal
// ends the call with the refusal in red; a failure of the replay source is thrown on after the
// begun curves have been ended.

// interval < 0 starts a new dive, 0 continues the current one, > 0 is the surface interval in
// minutes before a repetitive dive. Follows the logged dive of replay when it is not null.
void simulate(QTextEdit* console, int interval, int ascentSpeed, int bottomTime, int depth, Replay* replay);

// Moves the diver to target metres at speed m/min, with stops and gas switches; at the surface
// reports the no-fly and desaturation times.
void ascent(QTextEdit* console, int target, int speed);

// The open-circuit (or bail-out) plan for the bottom time and depth and the gas it needs.
void gas_volume(QTextEdit* console, int bottomTime, int depth);

// The tissues window: one point per compartment, finish the drawing, start afresh.
void dumpTissues();
void endTissues();
void resetTissues();

// True while simulate, ascent or gas_volume runs, including while it processes events.
bool simulationRunning();

// True when the last call of simulate or gas_volume ended with a finished decompression plan
// in the engine; an ascent, a refused or failed run, and a plan that never finished leave none.
bool planFinished();

#endif
