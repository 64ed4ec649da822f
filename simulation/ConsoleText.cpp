#include "ConsoleText.h"

#include <QTextEdit>

void ConsoleText::appendWarning(QTextEdit* console, const QString& text)
{
    console->append("<font color=\"red\"><b>" + text.toHtmlEscaped() + "</b></font>");
}

QString ConsoleText::gasSwitch(int from, int to)
{
    return tr("SWITCH Gas#%1 -> Gas#%2").arg(from).arg(to);
}
