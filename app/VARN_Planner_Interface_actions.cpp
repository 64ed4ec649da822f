// The simulation, plot, replay and editor actions of the main window.

#include "VARN_Planner_Interface.h"

#include "CF_Editor_Interface.h"
#include "DeviceConsole.h"
#include "FormLimits.h"
#include "LogReadProgress.h"
#include "PlotInterface.h"
#include "Replay.h"
#include "SerialPort.h"
#include "VARN_Planner.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextCursor>

// A simulation and a transfer with the dive computer process events while they go on, so the
// user can act meanwhile: an action that would change what they use, clear or rewrite the
// Console they write into, or hold the window for long is refused until they have ended.
bool VARN_Planner_Interface::refusedWhileRunning()
{
    QString refusal;
    if (simulationRunning())
        refusal = tr("A simulation is running: try again when it has ended.");
    else if (SerialPort::ExclusiveOperation::running())
        refusal = DeviceConsole::busyRefusal();
    else
        return false;
    textEdit->append(QString("<i>%1</i>").arg(refusal));
    return true;
}

// The first value of the form that the engine would refuse, in the diver's words; empty when
// there is none. Only the gases in use count: the engine never breathes the others.
QString VARN_Planner_Interface::engineLimitRefusal(bool checkDepth) const
{
    QString refusal = FormLimits::surfacePressure(press_surface->value());
    for (int i = 0; i < 5 && refusal.isEmpty(); ++i) {
        const GasRow& row = gasRows[i];
        if (row.active->isChecked() || row.first->isChecked())
            refusal = FormLimits::gasMix(i + 1, row.o2->value(), row.he->value());
    }
    if (refusal.isEmpty() && checkDepth)
        refusal = FormLimits::depth(dive_depth->value(), press_surface->value());
    return refusal;
}

// An action refused by the form's values computes nothing. Its red line stands where its
// report would have stood, so that no earlier report reads as its result: a report that
// would have replaced the Console is replaced by the refusal.
bool VARN_Planner_Interface::refusedByEngineLimits(const QString& action, bool checkDepth, bool replacesReport)
{
    const QString refusal = engineLimitRefusal(checkDepth);
    if (refusal.isEmpty())
        return false;
    plan = Plan::Refused;
    if (replacesReport)
        textEdit->clear();
    textEdit->append(QString("<font color='red'><b>%1</b></font>").arg(action.arg(refusal).toHtmlEscaped()));
    return true;
}

void VARN_Planner_Interface::simulateSlot()
{
    if (refusedWhileRunning())
        return;
    // A new or a repetitive dive starts its report on a clear Console; so does the first run
    // (the run clock ::dive_time is -1 until then).
    const bool newReport = interval->value() != 0 || ::dive_time < 0;
    if (refusedByEngineLimits(tr("Not simulated: %1"), true, newReport))
        return;
    // A logged dive that cannot be replayed runs nothing.
    plan = Plan::Refused;
    setup();
    if (replayModeCB->isChecked() && replay) {
        simulateLoggedDive();
        return;
    }
    simulate(textEdit, interval->value(), ascent->value(), dive_time->value(), dive_depth->value(), nullptr);
    plan = planFinished() ? Plan::Finished : Plan::Unfinished;
}

void VARN_Planner_Interface::ascentSlot()
{
    if (refusedWhileRunning() || refusedByEngineLimits(tr("No ascent: %1"), false, false))
        return;
    // At the surface the engine's plan is no longer one to draw.
    plan = ::dive_time < 0 ? Plan::NotSimulated : Plan::EndedByAscent;
    setup();
    ::ascent(textEdit, 0, ascent->value());
}

void VARN_Planner_Interface::gasVolumesSlot()
{
    if (refusedWhileRunning() || refusedByEngineLimits(tr("No gas volumes: %1"), false, false))
        return;
    plan = Plan::Unfinished;
    setup();
    gas_volume(textEdit, dive_time->value(), dive_depth->value());
    plan = planFinished() ? Plan::Finished : Plan::Unfinished;
}

