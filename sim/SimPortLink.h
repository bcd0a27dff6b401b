#pragma once

#include <QString>

namespace qxsim {

// The symbolic link that makes a device known to the program as a port
// name such as com1: <user config>/Quorvantix/ports/<name>.
class PortLink
{
public:
    static QString portsFolder();

    PortLink() = default;
    PortLink(const PortLink &) = delete;
    PortLink &operator=(const PortLink &) = delete;
    ~PortLink() { remove(); }

    // Replaces whatever link of that name was there.
    bool create(const QString &portName, const QString &devicePath, QString *error);
    // Removes the link unless someone has pointed it elsewhere meanwhile.
    void remove();
    QString path() const { return m_path; }

private:
    QString m_path;
    QString m_target;
};

} // namespace qxsim
