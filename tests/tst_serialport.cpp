#include "SerialPort.h"
#include "devicetest.h"
#include "testutil.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

using namespace SerialPort;
Q_DECLARE_METATYPE(SerialPort::Silence)

namespace {

// A bare pseudo-terminal: the test plays the far end on the master.
class Pty {
public:
    Pty()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        char name[64];
        ptsname_r(master, name, sizeof name);
        path = QString::fromLatin1(name);
    }
    ~Pty() { ::close(master); }

    // A second descriptor on the slave, past any exclusive flag (the tests run as root).
    int openSlave() const { return ::open(path.toLatin1().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK); }

    // At least that many bytes, or what came before a second of silence.
    QByteArray readMaster(int atLeast) const
    {
        QByteArray got;
        while (got.size() < atLeast) {
            pollfd line = {master, POLLIN, 0};
            if (poll(&line, 1, 1000) <= 0)
                break;
            char buffer[4096];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, int(n));
            else if (n < 0 && errno != EINTR)
                break;
        }
        return got;
    }

    int master;
    QString path;
};

// The far end sends a byte every 50 ms for as long as this lives: the line is never silent
// for 0.2 s.
class Trickle {
public:
    explicit Trickle(const Pty& pty)
        : thread(QThread::create([this, &pty] {
              while (!stop.loadAcquire()) {
                  ::write(pty.master, "t", 1);
                  QThread::msleep(50);
              }
          }))
    {
        thread->start();
    }
    ~Trickle()
    {
        stop.storeRelease(1);
        thread->wait();
        delete thread;
    }
    Trickle(const Trickle&) = delete;
    Trickle& operator=(const Trickle&) = delete;

private:
    QAtomicInt stop{0};
    QThread* thread;
};

// Where descriptor fd leads.
QString target(int fd)
{
    return QFile::symLinkTarget(QString("/proc/self/fd/%1").arg(fd));
}

bool exclusive(int fd)
{
    int flag = -1;
    ioctl(fd, TIOCGEXCL, &flag);
    return flag == 1;
}

void ignoreSignal(int) {}

// SIGUSR1 interrupts system calls of this process (no automatic restart) while it lives.
class InterruptingSignal {
public:
    InterruptingSignal()
    {
        struct sigaction action = {};
        action.sa_handler = ignoreSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        sigaction(SIGUSR1, &action, &saved);
    }
    ~InterruptingSignal() { sigaction(SIGUSR1, &saved, nullptr); }

private:
    struct sigaction saved;
};

} // namespace

class TestSerialPort : public QObject {
    Q_OBJECT

private slots:
    void openPortPath_data();
    void openPortPath();
    void openPortFailures_data();
    void openPortFailures();
    void lineSettings();
    void openDiscardsPendingInput();
    void closeReleasesExclusiveUse();
    void sendAndReceive();
    void receiveStopsAtSilence();
    void receiveStopsAtDeadline();
    void discardDropsWhatCame();
    void dropUntilSilent_data();
    void dropUntilSilent();
    void sendFailsOnDeadLine();
    void waitsServeTheWindow_data();
    void waitsServeTheWindow();
    void readRetriedAfterSignal();
    void writeRetriedAfterSignal();
};

void TestSerialPort::openPortPath_data()
{
    QTest::addColumn<bool>("bare");
    QTest::newRow("full path") << false;
    QTest::newRow("name below /dev") << true;
}

void TestSerialPort::openPortPath()
{
    QFETCH(bool, bare);
    Pty pty;
    const QString name = bare ? pty.path.mid(5) : pty.path;
    const int fd = openPort(name);
    QCOMPARE(target(fd), pty.path);
    closePort(fd);
}

void TestSerialPort::openPortFailures_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing") << "/dev/varn-no-such-port" << "Unable to open port";
    QTest::newRow("missing bare") << "varn-no-such-port" << "Unable to open port";
    QTest::newRow("no port chosen") << "" << "Unable to open port";
    QTest::newRow("not a terminal") << "/dev/null" << "Unable to configure port";
    QTest::newRow("not a terminal, bare") << "zero" << "Unable to configure port";
}

