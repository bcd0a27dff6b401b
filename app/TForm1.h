#pragma once

#include "ControllerProtocol.h"
#include "DesignGeometry.h"
#include "LanguageTable.h"
#include "LinkFeedback.h"
#include "LiveAverage.h"
#include "LivePolls.h"
#include "MainMenu.h"
#include "ParameterExchange.h"
#include "ParameterSet.h"
#include "SerialChannel.h"

#include <QMainWindow>

class QLabel;
class QTimer;

namespace qx {

class PageControl;
class ParametersPage;
class RpmPage;
class VisualisationPage;

// The main window: owns the serial channel, the protocol state, the texts and
// the pages for the life of the process.
class TForm1 final : public QMainWindow, public LinkFeedback
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
    // the RPM page polling with the port left open.
    void FormCreate();
    void FormActivate();
    // Disables every polling timer of the window.
    void StopAllTimers();
    void KoniecButtonClick();

    // Page changes: the leave checks of a tab click, the leave steps and the
    // entry steps of the new page, and the menu commands that switch pages.
    bool pagecontrol1Changing();
    void pagecontrol1Change();
    void ObrButtonClick();
    void ParButtonClick();
    void WizButtonClick();
    void AutoButtonClick();
    void DruButtonClick();
    void ZapButPicClick();
    void odczButPicClick();
    bool parametersInSync() const { return parametersInSync_; }
    bool parametersPageVisited() const { return parametersPageVisited_; }

    void PCOMClick(int number);
    void AutodetekcjaMenuClick();
    void OdczytUkladuButtClick();
    void wersjasterownika1Click();

    SerialChannel &channel() { return channel_; }
    ControllerProtocol &protocol() { return protocol_; }
    LanguageTable &texts() { return texts_; }
    LiveAverage &liveAverage() { return liveAverage_; }
    LivePolls &livePolls() { return *livePolls_; }
    ParameterSet &parameters() { return parameters_; }
    const MainMenu &menu() const { return menu_; }
    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString &text);

    // LinkFeedback
    void portOpenFailed() override;
    void showNoReply(bool noReply) override;
    void showTransmissionError(bool failing) override;

    PageControl *pagecontrol1;
    RpmPage *ObrotyTab;
    ParametersPage *ParametryTab;
    VisualisationPage *WizualizacjaTab;
    QWidget *AutoadaptacjaTab;
    QWidget *DrukowanieTab;

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
    void FormClose();
    QTimer *makeTimer(const char *name, int intervalMs);
    QWidget *makePage(const char *name, const QString &caption);
    void buildPages();
    void connectMenu();
    // Shows the autodetection command only while the focus is on the RPM page.
    void pageEntered(QWidget *page);
    void describePorts();

    void showPageFromMenu(QWidget *page);
    void leavePage();
    void enterRpmPage();
    void enterVisualisationPage();
    void enterParametersPage();
    void EnterAdaptation();
    void enterPrintingPage();
    // Writes the page's parameters when the controller may not hold them;
    // a page never filled from the controller, a file or a reset is not
    // written, so its placeholder texts never reach the car.
    void writeParametersIfOutOfSync();
    void SaveParameters();
    // Reads the parameters and applies what the block tells to the window;
    // false when no block arrived and everything stayed as it was.
    bool readParameters();
    void focusByName(const QString &name);
    void showLeaveMessage(int key, const QString &suffix);

    // The lambda displays by the probe variant, then the temperature controls.
    void PrepareVisualisation();
    void ApplyProbeVariantToParameters();
    // The printout page fills itself once it is built.
    void RefreshPrintoutTexts() {}

    // Persisted preferences: the built-in defaults stay until these read and
    // write the per-user store.
    void ReadAppSettings() {}
    void WriteAppSettings() {}
    // Language files replace the built-in texts once they can be read.
    void CheckLanguageFiles() {}
    void LoadLanguageFile(const QString &) {}

    LanguageTable texts_;
    SerialChannel channel_;
    ControllerProtocol protocol_;
    LiveAverage liveAverage_;
    ParameterSet parameters_;
    ParameterExchange exchange_;
    std::unique_ptr<LivePolls> livePolls_;
    DesignGeometry geometry_;
    MainMenu menu_;
    QLabel *statusPanels_[2];

    QColor customColour_;
    QString languageCode_ = QStringLiteral("PL");
    QString helpFile_;
    QString parameterFolder_;
    bool saveByEnter_ = false;
    bool parametersInSync_ = true;
    bool parametersPageVisited_ = false;
    // The Parameters page holds the controller's values, a file's or the
    // reset values, rather than its start-up placeholders.
    bool parametersPageFilled_ = false;
};

// The language file start-up loads for a language code; empty for none.
QString languageFileForCode(const QString &code);

} // namespace qx
