#include "TForm1.h"

#include "AdaptationPage.h"
#include "BuiltInTexts.h"
#include "DataFolders.h"
#include "DialogService.h"
#include "KeyCommands.h"
#include "PageControl.h"
#include "ParameterEditor.h"
#include "ParameterFileCommands.h"
#include "ParametersPage.h"
#include "PortIo.h"
#include "PrintingPage.h"
#include "PrintoutTexts.h"
#include "RpmPage.h"
#include "TForm3.h"
#include "VisualisationPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
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
      protocol_(channel_),
      exchange_(protocol_, parameters_),
      navigator_(*this, protocol_, exchange_, liveAverage_, texts_)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvantix 4.3"));

    buildStatusBar();
    menu_ = buildMainMenu(this);
    // As on the form: a skin and a port are ticked, no language; the settings
    // tick the language they name.
    skinTick_.stand(menu_.skorkaZwy);
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
    connect(TimerObr, &QTimer::timeout, this, [this] { livePolls_->TimerObrTimer(*ObrotyTab); });
    connect(TimerWiz, &QTimer::timeout, this, [this] { livePolls_->TimerWizTimer(); });
    connect(TimerParamOdcz, &QTimer::timeout, this, [this] { livePolls_->TimerParamOdczTimer(); });
    connect(TimerAdaptTerm, &QTimer::timeout, this, [this] { adaptation_->TimerAdaptTermTimer(); });
    connect(TimerUstTpsProg, &QTimer::timeout, this, [this] { adaptation_->TimerUstTpsProgTimer(); });
    connect(TimerKalibSonda, &QTimer::timeout, this, [this] { adaptation_->TimerKalibSondaTimer(); });
    connect(TimerPrzedRed, &QTimer::timeout, this, [this] { adaptation_->TimerPrzedRedTimer(); });
    connect(TimerRR, &QTimer::timeout, this, [this] { adaptation_->TimerRRTimer(); });
    connect(TimerMinMax1, &QTimer::timeout, this, [this] { adaptation_->TimerMinMaxTimer(); });
    connect(TimerMinMax2, &QTimer::timeout, this, [this] { adaptation_->TimerMinMaxTimer(); });

    connectMenu();
    buildAboutAndHelp();
    buildAppearance();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (QWidget *w = now; w; w = w->parentWidget()) {
            if (w->parentWidget() && w->parentWidget()->parentWidget() == pagecontrol1) {
                pageEntered(w);
                return;
            }
        }
    });

    // The window's client area, with the status bar inside it as on the design;
    // the window starts zoomed, filling the screen, until a profile sizes it.
    resize(DesignWidth, DesignHeight + menuBar()->sizeHint().height());
    setWindowState(Qt::WindowMaximized);
}

TForm1::~TForm1() = default;

void TForm1::buildStatusBar()
{
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    static constexpr int panelWidths[2] = {150, 50};
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel(status);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        statusPanels_[i]->setTextFormat(Qt::PlainText);
        statusPanels_[i]->setMinimumWidth(panelWidths[i]);
    }
    // The first panel keeps its width; the last one runs to the window's edge.
    statusPanels_[0]->setFixedWidth(panelWidths[0]);
    status->addWidget(statusPanels_[0]);
    status->addWidget(statusPanels_[1], 1);
    setStatusBar(status);
}

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

