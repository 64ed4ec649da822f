// The device actions of the main window: read and write the dive computer's configuration, set
// its clock, fetch its screen and replace its firmware.

#include "VARN_Planner_Interface.h"

#include "ClosingGroupBox.h"
#include "FirmwareFolder.h"
#include "HexFile.h"
#include "Settings.h"
#include "VARN_eeprom.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPointer>
#include <QSaveFile>
#include <cstring>

namespace {

// A line shown exactly as written. Escaped, and marked as rich text: append guesses the format,
// and would show the entities of a name holding "&" as they are.
void appendPlain(QTextEdit* console, const QString& text)
{
    console->append("<span>" + text.toHtmlEscaped() + "</span>");
}

// A caught failure text, ready for the Console: the link's texts are fixed, but one that ever
// carries a file name must not turn into markup.
QString caught(const char* text)
{
    return QString::fromLatin1(text).toHtmlEscaped();
}

QString noPortChosen()
{
    return VARN_Planner_Interface::tr(
        "No serial port is chosen for the dive computer: choose its port with Settings... (button or File menu).");
}

// The failure line of download and upload.
QString transferFailure(const QString& message)
{
    return "<font color='red'>" + VARN_Planner_Interface::tr("FAILED: ") + "</font> " + message;
}

// The failure line of the clock, the screen dump and the firmware upgrade.
QString labelledFailure(const QString& label, const QString& message)
{
    return QString("<font color='red'>%1</font>: %2").arg(label, message);
}

// What the diver can do about a failed transfer, said after the link's own text.
QStringList transferAdvice(const char* text, bool settingsSent)
{
    QStringList advice;
    if (std::strcmp(text, "Downloading VARN configuration") == 0)
        advice << VARN_Planner_Interface::tr("The dive computer did not answer: check the cable, and that the "
                                             "computer is awake in its PC mode.");
    else if (std::strcmp(text, "Downloading VARN configuration: garbled answer") == 0)
        advice << VARN_Planner_Interface::tr("The dive computer answered, but garbled, cut short or too long: check "
                                             "the cable, and that no other program or device uses the port, then "
                                             "try again.");
    else if (std::strcmp(text, "Downloading VARN configuration: the line never falls silent") == 0)
        advice << VARN_Planner_Interface::tr("Something other than the dive computer keeps sending on this port: "
                                             "close the other program or unplug the other device, and check the "
                                             "port chosen with Settings..., then try again.");
    // Whatever failed after the first byte of a bank went out, the computer may hold part of it.
    if (settingsSent)
        advice << VARN_Planner_Interface::tr("The dive computer may now hold settings other than the form's: "
                                             "download to see them, or upload again.");
    return advice;
}

void appendTransferFailure(QTextEdit* console, const char* text, bool settingsSent = false)
{
    console->append(transferFailure(caught(text)));
    for (const QString& advice : transferAdvice(text, settingsSent))
        appendPlain(console, advice);
}

QString connecting()
{
    return VARN_Planner_Interface::tr("Connecting %1").arg(Settings::port);
}

// The screen shrunk to 200 x 150 as PNG bytes, to be shown inline in the Console.
QByteArray thumbnailPng(const QImage& screen)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    writer.write(screen.scaled(200, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return bytes;
}

// Written in the format its suffix names, through a temporary file: an existing file is
// replaced only by a complete image.
bool saveImage(const QImage& image, const QString& fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, QFileInfo(fileName).suffix().toLatin1());
    return writer.write(image) && file.commit();
}

// The form takes no typing while a transfer runs that ends by showing the computer's values in
// it: what the diver typed meanwhile would vanish without a word. Greyed out, it shows that it
// waits; the field that had the focus gets it back.
class FormLocked {
public:
    explicit FormLocked(QWidget* form)
        : form(form)
        , focused(form->isAncestorOf(QApplication::focusWidget()) ? QApplication::focusWidget() : nullptr)
    {
        form->setEnabled(false);
    }

    ~FormLocked()
    {
        form->setEnabled(true);
        // A box that the form's own rules disabled meanwhile (the setpoints of a downloaded open
        // circuit) got no word of it, being greyed out already: it folds now.
        for (ClosingGroupBox* box : form->findChildren<ClosingGroupBox*>())
            box->clickSlot();
        if (focused)
            focused->setFocus();
    }

    FormLocked(const FormLocked&) = delete;
    FormLocked& operator=(const FormLocked&) = delete;

private:
    QWidget* form;
    QPointer<QWidget> focused;
};

} // namespace

void VARN_Planner_Interface::downloadVARNSlot()
{
    if (refusedWhileRunning())
        return;
    if (Settings::port.isEmpty()) {
        textEdit->append(transferFailure(noPortChosen()));
        return;
    }
    // The form and the configuration change only once the whole image has arrived.
    VARN_eeprom image;
    const FormLocked locked(scrollAreaWidgetContents);
    appendPlain(textEdit, connecting());
    try {
        image.download(Settings::port);
    } catch (const char* text) {
        appendTransferFailure(textEdit, text);
        return;
    }
    appendPlain(textEdit, tr("Reading VARN %1 done.").arg(unsigned(image.serial)));
    eeprom = image;
    reload();
}

