// The preferences between runs: read once at start-up into the menus, the
// controllers and the comments box, collected from them when the window closes.
#include "AppSettings.h"
#include "ParametersPage.h"
#include "TForm1.h"

#include <QAction>

namespace qx {

QString TForm1::ReadAppSettings()
{
    const AppSettingsReading reading = readAppSettings();
    const AppSettings &stored = reading.values;
    if (reading.firstRun) {
        menu_.PamOstRozdz->setChecked(false);
        pages_.ParametryTab->setCommentsOff(false);
        setPortChoice(1);
        languages_.tick(defaultLanguage());
        appearance_.firstRunAppearance();
        return QLatin1String(defaultLanguage().code);
    }

    if (stored.commentsOff)
        pages_.ParametryTab->setCommentsOff(*stored.commentsOff);
    if (const LanguageChoice *language = findLanguageFile(stored.languageFile.value_or(QString())))
        languages_.tick(*language);
    if (stored.port)
        setPortChoice(*stored.port);

    appearance_.ApplyResolution(0);
    if (stored.dimension) {
        if (*stored.dimension == 0) {
            menu_.PamOstRozdz->setChecked(false);
        } else {
            menu_.resolutionItems()[std::size_t(*stored.dimension - 1)]->trigger();
            menu_.PamOstRozdz->setChecked(true);
        }
    }
    // A skin that cannot be read ends nothing: the rest of start-up still runs.
    if (const SkinChoice *skin = skinOfSetting(stored.skin.value_or(QString())))
        appearance_.loadSkin(*skin);
    return stored.language.value_or(QString());
}

void TForm1::WriteAppSettings()
{
    const auto text = [](const char *value) { return std::optional<QString>(QLatin1String(value)); };
    AppSettings values;
    const LanguageChoice *language = languages_.tickedLanguage();
    values.language = language ? text(language->code) : std::nullopt;
    values.languageFile = language ? text(language->file) : std::nullopt;
    const int port = tickedIndex(menu_.PCOM);
    values.port = port >= 0 ? std::optional<int>(port + 1) : std::nullopt;
    // Only the three smallest profiles are noted here; a larger one keeps what was stored.
    const int profile = tickedIndex(menu_.resolutionItems());
    values.smallProfile = profile >= 0 && profile <= 2 ? std::optional<int>(profile) : std::nullopt;
    const SkinChoice *skin = appearance_.tickedSkin();
    values.skin = skin ? text(skin->setting) : std::nullopt;
    values.commentsOff = pages_.ParametryTab->commentsOff();
    values.dimension = menu_.PamOstRozdz->isChecked() ? profile + 1 : 0;
    writeAppSettings(values);
}

void TForm1::setPortChoice(int number)
{
    protocol_.setPortName(QStringLiteral("com%1").arg(number));
    pageHost_.showPortChoice(number);
}

} // namespace qx
