#include "SerialPort.h"
#include "VARN_eeprom.h"

#include <QDeadlineTimer>
#include <QDateTime>
#include <QImage>
#include <cstring>

using namespace SerialPort;

namespace {

// One-byte commands of the dive computer.
const char READ_BANK0 = 'g';
const char READ_BANK1 = 'j';
const char READ_BANK2 = 'm';
const char WRITE_BANK0 = 'd';
const char WRITE_BANK1 = 'i';
const char WRITE_BANK2 = 'n';
const char SET_CLOCK = 'b';
const char SCREEN_DUMP = 'l';

const int BANK_SIZE = 256;
// The serial number, logbook version and firmware version lead their banks and are never written.
const int BANK_HEADER = 4;

const int DOWNLOAD_ATTEMPTS = 10;
const int UPLOAD_ATTEMPTS = 2;
const int SCREEN_DUMP_ATTEMPTS = 2;

// Overall time limits, far beyond what a computer needs at 115200 baud, where a byte takes 87 us.
// A whole download, every attempt included: the 768 bytes of an image take 67 ms, and ten
// attempts at a computer that answers nothing take 4 s with their pauses.
const int DOWNLOAD_DEADLINE_MS = 10000;
// One bank written: 252 exchanges of a byte and its answer, 44 ms on the line, but each one
// waits for the adapter's round trip and for the computer to store the byte; this allows 60 ms.
const int BANK_WRITE_DEADLINE_MS = 15000;
// A screen dump: up to 230400 bytes when every pixel is a colour run of its own, 20 s on the line.
const int SCREEN_DUMP_DEADLINE_MS = 30000;

const int SCREEN_WIDTH = 320;
const int SCREEN_HEIGHT = 240;

// Computers with firmware above 2.21 have the third bank.
bool hasBank2(const VARN_eeprom& image)
{
    return image.firmwareMajor > 2 || (image.firmwareMajor == 2 && image.firmwareMinor >= 22);
}

// A computer slow to wake may answer a read up to 2 s after the read has given up on it. Until
// then, bytes on the line may still be that answer: the next command must not be asked before,
// or the late answer would pass for its own. One of the fixed pauses: tests that scale them
// scale this one too.
const int LATE_ANSWER_MS = 2200;

// The rest of the answer to the last bank read, should that read have given up on it: its
// length (-1 when not known) and when it can no longer come. It belongs to the line, not to one
// download: a download that fails leaves it to the next.
struct OwedAnswer {
    int bytes = 0;
    QDeadlineTimer until = QDeadlineTimer(0);
};
OwedAnswer owed;

// How a read ended. A computer that sends something, but not the bank it was asked for, did
// answer: the diver has another fault to look for than one that stays silent.
enum class Read { Complete, Unanswered, Garbled };

Read readBank(int fd, char command, ubyte* bank, QDeadlineTimer& deadline)
{
    if (!sendBytes(fd, &command, 1))
        return Read::Unanswered;
    owed = {BANK_SIZE, QDeadlineTimer(qint64(LATE_ANSWER_MS * pauseScale), Qt::PreciseTimer)};
    if (!receiveBytes(fd, bank, 1, deadline))
        return Read::Unanswered;
    if (!receiveBytes(fd, bank + 1, BANK_SIZE - 1, deadline)) {
        owed.bytes = -1;
        return Read::Garbled;
    }
    owed.bytes = 0;
    return Read::Complete;
}

// One download attempt into image; the port stays open.
Read readBanks(int fd, VARN_eeprom& image, QDeadlineTimer& deadline)
{
    ubyte* bytes = image.bytes();
    Read read = readBank(fd, READ_BANK0, bytes, deadline);
    if (read == Read::Complete)
        read = readBank(fd, READ_BANK1, bytes + BANK_SIZE, deadline);
    if (read != Read::Complete)
        return read;
    if (hasBank2(image))
        return readBank(fd, READ_BANK2, bytes + 2 * BANK_SIZE, deadline);
    // Without a third bank the computer runs custom functions 64..95 at their defaults.
    for (int n = 64; n < CF_COUNT; ++n)
        image.cf(n).value = image.cf(n).defaultValue;
    return Read::Complete;
}

// After the last bank the computer has nothing more to say. A byte within one read timeout
// means an answer longer than its bank, or banks shifted by stray bytes: every bank is suspect.
bool lineStaysSilent(int fd)
{
    ubyte surplus;
    return !receiveBytes(fd, &surplus, 1);
}

// The download itself, for download and for both reads of upload. Fills image only when the
// whole image has arrived and passed the check.
void readImage(VARN_eeprom& image, const QString& port)
{
    QDeadlineTimer deadline = deadlineIn(DOWNLOAD_DEADLINE_MS);
    bool garbled = false;
    bool talking = false;
    // Whether the attempt before left the line silent, with nothing more to come.
    bool lineClear = false;
    for (int attempt = 0; attempt < DOWNLOAD_ATTEMPTS && !deadline.hasExpired(); ++attempt) {
        if (attempt > 0)
            pause(200, deadline);
        const int fd = openPort(port);
        // The window shows its last line ("Connecting") before the computer is asked anything.
        processEvents(deadline);
        VARN_eeprom received = image;
        Read read = Read::Unanswered;
        // Whatever comes meanwhile answers nothing that this attempt asks: it may be what an
        // earlier download left owing.
        Silence silence = lineClear ? Silence::Reached : dropUntilSilent(fd, owed.until, deadline, owed.bytes);
        lineClear = false;
        if (silence == Silence::Reached) {
            owed = OwedAnswer();
            read = readBanks(fd, received, deadline);
            if (read == Read::Complete && !lineStaysSilent(fd))
                read = Read::Garbled;
            // What is still owed is waited for on this line, where every byte of it counts:
            // opening the port again drops what came meanwhile, and only the whole wait until
            // it can no longer come would be left.
            if (read != Read::Complete) {
                silence = dropUntilSilent(fd, owed.until, deadline, owed.bytes);
                lineClear = silence == Silence::Reached;
                if (lineClear)
                    owed = OwedAnswer();
            }
        }
        closePort(fd);
        if (read == Read::Complete) {
            received.check();
            image = received;
            return;
        }
        garbled = garbled || read == Read::Garbled;
        talking = talking || silence == Silence::Talking;
    }
    // Something that never stops talking on the line is not the computer answering.
    if (talking)
        throw "Downloading VARN configuration: the line never falls silent";
    // A computer that trickles its answer until the time is up did not garble it.
    if (garbled && !deadline.hasExpired())
        throw "Downloading VARN configuration: garbled answer";
    throw "Downloading VARN configuration";
}

// How a bank write ended. A computer too slow for its deadline is not asked again.
enum class Write { Done, Failed, OutOfTime };

// Bytes 4..255 of one bank, each answered by the computer after it echoed the command.
// settingsSent is set before the first of them goes out.
Write sendBank(int fd, char command, const ubyte* bank, bool& settingsSent, QDeadlineTimer& deadline)
{
    const auto failed = [&deadline] { return deadline.hasExpired() ? Write::OutOfTime : Write::Failed; };
    // An answer left over from the bank before must not pass for the echo.
    discardInput(fd);
    if (!sendBytes(fd, &command, 1))
        return failed();
    pause(1, deadline);
    ubyte echo;
    if (!receiveBytes(fd, &echo, 1, deadline) || echo != ubyte(command))
        return failed();
    settingsSent = true;
    for (int i = BANK_HEADER; i < BANK_SIZE; ++i) {
        ubyte answer;
        if (!sendBytes(fd, reinterpret_cast<const char*>(bank + i), 1) || !receiveBytes(fd, &answer, 1, deadline))
            return failed();
    }
    return Write::Done;
}

// One bank, sent whole: the user's input waits until it has gone out or failed, and is handled
// before anything else goes on the line.
Write writeBank(int fd, char command, const ubyte* bank, bool& settingsSent)
{
    QDeadlineTimer deadline = deadlineIn(BANK_WRITE_DEADLINE_MS);
    Write written;
    {
        InputHeld held;
        written = sendBank(fd, command, bank, settingsSent, deadline);
    }
    processEvents(deadline);
    return written;
}

Write writeBanks(int fd, const VARN_eeprom& image, bool& settingsSent)
{
    const ubyte* bytes = image.bytes();
    Write written = writeBank(fd, WRITE_BANK0, bytes, settingsSent);
    if (written != Write::Done)
        return written;
    pause(1000);
    processEvents();
    written = writeBank(fd, WRITE_BANK1, bytes + BANK_SIZE, settingsSent);
    if (written != Write::Done)
        return written;
    pause(1000);
    processEvents();
    return hasBank2(image) ? writeBank(fd, WRITE_BANK2, bytes + 2 * BANK_SIZE, settingsSent) : Write::Done;
}

// RGB565, high byte first, widened to 8 bits per component.
QRgb widen(int high, int low)
{
    const int colour = high << 8 | low;
    const int red = colour >> 11;
    const int green = (colour >> 5) & 0x3F;
    const int blue = colour & 0x1F;
    return qRgb(red * 255 / 31, green * 255 / 63, blue * 255 / 31);
}

// The run-length encoded screen, column by column; a run never reaches into the next column.
bool decodeScreen(int fd, QImage& screen, QDeadlineTimer& deadline)
{
    for (int x = 0; x < SCREEN_WIDTH; ++x) {
        int run = 0;
        QRgb colour = qRgb(0, 0, 0);
        for (int y = 0; y < SCREEN_HEIGHT; ++y) {
            if (run == 0) {
                ubyte control;
                if (!receiveBytes(fd, &control, 1, deadline))
                    return false;
                if (control < 0x80) {
                    colour = qRgb(0, 0, 0);
                    run = control + 1;
                } else if (control < 0xC0) {
                    ubyte pair[2];
                    if (!receiveBytes(fd, pair, 2, deadline))
                        return false;
                    colour = widen(pair[0], pair[1]);
                    run = (control & 0x3F) + 1;
                } else {
                    colour = qRgb(255, 255, 255);
                    run = (control & 0x3F) + 1;
                }
            }
            screen.setPixel(x, y, colour);
            --run;
        }
    }
    return true;
}

} // namespace

