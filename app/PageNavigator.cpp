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

#include <utility>

namespace qx {

namespace {

constexpr int CommandPanel = 1;

// Why a write needing a value did not go out.
TextKey notWrittenText(Sendable missing)
{
    switch (missing) {
    case Sendable::ParameterPage: return TextKey::NotWrittenPageUnknown;
    case Sendable::Flags: return TextKey::NotWrittenFlagsUnknown;
    default: return TextKey::NotWrittenIgnitionUnknown;
    }
}

} // namespace

const PageNavigator::PageRow &PageNavigator::rowOf(Page page)
{
    static const PageRow rows[] = {
        {Page::Rpm, &PageTimers::TimerObr, &PageNavigator::enterRpmPage},
        {Page::Parameters, &PageTimers::TimerParamOdcz, &PageNavigator::enterParametersPage},
        {Page::Visualisation, &PageTimers::TimerWiz, &PageNavigator::enterVisualisationPage},
        {Page::Adaptation, &PageTimers::TimerAdaptTerm, &PageNavigator::EnterAdaptation},
        {Page::Printing, nullptr, &PageNavigator::enterPrintingPage},
    };
    for (const PageRow &row : rows) {
        if (row.page == page)
            return row;
    }
    Q_UNREACHABLE();
}

PollTimer *PageNavigator::timerOf(Page page) const
{
    const PageRow &row = rowOf(page);
    return row.timer ? timers_.*row.timer : nullptr;
}

PageNavigator::PageNavigator(PageHost &host, ControllerProtocol &protocol, ParameterExchange &exchange,
                             LiveAverage &average, const LanguageTable &texts, PageTimers timers)
    : host_(host), protocol_(protocol), exchange_(exchange), average_(average), texts_(texts), timers_(timers)
{
}

void PageNavigator::identifyAtStartUp()
{
    forgetController();
    ApplyTemperatureOptions();
    CheckAnalogModel(true);
    ShowControllerVersion();
    LoadIgnitionType();
    protocol_.ClosePort();
    protocol_.OpenPort();
    timerOf(Page::Rpm)->start();
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
    facts.analogModel = protocol_.CheckAnalogModel();
    const bool analog = facts.analogModel.value_or(false);
    if (analog && readThreshold) {
        facts.analogThreshold = protocol_.ReadAnalogThreshold();
        if (facts.analogThreshold)
            known().learn(Sendable::AnalogThreshold);
    }
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
    const std::optional<IgnitionType> type = protocol_.LoadIgnitionType();
    if (!type)
        return;
    Identification facts;
    facts.ignitionListIndex = type->listIndex;
    // For a word naming no ignition type the list shows a stand-in entry.
    if (type->code < IgnitionListEntries)
        known().learn(Sendable::IgnitionType);
    else
        known().forget(Sendable::IgnitionType);
    // A page not filled from this car shows its sensor switch as the car has it,
    // so the adaptation's final write keeps it unless the fitter changes it.
    if (!known().knows(Sendable::ParameterPage))
        facts.tempSensorOn = (protocol_.state().ControllerFlags & TempSensor) != 0;
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
        // An entry nobody read or chose is left out.
        protocol_.ReadAnalogThreshold();
        if (known().knows(Sendable::AnalogThreshold)) {
            host_.CollectParameters();
            exchange_.SaveAnalogThreshold();
        } else {
            leftUnsent_ = TextKey::ThresholdNotSent;
        }
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
    if (!sendIgnitionChoice(IgnitionList::Adaptation))
        host_.setStatusText(CommandPanel, texts_.text(TextKey::IgnitionNotSent));
}

bool PageNavigator::sendIgnitionChoice(IgnitionList list)
{
    if (!known().knows(Sendable::IgnitionType))
        return false;
    int index = host_.ignitionListIndex(list);
    // The adaptation page's list mirrors the RPM page's; until that page has
    // its own, the RPM page's choice is the one to keep.
    if (list == IgnitionList::Adaptation && (index < 0 || index >= IgnitionListEntries))
        index = host_.ignitionListIndex(IgnitionList::Rpm);
    // Any other number would stay in the controller as an unknown engine.
    if (index >= 0 && index < IgnitionListEntries)
        protocol_.SendIgnitionType(index);
    return true;
}

void PageNavigator::leavePage()
{
    const bool rpmPolling = timerOf(Page::Rpm)->isActive();
    const bool adaptationPolling = timerOf(Page::Adaptation)->isActive();
    // The ignition choice must reach the controller even after the threshold
    // write closed the port; a port that was never open is not tried again.
    if (thresholdWriteClosedPort_ && (rpmPolling || adaptationPolling))
        protocol_.OpenPort();
    thresholdWriteClosedPort_ = false;
    std::optional<TextKey> unsent = std::exchange(leftUnsent_, std::nullopt);
    if (rpmPolling && !sendIgnitionChoice(IgnitionList::Rpm))
        unsent = TextKey::IgnitionNotSent;
    if (adaptationPolling && !sendIgnitionChoice(IgnitionList::Adaptation))
        unsent = TextKey::IgnitionNotSent;
    average_.reset();
    ShowControllerVersion();
    host_.StopAllTimers();
    protocol_.ClosePort();
    host_.setStatusText(CommandPanel, unsent ? texts_.text(*unsent) : QString());
}

// Entering a page.

void PageNavigator::startPolling(Page page)
{
    protocol_.OpenPort();
    timerOf(page)->start();
}

void PageNavigator::enterRpmPage()
{
    host_.setPageShown(Page::Rpm, false);
    writeParametersIfOutOfSync();
    LoadIgnitionType();
    startPolling(Page::Rpm);
    host_.setPageShown(Page::Rpm, true);
    parametersInSync_ = true;
    host_.focus(FocusTarget::ComboBox2);
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
    host_.focus(FocusTarget::CheckBox41);
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
    host_.focus(FocusTarget::ComboBox1);
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
        host_.focus(FocusTarget::ComboTerm);
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
        known().forget(Sendable::ParameterPage);
        startPolling(Page::Parameters);
        host_.setStatusText(CommandPanel, QString());
    }
    host_.focus(FocusTarget::ComboBox1);
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
    if (!parametersInSync_)
        SaveParameters();
}