void TestSerialPort::openPortFailures()
{
    QFETCH(QString, port);
    QFETCH(QString, text);
    const int before = openDescriptors();
    QCOMPARE(thrownText([&] { openPort(port); }), text);
    QCOMPARE(openDescriptors(), before);
}

void TestSerialPort::lineSettings()
{
    Pty pty;
    // What an adapter might have been left with: slow, 7E2, flow control, canonical, blocking.
    {
        const int other = pty.openSlave();
        termios t;
        tcgetattr(other, &t);
        cfsetspeed(&t, B9600);
        t.c_cflag = (t.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB | CRTSCTS;
        t.c_cflag &= ~(CLOCAL | CREAD);
        t.c_iflag |= IXON | IXOFF | ICRNL;
        t.c_lflag |= ICANON | ECHO;
        t.c_cc[VMIN] = 1;
        t.c_cc[VTIME] = 0;
        QCOMPARE(tcsetattr(other, TCSANOW, &t), 0);
        ::close(other);
    }

    const int fd = openPort(pty.path);
    termios t;
    QCOMPARE(tcgetattr(fd, &t), 0);
    QCOMPARE(cfgetispeed(&t), speed_t(B115200));
    QCOMPARE(cfgetospeed(&t), speed_t(B115200));
    QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    QCOMPARE(t.c_cflag & (CREAD | CLOCAL), tcflag_t(CREAD | CLOCAL));
    QCOMPARE(t.c_iflag & (IXON | IXOFF | ICRNL), tcflag_t(0));
    QCOMPARE(t.c_lflag & (ICANON | ECHO | ISIG), tcflag_t(0));
    QCOMPARE(t.c_oflag & OPOST, tcflag_t(0));
    QCOMPARE(int(t.c_cc[VMIN]), 0);
    QCOMPARE(int(t.c_cc[VTIME]), 2);
    QCOMPARE(fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
    QVERIFY(exclusive(fd));
    closePort(fd);
}

void TestSerialPort::openDiscardsPendingInput()
{
    Pty pty;
    const int fd0 = pty.openSlave();
    QCOMPARE(::write(pty.master, "stale", 5), ssize_t(5));
    QThread::msleep(20);
    const int fd = openPort(pty.path);
    ::close(fd0);
    QCOMPARE(::write(pty.master, "x", 1), ssize_t(1));
    unsigned char byte = 0;
    QVERIFY(receiveBytes(fd, &byte, 1));
    QCOMPARE(byte, (unsigned char)'x');
    closePort(fd);
}

void TestSerialPort::closeReleasesExclusiveUse()
{
    Pty pty;
    closePort(openPort(pty.path));
    const int fd = pty.openSlave();
    QVERIFY(fd >= 0);
    QVERIFY(!exclusive(fd));
    ::close(fd);
    // An ordinary second open, as a user without root rights makes it.
    const int again = openPort(pty.path);
    closePort(again);
}

void TestSerialPort::sendAndReceive()
{
    Pty pty;
    const int fd = openPort(pty.path);
    QByteArray data;
    for (int i = 0; i < 3000; ++i)
        data += char(i * 7);
    QVERIFY(sendBytes(fd, data.constData(), data.size()));
    QCOMPARE(pty.readMaster(data.size()), data);

    const QByteArray answer("\x00\xC1" "abc\xFF", 6);
    QCOMPARE(::write(pty.master, answer.constData(), 6), ssize_t(6));
    unsigned char buffer[6] = {};
    QVERIFY(receiveBytes(fd, buffer, 6));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 6), answer);
    closePort(fd);
}

void TestSerialPort::receiveStopsAtSilence()
{
    Pty pty;
    const int fd = openPort(pty.path);
    QCOMPARE(::write(pty.master, "ab", 2), ssize_t(2));
    unsigned char buffer[4] = {'-', '-', '-', '-'};
    QVERIFY(!receiveBytes(fd, buffer, 3));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 4), QByteArray("ab--"));
    closePort(fd);
}