void VARN_eeprom::download(const QString& port)
{
    ExclusiveOperation operation;
    readImage(*this, port);
}

void VARN_eeprom::upload(const QString& port, bool* settingsSent)
{
    bool sent = false;
    if (!settingsSent)
        settingsSent = &sent;
    *settingsSent = false;
    ExclusiveOperation operation;
    VARN_eeprom reference;
    readImage(reference, port);
    reference.copy(*this);

    int fd = -1;
    Write written = Write::Failed;
    for (int attempt = 0; attempt < UPLOAD_ATTEMPTS && written == Write::Failed; ++attempt) {
        fd = openPort(port);
        processEvents();
        written = writeBanks(fd, reference, *settingsSent);
        if (written != Write::Done)
            closePort(fd);
    }
    if (written != Write::Done)
        throw "Uploading VARN configuration";
    closePort(fd);
    processEvents();
    pause(1000);

    VARN_eeprom readBack;
    readImage(readBack, port);
    processEvents();
    // A computer without the third bank neither stores nor sends it back.
    const size_t compared = hasBank2(reference) ? sizeof(VARN_eeprom) : 2 * BANK_SIZE;
    if (std::memcmp(reference.bytes(), readBack.bytes(), compared) != 0)
        throw "Readback differ";
    *this = reference;
}

