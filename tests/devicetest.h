#ifndef DEVICETEST_H
#define DEVICETEST_H

#include "DiveComputerEmulator.h"
#include "SerialPort.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

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

// The device operations' deadlines scaled for the life of this object.
class ScaledDeadlines {
public:
    explicit ScaledDeadlines(double scale) : saved(SerialPort::deadlineScale) { SerialPort::deadlineScale = scale; }
    ~ScaledDeadlines() { SerialPort::deadlineScale = saved; }
    ScaledDeadlines(const ScaledDeadlines&) = delete;
    ScaledDeadlines& operator=(const ScaledDeadlines&) = delete;

private:
    double saved;
};

// Runs an action once, at the first processing of events at which condition holds: the device
// operations process events only at their fixed points and in their waits.
class OnceWhen {
public:
    OnceWhen(std::function<bool()> condition, std::function<void()> action)
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this, condition, action] {
            if (!condition())
                return;
            timer.stop();
            action();
        });
        timer.start();
    }

private:
    QTimer timer;
};

// Once the computer has taken `count` commands.
class AfterCommands : public OnceWhen {
public:
    AfterCommands(const DiveComputerEmulator& computer, int count, std::function<void()> action)
        : OnceWhen([&computer, count] { return computer.commands().size() >= count; }, std::move(action))
    {
    }
};

// Once the host has sent the computer `count` bytes, commands and data together.
class AfterReceived : public OnceWhen {
public:
    AfterReceived(const DiveComputerEmulator& computer, int count, std::function<void()> action)
        : OnceWhen([&computer, count] { return computer.received().size() >= count; }, std::move(action))
    {
    }
};

// The window's work while a device operation runs: a timer due every 20 ms notes the longest
// time that it had to wait for the event loop, from its start until longest() is asked.
class WindowGaps {
public:
    WindowGaps()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] { note(); });
        clock.start();
        timer.start();
    }
    qint64 longest()
    {
        note();
        return worst;
    }

private:
    void note() { worst = qMax(worst, clock.restart()); }

    QTimer timer;
    QElapsedTimer clock;
    qint64 worst = 0;
};

#endif
