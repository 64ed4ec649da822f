// Linked into every test program: a window that a test (or the program under test) makes and
// never deletes fails the program at its end. LeakSanitizer cannot see such a window: Qt keeps
// every widget reachable from its list of all widgets until the application object goes.

#include <QApplication>
#include <QStringList>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// Runs as the application object begins to go, while every widget still lives.
void failOnLiveWindows()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    QStringList live;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        // A window inside another goes with it: the outermost one names the fault.
        if (!window->parentWidget())
            live << QString("%1 \"%2\" (%3)")
                        .arg(window->metaObject()->className(), window->objectName(), window->windowTitle());
    }
    if (live.isEmpty())
        return;
    live.sort();
    std::fprintf(stderr, "FAIL!  : windows still alive at the end of the program: %s\n",
                 live.join(", ").toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

const bool checked = (qAddPostRoutine(failOnLiveWindows), true);

} // namespace
