#pragma once

#include <QString>

namespace qx {

enum class DialogIcon { None, Error, Information, Question };

// Every message box of the program goes through here, so tests can swap in a
// recorder and never block on a modal dialog.
class DialogService
{
public:
    virtual ~DialogService() = default;

    // A modal box with a single OK button.
    virtual void message(DialogIcon icon, const QString &caption, const QString &text) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool question(const QString &caption, const QString &text) = 0;

    static DialogService &instance();
    // Installs a service (nullptr restores the real dialogs); the caller keeps ownership.
    static void install(DialogService *service);
};

// Shortcuts for the usual boxes.
void showError(const QString &text);
void showMessage(const QString &caption, const QString &text);
void showInformation(const QString &caption, const QString &text);
bool askQuestion(const QString &text);

} // namespace qx