void VARN_Planner_Interface::uploadVARNSlot()
{
    if (refusedWhileRunning())
        return;
    if (Settings::port.isEmpty()) {
        textEdit->append(transferFailure(noPortChosen()));
        return;
    }
    // The computer gets what the form shows, values typed since the last action included; the
    // configuration itself changes only when the computer has confirmed them.
    const VARN_eeprom before = eeprom;
    formToConfiguration();
    VARN_eeprom image = eeprom;
    eeprom = before;

    const FormLocked locked(scrollAreaWidgetContents);
    appendPlain(textEdit, connecting());
    bool settingsSent = false;
    try {
        image.upload(Settings::port, &settingsSent);
    } catch (const char* text) {
        appendTransferFailure(textEdit, text, settingsSent);
        return;
    }
    eeprom = image;
    appendPlain(textEdit, tr("Programming VARN %1 done.").arg(unsigned(eeprom.serial)));
    if (Settings::autoSetDateTime)
        setDateTimeSlot();
    reload();
}

void VARN_Planner_Interface::setDateTimeSlot()
{
    if (refusedWhileRunning())
        return;
    if (Settings::port.isEmpty()) {
        textEdit->append(labelledFailure(tr("SYNC FAILED"), noPortChosen()));
        return;
    }
    // Read once: the line shows exactly what the computer was sent.
    const QDateTime now = QDateTime::currentDateTime();
    try {
        VARN_eeprom::setDateTime(Settings::port, now);
    } catch (const char* text) {
        textEdit->append(labelledFailure(tr("SYNC FAILED"), caught(text)));
        return;
    }
    appendPlain(textEdit, tr("Date and time set to %1").arg(now.toString("hh:mm:ss dd.MM.yyyy")));
}

void VARN_Planner_Interface::screenDumpSlot()
{
    if (refusedWhileRunning())
        return;
    if (Settings::port.isEmpty()) {
        textEdit->append(labelledFailure(tr("FAILED"), noPortChosen()));
        return;
    }
    appendPlain(textEdit, connecting());
    QImage screen;
    try {
        screen = eeprom.dumpScreen(Settings::port);
    } catch (const char* text) {
        textEdit->append(labelledFailure(tr("FAILED"), caught(text)));
        return;
    }
    textEdit->append(
        QString("<img src='data:image/png;base64,%1'>").arg(QString::fromLatin1(thumbnailPng(screen).toBase64())));

    QString fileName = askSaveFileName(tr("Save screen dump..."), QString(), "Image (*.png *.jpeg *.jpg *.tiff)");
    if (fileName.isEmpty())
        return;
    // Case-sensitive on purpose: any other name is saved as PNG, under the name with ".png" added.
    if (!fileName.endsWith(".png") && !fileName.endsWith(".jpeg") && !fileName.endsWith(".jpg")
        && !fileName.endsWith(".tiff"))
        fileName += ".png";
    if (!saveImage(screen, fileName))
        textEdit->append(QString("<font color='red'>%1</font>")
                             .arg(tr("Unable to save the screen dump to '%1'.").arg(fileName.toHtmlEscaped())));
}

void VARN_Planner_Interface::upgradeFWSlot()
{
    if (refusedWhileRunning())
        return;
    if (Settings::port.isEmpty()) {
        textEdit->append(labelledFailure(tr("UPGRADE FAILED"), noPortChosen()));
        return;
    }
    const QString fileName = askOpenFileName(tr("Firmware..."), firmwareFolder(), "*.hex");
    if (fileName.isEmpty())
        return;
    const QString name = fileName.section('/', -1);
    appendPlain(textEdit, tr("Loading '%1'").arg(name));
    // The whole file is read and checked before the port is opened: a bad file never reaches
    // the computer.
    bool fileRead = false;
    bool blocksSent = false;
    try {
        HexFile hex;
        hex.allocate(VARN_eeprom::FIRMWARE_SIZE, 0xFF);
        hex.load(fileName, nullptr);
        // The firmware download's rule: writing it would leave the computer without a program.
        if (!hex.hasData())
            throw "No data in HEX file";
        fileRead = true;
        appendPlain(textEdit, connecting());
        textEdit->append(QString("<font color='orange'>%1</font>").arg(tr("Starting VARN upgrade...")));
        VARN_eeprom::upgrade(Settings::port, hex.data(), int(hex.size()), &blocksSent);
        cutOffUpgrade.clear();
        textEdit->append(QString("<font color='green'>%1</font>").arg(tr("VARN upgrade done. rebooting...")));
    } catch (const char* text) {
        textEdit->append(labelledFailure(tr("UPGRADE FAILED"), caught(text)));
        // What the diver has in hand now, and what to do about it. A try that sent nothing left
        // the computer as it was, which the window cannot know: its program, or a boot loader
        // that an upgrade cut off earlier left waiting, perhaps before the program was started
        // or on another port.
        QString aftermath;
        if (blocksSent) {
            cutOffUpgrade = name;
            aftermath = tr("The upgrade did not finish: the dive computer waits in its boot loader. Start the "
                           "upgrade again with the same file, '%1'.")
                            .arg(name);
        } else if (!cutOffUpgrade.isEmpty()) {
            aftermath = tr("This try sent no firmware. The upgrade with '%1' was cut off earlier: start the upgrade "
                           "again with that file.")
                            .arg(cutOffUpgrade);
        } else if (!fileRead) {
            aftermath = tr("'%1' was not sent to the dive computer.").arg(name);
        } else {
            aftermath = tr("This try sent no firmware to the dive computer.");
        }
        textEdit->append(QString("<font color='red'>%1</font>").arg(aftermath.toHtmlEscaped()));
    }
}
