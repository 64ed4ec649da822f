#include "VARN_Planner_Interface.h"

#include "DeviceConsole.h"
#include "FirmwareFolder.h"
#include "HexFile.h"
#include "SerialPort.h"
#include "Settings.h"
#include "Updates.h"
#include "VARN_eeprom.h"
#include "Version.h"

#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrlQuery>

namespace {

// How often a notice held back by a transfer asks again.
const int noticeRetryMs = 250;

// A firmware version as the firmware text names it, such as 2.51. It becomes part of a file name.
const char* const versionPattern = "[0-9]+[.][0-9]{2,2}";

// A missing key still gives its query item, with an empty value ("serial=").
QString queryValue(const char* key)
{
    return settings->value(key, QString("")).toString();
}

// What makes the body unfit for the firmware upgrade, or null when it is a whole firmware image.
const char* firmwareFault(const QByteArray& body)
{
    QTemporaryFile file;
    if (!file.open() || file.write(body) != body.size() || !file.flush())
        return "Can't write a temporary file";
    HexFile hex;
    hex.allocate(VARN_eeprom::FIRMWARE_SIZE, 0xFF);
    try {
        // Checking a download is not a firmware load the user asked for: keep its line out of the Console.
        QuietDeviceConsole quiet;
        hex.load(file.fileName(), nullptr);
    } catch (const char* text) {
        return text;
    }
    // An upgrade with it would leave the computer without a program.
    if (!hex.hasData())
        return "No data in HEX file";
    return nullptr;
}

} // namespace

void VARN_Planner_Interface::checkUpdatesSlot()
{
    checkUpdates(true);
}

void VARN_Planner_Interface::checkUpdates(bool report)
{
    // One check at a time: a second one would fetch the firmware again, and its answers, given
    // the same day, would contradict the first one's.
    if (programAnswerDue || firmwareAnswerDue) {
        if (report) {
            reportUpdates = true;
            reportUpdateCheck(tr("Check updates: a check is already under way; its results follow."), false);
            // The check at start-up is silent: what it found so far answers this request too.
            for (const QString& line : qAsConst(unreportedUpdateLines))
                textEdit->append(line);
            unreportedUpdateLines.clear();
        }
        return;
    }
    programAnswerDue = firmwareAnswerDue = true;
    reportUpdates = report;
    unreportedUpdateLines.clear();

    QUrlQuery query;
    query.addQueryItem("version", QString("%1").arg(Version::program));
    query.addQueryItem("arch", "mac");

    // Checkers go once their reply is handled, or with the window while still waiting.
    QUrl url = Updates::programServer();
    url.setPath("/updates/Updates.mac.txt");
    url.setQuery(query);
    Updates* program = new Updates("VARN-Planner", url, this);
    connect(program, &Updates::newVersion, this, &VARN_Planner_Interface::newSoftwareVersion);
    connect(program, &Updates::handled, this, [this, program] {
        programAnswerDue = false;
        if (program->outcome() == Updates::Noticed)
            reportUpdateCheck(tr("Check updates: a new version of VARN Planner is available."), false);
        else if (program->outcome() == Updates::NothingNew)
            reportUpdateCheck(tr("Check updates: no new version of VARN Planner."), false);
        else
            reportUpdateCheck(tr("Check updates: the VARN Planner web site %1 could not be reached.")
                                  .arg(Updates::programServer().host()),
                              true);
    });
    connect(program, &Updates::handled, program, &QObject::deleteLater);
    program->check();

    query.addQueryItem("serial", queryValue("VARN/serial"));
    query.addQueryItem("firmware", queryValue("VARN/firmware"));
    url = Updates::firmwareServer();
    url.setPath("/autofirmware/firmware.txt");
    url.setQuery(query);
    Updates* firmware = new Updates("firmware", url, this);
    firmware->setNoticeKeptByHandler(true);
    connect(firmware, &Updates::newVersion, this, [this, firmware](const QByteArray& reply) {
        firmwareNotice = firmware->notice();
        newFirmwareVersion(reply);
    });
    // A notice goes on to the download, which tells what came of it.
    connect(firmware, &Updates::handled, this, [this, firmware] {
        if (firmware->outcome() == Updates::Noticed)
            return;
        firmwareAnswerDue = false;
        if (firmware->outcome() == Updates::NothingNew)
            reportUpdateCheck(tr("Check updates: no new VARN firmware."), false);
        else
            reportUpdateCheck(tr("Check updates: the firmware web site %1 could not be reached.")
                                  .arg(Updates::firmwareServer().host()),
                              true);
    });
    connect(firmware, &Updates::handled, firmware, &QObject::deleteLater);
    firmware->check();
}

void VARN_Planner_Interface::newSoftwareVersion()
{
    QUrl site = Updates::programServer();
    site.setPath("/wp");
    showNotice(tr("New version..."),
               tr("A new version of <i>VARN Planner</i> is available. Please consider upgrading from the "
                  "website:<br>&nbsp;&nbsp;&nbsp;")
                   + QString("<a href='%1'>%2</a>")
                         .arg(site.toString(QUrl::FullyEncoded).toHtmlEscaped(), site.host().toHtmlEscaped()));
}