void VARN_Planner_Interface::addRuntimeSlot()
{
    if (refusedWhileRunning())
        return;
    if (plan != Plan::Finished) {
        QString missing = tr("No finished plan to draw: simulate first");
        if (plan == Plan::EndedByAscent)
            missing = tr("No plan to draw: the ascent ended the plan; simulate again to draw a runtime");
        else if (plan == Plan::Unfinished)
            missing = tr("No plan to draw: the last run stopped before its plan was finished");
        else if (plan == Plan::Refused)
            missing = tr("No plan to draw: the last action was refused");
        textEdit->append(QString("<font color='red'><b>%1</b></font>").arg(missing));
        return;
    }
    if (!PlotInterface::plot) {
        PlotInterface::plot = new PlotInterface;
        titleWindows();
    }
    setup();
    PlotInterface* plot = PlotInterface::plot;
    plot->setup(true, dive_depth->value());
    plot->show();
    plot->raise();
    plot->addRuntime(float(int_I_divemins), float(dive_depth->value()));
}

void VARN_Planner_Interface::clearProfilSlot()
{
    if (refusedWhileRunning())
        return;
    if (PlotInterface::plot)
        PlotInterface::plot->delRuntime();
}

void VARN_Planner_Interface::pressureDiagramSlot()
{
    if (refusedWhileRunning())
        return;
    setup();
    // Built once: its pressure range stays that of the depth at its creation.
    if (!PlotInterface::cptPlot) {
        PlotInterface::cptPlot = new PlotInterface;
        titleWindows();
        PlotInterface::cptPlot->setup(false, dive_depth->value());
    }
    PlotInterface::cptPlot->show();
    PlotInterface::cptPlot->raise();
}

void VARN_Planner_Interface::editCFSlot()
{
    if (refusedWhileRunning())
        return;
    if (!cfEditor)
        cfEditor = new CF_Editor_Interface;
    setup();
    cfEditor->fromEEPROM();
    if (runEditor(cfEditor) == QDialog::Accepted) {
        cfEditor->toEEPROM();
        reload();
    }
}

int VARN_Planner_Interface::runEditor(CF_Editor_Interface* editor)
{
    return editor->exec();
}

int VARN_Planner_Interface::readProgressDelayMs() const
{
    return 400;
}

void VARN_Planner_Interface::replayFileSlot()
{
    if (refusedWhileRunning())
        return;
    const QString fileName = askOpenFileName(tr("Replay dive profile"), QString(),
                                             "Profile data (*.xml *.uddf);;DivingLog 5 (*.xml);;UDDF 2 or 3 (*.uddf);;");

    Replay* source = nullptr;
    if (!fileName.isEmpty()) {
        LogReadProgress progress(this, fileName, readProgressDelayMs());
        QString problem = tr("its name ends neither in .xml nor in .uddf");
        try {
            if (fileName.endsWith(".xml"))
                source = replayXML(fileName, &progress, &problem);
            else if (fileName.endsWith(".uddf"))
                source = replayUDDF(fileName, &progress, &problem);
        } catch (const char* text) {
            // A reader that fails counts as no source, reported below.
            problem = QString::fromUtf8(text);
        }
        if (!source) {
            const QString message = tr("Unable to read dive profile");
            qWarning("%s", message.toLatin1().constData());
            textEdit->append(QString("<font color='red'>%1</font>")
                                 .arg(tr("Unable to read dive profile '%1': %2")
                                          .arg(QFileInfo(fileName).fileName(), problem)
                                          .toHtmlEscaped()));
        }
    }

    // A cancelled or failed open closes the log that was open.
    delete replay;
    replay = source;
    if (replay)
        replayLE->setText(fileName.section('/', -2, -1));
    else
        replayLE->clear();
    listDives();
    selectDiveSlot();
}

// Every dive is tried once, so that the list can mark those that cannot be replayed and the
// first one that can is chosen.
void VARN_Planner_Interface::listDives()
{
    replayListCB->clear();
    diveEntries = replay ? replay->diveList() : QStringList();
    diveProblems.clear();
    int first = -1;
    for (int i = 0; i < diveEntries.size(); ++i) {
        QString problem;
        replay->selectDive(i);
        try {
            replay->diveConfig(nullptr);
        } catch (const char* text) {
            problem = replayFailure(text);
        }
        diveProblems << problem;
        if (problem.isEmpty()) {
            replayListCB->addItem(diveEntries.at(i));
            if (first < 0)
                first = i;
        } else {
            replayListCB->addItem(tr("%1 (cannot be replayed: %2)").arg(diveEntries.at(i), problem));
        }
    }
    if (!diveEntries.isEmpty())
        replayListCB->setCurrentIndex(qMax(first, 0));
}

