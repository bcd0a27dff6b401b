#pragma once

#include "LanguageChoices.h"
#include "LanguageFile.h"
#include "StandingTick.h"

#include <QMultiHash>
#include <QObject>

#include <array>

class QAction;
class QComboBox;
class QWidget;

namespace qx {

class LanguageTable;
struct MainPages;

// What a language change needs of the window.
class LanguageHost
{
public:
    virtual ~LanguageHost() = default;
    // Whether the engine runs on petrol, as the live pages last saw it: the
    // fuel indicator is worded for it.
    virtual bool onPetrol() const = 0;
    // A language chosen from the menu: the printing page takes its captions.
    virtual void RefreshPrintoutTexts() = 0;
};

// The languages: the language menu, language files loaded over the window's
// texts, the code page and help file that follow the file, and the choices
// of the parameter lists kept across a change.
//
// The window's concerns are controllers like this one: each owns its menu
// items, its state and its actions, and asks the window for the little else
// it needs through a narrow host interface. The window only creates the
// controllers and wires them to each other.
class LanguageController final : public QObject
{
    Q_OBJECT

public:
    LanguageController(QWidget &window, LanguageTable &texts, const MainPages &pages,
                       const std::array<QAction *, 5> &items, LanguageHost &host);

    // Shows a message when the folder "lang" holds no language file.
    void CheckLanguageFiles();
    // Reads "lang/<name>" and applies it; a file that cannot be read changes
    // nothing and gives false after a message naming it.
    bool LoadLanguageFile(const QString &name);
    // The menu's command: the file loaded over the current texts, its item
    // ticked, the printout captioned anew and the lists' choices kept.
    void chooseLanguage(const LanguageChoice &language);
    // The item that stands for a language, ticked without loading anything.
    void tick(const LanguageChoice &language);
    // The default settings' language, loaded and ticked.
    void loadDefault();
    // The ticked item's language; none while no item is ticked.
    const LanguageChoice *tickedLanguage() const;
    // The help of the language last loaded.
    QString helpFile() const { return helpFile_; }

private:
    QAction *itemOf(const LanguageChoice &language) const;
    void ApplyLanguageLine(const LanguageLine &line, const QMultiHash<QString, QObject *> &controls);
    void refreshFuelIndicator();
    // The i-th of the parameter lists whose choice a change keeps.
    QComboBox *keptList(std::size_t i) const;
    void SaveListSelections();
    void RestoreListSelections();

    QWidget &window_;
    LanguageTable &texts_;
    const MainPages &pages_;
    const std::array<QAction *, 5> items_;
    LanguageHost &host_;
    StandingTick tick_;
    // The code page language texts are read in; Polish until a file says otherwise.
    QByteArray encoding_;
    QString helpFile_;
    std::array<int, 5> savedListSelections_{};
};

} // namespace qx
