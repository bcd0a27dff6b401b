#pragma once

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace qx {

// The main menu's commands, each known by its object name.
struct MainMenu
{
    QMenu *MenuTab;
    QAction *ParButton;
    QAction *WizButton;
    QAction *ObrButton;
    QAction *AutoButton;
    QAction *DruButton;
    // The safety net: an as-found copy back onto the Parameters page, and a
    // file compared with it.
    QAction *PrzywrocButton;
    QAction *PorownajButton;
    QAction *PrzegladarkaButton;
    QAction *PomocButton;
    QAction *oprogramiebutton;
    QAction *KoniecButton;
    // Hidden: only its shortcut works. Enter and Backspace are the window's
    // KeyCommands, so that every control still gets its own keys.
    QAction *wersjasterownika1;

    QMenu *PortGroup;
    QAction *PCOM[8];
    QAction *AutodetekcjaMenu;
    // The connection check: each port's device, its opening and the controller's answer.
    QAction *DiagnozaMenu;

    // A command of the menu bar itself: the program's own default settings.
    QAction *DefaultOption;

    // Appearance: the resolution profiles, whether the last one is kept for
    // the next start, and the skins.
    QMenu *Wyglad;
    QMenu *Czcionka;
    QAction *CzcionkaMala;
    QAction *CzcionkaSrednia;
    QAction *CzcionkaDuza;
    QAction *N1024;
    QAction *N1152;
    QAction *N1280;
    QAction *PamOstRozdz;
    QMenu *Skorka;
    // The skins in skinChoices() order, built from it.
    std::array<QAction *, 4> skinItems;

    // The languages in languageChoices() order, built from it; the language
    // texts caption them.
    QMenu *Jezyki;
    std::array<QAction *, 5> languageItems;

    // The six profiles in menu order, 640 first.
    std::array<QAction *, 6> resolutionItems() const
    {
        return {CzcionkaMala, CzcionkaSrednia, CzcionkaDuza, N1024, N1152, N1280};
    }
};

// Builds MainMenu1 on the window's menu bar.
MainMenu buildMainMenu(QMainWindow *window);

} // namespace qx
