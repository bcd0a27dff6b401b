#pragma once

#include <QString>

namespace qx {

enum class DialogIcon { None, Error, Information, Question };

// What a file dialog shows: its caption, the folder it starts in, the name
// filter ("Pliki Quorvantix (*.qx4)") and the suffix given to a name typed
// without one ("qx4").
struct FileDialogRequest
{
    QString caption;
    QString folder;
    QString filter;
    QString defaultSuffix;
    // Files listed by name from Z to A, so names that begin with their date
    // come newest first.
    bool newestFirst = false;
};

// Every message box and file dialog of the program goes through here, so tests
// can swap in a recorder and never block on a modal dialog.
class DialogService
{
public:
    virtual ~DialogService() = default;

    // A modal box with a single OK button.
    virtual void message(DialogIcon icon, const QString &caption, const QString &text) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool question(const QString &caption, const QString &text) = 0;
    // Modal file choosers giving the chosen file's name, or an empty string on
    // Cancel. The save dialog asks before replacing an existing file, the
    // default suffix added to the name first.
    virtual QString saveFileName(const FileDialogRequest &request) = 0;
    virtual QString openFileName(const FileDialogRequest &request) = 0;

    static DialogService &instance();
    // Installs a service (nullptr restores the standard one); the caller keeps ownership.
    static void install(DialogService *service);
    // The service used when none is installed: the window's dialogs, once the
    // program has a window system; the console's until then.
    static void setStandard(DialogService *service);
};

// Shortcuts for the usual boxes.
void showError(const QString &text);
void showMessage(const QString &caption, const QString &text);
void showInformation(const QString &caption, const QString &text);
bool askQuestion(const QString &text);

} // namespace qx
