#ifndef DEVICECONSOLE_H
#define DEVICECONSOLE_H

#include <QPointer>
#include <QTextCursor>

class QTextEdit;

// Where the firmware reader and the firmware upgrade write their progress: the text edit a
// caller chose (a test, another program), else the main window's Console, else nowhere.
namespace DeviceConsole {
QTextEdit* console();
// Null goes back to the main window's Console.
void setConsole(QTextEdit* console);
// Appends text as a line of its own in the Console's plain look, whatever look the text before
// it has (a red failure, an italic refusal), and keeps the view at the end when it was there.
// Returns a cursor at the line's start; a null cursor when there is no console.
QTextCursor appendLine(const QString& text);
// The refusal of what would hold a transfer with the dive computer, said in italics in the Console.
QString busyRefusal();
}

// For its lifetime the lines go to a console of its own that nobody shows, for work the user
// did not ask to watch; the choice made before comes back at its end.
class QuietDeviceConsole {
public:
    QuietDeviceConsole();
    ~QuietDeviceConsole();

private:
    Q_DISABLE_COPY(QuietDeviceConsole)
    QPointer<QTextEdit> previous;
    QTextEdit* scratch;
};

#endif
