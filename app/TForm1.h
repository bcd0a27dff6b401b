#pragma once

#include "ControllerProtocol.h"
#include "DesignGeometry.h"
#include "LanguageTable.h"
#include "LinkFeedback.h"
#include "LiveAverage.h"
#include "MainMenu.h"
#include "ParameterSet.h"
#include "SerialChannel.h"

#include <QMainWindow>

class QLabel;
class QTabWidget;
class QTimer;

namespace qx {

class RpmPage;

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

    void PCOMClick(int number);
    void AutodetekcjaMenuClick();
    void OdczytUkladuButtClick();
    void wersjasterownika1Click();

    SerialChannel &channel() { return channel_; }
    ControllerProtocol &protocol() { return protocol_; }
    LanguageTable &texts() { return texts_; }
    LiveAverage &liveAverage() { return liveAverage_; }
    const MainMenu &menu() const { return menu_; }
    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString &text);

    // LinkFeedback
    void portOpenFailed() override;
    void showNoReply(bool noReply) override;
    void showTransmissionError(bool failing) override;

    QTabWidget *pagecontrol1;
    RpmPage *ObrotyTab;
    QWidget *ParametryTab;
    QWidget *WizualizacjaTab;
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
    bool commentsOn_ = true;
};

// The language file start-up loads for a language code; empty for none.
QString languageFileForCode(const QString &code);

} // namespace qx
