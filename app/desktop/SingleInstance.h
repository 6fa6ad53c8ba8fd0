#pragma once

// One Cheqbook per user and display. A Cheqbook started while another is
// running hands its files to that one over a local socket and ends, so that
// opening a register from the file manager opens a window, not a second
// program with its own Open Recent, preferences and recovery copies.

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // serverName is the socket's path; an empty one turns the hand-over off
    // (every Cheqbook is then the first).
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket of this user on this display, in the user's runtime folder,
    // which only they may enter. Empty when there is no such folder.
    static QString defaultServerName();

    enum class Start {
        First,      // no Cheqbook was running: this one listens now
        HandedOver, // a running Cheqbook took the files; this one should end
        Alone,      // one is running but would not take them: open them here
    };
    // Gives files (absolute paths; none to bring the running Cheqbook
    // forward) to the Cheqbook already running, waiting up to timeoutMs for
    // it to confirm. When none is running, clears away a socket that one which
    // stopped left behind and starts listening.
    Start start(const QStringList &files, int timeoutMs = 5000);
    bool isListening() const;

signals:
    // Another Cheqbook handed these files over (none: it was started without
    // any, and the user wants to see Cheqbook).
    void filesReceived(const QStringList &files);

private:
    enum class HandOver { Taken, NoneRunning, Refused };
    HandOver handOver(const QStringList &files, int timeoutMs);
    void receive(QLocalSocket *socket);

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};
