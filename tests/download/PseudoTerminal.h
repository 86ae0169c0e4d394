#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal standing in for a serial cable: the program opens slavePath() as its port,
// the test plays the instrument on the master side. The slave stays open here as well, because
// a pty whose last slave closes makes the master read EIO between downloads.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();

    bool isValid() const;
    QString slavePath() const;

    // Sends everything, waiting while the line is full; false when the master is closed.
    bool send(const QByteArray& bytes);
    // Reads what arrives within `timeoutMs` until `count` bytes came.
    QByteArray receive(int count, int timeoutMs);
    // Unplugs the cable: the program's side sees a hang-up.
    void closeMaster();

private:
    int master = -1;
    int slave = -1;
    QString path;
};
