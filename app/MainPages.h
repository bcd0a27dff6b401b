#pragma once

#include "PageNavigator.h"

class QMainWindow;
class QWidget;

namespace qx {

class AdaptationPage;
class LanguageTable;
class PageControl;
class ParameterSet;
class ParametersPage;
class PrintingPage;
class RpmPage;
class VisualisationPage;

// The main page control and its five pages, each known by its name.
struct MainPages
{
    PageControl *pagecontrol1;
    RpmPage *ObrotyTab;
    ParametersPage *ParametryTab;
    VisualisationPage *WizualizacjaTab;
    AdaptationPage *AutoadaptacjaTab;
    PrintingPage *DrukowanieTab;

    QWidget *page(Page page) const;
    Page current() const;
};

// pagecontrol1 at its design box in a client area made the window's, with its
// pages in tab order.
MainPages buildMainPages(QMainWindow &window, ParameterSet &parameters, const LanguageTable &texts);

} // namespace qx
