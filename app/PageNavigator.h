#pragma once

#include "ControllerProtocol.h"
#include "LeaveChecks.h"
#include "ParameterExchange.h"
#include "PollTimer.h"
#include "TextKeys.h"

namespace qx {

class LanguageTable;
class LiveAverage;
struct AutodetectStep;
struct BlockFacts;

// The pages of the main page control, in tab order.
enum class Page { Rpm, Parameters, Visualisation, Adaptation, Printing };

// The two ignition lists: the RPM page's and the temperature-adaptation page's.
enum class IgnitionList { Rpm, Adaptation };

// Where a page change leaves the focus: the first control of the page entered.
enum class FocusTarget {
    ComboBox2,  // the RPM page's ignition list
    ComboBox1,  // the Parameters page's probe list
    CheckBox41, // the Visualisation page's RPM trace selector
    ComboTerm,  // the adaptation's ignition list
};

// The polling timer of each page that polls.
struct PageTimers
{
    PollTimer *TimerObr;
    PollTimer *TimerParamOdcz;
    PollTimer *TimerWiz;
    PollTimer *TimerAdaptTerm;
};

// What page changes need of the main window. Everything here is the window's
// own business; the rules of who owns the port and when live in PageNavigator.
class PageHost
{
public:
    virtual ~PageHost() = default;

    virtual Page currentPage() const = 0;
    // A page set by a menu command, without the leave checks.
    virtual void setCurrentPage(Page page) = 0;
    // A page is hidden while it is prepared, so it does not repaint step by step.
    virtual void setPageShown(Page page, bool shown) = 0;
    virtual void setPrintingTabVisible(bool visible) = 0;

    virtual void StopAllTimers() = 0;
    virtual void focus(FocusTarget target) = 0;
    // Panel 1 texts are painted at once: autodetection shows each port's
    // outcome while the scan goes on without the event loop.
    virtual void setStatusText(int panel, const QString &text) = 0;
    // The port menu ticks the port now set.
    virtual void showPortChoice(int portNumber) = 0;

    // The selected entry of an ignition list; -1 for a list the window has not.
    virtual int ignitionListIndex(IgnitionList list) const = 0;
    virtual void applyIdentification(const Identification &facts) = 0;
    virtual void applyBlockFacts(const BlockFacts &facts) = 0;

    // The focused field is checked as if left, before any page change.
    virtual void leaveFocusedField() = 0;
    virtual LeaveFields parametersLeaveFields() const = 0;
    virtual void CollectParameters() = 0;
    virtual void ResetParameters() = 0;
    virtual void ShowParameters() = 0;
    // The Parameters page kept its texts: its field states follow its own lists.
    virtual void followParametersPage() = 0;
    // The lambda displays of a live page by the probe variant.
    virtual void applyProbeVariant(Page page) = 0;
    virtual void RefreshPrintoutTexts() = 0;
    // The adaptation page: its step tabs hidden, then step 1 shown alone with
    // its heading; step 1's Next button free or waiting for a warm engine.
    virtual void HideProcedureTabs() = 0;
    virtual void showFirstAdaptationStep() = 0;
    virtual void enableTemperatureAdaptation(bool enabled) = 0;
};

// Moving between the pages decides who owns the serial port and which polling
// timer runs: leaving a page stops every timer and closes the port, entering
// one prepares it, reopens the port and starts its timer. The identification
// steps that run around page changes live here too, so the window only
// applies what they found.
class PageNavigator
{
public:
    PageNavigator(PageHost &host, ControllerProtocol &protocol, ParameterExchange &exchange,
                  LiveAverage &average, const LanguageTable &texts, PageTimers timers);

    // Identification at start-up; the RPM page then polls on the open port.
    void identifyAtStartUp();

    // The leave checks of a tab click; false keeps the page.
    bool pagecontrol1Changing();
    // The leave steps, then the entry steps of the page now shown.
    void pagecontrol1Change();
    // A menu command's page change: no leave checks.
    void showPageFromMenu(Page page);

