#pragma once

#include <QHash>
#include <QString>

namespace qx {

// Every replaceable user-visible text under its five-digit key. A key without
// a text (no built-in wording and no language file loaded yet) reads as empty.
class LanguageTable
{
public:
    QString text(int key) const { return texts_.value(key); }
    void setText(int key, const QString &text) { texts_.insert(key, text); }

private:
    QHash<int, QString> texts_;
};

} // namespace qx
