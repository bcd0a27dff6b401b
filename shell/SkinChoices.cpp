#include "SkinChoices.h"

#include <algorithm>

namespace qx {

namespace {

constexpr std::size_t OrdinarySkin = 1;

} // namespace

const std::array<SkinChoice, 4> &skinChoices()
{
    static constexpr std::array<SkinChoice, 4> choices{{
        {"col", "kolorowa_niebieski.skr", "skorkaKol", "skorka kolor", "Ctrl+F1"},
        {"ord", "default.skr", "skorkaZwy", "skorka zwykla", "Ctrl+F2"},
        {"sil", "silver.skr", "SkorkaSil", "skorka srebrna", "Ctrl+F3"},
        {"nak", "bezbarwn.skr", "SkorkaBez", "skorka bezbarwna", "Ctrl+F4"},
    }};
    return choices;
}

const SkinChoice *skinOfSetting(const QString &setting)
{
    const auto &choices = skinChoices();
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [&](const SkinChoice &c) { return setting == QLatin1String(c.setting); });
    return found != choices.end() ? &*found : nullptr;
}

const SkinChoice &defaultSkin()
{
    return skinChoices()[OrdinarySkin];
}

} // namespace qx