void TestSerialPort::receiveStopsAtDeadline()
{
    Pty pty;
    const int fd = openPort(pty.path);
    // 100 bytes would take 5 s.
    bool received;
    qint64 took;
    {
        Trickle farEnd(pty);
        unsigned char buffer[100];
        QElapsedTimer elapsed;
        elapsed.start();
        QDeadlineTimer deadline(300);
        received = receiveBytes(fd, buffer, 100, deadline);
        took = elapsed.elapsed();
    }
    closePort(fd);
    QVERIFY(!received);
    // Not before the deadline, and at most one read timeout after it.
    QVERIFY2(took >= 300 && took < 300 + 2000, qPrintable(QString("%1 ms").arg(took)));
}

void TestSerialPort::discardDropsWhatCame()
{
    Pty pty;
    const int fd = openPort(pty.path);
    QCOMPARE(::write(pty.master, "stale", 5), ssize_t(5));
    // Until the bytes are there to be read.
    pollfd line = {fd, POLLIN, 0};
    QCOMPARE(poll(&line, 1, 2000), 1);
    discardInput(fd);
    QCOMPARE(::write(pty.master, "x", 1), ssize_t(1));
    unsigned char byte = 0;
    QVERIFY(receiveBytes(fd, &byte, 1));
    QCOMPARE(byte, (unsigned char)'x');
    closePort(fd);
}

void TestSerialPort::dropUntilSilent_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("notBefore");
    QTest::addColumn<int>("deadline");
    QTest::addColumn<int>("owed");
    QTest::addColumn<bool>("hangUp");
    QTest::addColumn<Silence>("silence");
    QTest::addColumn<int>("atLeast");
    QTest::addColumn<int>("atMost");
    // A byte every 50 ms from the far end; -1 bytes: without end. Times in ms, -1: none.
    QTest::newRow("bytes for a while, then silence") << 10 << 0 << -1 << -1 << false << Silence::Reached << 450 + 200
                                                     << -1;
    QTest::newRow("silent, until the late answers are over")
        << 0 << 600 << -1 << -1 << false << Silence::Reached << 600 << -1;
    QTest::newRow("bytes without end") << -1 << 0 << 300 << -1 << false << Silence::Talking << 300 << -1;
    QTest::newRow("silent until the deadline") << 0 << 5000 << 300 << -1 << false << Silence::OutOfTime << 300 << 2000;
    QTest::newRow("hung up") << 0 << 5000 << -1 << -1 << true << Silence::LineFailed << 0 << 2000;
    // A late answer that has come in full ends the wait once the line is silent.
    QTest::newRow("the owed answer came") << 10 << 5000 << -1 << 10 << false << Silence::Reached << 450 + 200 << 2000;
    QTest::newRow("nothing owed, nothing came") << 0 << 5000 << -1 << 0 << false << Silence::Reached << 200 << 2000;
    // More or less than the answer owed: it may still be on its way.
    QTest::newRow("more than the owed answer") << 10 << 1000 << -1 << 9 << false << Silence::Reached << 1000 << -1;
    QTest::newRow("less than the owed answer") << 10 << 1000 << -1 << 11 << false << Silence::Reached << 1000 << -1;
}

void TestSerialPort::dropUntilSilent()
{
    QFETCH(int, bytes);
    QFETCH(int, notBefore);
    QFETCH(int, deadline);
    QFETCH(int, owed);
    QFETCH(bool, hangUp);
    QFETCH(Silence, silence);
    QFETCH(int, atLeast);
    QFETCH(int, atMost);
    Pty* pty = new Pty;
    const int fd = openPort(pty->path);
    QAtomicInt stop(0);
    QThread* farEnd = QThread::create([&] {
        for (int sent = 0; (bytes < 0 || sent < bytes) && !stop.loadAcquire(); ++sent) {
            ::write(pty->master, "s", 1);
            QThread::msleep(50);
        }
    });
    farEnd->start();
    if (hangUp) {
        delete pty;
        pty = nullptr;
    }
    QElapsedTimer elapsed;
    elapsed.start();
    QDeadlineTimer until = deadline < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                        : QDeadlineTimer(deadline, Qt::PreciseTimer);
    const Silence result =
        SerialPort::dropUntilSilent(fd, QDeadlineTimer(notBefore, Qt::PreciseTimer), until, owed);
    const qint64 took = elapsed.elapsed();
    stop.storeRelease(1);
    farEnd->wait();
    delete farEnd;
    QCOMPARE(result, silence);
    QVERIFY2(took >= atLeast, qPrintable(QString("%1 ms").arg(took)));
    if (atMost >= 0)
        QVERIFY2(took <= atMost, qPrintable(QString("%1 ms").arg(took)));
    if (silence == Silence::Reached) {
        // Everything that came was dropped: the next byte read is the next one sent.
        QCOMPARE(::write(pty->master, "x", 1), ssize_t(1));
        unsigned char byte = 0;
        QVERIFY(receiveBytes(fd, &byte, 1));
        QCOMPARE(byte, (unsigned char)'x');
    }
    closePort(fd);
    delete pty;
}

