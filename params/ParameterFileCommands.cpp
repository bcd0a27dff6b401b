#include "ParameterFileCommands.h"

#include "DialogService.h"
#include "ParametersPage.h"

#include <QFileInfo>
#include <QPushButton>
#include <QSet>

namespace qx {

namespace {

int valueLineCount()
{
    int count = 0;
    for (const ParameterFileRow &row : parameterFileRows())
        count += row.kind != ParameterFileKind::Comment;
    return count;
}

} // namespace

ParameterFileCommands::ParameterFileCommands(ParametersPage &page, TextSource texts, const QString &workingDirectory)
    : QObject(&page), page_(page), texts_(std::move(texts)), folder_(workingDirectory)
{
    connect(page_.findChild<QPushButton *>(QStringLiteral("ZapiszButtPlik")), &QPushButton::clicked, this,
            &ParameterFileCommands::ZapiszButtPlikClick);
    connect(page_.findChild<QPushButton *>(QStringLiteral("OdczytButtPlik")), &QPushButton::clicked, this,
            &ParameterFileCommands::OdczytButtPlikClick);
}

void ParameterFileCommands::ZapiszButtPlikClick()
{
    const QString caption = page_.findChild<QPushButton *>(QStringLiteral("ZapiszButtPlik"))->text();
    const QString fileName = askParameterFileToSave(caption, folder_);
    if (!fileName.isEmpty())
        WriteParameterFile(fileName);
}

void ParameterFileCommands::OdczytButtPlikClick()
{
    const QString caption = page_.findChild<QPushButton *>(QStringLiteral("OdczytButtPlik"))->text();
    const QString fileName = askParameterFileToOpen(caption, folder_);
    if (!fileName.isEmpty())
        ReadParameterFile(fileName);
}

bool ParameterFileCommands::WriteParameterFile(const QString &fileName)
{
    const QByteArray bytes = writeParameterFile([this](Param param) { return page_.controlValue(param); });
    const ParameterFileAccess saved = saveParameterFile(fileName, bytes);
    if (!saved.ok)
        showError(saved.error);
    return saved.ok;
}

bool ParameterFileCommands::ReadParameterFile(const QString &fileName)
{
    const ParameterFileAccess file = loadParameterFile(fileName);
    if (!file.ok) {
        showError(file.error);
        return false;
    }
    const ParameterFileReading reading =
        readParameterFile(file.bytes, [this](Param param) { return page_.listEntries(param); });
    if (reading.refusedLine) {
        // Nothing of a bad file reaches the page: one box names the line.
        showError(texts_(TextKey::FileError) + QLatin1Char('\n') + QFileInfo(fileName).fileName()
                  + QLatin1Char(':') + QString::number(*reading.refusedLine));
        return false;
    }
    for (int i = 0; i < reading.shortLines; ++i)
        showError(texts_(TextKey::FileError));
    QSet<int> codes;
    for (const ParameterFileValue &value : reading.values) {
        ApplyParameterLine(value);
        codes.insert(value.code);
    }
    emit loaded(codes.size() == valueLineCount());
    return true;
}

void ParameterFileCommands::ApplyParameterLine(const ParameterFileValue &value)
{
    // The Bosch tick would put its own lambda times over the file's.
    page_.setControlValue(value.param, value.value, !(value.param == P::BoschProbe));
}

} // namespace qx