// A notice that comes while a transfer with the dive computer runs waits until it has ended: its
// box would hold the transfer where it stands, in the middle of a bank the computer takes in.
void VARN_Planner_Interface::showNotice(const QString& title, const QString& text)
{
    if (SerialPort::ExclusiveOperation::running()) {
        QTimer::singleShot(noticeRetryMs, this, [this, title, text] { showNotice(title, text); });
        return;
    }
    showMessage(QMessageBox::Information, title, text);
}

void VARN_Planner_Interface::newFirmwareVersion(QByteArray reply)
{
    const QRegularExpressionMatch line =
        QRegularExpression(QString("[fF]irmware +(%1)").arg(versionPattern)).match(QString::fromLatin1(reply));
    if (!line.hasMatch()) {
        // A changed text that names no firmware is not asked again before it changes again.
        firmwareNotice.keep();
        firmwareAnswerDue = false;
        reportUpdateCheck(tr("Check updates: no new VARN firmware."), false);
        return;
    }
    const QString version = line.captured(1);
    settings->setValue("Updates/firmware/version", version);
    settings->sync();

    // One downloader for the run, connected once: one download is one file and one notice.
    if (!firmwareDownloader) {
        QUrlQuery query;
        query.addQueryItem("serial", queryValue("VARN/serial"));
        QUrl url = Updates::firmwareServer();
        url.setPath("/autofirmware/varn2.hex");
        url.setQuery(query);
        firmwareDownloader = new Updates(QString("firmware/%1").arg(version), url, this);
        firmwareDownloader->setNoticeKeptByHandler(true);
        connect(firmwareDownloader, &Updates::newVersion, this, &VARN_Planner_Interface::newFirmwareDownload);
        connect(firmwareDownloader, &Updates::handled, this, &VARN_Planner_Interface::firmwareDownloadHandled);
    }
    firmwareDownloader->check();
}

// The dates of the firmware check are kept once the file is, or once the file turns out to be
// unfit (a broken release is not fetched every day): a download that fails is tried again at
// the next check, whatever the server's dates.
void VARN_Planner_Interface::firmwareDownloadHandled()
{
    const QString version = settings->value("Updates/firmware/version").toString();
    firmwareAnswerDue = false;
    switch (firmwareDownloader->outcome()) {
    case Updates::Unanswered:
        reportUpdateCheck(tr("Check updates: VARN firmware %1 is announced but could not be downloaded from %2; "
                             "the next check tries again.")
                              .arg(version, Updates::firmwareServer().host()),
                          true);
        break;
    case Updates::NothingNew:
        // This very file was kept before.
        firmwareNotice.keep();
        reportUpdateCheck(tr("Check updates: no new VARN firmware."), false);
        break;
    case Updates::Noticed:
        break;
    }
}

void VARN_Planner_Interface::keepFirmwareNotices()
{
    firmwareNotice.keep();
    if (firmwareDownloader)
        firmwareDownloader->notice().keep();
}

void VARN_Planner_Interface::reportUpdateCheck(const QString& text, bool failure)
{
    const QString line = QString(failure ? "<font color='red'>%1</font>" : "%1").arg(text.toHtmlEscaped());
    if (reportUpdates)
        textEdit->append(line);
    else
        unreportedUpdateLines.append(line);
}

void VARN_Planner_Interface::newFirmwareDownload(QByteArray firmware)
{
    // The version comes from the defaults file and names the file: nothing but a version may pass.
    const QString version = settings->value("Updates/firmware/version", "0.00").toString();
    if (!QRegularExpression(QRegularExpression::anchoredPattern(versionPattern)).match(version).hasMatch()) {
        qWarning("Firmware download ignored: bad version '%s'", qPrintable(version));
        return;
    }
    if (const char* fault = firmwareFault(firmware)) {
        qWarning("Firmware %s download ignored: %s", qPrintable(version), fault);
        keepFirmwareNotices();
        reportUpdateCheck(tr("Check updates: VARN firmware %1 is announced but the file served is no "
                             "firmware (%2): it was not kept.")
                              .arg(version, QString::fromLatin1(fault)),
                          true);
        return;
    }

    const QString path = firmwareFolder() + "/varn2_" + version + ".hex";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(firmware) != firmware.size() || !file.commit()) {
        textEdit->append(QString("<font color='red'>%1</font>")
                             .arg(tr("The new firmware %1 could not be saved: unable to write to '%2'.")
                                      .arg(version, path.toHtmlEscaped())));
        return;
    }
    keepFirmwareNotices();
    reportUpdateCheck(tr("Check updates: VARN firmware %1 is available, saved as %2.").arg(version, path), false);
    showNotice(tr("Firmware %1 available...").arg(version),
               tr("Version %1 of the <i>VARN</i> firmware is available. Please consider upgrading your computer...")
                   .arg(version));
}
