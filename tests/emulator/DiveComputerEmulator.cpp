#include "DiveComputerEmulator.h"

#include <QThread>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

const int BANK_SIZE = 256;
const int BANK_DATA = 252;
const int CLOCK_BYTES = 6;
const int FRAME_SIZE = 69;
const int FIRMWARE_SIZE = 0x17F40;
const int SCREEN_WIDTH = 320;
const int SCREEN_HEIGHT = 240;
const unsigned char BOOT_SYNC = 0xC1;
const unsigned char JUNK = 0xA5;
// A half-received command is forgotten after this much silence.
const int FORGET_MS = 100;

int longestRun(quint16 colour)
{
    return colour == 0x0000 ? 128 : 64;
}

} // namespace

DiveComputerEmulator::DiveComputerEmulator()
    : program(FIRMWARE_SIZE, '\0')
{
    clockTime.start();
    sinceLastSent.start();
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        qFatal("no pseudo-terminal for the dive computer emulator");
    char name[64];
    if (ptsname_r(master, name, sizeof name) != 0)
        qFatal("no name for the emulator's pseudo-terminal");
    slavePath = QString::fromLatin1(name);
    // Raw from the start: no echo or line editing of what the host sends before it configures.
    const int slave = ::open(name, O_RDWR | O_NOCTTY);
    termios options;
    if (slave < 0 || tcgetattr(slave, &options) != 0)
        qFatal("cannot configure the emulator's pseudo-terminal");
    cfmakeraw(&options);
    tcsetattr(slave, TCSANOW, &options);
    ::close(slave);
    fcntl(master, F_SETFL, O_NONBLOCK);
    // Packet mode reports each flush of the host's input, which every open of the port makes:
    // the start of a new session even when the host closes and opens again at once.
    int packetMode = 1;
    ioctl(master, TIOCPKT, &packetMode);

    thread = QThread::create([this] { run(); });
    thread->start();
    // Running, with everything its thread holds: descriptors counted from now on stay put.
    QMutexLocker lock(&mutex);
    while (!running)
        lineClosed.wait(&mutex);
}

DiveComputerEmulator::~DiveComputerEmulator()
{
    {
        QMutexLocker lock(&mutex);
        stopping = true;
    }
    thread->wait();
    delete thread;
    if (master >= 0)
        ::close(master);
}

QString DiveComputerEmulator::portPath() const
{
    return slavePath;
}

void DiveComputerEmulator::setImage(const VARN_eeprom& image)
{
    QMutexLocker lock(&mutex);
    memory = image;
}

VARN_eeprom DiveComputerEmulator::image() const
{
    QMutexLocker lock(&mutex);
    catchUp(lock);
    return memory;
}

void DiveComputerEmulator::setScreen(const QImage& screen)
{
    const QByteArray stream = encodeScreen(screen);
    QMutexLocker lock(&mutex);
    screenStream = stream;
}

void DiveComputerEmulator::setScreenStream(const QByteArray& stream)
{
    QMutexLocker lock(&mutex);
    screenStream = stream;
}

QByteArray DiveComputerEmulator::encodeScreen(const QImage& screen)
{
    Q_ASSERT(screen.format() == QImage::Format_RGB16 && screen.width() == SCREEN_WIDTH
             && screen.height() == SCREEN_HEIGHT);
    auto pixel = [&screen](int x, int y) { return reinterpret_cast<const quint16*>(screen.constScanLine(y))[x]; };
    QByteArray stream;
    for (int x = 0; x < SCREEN_WIDTH; ++x) {
        for (int y = 0; y < SCREEN_HEIGHT;) {
            const quint16 colour = pixel(x, y);
            int length = 1;
            while (y + length < SCREEN_HEIGHT && length < longestRun(colour) && pixel(x, y + length) == colour)
                ++length;
            y += length;
            const int sent = (y == SCREEN_HEIGHT && x % 2 == 1) ? longestRun(colour) : length;
            if (colour == 0x0000) {
                stream += char(sent - 1);
            } else if (colour == 0xFFFF) {
                stream += char(0xC0 | (sent - 1));
            } else {
                stream += char(0x80 | (sent - 1));
                stream += char(colour >> 8);
                stream += char(colour & 0xFF);
            }
        }
    }
    return stream;
}

void DiveComputerEmulator::setProgramMemory(const QByteArray& memory)
{
    Q_ASSERT(memory.size() == FIRMWARE_SIZE);
    QMutexLocker lock(&mutex);
    program = memory;
}

QByteArray DiveComputerEmulator::programMemory() const
{
    QMutexLocker lock(&mutex);
    catchUp(lock);
    return program;
}

void DiveComputerEmulator::setFault(Fault newFault, int parameter, int times)
{
    QMutexLocker lock(&mutex);
    fault = newFault;
    faultParameter = parameter;
    faultTimes = times;
}

