#ifndef LOGGEDDIVE_H
#define LOGGEDDIVE_H

#include <QString>
#include <QVector>

// One dive of a log, as the dive list shows it and the replay follows it.
struct LoggedDive {
    struct Sample {
        double time;         // seconds since the start of the dive
        float depth;         // metres; NaN while a missing depth is not yet filled in
        int mix = -1;        // the file's mix switched to here, -1 for none
        unsigned char setpoint = 0; // centibar recorded here, 0 for none
    };

    QString entry;           // its line in the dive list
    int duration = 0;        // seconds, up to the last sample
    float depth = 0;         // metres: the logged greatest depth, else the deepest sample
    QVector<Sample> samples; // those with a usable time, in file order
    QString mode;            // the dive mode of the first sample, when the log names one

    // What the file held that could not be used.
    int missingDepths = 0;   // filled in from the samples around them
    int missingTimes = 0;    // samples left out
    int skippedSetpoints = 0;
    bool unusableDepth = false; // the logged greatest depth

    // Fills in missing depths between the samples around them, holding the nearest at either
    // end; a dive without any usable depth keeps no sample.
    void fillMissingDepths();
    // The deepest sample, 0 without samples.
    float deepestSample() const;
    // The end of the list entry: "45' @ 31.5m".
    QString timeAndDepth() const;
    // Lines of the dive's report about what could not be used, empty when all was well.
    QString unusableValues() const;
};

#endif
