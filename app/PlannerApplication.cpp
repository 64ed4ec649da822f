#include "PlannerApplication.h"

#include "Settings.h"
#include "VARN_Planner_Interface.h"

#include <QDir>
#include <QEventLoop>
#include <QScreen>
#include <QSettings>
#include <QSplashScreen>

namespace {

const char* const applicationStyleSheet =
    "* { font-size: 11pt }"
    "QGroupBox { margin-top: 16px; padding-top: 2px; padding-left: 2px; padding-right: 2px; spacing: 2px }"
    "QGroupBox::title { top: -18px; padding-left: 6px }"
    "QSpinBox:disabled { background: #cccccc; color: #888888 }"
    "QLabel:disabled { color: #888888 }"
    "QGroupBox::indicator:checked         { image: url(:/icons/Icons/opened.png) }"
    "QGroupBox::indicator:unchecked       { image: url(:/icons/Icons/closed.png) }"
    "QGroupBox::indicator:checked:hover   { image: url(:/icons/Icons/opened_hover.png) }"
    "QGroupBox::indicator:unchecked:hover { image: url(:/icons/Icons/closed_hover.png) }"
    "QGroupBox::indicator:disabled        { image: url(:/icons/Icons/d_closed.png) }";

// Longest pause of the start-up for drawing the splash and the window, user input held back.
const int startUpPauseMs = 2000;

} // namespace

PlannerApplication::PlannerApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setStyleSheet(applicationStyleSheet);
}

void PlannerApplication::startUp()
{
    settings = new QSettings(QDir::homePath() + "/.VARN_Planner_Defaults.ini", QSettings::IniFormat, this);
    mainWindow = new VARN_Planner_Interface;
    // The translators are in place before the window is first drawn.
    Settings::reload(nullptr);
    settings->sync();

    mainWindow->aboutSlot();
    processEvents(QEventLoop::ExcludeUserInputEvents, startUpPauseMs);
    mainWindow->checkUpdates(false);
    mainWindow->load(settings);

    // A wider window widens the Console: the group-box column already shows all it holds.
    mainWindow->splitter->setStretchFactor(0, 0);
    mainWindow->splitter->setStretchFactor(1, 1);
    restoreWindowGeometry();

    mainWindow->show();
    processEvents(QEventLoop::ExcludeUserInputEvents, startUpPauseMs);
    mainWindow->splash->finish(mainWindow);
}

void PlannerApplication::restoreWindowGeometry()
{
    mainWindow->resize(settings->value("Interface/width", 1032).toInt(),
                       settings->value("Interface/height", 600).toInt());
    // A stored size larger than the screen (hand-edited or damaged) is never painted.
    const QSize available = primaryScreen()->availableGeometry().size();
    if (available.width() < mainWindow->width() || available.height() < mainWindow->height())
        mainWindow->resize(mainWindow->size().boundedTo(available));
    mainWindow->splitter->restoreState(settings->value("Interface/splitter").toByteArray());
}

int PlannerApplication::run()
{
    if (failures >= maxEscapedFailures)
        return escapedFailureExitCode;
    const int result = exec();
    return failures >= maxEscapedFailures ? int(escapedFailureExitCode) : result;
}

bool PlannerApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const char* text) {
        reportEscapedFailure(text);
        return false;
    }
}

void PlannerApplication::reportEscapedFailure(const char* text)
{
    // A thrown text may carry a file name: UTF-8, never markup.
    const QString message = QString::fromUtf8(text);
    if (mainWindow)
        mainWindow->textEdit->append(
            QString("<font color='red'><b>Unhandled exception: %1</b></font>").arg(message.toHtmlEscaped()));
    else
        qWarning("Unhandled exception: %s", text);

    // The program goes on with the same window and state, up to the last allowed failure.
    if (++failures < maxEscapedFailures)
        return;
    if (failures == maxEscapedFailures && mainWindow)
        mainWindow->showMessage(QMessageBox::Critical, tr("VARN Planner"),
                                tr("VARN Planner met %1 failures it could not handle and ends now. "
                                   "The values of the form are saved; the Console is lost.")
                                    .arg(int(maxEscapedFailures)));
    exit(escapedFailureExitCode);
}

void PlannerApplication::shutDown()
{
    // The form may hold values typed since the last operation; a failed configuration save
    // must not cost the window keys.
    mainWindow->formToConfiguration();
    try {
        mainWindow->save(settings);
    } catch (const char* text) {
        qWarning("Configuration not saved: %s", text);
        mainWindow->saveWindowParameters(settings);
    }

    settings->setValue("Interface/width", mainWindow->width());
    settings->setValue("Interface/height", mainWindow->height());
    settings->setValue("Interface/splitter", mainWindow->splitter->saveState());
    settings->sync();
    delete settings;
    settings = nullptr;
}
