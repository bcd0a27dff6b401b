#include "PageNavigator.h"

#include "DialogService.h"
#include "LanguageTable.h"
#include "LiveAverage.h"
#include "ParameterBlock.h"
#include "ParameterExchange.h"
#include "ParameterWrite.h"
#include "Pause.h"
#include "PortSelection.h"
#include "SerialChannel.h"

namespace qx {

namespace {
constexpr int CommandPanel = 1;
} // namespace

const PageNavigator::PageRow &PageNavigator::rowOf(Page page)
{
    static const PageRow rows[] = {
        {Page::Rpm, "TimerObr", &PageNavigator::enterRpmPage},
        {Page::Parameters, "TimerParamOdcz", &PageNavigator::enterParametersPage},
        {Page::Visualisation, "TimerWiz", &PageNavigator::enterVisualisationPage},
        {Page::Adaptation, "TimerAdaptTerm", &PageNavigator::EnterAdaptation},
        {Page::Printing, "", &PageNavigator::enterPrintingPage},
    };
    for (const PageRow &row : rows) {
        if (row.page == page)
            return row;
    }
    Q_UNREACHABLE();
}

QString PageNavigator::timerOf(Page page)
{
    return QLatin1String(rowOf(page).timer);
}

PageNavigator::PageNavigator(PageHost &host, ControllerProtocol &protocol, ParameterExchange &exchange,
                             LiveAverage &average, const LanguageTable &texts)
    : host_(host), protocol_(protocol), exchange_(exchange), average_(average), texts_(texts)
{
}

void PageNavigator::identifyAtStartUp()
{
    protocol_.channel().resolvePort(protocol_.portName());
    ApplyTemperatureOptions();
    CheckAnalogModel(true);
    ShowControllerVersion();
    LoadIgnitionType();
    protocol_.ClosePort();
    protocol_.OpenPort();
    host_.startTimer(timerOf(Page::Rpm));
}

// Identification steps: the protocol finds out, the window shows it.

void PageNavigator::ApplyTemperatureOptions()
{
    Identification facts;
    facts.tempSensorSupported = protocol_.ApplyTemperatureOptions();
    host_.applyIdentification(facts);
}

bool PageNavigator::CheckAnalogModel(bool readThreshold)
{
    Identification facts;
    const bool analog = protocol_.CheckAnalogModel();
    facts.analogModel = analog;
    if (analog && readThreshold)
        facts.analogThreshold = protocol_.ReadAnalogThreshold();
    host_.applyIdentification(facts);
    return analog;
}

void PageNavigator::ShowControllerVersion()
{
    Identification facts;
    facts.version = protocol_.ShowControllerVersion();
    host_.applyIdentification(facts);
}

void PageNavigator::LoadIgnitionType()
{
    Identification facts;
    facts.ignitionListIndex = protocol_.LoadIgnitionType().listIndex;
    host_.applyIdentification(facts);
}

// Leaving a page.

bool PageNavigator::pagecontrol1Changing()
{
    host_.leaveFocusedField();
    const Page leaving = host_.currentPage();
    if (leaving == Page::Rpm && CheckAnalogModel(false)) {
        protocol_.ClosePort();
        // The controller's threshold is asked for, but the fitter's own entry
        // in the field is what gets written: it is never overwritten here.
        protocol_.ReadAnalogThreshold();
        host_.CollectParameters();
        exchange_.SaveAnalogThreshold();
        thresholdWriteClosedPort_ = true;
    }
    if (leaving != Page::Parameters)
        return true;
    const LeaveVerdict verdict = checkParametersPageLeave(host_.parametersLeaveFields());
    for (const LeaveMessage &message : verdict.messages) {
        const QString text = texts_.text(message.key);
        showError(message.suffix.isEmpty() ? text : text + QLatin1Char(' ') + message.suffix);
    }
    return verdict.allowed;
}

void PageNavigator::pagecontrol1Change()
{
    leavePage();
    (this->*rowOf(host_.currentPage()).enter)();
}

void PageNavigator::showPageFromMenu(Page page)
{
    host_.leaveFocusedField();
    host_.setCurrentPage(page);
    pagecontrol1Change();
}

void PageNavigator::sendAdaptationIgnitionChoice()
{
    sendIgnitionChoice(IgnitionList::Adaptation);
}

void PageNavigator::sendIgnitionChoice(IgnitionList list)
{
    int index = host_.ignitionListIndex(list);
    // The adaptation page's list mirrors the RPM page's; until that page has
    // its own, the RPM page's choice is the one to keep.
    if (list == IgnitionList::Adaptation && (index < 0 || index >= IgnitionListEntries))
        index = host_.ignitionListIndex(IgnitionList::Rpm);
    // Any other number would stay in the controller as an unknown engine.
    if (index >= 0 && index < IgnitionListEntries)
        protocol_.SendIgnitionType(index);
}

void PageNavigator::leavePage()
{
    const bool rpmPolling = host_.timerRunning(timerOf(Page::Rpm));
    const bool adaptationPolling = host_.timerRunning(timerOf(Page::Adaptation));
    // The ignition choice must reach the controller even after the threshold
    // write closed the port; a port that was never open is not tried again.
    if (thresholdWriteClosedPort_ && (rpmPolling || adaptationPolling))
        protocol_.OpenPort();
    thresholdWriteClosedPort_ = false;
    if (rpmPolling)
        sendIgnitionChoice(IgnitionList::Rpm);
    if (adaptationPolling)
        sendIgnitionChoice(IgnitionList::Adaptation);
    average_.reset();
    ShowControllerVersion();
    host_.StopAllTimers();
    protocol_.ClosePort();
    host_.setStatusText(CommandPanel, QString());
}

// Entering a page.

void PageNavigator::startPolling(Page page)
{
    protocol_.OpenPort();
    host_.startTimer(timerOf(page));
}

void PageNavigator::enterRpmPage()
{
    host_.setPageShown(Page::Rpm, false);
    writeParametersIfOutOfSync();
    LoadIgnitionType();
    startPolling(Page::Rpm);
    host_.setPageShown(Page::Rpm, true);
    parametersInSync_ = true;
    host_.focusControl(QStringLiteral("ComboBox2"));
    CheckAnalogModel(true);
}

void PageNavigator::enterVisualisationPage()
{
    host_.setPageShown(Page::Visualisation, false);
    writeParametersIfOutOfSync();
    readParameters();
    host_.applyProbeVariant(Page::Visualisation);
    ApplyTemperatureOptions();
    startPolling(Page::Visualisation);
    host_.setPageShown(Page::Visualisation, true);
    parametersInSync_ = true;
    host_.focusControl(QStringLiteral("CheckBox41"));
}

void PageNavigator::enterParametersPage()
{
    parametersPageVisited_ = true;
    host_.setPrintingTabVisible(true);
    parametersInSync_ = false;
    host_.setPageShown(Page::Parameters, false);
    const bool read = readParameters();
    ApplyTemperatureOptions();
    if (read)
        showReadParameters();
    else
        host_.followParametersPage();
    host_.applyProbeVariant(Page::Parameters);
    ApplyTemperatureOptions();
    startPolling(Page::Parameters);
    host_.setPageShown(Page::Parameters, true);
    host_.focusControl(QStringLiteral("ComboBox1"));
}

void PageNavigator::EnterAdaptation()
{
    enterAdaptation(true);
}

void PageNavigator::enterAdaptation(bool focus)
{
    host_.setPageShown(Page::Adaptation, false);
    host_.HideProcedureTabs();
    parametersInSync_ = false;
    startTemperatureStep();
    host_.showFirstAdaptationStep();
    host_.setPageShown(Page::Adaptation, true);
    if (focus)
        host_.focusControl(QStringLiteral("ComboTerm"));
}

void PageNavigator::startTemperatureStep()
{
    protocol_.OpenPort();
    host_.enableTemperatureAdaptation(!protocol_.state().TempSensorSupported);
    protocol_.ClosePort();
    LoadIgnitionType();
    startPolling(Page::Adaptation);
}

void PageNavigator::finishAdaptation()
{
    protocol_.ClosePort();
    parametersInSync_ = false;
    // Made current by the program: no leave or entry steps, but a visit all
    // the same, so the printing page is offered.
    host_.setCurrentPage(Page::Parameters);
    parametersPageVisited_ = true;
    host_.setPrintingTabVisible(true);
    host_.setPageShown(Page::Parameters, false);
    const bool read = readParameters();
    ApplyTemperatureOptions();
    if (read) {
        showReadParameters();
        // The adaptation may have changed the probe range.
        host_.applyProbeVariant(Page::Parameters);
    }
    host_.setPageShown(Page::Parameters, true);
    if (read) {
        ZapButPicClick();
    } else {
        // Without the controller's values the page holds older texts, which
        // must not overwrite what the adaptation has just written.
        parametersPageFilled_ = false;
        startPolling(Page::Parameters);
        host_.setStatusText(CommandPanel, QString());
    }
    host_.focusControl(QStringLiteral("ComboBox1"));
}

void PageNavigator::CofnijAD2Click()
{
    host_.StopAllTimers();
    protocol_.ClosePort();
    enterAdaptation(false);
}

void PageNavigator::enterPrintingPage()
{
    host_.setPageShown(Page::Printing, false);
    parametersInSync_ = false;
    host_.RefreshPrintoutTexts();
    host_.setPageShown(Page::Printing, true);
}

// Parameters.

void PageNavigator::writeParametersIfOutOfSync()
{
    if (!parametersInSync_ && parametersPageFilled_)
        SaveParameters();
}

bool PageNavigator::SaveParameters()
{
    host_.CollectParameters();
    parametersSetKnown_ = parametersSetKnown_ || parametersPageFilled_;
    const bool delivered = exchange_.WriteAllParameters(controllerOnlyValuesKnown_);
    pauseMs(WriteStepPauseMs);
    return delivered;
}

bool PageNavigator::readParameters()
{
    const std::optional<BlockFacts> facts = exchange_.ReadParameters();
    if (facts)
        host_.applyBlockFacts(*facts);
    controllerOnlyValuesKnown_ = controllerOnlyValuesKnown_ || facts;
    parametersSetKnown_ = parametersSetKnown_ || facts;
    return facts.has_value();
}

void PageNavigator::showReadParameters()
{
    host_.ShowParameters();
    parametersPageFilled_ = true;
}

bool PageNavigator::readIntoPage()
{
    // A block that did not arrive leaves the page's texts as they were.
    const bool read = readParameters();
    if (read)
        showReadParameters();
    return read;
}

void PageNavigator::parametersLoaded(bool whole)
{
    parametersInSync_ = false;
    parametersPageFilled_ = parametersPageFilled_ || whole;
}

void PageNavigator::ZapButPicClick()
{
    // A controller that did not answer the last poll may not have taken the
    // write either, so the write is only called done when it did.
    const bool controllerAnswered = !protocol_.channel().lastReadEmpty();
    host_.StopAllTimers();
    protocol_.ClosePort();
    if (!saveByEnter_)
        host_.focusControl(QStringLiteral("ComboBox1"));
    const bool delivered = SaveParameters();
    parametersPageFilled_ = true;
    host_.applyProbeVariant(Page::Parameters);
    startPolling(Page::Parameters);
    const bool written = delivered && controllerAnswered;
    parametersInSync_ = written;
    host_.setStatusText(CommandPanel, written ? texts_.text(TextKey::ParametersWritten) : QString());
    saveByEnter_ = false;
}

void PageNavigator::ResButtClick()
{
    host_.StopAllTimers();
    if (!saveByEnter_)
        host_.focusControl(QStringLiteral("ComboBox1"));
    protocol_.ClosePort();
    host_.ResetParameters();
    parametersPageFilled_ = true;
    // The defaults include the values only a read would otherwise bring.
    controllerOnlyValuesKnown_ = true;
    protocol_.OpenPort();
    host_.startTimer(timerOf(Page::Parameters));
    host_.setStatusText(CommandPanel, texts_.text(TextKey::ParametersReset));
    ZapButPicClick();
    saveByEnter_ = false;
}

void PageNavigator::odczButPicClick()
{
    host_.StopAllTimers();
    protocol_.ClosePort();
    ApplyTemperatureOptions();
    ShowControllerVersion();
    protocol_.ClosePort();
    if (!saveByEnter_)
        host_.focusControl(QStringLiteral("ComboBox1"));
    const bool read = readIntoPage();
    startPolling(Page::Parameters);
    // "Read" only when something was: without a reply the no-reply text
    // stands alone.
    if (read)
        host_.setStatusText(CommandPanel, texts_.text(TextKey::ParametersRead));
    saveByEnter_ = false;
}

// Identification by hand.

void PageNavigator::OdczytUkladuButtClick()
{
    host_.StopAllTimers();
    CheckAnalogModel(true);
    protocol_.ClosePort();
    ApplyTemperatureOptions();
    ShowControllerVersion();
    LoadIgnitionType();
    startPolling(Page::Rpm);
    host_.focusControl(QStringLiteral("ComboBox2"));
}

void PageNavigator::showAutodetectStep(const AutodetectStep &step)
{
    if (step.outcome != AutodetectStep::NotOpened) {
        host_.showPortChoice(step.portNumber);
        Identification facts;
        facts.version = protocol_.state().ControllerVersion;
        host_.applyIdentification(facts);
    }
    const TextKey key = step.outcome == AutodetectStep::Found ? TextKey::ControllerFound : TextKey::ControllerNotFound;
    host_.setStatusText(CommandPanel, texts_.text(key) + QLatin1Char(' ') + step.portName);
}

void PageNavigator::AutodetekcjaMenuClick()
{
    const bool found = AutodetectPort(protocol_, [this](const AutodetectStep &step) { showAutodetectStep(step); });
    if (!found)
        host_.setStatusText(CommandPanel, texts_.text(TextKey::NoController));
    if (host_.currentPage() == Page::Rpm)
        OdczytUkladuButtClick();
}

void PageNavigator::wersjasterownika1Click()
{
    if (host_.currentPage() == Page::Parameters)
        ShowControllerVersion();
}

} // namespace qx