void TForm1::buildPages()
{
    auto *client = new QWidget(this);
    pagecontrol1 = new PageControl(client);
    pagecontrol1->setObjectName(QStringLiteral("pagecontrol1"));
    pagecontrol1->setGeometry(2, 0, 791, 513);
    ObrotyTab = new RpmPage;
    pagecontrol1->addTab(ObrotyTab, QStringLiteral("Obroty"));
    ParametryTab = new ParametersPage(parameters_, ObrotyTab->analogThresholdField());
    pagecontrol1->addTab(ParametryTab, QStringLiteral("Parametry systemu"));
    WizualizacjaTab = new VisualisationPage;
    pagecontrol1->addTab(WizualizacjaTab, QStringLiteral("Wizualizacja"));
    livePolls_ = std::make_unique<LivePolls>(protocol_, liveAverage_, parameters_,
                                             [this](TextKey key) { return texts_.text(key); }, *WizualizacjaTab,
                                             *ParametryTab);
    editor_ = new ParameterEditor(*ParametryTab, [this](TextKey key) { return texts_.text(key); });
    files_ = new ParameterFileCommands(*ParametryTab, [this](TextKey key) { return texts_.text(key); },
                                       parameterHome(), asFound_.folder().path());
    AutoadaptacjaTab = new AdaptationPage;
    pagecontrol1->addTab(AutoadaptacjaTab, QStringLiteral("Autoadaptacja"));
    adaptation_ = std::make_unique<AdaptationRun>(*AutoadaptacjaTab, protocol_, liveAverage_, adaptationState_,
                                                  static_cast<AdaptationHost &>(*this));
    DrukowanieTab = new PrintingPage([this](TextKey key) { return texts_.text(key); });
    pagecontrol1->addTab(DrukowanieTab, QStringLiteral("Drukowanie parametrów"));
    setCentralWidget(client);
}

void TForm1::connectMenu()
{
    connect(menu_.ObrButton, &QAction::triggered, this, &TForm1::ObrButtonClick);
    connect(menu_.ParButton, &QAction::triggered, this, &TForm1::ParButtonClick);
    connect(menu_.WizButton, &QAction::triggered, this, &TForm1::WizButtonClick);
    connect(menu_.AutoButton, &QAction::triggered, this, &TForm1::AutoButtonClick);
    connect(menu_.DruButton, &QAction::triggered, this, &TForm1::DruButtonClick);
    pagecontrol1->setChangeCheck([this] { return navigator_.pagecontrol1Changing(); });
    connect(pagecontrol1, &PageControl::changedByUser, this, [this] { navigator_.pagecontrol1Change(); });
    connect(ParametryTab, &ParametersPage::ZapButPicClicked, this, &TForm1::ZapButPicClick);
    connect(ParametryTab, &ParametersPage::odczButPicClicked, this, &TForm1::odczButPicClick);
    connect(ParametryTab, &ParametersPage::ResButtClicked, this, &TForm1::ResButtClick);
    connect(menu_.DefaultOption, &QAction::triggered, this, &TForm1::DefaultOptionClick);
    connectLanguageMenu();
    connect(ParametryTab, &ParametersPage::parametersEdited, this, [this] { navigator_.markParametersEdited(); });
    connect(editor_, &ParameterEditor::edited, this, [this] { navigator_.markParametersEdited(); });
    connect(editor_, &ParameterEditor::statusText, this, [this](const QString &text) { setStatusText(1, text); });
    connect(editor_, &ParameterEditor::saveByEnter, this, [this] {
        navigator_.setSaveByEnter(true);
        navigator_.ZapButPicClick();
    });
    connect(files_, &ParameterFileCommands::loaded, this, [this](bool whole) { navigator_.parametersLoaded(whole); });
    connectFitterChoices();
    keys_ = new KeyCommands(this, [this] { return currentPage(); });
    keys_->setHandlers(
        Page::Parameters, [this](QWidget *focus) { return editor_->enter(focus); },
        [this](QWidget *focus) { return editor_->backspace(focus); },
        [this](QWidget *list) { return editor_->listChosen(list); });
    // Enter prints and nothing else: saving first would write the Parameters
    // page to the car from here.
    keys_->setHandlers(
        Page::Printing,
        [this](QWidget *) {
            DrukowanieTab->DrukujButtClick();
            return true;
        },
        nullptr);
    keys_->setHandlers(
        Page::Adaptation, [this](QWidget *) { return adaptation_->enter(); },
        [this](QWidget *) { return adaptation_->backspace(); }, [this](QWidget *) { return adaptation_->enter(); });
    connect(AutoadaptacjaTab, &AdaptationPage::nextClicked, this, [this](int step) { adaptation_->next(step); });
    connect(AutoadaptacjaTab, &AdaptationPage::backClicked, this, [this](int step) { adaptation_->back(step); });
    connect(AutoadaptacjaTab, &AdaptationPage::stepChosen, this, [this] { adaptation_->PageControl2Change(); });
    // Step 1's sensor box is the Parameters page's, whose own handler runs.
    connect(AutoadaptacjaTab, &AdaptationPage::temperatureSensorClicked, ParametryTab,
            &ParametersPage::setTemperatureSensorOn);
    connect(menu_.KoniecButton, &QAction::triggered, this, &TForm1::KoniecButtonClick);
    for (int n = 1; n <= 8; ++n)
        connect(menu_.PCOM[n - 1], &QAction::triggered, this, [this, n] {
            PCOMClick(n);
            // Another port may well be another car.
            asFound_.arm();
        });
    connect(menu_.AutodetekcjaMenu, &QAction::triggered, this, &TForm1::AutodetekcjaMenuClick);
    connect(menu_.skorkaZwy, &QAction::triggered, this, &TForm1::skorkaZwyClick);
    connect(menu_.skorkaKol, &QAction::triggered, this, &TForm1::skorkaKolClick);
    connect(menu_.SkorkaSil, &QAction::triggered, this, &TForm1::SkorkaSilClick);
    connect(menu_.SkorkaBez, &QAction::triggered, this, &TForm1::SkorkaBezClick);
    connect(menu_.wersjasterownika1, &QAction::triggered, this, &TForm1::wersjasterownika1Click);
    connect(ObrotyTab, &RpmPage::OdczytUkladuButtClicked, this, &TForm1::OdczytUkladuButtClick);
    connect(menu_.PortGroup, &QMenu::aboutToShow, this, &TForm1::describePorts);
    connectSafetyNet();
    connectDriveRecording();
    connectConnectionCheck();
}