void DiveComputerEmulator::setReadDelays(const QVector<int>& milliseconds)
{
    QMutexLocker lock(&mutex);
    readDelays = milliseconds;
}

void DiveComputerEmulator::talk(int milliseconds)
{
    QMutexLocker lock(&mutex);
    talkMs = milliseconds;
    sinceTalked.start();
}

void DiveComputerEmulator::hangUp()
{
    QMutexLocker lock(&mutex);
    hangUpWanted = true;
    while (master >= 0)
        lineClosed.wait(&mutex);
}

void DiveComputerEmulator::sendUnasked(const QByteArray& bytes)
{
    // Written at once, not queued with the answers: those go when the host flushes its input,
    // as it may just have done, while these come after the flush.
    QMutexLocker lock(&mutex);
    if (master >= 0 && ::write(master, bytes.constData(), size_t(bytes.size())) != bytes.size())
        qFatal("the emulator could not send unasked bytes");
}

void DiveComputerEmulator::waitForHost() const
{
    QMutexLocker lock(&mutex);
    while (opened == 0) {
        lock.unlock();
        QThread::msleep(1);
        lock.relock();
    }
}

QByteArray DiveComputerEmulator::received() const
{
    QMutexLocker lock(&mutex);
    catchUp(lock);
    return receivedBytes;
}

QVector<qint64> DiveComputerEmulator::receivedTimes() const
{
    QMutexLocker lock(&mutex);
    catchUp(lock);
    return receivedAt;
}

QByteArray DiveComputerEmulator::commands() const
{
    QMutexLocker lock(&mutex);
    catchUp(lock);
    return commandBytes;
}

QVector<int> DiveComputerEmulator::banksWritten() const
{
    QMutexLocker lock(&mutex);
    catchUp(lock);
    return writtenBanks;
}

QByteArray DiveComputerEmulator::clockBytes() const
{
    QMutexLocker lock(&mutex);
    catchUp(lock);
    return clock;
}

QVector<QByteArray> DiveComputerEmulator::bootFrames() const
{
    QMutexLocker lock(&mutex);
    catchUp(lock);
    return frames;
}

bool DiveComputerEmulator::inBootLoader() const
{
    QMutexLocker lock(&mutex);
    catchUp(lock);
    return bootLoader;
}

void DiveComputerEmulator::clearRecords()
{
    QMutexLocker lock(&mutex);
    receivedBytes.clear();
    receivedAt.clear();
    commandBytes.clear();
    writtenBanks.clear();
    clock.clear();
    frames.clear();
}

void DiveComputerEmulator::catchUp(QMutexLocker& lock) const
{
    // Reading and answering happen under the lock: once nothing is left unread, every byte
    // the host sent has been taken.
    QElapsedTimer waited;
    waited.start();
    while (unreadBytes() > 0 && waited.elapsed() <= 2000) {
        lock.unlock();
        QThread::msleep(1);
        lock.relock();
    }
}

int DiveComputerEmulator::unreadBytes() const
{
    if (master < 0)
        return 0;
    // The kernel passes what the host writes on to this side a little later: a poll hands
    // over what is on its way, which the count alone would miss.
    pollfd line = {master, POLLIN, 0};
    poll(&line, 1, 0);
    int unread = 0;
    return ioctl(master, FIONREAD, &unread) == 0 ? unread : 0;
}

