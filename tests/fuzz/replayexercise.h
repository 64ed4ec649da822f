#ifndef REPLAYEXERCISE_H
#define REPLAYEXERCISE_H

#include "Replay.h"
#include "VARN_eeprom.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// A broken promise of a source: said, then the fuzzer stops on it.
inline void broken(const char* promise, double value)
{
    std::fprintf(stderr, "replay source breaks its promise: %s (%g)\n", promise, value);
    abort();
}

// One fuzzer input as a log file of the given suffix, opened with open.
template <typename Open>
Replay* openInput(const uint8_t* data, size_t size, const char* suffix, Open open)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QString("input") + suffix);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    return open(path);
}

// Every dive listed, selected, configured and replayed over its time range as the simulation
// asks for it, then backwards; what a source answers must stay within what the simulation
// can take.
inline void exerciseReplay(Replay& source)
{
    const QStringList dives = source.diveList();
    if (dives.isEmpty() || source.selectDive(-1) || source.selectDive(dives.size()))
        broken("a dive for each entry", dives.size());
    for (int i = 0; i < dives.size(); ++i) {
        if (!source.selectDive(i))
            broken("each entry selects", i);
        VARN_eeprom config;
        try {
            source.diveConfig(&config);
        } catch (const char*) {
            continue;
        }
        const int end = source.diveTime();
        const float deepest = source.diveDepth();
        if (end < 0)
            broken("dive time", end);
        if (!(deepest >= 0 && deepest <= 1000))
            broken("dive depth", deepest);
        // Long dives in larger steps: an input must not take long.
        const int step = 2 * qMax(1, end / 1024);
        source.depth(0);
        for (int t = 0; t <= end + 2 * step; t += step) {
            const float depth = source.depth(t);
            const int gas = source.gasChange(t);
            const float setpoint = source.setpointChange(t);
            // Interpolated in float: a rounding above the deepest sample is no fault.
            if (!(depth >= 0 && depth <= 1000.01f))
                broken("depth", depth);
            if (gas < 0)
                broken("gas", gas);
            if (!(setpoint == 0 || (setpoint >= 0.16f && setpoint <= 2.56f)))
                broken("setpoint", setpoint);
        }
        for (int t = end; t >= 0; t -= 7 * step) {
            if (!std::isfinite(source.depth(t)))
                broken("depth going back", source.depth(t));
            source.gasChange(t);
            source.setpointChange(t);
        }
    }
}

#endif
