#pragma once

#include "AdaptationRun.h"
#include "AdaptationState.h"
#include "AsFoundKeeper.h"
#include "ControllerProtocol.h"
#include "DesignGeometry.h"
#include "LanguageFile.h"
#include "LanguageTable.h"
#include "LinkFeedback.h"
#include "LiveAverage.h"
#include "LivePolls.h"
#include "MainMenu.h"
#include "PageNavigator.h"
#include "ParameterExchange.h"
#include "ParameterSet.h"
#include "ResolutionProfiles.h"
#include "SerialChannel.h"
#include "Skin.h"
#include "StandingTick.h"

#include <QMainWindow>
#include <QMultiHash>

#include <array>
#include <optional>

class QLabel;
class QTimer;

namespace qx {

class AdaptationPage;
class FittedBox;
class HelpWindow;
class KeyCommands;
class PageControl;
class ParameterEditor;
class ParameterFileCommands;
class ParametersPage;
class PrintingPage;
class RpmPage;
class TForm3;
class VisualisationPage;

// The main window: owns the serial channel, the protocol state, the texts and
// the pages for the life of the process. Page changes and the port they own
// are the navigator's; the window shows what they find.
class TForm1 final : public QMainWindow, public LinkFeedback, private PageHost, private AdaptationHost
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
    void FormActivate();
    void KoniecButtonClick();
    // Disables every polling timer of the window.
    void StopAllTimers() override;
    // Tells the user that a second copy of the program will not be noticed.
    void reportNoInstanceGuard();

    // Page changes by menu command, and the commands that own the port.
    void ObrButtonClick();
    void ParButtonClick();
    void WizButtonClick();
    void AutoButtonClick();
    void DruButtonClick();
    void ZapButPicClick();
    void ResButtClick();
    void odczButPicClick();
    void DefaultOptionClick();
    // Shows a message when the folder "lang" holds no language file.
    void CheckLanguageFiles();
    // Reads "lang/<name>" and applies it; a file that cannot be read changes
    // nothing and gives false after a message naming it.
    bool LoadLanguageFile(const QString &name);
    // The language menu: each item loads its file over the current texts.
    void JPolskiClick();
    void JAngielskiClick();
    void JRosyjskiClick();
    void JCzeskiClick();
    void JWloskiClick();
    QString helpFile() const { return helpFile_; }
    // Fills the printing page: on entering it, and after a language change.
    void RefreshPrintoutTexts() override;
    void PCOMClick(int number);
    void AutodetekcjaMenuClick();
    void OdczytUkladuButtClick();
    void wersjasterownika1Click();
    // The safety net (TForm1SafetyNet.cpp): the Parameters page, then an
    // as-found copy to restore or a file to compare with it.
    void PrzywrocButtonClick();
    void PorownajButtonClick();
    // The connection check (TForm1ConnectionCheck.cpp): every port examined
    // with the page's polling stopped and the program's port closed, both
    // restored when its dialog closes.
    void DiagnozaMenuClick();
    const AsFoundKeeper &asFoundKeeper() const { return asFound_; }
    // The about box, and the current language's help at its main topic (TForm1Help.cpp).
    void oprogramiebuttonClick();
    void PomocButtonClick();
    TForm3 *aboutBox() const { return about_.get(); }

    bool parametersInSync() const { return navigator_.parametersInSync(); }
    bool parametersPageVisited() const { return navigator_.parametersPageVisited(); }
    SerialChannel &channel() { return channel_; }
    ControllerProtocol &protocol() { return protocol_; }
    LanguageTable &texts() { return texts_; }
    LiveAverage &liveAverage() { return liveAverage_; }
    LivePolls &livePolls() { return *livePolls_; }
    ParameterSet &parameters() { return parameters_; }
    const AdaptationState &adaptationState() const { return adaptationState_; }
    const MainMenu &menu() const { return menu_; }
    QString statusPanelText(int panel) const;

    // LinkFeedback
    void portOpenFailed() override;
    void showNoReply(bool noReply) override;
    void showTransmissionError(bool failing) override;

    PageControl *pagecontrol1;
    RpmPage *ObrotyTab;
    ParametersPage *ParametryTab;
    VisualisationPage *WizualizacjaTab;
    AdaptationPage *AutoadaptacjaTab;
    PrintingPage *DrukowanieTab;

    QTimer *TimerObr;
    QTimer *TimerWiz;
    QTimer *TimerAdaptTerm;
    QTimer *TimerUstTpsProg;
    QTimer *TimerKalibSonda;
    QTimer *TimerPrzedRed;
    QTimer *TimerRR;
    QTimer *TimerMinMax1;
    QTimer *TimerMinMax2;
    QTimer *TimerParamOdcz;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // PageHost
    Page currentPage() const override;
    void setCurrentPage(Page page) override;
    void setPageShown(Page page, bool shown) override;
    void setPrintingTabVisible(bool visible) override;
    void startTimer(const QString &timer) override;
    bool timerRunning(const QString &timer) const override;
    void focusControl(const QString &control) override;
    void setStatusText(int panel, const QString &text) override;
    void showPortChoice(int portNumber) override;
    int ignitionListIndex(IgnitionList list) const override;
    void applyIdentification(const Identification &facts) override;
    void applyBlockFacts(const BlockFacts &facts) override;
    void leaveFocusedField() override;
    LeaveFields parametersLeaveFields() const override;
    void CollectParameters() override;
    void ResetParameters() override;
    void ShowParameters() override;
    void followParametersPage() override;
    void applyProbeVariant(Page page) override;
    void HideProcedureTabs() override;
    void showFirstAdaptationStep() override;
    void enableTemperatureAdaptation(bool enabled) override;

