#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace tav::test {

// A small web server on 127.0.0.1 for the download tests, answering from a table of
// paths. Besides plain answers it misbehaves on purpose: a body shorter than its
// Content-Length, a chunked body cut off, a body without length cut off, a stall, a
// slow trickle.
class TestHttpServer : public QObject
{
public:
    enum class Mode
    {
        Plain,       // Content-Length and the whole body
        Chunked,     // chunked, complete
        CutChunked,  // chunked, the connection closed before the last chunk
        ShortBody,   // Content-Length larger than the body sent
        CutUnframed, // neither length nor chunks: half of the body, then the connection closed
        Stall,       // half of the body, then silence with the connection open
        Trickle,     // one byte every 50 ms, never done
    };
    struct Route
    {
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Plain;
        QByteArray location;         // for a redirect
        qint64 announcedLength = -1; // Content-Length to claim instead of the body's
        QByteArray headers;          // further header lines, each ending in CR LF
    };
    static Route Page(const QByteArray& body, Mode mode = Mode::Plain) { return {200, body, mode, {}, -1, {}}; }
    static Route Status(int status, const QByteArray& body = {}) { return {status, body, Mode::Plain, {}, -1, {}}; }
    static Route Redirect(const QByteArray& location) { return {302, {}, Mode::Plain, location, -1, {}}; }
    static Route Claiming(const QByteArray& body, qint64 length) { return {200, body, Mode::Plain, {}, length, {}}; }

    QMap<QByteArray, Route> routes; // by the path as requested (still encoded)
    QList<QByteArray> requests;     // the request lines and headers received
    int answerDelayMs = 0;          // how long every answer waits

    TestHttpServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                Serve(socket);
        });
    }

    QString Site() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    QByteArray Path(int i) const
    {
        const QByteArray line = requests.value(i).split('\r').value(0);
        return line.split(' ').value(1);
    }

private:
    static QByteArray Reason(int status)
    {
        switch (status) {
        case 200:
            return "OK";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        default:
            return "Status";
        }
    }

    void Serve(QTcpSocket* socket)
    {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            const int end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray head = buffer->left(end);
            buffer->clear();
            requests << head;
            const QByteArray path = head.split('\r').value(0).split(' ').value(1);
            const Route route = routes.value(path, Status(404, "no such page"));
            if (answerDelayMs <= 0)
                return Answer(socket, route);
            QTimer::singleShot(answerDelayMs, socket, [this, socket, route] { Answer(socket, route); });
        });
    }

    void Answer(QTcpSocket* socket, const Route& route)
    {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + " " + Reason(route.status) + "\r\n";
        head += "Connection: close\r\n";
        if (!route.location.isEmpty())
            head += "Location: " + route.location + "\r\n";
        const bool chunked = route.mode == Mode::Chunked || route.mode == Mode::CutChunked;
        head += route.headers;
        if (chunked) {
            head += "Transfer-Encoding: chunked\r\n";
        } else if (route.mode != Mode::CutUnframed) {
            qint64 length = route.announcedLength >= 0 ? route.announcedLength : route.body.size();
            if (route.mode == Mode::ShortBody || route.mode == Mode::Stall || route.mode == Mode::Trickle)
                length = route.body.size() + 100;
            head += "Content-Length: " + QByteArray::number(length) + "\r\n";
        }
        socket->write(head + "\r\n");

        const QByteArray& body = route.body;
        switch (route.mode) {
        case Mode::Plain:
        case Mode::ShortBody:
            socket->write(body);
            socket->disconnectFromHost();
            break;
        case Mode::CutUnframed:
            socket->write(body.left(body.size() / 2));
            socket->disconnectFromHost();
            break;
        case Mode::Chunked:
        case Mode::CutChunked: {
            const qsizetype half = body.size() / 2;
            for (const QByteArray& part : {body.left(half), body.mid(half)}) {
                if (part.isEmpty())
                    continue;
                socket->write(QByteArray::number(part.size(), 16) + "\r\n" + part + "\r\n");
                if (route.mode == Mode::CutChunked)
                    break;
            }
            if (route.mode == Mode::Chunked)
                socket->write("0\r\n\r\n");
            socket->disconnectFromHost();
            break;
        }
        case Mode::Stall:
            socket->write(body.left(body.size() / 2));
            held_ << socket;
            break;
        case Mode::Trickle: {
            held_ << socket;
            auto* timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
            timer->start(50);
            break;
        }
        }
    }

    QTcpServer server_;
    QList<QPointer<QTcpSocket>> held_;
};

} // namespace tav::test
