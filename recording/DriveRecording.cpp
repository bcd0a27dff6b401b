#include "DriveRecording.h"

#include <QStringList>

#include <algorithm>
#include <cctype>

namespace qxrec {

namespace {

const QString Magic = QStringLiteral("quorvantix drive recording");
constexpr int FormatVersion = 1;
constexpr int MinControllerVersion = 3;
constexpr int MaxControllerVersion = 8;
constexpr int FirstLongFrameVersion = 5;  // frames grow a checksum from here on

const QStringList HeaderKeys = {QStringLiteral("controller_version"), QStringLiteral("rpm_constant"),
                                QStringLiteral("probe_variant"), QStringLiteral("reserve_sensor"),
                                QStringLiteral("temperature_sensor")};
const QString ColumnsLine = QStringLiteral("ms,frame,speed,lambda_volts,tps_volts,stepper,temperature,gas_level,fuel");
constexpr int PollFields = 9;

int frameLength(int controllerVersion)
{
    return controllerVersion < FirstLongFrameVersion ? 8 : 9;
}

QString quoted(const QString &field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n'))
        && !field.contains(QLatin1Char('\r')))
        return field;
    QString text = field;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QByteArray csvLine(const QStringList &fields)
{
    QStringList out;
    for (const QString &field : fields)
        out << quoted(field);
    return out.join(QLatin1Char(',')).toUtf8() + '\n';
}

// Splits one line into its fields; false on an unclosed quote.
bool splitCsv(const QString &line, QStringList *fields)
{
    fields->clear();
    QString field;
    bool inQuotes = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inQuotes) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
                field += line.at(++i);
            else
                inQuotes = false;
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            *fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    *fields << field;
    return !inQuotes;
}

bool readHeaderLine(const QStringList &fields, int index, RecordingHeader *header, QString *reason)
{
    const QString &key = HeaderKeys.at(index);
    if (fields.size() != 2 || fields.at(0) != key) {
        *reason = QStringLiteral("expected '%1,VALUE'").arg(key);
        return false;
    }
    const QString &value = fields.at(1);
    bool ok = true;
    switch (index) {
    case 0:
        header->controllerVersion = value.toInt(&ok);
        ok = ok && header->controllerVersion >= MinControllerVersion && header->controllerVersion <= MaxControllerVersion;
        break;
    case 1:
        header->rpmConstant = value.toInt(&ok);
        ok = ok && header->rpmConstant >= 0;
        break;
    case 2:
        header->probeVariant = value;
        break;
    case 3:
        header->reserveSensorType = value;
        break;
    case 4:
        ok = value == QLatin1String("0") || value == QLatin1String("1");
        header->temperatureSupported = value == QLatin1String("1");
        break;
    }
    if (!ok)
        *reason = QStringLiteral("bad value '%1' for %2").arg(value, key);
    return ok;
}

bool readPoll(const QStringList &fields, const RecordingHeader &header, qint64 previousMs, RecordedPoll *poll,
              QString *reason)
{
    if (fields.size() != PollFields) {
        *reason = QStringLiteral("%1 fields, a poll has %2").arg(fields.size()).arg(PollFields);
        return false;
    }
    bool ok = false;
    poll->ms = fields.at(0).toLongLong(&ok);
    if (!ok || poll->ms < previousMs) {
        *reason = QStringLiteral("bad time '%1' (milliseconds, never decreasing)").arg(fields.at(0));
        return false;
    }
    const QByteArray hex = fields.at(1).toLatin1();
    poll->frame = QByteArray::fromHex(hex);
    const bool hexOnly = std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(uchar(c)); });
    if (!hexOnly || hex.size() % 2 != 0 || (!hex.isEmpty() && poll->frame.size() != frameLength(header.controllerVersion))) {
        *reason = QStringLiteral("bad frame '%1' (%2 bytes in hex, or empty)")
                      .arg(fields.at(1))
                      .arg(frameLength(header.controllerVersion));
        return false;
    }
    poll->shown = {fields.at(2), fields.at(3), fields.at(4), fields.at(5), fields.at(6), fields.at(7), fields.at(8)};
    return true;
}

} // namespace

bool RecordingHeader::operator==(const RecordingHeader &o) const
{
    return controllerVersion == o.controllerVersion && rpmConstant == o.rpmConstant && probeVariant == o.probeVariant
           && reserveSensorType == o.reserveSensorType && temperatureSupported == o.temperatureSupported;
}

