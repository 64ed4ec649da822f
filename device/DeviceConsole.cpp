#include "DeviceConsole.h"

#include "VARN_Planner_Interface.h"

#include <QCoreApplication>
#include <QScrollBar>
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

QString DeviceConsole::busyRefusal()
{
    return QCoreApplication::translate("VARN_Planner_Interface",
                                       "The dive computer is busy: try again when its transfer has ended.");
}

QTextCursor DeviceConsole::appendLine(const QString& text)
{
    QTextEdit* edit = console();
    if (!edit)
        return QTextCursor();
    QScrollBar* scrollBar = edit->verticalScrollBar();
    const bool atBottom = scrollBar->value() >= scrollBar->maximum();
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    // One change of the Console: a new line that already holds its text.
    cursor.beginEditBlock();
    if (!edit->document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(text, QTextCharFormat());
    cursor.endEditBlock();
    if (atBottom)
        scrollBar->setValue(scrollBar->maximum());
    cursor.movePosition(QTextCursor::StartOfBlock);
    return cursor;
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