void TestSerialPort::waitsServeTheWindow_data()
{
    QTest::addColumn<int>("wait");
    QTest::newRow("a read of a trickled answer") << 0;
    QTest::newRow("a drop on a line that never falls silent") << 1;
    QTest::newRow("a pause") << 2;
}

// However long the computer takes, the window is served every 0.1 s while the link waits.
void TestSerialPort::waitsServeTheWindow()
{
    QFETCH(int, wait);
    ScaledPauses real(1.0);
    Pty pty;
    const int fd = openPort(pty.path);
    Trickle farEnd(pty);
    QDeadlineTimer deadline(500, Qt::PreciseTimer);
    WindowGaps window;
    QElapsedTimer elapsed;
    elapsed.start();
    unsigned char buffer[100];
    bool ended = true;
    if (wait == 0)
        ended = !receiveBytes(fd, buffer, 100, deadline);
    else if (wait == 1)
        ended = SerialPort::dropUntilSilent(fd, QDeadlineTimer(0), deadline) == Silence::Talking;
    else
        pause(500);
    const qint64 longest = window.longest();
    const qint64 took = elapsed.elapsed();
    closePort(fd);
    // The read fails for want of its bytes, the drop because the line never fell silent.
    QVERIFY(ended);
    QVERIFY2(took >= 500, qPrintable(QString("%1 ms").arg(took)));
    QVERIFY2(longest <= 150, qPrintable(QString("%1 ms").arg(longest)));
}

void TestSerialPort::sendFailsOnDeadLine()
{
    Pty* pty = new Pty;
    const int fd = openPort(pty->path);
    delete pty;
    QVERIFY(!sendBytes(fd, "x", 1));
    unsigned char byte;
    QVERIFY(!receiveBytes(fd, &byte, 1));
    closePort(fd);
}

void TestSerialPort::readRetriedAfterSignal()
{
    InterruptingSignal signal;
    Pty pty;
    const int fd = openPort(pty.path);
    const pthread_t reader = pthread_self();
    QThread* farEnd = QThread::create([&] {
        QThread::msleep(50);
        pthread_kill(reader, SIGUSR1);
        QThread::msleep(70);
        ::write(pty.master, "Z", 1);
    });
    farEnd->start();
    unsigned char byte = 0;
    const bool received = receiveBytes(fd, &byte, 1);
    farEnd->wait();
    delete farEnd;
    closePort(fd);
    QVERIFY(received);
    QCOMPARE(byte, (unsigned char)'Z');
}

void TestSerialPort::writeRetriedAfterSignal()
{
    InterruptingSignal signal;
    Pty pty;
    const int fd = openPort(pty.path);
    // Fill the line until a write would block.
    fcntl(fd, F_SETFL, O_NONBLOCK);
    int queued = 0;
    while (::write(fd, "f", 1) == 1)
        ++queued;
    fcntl(fd, F_SETFL, 0);

    const pthread_t writer = pthread_self();
    QByteArray drained;
    QThread* farEnd = QThread::create([&] {
        QThread::msleep(50);
        pthread_kill(writer, SIGUSR1);
        QThread::msleep(70);
        drained = pty.readMaster(queued + 1);
    });
    farEnd->start();
    const bool sent = sendBytes(fd, "E", 1);
    farEnd->wait();
    delete farEnd;
    closePort(fd);
    QVERIFY(sent);
    QCOMPARE(drained.size(), queued + 1);
    QCOMPARE(drained.at(queued), 'E');
}

QTEST_MAIN(TestSerialPort)
#include "tst_serialport.moc"
