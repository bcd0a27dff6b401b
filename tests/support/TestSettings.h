#pragma once

#include <QTemporaryDir>

// Points the per-user configuration (settings, ports/ links) at a fresh
// temporary folder for the life of the test program.
class TestSettings
{
public:
    TestSettings() { qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit()); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};