void DiveComputerEmulator::run()
{
    sinceLastByte.start();
    sinceLooked.start();
    bootTrickleClock.start();
    QMutexLocker lock(&mutex);
    running = true;
    lineClosed.wakeAll();
    while (!stopping) {
        if (hangUpWanted)
            closeLine();
        if (master < 0) {
            lock.unlock();
            QThread::msleep(5);
            lock.relock();
            continue;
        }

        pollfd line = {master, short(POLLIN | (output.isEmpty() || !sendingDue() ? 0 : POLLOUT)), 0};
        lock.unlock();
        const int ready = poll(&line, 1, 5);
        lock.relock();
        if (stopping || hangUpWanted)
            continue;
        // A pause of this thread's own, on a busy machine, is no silence of the host's.
        if (sinceLooked.restart() > FORGET_MS / 2)
            sinceLastByte.restart();

        const bool hungUp = ready > 0 && (line.revents & POLLHUP);
        bool tookData = false;
        if (ready > 0 && (line.revents & POLLIN)) {
            // Everything there, so that a new session is seen before anything more is sent.
            for (;;) {
                unsigned char packet[513];
                const ssize_t got = ::read(master, packet, sizeof packet);
                if (got < 0 && errno == EIO)
                    hostClosed();
                if (got <= 0)
                    break;
                if (packet[0] != TIOCPKT_DATA) {
                    if (packet[0] & TIOCPKT_FLUSHREAD) {
                        hostClosed();
                        ++opened;
                    }
                    continue;
                }
                packetTime = clockTime.nsecsElapsed() / 1000;
                for (ssize_t i = 1; i < got && master >= 0; ++i)
                    take(packet[i]);
                sinceLastByte.restart();
                tookData = true;
                if (master < 0)
                    break;
            }
        }
        // Without a host the line reports a hang-up until the next open: everything half-done
        // belongs to the host that left, but only after the bytes it sent before leaving. A
        // hang-up seen together with bytes may be older than the session that they begin (a new
        // session starts with a flush); one that lasts is seen again without bytes.
        if (hungUp && !tookData)
            hostClosed();
        sendBootTrickle();
        sendLateAnswers();
        // Not one of the computer's answers: a flush of the line does not stop it.
        if (talkMs > 0 && master >= 0 && sinceTalked.elapsed() >= talkMs
            && ::write(master, &JUNK, 1) == 1)
            sinceTalked.restart();
        if (master >= 0 && !output.isEmpty() && sendingDue()) {
            const ssize_t written = ::write(master, output.constData(), size_t(trickling ? 1 : output.size()));
            if (written > 0) {
                output.remove(0, int(written));
                sinceLastSent.restart();
            }
        }
        // Silence is the host's: bytes already waiting were sent in time, however late this
        // thread comes to read them.
        if (state != State::Command && sinceLastByte.elapsed() > FORGET_MS && unreadBytes() == 0) {
            state = State::Command;
            pending.clear();
        }
        // The hang-up stays reported until the host opens again: no busy loop meanwhile.
        if (hungUp && !tookData) {
            lock.unlock();
            QThread::msleep(2);
            lock.relock();
        }
    }
}

bool DiveComputerEmulator::strikes(Fault kind)
{
    if (fault != kind || faultTimes == 0)
        return false;
    if (faultTimes > 0 && --faultTimes == 0)
        fault = Fault::None;
    return true;
}

bool DiveComputerEmulator::hasBank2() const
{
    return memory.firmwareMajor > 2 || (memory.firmwareMajor == 2 && memory.firmwareMinor >= 22);
}

bool DiveComputerEmulator::sendingDue() const
{
    return !trickling || sinceLastSent.elapsed() >= trickleMs;
}

void DiveComputerEmulator::take(unsigned char byte)
{
    receivedBytes += char(byte);
    receivedAt += packetTime;
    if (strikes(Fault::Silent))
        return;
    if (strikes(Fault::Garbage)) {
        output += char(JUNK);
        return;
    }
    switch (state) {
    case State::Command:
        if (bootLoader && byte != BOOT_SYNC) {
            pending = QByteArray(1, char(byte));
            state = State::Frame;
        } else {
            commandBytes += char(byte);
            trickling = fault == Fault::Trickle && strikes(Fault::Trickle);
            if (trickling)
                trickleMs = faultParameter;
            if (bootLoader)
                bootSync();
            else
                command(byte);
        }
        break;
    case State::WriteBank: {
        if (fault == Fault::HangUpInBank && bankBytes == faultParameter && strikes(Fault::HangUpInBank)) {
            closeLine();
            break;
        }
        if (fault == Fault::DropLine && bankBytes == faultParameter && strikes(Fault::DropLine)) {
            state = State::Dropped;
            break;
        }
        const int offset = bank * BANK_SIZE + (BANK_SIZE - BANK_DATA) + bankBytes;
        unsigned char stored = byte;
        if (fault == Fault::StoreDifferent && offset == faultParameter && strikes(Fault::StoreDifferent))
            stored ^= 0x01;
        memory.bytes()[offset] = stored;
        output += char(byte);
        if (++bankBytes == BANK_DATA) {
            writtenBanks += bank;
            state = State::Command;
        }
        break;
    }
    case State::Clock:
        pending += char(byte);
        if (pending.size() == CLOCK_BYTES) {
            clock = pending;
            state = State::Command;
        }
        break;
    case State::Frame:
        pending += char(byte);
        if (pending.size() == FRAME_SIZE) {
            state = State::Command;
            frame();
        }
        break;
    case State::Dropped:
        break;
    }
}

