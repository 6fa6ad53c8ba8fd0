#include "SingleInstance.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

// A request is a 32-bit length, then that many bytes: the magic text, the
// protocol's version and the list of paths, in QDataStream's Qt 6.0 form.
// The running Cheqbook answers "ok" once it has them.
namespace {
const QByteArray kMagic = "cheqbook-open";
constexpr quint32 kVersion = 1;
const QByteArray kTaken = "ok";
// Far more paths than a file manager passes at once, and far less memory
// than a runaway client could make us hold.
constexpr quint32 kLongestRequest = 4 * 1024 * 1024;
// A client that connects and says nothing is let go after this long.
constexpr int kClientPatienceMs = 10000;

QByteArray request(const QStringList &files)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion << files;
    QByteArray framed;
    QDataStream frame(&framed, QIODevice::WriteOnly);
    frame << quint32(body.size());
    return framed + body;
}

// The paths of a whole request body; nothing when it is not one of ours.
std::optional<QStringList> parseRequest(const QByteArray &body)
{
    QDataStream in(body);
    in.setVersion(QDataStream::Qt_6_0);
    QByteArray magic;
    quint32 version = 0;
    QStringList files;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion)
        return std::nullopt;
    in >> files;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    // Relative paths would be read against our folder, not the sender's.
    files.removeIf([](const QString &path) { return path.isEmpty() || !QDir::isAbsolutePath(path); });
    return files;
}
} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), m_serverName(serverName)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    // One Cheqbook per display: a Cheqbook started on another screen (or
    // over ssh -X) must open its windows there, not on this one.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty() || QGuiApplication::platformName() != u"wayland")
        display = qEnvironmentVariable("DISPLAY");
    display.replace(u'/', u'_');
    return QDir(runtime).filePath(u"cheqbook-%1%2.socket"_s.arg(QGuiApplication::platformName(), display));
}

bool SingleInstance::isListening() const { return m_server && m_server->isListening(); }

SingleInstance::Start SingleInstance::start(const QStringList &files, int timeoutMs)
{
    if (m_serverName.isEmpty())
        return Start::First;
    // Two Cheqbooks started at once must not both find no one and both
    // listen, the second removing the first's socket.
    QLockFile lock(m_serverName + u".lock"_s);
    lock.setStaleLockTime(0);
    lock.tryLock(timeoutMs);
    switch (handOver(files, timeoutMs)) {
    case HandOver::Taken:
        return Start::HandedOver;
    case HandOver::Refused:
        return Start::Alone;
    case HandOver::NoneRunning:
        break;
    }
    // Nothing answers at the socket: a Cheqbook that stopped without closing
    // it left it behind.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receive(socket); });
            QTimer::singleShot(kClientPatienceMs, socket, [socket] { socket->abort(); });
        }
    });
    if (!m_server->listen(m_serverName))
        qWarning("Cheqbook: cannot listen at %s (%s); each Cheqbook started opens its own windows",
                 qPrintable(m_serverName), qPrintable(m_server->errorString()));
    return Start::First;
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList &files, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return HandOver::NoneRunning;
    const QDeadlineTimer deadline(timeoutMs);
    socket.write(request(files));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return socket.state() == QLocalSocket::ConnectedState ? HandOver::Taken : HandOver::Refused;
    while (socket.bytesAvailable() < kTaken.size() && socket.state() == QLocalSocket::ConnectedState
           && !deadline.hasExpired())
        socket.waitForReadyRead(int(deadline.remainingTime()));
    if (socket.read(kTaken.size()) == kTaken)
        return HandOver::Taken;
    // Still connected but silent: the running Cheqbook is busy (printing a
    // long register, say) and reads the request once it is free.
    return socket.state() == QLocalSocket::ConnectedState ? HandOver::Taken : HandOver::Refused;
}

void SingleInstance::receive(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < qint64(sizeof(quint32)))
        return;
    quint32 length = 0;
    QDataStream(socket->peek(sizeof(quint32))) >> length;
    if (length > kLongestRequest) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < qint64(sizeof(quint32)) + length)
        return;
    socket->skip(sizeof(quint32));
    const std::optional<QStringList> files = parseRequest(socket->read(length));
    if (!files) {
        socket->abort();
        return;
    }
    socket->write(kTaken);
    socket->flush();
    socket->disconnectFromServer();
    // Opening may ask questions; that happens after this socket's business.
    QTimer::singleShot(0, this, [this, files = *files] { emit filesReceived(files); });
}
