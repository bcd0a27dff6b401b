#include "WindowPageHost.h"

#include "AdaptationPage.h"
#include "AppearanceController.h"
#include "LanguageTable.h"
#include "LivePolls.h"
#include "MainMenu.h"
#include "MainPages.h"
#include "PageControl.h"
#include "ParameterBlock.h"
#include "ParameterEditor.h"
#include "ParameterSet.h"
#include "ParametersPage.h"
#include "PrintingPage.h"
#include "PrintoutTexts.h"
#include "ProgramVersion.h"
#include "RpmPage.h"
#include "StatusPanels.h"
#include "VisualisationPage.h"
#include "WindowTimers.h"

#include <QAction>
#include <QMainWindow>

namespace qx {

WindowPageHost::WindowPageHost(QMainWindow &window, const MainPages &pages, const MainMenu &menu,
                               WindowTimers &timers, StatusPanels &status, const LanguageTable &texts,
                               ParameterSet &parameters, LivePolls &polls, ParameterEditor &editor,
                               const AppearanceController &appearance, PageNavigator &navigator,
                               AdaptationRun &adaptation)
    : window_(window), pages_(pages), menu_(menu), timers_(timers), status_(status), texts_(texts),
      parameters_(parameters), polls_(polls), editor_(editor), appearance_(appearance), navigator_(navigator),
      adaptation_(adaptation)
{
}

void WindowPageHost::StopAllTimers()
{
    timers_.stopAll();
    // A recording ends with the polling that feeds it: leaving the page, closing the window.
    polls_.stopRecording();
}

Page WindowPageHost::currentPage() const
{
    return pages_.current();
}

void WindowPageHost::setCurrentPage(Page page)
{
    pages_.pagecontrol1->hide();
    pages_.pagecontrol1->setCurrentWidget(pages_.page(page));
    pages_.pagecontrol1->show();
}

void WindowPageHost::setPageShown(Page page, bool shown)
{
    pages_.page(page)->setVisible(shown);
}

void WindowPageHost::setPrintingTabVisible(bool visible)
{
    pages_.pagecontrol1->setTabVisible(pages_.pagecontrol1->indexOf(pages_.DrukowanieTab), visible);
}

void WindowPageHost::focus(FocusTarget target)
{
    switch (target) {
    case FocusTarget::ComboBox2: pages_.ObrotyTab->focusIgnitionList(); break;
    case FocusTarget::ComboBox1: pages_.ParametryTab->focusProbeList(); break;
    case FocusTarget::CheckBox41: pages_.WizualizacjaTab->focusRpmTrace(); break;
    case FocusTarget::ComboTerm: pages_.AutoadaptacjaTab->focusIgnitionList(); break;
    }
}

void WindowPageHost::setStatusText(int panel, const QString &text)
{
    status_.setText(panel, text);
}

void WindowPageHost::showPortChoice(int portNumber)
{
    menu_.PCOM[portNumber - 1]->setChecked(true);
}

int WindowPageHost::ignitionListIndex(IgnitionList list) const
{
    return list == IgnitionList::Rpm ? pages_.ObrotyTab->ignitionIndex() : pages_.AutoadaptacjaTab->ignitionIndex();
}

QString WindowPageHost::versionCaption(int version) const
{
    const QString caption = QStringLiteral("Quorvantix wersja ") + programRelease() + QStringLiteral(" (Build ")
                            + ProgramBuildText() + QStringLiteral(" - ");
    if (version == 0)
        return caption + texts_.text(TextKey::NoController);
    return caption + texts_.text(TextKey::ControllerLabel) + QLatin1Char(' ') + QString::number(version);
}

void WindowPageHost::applyTemperatureOptions(bool supported)
{
    pages_.ParametryTab->showTemperatureSensor(supported);
    pages_.AutoadaptacjaTab->showTemperatureSensor(supported);
    pages_.WizualizacjaTab->showTemperatureReading(supported && pages_.ParametryTab->temperatureSensorOn());
}

void WindowPageHost::applyIdentification(const Identification &facts)
{
    if (facts.tempSensorSupported)
        applyTemperatureOptions(*facts.tempSensorSupported);
    if (facts.analogModel)
        pages_.ObrotyTab->showAnalogThreshold(*facts.analogModel);
    if (facts.analogThreshold)
        pages_.ObrotyTab->setAnalogThresholdText(*facts.analogThreshold);
    if (facts.version)
        window_.setWindowTitle(versionCaption(*facts.version));
    if (facts.ignitionListIndex) {
        pages_.ObrotyTab->setIgnitionIndex(*facts.ignitionListIndex);
        pages_.AutoadaptacjaTab->setIgnitionIndex(*facts.ignitionListIndex);
    }
    if (facts.tempSensorOn)
        pages_.ParametryTab->setTemperatureSensorOn(*facts.tempSensorOn);
}

void WindowPageHost::applyBlockFacts(const BlockFacts &facts)
{
    pages_.ObrotyTab->setIgnitionIndex(facts.ignitionListIndex);
    pages_.ParametryTab->setTemperatureSensorOn(facts.tempSensorOn);
}

void WindowPageHost::leaveFocusedField()
{
    editor_.leaveFocusedField();
}

LeaveFields WindowPageHost::parametersLeaveFields() const
{
    const ParametersPage *p = pages_.ParametryTab;
    return {p->fieldText(P::StepStart),  p->fieldText(P::StepMin),         p->fieldText(P::StepMax),
            p->fieldText(P::StartDelay), p->fieldText(P::LambdaThreshold), p->fieldText(P::StepOpening)};
}

void WindowPageHost::CollectParameters()
{
    pages_.ParametryTab->CollectParameters();
}

void WindowPageHost::ResetParameters()
{
    pages_.ParametryTab->ResetParameters();
}

void WindowPageHost::ShowParameters()
{
    pages_.ParametryTab->ShowParameters();
}

void WindowPageHost::followParametersPage()
{
    pages_.ParametryTab->followListAndBoxes();
}

void WindowPageHost::applyProbeVariant(Page page)
{
    if (page == Page::Visualisation)
        polls_.applyProbeVariantToVisualisation(appearance_.LayoutScale());
    else
        polls_.applyProbeVariantToParameters();
}

void WindowPageHost::RefreshPrintoutTexts()
{
    qx::RefreshPrintoutTexts(*pages_.DrukowanieTab,
                             {menu_.ParButton->text(), *pages_.ParametryTab, parameters_,
                              pages_.ObrotyTab->ignitionCaption(), pages_.ObrotyTab->ignitionEntryText(),
                              navigator_.parametersPageVisited() && navigator_.parametersSetKnown()});
}

void WindowPageHost::HideProcedureTabs()
{
    pages_.AutoadaptacjaTab->HideProcedureTabs();
}

void WindowPageHost::showFirstAdaptationStep()
{
    pages_.AutoadaptacjaTab->showStep(1);
    pages_.AutoadaptacjaTab->showStepHeading();
}

void WindowPageHost::enableTemperatureAdaptation(bool enabled)
{
    adaptation_.startTemperatureStep(!enabled);
}

void WindowPageHost::startTemperatureStep()
{
    navigator_.startTemperatureStep();
}

void WindowPageHost::CofnijAD2Click()
{
    navigator_.CofnijAD2Click();
}

void WindowPageHost::sendIgnitionChoice()
{
    navigator_.sendAdaptationIgnitionChoice();
}

quint8 &WindowPageHost::tempSensorOn()
{
    return parameters_.TempSensorOn;
}

void WindowPageHost::finishAdaptation()
{
    navigator_.finishAdaptation();
}

bool WindowPageHost::clearToWrite(std::initializer_list<Sendable> needed)
{
    return navigator_.clearToWrite(needed);
}

} // namespace qx