bool PageNavigator::clearToWrite(std::initializer_list<Sendable> needed)
{
    const std::optional<Sendable> missing = known().firstUnknown(needed);
    if (missing)
        host_.setStatusText(CommandPanel, texts_.text(notWrittenText(*missing)));
    return !missing;
}

ParameterExchange::WriteOutcome PageNavigator::SaveParameters()
{
    using Outcome = ParameterExchange::WriteOutcome;
    // The flag byte goes out whole and the speeds are counted with the
    // ignition type's constant: both must be this car's.
    if (!clearToWrite({Sendable::ParameterPage, Sendable::IgnitionType, Sendable::Flags}))
        return Outcome::Refused;
    host_.CollectParameters();
    parametersSetKnown_ = true;
    const Outcome outcome = exchange_.WriteAllParameters();
    if (outcome == Outcome::Refused) {
        host_.setStatusText(CommandPanel, texts_.text(TextKey::NotWrittenBadData));
        return outcome;
    }
    pauseMs(WriteStepPauseMs);
    return outcome;
}

bool PageNavigator::readParameters()
{
    const std::optional<BlockFacts> facts = exchange_.ReadParameters();
    if (!facts)
        return false;
    host_.applyBlockFacts(*facts);
    if (facts->ignitionKnown)
        known().learn(Sendable::IgnitionType);
    else
        known().forget(Sendable::IgnitionType);
    parametersSetKnown_ = true;
    lastReadThreshold_ = facts->thresholdRead;
    return true;
}

void PageNavigator::showReadParameters()
{
    host_.ShowParameters();
    known().learn(Sendable::ParameterPage);
    known().learn(Sendable::SwitchTemperature);
    if (lastReadThreshold_)
        known().learn(Sendable::AnalogThreshold);
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
    if (whole)
        known().learn(Sendable::ParameterPage);
}

void PageNavigator::ZapButPicClick()
{
    // A controller that did not answer the last poll may not have taken the
    // write either, so the write is only called done when it did.
    const bool controllerAnswered = !protocol_.channel().lastReadEmpty();
    host_.StopAllTimers();
    protocol_.ClosePort();
    if (!saveByEnter_)
        host_.focus(FocusTarget::ComboBox1);
    using Outcome = ParameterExchange::WriteOutcome;
    const Outcome outcome = SaveParameters();
    host_.applyProbeVariant(Page::Parameters);
    startPolling(Page::Parameters);
    const bool written = outcome == Outcome::Delivered && controllerAnswered;
    parametersInSync_ = written;
    // A refused write has said why.
    if (outcome != Outcome::Refused)
        host_.setStatusText(CommandPanel, written ? texts_.text(TextKey::ParametersWritten) : QString());
    saveByEnter_ = false;
}

void PageNavigator::ResButtClick()
{
    host_.StopAllTimers();
    if (!saveByEnter_)
        host_.focus(FocusTarget::ComboBox1);
    protocol_.ClosePort();
    host_.ResetParameters();
    // What the reset names is the fitter's choice; the flag bits it leaves
    // alone and the ignition type stay the car's to give.
    for (Sendable value : {Sendable::ParameterPage, Sendable::SwitchTemperature, Sendable::AnalogThreshold})
        known().learn(value);
    protocol_.OpenPort();
    timerOf(Page::Parameters)->start();
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
        host_.focus(FocusTarget::ComboBox1);
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
    host_.focus(FocusTarget::ComboBox2);
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
    forgetController();
    const bool found = AutodetectPort(protocol_, [this](const AutodetectStep &step) { showAutodetectStep(step); });
    if (!found)
        host_.setStatusText(CommandPanel, texts_.text(TextKey::NoController));
    if (host_.currentPage() == Page::Rpm)
        OdczytUkladuButtClick();
}

void PageNavigator::wersjasterownika1Click()
{
    if (host_.currentPage() != Page::Parameters)
        return;
    forgetController();
    ShowControllerVersion();
}

void PageNavigator::PCOMClick(int number)
{
    protocol_.setPortName(QStringLiteral("com%1").arg(number));
    // Looked up now, so the next open costs no time of its own.
    protocol_.channel().resolvePort(protocol_.portName());
    host_.showPortChoice(number);
    forgetController();
}

} // namespace qx