// The values the fitter chooses or types may be sent to the car from then on.
// The two ignition lists show one choice.
void TForm1::connectFitterChoices()
{
    connect(ObrotyTab, &RpmPage::ignitionChosen, this, [this](int index) {
        AutoadaptacjaTab->setIgnitionIndex(index);
        navigator_.fitterSet(Sendable::IgnitionType);
    });
    connect(AutoadaptacjaTab, &AdaptationPage::ignitionChosen, this, [this](int index) {
        ObrotyTab->setIgnitionIndex(index);
        navigator_.fitterSet(Sendable::IgnitionType);
    });
    connect(ObrotyTab, &RpmPage::analogThresholdEdited, this,
            [this] { navigator_.fitterSet(Sendable::AnalogThreshold); });
    connect(ParametryTab, &ParametersPage::switchTemperatureEdited, this,
            [this] { navigator_.fitterSet(Sendable::SwitchTemperature); });
    connect(files_, &ParameterFileCommands::switchTemperatureLoaded, this,
            [this] { navigator_.fitterSet(Sendable::SwitchTemperature); });
}

void TForm1::FormCreate()
{
    prepareBeforeController();
    identifyController();
}

void TForm1::prepareBeforeController()
{
    resetProgramState();
    setBuiltInTextsAndLayout();
    loadPreferencesAndLanguage();
    centreOnScreen();
    // The comments flag lives with the page and follows its box.
    ParametryTab->WylaczkomentarzeCheckClick();
    // Listing the machine's serial ports takes a while; it sends nothing.
    channel_.resolvePort(protocol_.portName());
}

void TForm1::identifyController()
{
    // The controller, then the RPM page polling it.
    navigator_.identifyAtStartUp();
    ObrotyTab->show();
}

