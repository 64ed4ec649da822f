#include "DeviceConsole.h"

#include "VARN_Planner_Interface.h"

#include <QTextEdit>

namespace {
QPointer<QTextEdit> chosen;
}

QTextEdit* DeviceConsole::console()
{
    if (chosen)
        return chosen;
    return mainWindow ? mainWindow->textEdit : nullptr;
}

void DeviceConsole::setConsole(QTextEdit* console)
{
    chosen = console;
}

QuietDeviceConsole::QuietDeviceConsole()
    : previous(chosen), scratch(new QTextEdit)
{
    chosen = scratch;
}

QuietDeviceConsole::~QuietDeviceConsole()
{
    chosen = previous;
    delete scratch;
}