// A logged dive's failure in a diver's words.
QString VARN_Planner_Interface::replayFailure(const char* text)
{
    const QByteArray failure(text);
    if (failure == "Bad UDDF structure" || failure == "No samples in this dive")
        return tr("the log holds no samples for it");
    if (failure == "Bad UDDF sampling")
        return tr("its samples span no time");
    return QString::fromUtf8(text);
}

void VARN_Planner_Interface::reportUnreplayable(int dive, const QString& reason)
{
    textEdit->append(QString("<font color='red'>%1</font>")
                         .arg(tr("Dive %1 cannot be replayed: %2.")
                                  .arg(diveEntries.value(dive).toHtmlEscaped(), reason.toHtmlEscaped())));
}

// A report from a file holds the file's own texts: shown as they stand, never as markup, in
// paragraphs of their own as append() makes them.
void VARN_Planner_Interface::appendReport(const QString& report)
{
    QString text = report;
    if (text.endsWith('\n'))
        text.chop(1);
    QScrollBar* scrollBar = textEdit->verticalScrollBar();
    const bool atBottom = scrollBar->value() >= scrollBar->maximum();
    QTextCursor cursor(textEdit->document());
    cursor.movePosition(QTextCursor::End);
    if (!textEdit->document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(text, QTextCharFormat());
    if (atBottom)
        scrollBar->setValue(scrollBar->maximum());
}

void VARN_Planner_Interface::selectDiveSlot()
{
    if (refusedWhileRunning()) {
        // The list keeps showing the dive that the source follows.
        replayListCB->setCurrentIndex(selectedDive);
        return;
    }
    const int index = replayListCB->currentIndex();
    selectedDive = -1;
    if (!replay || !replay->selectDive(index)) {
        replayButton->setChecked(false);
        lockPlanningToLog();
        return;
    }

    const int minutes = (replay->diveTime() + 59) / 60;
    const int metres = int(replay->diveDepth());
    // Values typed since the last operation must survive the reload below.
    formToConfiguration();
    QString report;
    try {
        report = replay->diveConfig(&eeprom);
    } catch (const char* text) {
        reportUnreplayable(index, replayFailure(text));
        lockPlanningToLog();
        return;
    }

    selectedDive = index;
    loggedMinutes = minutes;
    loggedMetres = metres;
    dive_time->setValue(minutes);
    dive_depth->setValue(metres);
    appendReport(report);
    reload();
    lockPlanningToLog();
}

// While a logged dive is replayed, its time and depth are the log's.
void VARN_Planner_Interface::lockPlanningToLog()
{
    const bool locked = replayModeCB->isChecked() && replay && selectedDive >= 0;
    dive_time->setEnabled(!locked);
    dive_depth->setEnabled(!locked);
}

void VARN_Planner_Interface::simulateLoggedDive()
{
    const int dive = replayListCB->currentIndex();
    if (selectedDive < 0) {
        reportUnreplayable(dive, diveProblems.value(dive));
        return;
    }
    // A dive whose configuration was read has samples to replay: its replay throws nothing.
    simulate(textEdit, interval->value(), ascent->value(), loggedMinutes, loggedMetres, replay);
    plan = planFinished() ? Plan::Finished : Plan::Unfinished;
    // The whole logged dive is replayed, whatever the form holds.
    if (dive_time->value() != loggedMinutes)
        textEdit->append(tr("The replay follows the log's %1 min, not the %2 min of the form.")
                             .arg(loggedMinutes)
                             .arg(dive_time->value()));
    if (dive_depth->value() != loggedMetres)
        textEdit->append(tr("The replay follows the log's depths (deepest %1 m), not the %2 m of the form.")
                             .arg(loggedMetres)
                             .arg(dive_depth->value()));
}
