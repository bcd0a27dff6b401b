#include "ParameterCaptions.h"

#include "LanguageControls.h"

#include <QHash>

namespace qx {

namespace {

// The row of a value shown by a control of the page.
const ParameterEntry *shownEntry(Param param)
{
    const ParameterEntry *entry = catalogueEntry(param);
    return entry && !entry->control.name.isEmpty() ? entry : nullptr;
}

// A caption goes by its control's name, a list entry by the list's name and
// the entry's position.
QString captionKey(const char *name)
{
    return QLatin1String(name);
}

QString entryKey(const QString &name, int entry)
{
    return name + QLatin1Char('#') + QString::number(entry);
}

} // namespace

int pageListEntries(Param param)
{
    const ParameterEntry *entry = catalogueEntry(param);
    return entry ? int(entry->entries.size()) : 0;
}

ParameterShowing pageShowing(const QList<LanguageLine> &language)
{
    // As the window takes a file: the last line of a key wins.
    QHash<QString, QString> texts;
    for (const LanguageLine &line : language) {
        const ControlEntry *entry = line.kind == LanguageLine::Text ? findControlEntry(line.key) : nullptr;
        for (const LanguageControl &control : entry ? entry->controls : QList<LanguageControl>()) {
            if (control.target == TextTarget::Caption)
                texts.insert(captionKey(control.name), line.text);
            else if (control.target == TextTarget::ListEntry)
                texts.insert(entryKey(QLatin1String(control.name), control.entry), line.text);
        }
    }

    ParameterShowing showing;
    showing.caption = [texts](Param param) {
        const ParameterEntry *entry = shownEntry(param);
        return entry ? texts.value(entry->control.caption, QString::fromUtf8(entry->captionText)) : QString();
    };
    showing.listEntry = [texts](Param param, int index) {
        const ParameterEntry *entry = shownEntry(param);
        if (!entry || index < 0 || index >= entry->entries.size())
            return QString();
        return texts.value(entryKey(entry->control.name, index), entry->entries.at(index));
    };
    return showing;
}

} // namespace qx
