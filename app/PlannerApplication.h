#ifndef PLANNERAPPLICATION_H
#define PLANNERAPPLICATION_H

#include <QApplication>

// The application object: start-up, the guarded event loop and shutdown of the planner.
class PlannerApplication : public QApplication {
    Q_OBJECT

public:
    // After this many escaped failures the program ends with escapedFailureExitCode.
    enum { maxEscapedFailures = 10, escapedFailureExitCode = -666 };

    PlannerApplication(int& argc, char** argv);

    // Opens the defaults file, builds the main window behind the About splash and shows it.
    void startUp();
    // Runs the event loop; the exit code is the loop's, or escapedFailureExitCode.
    int run();
    // Saves the configuration and the window geometry, then closes the defaults file.
    void shutDown();

    int escapedFailures() const { return failures; }

    // Failures thrown by slots must not unwind through Qt's event loop: they end here.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void reportEscapedFailure(const char* text);
    void restoreWindowGeometry();

    int failures = 0;
};

#endif
