#ifndef DIVECOMPUTEREMULATOR_H
#define DIVECOMPUTEREMULATOR_H

#include "VARN_eeprom.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QMutex>
#include <QString>
#include <QVector>
#include <QWaitCondition>

class QThread;

// A VARN dive computer on a pseudo-terminal, for tests of the real serial code. It answers on
// its own thread, so the thread under test may block in the serial code meanwhile.
//
//   DiveComputerEmulator computer;           // answers at once
//   computer.setImage(image);                // serial, firmware and settings it holds
//   computer.setFault(Fault::ShortBank, 100, 1);
//   image.download(computer.portPath());     // "/dev/pts/N", opened like any port
//   computer.commands(), computer.image() ...
//
// It reads its input as a stream of commands with their data, not byte by byte as commands:
// a half-received command is forgotten after 100 ms of silence or when the host closes the port.
// (A pause of its own thread, on a busy machine, is not counted as silence.)
// It starts in normal mode; the first BOOT_SYNC byte starts its boot loader, which takes the
// firmware frames into its program memory and returns to normal mode after block 0 only. An
// upgrade cut off before (the host closed the port, the line dropped) leaves it waiting in its
// boot loader, which then answers every BOOT_SYNC with "WK", the next upgrade's first included.
class DiveComputerEmulator {
public:
    enum class Fault {
        None,
        Silent,          // answers nothing (each byte received is one strike)
        Garbage,         // answers every byte with one junk byte and does nothing else
        WrongEcho,       // echoes a write command wrongly and takes no data, or a screen dump
                         // wrongly and streams the screen all the same
        DropLine,        // stops answering after `parameter` data bytes of a bank write
        StoreDifferent,  // stores a different byte at image offset `parameter` than it received
        ShortBank,       // sends only `parameter` bytes of a bank it is asked for
        CutScreen,       // stops the screen stream after `parameter` bytes
        BootNeverSyncs,  // answers every boot-loader sync with two bytes other than 'W' 'K'
        BootSyncAtTry,   // leaves sync tries before try `parameter` unanswered
        BootRejectFrame, // answers the frame at address `parameter` with a byte other than 'K'
        BootIgnoreFrame, // does not answer the frame at address `parameter`
        BootHangUp,      // hangs up the line when the frame at address `parameter` has arrived
        Surplus,         // sends three junk bytes more after bank `parameter` when asked for it
        Trickle,         // sends what a command makes it answer one byte every `parameter` ms
                         // (the answers to a bank write's data included); a strike per command
        BootTrickle,     // sends the boot loader's answers one byte at a time, each `parameter`
                         // milliseconds after the one before (a strike is one answer)
        BootSurplus,     // answers the frame at address `parameter` with one stray byte after its 'K'
        HangUpInBank,    // hangs up the line when data byte `parameter` + 1 of a bank write arrives,
                         // having stored the `parameter` bytes before it (the cable pulled)
        SplitBank,       // sends the first `parameter` bytes of a bank it is asked for at once, and
                         // the rest the next read delay (setReadDelays) later
    };

    DiveComputerEmulator();
    ~DiveComputerEmulator();
    DiveComputerEmulator(const DiveComputerEmulator&) = delete;
    DiveComputerEmulator& operator=(const DiveComputerEmulator&) = delete;

    // The pseudo-terminal's slave, "/dev/pts/N".
    QString portPath() const;

    // The configuration it holds (a default image until set) and stores bank writes into.
    void setImage(const VARN_eeprom& image);
    VARN_eeprom image() const;

    // The display, a 320 x 240 picture of format RGB16 (RGB565), sent run-length encoded.
    void setScreen(const QImage& screen);
    // Or the exact bytes that follow the echo of a screen dump.
    void setScreenStream(const QByteArray& stream);
    // The encoding of a screen: runs never longer than their kind allows, each odd column's
    // last run sent at its kind's longest length so that it reaches past the column.
    static QByteArray encodeScreen(const QImage& screen);

    // Program memory of the firmware area, 0x17F40 bytes (zero until set).
    void setProgramMemory(const QByteArray& memory);
    QByteArray programMemory() const;

