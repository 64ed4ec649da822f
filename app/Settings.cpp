#include "Settings.h"

#include "VARN_Planner_Interface.h"
#include "VARN_eeprom.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

QString Settings::language;
QString Settings::port;
bool Settings::verboseSim = false;
bool Settings::autoSetDateTime = true;

QSettings* settings = nullptr;

namespace {

// The codes of the language list's entries, in the list's order.
const QStringList languageCodes = {"DE", "EN", "ES", "FR", "IT"};

// The reset button is never narrower than this, whatever its text.
const int resetButtonWidth = 134;

QString portFolder = "/dev";

const char* const driverLink = "<a href='http://www.ftdichip.com/Drivers/VCP.htm'>FTDI VCP</a>";

// Device names of USB serial adapters: the macOS driver's, and Linux's for FTDI and CDC-ACM chips.
bool isSerialAdapter(const QString& name)
{
    return name.contains(".usbserial-") || name.startsWith("ttyUSB") || name.startsWith("ttyACM");
}

// A list's drop-down is as wide as the list unless told otherwise, and there it elides the
// entries that the closed list shows whole ("De…ch" for Deutsch): it takes the width they ask.
void widenDropDownToEntries(QComboBox* list)
{
    QAbstractItemView* view = list->view();
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth());
}

// Loads the first of the names found, trying each folder in turn; QTranslator's own fallback
// (a shorter name, up to the last '_') applies to each attempt.
bool loadFirst(QTranslator& translator, const QStringList& names, const QStringList& folders)
{
    for (const QString& folder : folders)
        for (const QString& name : names)
            if (translator.load(name, folder))
                return true;
    return false;
}

} // namespace

Settings::Settings(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    keepResetTextWhole();
    widenDropDownToEntries(languageMenu);
    reload(this);
}

// A least width narrower than the text lets the layout squeeze the button below it, as it does
// with the German text once the port list leaves no warning to widen the dialog.
void Settings::keepResetTextWhole()
{
    resetSettingsPB->setMinimumWidth(qMax(resetButtonWidth, resetSettingsPB->sizeHint().width()));
}

void Settings::setPortFolder(const QString& folder)
{
    portFolder = folder;
}

void Settings::reload(Settings* dialog)
{
    language = settings->value("Interface/lang", QLocale::system().name().right(2)).toString();
    port = settings->value("VARN/port", "").toString();
    verboseSim = settings->value("Dive/verbose", false).toBool();
    autoSetDateTime = settings->value("VARN/autoSetDateTime", true).toBool();
    setLanguage();
    if (dialog)
        dialog->showOptions();
}

void Settings::showOptions()
{
    // A code from the locale that is none of the list's keeps the list where it is.
    const int index = languageCodes.indexOf(language);
    if (index >= 0)
        languageMenu->setCurrentIndex(index);

    QStringList ports;
    for (const QString& entry : QDir(portFolder).entryList(QDir::Writable | QDir::System, QDir::Name))
        if (isSerialAdapter(entry))
            ports << entry;
    if (ports.isEmpty())
        noPortLabel->setText(noPortWarning());
    else
        noPortLabel->clear();

    // A stored port stays selectable while its device is unplugged.
    if (!port.isEmpty() && !ports.contains(port))
        ports << port;
    ports.sort();
    portMenu->clear();
    portMenu->addItems(ports);
    portMenu->setCurrentIndex(ports.indexOf(port));

    verboseSimulationCB->setChecked(verboseSim);
    autoSetDateTimeCB->setChecked(autoSetDateTime);
}

QString Settings::noPortWarning()
{
    return QString("<font color='red'>%1</font>: %2 - %3")
        .arg(tr("Warning"), tr("no port"), tr("Did you installed the %1 driver ?").arg(driverLink));
}

// A language chosen in the open dialog shows in the dialog too, not only in the main window.
void Settings::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        keepResetTextWhole();
        if (!noPortLabel->text().isEmpty())
            noPortLabel->setText(noPortWarning());
    }
    QDialog::changeEvent(e);
}

void Settings::setLanguage()
{
    // Never removed: a language without files leaves them empty, and the texts in English.
    static QTranslator qtTranslator;
    static QTranslator myappTranslator;
    static bool qtInstalled = false;
    static bool myappInstalled = false;

    const QString folder = QCoreApplication::applicationDirPath();
    // Qt's own files are named in lower case where the system provides them.
    const QString qtName = "qt_" + language;
    if (loadFirst(qtTranslator, {qtName, qtName.toLower()},
                  {folder, QLibraryInfo::location(QLibraryInfo::TranslationsPath)})
        && !qtInstalled)
        qtInstalled = QCoreApplication::installTranslator(&qtTranslator);

    // Installed once: an installed translator that loads again, or fails to, tells every
    // window itself.
    if (myappTranslator.load("varn_planner_" + language, folder) && !myappInstalled)
        myappInstalled = QCoreApplication::installTranslator(&myappTranslator);
}

void Settings::languageSlot(int i)
{
    language = languageCodes.value(i, language);
    setLanguage();
}

void Settings::accept()
{
    settings->setValue("Interface/lang", language);
    port = portMenu->currentText();
    settings->setValue("VARN/port", port);
    verboseSim = verboseSimulationCB->isChecked();
    settings->setValue("Dive/verbose", verboseSim);
    autoSetDateTime = autoSetDateTimeCB->isChecked();
    settings->setValue("VARN/autoSetDateTime", autoSetDateTime);
    QDialog::accept();
}

void Settings::reject()
{
    reload(this);
    QDialog::reject();
}

void Settings::resetSettingsSlot()
{
    settings->clear();
    eeprom = VARN_eeprom();
    settings->sync();
    // The window shows what the emptied file gives: its old values would be saved at exit.
    if (auto* window = qobject_cast<VARN_Planner_Interface*>(parentWidget()))
        window->load(settings);
    // The stored window size is gone too: the window takes its natural size.
    if (QWidget* window = parentWidget()) {
        window->setMinimumSize(0, 0);
        window->setMaximumSize(32767, 32767);
        window->adjustSize();
    }
    reload(this);
}
