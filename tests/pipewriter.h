#ifndef PIPEWRITER_H
#define PIPEWRITER_H

#include <QByteArray>
#include <QFile>
#include <QThread>
#include <atomic>
#include <fcntl.h>
#include <unistd.h>

// Writes a whole log into a named pipe as soon as someone opens the pipe for reading, until
// stopped: a reader that waited for the pipe, or read from it, gets a log instead of hanging.
class PipeWriter : public QThread {
public:
    PipeWriter(const QString& path, const QByteArray& log)
        : path(QFile::encodeName(path))
        , log(log)
    {
    }
    ~PipeWriter() override
    {
        stop = true;
        wait();
    }

    std::atomic<bool> stop{false};
    std::atomic<bool> wrote{false};

protected:
    void run() override
    {
        while (!stop) {
            const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                const bool whole = ::write(fd, log.constData(), log.size()) == log.size();
                ::close(fd);
                wrote = whole;
                return;
            }
            msleep(5);
        }
    }

private:
    const QByteArray path;
    const QByteArray log;
};

#endif
