#pragma once

#include "DialogService.h"

#include <QStringList>

// Stands in for the message boxes: notes every box and answers questions as told.
class DialogRecorder final : public qx::DialogService
{
public:
    struct Entry
    {
        qx::DialogIcon icon;
        QString caption;
        QString text;
    };

    DialogRecorder() { install(this); }
    ~DialogRecorder() override { install(nullptr); }

    void message(qx::DialogIcon icon, const QString &caption, const QString &text) override
    {
        entries.append({icon, caption, text});
    }
    bool question(const QString &caption, const QString &text) override
    {
        entries.append({qx::DialogIcon::Question, caption, text});
        return answer;
    }

    int count(qx::DialogIcon icon) const
    {
        int n = 0;
        for (const Entry &e : entries)
            n += e.icon == icon;
        return n;
    }

    QList<Entry> entries;
    bool answer = true;
};
