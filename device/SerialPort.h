#ifndef SERIALPORT_H
#define SERIALPORT_H

#include <QDeadlineTimer>
#include <QString>

// The POSIX serial line to the dive computer, shared by the device operations and the firmware
// upgrade. Everything blocks the calling (GUI) thread.
namespace SerialPort {

// Opens and configures the dive computer's port: 115200 baud 8N1, raw, no flow control, a read
// returning what is there or nothing after 0.2 s of silence. A name that does not begin with
// "/dev/" gets that prefix. Throws "Unable to open port" or "Unable to configure port".
int openPort(const QString& port);
// Writes all n bytes and waits until they have left; false on a write error.
bool sendBytes(int fd, const char* data, int n);
// Reads exactly n bytes; false on a read error, after 0.2 s without a byte, or once the
// deadline has passed (a computer that trickles its answer must not hold the window forever).
// Bytes read before a failure stay in the buffer. The window is served while it waits.
bool receiveBytes(int fd, unsigned char* buffer, int n, QDeadlineTimer& deadline);
bool receiveBytes(int fd, unsigned char* buffer, int n);
// Drops whatever the computer sent that nobody has read: stray bytes must not pass for an answer.
void discardInput(int fd);
// How a wait for a silent line ended.
enum class Silence {
    Reached,
    Talking,    // the deadline passed while bytes kept coming: something talks on the line
    OutOfTime,  // the deadline passed on a silent line
    LineFailed, // a read error or a hang-up
};
// Reads and drops what comes until the line has been silent for a read timeout (0.2 s), and
// not before notBefore has expired. owed is the length of an answer that may still come late:
// once exactly that many bytes have come, it has, and silence alone ends the wait; -1 when
// that is not known. The window is served while it waits.
Silence dropUntilSilent(int fd, const QDeadlineTimer& notBefore, QDeadlineTimer& deadline, int owed = -1);
// Gives up the exclusive use of the terminal and closes it; -1 is no port.
void closePort(int fd);

// The fixed pauses between exchanges with the dive computer. The window is served meanwhile;
// its time counts against deadline no more than elsewhere.
void pause(int milliseconds);
void pause(int milliseconds, QDeadlineTimer& deadline);

// For tests only: every pause lasts this multiple of its time. The program never changes it.
extern double pauseScale;

// The overall time limit of a device operation, starting now: a computer that trickles its
// answer fails the operation instead of holding the window for minutes.
QDeadlineTimer deadlineIn(int milliseconds);

// For tests only: every such limit lasts this multiple of its time. The program never changes it.
extern double deadlineScale;

// Lets the window work while an operation runs against its deadline. The time the window takes
// (a message box the diver leaves open, say) is not the computer's: the deadline waits meanwhile.
// Every wait of the link does this at least every 0.1 s.
void processEvents(QDeadlineTimer& deadline);
void processEvents();

// Held for the whole of one device operation. The operations process events while they run,
// so the user can start a second one; it is refused instead of mixing its bytes into the line.
class ExclusiveOperation {
public:
    // Throws "The dive computer is busy" while another operation runs.
    ExclusiveOperation();
    ~ExclusiveOperation();
    // Whether one runs now: the window refuses what would disturb it.
    static bool running();
    ExclusiveOperation(const ExclusiveOperation&) = delete;
    ExclusiveOperation& operator=(const ExclusiveOperation&) = delete;
};

// Held while a command goes out with its data: the computer forgets a command whose bytes stop
// for a tenth of a second and takes the rest for commands of their own. Meanwhile the window
// repaints and its timers run, but the user's clicks and keys wait in the queue, as a menu, a
// dialog or a long handler they started would stop the command halfway. The holder processes
// events once it is released, while the operation still refuses a second one.
class InputHeld {
public:
    InputHeld();
    ~InputHeld();
    InputHeld(const InputHeld&) = delete;
    InputHeld& operator=(const InputHeld&) = delete;
};

} // namespace SerialPort

#endif
