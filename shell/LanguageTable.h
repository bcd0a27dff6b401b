#pragma once

#include "TextKeys.h"

#include <QHash>
#include <QString>

namespace qx {

// Every replaceable user-visible text under its key. A key without a text
// (no built-in wording and no language file loaded yet) reads as empty.
class LanguageTable
{
public:
    QString text(TextKey key) const { return texts_.value(int(key)); }
    void setText(TextKey key, const QString &text) { texts_.insert(int(key), text); }

private:
    QHash<int, QString> texts_;
};

} // namespace qx
