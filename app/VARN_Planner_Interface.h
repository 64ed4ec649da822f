#ifndef VARN_PLANNER_INTERFACE_H
#define VARN_PLANNER_INTERFACE_H

#include "Updates.h"
#include "ui_VARN_Planner.h"

#include <QByteArray>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

class CF_Editor_Interface;
class Replay;
class Settings;
class QSettings;
class QTemporaryFile;
class QSplashScreen;
class QTextBrowser;

// The main window: every input of a dive plan, the actions, and the Console (textEdit).
class VARN_Planner_Interface : public QMainWindow, public Ui::VARN_Planner {
    Q_OBJECT

public:
    VARN_Planner_Interface();
    ~VARN_Planner_Interface() override;

    // Copies the form into the configuration image before an operation reads it, and makes
    // sure the dive traces window exists and draws the ticked curves.
    void setup();
    // The part of setup that touches no window: image, surface pressure and replay options.
    void formToConfiguration();
    // Shows the configuration image and the replay options in the form.
    void reload();

    // Starts the program and firmware checks; with report, the Console tells what came of each,
    // as Help > Check updates does. The check at start-up is silent.
    void checkUpdates(bool report);

    // Window parameters and configuration from and to a defaults or dive parameter file.
    void load(const QSettings* s);
    void save(QSettings* s);
    // The planning values and replay options alone; save writes them after the configuration.
    void saveWindowParameters(QSettings* s);

    // Refreshes one gas row: mix check, MOD/EAD/END text, change-depth check and enabling.
    void gasModEadEnd(const QCheckBox* gas, QRadioButton* first, QLabel* o2Label, QSpinBox* o2,
                      QLabel* heLabel, QSpinBox* he, QLabel* depthLabel, QSpinBox* depth, QLabel* mod);
    // A setpoint box is usable only in closed-circuit mode.
    void spModEadEnd(QDoubleSpinBox* box);

    // An information or warning box with the single button Ok, without a parent window, so it
    // shows even while the main window is hidden or busy.
    virtual void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text);

    // Created on first use and kept for the whole run; none of them is ever deleted.
    QPointer<QTextBrowser> helpBrowser;
    QPointer<CF_Editor_Interface> cfEditor;
    Replay* replay = nullptr;
    QSplashScreen* splash = nullptr;
    // Fetches the firmware file; made at the run's first firmware notice, a child of the window.
    Updates* firmwareDownloader = nullptr;

public slots:
    void loadDiveSlot();
    void saveDiveSlot();
    void settingsSlot();
    void upgradeFWSlot();
    void closeAllWindows();
    void downloadVARNSlot();
    void editCFSlot();
    void uploadVARNSlot();
    void setDateTimeSlot();
    void simulateSlot();
    void ascentSlot();
    void gasVolumesSlot();
    void addRuntimeSlot();
    void clearProfilSlot();
    void pressureDiagramSlot();
    void helpSlot();
    void aboutSlot();
    void checkUpdatesSlot();
    void gas1ModSlot();
    void gas2ModSlot();
    void gas3ModSlot();
    void gas4ModSlot();
    void gas5ModSlot();
    void setpointSlot();
    void replayFileSlot();
    void selectDiveSlot();
    void screenDumpSlot();
    void newSoftwareVersion();
    void newFirmwareVersion(QByteArray reply);
    void newFirmwareDownload(QByteArray firmware);

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* event) override;
    virtual void languageChange();

    // The modal dialogs of the slots, apart from the work done with their answers.
    virtual QString askOpenFileName(const QString& caption, const QString& folder, const QString& filter);
    virtual QString askSaveFileName(const QString& caption, const QString& folder, const QString& filter);
    virtual int runEditor(CF_Editor_Interface* editor);
    virtual int runSettings(Settings* dialog);
    // How long reading a log may take before its progress is shown.
    virtual int readProgressDelayMs() const;

private:
    void fixColumnWidth();
    // The titles of the windows beside this one that exist, in the current language.
    void titleWindows();
    void fixConsoleWidth();
    void refreshGasRow(int row);
    void refreshGasRows();
    void reportUnwritable(const QString& fileName);
    QString copyParameterFile(const QString& fileName, QTemporaryFile* copy) const;
    QString parameterFileRefusal(const QString& fileName, const QSettings& file) const;
    bool refusedWhileRunning();
    void showNotice(const QString& title, const QString& text);
    QString engineLimitRefusal(bool checkDepth) const;
    bool refusedByEngineLimits(const QString& action, bool checkDepth, bool replacesReport);

    // The firmware file of the last upgrade that was cut off after its first block, on whatever
    // port (an adapter may come back under another name); empty once an upgrade has finished.
    QString cutOffUpgrade;

    // The firmware check's notice, kept once the file it announces is kept.
    Updates::Notice firmwareNotice;
    // The check under way: which of its answers are still due, whether it tells them in the
    // Console, and while it does not, the lines it would have told.
    bool programAnswerDue = false;
    bool firmwareAnswerDue = false;
    bool reportUpdates = false;
    QStringList unreportedUpdateLines;
    void reportUpdateCheck(const QString& text, bool failure);
    void firmwareDownloadHandled();
    void keepFirmwareNotices();

    // What became of the engine's plan: drawn by Add runtime only when the last Simulate or Gas
    // volumes finished it; otherwise Add runtime says why, in terms of what the diver did.
    enum class Plan { NotSimulated, Finished, Unfinished, EndedByAscent, Refused };
    Plan plan = Plan::NotSimulated;

    // Dive log replay.
    void listDives();
    void simulateLoggedDive();
    void lockPlanningToLog();
    void reportUnreplayable(int dive, const QString& reason);
    void appendReport(const QString& report);
    static QString replayFailure(const char* text);

    // The list entry of the dive that the replay source follows, -1 when none.
    int selectedDive = -1;
    // Per entry of the dive list: the source's entry, and why the dive cannot be replayed
    // (empty when it can).
    QStringList diveEntries;
    QStringList diveProblems;
    // The whole logged dive of the selected entry, which a replay runs whatever the form holds.
    int loggedMinutes = 0;
    int loggedMetres = 0;

    // The widgets of gas rows 1 to 5, index 0 first.
    struct GasRow {
        QCheckBox* active;
        QRadioButton* first;
        QLabel* o2Label;
        QSpinBox* o2;
        QLabel* heLabel;
        QSpinBox* he;
        QLabel* depthLabel;
        QSpinBox* depth;
        QLabel* mod;
    };
    GasRow gasRows[5];
};

// The one main window, created by the start-up and never deleted.
extern VARN_Planner_Interface* mainWindow;

#endif
