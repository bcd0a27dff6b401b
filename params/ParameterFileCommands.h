#pragma once

#include "ParameterFile.h"
#include "TextKeys.h"

#include <QObject>

#include <functional>
#include <optional>

namespace qx {

class ParametersPage;

// The Parameters page's file commands: the page's values saved to a .qx4
// file, such a file loaded back into the page, whole or not at all, an
// as-found copy restored, and a file compared with the page.
class ParameterFileCommands final : public QObject
{
    Q_OBJECT

public:
    using TextSource = std::function<QString(TextKey)>;

    ParameterFileCommands(ParametersPage &page, TextSource texts, const QString &workingDirectory,
                          const QString &asFoundFolder);

    void ZapiszButtPlikClick();
    void OdczytButtPlikClick();
    void PrzywrocButtPlikClick();
    void PorownajButtPlikClick();
    bool WriteParameterFile(const QString &fileName);
    bool ReadParameterFile(const QString &fileName);
    // A file loaded as ReadParameterFile does, then the switch temperature of
    // its comment lines put into its field.
    bool RestoreAsFoundFile(const QString &fileName);
    // The comparison of the page with a file; a file that fails to load shows
    // the load's error and no dialog.
    void CompareWithFile(const QString &fileName);

signals:
    // A file was loaded into the page; whole when it held every value a
    // file can hold.
    void loaded(bool whole);
    // An as-found copy gave the switch temperature too.
    void switchTemperatureLoaded();
    // A message for the status bar's command panel.
    void statusText(const QString &text);

private:
    // A file's reading, or nothing after its error has been shown.
    std::optional<ParameterFileReading> readingOf(const QString &fileName, QByteArray *bytes = nullptr);
    void apply(const ParameterFileReading &reading);
    void ApplyParameterLine(const ParameterFileValue &value);

    ParametersPage &page_;
    TextSource texts_;
    ParameterFolder folder_;
    QString asFoundFolder_;
};

} // namespace qx
