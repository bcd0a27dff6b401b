#include "MainMenu.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace qx {

namespace {

QAction *command(QWidget *owner, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    owner->addAction(action);
    return action;
}

// A hidden menu item: the action lives on the window, so its shortcut works
// while nothing of it shows in the menu.
QAction *hiddenCommand(QMainWindow *window, const char *name, const QString &caption, const QKeySequence &shortcut)
{
    auto *action = command(window, name, caption, shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace

MainMenu buildMainMenu(QMainWindow *window)
{
    MainMenu m{};
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    m.MenuTab = bar->addMenu(QStringLiteral("Menu"));
    m.MenuTab->setObjectName(QStringLiteral("MenuTab"));
    m.ParButton = command(m.MenuTab, "ParButton", QStringLiteral("Parametry systemu"), Qt::Key_F2);
    m.WizButton = command(m.MenuTab, "WizButton", QStringLiteral("Wizualizacja"), Qt::Key_F3);
    m.ObrButton = command(m.MenuTab, "ObrButton", QStringLiteral("Obroty"), Qt::Key_F4);
    m.AutoButton = command(m.MenuTab, "AutoButton", QStringLiteral("Autoadaptacja"), Qt::Key_F5);
    m.DruButton = command(m.MenuTab, "DruButton", QStringLiteral("Drukowanie parametrów"), Qt::Key_F9);
    m.MenuTab->addSeparator();
    m.PomocButton = command(m.MenuTab, "PomocButton", QStringLiteral("Pomoc"), Qt::Key_F1);
    m.oprogramiebutton = command(m.MenuTab, "oprogramiebutton", QStringLiteral("o programie"));
    m.MenuTab->addSeparator();
    m.KoniecButton = command(m.MenuTab, "KoniecButton", QStringLiteral("Koniec"));

    m.wersjasterownika1 = hiddenCommand(window, "wersjasterownika1", QStringLiteral("wersja sterownika"),
                                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));

    m.PortGroup = bar->addMenu(QStringLiteral("Port"));
    m.PortGroup->setObjectName(QStringLiteral("PortGroup"));
    auto *ports = new QActionGroup(m.PortGroup);
    ports->setExclusive(true);
    for (int n = 1; n <= 8; ++n) {
        QAction *item = command(m.PortGroup, "", QStringLiteral("COM%1").arg(n));
        item->setObjectName(QStringLiteral("PCOM%1").arg(n));
        item->setCheckable(true);
        ports->addAction(item);
        m.PCOM[n - 1] = item;
    }
    m.PCOM[0]->setChecked(true);
    m.PortGroup->addSeparator();
    m.AutodetekcjaMenu = command(m.PortGroup, "AutodetekcjaMenu", QStringLiteral("Autodetekcja"));

    m.DefaultOption = bar->addAction(QStringLiteral("Domyślne ustawienia"));
    m.DefaultOption->setObjectName(QStringLiteral("DefaultOption"));
    return m;
}

} // namespace qx
