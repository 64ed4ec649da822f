#ifndef UPDATES_H
#define UPDATES_H

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches one URL and hands on the body of the reply when the server dates the resource
// differently from the last notice, at most once a calendar day per name. A changed
// publication date is the news: versions are not compared here. The dates of the last notice
// are kept in the defaults file under "Updates/" followed by the name.
class Updates : public QObject {
    Q_OBJECT

public:
    // What came of the last reply: none usable (network failure or an answer other than the
    // resource), nothing new, or a notice.
    enum Outcome { Unanswered, NothingNew, Noticed };

    // The dates of one notice, kept in the defaults file once the notice counts as given.
    struct Notice {
        QString name;
        QDate published;
        bool isNull() const { return name.isEmpty(); }
        // Stores the publication date and today as the day of the notice.
        void keep() const;
    };

    Updates(const QString& name, const QUrl& url, QObject* parent = nullptr);
    ~Updates() override;

    Outcome outcome() const { return lastOutcome; }
    // The notice of the last reply, null when it gave none.
    Notice notice() const { return lastNotice; }
    // A notice that starts more work (the firmware download) counts only once that work is
    // done: its handler keeps it then, and a failed download is tried again at the next check.
    void setNoticeKeptByHandler(bool byHandler) { noticeKeptByHandler = byHandler; }

    // Sends the request and returns at once; the reply is handled when it arrives.
    void check();

    // The base URLs (scheme, host and port) of the program's and the firmware maker's web
    // servers. The defaults file may name others ("Updates/programServer",
    // "Updates/firmwareServer").
    static QUrl programServer();
    static QUrl firmwareServer();
    // The servers asked when the defaults file names none. Tests that start the whole
    // application point them at loopback before.
    static void setDefaultServers(const QUrl& program, const QUrl& firmware);

    // A transfer silent for this long is abandoned; tests shorten it.
    static void setTransferTimeout(int ms);

signals:
    void newVersion(QByteArray contains);
    // Every reply ends here, whether it gave a notice or not.
    void handled();

private slots:
    void requestFinished(QNetworkReply* reply);

private:
    QNetworkAccessManager* manager;
    QString name;
    QUrl url;
    Outcome lastOutcome = Unanswered;
    Notice lastNotice;
    bool noticeKeptByHandler = false;
};

#endif
