#include "SerialPort.h"

#include <QCoreApplication>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace SerialPort {

double pauseScale = 1.0;
double deadlineScale = 1.0;

namespace {
bool operationRunning = false;
// A read gives up after this much silence (VTIME).
const int READ_TIMEOUT_MS = 200;
}

int openPort(const QString& port)
{
    const QString path = port.startsWith("/dev/") ? port : "/dev/" + port;
    int fd;
    do
        fd = ::open(path.toLatin1().constData(), O_RDWR | O_NONBLOCK | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw "Unable to open port";

    ioctl(fd, TIOCEXCL);
    // Blocking again, so that reads wait as long as VTIME says.
    fcntl(fd, F_SETFL, 0);

    termios options;
    bool configured = tcgetattr(fd, &options) == 0;
    if (configured) {
        cfmakeraw(&options);
        cfsetspeed(&options, B115200);
        options.c_cflag |= CS8 | CREAD | CLOCAL;
        // Flow control inherited from an adapter could block a write or a drain forever.
        options.c_cflag &= ~(PARENB | CSTOPB | CRTSCTS);
        options.c_iflag &= ~(IXON | IXOFF);
        options.c_cc[VMIN] = 0;
        options.c_cc[VTIME] = READ_TIMEOUT_MS / 100;
        configured = tcsetattr(fd, TCSAFLUSH, &options) == 0;
    }
    if (!configured) {
        closePort(fd);
        throw "Unable to configure port";
    }
    return fd;
}

bool sendBytes(int fd, const char* data, int n)
{
    while (n > 0) {
        const ssize_t written = ::write(fd, data, size_t(n));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        n -= int(written);
    }
    while (tcdrain(fd) < 0 && errno == EINTR) {
    }
    return true;
}

bool receiveBytes(int fd, unsigned char* buffer, int n, const QDeadlineTimer& deadline)
{
    while (n > 0) {
        if (deadline.hasExpired())
            return false;
        const ssize_t got = ::read(fd, buffer, size_t(n));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        buffer += got;
        n -= int(got);
    }
    return true;
}

void discardInput(int fd)
{
    tcflush(fd, TCIFLUSH);
}

bool dropUntilSilent(int fd, const QDeadlineTimer& notBefore, const QDeadlineTimer& deadline)
{
    QDeadlineTimer silent(READ_TIMEOUT_MS, Qt::PreciseTimer);
    for (;;) {
        const qint64 wait = qMax(silent.remainingTime(), notBefore.remainingTime());
        if (wait == 0)
            return true;
        const qint64 left = deadline.remainingTime();
        if (left == 0)
            return false;
        pollfd line = {fd, POLLIN, 0};
        const int ready = poll(&line, 1, int(left < 0 ? wait : qMin(wait, left)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (ready > 0 && !(line.revents & POLLIN)))
            return false;
        if (ready == 0)
            continue;
        unsigned char dropped[256];
        const ssize_t got = ::read(fd, dropped, sizeof dropped);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        silent.setPreciseRemainingTime(0, READ_TIMEOUT_MS * 1000000LL, Qt::PreciseTimer);
    }
}

void closePort(int fd)
{
    if (fd == -1)
        return;
    // A pseudo-terminal keeps the exclusive flag after the close: release it first.
    ioctl(fd, TIOCNXCL);
    ::close(fd);
}

void pause(int milliseconds)
{
    QThread::usleep((unsigned long)(milliseconds * 1000.0 * pauseScale));
}

void processEvents(QDeadlineTimer& deadline)
{
    const qint64 left = deadline.remainingTimeNSecs();
    QCoreApplication::processEvents();
    deadline.setPreciseRemainingTime(0, left);
}

QDeadlineTimer deadlineIn(int milliseconds)
{
    return QDeadlineTimer(qint64(milliseconds * deadlineScale), Qt::PreciseTimer);
}

ExclusiveOperation::ExclusiveOperation()
{
    if (operationRunning)
        throw "The dive computer is busy";
    operationRunning = true;
}

ExclusiveOperation::~ExclusiveOperation()
{
    operationRunning = false;
}

bool ExclusiveOperation::running()
{
    return operationRunning;
}

} // namespace SerialPort
