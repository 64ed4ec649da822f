#ifndef PROFILE_H
#define PROFILE_H

#include <QColor>
#include <QString>

// One plotted curve as the simulation sees it: begun with a title, fed a point per
// step, labelled at gas and setpoint changes, and ended, with no knowledge of the plot.
class Profile {
public:
    // A disabled curve records and draws nothing.
    bool enabled = false;

    virtual ~Profile() {}

    virtual void begin(const QString& title, float rightMax) = 0;
    virtual void reset() = 0;
    virtual void addPoint(float x, float y) = 0;
    virtual void addLabel(float x, float y, int gas) = 0;
    virtual void addLabel(float x, float y, const QString& text, QColor color, bool rightAxis) = 0;
    virtual void flush() = 0;
    virtual void end() = 0;
};

#endif
