// The preferences between runs: read once at start-up into the menus and the
// comments box, collected from them when the window closes. The skins, which
// the read applies, are here too.
#include "AppSettings.h"
#include "ParameterEditor.h"
#include "ParametersPage.h"
#include "Skin.h"
#include "TForm1.h"

#include <QAction>

#include <algorithm>

namespace qx {

namespace {

// The position (1 …) of the ticked item, or 0 when none is ticked.
template <class Items>
int tickedPosition(const Items &items)
{
    const auto ticked =
        std::find_if(std::begin(items), std::end(items), [](const QAction *item) { return item->isChecked(); });
    return ticked == std::end(items) ? 0 : int(ticked - std::begin(items)) + 1;
}

// The skins in the order of skinChoices().
enum SkinIndex : std::size_t { Ordinary, Colour, Silver, Colourless };

} // namespace

void TForm1::ReadAppSettings()
{
    const AppSettingsReading reading = readAppSettings();
    const AppSettings &stored = reading.values;
    if (reading.firstRun) {
        menu_.PamOstRozdz->setChecked(false);
        ParametryTab->setCommentsOff(false);
        setPortChoice(1);
        languageCode_ = QStringLiteral("PL");
        languageTick_.stand(menu_.JPolski);
        LayoutParameterPage(12, 236, 316, 800);
        ParametryTab->SetCaptionsBold(true);
        ApplyResolution(0);
        skorkaZwyClick();
        return;
    }

    languageCode_ = stored.language.value_or(QString());
    if (stored.commentsOff)
        ParametryTab->setCommentsOff(*stored.commentsOff);
    if (stored.languageFile) {
        for (std::size_t i = 0; i < languageChoices().size(); ++i) {
            if (*stored.languageFile == QLatin1String(languageChoices()[i].file))
                languageTick_.stand(menu_.languageItems()[i]);
        }
    }
    if (stored.port)
        setPortChoice(*stored.port);

    ApplyResolution(0);
    if (stored.dimension) {
        if (*stored.dimension == 0) {
            menu_.PamOstRozdz->setChecked(false);
        } else {
            menu_.resolutionItems()[std::size_t(*stored.dimension - 1)]->trigger();
            menu_.PamOstRozdz->setChecked(true);
        }
    }
    // A skin that cannot be read ends nothing: the rest of start-up still runs.
    if (stored.skin) {
        for (std::size_t i = 0; i < skinChoices().size(); ++i) {
            if (*stored.skin == QLatin1String(skinChoices()[i].setting))
                loadSkinItem(i);
        }
    }
}

void TForm1::WriteAppSettings()
{
    AppSettings values;
    const int language = tickedPosition(menu_.languageItems());
    values.language = language ? std::optional<QString>(QLatin1String(languageChoices()[language - 1].code))
                               : std::nullopt;
    values.languageFile = language ? std::optional<QString>(QLatin1String(languageChoices()[language - 1].file))
                                   : std::nullopt;
    const int port = tickedPosition(menu_.PCOM);
    values.port = port ? std::optional<int>(port) : std::nullopt;
    // Only the three smallest profiles are noted here; a larger one keeps what was stored.
    const int profile = tickedPosition(menu_.resolutionItems());
    values.smallProfile = profile >= 1 && profile <= 3 ? std::optional<int>(profile - 1) : std::nullopt;
    const int skin = tickedPosition(menu_.skinItems());
    values.skin = skin ? std::optional<QString>(QLatin1String(skinChoices()[skin - 1].setting)) : std::nullopt;
    values.commentsOff = ParametryTab->commentsOff();
    values.dimension = menu_.PamOstRozdz->isChecked() ? profile : 0;
    writeAppSettings(values);
}

void TForm1::setPortChoice(int number)
{
    protocol_.setPortName(QStringLiteral("com%1").arg(number));
    showPortChoice(number);
}

void TForm1::loadSkinItem(std::size_t skin)
{
    // The tick follows the load: a file that cannot be read leaves the old one.
    if (!skin_.LoadSkin(QLatin1String(skinChoices()[skin].file))) {
        skinTick_.restore(menu_.skinItems()[skin]);
        return;
    }
    skinTick_.stand(menu_.skinItems()[skin]);
    editor_->setCaptionBackground(skin_.CaptionBackground());
}

void TForm1::skorkaZwyClick()
{
    loadSkinItem(Ordinary);
}

void TForm1::skorkaKolClick()
{
    loadSkinItem(Colour);
}

void TForm1::SkorkaSilClick()
{
    loadSkinItem(Silver);
}

void TForm1::SkorkaBezClick()
{
    loadSkinItem(Colourless);
}

} // namespace qx
