#ifndef CONSOLETEXT_H
#define CONSOLETEXT_H

#include <QCoreApplication>
#include <QString>

class QTextEdit;

// The simulation's console texts are the main window's: they are translated in its context
// without this layer depending on the window class.
class ConsoleText {
    Q_DECLARE_TR_FUNCTIONS(VARN_Planner_Interface)

public:
    // One red, bold paragraph; the text is shown as it stands, not read as markup.
    static void appendWarning(QTextEdit* console, const QString& text);
    // "SWITCH Gas#from -> Gas#to", shared by status lines and plans.
    static QString gasSwitch(int from, int to);
};

#endif
