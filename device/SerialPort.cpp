#include "SerialPort.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
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
bool inputHeld = false;
// A read gives up after this much silence (VTIME).
const int READ_TIMEOUT_MS = 200;
// The longest that a wait of the link leaves the window unserved.
const int SERVE_MS = 100;
QElapsedTimer sinceServed;

void serveWhenDue(QDeadlineTimer& deadline)
{
    if (!sinceServed.isValid() || sinceServed.hasExpired(SERVE_MS))
        processEvents(deadline);
}

// The longest that a wait may block before the window is due again, within limit (ms).
int sliceOf(qint64 limit)
{
    const qint64 serve = sinceServed.isValid() ? qMax(SERVE_MS - sinceServed.elapsed(), qint64(0)) : 0;
    return int(limit < 0 ? serve : qMin(limit, serve));
}

enum class Input { Ready, None, Failed };

// Waits up to milliseconds for input to read.
Input waitForInput(int fd, int milliseconds)
{
    for (;;) {
        pollfd line = {fd, POLLIN, 0};
        const int ready = poll(&line, 1, milliseconds);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            return Input::None;
        return ready > 0 && (line.revents & POLLIN) ? Input::Ready : Input::Failed;
    }
}

// Reads what has come; the number of bytes, or 0 on a read error or a hang-up.
ssize_t readInput(int fd, unsigned char* buffer, int n)
{
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size_t(n));
        if (got < 0 && errno == EINTR)
            continue;
        return got < 0 ? 0 : got;
    }
}

// The shortest of the times left, in ms; each is -1 when it never ends.
qint64 shortest(qint64 a, qint64 b)
{
    return a < 0 ? b : b < 0 ? a : qMin(a, b);
}
} // namespace

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

bool receiveBytes(int fd, unsigned char* buffer, int n, QDeadlineTimer& deadline)
{
    QDeadlineTimer silent(READ_TIMEOUT_MS, Qt::PreciseTimer);
    while (n > 0) {
        if (deadline.hasExpired())
            return false;
        serveWhenDue(deadline);
        const Input input = waitForInput(fd, sliceOf(shortest(silent.remainingTime(), deadline.remainingTime())));
        if (input == Input::Failed)
            return false;
        if (input == Input::None) {
            if (silent.hasExpired())
                return false;
            continue;
        }
        const ssize_t got = readInput(fd, buffer, n);
        if (got == 0)
            return false;
        buffer += got;
        n -= int(got);
        silent.setRemainingTime(READ_TIMEOUT_MS, Qt::PreciseTimer);
    }
    return true;
}

bool receiveBytes(int fd, unsigned char* buffer, int n)
{
    QDeadlineTimer never(QDeadlineTimer::Forever);
    return receiveBytes(fd, buffer, n, never);
}

void discardInput(int fd)
{
    tcflush(fd, TCIFLUSH);
}

Silence dropUntilSilent(int fd, const QDeadlineTimer& notBefore, QDeadlineTimer& deadline, int owed)
{
    QDeadlineTimer silent(READ_TIMEOUT_MS, Qt::PreciseTimer);
    int dropped = 0;
    for (;;) {
        const bool answered = owed >= 0 && dropped == owed;
        const qint64 wait = answered ? silent.remainingTime() : qMax(silent.remainingTime(), notBefore.remainingTime());
        if (wait == 0)
            return Silence::Reached;
        if (deadline.hasExpired())
            return dropped > 0 && !silent.hasExpired() ? Silence::Talking : Silence::OutOfTime;
        serveWhenDue(deadline);
        const Input input = waitForInput(fd, sliceOf(shortest(wait, deadline.remainingTime())));
        if (input == Input::Failed)
            return Silence::LineFailed;
        if (input == Input::None)
            continue;
        unsigned char bytes[256];
        const ssize_t got = readInput(fd, bytes, sizeof bytes);
        if (got == 0)
            return Silence::LineFailed;
        dropped += int(got);
        silent.setRemainingTime(READ_TIMEOUT_MS, Qt::PreciseTimer);
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

void pause(int milliseconds, QDeadlineTimer& deadline)
{
    QDeadlineTimer over;
    over.setPreciseRemainingTime(0, qint64(milliseconds * 1000000.0 * pauseScale), Qt::PreciseTimer);
    for (;;) {
        serveWhenDue(deadline);
        const qint64 left = over.remainingTimeNSecs();
        if (left <= 0)
            return;
        QThread::usleep((unsigned long)(qMin(left, sliceOf(-1) * 1000000LL) / 1000));
    }
}

void pause(int milliseconds)
{
    QDeadlineTimer never(QDeadlineTimer::Forever);
    pause(milliseconds, never);
}

void processEvents(QDeadlineTimer& deadline)
{
    const qint64 left = deadline.remainingTimeNSecs();
    QCoreApplication::processEvents(inputHeld ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);
    if (!deadline.isForever())
        deadline.setPreciseRemainingTime(0, left, Qt::PreciseTimer);
    sinceServed.start();
}

void processEvents()
{
    QDeadlineTimer never(QDeadlineTimer::Forever);
    processEvents(never);
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

InputHeld::InputHeld()
{
    inputHeld = true;
}

InputHeld::~InputHeld()
{
    inputHeld = false;
    // The event dispatcher looks at the input it left waiting only once it is woken again.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

} // namespace SerialPort
