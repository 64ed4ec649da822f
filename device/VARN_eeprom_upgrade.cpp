#include "DeviceConsole.h"
#include "SerialPort.h"
#include "VARN_eeprom.h"

#include <QCoreApplication>
#include <QTextEdit>
#include <cstdio>
#include <cstring>

using namespace SerialPort;

namespace {

const char BOOT_SYNC = char(0xC1);
const int BLOCK_SIZE = 0x40;
const int SYNC_ATTEMPTS = 100;

// PIC18 code: GOTO 0x17F40 (the boot loader's start, just after the firmware area), two NOPs.
const unsigned char byteCode[8] = {0xA0, 0xEF, 0xBF, 0xF0, 0x00, 0x00, 0x00, 0x00};

// Outlives the throw: the window shows the text after the upgrade has returned.
char badChecksumText[32];

// Sends the block at address and waits for the boot loader's 'K'.
void writeBlock(int fd, const unsigned char* image, int address)
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

    const bool sent = sendBytes(fd, &header[0], 1) && sendBytes(fd, &header[1], 1)
                      && sendBytes(fd, &header[2], 1) && sendBytes(fd, &header[3], 1)
                      && sendBytes(fd, reinterpret_cast<const char*>(image + address), BLOCK_SIZE)
                      && sendBytes(fd, &checksum, 1);
    if (!sent) {
        closePort(fd);
        throw "Write failed";
    }
    pause(20);
    unsigned char reply;
    if (!receiveBytes(fd, &reply, 1) || reply != 'K') {
        std::snprintf(badChecksumText, sizeof badChecksumText, "Bad checksum at 0x%06X", address);
        closePort(fd);
        throw static_cast<const char*>(badChecksumText);
    }
}

// The percentage line at the end of the console, rewritten in place.
class Progress {
public:
    Progress()
    {
        if (QTextEdit* console = DeviceConsole::console()) {
            console->append(text(0));
            console->setOverwriteMode(true);
        }
    }

    ~Progress()
    {
        if (QTextEdit* console = DeviceConsole::console())
            console->setOverwriteMode(false);
    }

    void show(int percent)
    {
        QTextEdit* console = DeviceConsole::console();
        if (!console)
            return;
        // From the end, wherever the user may have clicked meanwhile.
        console->moveCursor(QTextCursor::End);
        console->moveCursor(QTextCursor::StartOfLine, QTextCursor::KeepAnchor);
        console->insertPlainText(text(percent));
    }

private:
    static QString text(int percent) { return QString("  %1%").arg(percent); }
};

} // namespace

void VARN_eeprom::upgrade(const QString& port, unsigned char* image, int size)
{
    if (size != FIRMWARE_SIZE)
        throw "Firmware image is not 98112 bytes long";
    ExclusiveOperation operation;

    std::memcpy(image + size - 8, image, 8);
    std::memcpy(image, byteCode, 8);

    const int fd = openPort(port);
    QCoreApplication::processEvents();
    if (!sendBytes(fd, &BOOT_SYNC, 1)) {
        closePort(fd);
        throw "Cannot start firmware upgrade";
    }
    pause(500);
    bool synced = false;
    for (int attempt = 0; attempt < SYNC_ATTEMPTS && !synced; ++attempt) {
        if (!sendBytes(fd, &BOOT_SYNC, 1)) {
            closePort(fd);
            throw "Write failed";
        }
        pause(500);
        unsigned char answer[2];
        synced = receiveBytes(fd, answer, 2) && answer[0] == 'W' && answer[1] == 'K';
    }
    if (!synced) {
        closePort(fd);
        throw "Cannot sync firmware upgrade";
    }

    Progress progress;
    int shown = 0;
    for (int address = BLOCK_SIZE; address < size; address += BLOCK_SIZE) {
        const int percent = address * 100 / size;
        if (percent > shown) {
            shown = percent;
            progress.show(percent);
            QCoreApplication::processEvents();
        }
        writeBlock(fd, image, address);
    }
    // The boot loader restarts the computer when block 0 arrives: it goes last.
    writeBlock(fd, image, 0);
    progress.show(100);
    pause(500);
    closePort(fd);
}