    // The write ends "written" only when the port took every byte and the
    // controller answered the poll before it; else the page counts as not
    // held by the controller.
    // The adaptation's step 1 as entered with the page: port opened for its
    // polling, ignition type loaded, TimerAdaptTerm running.
    void startTemperatureStep();
    // Step 2's Back: the page entered again, the focus left where it is.
    void CofnijAD2Click();
    // Command 31 with step 1's ignition entry.
    void sendAdaptationIgnitionChoice();
    // The adaptation's end: the Parameters page shows what the controller
    // now holds and saves it; without a read-back nothing is written.
    void finishAdaptation();

    void ZapButPicClick();
    void ResButtClick();
    void odczButPicClick();
    void OdczytUkladuButtClick();
    void AutodetekcjaMenuClick();
    void wersjasterownika1Click();
    // A port item: the port used from the next open on, and nothing known of
    // the controller there yet.
    void PCOMClick(int number);

    // The fitter chose or typed a value on the window: it may now be sent.
    void fitterSet(Sendable value) { known().learn(value); }
    // Whether a write needing these values may go out; when one is not known,
    // panel 1 says which and false is returned.
    bool clearToWrite(std::initializer_list<Sendable> needed);

    // Port choice, autodetection, the version asked by hand and the program's
    // defaults each identify the controller anew: what was known is forgotten.
    void forgetController() { protocol_.forgetController(); }

    bool parametersInSync() const { return parametersInSync_; }
    bool parametersPageVisited() const { return parametersPageVisited_; }
    // The ParameterSet holds real values: a read brought them, or a filled
    // page was saved or reset, rather than the start-up zeros.
    bool parametersSetKnown() const { return parametersSetKnown_; }
    void markParametersEdited() { parametersInSync_ = false; }
    // A file filled the page: the controller no longer holds what it shows,
    // and a whole file is worth writing.
    void parametersLoaded(bool whole);
    void setSaveByEnter(bool byEnter) { saveByEnter_ = byEnter; }
    // Reads the parameters and shows them on the Parameters page; a block
    // that did not arrive leaves the page as it was. True when one did.
    bool readIntoPage();

private:
    // The polling timer of a page; none for a page that polls nothing.
    PollTimer *timerOf(Page page) const;

    struct PageRow
    {
        Page page;
        PollTimer *PageTimers::*timer;
        void (PageNavigator::*enter)();
    };
    static const PageRow &rowOf(Page page);

    void leavePage();
    void enterRpmPage();
    void enterParametersPage();
    void enterVisualisationPage();
    void EnterAdaptation();
    void enterAdaptation(bool focus);
    void enterPrintingPage();
    void startPolling(Page page);

    void ApplyTemperatureOptions();
    bool CheckAnalogModel(bool readThreshold);
    void ShowControllerVersion();
    void LoadIgnitionType();
    // Command 31 with a list's entry; false, with nothing sent, while the
    // ignition type is not known.
    bool sendIgnitionChoice(IgnitionList list);
    KnownValues &known() { return protocol_.state().known; }

    // Writes the page's parameters when the controller may not hold them.
    void writeParametersIfOutOfSync();
    // The write of the whole set, refused with a word in panel 1 while the
    // page, the ignition type or the flag byte is not known.
    ParameterExchange::WriteOutcome SaveParameters();
    // Reads the parameters and applies what the block tells; false when no
    // block arrived and everything stayed as it was.
    bool readParameters();
    // The parameters a read brought, on the Parameters page.
    void showReadParameters();

    void showAutodetectStep(const AutodetectStep &step);

    PageHost &host_;
    ControllerProtocol &protocol_;
    ParameterExchange &exchange_;
    LiveAverage &average_;
    const LanguageTable &texts_;
    PageTimers timers_;

    bool parametersInSync_ = true;
    bool parametersPageVisited_ = false;
    bool parametersSetKnown_ = false;
    bool saveByEnter_ = false;
    // The threshold write of a version-8 RPM page closed the port the
    // ignition choice still has to go out on.
    bool thresholdWriteClosedPort_ = false;
    // What the leave checks left unsent, for panel 1 once the page has changed.
    std::optional<TextKey> leftUnsent_;
    // The last parameter read's threshold came from the car.
    bool lastReadThreshold_ = false;
};

} // namespace qx
