// Window parameters in the defaults file and in dive parameter files (*.div).

#include "VARN_Planner_Interface.h"

#include "Replay.h"
#include "Settings.h"
#include "VARN_eeprom.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryFile>
#include <cstring>

namespace {

// The folder of a chosen file as the folder keys keep it: the folder path followed by "/.".
QString folderOf(const QString& fileName)
{
    return QFileInfo(fileName).absoluteDir().absoluteFilePath(".");
}

} // namespace

void VARN_Planner_Interface::load(const QSettings* s)
{
    // A file replaces everything: nothing of an earlier download or file is merged in.
    eeprom = VARN_eeprom();

    press_surface->setValue(s->value("Dive/pressure", 1013).toInt());
    ascent->setValue(s->value("Dive/ascent_speed", 10).toInt());
    dive_time->setValue(s->value("Dive/bottom_time", 20).toInt());
    dive_depth->setValue(s->value("Dive/bottom_depth", 45).toInt());

    Replay::breakOnStop = s->value("Replay/breakOnStop", true).toBool();
    Replay::gasSwitch = s->value("Replay/gasSwitch", true).toBool();
    Replay::breakOnSwitch = s->value("Replay/breakOnSwitch", false).toBool();
    Replay::setpoint = s->value("Replay/setpoint", true).toBool();
    Replay::breakOnSetpoint = s->value("Replay/breakOnSetpoint", false).toBool();

    // A file that fails the image check still shows what was read up to the failure.
    try {
        eeprom.load(s);
    } catch (const char*) {
    }

    reload();
}

void VARN_Planner_Interface::save(QSettings* s)
{
    // The window's own keys first: a configuration that fails its check must not cost them.
    saveWindowParameters(s);
    eeprom.save(s);
}

void VARN_Planner_Interface::saveWindowParameters(QSettings* s)
{
    s->setValue("Dive/pressure", press_surface->value());
    s->setValue("Dive/ascent_speed", ascent->value());
    s->setValue("Dive/bottom_time", dive_time->value());
    s->setValue("Dive/bottom_depth", dive_depth->value());

    s->setValue("Replay/breakOnStop", Replay::breakOnStop);
    s->setValue("Replay/gasSwitch", Replay::gasSwitch);
    s->setValue("Replay/breakOnSwitch", Replay::breakOnSwitch);
    s->setValue("Replay/setpoint", Replay::setpoint);
    s->setValue("Replay/breakOnSetpoint", Replay::breakOnSetpoint);

    s->sync();
}

void VARN_Planner_Interface::loadDiveSlot()
{
    if (refusedWhileRunning())
        return;
    const QString folder = settings->value("Planner/loadPath", QCoreApplication::applicationDirPath()).toString();
    const QString fileName = askOpenFileName(tr("Load dive parameters..."), folder, tr("Dives params (*.div)"));
    if (fileName.isEmpty())
        return;
    settings->setValue("Planner/loadPath", folderOf(fileName));

    // A file that is not a parameter file would load as an empty configuration, which the exit
    // then saves over the defaults: it is refused, and the form and configuration stay.
    QTemporaryFile copy;
    QString refusal = copyParameterFile(fileName, &copy);
    if (refusal.isEmpty()) {
        const QSettings file(copy.fileName(), QSettings::IniFormat);
        refusal = parameterFileRefusal(fileName, file);
        if (refusal.isEmpty()) {
            load(&file);
            return;
        }
    }
    textEdit->append(QString("<font color='red'>%1</font>").arg(refusal.toHtmlEscaped()));
}

// Only a regular file is opened: a named pipe or a device would hold the window for good. The
// settings library shares what it parsed of a file among all its readers of that file, and only
// the first of them learns of a format error; a fresh copy of the file's bytes is parsed anew
// at every load. Gives why the file cannot be read, or nothing.
QString VARN_Planner_Interface::copyParameterFile(const QString& fileName, QTemporaryFile* copy) const
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return tr("'%1' no longer exists: nothing was loaded").arg(fileName);
    QFile original(fileName);
    if (!info.isFile() || !original.open(QIODevice::ReadOnly))
        return tr("'%1' cannot be read: nothing was loaded").arg(fileName);
    const QByteArray bytes = original.readAll();
    if (original.error() != QFileDevice::NoError || !copy->open() || copy->write(bytes) != bytes.size()
        || !copy->flush())
        return tr("'%1' cannot be read: nothing was loaded").arg(fileName);
    return QString();
}

// Why a parameter file's copy cannot be loaded; empty when it can. A parameter file parses and
// holds the model key of the current or of the older layout.
QString VARN_Planner_Interface::parameterFileRefusal(const QString& fileName, const QSettings& file) const
{
    if (file.status() == QSettings::AccessError)
        return tr("'%1' cannot be read: nothing was loaded").arg(fileName);
    if (file.status() != QSettings::NoError || !(file.contains("Deco/model") || file.contains("Mode")))
        return tr("'%1' is not a dive parameter file: nothing was loaded").arg(fileName);
    return QString();
}

void VARN_Planner_Interface::saveDiveSlot()
{
    if (refusedWhileRunning())
        return;
    const QString folder = settings->value("Planner/savePath", QDir::homePath()).toString();
    QString fileName = askSaveFileName(tr("Save all parameters...", "Save .div"), folder, tr("Dives params (*.div)"));
    if (fileName.isEmpty())
        return;
    // The load dialog shows only names with the suffix.
    if (!fileName.endsWith(".div", Qt::CaseInsensitive))
        fileName += ".div";
    settings->setValue("Planner/savePath", folderOf(fileName));

    QSettings file(fileName, QSettings::IniFormat);
    if (!file.isWritable()) {
        reportUnwritable(fileName);
        return;
    }
    setup();
    // The status of the settings object also keeps a format error of the file it read: the
    // configuration's save tells whether the file took the write. A failed image check
    // travels on to the window's handler.
    try {
        save(&file);
    } catch (const char* text) {
        if (std::strcmp(text, settingsWriteFailure) != 0)
            throw;
        reportUnwritable(fileName);
    }
}

// A parameter file not written must not pass for saved.
void VARN_Planner_Interface::reportUnwritable(const QString& fileName)
{
    qWarning("Unable to write to '%s'.", fileName.toLatin1().constData());
    textEdit->append(QString("<font color='red'>%1</font>")
                         .arg(tr("Unable to write to '%1'.").arg(fileName.toHtmlEscaped())));
}

QString VARN_Planner_Interface::askOpenFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(this, caption, folder, filter);
}

QString VARN_Planner_Interface::askSaveFileName(const QString& caption, const QString& folder, const QString& filter)
{
    QFileDialog dialog(this, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without the filter's suffix gets it here, before the dialog asks whether a
    // file of that name may be replaced.
    dialog.setDefaultSuffix(QRegularExpression("\\*\\.(\\w+)").match(filter).captured(1));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void VARN_Planner_Interface::showMessage(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.exec();
}
