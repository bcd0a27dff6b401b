#include "TForm1.h"

#include "BuiltInTexts.h"
#include "ControlsByName.h"
#include "PageControl.h"
#include "ParametersPage.h"
#include "DialogService.h"
#include "PortIo.h"
#include "PortSelection.h"
#include "Rounding.h"
#include "RpmPage.h"
#include "VisualisationPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace qx {

QString languageFileForCode(const QString &code)
{
    static const QHash<QString, QString> files = {
        {QStringLiteral("PL"), QStringLiteral("polish.lng")},  {QStringLiteral("EN"), QStringLiteral("english.lng")},
        {QStringLiteral("IT"), QStringLiteral("italiano.lng")}, {QStringLiteral("CZ"), QStringLiteral("czech.lng")},
        {QStringLiteral("RU"), QStringLiteral("russian.lng")},
    };
    return files.value(code);
}

TForm1::TForm1(std::unique_ptr<PortIo> port, PortNameResolver ports, QWidget *parent)
    : QMainWindow(parent),
      channel_(std::move(port), std::move(ports), this),
      protocol_(channel_, [this](int key) { return texts_.text(key); }),
      exchange_(protocol_, parameters_)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvantix 4.3"));

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    static constexpr int panelWidths[2] = {150, 50};
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel(status);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        statusPanels_[i]->setMinimumWidth(panelWidths[i]);
    }
    // The first panel keeps its width; the last one runs to the window's edge.
    statusPanels_[0]->setFixedWidth(panelWidths[0]);
    status->addWidget(statusPanels_[0]);
    status->addWidget(statusPanels_[1], 1);
    setStatusBar(status);

    menu_ = buildMainMenu(this);
    buildPages();

    TimerObr = makeTimer("TimerObr", 100);
    TimerWiz = makeTimer("TimerWiz", 50);
    TimerAdaptTerm = makeTimer("TimerAdaptTerm", 100);
    TimerUstTpsProg = makeTimer("TimerUstTpsProg", 100);
    TimerKalibSonda = makeTimer("TimerKalibSonda", 100);
    TimerPrzedRed = makeTimer("TimerPrzedRed", 100);
    TimerRR = makeTimer("TimerRR", 100);
    TimerMinMax1 = makeTimer("TimerMinMax1", 100);
    TimerMinMax2 = makeTimer("TimerMinMax2", 100);
    TimerParamOdcz = makeTimer("TimerParamOdcz", 200);
    connect(TimerObr, &QTimer::timeout, ObrotyTab, &RpmPage::TimerObrTimer);
    connect(TimerWiz, &QTimer::timeout, this, [this] { livePolls_->TimerWizTimer(); });
    connect(TimerParamOdcz, &QTimer::timeout, this, [this] { livePolls_->TimerParamOdczTimer(); });

    connectMenu();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (QWidget *w = now; w; w = w->parentWidget()) {
            if (w->parentWidget() && w->parentWidget()->parentWidget() == pagecontrol1) {
                pageEntered(w);
                return;
            }
        }
    });

    // The window's client area, with the status bar inside it as on the design.
    resize(DesignWidth, DesignHeight + menuBar()->sizeHint().height());
}

TForm1::~TForm1() = default;

