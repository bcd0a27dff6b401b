#include "ParameterFileCommands.h"

#include "AsFoundCopy.h"
#include "DialogService.h"
#include "ParameterCompareDialog.h"
#include "ParameterComparison.h"
#include "ParametersPage.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSet>

namespace qx {

namespace {

QPushButton *button(const ParametersPage &page, const char *name)
{
    return page.findChild<QPushButton *>(QLatin1String(name));
}

int valueLineCount()
{
    int count = 0;
    for (const ParameterFileRow &row : parameterFileRows())
        count += row.kind != ParameterFileKind::Comment;
    return count;
}

} // namespace

ParameterFileCommands::ParameterFileCommands(ParametersPage &page, TextSource texts, const QString &workingDirectory,
                                             const QString &asFoundFolder)
    : QObject(&page), page_(page), texts_(std::move(texts)), folder_(workingDirectory), asFoundFolder_(asFoundFolder)
{
    connect(button(page_, "ZapiszButtPlik"), &QPushButton::clicked, this,
            &ParameterFileCommands::ZapiszButtPlikClick);
    connect(button(page_, "OdczytButtPlik"), &QPushButton::clicked, this,
            &ParameterFileCommands::OdczytButtPlikClick);
    connect(button(page_, "PrzywrocButtPlik"), &QPushButton::clicked, this, &ParameterFileCommands::PrzywrocButtPlikClick);
    connect(button(page_, "PorownajButtPlik"), &QPushButton::clicked, this, &ParameterFileCommands::PorownajButtPlikClick);
}

void ParameterFileCommands::ZapiszButtPlikClick()
{
    const QString caption = button(page_, "ZapiszButtPlik")->text();
    const QString fileName = askParameterFileToSave(caption, folder_);
    if (!fileName.isEmpty())
        WriteParameterFile(fileName);
}

void ParameterFileCommands::OdczytButtPlikClick()
{
    const QString caption = button(page_, "OdczytButtPlik")->text();
    const QString fileName = askParameterFileToOpen(caption, folder_);
    if (!fileName.isEmpty())
        ReadParameterFile(fileName);
}

void ParameterFileCommands::PrzywrocButtPlikClick()
{
    // The copies have a folder of their own; the folder "Odczyt Plik" opens
    // in stays where the fitter left it.
    QDir().mkpath(asFoundFolder_);
    const FileDialogRequest request{button(page_, "PrzywrocButtPlik")->toolTip(), asFoundFolder_,
                                    QStringLiteral("Pliki Quorvantix (*.qx4)"), QStringLiteral("qx4"), true};
    const QString fileName = DialogService::instance().openFileName(request);
    if (!fileName.isEmpty())
        RestoreAsFoundFile(fileName);
}

void ParameterFileCommands::PorownajButtPlikClick()
{
    const QString fileName = askParameterFileToOpen(button(page_, "PorownajButtPlik")->toolTip(), folder_);
    if (!fileName.isEmpty())
        CompareWithFile(fileName);
}

bool ParameterFileCommands::WriteParameterFile(const QString &fileName)
{
    const QByteArray bytes = writeParameterFile([this](Param param) { return page_.controlValue(param); });
    const ParameterFileAccess saved = saveParameterFile(fileName, bytes);
    if (!saved.ok)
        showError(saved.error);
    return saved.ok;
}

std::optional<ParameterFileReading> ParameterFileCommands::readingOf(const QString &fileName, QByteArray *bytes)
{
    const ParameterFileAccess file = loadParameterFile(fileName);
    if (!file.ok) {
        showError(file.error);
        return std::nullopt;
    }
    ParameterFileReading reading =
        readParameterFile(file.bytes, [this](Param param) { return page_.listEntries(param); });
    if (reading.refusedLine) {
        // Nothing of a bad file reaches the page: one box names the line.
        showError(texts_(TextKey::FileError) + QLatin1Char('\n') + QFileInfo(fileName).fileName()
                  + QLatin1Char(':') + QString::number(*reading.refusedLine));
        return std::nullopt;
    }
    if (bytes)
        *bytes = file.bytes;
    return reading;
}

bool ParameterFileCommands::ReadParameterFile(const QString &fileName)
{
    const std::optional<ParameterFileReading> reading = readingOf(fileName);
    if (reading)
        apply(*reading);
    return reading.has_value();
}

bool ParameterFileCommands::RestoreAsFoundFile(const QString &fileName)
{
    QByteArray bytes;
    const std::optional<ParameterFileReading> reading = readingOf(fileName, &bytes);
    if (!reading)
        return false;
    if (reading->values.isEmpty()) {
        // A controller that had never been configured: nothing to give back.
        emit statusText(texts_(TextKey::AsFoundUnfilled));
        return true;
    }
    apply(*reading);
    if (const std::optional<QString> degrees = asFoundSwitchTemperature(bytes)) {
        page_.setControlValue(P::SwitchTemperature, *degrees);
        emit switchTemperatureLoaded();
    }
    return true;
}

void ParameterFileCommands::CompareWithFile(const QString &fileName)
{
    const std::optional<ParameterFileReading> reading = readingOf(fileName);
    if (!reading)
        return;
    const ParameterShowing showing{[this](Param param) { return page_.captionText(param); },
                                   [this](Param param, int index) { return page_.listEntryText(param, index); }};
    const QList<ComparedParameter> rows =
        compareParameters(valuesOf([this](Param param) { return page_.controlValue(param); }), valuesOf(*reading),
                          showing);
    auto *dialog = new ParameterCompareDialog(rows, fileName, texts_, page_.window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Not run modally in a loop of its own: the window goes on polling.
    connect(dialog, &QDialog::accepted, this, [this, fileName] { ReadParameterFile(fileName); });
    dialog->open();
}

void ParameterFileCommands::apply(const ParameterFileReading &reading)
{
    for (int i = 0; i < reading.shortLines; ++i)
        showError(texts_(TextKey::FileError));
    QSet<int> codes;
    for (const ParameterFileValue &value : reading.values) {
        ApplyParameterLine(value);
        codes.insert(value.code);
    }
    emit loaded(codes.size() == valueLineCount());
}

void ParameterFileCommands::ApplyParameterLine(const ParameterFileValue &value)
{
    // The Bosch tick would put its own lambda times over the file's.
    page_.setControlValue(value.param, value.value, !(value.param == P::BoschProbe));
}

} // namespace qx