    // AdaptationHost
    void stopTimer(const QString &timer) override;
    void startTemperatureStep() override;
    void CofnijAD2Click() override;
    void sendIgnitionChoice() override;
    quint8 &tempSensorOn() override;
    void finishAdaptation() override;
    bool clearToWrite(std::initializer_list<Sendable> needed) override;

    void FormClose();
    void buildAboutAndHelp();
    void closeHelp();
    // Port, language, layout and skin as on a fresh install, then the
    // controller's parameters read again on that port.
    void LoadProgramDefaults();
    // The steps of start-up before the controller is identified.
    void resetProgramState();
    void setBuiltInTextsAndLayout();
    void loadPreferencesAndLanguage();
    void centreOnScreen();
    QTimer *makeTimer(const char *name, int intervalMs);
    QWidget *pageWidget(Page page) const;
    void buildStatusBar();
    void buildPages();
    void connectMenu();
    void connectFitterChoices();
    void connectSafetyNet();
    // The Visualisation page's drive recording (TForm1Recording.cpp).
    void connectDriveRecording();
    void NagrywanieButtonClick();
    void connectConnectionCheck();
    // A whole parameter block just read: the as-found copy when one is due.
    void keepAsFoundCopy(const QByteArray &block);
    // Shows the autodetection command only while the focus is on the RPM page.
    void pageEntered(QWidget *page);
    void describePorts();
    void applyTemperatureOptions(bool supported);
    QString versionCaption(int version) const;

    // The preferences kept between runs, and the skins they name.
    void ReadAppSettings();
    void WriteAppSettings();
    void setPortChoice(int number);
    void loadSkinItem(std::size_t skin);
    void skorkaZwyClick();
    void skorkaKolClick();
    void SkorkaSilClick();
    void SkorkaBezClick();
    // Language files replace the built-in texts (TForm1Languages.cpp).
    void SetLanguageCharset(const QString &name);
    void SelectHelpFile(const QString &name);
    void ApplyLanguageLine(const LanguageLine &line, const QMultiHash<QString, QObject *> &controls);
    void refreshFuelIndicator();
    void connectLanguageMenu();
    void languageItemClick(QAction *item, const QString &file);
    void SaveListSelections();
    void RestoreListSelections();
    // The Parameters page and the printout laid out in one size class.
    void LayoutParameterPage(int sizeClass, int editColumn, int groupWidth, int width);

    LanguageTable texts_;
    SerialChannel channel_;
    ControllerProtocol protocol_;
    LiveAverage liveAverage_;
    ParameterSet parameters_;
    ParameterExchange exchange_;
    AdaptationState adaptationState_;
    std::unique_ptr<AdaptationRun> adaptation_;
    PageNavigator navigator_;
    std::unique_ptr<LivePolls> livePolls_;
    ParameterEditor *editor_;
    ParameterFileCommands *files_;
    AsFoundKeeper asFound_;
    KeyCommands *keys_;
    DesignGeometry geometry_;
    MainMenu menu_;
    QLabel *statusPanels_[2];

    WindowSkin skin_{*this};
    StandingTick skinTick_;
    QString languageCode_ = QStringLiteral("PL");
    QString helpFile_;
    // The code page language texts are read in; Polish until a file says otherwise.
    QByteArray languageEncoding_ = QByteArrayLiteral("windows-1250");
    StandingTick languageTick_;
    std::array<int, 5> savedListSelections_{};
    // Not a child of the window: its controls' names (AbGradient16) must not
    // meet the window's own in lookups by name.
    std::unique_ptr<TForm3> about_;
    HelpWindow *help_ = nullptr; // made at the first F1

    // Appearance: the resolution profiles that fit the window and its pages
    // to a screen (TForm1Appearance.cpp).
public:
    void CaptureGeometry();
    // 0: the profile of the screen's width.
    void ApplyResolution(int width);
    void CzcionkaMalaClick();
    void CzcionkaSredniaClick();
    void CzcionkaDuzaClick();
    void N1024Click();
    void N1152Click();
    void N1280Click();
    void PamOstRozdzClick();
    // The scale of the active profile: 1.0 at the design size.
    double LayoutScale() const { return layoutScale_; }
    // The screen profiles fit the window to: the window's own unless one is set.
    void setScreenArea(std::optional<ScreenArea> screen) { screenOverride_ = screen; }
    ScreenArea screenArea() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void FormResize();
    void fitFrame();
    // What the window system's frame adds to the window's size.
    QSize frameSize() const;
    void buildAppearance();
    void largeProfileClick(int menuItem);
    void fitWindow(const ResolutionProfile &profile, const ScreenArea &screen);
    void showZoomButton(bool shown);
    void rescalePages(const ResolutionProfile &profile);

    double layoutScale_ = 1.0;
    // The window fills a screen as wide as its profile.
    bool zoomedProfile_ = false;
    // A normal window's outer size by its profile, the frame last fitted to,
    // and how it was centred (none: where the window system put it).
    std::optional<QSize> outerSize_;
    QSize fittedFrame_{0, 0};
    std::optional<CentreRounding> centring_;
    std::optional<ScreenArea> screenOverride_;
    FittedBox *pagecontrol1Box_ = nullptr;
    FittedBox *PageControl2Box_ = nullptr;
};

// The language file start-up loads for a language code; empty for none.
QString languageFileForCode(const QString &code);

} // namespace qx
