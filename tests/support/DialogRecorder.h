#pragma once

#include "DialogService.h"

#include <QStringList>

#include <optional>

// Stands in for the message boxes and file dialogs: notes every box and
// dialog, answers questions as told and file dialogs from fileNames in turn.
class DialogRecorder final : public qx::DialogService
{
public:
    struct Entry
    {
        qx::DialogIcon icon;
        QString caption;
        QString text;
    };

    struct FileDialog
    {
        bool save;
        qx::FileDialogRequest request;
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
    QString saveFileName(const qx::FileDialogRequest &request) override { return chooseFile(true, request); }
    QString openFileName(const qx::FileDialogRequest &request) override { return chooseFile(false, request); }

    // The boxes' texts in turn; with an icon, a box of another shows as "<other icon> text".
    QStringList texts(std::optional<qx::DialogIcon> icon = std::nullopt) const
    {
        QStringList out;
        for (const Entry &e : entries)
            out << (!icon || e.icon == *icon ? e.text : QStringLiteral("<other icon> ") + e.text);
        return out;
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
    QList<FileDialog> fileDialogs;
    QStringList fileNames; // once they run out, every dialog is cancelled

private:
    QString chooseFile(bool save, const qx::FileDialogRequest &request)
    {
        fileDialogs.append({save, request});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};
