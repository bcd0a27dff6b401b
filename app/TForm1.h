#pragma once

#include "AdaptationRun.h"
#include "AdaptationState.h"
#include "AppearanceController.h"
#include "ConnectionCheckController.h"
#include "ControllerProtocol.h"
#include "HelpController.h"
#include "LanguageController.h"
#include "LanguageTable.h"
#include "LinkFeedback.h"
#include "LiveAverage.h"
#include "LivePolls.h"
#include "MainMenu.h"
#include "MainPages.h"
#include "PageNavigator.h"
#include "ParameterExchange.h"
#include "ParameterSet.h"
#include "RecordingController.h"
#include "SafetyNetController.h"
#include "SerialChannel.h"
#include "StatusPanels.h"
#include "WindowPageHost.h"
#include "WindowTimers.h"

#include <QMainWindow>

namespace qx {

class KeyCommands;
class ParameterEditor;
class ParameterFileCommands;

// The main window: owns the serial channel, the protocol state, the texts,
// the pages and their timers for the life of the process, and creates the
// controllers that do the work and wires them together. Page changes and the
// port they own are the navigator's.
class TForm1 final : public QMainWindow,
                     public LinkFeedback,
                     private LanguageHost,
                     private SafetyNetHost,
                     private ConnectionCheckHost
{
    Q_OBJECT

public:
    // The window's client area at the design size.
    static constexpr int DesignWidth = 799;
    static constexpr int DesignHeight = 540;

    explicit TForm1(std::unique_ptr<PortIo> port, PortNameResolver ports = PortNameResolver(),
                    QWidget *parent = nullptr);
    ~TForm1() override;

    // The start-up sequence: texts, settings, controller identification, and
    // the RPM page polling with the port left open. In two halves, so the
    // window can be built while the splash shows and nothing goes to the
    // controller before the splash's second has passed.
    void FormCreate();
    void prepareBeforeController();
    void identifyController();
    // The exit command: after the user's yes, the polling stops, the
    // settings are saved and the window closes.
    void KoniecButtonClick();
    // Tells the user that a second copy of the program will not be noticed.
    void reportNoInstanceGuard();

    // What tests reach.
    const MainPages &pages() const { return pages_; }
    const MainMenu &menu() const { return menu_; }
    WindowTimers &timers() { return timers_; }
    PageNavigator &navigator() { return navigator_; }
    LanguageController &languages() { return languages_; }
    AppearanceController &appearance() { return appearance_; }
    const HelpController &help() const { return help_; }
    SerialChannel &channel() { return channel_; }
    ControllerProtocol &protocol() { return protocol_; }
    LanguageTable &texts() { return texts_; }
    LivePolls &livePolls() { return livePolls_; }
    RecordingController &recording() { return recording_; }
    ParameterSet &parameters() { return parameters_; }
    const AdaptationState &adaptationState() const { return adaptationState_; }
    QString statusPanelText(int panel) const { return status_.text(panel); }

    // LinkFeedback
    void portOpenFailed() override;
    void showNoReply(bool noReply) override;
    void showTransmissionError(bool failing) override;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // LanguageHost
    bool onPetrol() const override;
    void RefreshPrintoutTexts() override;
    // SafetyNetHost
    void showParametersPage() override;
    bool onParametersPage() const override;
    // ConnectionCheckHost
    void StopAllTimers() override;

    // Wiring the menu, the pages and the keys to the navigator and the steps.
    void connectPageCommands();
    void connectParametersPage();
    void connectKeys();
    void connectFitterChoices();
    void connectPortMenu();

    // The steps of start-up before the controller is identified.
    void resetProgramState();
    void setBuiltInTextsAndLayout();
    void loadPreferencesAndLanguage();
    void FormClose();
    // Port, language, layout and skin as on a fresh install, then the
    // controller's parameters read again on that port.
    void DefaultOptionClick();

    // The preferences kept between runs (TForm1Settings.cpp): read once at
    // start-up into the menus and the comments box, giving the language code
    // start-up loads; collected from them when the window closes.
    QString ReadAppSettings();
    void WriteAppSettings();
    void setPortChoice(int number);

    LanguageTable texts_;
    SerialChannel channel_;
    ControllerProtocol protocol_;
    LiveAverage liveAverage_;
    ParameterSet parameters_;
    ParameterExchange exchange_;
    AdaptationState adaptationState_;
    StatusPanels status_;
    MainMenu menu_;
    MainPages pages_;
    WindowTimers timers_;
    LivePolls livePolls_;
    ParameterEditor *editor_;
    ParameterFileCommands *files_;
    AppearanceController appearance_;
    // The host binds the navigator and the steps declared after it, and
    // calls on them only once the window is built.
    WindowPageHost pageHost_;
    PageNavigator navigator_;
    AdaptationRun adaptation_;
    LanguageController languages_;
    SafetyNetController safetyNet_;
    RecordingController recording_;
    ConnectionCheckController connectionCheck_;
    HelpController help_;
    KeyCommands *keys_;
};

} // namespace qx
