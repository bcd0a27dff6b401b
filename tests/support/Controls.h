#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <QtGlobal>

// A control of a window or page by its object name, as the tests reach the
// controls the pages keep to themselves. A missing control ends the test run.
template <class T = QWidget, class Root>
T *control(const Root &root, const QString &name)
{
    T *found = root->template findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The controls in a parent that have names of their own, not Qt's inner parts
// of a control: its children, or with Qt::FindChildrenRecursively all below it.
inline QList<QWidget *> namedChildren(const QWidget &parent, Qt::FindChildOptions options = Qt::FindDirectChildrenOnly)
{
    QList<QWidget *> named;
    for (QWidget *child : parent.findChildren<QWidget *>(options))
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
            named << child;
    return named;
}