    // One fault at a time; it strikes `times` times (-1: always), then the computer behaves.
    void setFault(Fault fault, int parameter = 0, int times = -1);

    // A computer slow to wake: from now on the bank reads ('g', 'j', 'm') it is asked for are
    // answered each the next delay of the list late, in milliseconds; reads past the list at once.
    // Answers keep their order (a late one holds back those after it), and a late answer comes
    // even when the host has closed or flushed the line meanwhile: the computer cannot tell.
    void setReadDelays(const QVector<int>& milliseconds);

    // Another device on the line (a modem, a GPS, a second program on the port): from now on
    // a junk byte every `milliseconds` ms, whatever the host asks or does; 0 stops it.
    void talk(int milliseconds);

    // Pulls the plug: closes the line at once; the port's path is gone afterwards.
    void hangUp();

    // Bytes nobody asked for, such as a noisy adapter sends; returns once they are on the line.
    void sendUnasked(const QByteArray& bytes);
    // Returns once it has seen the host open the line: from then on it reads what comes at once
    // (while no host has the line open it looks only every few milliseconds).
    void waitForHost() const;

    // What it recorded, up to the last byte the host sent.
    QByteArray received() const;            // every byte, in order
    QVector<qint64> receivedTimes() const;  // when its thread read each of them, in microseconds
                                            // since it started: never before the byte came, at
                                            // times a little after
    QByteArray commands() const;            // the bytes it took as commands, in order
    QVector<int> banksWritten() const;      // bank numbers of completed bank writes, in order
    QByteArray clockBytes() const;          // the six bytes of the last clock setting
    QVector<QByteArray> bootFrames() const; // every complete boot-loader frame, in order
    bool inBootLoader() const;
    void clearRecords();

private:
    enum class State { Command, WriteBank, Clock, Frame, Dropped };

    void run();
    // Waits until the thread has taken everything the host sent.
    void catchUp(QMutexLocker& lock) const;
    int unreadBytes() const;
    void take(unsigned char byte);
    void command(unsigned char byte);
    void bootSync();
    void frame();
    void bootAnswer(const QByteArray& bytes);
    void sendBootTrickle();
    void answerRead(const QByteArray& bytes);
    void answerAfter(const QByteArray& bytes, int delay);
    void sendLateAnswers();
    void hostClosed();
    void closeLine();
    bool strikes(Fault fault);
    bool hasBank2() const;
    // Whether the next byte of the output may go: at once, or once a bootTrickle's interval has passed.
    bool sendingDue() const;

    mutable QMutex mutex;
    // Signals the start of the thread and the end of the line.
    QWaitCondition lineClosed;
    bool running = false;
    QThread* thread = nullptr;
    bool stopping = false;
    bool hangUpWanted = false;
    int master = -1;
    QString slavePath;

    VARN_eeprom memory;
    QByteArray screenStream;
    QByteArray program;
    Fault fault = Fault::None;
    int faultParameter = 0;
    int faultTimes = 0;

    State state = State::Command;
    bool bootLoader = false;
    int bank = 0;
    int bankBytes = 0;
    int syncTries = 0;
    QByteArray pending;
    QByteArray output;
    QElapsedTimer sinceLastByte;
    QElapsedTimer sinceLooked;
    int opened = 0;
    bool trickling = false;
    int trickleMs = 0;
    QElapsedTimer sinceLastSent;
    QElapsedTimer clockTime;
    qint64 packetTime = 0;
    // Answers of a trickling boot loader, waiting for their time; the next one goes out when
    // the clock reaches bootTrickleDue.
    QByteArray bootTrickle;
    QElapsedTimer bootTrickleClock;
    qint64 bootTrickleDue = 0;
    // Delays of the bank reads still to come, and the late answers waiting for their time (on
    // clockTime, in milliseconds).
    QVector<int> readDelays;
    struct LateAnswer {
        qint64 due;
        QByteArray bytes;
    };
    QVector<LateAnswer> lateAnswers;
    int talkMs = 0;
    QElapsedTimer sinceTalked;

    QByteArray receivedBytes;
    QVector<qint64> receivedAt;
    QByteArray commandBytes;
    QVector<int> writtenBanks;
    QByteArray clock;
    QVector<QByteArray> frames;
};

#endif
