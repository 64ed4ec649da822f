#ifndef DEVICETEST_H
#define DEVICETEST_H

#include "DiveComputerEmulator.h"
#include "SerialPort.h"

#include <QDir>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Runs an action once, at the first processing of events after the computer has taken `count`
// commands: the device operations process events only at their fixed points.
class AfterCommands {
public:
    AfterCommands(const DiveComputerEmulator& computer, int count, std::function<void()> action)
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this, &computer, count, action] {
            if (computer.commands().size() < count)
                return;
            timer.stop();
            action();
        });
        timer.start();
    }

private:
    QTimer timer;
};

// A fifo that nobody writes to. Should the code under test open it all the same, a writer
// comes after a few seconds and goes again at once: the open returns and the read ends, so the
// test fails instead of hanging.
class LonelyFifo {
public:
    explicit LonelyFifo(const QString& path) : path(QFile::encodeName(path))
    {
        made = mkfifo(this->path.constData(), 0600) == 0;
        rescuer = QThread::create([this] {
            for (int waited = 0; waited < 3000 && !stopping; waited += 10)
                QThread::msleep(10);
            // Without a reader waiting the open fails at once, and nothing happens.
            const int fd = ::open(this->path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        });
        rescuer->start();
    }
    ~LonelyFifo()
    {
        stopping = true;
        rescuer->wait();
        delete rescuer;
        ::unlink(path.constData());
    }
    LonelyFifo(const LonelyFifo&) = delete;
    LonelyFifo& operator=(const LonelyFifo&) = delete;

    bool isValid() const { return made; }

private:
    QByteArray path;
    bool made = false;
    std::atomic<bool> stopping{false};
    QThread* rescuer = nullptr;
};

#endif