void TForm1::resetProgramState()
{
    navigator_.setSaveByEnter(false);
    liveAverage_.reset();
    channel_.resetEmptyReadCount();
}

// Texts and layout as designed, before settings and language change them.
void TForm1::setBuiltInTextsAndLayout()
{
    setPrintingTabVisible(false);
    parameters_.setAllZero();
    SetBuiltInTexts(texts_);
    // Whether the profile is remembered is the settings' to say.
    menu_.PamOstRozdz->setChecked(false);
    CaptureGeometry();
    ObrotyTab->hide();
    WizualizacjaTab->setSampleInterval(5);
    helpFile_ = QStringLiteral("help/quorvantix_pl.html");
    AssignBuiltInHelpTexts(texts_);
}

void TForm1::loadPreferencesAndLanguage()
{
    ReadAppSettings();
    CheckLanguageFiles();
    const QString languageFile = languageFileForCode(languageCode_);
    if (!languageFile.isEmpty())
        LoadLanguageFile(languageFile);
    setStatusText(0, QString());
}

// A window that fills its screen is left where the window system put it;
// any other is centred by its outer size, title bar and borders included.
void TForm1::centreOnScreen()
{
    centring_ = CentreRounding::EachHalf;
    if (!(windowState() & Qt::WindowMaximized))
        move(centredOn(screenArea(), size() + frameSize(), *centring_));
}

void TForm1::LayoutParameterPage(int sizeClass, int editColumn, int groupWidth, int width)
{
    ParametryTab->LayoutParameterPage(sizeClass, editColumn, groupWidth, width);
    DrukowanieTab->LayoutPrintout(sizeClass, editColumn);
}

void TForm1::FormActivate()
{
    ObrotyTab->focusIgnitionList();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
        // By now the window system has framed the window.
        fitFrame();
    }
    return QMainWindow::event(event);
}

void TForm1::StopAllTimers()
{
    for (QTimer *timer : {TimerObr, TimerWiz, TimerAdaptTerm, TimerUstTpsProg, TimerKalibSonda, TimerPrzedRed, TimerRR,
                          TimerMinMax1, TimerMinMax2, TimerParamOdcz})
        timer->stop();
    // A recording ends with the polling that feeds it: leaving the page, closing the window.
    livePolls_->stopRecording();
}

void TForm1::KoniecButtonClick()
{
    if (!askQuestion(texts_.text(TextKey::ExitQuestion)))
        return;
    StopAllTimers();
    WriteAppSettings();
    close();
}

void TForm1::reportNoInstanceGuard()
{
    setStatusText(1, texts_.text(TextKey::NoInstanceGuard));
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    closeHelp();
    event->accept();
}

void TForm1::FormClose()
{
    StopAllTimers();
    WriteAppSettings();
}

void TForm1::ObrButtonClick()
{
    navigator_.showPageFromMenu(Page::Rpm);
}

void TForm1::ParButtonClick()
{
    navigator_.showPageFromMenu(Page::Parameters);
}

void TForm1::WizButtonClick()
{
    navigator_.showPageFromMenu(Page::Visualisation);
}

void TForm1::AutoButtonClick()
{
    navigator_.showPageFromMenu(Page::Adaptation);
}

void TForm1::DruButtonClick()
{
    navigator_.showPageFromMenu(Page::Printing);
}

void TForm1::ZapButPicClick()
{
    navigator_.ZapButPicClick();
}

void TForm1::ResButtClick()
{
    navigator_.ResButtClick();
}

void TForm1::odczButPicClick()
{
    navigator_.odczButPicClick();
}

void TForm1::DefaultOptionClick()
{
    LoadProgramDefaults();
}

void TForm1::LoadProgramDefaults()
{
    protocol_.ClosePort();
    PCOMClick(1);
    if (LoadLanguageFile(QStringLiteral("polish.lng")))
        languageTick_.stand(menu_.JPolski);
    ApplyResolution(0);
    skorkaZwyClick();
    navigator_.readIntoPage();
    protocol_.OpenPort();
}

