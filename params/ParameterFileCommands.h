#pragma once

#include "ParameterFile.h"
#include "TextKeys.h"

#include <QObject>

#include <functional>

namespace qx {

class ParametersPage;

// The Parameters page's two file buttons: the page's values saved to a .qx4
// file, and such a file loaded back into the page, whole or not at all.
class ParameterFileCommands final : public QObject
{
    Q_OBJECT

public:
    using TextSource = std::function<QString(TextKey)>;

    ParameterFileCommands(ParametersPage &page, TextSource texts, const QString &workingDirectory);

    void ZapiszButtPlikClick();
    void OdczytButtPlikClick();
    bool WriteParameterFile(const QString &fileName);
    bool ReadParameterFile(const QString &fileName);

signals:
    // A file was loaded into the page; whole when it held every value a
    // file can hold.
    void loaded(bool whole);

private:
    void ApplyParameterLine(const ParameterFileValue &value);

    ParametersPage &page_;
    TextSource texts_;
    ParameterFolder folder_;
};

} // namespace qx
