#include "Updates.h"

#include "Settings.h"

#include <QDate>
#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>

namespace {

// Placeholder hosts under a reserved top-level domain: a build that ships must name the real
// servers here or in the defaults file.
QUrl defaultProgramServer("http://www.varn-planner.example");
QUrl defaultFirmwareServer("http://www.varn-dive.example");

// The day before the first publication: any real date differs from it.
const QDate neverNoticed(2011, 1, 1);

int transferTimeoutMs = 30000;

QDate storedDate(const QString& key)
{
    return QDate::fromString(settings->value(key, neverNoticed.toString(Qt::ISODate)).toString(), Qt::ISODate);
}

QUrl serverKey(const char* key, const QUrl& fallback)
{
    return QUrl(settings->value(key, fallback.toString()).toString());
}

} // namespace

Updates::Updates(const QString& name, const QUrl& url, QObject* parent)
    : QObject(parent), manager(new QNetworkAccessManager(this)), name(name), url(url)
{
    setObjectName(name);
    connect(manager, &QNetworkAccessManager::finished, this, &Updates::requestFinished);
}

Updates::~Updates() = default;

void Updates::check()
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(transferTimeoutMs);
    manager->get(request);
}

QUrl Updates::programServer()
{
    return serverKey("Updates/programServer", defaultProgramServer);
}

QUrl Updates::firmwareServer()
{
    return serverKey("Updates/firmwareServer", defaultFirmwareServer);
}

void Updates::setDefaultServers(const QUrl& program, const QUrl& firmware)
{
    defaultProgramServer = program;
    defaultFirmwareServer = firmware;
}

void Updates::setTransferTimeout(int ms)
{
    transferTimeoutMs = ms;
}

void Updates::Notice::keep() const
{
    if (isNull())
        return;
    const QString key = "Updates/" + name;
    settings->setValue(key + "/last", published.toString(Qt::ISODate));
    settings->setValue(key + "/asked", QDate::currentDate().toString(Qt::ISODate));
    settings->sync();
}

void Updates::requestFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    lastOutcome = Unanswered;
    lastNotice = Notice();
    // Qt passes a redirect, or any answer but the resource itself, as no error.
    if (reply->error() == QNetworkReply::NoError
        && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200) {
        const QDate published = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime().date();
        const QString key = "Updates/" + name;
        lastOutcome = NothingNew;
        if (storedDate(key + "/last") != published && storedDate(key + "/asked").daysTo(QDate::currentDate()) > 0) {
            lastOutcome = Noticed;
            lastNotice = Notice{name, published};
            if (!noticeKeptByHandler)
                lastNotice.keep();
            emit newVersion(reply->readAll());
        }
    }
    emit handled();
}
