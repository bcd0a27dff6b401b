#pragma once

#include "Pause.h"
#include "PortIo.h"
#include "ProtocolTables.h"
#include "SerialChannel.h"
#include "SimControllerEngine.h"

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <map>

// Controllers in memory for the exchange rules, one car behind each device:
// the program's bytes are split into commands by their argument counts, the
// version, block, threshold and live requests are answered at once, and what
// is written stays in that car. Every open, close, byte and wait is noted in
// one log, in order, so tests assert sequences without any real time passing.
class ScriptedPortIo final : public qx::PortIo
{
public:
    ScriptedPortIo()
    {
        block = QByteArray(37, '\0');
        block[32] = 2; // "4 cylindry"
        qx::setPauseFunction([this](int ms) {
            if (ms != qx::SerialChannel::BytePauseMs)
                log << QStringLiteral("w%1").arg(ms);
        });
    }
    ~ScriptedPortIo() override { qx::setPauseFunction({}); }

    bool open(const QString &device) override
    {
        openDevice = devices.contains(device) ? device : QString();
        log << (openDevice.isEmpty() ? QStringLiteral("open failed") : QStringLiteral("open"));
        pending.clear();
        return !openDevice.isEmpty();
    }
    void close() override
    {
        if (!openDevice.isEmpty())
            log << QStringLiteral("close");
        openDevice.clear();
    }
    bool isOpen() const override { return !openDevice.isEmpty(); }
    bool sendByte(quint8 byte) override
    {
        if (!isOpen())
            return false;
        log << QString::number(byte, 16).rightJustified(2, QLatin1Char('0'));
        sent.append(char(byte));
        pending.append(char(byte));
        const int arguments = qx::commandArgumentCount(quint8(pending.at(0)));
        if (arguments < 0 || pending.size() > arguments) {
            commands.append(pending);
            answer(pending);
            pending.clear();
        }
        return true;
    }
    bool bytesQueued(qint64 *count) override
    {
        if (!isOpen())
            return false;
        *count = incoming.size();
        return true;
    }
    QByteArray read(qint64 maxBytes) override
    {
        const QByteArray taken = incoming.left(maxBytes);
        incoming.remove(0, taken.size());
        return taken;
    }
    void waitUntilSent(int) override {}

    // The log without the opens, closes and waits: the bytes alone.
    QString bytes() const
    {
        QStringList out;
        for (const QString &entry : log)
            if (entry.size() == 2 && entry != QLatin1String("w3"))
                out << entry;
        return out.join(QLatin1Char(' '));
    }

    QSet<QString> devices{QStringLiteral("/dev/fake1")};
    // The controller version on each device; a device without one stays silent.
    QMap<QString, int> versions{{QStringLiteral("/dev/fake1"), 8}};
    // What a car holds when it first answers.
    QByteArray block;
    quint8 threshold = 40;
    QByteArray liveFrame = QByteArray(9, '\0');
    qxsim::ControllerEngine &car(const QString &device)
    {
        auto [it, fresh] = cars_.try_emplace(device);
        if (fresh) {
            it->second.setParameterBlock(block);
            it->second.setAnalogThreshold(threshold);
            it->second.setFrameSource([this] { return liveFrame; });
        }
        return it->second;
    }
    QStringList log;
    QByteArray sent;
    QList<QByteArray> commands; // each with its argument bytes

    bool sentCommand(quint8 command) const
    {
        for (const QByteArray &c : commands)
            if (quint8(c.at(0)) == command)
                return true;
        return false;
    }

private:
    void answer(const QByteArray &command)
    {
        const int version = versions.value(openDevice, 0);
        if (version == 0)
            return;
        qxsim::ControllerEngine &engine = car(openDevice);
        engine.setVersion(version);
        for (char byte : command)
            if (const auto reply = engine.receive(quint8(byte)))
                incoming.append(reply->bytes);
    }

    std::map<QString, qxsim::ControllerEngine> cars_;
    QString openDevice;
    QByteArray pending;
    QByteArray incoming;
};
