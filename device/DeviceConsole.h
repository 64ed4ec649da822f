#ifndef DEVICECONSOLE_H
#define DEVICECONSOLE_H

class QTextEdit;

// Where the firmware reader and the firmware upgrade write their progress: the text edit a
// caller chose (a test, another program), else the main window's Console, else nowhere.
namespace DeviceConsole {
QTextEdit* console();
// Null goes back to the main window's Console.
void setConsole(QTextEdit* console);
}

#endif
