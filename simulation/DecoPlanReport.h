#ifndef DECOPLANREPORT_H
#define DECOPLANREPORT_H

class QTextEdit;

// Writes the engine's current plan: the no-stop time, or the stops with run times and gas
// switches, the time to surface and the CNS forecast. depth is the diver's depth in metres,
// seconds the run clock at which the plan starts.
void print_decoplan(QTextEdit* console, float depth, int seconds);

#endif