void VARN_eeprom::setDateTime(const QString& port, const QDateTime& when)
{
    ExclusiveOperation operation;
    const int fd = openPort(port);
    processEvents();

    const QDate date = when.date();
    const QTime time = when.time();
    const char clock[7] = {SET_CLOCK, char(time.hour()), char(time.minute()), char(time.second()),
                           char(date.month()), char(date.day()), char(date.year() % 100)};
    bool sent = sendBytes(fd, clock, 1);
    if (sent) {
        pause(5);
        sent = sendBytes(fd, clock + 1, 6);
    }
    pause(100);
    closePort(fd);
    if (!sent)
        throw "Sync failed";
    processEvents();
}

QImage VARN_eeprom::dumpScreen(const QString& port) const
{
    ExclusiveOperation operation;
    QDeadlineTimer deadline = deadlineIn(SCREEN_DUMP_DEADLINE_MS);
    for (int attempt = 0; attempt < SCREEN_DUMP_ATTEMPTS && !deadline.hasExpired(); ++attempt) {
        const int fd = openPort(port);
        processEvents(deadline);
        discardInput(fd);
        if (!sendBytes(fd, &SCREEN_DUMP, 1)) {
            closePort(fd);
            continue;
        }
        pause(10, deadline);
        ubyte echo;
        if (!receiveBytes(fd, &echo, 1, deadline) || echo != ubyte(SCREEN_DUMP)) {
            closePort(fd);
            continue;
        }
        QImage screen(SCREEN_WIDTH, SCREEN_HEIGHT, QImage::Format_RGB32);
        const bool complete = decodeScreen(fd, screen, deadline);
        closePort(fd);
        if (complete)
            return screen;
    }
    throw "Dump screen failed";
}
