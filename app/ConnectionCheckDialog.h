#pragma once

#include "ConnectionCheck.h"
#include "TextKeys.h"

#include <QDialog>

#include <functional>

class QTableWidget;

namespace qx {

// The columns of a port's row, as the connection check dialog shows them.
struct FindingRow
{
    QString port;
    QString device;
    QString exists;
    QString opening;
    QString controller;
    QString cure;
};

using CheckTextSource = std::function<QString(TextKey)>;

// A finding in the user's words, with the cure for what failed.
FindingRow describeFinding(const PortFinding &finding, const CheckTextSource &texts);

// The findings of the connection check, a row a port, the healthy ones
// unmarked and the others tinted.
class ConnectionCheckDialog final : public QDialog
{
    Q_OBJECT

public:
    ConnectionCheckDialog(const QList<PortFinding> &findings, const CheckTextSource &texts, QWidget *parent = nullptr);
};

} // namespace qx