QTimer *TForm1::makeTimer(const char *name, int intervalMs)
{
    auto *timer = new QTimer(this);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(intervalMs);
    // Polls keep their rate: the next tick is due an interval after the last
    // one was due, not after the poll's own exchange ended.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

QWidget *TForm1::makePage(const char *name, const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(QLatin1String(name));
    pagecontrol1->addTab(page, caption);
    return page;
}

void TForm1::buildPages()
{
    auto *client = new QWidget(this);
    pagecontrol1 = new PageControl(client);
    pagecontrol1->setObjectName(QStringLiteral("pagecontrol1"));
    pagecontrol1->setGeometry(2, 0, 791, 513);
    ObrotyTab = new RpmPage(protocol_, liveAverage_);
    pagecontrol1->addTab(ObrotyTab, QStringLiteral("Obroty"));
    ParametryTab = new ParametersPage(parameters_, ObrotyTab->Edit23);
    pagecontrol1->addTab(ParametryTab, QStringLiteral("Parametry systemu"));
    WizualizacjaTab = new VisualisationPage;
    pagecontrol1->addTab(WizualizacjaTab, QStringLiteral("Wizualizacja"));
    livePolls_ = std::make_unique<LivePolls>(protocol_, liveAverage_, parameters_,
                                             [this](int key) { return texts_.text(key); }, *WizualizacjaTab,
                                             *ParametryTab);
    AutoadaptacjaTab = makePage("AutoadaptacjaTab", QStringLiteral("Autoadaptacja"));
    DrukowanieTab = makePage("DrukowanieTab", QStringLiteral("Drukowanie parametrów"));
    setCentralWidget(client);
}

void TForm1::connectMenu()
{
    connect(menu_.ObrButton, &QAction::triggered, this, &TForm1::ObrButtonClick);
    connect(menu_.ParButton, &QAction::triggered, this, &TForm1::ParButtonClick);
    connect(menu_.WizButton, &QAction::triggered, this, &TForm1::WizButtonClick);
    connect(menu_.AutoButton, &QAction::triggered, this, &TForm1::AutoButtonClick);
    connect(menu_.DruButton, &QAction::triggered, this, &TForm1::DruButtonClick);
    pagecontrol1->setChangeCheck([this] { return pagecontrol1Changing(); });
    connect(pagecontrol1, &PageControl::changedByUser, this, &TForm1::pagecontrol1Change);
    connect(ParametryTab->ZapButPic, &QPushButton::clicked, this, &TForm1::ZapButPicClick);
    connect(ParametryTab->odczButPic, &QPushButton::clicked, this, &TForm1::odczButPicClick);
    connect(ParametryTab, &ParametersPage::parametersEdited, this, [this] { parametersInSync_ = false; });
    connect(menu_.KoniecButton, &QAction::triggered, this, &TForm1::KoniecButtonClick);
    for (int n = 1; n <= 8; ++n)
        connect(menu_.PCOM[n - 1], &QAction::triggered, this, [this, n] { PCOMClick(n); });
    connect(menu_.AutodetekcjaMenu, &QAction::triggered, this, &TForm1::AutodetekcjaMenuClick);
    connect(menu_.wersjasterownika1, &QAction::triggered, this, &TForm1::wersjasterownika1Click);
    connect(ObrotyTab->OdczytUkladuButt, &QPushButton::clicked, this, &TForm1::OdczytUkladuButtClick);
    connect(menu_.PortGroup, &QMenu::aboutToShow, this, &TForm1::describePorts);
}

void TForm1::FormCreate()
{
    // 1
    customColour_ = QColor(0xEE, 0xEE, 0xEE);
    saveByEnter_ = false;
    liveAverage_.reset();
    channel_.resetEmptyReadCount();
    // 2
    parameterFolder_ = QDir::currentPath() + QStringLiteral("/param");
    // 3
    pagecontrol1->setTabVisible(pagecontrol1->indexOf(DrukowanieTab), false);
    // 4
    parametersPageVisited_ = false;
    parameters_.setAllZero();
    SetBuiltInTexts(texts_);
    geometry_.CaptureGeometry(this);
    // 5
    ObrotyTab->hide();
    setPropertyByName(this, QStringLiteral("Scope1"), "Interval", 5);
    parametersInSync_ = true;
    // 6
    helpFile_ = QStringLiteral("help/quorvantix_pl.hlp");
    AssignBuiltInHelpTexts(texts_);
    // 7
    ReadAppSettings();
    CheckLanguageFiles();
    // 8
    const QString languageFile = languageFileForCode(languageCode_);
    if (!languageFile.isEmpty())
        LoadLanguageFile(languageFile);
    // 9
    setStatusPanelText(0, QString());
    // 10
    if (const QScreen *screen = this->screen()) {
        move(int(roundHalfEven(screen->geometry().width() * 0.5)) - int(roundHalfEven(width() * 0.5)),
             int(roundHalfEven(screen->geometry().height() * 0.5)) - int(roundHalfEven(height() * 0.5)));
    }
    // 11
    protocol_.ApplyTemperatureOptions(this);
    if (protocol_.CheckAnalogModel(this)) {
        protocol_.ReadAnalogThreshold();
        ObrotyTab->Edit23->setCurrentText(protocol_.state().AnalogThresholdText);
    }
    protocol_.ShowControllerVersion(this);
    protocol_.LoadIgnitionType(this);
    // 12
    channel_.ClosePort();
    channel_.OpenPort(protocol_.portName());
    // 13
    TimerObr->start();
    ObrotyTab->show();
    // 14
    // The comments flag lives with the page and follows its box.
    ParametryTab->WylaczkomentarzeCheckClick();
}

void TForm1::FormActivate()
{
    // Another page may be shown, where the list cannot take the focus.
    if (ObrotyTab->ComboBox2->isVisible())
        ObrotyTab->ComboBox2->setFocus();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

void TForm1::StopAllTimers()
{
    for (QTimer *timer : {TimerObr, TimerWiz, TimerAdaptTerm, TimerUstTpsProg, TimerKalibSonda, TimerPrzedRed, TimerRR,
                          TimerMinMax1, TimerMinMax2, TimerParamOdcz})
        timer->stop();
}

void TForm1::KoniecButtonClick()
{
    if (!askQuestion(texts_.text(TextKey::ExitQuestion)))
        return;
    StopAllTimers();
    WriteAppSettings();
    close();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TForm1::FormClose()
{
    StopAllTimers();
    WriteAppSettings();
}

void TForm1::PCOMClick(int number)
{
    selectPort(protocol_, this, number);
}

void TForm1::AutodetekcjaMenuClick()
{
    AutodetectPort(protocol_, this, [this](const QString &text) { setStatusPanelText(1, text); });
    if (pagecontrol1->currentWidget() == ObrotyTab)
        OdczytUkladuButtClick();
}

void TForm1::OdczytUkladuButtClick()
{
    TimerObr->stop();
    if (protocol_.CheckAnalogModel(this)) {
        protocol_.ReadAnalogThreshold();
        ObrotyTab->Edit23->setCurrentText(protocol_.state().AnalogThresholdText);
    }
    channel_.ClosePort();
    protocol_.ApplyTemperatureOptions(this);
    protocol_.ShowControllerVersion(this);
    protocol_.LoadIgnitionType(this);
    channel_.OpenPort(protocol_.portName());
    TimerObr->start();
    ObrotyTab->ComboBox2->setFocus();
}

void TForm1::wersjasterownika1Click()
{
    if (pagecontrol1->currentWidget() == ParametryTab)
        protocol_.ShowControllerVersion(this);
}

void TForm1::pageEntered(QWidget *page)
{
    menu_.AutodetekcjaMenu->setVisible(page == ObrotyTab);
}

void TForm1::describePorts()
{
    for (int n = 1; n <= 8; ++n) {
        const QString device = channel_.resolvedDevice(QStringLiteral("com%1").arg(n));
        menu_.PCOM[n - 1]->setStatusTip(device.isEmpty() ? QStringLiteral("—") : device);
    }
}

QString TForm1::statusPanelText(int panel) const
{
    return statusPanels_[panel]->text();
}

void TForm1::setStatusPanelText(int panel, const QString &text)
{
    statusPanels_[panel]->setText(text);
}

void TForm1::portOpenFailed()
{
    showError(texts_.text(TextKey::PortOpenError));
}

void TForm1::showNoReply(bool noReply)
{
    setStatusPanelText(0, noReply ? texts_.text(TextKey::NoReply) : QString());
}

void TForm1::showTransmissionError(bool failing)
{
    setPropertyByName(this, QStringLiteral("TranserrorLabel"), "text", failing ? texts_.text(TextKey::NoReply) : QString());
}

} // namespace qx
