#include "MainPages.h"

#include "AdaptationPage.h"
#include "LanguageTable.h"
#include "PageControl.h"
#include "ParametersPage.h"
#include "PrintingPage.h"
#include "RpmPage.h"
#include "VisualisationPage.h"

#include <QMainWindow>

namespace qx {

QWidget *MainPages::page(Page page) const
{
    switch (page) {
    case Page::Rpm: return ObrotyTab;
    case Page::Parameters: return ParametryTab;
    case Page::Visualisation: return WizualizacjaTab;
    case Page::Adaptation: return AutoadaptacjaTab;
    case Page::Printing: return DrukowanieTab;
    }
    Q_UNREACHABLE();
}

Page MainPages::current() const
{
    for (Page p : {Page::Rpm, Page::Parameters, Page::Visualisation, Page::Adaptation, Page::Printing}) {
        if (pagecontrol1->currentWidget() == page(p))
            return p;
    }
    Q_UNREACHABLE();
}

MainPages buildMainPages(QMainWindow &window, ParameterSet &parameters, const LanguageTable &texts)
{
    auto *client = new QWidget(&window);
    MainPages p;
    p.pagecontrol1 = new PageControl(client);
    p.pagecontrol1->setObjectName(QStringLiteral("pagecontrol1"));
    p.pagecontrol1->setGeometry(2, 0, 791, 513);
    p.ObrotyTab = new RpmPage;
    p.pagecontrol1->addTab(p.ObrotyTab, QStringLiteral("Obroty"));
    p.ParametryTab = new ParametersPage(parameters, p.ObrotyTab->analogThresholdField());
    p.pagecontrol1->addTab(p.ParametryTab, QStringLiteral("Parametry systemu"));
    p.WizualizacjaTab = new VisualisationPage;
    p.pagecontrol1->addTab(p.WizualizacjaTab, QStringLiteral("Wizualizacja"));
    p.AutoadaptacjaTab = new AdaptationPage;
    p.pagecontrol1->addTab(p.AutoadaptacjaTab, QStringLiteral("Autoadaptacja"));
    p.DrukowanieTab = new PrintingPage([&texts](TextKey key) { return texts.text(key); });
    p.pagecontrol1->addTab(p.DrukowanieTab, QStringLiteral("Drukowanie parametrów"));
    window.setCentralWidget(client);
    return p;
}

} // namespace qx
