#pragma once

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
    QAction *PomocButton;
    QAction *oprogramiebutton;
    QAction *KoniecButton;
    // Hidden: only its shortcut works. Enter and Backspace are the window's
    // KeyCommands, so that every control still gets its own keys.
    QAction *wersjasterownika1;

    QMenu *PortGroup;
    QAction *PCOM[8];
    QAction *AutodetekcjaMenu;

    // A command of the menu bar itself: the program's own default settings.
    QAction *DefaultOption;
};

// Builds MainMenu1 on the window's menu bar.
MainMenu buildMainMenu(QMainWindow *window);

} // namespace qx
