#pragma once

#include <QObject>
#include <QtGlobal>

// A control of a window or page by its object name, as the tests reach the
// controls the pages keep to themselves. A missing control ends the test run.
template <class T, class Root>
T *control(const Root &root, const char *name)
{
    T *found = root->template findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
