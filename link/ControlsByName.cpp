#include "ControlsByName.h"

#include <QObject>

namespace qx {

namespace {
QObject *find(const QObject *root, const QString &name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return const_cast<QObject *>(root);
    return root->findChild<QObject *>(name);
}
} // namespace

void setVisibleByName(QObject *root, const QStringList &names, bool visible)
{
    for (const QString &name : names)
        setPropertyByName(root, name, "visible", visible);
}

void setPropertyByName(QObject *root, const QString &name, const char *property, const QVariant &value)
{
    if (QObject *control = find(root, name))
        control->setProperty(property, value);
}

QVariant propertyByName(const QObject *root, const QString &name, const char *property)
{
    const QObject *control = find(root, name);
    return control ? control->property(property) : QVariant();
}

} // namespace qx