bool ShownValues::operator==(const ShownValues &o) const
{
    return speed == o.speed && lambdaVolts == o.lambdaVolts && tpsVolts == o.tpsVolts && stepper == o.stepper
           && temperature == o.temperature && gasLevel == o.gasLevel && fuel == o.fuel;
}

bool RecordedPoll::operator==(const RecordedPoll &o) const
{
    return ms == o.ms && frame == o.frame && shown == o.shown;
}

std::optional<DriveRecording> DriveRecording::parse(const QByteArray &text, int *badLine, QString *reason)
{
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    const int headerLines = 2 + int(HeaderKeys.size());
    DriveRecording recording;
    qint64 previousMs = 0;
    *badLine = 0;
    for (int i = 0; i < lines.size(); ++i) {
        *badLine = i + 1;
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        QStringList fields;
        if (!splitCsv(line, &fields)) {
            *reason = QStringLiteral("unclosed quote");
            return std::nullopt;
        }
        if (i == 0) {
            if (fields != QStringList{Magic, QString::number(FormatVersion)}) {
                *reason = QStringLiteral("not a drive recording (expected '%1,%2')").arg(Magic).arg(FormatVersion);
                return std::nullopt;
            }
        } else if (i < headerLines - 1) {
            if (!readHeaderLine(fields, i - 1, &recording.header, reason))
                return std::nullopt;
        } else if (i == headerLines - 1) {
            if (line != ColumnsLine) {
                *reason = QStringLiteral("expected the column line '%1'").arg(ColumnsLine);
                return std::nullopt;
            }
        } else {
            RecordedPoll poll;
            if (!readPoll(fields, recording.header, previousMs, &poll, reason))
                return std::nullopt;
            previousMs = poll.ms;
            recording.polls.append(poll);
        }
    }
    if (lines.size() < headerLines) {
        *badLine = int(lines.size()) + 1;
        *reason = QStringLiteral("the recording ends inside its header");
        return std::nullopt;
    }
    *badLine = 0;
    reason->clear();
    return recording;
}

std::optional<DriveRecording> DriveRecording::load(const QString &path, QString *message)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *message = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    // A recording still being written is read as far as its last whole line.
    QByteArray text = file.readAll();
    text.truncate(text.lastIndexOf('\n') + 1);
    int line = 0;
    QString reason;
    auto recording = parse(text, &line, &reason);
    if (!recording)
        *message = QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(reason);
    return recording;
}

bool DriveRecordingWriter::open(const QString &path, const RecordingHeader &header, QString *error)
{
    close();
    error_.clear();
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = error_ = file_.errorString();
        return false;
    }
    pending_ = csvLine({Magic, QString::number(FormatVersion)});
    const QStringList values = {QString::number(header.controllerVersion), QString::number(header.rpmConstant),
                                header.probeVariant, header.reserveSensorType,
                                header.temperatureSupported ? QStringLiteral("1") : QStringLiteral("0")};
    for (int i = 0; i < HeaderKeys.size(); ++i)
        pending_ += csvLine({HeaderKeys.at(i), values.at(i)});
    pending_ += ColumnsLine.toUtf8() + '\n';
    flushedAtMs_ = 0;
    return true;
}

bool DriveRecordingWriter::append(const RecordedPoll &poll)
{
    if (!file_.isOpen())
        return false;
    const ShownValues &s = poll.shown;
    pending_ += csvLine({QString::number(poll.ms), QString::fromLatin1(poll.frame.toHex().toUpper()), s.speed,
                         s.lambdaVolts, s.tpsVolts, s.stepper, s.temperature, s.gasLevel, s.fuel});
    // Written out by the recording's own time, so a replay flushes as the drive did.
    if (poll.ms - flushedAtMs_ < FlushIntervalMs)
        return true;
    flushedAtMs_ = poll.ms;
    return writeOut();
}

bool DriveRecordingWriter::close()
{
    if (!file_.isOpen())
        return error_.isEmpty();
    const bool written = writeOut();
    file_.close();
    return written;
}

bool DriveRecordingWriter::writeOut()
{
    const bool written = file_.write(pending_) == pending_.size() && file_.flush();
    pending_.clear();
    if (!written) {
        error_ = file_.errorString();
        file_.close();
    }
    return written;
}

} // namespace qxrec
