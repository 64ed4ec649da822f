#ifndef REPLAYRUN_H
#define REPLAYRUN_H

#include "Replay.h"

#include <QString>
#include <QStringList>
#include <QVector>

inline QString replayFixture(const char* name)
{
    return QString(VARN_FIXTURE_DIR "/replay/") + name;
}

// What the simulation asks of a source: depth(0) once, then depth, gas switch and setpoint at
// every 2-second step up to end. A switch reads "t gas n", a setpoint "t sp centibar".
struct ReplayRun {
    QVector<float> depths; // at t = 0, 2, 4 ...
    QStringList events;
};

inline ReplayRun runReplay(const Replay& source, int end)
{
    ReplayRun run;
    source.depth(0);
    for (int t = 0; t <= end; t += 2) {
        run.depths << source.depth(t);
        const int gas = source.gasChange(t);
        if (gas != 0)
            run.events << QString("%1 gas %2").arg(t).arg(gas);
        const float bar = source.setpointChange(t);
        if (bar != 0)
            run.events << QString("%1 sp %2").arg(t).arg(int(bar * 100));
    }
    return run;
}

#endif
