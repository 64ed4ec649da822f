#ifndef DEVICETEST_H
#define DEVICETEST_H

#include "SerialPort.h"

#include <QDir>

// Open file descriptors of this process: a device operation must give back every one it took.
inline int openDescriptors()
{
    return QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::System).size();
}

// The device operations' pauses scaled for the life of this object.
class ScaledPauses {
public:
    explicit ScaledPauses(double scale) : saved(SerialPort::pauseScale) { SerialPort::pauseScale = scale; }
    ~ScaledPauses() { SerialPort::pauseScale = saved; }
    ScaledPauses(const ScaledPauses&) = delete;
    ScaledPauses& operator=(const ScaledPauses&) = delete;

private:
    double saved;
};

#endif
