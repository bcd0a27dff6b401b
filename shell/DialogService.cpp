#include "DialogService.h"

#include <QCoreApplication>

#include <cstdio>

namespace qx {

namespace {

// Without a window system the program still says what went wrong, on the
// console; it answers No to every question and chooses no file.
class ConsoleService final : public DialogService
{
public:
    void message(DialogIcon, const QString &caption, const QString &text) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    }
    bool question(const QString &, const QString &) override { return false; }
    QString saveFileName(const FileDialogRequest &) override { return QString(); }
    QString openFileName(const FileDialogRequest &) override { return QString(); }
};

DialogService *installed = nullptr;
DialogService *standard = nullptr;

// Windows shows the application title on boxes without a caption of their own.
QString applicationCaption()
{
    return QCoreApplication::applicationName();
}

} // namespace

DialogService &DialogService::instance()
{
    static ConsoleService console;
    if (installed)
        return *installed;
    return standard ? *standard : console;
}

void DialogService::install(DialogService *service)
{
    installed = service;
}

void DialogService::setStandard(DialogService *service)
{
    standard = service;
}

void showError(const QString &text)
{
    DialogService::instance().message(DialogIcon::Error, applicationCaption(), text);
}

void showMessage(const QString &caption, const QString &text)
{
    DialogService::instance().message(DialogIcon::None, caption, text);
}

void showInformation(const QString &caption, const QString &text)
{
    DialogService::instance().message(DialogIcon::Information, caption, text);
}

bool askQuestion(const QString &text)
{
    return DialogService::instance().question(applicationCaption(), text);
}

} // namespace qx
