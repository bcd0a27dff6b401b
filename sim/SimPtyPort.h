#pragma once

#include <QByteArray>
#include <QString>

namespace qxsim {

// The controller's end of a pseudo-terminal. The program opens the other
// end (devicePath()) as its serial port.
class PtyPort
{
public:
    PtyPort() = default;
    PtyPort(const PtyPort &) = delete;
    PtyPort &operator=(const PtyPort &) = delete;
    ~PtyPort();

    bool open(QString *error);
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString devicePath() const { return m_devicePath; }

    // Returns when the program has sent something or the time is up.
    void waitForInput(qint64 timeoutMicros);
    QByteArray readAvailable();
    // Returns how many bytes went out; what does not fit (nobody has read
    // the port for a long time) is dropped.
    int write(const QByteArray &bytes);

private:
    int m_master = -1;
    int m_heldSlave = -1;
    QString m_devicePath;
};

} // namespace qxsim
