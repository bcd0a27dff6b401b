#pragma once

#include "ParameterWrite.h"

#include <QList>
#include <QPair>

#include <functional>

namespace qx {

// A write run once without a port: it keeps every step in order, so the
// checks' messages are known before a byte goes out, and the same steps can
// then be played to the real target with their pauses.
class WriteRehearsal final : public WriteTarget
{
public:
    void openPort() override;
    void closePort() override;
    void send(quint8 byte) override;
    void pause(int milliseconds) override;
    void message(const QString &caption, const QString &text) override;

    // The checks' messages, as caption and text.
    const QList<QPair<QString, QString>> &messages() const { return messages_; }
    // Every step to target, in order.
    void playTo(WriteTarget &target) const;

private:
    QList<std::function<void(WriteTarget &)>> steps_;
    QList<QPair<QString, QString>> messages_;
};

} // namespace qx
