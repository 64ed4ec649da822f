#include "DeviceConsole.h"
#include "SerialPort.h"
#include "VARN_eeprom.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <cmath>
#include <cstdio>
#include <cstring>

using namespace SerialPort;

namespace {

const char BOOT_SYNC = char(0xC1);
const int BLOCK_SIZE = 0x40;
const int SYNC_ATTEMPTS = 100;
const int SYNC_PAUSE_MS = 500;
const int BLOCK_PAUSE_MS = 20;

// One block on the line: address, length, data and checksum out, the answer back, ten bits a
// byte at 115200 baud.
const double BLOCK_LINE_MS = (4 + BLOCK_SIZE + 1 + 1) * 10 * 1000.0 / 115200;

// PIC18 code: GOTO 0x17F40 (the boot loader's start, just after the firmware area), two NOPs.
const unsigned char byteCode[8] = {0xA0, 0xEF, 0xBF, 0xF0, 0x00, 0x00, 0x00, 0x00};

// Outlives the throw: the window shows the text after the upgrade has returned.
char badChecksumText[32];

// The longest the blocks may take. Each needs its time on the line and its pause; its answer
// gets two more pauses on top, for the boot loader and for adapters that hold back short
// replies. A boot loader that trickles every answer just inside the read timeout would
// otherwise hold the upgrade for more than five minutes.
QDeadlineTimer blocksDeadline(int blocks)
{
    return deadlineIn(int(std::ceil(blocks * (BLOCK_LINE_MS + 3 * BLOCK_PAUSE_MS * pauseScale))));
}

// A boot loader left waiting by an upgrade that was cut off answers the first sync as well: its
// second "WK" may still be on its way when the sync has been read. Dropped until the line is
// silent, within a second, so that a line that never falls silent cannot hold the upgrade: the
// blocks' answers judge it then.
const int SYNC_SILENCE_MS = 1000;

// Sends the block at address and waits for the boot loader's 'K'.
void writeBlock(int fd, const unsigned char* image, int address, QDeadlineTimer& deadline)
{
    const char header[4] = {char((address >> 16) & 0x1F), char((address >> 8) & 0xFF), char(address & 0xFF),
                            char(BLOCK_SIZE)};
    unsigned char sum = 0;
    for (char c : header)
        sum += (unsigned char)c;
    for (int i = 0; i < BLOCK_SIZE; ++i)
        sum += image[address + i];
    // The whole frame adds up to 0 modulo 256.
    const char checksum = char(-sum);

    // A stray byte that came before the frame must not pass for its answer.
    discardInput(fd);
    const bool sent = sendBytes(fd, &header[0], 1) && sendBytes(fd, &header[1], 1)
                      && sendBytes(fd, &header[2], 1) && sendBytes(fd, &header[3], 1)
                      && sendBytes(fd, reinterpret_cast<const char*>(image + address), BLOCK_SIZE)
                      && sendBytes(fd, &checksum, 1);
    if (!sent) {
        closePort(fd);
        throw "Write failed";
    }
    pause(BLOCK_PAUSE_MS, deadline);
    unsigned char reply;
    if (!receiveBytes(fd, &reply, 1, deadline) || reply != 'K') {
        std::snprintf(badChecksumText, sizeof badChecksumText, "Bad checksum at 0x%06X", address);
        closePort(fd);
        throw static_cast<const char*>(badChecksumText);
    }
}

// A line of the Console of its own, rewritten in place however many lines are appended after
// it meanwhile (a refusal, another report). Should it be gone, cleared away or replaced by
// someone else's text, the next text goes into a new last line instead of over another.
class ConsoleLine {
public:
    void show(const QString& text)
    {
        QTextEdit* console = DeviceConsole::console();
        if (!console)
            return;
        if (console == shownIn && !cursor.isNull() && cursor.block().text() == shown) {
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.insertText(text, QTextCharFormat());
            // At the end of the line, the cursor would move into a line appended after it.
            cursor.movePosition(QTextCursor::StartOfBlock);
            // A change above the Console's own cursor makes it take up the look of the text
            // before it, and every plain line appended later would wear that look (the italics
            // of a refusal). The user's selection keeps its look.
            if (!console->textCursor().hasSelection())
                console->setCurrentCharFormat(QTextCharFormat());
        } else {
            cursor = DeviceConsole::appendLine(text);
            shownIn = console;
        }
        shown = text;
    }

private:
    QPointer<QTextEdit> shownIn;
    QTextCursor cursor;
    QString shown;
};

// The percentage of the blocks written. The Console stays in overwrite mode while it counts.
class Progress {
public:
    Progress()
    {
        show(0);
        if (QTextEdit* console = DeviceConsole::console())
            console->setOverwriteMode(true);
    }

    ~Progress()
    {
        if (QTextEdit* console = DeviceConsole::console())
            console->setOverwriteMode(false);
    }

    void show(int percent) { line.show(QString("  %1%").arg(percent)); }

private:
    ConsoleLine line;
};

QString waitingText(int attempt)
{
    return QCoreApplication::translate("VARN_Planner_Interface",
                                       "Waiting for the dive computer's boot loader... (try %1 of %2)")
        .arg(attempt)
        .arg(SYNC_ATTEMPTS);
}

} // namespace

void VARN_eeprom::upgrade(const QString& port, unsigned char* image, int size, bool* blocksSent)
{
    if (blocksSent)
        *blocksSent = false;
    if (size != FIRMWARE_SIZE)
        throw "Firmware image is not 98112 bytes long";
    ExclusiveOperation operation;

    std::memcpy(image + size - 8, image, 8);
    std::memcpy(image, byteCode, 8);

    const int fd = openPort(port);
    processEvents();
    if (!sendBytes(fd, &BOOT_SYNC, 1)) {
        closePort(fd);
        throw "Cannot start firmware upgrade";
    }
    pause(SYNC_PAUSE_MS);
    // A computer that never answers takes a while: the window goes on and says what it waits for.
    ConsoleLine waiting;
    bool synced = false;
    for (int attempt = 1; attempt <= SYNC_ATTEMPTS && !synced; ++attempt) {
        waiting.show(waitingText(attempt));
        processEvents();
        if (!sendBytes(fd, &BOOT_SYNC, 1)) {
            closePort(fd);
            throw "Write failed";
        }
        pause(SYNC_PAUSE_MS);
        unsigned char answer[2];
        synced = receiveBytes(fd, answer, 2) && answer[0] == 'W' && answer[1] == 'K';
    }
    if (!synced) {
        closePort(fd);
        throw "Cannot sync firmware upgrade";
    }
    QDeadlineTimer silenceDeadline(SYNC_SILENCE_MS, Qt::PreciseTimer);
    dropUntilSilent(fd, QDeadlineTimer(0), silenceDeadline);

    const int blocks = size / BLOCK_SIZE;
    QDeadlineTimer deadline = blocksDeadline(blocks);
    if (blocksSent)
        *blocksSent = true;
    Progress progress;
    int shown = 0;
    for (int address = BLOCK_SIZE; address < size; address += BLOCK_SIZE) {
        const int percent = address * 100 / size;
        if (percent > shown) {
            shown = percent;
            progress.show(percent);
        }
        // After every block, not only when the percentage moves: a slow boot loader takes
        // seconds for one percent, and the window must not stand still meanwhile.
        processEvents(deadline);
        writeBlock(fd, image, address, deadline);
    }
    // The boot loader restarts the computer when block 0 arrives: it goes last.
    writeBlock(fd, image, 0, deadline);
    progress.show(100);
    pause(SYNC_PAUSE_MS);
    closePort(fd);
}
