#ifndef PLOTFEEDING_H
#define PLOTFEEDING_H

#include <QColor>

class PlotInterface;
class Profile;
class QString;

// The seven current curves of the dive traces window as the simulation feeds them, x always
// the run clock in minutes. Each is reached through its window slot at every use: ending a
// curve puts a fresh one into its slot, so a pointer kept across that would dangle. Without
// a dive traces window nothing is fed.
class DiveCurves {
public:
    enum Slot { Depth, Leading, Ceiling, GF, PPO2, CNS, NDL };

    static bool depthEnabled();
    static void begin(Slot slot, const QString& title, float rightMax);
    // The leading compartment (0..15) changed: its own curve takes over from here.
    static void beginLeading(int compartment, float rightMax);
    // One point on each curve, from the engine's state and the diver's depth.
    static void addPoints(float depth);
    static void addDepthPoint(float depth);
    static void addGasLabel(float depth, int gas);
    static void addTextLabel(float depth, const QString& text, QColor color);
    static void endAll();
    static void replot();
    // During a phase: at whole minutes of the run clock, and not more often than the eye needs.
    static void replotAtMinute();

private:
    static Profile* curve(Slot slot);
};

// The tissues window, when it exists and is built as one.
class TissueCurves {
public:
    static PlotInterface* window();
    static void addMarker(float ambientBar, float y, int gas);
    // The plot's pressures reach this depth: exactly at the start of a dive, which draws only
    // itself; otherwise the range only grows, so that every point drawn stays inside.
    static void fitRange(int depth, bool newDive);
};

#endif
