#ifndef LOOPBACKHTTP_H
#define LOOPBACKHTTP_H

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QPair>
#include <QSharedPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A web server on 127.0.0.1 inside the test process: each path answers as the test scripted
// it (a path without an answer gives 404) and every request is recorded as it came.
class LoopbackHttp {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        // None when invalid.
        QDateTime lastModified;
        // Whole header lines, each ending in "\r\n".
        QByteArray moreHeaders;
        // Sends the head and a part of the body, then nothing more, keeping the connection open.
        bool stall = false;
        // Closes the connection without a word.
        bool drop = false;
        // Leaves the request unanswered until release().
        bool hold = false;
    };
    struct Request {
        QByteArray method;
        QByteArray path;
        QByteArray query;
    };

    QHash<QByteArray, Answer> answers;
    QList<Request> requests;

    LoopbackHttp()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                serve(socket);
        });
    }

    bool isListening() const { return server.isListening(); }
    // Scheme, host and port, as the program's server keys take them.
    QString base() const { return QString("http://127.0.0.1:%1").arg(server.serverPort()); }

    // Answers the requests held so far.
    void release()
    {
        const QList<QPair<QTcpSocket*, Answer>> waiting = held;
        held.clear();
        for (const auto& request : waiting)
            answer(request.first, request.second);
    }

    QList<Request> requestsFor(const QByteArray& path) const
    {
        QList<Request> found;
        for (const Request& request : requests)
            if (request.path == path)
                found.append(request);
        return found;
    }

    // The date form of HTTP headers.
    static QByteArray httpDate(const QDateTime& when)
    {
        return QLocale::c().toString(when.toUTC(), "ddd, dd MMM yyyy hh:mm:ss 'GMT'").toLatin1();
    }

private:
    void serve(QTcpSocket* socket)
    {
        QSharedPointer<QByteArray> received(new QByteArray);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            const int headEnd = received->indexOf("\r\n\r\n");
            if (headEnd < 0)
                return;
            // "GET /path?query HTTP/1.1"
            const QList<QByteArray> requestLine = received->left(received->indexOf("\r\n")).split(' ');
            received->clear();
            const QByteArray target = requestLine.value(1);
            const int mark = target.indexOf('?');
            Request request{requestLine.value(0), target.left(mark < 0 ? target.size() : mark),
                            mark < 0 ? QByteArray() : target.mid(mark + 1)};
            requests.append(request);
            const Answer scripted = answers.value(request.path, Answer{404, "<html>Not found</html>", {}, {}, false});
            if (scripted.hold)
                held.append({socket, scripted});
            else
                answer(socket, scripted);
        });
    }

    void answer(QTcpSocket* socket, const Answer& answer)
    {
        if (answer.drop) {
            socket->disconnectFromHost();
            return;
        }
        QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " Scripted\r\n";
        head += "Content-Type: text/plain\r\n";
        head += "Content-Length: " + QByteArray::number(answer.stall ? answer.body.size() + 1000 : answer.body.size())
                + "\r\n";
        if (answer.lastModified.isValid())
            head += "Last-Modified: " + httpDate(answer.lastModified) + "\r\n";
        head += answer.moreHeaders;
        head += "Connection: close\r\n\r\n";
        socket->write(head + answer.body);
        if (!answer.stall)
            socket->disconnectFromHost();
    }

    QTcpServer server;
    // The sockets are the server's children: they last as long as it does.
    QList<QPair<QTcpSocket*, Answer>> held;
};

#endif
