#ifndef DEVICECONSOLE_H
#define DEVICECONSOLE_H

#include <QPointer>

class QTextEdit;

// Where the firmware reader and the firmware upgrade write their progress: the text edit a
// caller chose (a test, another program), else the main window's Console, else nowhere.
namespace DeviceConsole {
QTextEdit* console();
// Null goes back to the main window's Console.
void setConsole(QTextEdit* console);
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
