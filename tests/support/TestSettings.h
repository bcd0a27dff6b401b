#pragma once

#include <QTemporaryDir>

// Points the per-user configuration (settings, ports/ links) and data
// (as-found copies) at fresh temporary folders for the life of the test program.
class TestSettings
{
public:
    TestSettings()
    {
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    }
    QString path() const { return dir_.path(); }
    QString dataPath() const { return data_.path(); }

private:
    QTemporaryDir dir_;
    QTemporaryDir data_;
};