void TForm1::PCOMClick(int number)
{
    navigator_.PCOMClick(number);
}

void TForm1::AutodetekcjaMenuClick()
{
    asFound_.arm();
    navigator_.AutodetekcjaMenuClick();
}

void TForm1::OdczytUkladuButtClick()
{
    navigator_.OdczytUkladuButtClick();
}

void TForm1::wersjasterownika1Click()
{
    // The version asked by hand: the controller now on the port may be new.
    if (currentPage() == Page::Parameters)
        asFound_.arm();
    navigator_.wersjasterownika1Click();
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

// What the navigator asks of the window.

QWidget *TForm1::pageWidget(Page page) const
{
    switch (page) {
    case Page::Rpm: return ObrotyTab;
    case Page::Parameters: return ParametryTab;
    case Page::Visualisation: return WizualizacjaTab;
    case Page::Adaptation: return AutoadaptacjaTab;
    case Page::Printing: return DrukowanieTab;
    }
    Q_UNREACHABLE();
}

Page TForm1::currentPage() const
{
    for (Page page : {Page::Rpm, Page::Parameters, Page::Visualisation, Page::Adaptation, Page::Printing}) {
        if (pagecontrol1->currentWidget() == pageWidget(page))
            return page;
    }
    Q_UNREACHABLE();
}

void TForm1::setCurrentPage(Page page)
{
    pagecontrol1->hide();
    pagecontrol1->setCurrentWidget(pageWidget(page));
    pagecontrol1->show();
}

void TForm1::setPageShown(Page page, bool shown)
{
    pageWidget(page)->setVisible(shown);
}

void TForm1::setPrintingTabVisible(bool visible)
{
    pagecontrol1->setTabVisible(pagecontrol1->indexOf(DrukowanieTab), visible);
}

void TForm1::startTimer(const QString &timer)
{
    if (auto *t = findChild<QTimer *>(timer, Qt::FindDirectChildrenOnly))
        t->start();
}

bool TForm1::timerRunning(const QString &timer) const
{
    const auto *t = findChild<QTimer *>(timer, Qt::FindDirectChildrenOnly);
    return t && t->isActive();
}

void TForm1::focusControl(const QString &control)
{
    if (auto *widget = findChild<QWidget *>(control))
        widget->setFocus();
}

void TForm1::setStatusText(int panel, const QString &text)
{
    statusPanels_[panel]->setText(text);
    if (panel == 1)
        statusPanels_[panel]->repaint();
}

void TForm1::showPortChoice(int portNumber)
{
    menu_.PCOM[portNumber - 1]->setChecked(true);
}

int TForm1::ignitionListIndex(IgnitionList list) const
{
    return list == IgnitionList::Rpm ? ObrotyTab->ignitionIndex() : AutoadaptacjaTab->ignitionIndex();
}

QString TForm1::versionCaption(int version) const
{
    const QString caption = QStringLiteral("Quorvantix wersja 4.3 (Build ") + ProgramBuildText() + QStringLiteral(" - ");
    if (version == 0)
        return caption + texts_.text(TextKey::NoController);
    return caption + texts_.text(TextKey::ControllerLabel) + QLatin1Char(' ') + QString::number(version);
}

void TForm1::applyTemperatureOptions(bool supported)
{
    ParametryTab->showTemperatureSensor(supported);
    AutoadaptacjaTab->showTemperatureSensor(supported);
    WizualizacjaTab->showTemperatureReading(supported && ParametryTab->temperatureSensorOn());
}

void TForm1::applyIdentification(const Identification &facts)
{
    if (facts.tempSensorSupported)
        applyTemperatureOptions(*facts.tempSensorSupported);
    if (facts.analogModel)
        ObrotyTab->showAnalogThreshold(*facts.analogModel);
    if (facts.analogThreshold)
        ObrotyTab->setAnalogThresholdText(*facts.analogThreshold);
    if (facts.version)
        setWindowTitle(versionCaption(*facts.version));
    if (facts.ignitionListIndex) {
        ObrotyTab->setIgnitionIndex(*facts.ignitionListIndex);
        AutoadaptacjaTab->setIgnitionIndex(*facts.ignitionListIndex);
    }
    if (facts.tempSensorOn)
        ParametryTab->setTemperatureSensorOn(*facts.tempSensorOn);
}

void TForm1::applyBlockFacts(const BlockFacts &facts)
{
    ObrotyTab->setIgnitionIndex(facts.ignitionListIndex);
    ParametryTab->setTemperatureSensorOn(facts.tempSensorOn);
}

void TForm1::leaveFocusedField()
{
    editor_->leaveFocusedField();
}

LeaveFields TForm1::parametersLeaveFields() const
{
    const ParametersPage *p = ParametryTab;
    return {p->fieldText(P::StepStart),  p->fieldText(P::StepMin),         p->fieldText(P::StepMax),
            p->fieldText(P::StartDelay), p->fieldText(P::LambdaThreshold), p->fieldText(P::StepOpening)};
}

void TForm1::CollectParameters()
{
    ParametryTab->CollectParameters();
}

void TForm1::ResetParameters()
{
    ParametryTab->ResetParameters();
}

void TForm1::ShowParameters()
{
    ParametryTab->ShowParameters();
}

void TForm1::followParametersPage()
{
    ParametryTab->followListAndBoxes();
}

void TForm1::RefreshPrintoutTexts()
{
    qx::RefreshPrintoutTexts(*DrukowanieTab,
                             {menu_.ParButton->text(), *ParametryTab, parameters_, ObrotyTab->ignitionCaption(),
                              ObrotyTab->ignitionEntryText(),
                              navigator_.parametersPageVisited() && navigator_.parametersSetKnown()});
}

void TForm1::applyProbeVariant(Page page)
{
    if (page == Page::Visualisation)
        livePolls_->applyProbeVariantToVisualisation(layoutScale_);
    else
        livePolls_->applyProbeVariantToParameters();
}

void TForm1::HideProcedureTabs()
{
    AutoadaptacjaTab->HideProcedureTabs();
}

void TForm1::showFirstAdaptationStep()
{
    AutoadaptacjaTab->showStep(1);
    AutoadaptacjaTab->showStepHeading();
}

void TForm1::enableTemperatureAdaptation(bool enabled)
{
    adaptation_->startTemperatureStep(!enabled);
}

void TForm1::stopTimer(const QString &timer)
{
    if (auto *t = findChild<QTimer *>(timer, Qt::FindDirectChildrenOnly))
        t->stop();
}

void TForm1::startTemperatureStep()
{
    navigator_.startTemperatureStep();
}

void TForm1::CofnijAD2Click()
{
    navigator_.CofnijAD2Click();
}

void TForm1::sendIgnitionChoice()
{
    navigator_.sendAdaptationIgnitionChoice();
}

quint8 &TForm1::tempSensorOn()
{
    return parameters_.TempSensorOn;
}

void TForm1::finishAdaptation()
{
    navigator_.finishAdaptation();
}

bool TForm1::clearToWrite(std::initializer_list<Sendable> needed)
{
    return navigator_.clearToWrite(needed);
}

void TForm1::portOpenFailed()
{
    showError(texts_.text(TextKey::PortOpenError));
}

void TForm1::showNoReply(bool noReply)
{
    setStatusText(0, noReply ? texts_.text(TextKey::NoReply) : QString());
}

void TForm1::showTransmissionError(bool failing)
{
    WizualizacjaTab->showTransmissionError(failing ? texts_.text(TextKey::NoReply) : QString());
}

} // namespace qx
