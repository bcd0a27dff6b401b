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
    // Hidden: only their shortcuts work.
    QAction *wersjasterownika1;
    QAction *Dalej;
    QAction *Cofnij;

    QMenu *PortGroup;
    QAction *PCOM[8];
    QAction *AutodetekcjaMenu;
};

// Builds MainMenu1 on the window's menu bar.
MainMenu buildMainMenu(QMainWindow *window);

} // namespace qx
