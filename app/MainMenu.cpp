#include "MainMenu.h"

#include "LanguageChoices.h"
#include "SkinChoices.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
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

// A menu of radio items: ticking one unticks the others.
QAction *radioItem(QMenu *menu, QActionGroup *group, const char *name, const QString &caption,
                   const QKeySequence &shortcut = {})
{
    QAction *item = command(menu, name, caption, shortcut);
    item->setCheckable(true);
    group->addAction(item);
    return item;
}

QActionGroup *radioGroup(QMenu *menu)
{
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    return group;
}

QMenu *namedMenu(QWidget *parent, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void buildAppearanceMenu(QMenuBar *bar, MainMenu &m)
{
    m.Wyglad = namedMenu(bar, "Wyglad", QStringLiteral("Wyglad"));
    bar->addMenu(m.Wyglad);

    m.Czcionka = namedMenu(m.Wyglad, "Czcionka", QStringLiteral("Rozdzielczość"));
    m.Wyglad->addMenu(m.Czcionka);
    QActionGroup *profiles = radioGroup(m.Czcionka);
    m.CzcionkaMala = radioItem(m.Czcionka, profiles, "CzcionkaMala", QStringLiteral("640x480"));
    m.CzcionkaSrednia = radioItem(m.Czcionka, profiles, "CzcionkaSrednia", QStringLiteral("720x576"));
    m.CzcionkaDuza = radioItem(m.Czcionka, profiles, "CzcionkaDuza", QStringLiteral("800x600"));
    m.N1024 = radioItem(m.Czcionka, profiles, "N1024", QStringLiteral("1024x768"));
    m.N1152 = radioItem(m.Czcionka, profiles, "N1152", QStringLiteral("1152x864"));
    m.N1280 = radioItem(m.Czcionka, profiles, "N1280", QStringLiteral("1280x1024"));
    m.Czcionka->addSeparator();
    m.PamOstRozdz = command(m.Czcionka, "PamOstRozdz", QStringLiteral("pamietaj ost rozdzielczosc"));
    m.PamOstRozdz->setCheckable(true);

    m.Skorka = namedMenu(m.Wyglad, "Skorka", QStringLiteral("Skorka"));
    m.Wyglad->addMenu(m.Skorka);
    QActionGroup *skins = radioGroup(m.Skorka);
    for (std::size_t i = 0; i < m.skinItems.size(); ++i) {
        const SkinChoice &skin = skinChoices()[i];
        m.skinItems[i] = radioItem(m.Skorka, skins, skin.item, QString::fromUtf8(skin.caption),
                                   QKeySequence(QLatin1String(skin.shortcut)));
    }
}

void buildLanguageMenu(QMenuBar *bar, MainMenu &m)
{
    m.Jezyki = namedMenu(bar, "Jezyki", QStringLiteral("Język"));
    bar->addMenu(m.Jezyki);
    QActionGroup *languages = radioGroup(m.Jezyki);
    for (std::size_t i = 0; i < m.languageItems.size(); ++i) {
        const LanguageChoice &language = languageChoices()[i];
        m.languageItems[i] =
            radioItem(m.Jezyki, languages, language.item, QString::fromUtf8(language.builtInCaption));
    }
    // No language is ticked here: the stored one is, and none when the store
    // names no language the menu has, so the exit keeps it as it was.
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
    m.PrzywrocButton = command(m.MenuTab, "PrzywrocButton", QStringLiteral("Przywróć ustawienia zastane"));
    m.PorownajButton = command(m.MenuTab, "PorownajButton", QStringLiteral("Porównaj"));
    m.PrzegladarkaButton = command(m.MenuTab, "PrzegladarkaButton", QStringLiteral("Przeglądarka nagrań"));
    m.MenuTab->addSeparator();
    m.PomocButton = command(m.MenuTab, "PomocButton", QStringLiteral("Pomoc"), Qt::Key_F1);
    m.oprogramiebutton = command(m.MenuTab, "oprogramiebutton", QStringLiteral("o programie"));
    m.MenuTab->addSeparator();
    m.KoniecButton = command(m.MenuTab, "KoniecButton", QStringLiteral("Koniec"));

    m.wersjasterownika1 = hiddenCommand(window, "wersjasterownika1", QStringLiteral("wersja sterownika"),
                                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));

    m.PortGroup = namedMenu(bar, "PortGroup", QStringLiteral("Port"));
    bar->addMenu(m.PortGroup);
    QActionGroup *ports = radioGroup(m.PortGroup);
    for (int n = 1; n <= 8; ++n) {
        m.PCOM[n - 1] = radioItem(m.PortGroup, ports, "", QStringLiteral("COM%1").arg(n));
        m.PCOM[n - 1]->setObjectName(QStringLiteral("PCOM%1").arg(n));
    }
    m.PCOM[0]->setChecked(true);
    m.PortGroup->addSeparator();
    m.AutodetekcjaMenu = command(m.PortGroup, "AutodetekcjaMenu", QStringLiteral("Autodetekcja"));
    m.DiagnozaMenu = command(m.PortGroup, "DiagnozaMenu", QStringLiteral("Diagnoza połączenia"));

    m.DefaultOption = bar->addAction(QStringLiteral("Domyślne ustawienia"));
    m.DefaultOption->setObjectName(QStringLiteral("DefaultOption"));
    buildAppearanceMenu(bar, m);
    buildLanguageMenu(bar, m);
    return m;
}

} // namespace qx
