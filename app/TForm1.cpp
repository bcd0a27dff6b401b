#include "TForm1.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "AdaptationPage.h"
#include "AsFoundFolder.h"
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
#include "ProgramVersion.h"
#include "RpmPage.h"
#include "VisualisationPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

namespace qx {

TForm1::TForm1(std::unique_ptr<PortIo> port, PortNameResolver ports, QWidget *parent)
    : QMainWindow(parent),
      channel_(std::move(port), std::move(ports), this),
      protocol_(channel_),
      exchange_(protocol_, parameters_, [this](TextKey key) { return texts_.text(key); }),
      status_(*this),
      menu_(buildMainMenu(this)),
      pages_(buildMainPages(*this, parameters_, texts_)),
      timers_(this),
      livePolls_(protocol_, liveAverage_, parameters_, [this](TextKey key) { return texts_.text(key); },
                 *pages_.WizualizacjaTab, *pages_.ParametryTab),
      editor_(new ParameterEditor(*pages_.ParametryTab, [this](TextKey key) { return texts_.text(key); })),
      files_(new ParameterFileCommands(*pages_.ParametryTab, [this](TextKey key) { return texts_.text(key); },
                                       parameterHome(), AsFoundFolder::defaultPath())),
      appearance_(*this, pages_, menu_, *editor_, [this](TextKey key) { return texts_.text(key); }),
      pageHost_(*this, pages_, menu_, timers_, status_, texts_, parameters_, livePolls_, *editor_, appearance_,
                navigator_, adaptation_),
      navigator_(pageHost_, protocol_, exchange_, liveAverage_, texts_, timers_.pageTimers()),
      adaptation_(*pages_.AutoadaptacjaTab, protocol_, liveAverage_, adaptationState_, pageHost_,
                  timers_.adaptationTimers()),
      languages_(*this, texts_, pages_, menu_.languageItems, *this),
      safetyNet_(protocol_, *files_, menu_, status_, texts_, *this),
      recording_(*this, *pages_.WizualizacjaTab, livePolls_, status_, texts_),
      connectionCheck_(*this, channel_, protocol_, timers_, texts_, menu_, *pages_.WizualizacjaTab, *this),
      help_(*this, languages_, menu_, [this](TextKey key) { return texts_.text(key); }),
      keys_(new KeyCommands(this, [this] { return pages_.current(); }))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvantix ") + programRelease());

    connect(&timers_.TimerObr, &PollTimer::timeout, this, [this] { livePolls_.TimerObrTimer(*pages_.ObrotyTab); });
    connect(&timers_.TimerWiz, &PollTimer::timeout, this, [this] { livePolls_.TimerWizTimer(); });
    connect(&timers_.TimerParamOdcz, &PollTimer::timeout, this, [this] { livePolls_.TimerParamOdczTimer(); });
    connectPageCommands();
    connectParametersPage();
    connectFitterChoices();
    connectKeys();
    connectPortMenu();
    connect(menu_.DefaultOption, &QAction::triggered, this, &TForm1::DefaultOptionClick);
    connect(menu_.PrzegladarkaButton, &QAction::triggered, this, [this] { recording_.openViewer(); });
    // A drive recording dropped on the window opens in the viewer.
    setAcceptDrops(true);
    connect(menu_.KoniecButton, &QAction::triggered, this, &TForm1::KoniecButtonClick);

    // The window's client area, with the status bar inside it as on the design;
    // the window starts zoomed, filling the screen, until a profile sizes it.
    resize(DesignWidth, DesignHeight + menuBar()->sizeHint().height());
    setWindowState(Qt::WindowMaximized);
}

TForm1::~TForm1() = default;

