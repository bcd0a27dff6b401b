#pragma once

#include <QStringList>
#include <QVariant>

class QObject;

namespace qx {

// The link's identification steps show, hide and fill controls of whatever
// window they are given, found by object name. A control the window does not
// have (yet) is skipped.
void setVisibleByName(QObject *root, const QStringList &names, bool visible);
void setPropertyByName(QObject *root, const QString &name, const char *property, const QVariant &value);
QVariant propertyByName(const QObject *root, const QString &name, const char *property);

} // namespace qx
