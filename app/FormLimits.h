#ifndef FORMLIMITS_H
#define FORMLIMITS_H

#include <QCoreApplication>
#include <QString>

// Values that the form's boxes allow and the decompression engine refuses. Each check gives
// the refusal in the diver's words, naming the box and its limit, or an empty text when the
// value is fine. The texts are the main window's.
class FormLimits {
    Q_DECLARE_TR_FUNCTIONS(VARN_Planner_Interface)

public:
    // The engine surfaces only strictly between 800 and 1100 mbar.
    static QString surfacePressure(int mbar);
    // A mix the engine can breathe: at least 5 % oxygen, at most 100 % in all.
    static QString gasMix(int gas, int o2Percent, int hePercent);
    // The ambient pressure at the bottom must stay below the engine's 14 bar.
    static QString depth(int metres, int surfaceMbar);
};

#endif