void TForm1::connectPageCommands()
{
    const std::pair<QAction *, Page> commands[] = {
        {menu_.ObrButton, Page::Rpm},        {menu_.ParButton, Page::Parameters},
        {menu_.WizButton, Page::Visualisation}, {menu_.AutoButton, Page::Adaptation},
        {menu_.DruButton, Page::Printing},
    };
    for (const auto &[item, page] : commands)
        connect(item, &QAction::triggered, this, [this, page = page] { navigator_.showPageFromMenu(page); });
    pages_.pagecontrol1->setChangeCheck([this] { return navigator_.pagecontrol1Changing(); });
    connect(pages_.pagecontrol1, &PageControl::changedByUser, this, [this] { navigator_.pagecontrol1Change(); });
    connect(pages_.ObrotyTab, &RpmPage::OdczytUkladuButtClicked, this, [this] { navigator_.OdczytUkladuButtClick(); });

    AdaptationPage *steps = pages_.AutoadaptacjaTab;
    connect(steps, &AdaptationPage::nextClicked, this, [this](int step) { adaptation_.next(step); });
    connect(steps, &AdaptationPage::backClicked, this, [this](int step) { adaptation_.back(step); });
    connect(steps, &AdaptationPage::stepChosen, this, [this] { adaptation_.PageControl2Change(); });
    // Step 1's sensor box is the Parameters page's, whose own handler runs.
    connect(steps, &AdaptationPage::temperatureSensorClicked, pages_.ParametryTab,
            &ParametersPage::setTemperatureSensorOn);
}

void TForm1::connectParametersPage()
{
    ParametersPage *page = pages_.ParametryTab;
    connect(page, &ParametersPage::ZapButPicClicked, this, [this] { navigator_.ZapButPicClick(); });
    connect(page, &ParametersPage::odczButPicClicked, this, [this] { navigator_.odczButPicClick(); });
    connect(page, &ParametersPage::ResButtClicked, this, [this] { navigator_.ResButtClick(); });
    connect(page, &ParametersPage::parametersEdited, this, [this] { navigator_.markParametersEdited(); });
    connect(editor_, &ParameterEditor::edited, this, [this] { navigator_.markParametersEdited(); });
    connect(editor_, &ParameterEditor::statusText, this, [this](const QString &text) { status_.setText(1, text); });
    connect(editor_, &ParameterEditor::saveByEnter, this, [this] {
        navigator_.setSaveByEnter(true);
        navigator_.ZapButPicClick();
    });
    connect(files_, &ParameterFileCommands::loaded, this, [this](bool whole) { navigator_.parametersLoaded(whole); });
}

// The values the fitter chooses or types may be sent to the car from then on.
// The two ignition lists show one choice.
void TForm1::connectFitterChoices()
{
    connect(pages_.ObrotyTab, &RpmPage::ignitionChosen, this, [this](int index) {
        pages_.AutoadaptacjaTab->setIgnitionIndex(index);
        navigator_.fitterSet(Sendable::IgnitionType);
    });
    connect(pages_.AutoadaptacjaTab, &AdaptationPage::ignitionChosen, this, [this](int index) {
        pages_.ObrotyTab->setIgnitionIndex(index);
        navigator_.fitterSet(Sendable::IgnitionType);
    });
    connect(pages_.ObrotyTab, &RpmPage::analogThresholdEdited, this,
            [this] { navigator_.fitterSet(Sendable::AnalogThreshold); });
    connect(pages_.ParametryTab, &ParametersPage::switchTemperatureEdited, this,
            [this] { navigator_.fitterSet(Sendable::SwitchTemperature); });
    connect(files_, &ParameterFileCommands::switchTemperatureLoaded, this,
            [this] { navigator_.fitterSet(Sendable::SwitchTemperature); });
}

void TForm1::connectKeys()
{
    keys_->setHandlers(
        Page::Parameters, [this](QWidget *focus) { return editor_->enter(focus); },
        [this](QWidget *focus) { return editor_->backspace(focus); },
        [this](QWidget *list) { return editor_->listChosen(list); });
    // Enter prints and nothing else: saving first would write the Parameters
    // page to the car from here.
    keys_->setHandlers(
        Page::Printing,
        [this](QWidget *) {
            pages_.DrukowanieTab->DrukujButtClick();
            return true;
        },
        nullptr);
    keys_->setHandlers(
        Page::Adaptation, [this](QWidget *) { return adaptation_.enter(); },
        [this](QWidget *) { return adaptation_.backspace(); }, [this](QWidget *) { return adaptation_.enter(); });
}

