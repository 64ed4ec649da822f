#ifndef STATUSLINE_H
#define STATUSLINE_H

class QString;
class QTextEdit;

// The run clock: seconds since the start of the current dive, -1 before the first simulation.
// Only the simulation advances it, by 2 per step.
extern int dive_time;

// Appends one status line: clock, depth, an optional label with minutes, and the ppO2, gradient
// factor and CNS when they pass the display thresholds (in red past the warning thresholds).
void print_state(QTextEdit* console, float depth, const QString& label, int minutes);

#endif
