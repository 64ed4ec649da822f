#ifndef SETTINGS_H
#define SETTINGS_H

#include "ui_Settings.h"

#include <QDialog>
#include <QString>

class QSettings;

// The settings dialog, and the program's four options it edits, one value each for the whole
// run: the interface language, the dive computer's serial port, verbose simulation reports and
// setting the dive computer's clock after every upload. A dialog is built for each use.
class Settings : public QDialog, public Ui::Settings {
    Q_OBJECT

public:
    explicit Settings(QWidget* parent);

    // A language code ("DE", "EN", "ES", "FR", "IT", or the end of the system locale's name);
    // it names the translation files.
    static QString language;
    // A device name in the port folder, without the folder; empty when none is chosen.
    static QString port;
    static bool verboseSim;
    static bool autoSetDateTime;

    // Reads the four options from the defaults file and installs the translators of the
    // language; with a dialog, also shows them in its widgets.
    static void reload(Settings* dialog);
    // Loads and installs the translators of the current language. Files missing: English.
    static void setLanguage();
    // The folder whose serial devices the port list offers: "/dev", or a test's own folder.
    static void setPortFolder(const QString& folder);

public slots:
    void languageSlot(int i);
    void accept() override;
    void reject() override;
    void resetSettingsSlot();

protected:
    void changeEvent(QEvent* e) override;

private:
    void showOptions();
    void keepResetTextWhole();
    static QString noPortWarning();
};

// The defaults file in the user's home folder; created first in main and deleted last.
extern QSettings* settings;

#endif
