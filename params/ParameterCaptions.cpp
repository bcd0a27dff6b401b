#include "ParameterCaptions.h"

#include "LanguageControls.h"
#include "ParametersPageForm.h"

#include <QHash>

namespace qx {

namespace {

const PageRow *rowOf(Param param)
{
    for (const PageGroup &group : ParametersPageTables::pageGroups()) {
        for (const PageRow &row : group.rows) {
            if (row.param == param || (row.second.member && row.secondParam == param))
                return &row;
        }
    }
    return nullptr;
}

// A caption goes by its control's name, a list entry by the list's name and
// the entry's position.
QString captionKey(const char *name)
{
    return QLatin1String(name);
}

QString entryKey(const char *name, int entry)
{
    return QLatin1String(name) + QLatin1Char('#') + QString::number(entry);
}

} // namespace

int pageListEntries(Param param)
{
    const PageRow *row = rowOf(param);
    return row && row->list.member ? int(row->entries.size()) : 0;
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
                texts.insert(entryKey(control.name, control.entry), line.text);
        }
    }

    ParameterShowing showing;
    showing.caption = [texts](Param param) {
        const PageRow *row = rowOf(param);
        return row ? texts.value(captionKey(row->caption.name), QString::fromUtf8(row->text)) : QString();
    };
    showing.listEntry = [texts](Param param, int index) {
        const PageRow *row = rowOf(param);
        if (!row || !row->list.member || index < 0 || index >= row->entries.size())
            return QString();
        return texts.value(entryKey(row->list.name, index), row->entries.at(index));
    };
    return showing;
}

} // namespace qx