void TForm1::connectPortMenu()
{
    for (int n = 1; n <= 8; ++n)
        connect(menu_.PCOM[n - 1], &QAction::triggered, this, [this, n] { navigator_.PCOMClick(n); });
    connect(menu_.AutodetekcjaMenu, &QAction::triggered, this, [this] { navigator_.AutodetekcjaMenuClick(); });
    connect(menu_.wersjasterownika1, &QAction::triggered, this, [this] { navigator_.wersjasterownika1Click(); });
    // Each port's device in its status tip.
    connect(menu_.PortGroup, &QMenu::aboutToShow, this, [this] {
        for (int n = 1; n <= 8; ++n) {
            const QString device = channel_.resolvedDevice(QStringLiteral("com%1").arg(n));
            menu_.PCOM[n - 1]->setStatusTip(device.isEmpty() ? QStringLiteral("—") : device);
        }
    });
    // Autodetection is offered only while the focus is on the RPM page.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (QWidget *w = now; w; w = w->parentWidget()) {
            if (w->parentWidget() && w->parentWidget()->parentWidget() == pages_.pagecontrol1) {
                menu_.AutodetekcjaMenu->setVisible(w == pages_.ObrotyTab);
                return;
            }
        }
    });
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
    appearance_.centreOnScreen();
    // The comments flag lives with the page and follows its box.
    pages_.ParametryTab->WylaczkomentarzeCheckClick();
    // Listing the machine's serial ports takes a while; it sends nothing.
    channel_.resolvePort(protocol_.portName());
}

void TForm1::identifyController()
{
    // The controller, then the RPM page polling it.
    navigator_.identifyAtStartUp();
    pages_.ObrotyTab->show();
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
    pageHost_.setPrintingTabVisible(false);
    parameters_.setAllZero();
    SetBuiltInTexts(texts_);
    // Whether the profile is remembered is the settings' to say.
    menu_.PamOstRozdz->setChecked(false);
    appearance_.CaptureGeometry();
    pages_.ObrotyTab->hide();
    pages_.WizualizacjaTab->setSampleInterval(5);
    AssignBuiltInHelpTexts(texts_);
}

void TForm1::loadPreferencesAndLanguage()
{
    const QString languageCode = ReadAppSettings();
    languages_.CheckLanguageFiles();
    if (const LanguageChoice *language = languageOfCode(languageCode))
        languages_.LoadLanguageFile(QLatin1String(language->file));
    status_.setText(0, QString());
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        pages_.ObrotyTab->focusIgnitionList();
    return QMainWindow::event(event);
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
    status_.setText(1, texts_.text(TextKey::NoInstanceGuard));
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    help_.closeHelp();
    event->accept();
}

void TForm1::FormClose()
{
    StopAllTimers();
    WriteAppSettings();
}

void TForm1::DefaultOptionClick()
{
    protocol_.ClosePort();
    navigator_.PCOMClick(1);
    languages_.loadDefault();
    appearance_.ApplyResolution(0);
    appearance_.loadSkin(defaultSkin());
    navigator_.readIntoPage();
    protocol_.OpenPort();
}

bool TForm1::onPetrol() const
{
    return livePolls_.onPetrol();
}

void TForm1::RefreshPrintoutTexts()
{
    pageHost_.RefreshPrintoutTexts();
}

void TForm1::showParametersPage()
{
    if (!onParametersPage())
        navigator_.showPageFromMenu(Page::Parameters);
}

bool TForm1::onParametersPage() const
{
    return pages_.current() == Page::Parameters;
}

void TForm1::StopAllTimers()
{
    pageHost_.StopAllTimers();
}

void TForm1::portOpenFailed()
{
    showError(texts_.text(TextKey::PortOpenError));
}

void TForm1::showNoReply(bool noReply)
{
    status_.setText(0, noReply ? texts_.text(TextKey::NoReply) : QString());
}

void TForm1::showTransmissionError(bool failing)
{
    pages_.WizualizacjaTab->showTransmissionError(failing ? texts_.text(TextKey::NoReply) : QString());
}

namespace {

// The one local .csv file a drop carries, or nothing.
QString droppedRecording(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedRecording(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent *event)
{
    const QString recording = droppedRecording(event->mimeData());
    if (recording.isEmpty())
        return;
    event->acceptProposedAction();
    recording_.openViewer(recording);
}

} // namespace qx