void DiveComputerEmulator::command(unsigned char byte)
{
    switch (byte) {
    case 'g':
    case 'j':
    case 'm': {
        const int which = byte == 'g' ? 0 : byte == 'j' ? 1 : 2;
        if (which == 2 && !hasBank2())
            return;
        int length = BANK_SIZE;
        if (fault == Fault::ShortBank && strikes(Fault::ShortBank))
            length = faultParameter;
        QByteArray answer(reinterpret_cast<const char*>(memory.bytes()) + which * BANK_SIZE, length);
        if (fault == Fault::Surplus && which == faultParameter && strikes(Fault::Surplus))
            answer += QByteArray(3, char(JUNK));
        if (fault == Fault::SplitBank && strikes(Fault::SplitBank)) {
            answerAfter(answer.left(faultParameter), 0);
            answer.remove(0, faultParameter);
        }
        answerRead(answer);
        return;
    }
    case 'd':
    case 'i':
    case 'n': {
        const int which = byte == 'd' ? 0 : byte == 'i' ? 1 : 2;
        if (which == 2 && !hasBank2())
            return;
        if (strikes(Fault::WrongEcho)) {
            output += char(byte ^ 0x20);
            return;
        }
        output += char(byte);
        bank = which;
        bankBytes = 0;
        state = State::WriteBank;
        return;
    }
    case 'b':
        pending.clear();
        state = State::Clock;
        return;
    case 'l':
        output += char(strikes(Fault::WrongEcho) ? byte ^ 0x20 : byte);
        if (fault == Fault::CutScreen && strikes(Fault::CutScreen))
            output += screenStream.left(faultParameter);
        else
            output += screenStream;
        return;
    case BOOT_SYNC:
        // The first sync only starts the boot loader.
        bootLoader = true;
        syncTries = 0;
        return;
    default:
        return;
    }
}

void DiveComputerEmulator::bootSync()
{
    ++syncTries;
    if (fault == Fault::BootNeverSyncs)
        bootAnswer("W?");
    else if (fault != Fault::BootSyncAtTry || syncTries >= faultParameter)
        bootAnswer("WK");
}

void DiveComputerEmulator::bootAnswer(const QByteArray& bytes)
{
    // Behind a trickled answer even one that is not trickled waits its turn.
    if (!strikes(Fault::BootTrickle) && bootTrickle.isEmpty()) {
        output += bytes;
        return;
    }
    if (bootTrickle.isEmpty())
        bootTrickleDue = bootTrickleClock.elapsed() + faultParameter;
    bootTrickle += bytes;
}

void DiveComputerEmulator::sendBootTrickle()
{
    if (bootTrickle.isEmpty() || bootTrickleClock.elapsed() < bootTrickleDue)
        return;
    output += bootTrickle.at(0);
    bootTrickle.remove(0, 1);
    bootTrickleDue += faultParameter;
}

void DiveComputerEmulator::answerRead(const QByteArray& bytes)
{
    answerAfter(bytes, readDelays.isEmpty() ? 0 : readDelays.takeFirst());
}

void DiveComputerEmulator::answerAfter(const QByteArray& bytes, int delay)
{
    if (delay == 0 && lateAnswers.isEmpty()) {
        output += bytes;
        return;
    }
    lateAnswers.append({clockTime.elapsed() + delay, bytes});
}

void DiveComputerEmulator::sendLateAnswers()
{
    while (!lateAnswers.isEmpty() && lateAnswers.first().due <= clockTime.elapsed())
        output += lateAnswers.takeFirst().bytes;
}

void DiveComputerEmulator::frame()
{
    frames += pending;
    const unsigned char* f = reinterpret_cast<const unsigned char*>(pending.constData());
    const int address = f[0] << 16 | f[1] << 8 | f[2];
    unsigned char sum = 0;
    for (int i = 0; i < FRAME_SIZE; ++i)
        sum += f[i];
    const bool valid = sum == 0 && f[3] == 0x40 && address % 0x40 == 0 && address + 0x40 <= FIRMWARE_SIZE;

    if (address == faultParameter) {
        if (fault == Fault::BootHangUp && strikes(Fault::BootHangUp)) {
            closeLine();
            return;
        }
        if (fault == Fault::BootIgnoreFrame && strikes(Fault::BootIgnoreFrame))
            return;
        if (fault == Fault::BootRejectFrame && strikes(Fault::BootRejectFrame)) {
            bootAnswer("-");
            return;
        }
    }
    if (!valid) {
        bootAnswer("-");
        return;
    }
    program.replace(address, 0x40, pending.mid(4, 0x40));
    bootAnswer("K");
    if (address == faultParameter && fault == Fault::BootSurplus && strikes(Fault::BootSurplus))
        bootAnswer("W");
    // Block 0 comes last: the computer restarts into its new firmware.
    if (address == 0)
        bootLoader = false;
}

// The boot loader stays: only block 0 returns the computer to its program. Trickled and late
// answers are on their way and come all the same.
void DiveComputerEmulator::hostClosed()
{
    state = State::Command;
    pending.clear();
    output.clear();
    trickling = false;
}

void DiveComputerEmulator::closeLine()
{
    ::close(master);
    master = -1;
    output.clear();
    bootTrickle.clear();
    lateAnswers.clear();
    lineClosed.wakeAll();
}
