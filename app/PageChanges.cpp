// Moving between the pages of the main window decides who owns the serial
// port and which polling timer runs: leaving a page stops every timer and
// closes the port, entering one prepares it, reopens the port and starts its
// timer.
#include "TForm1.h"

#include "BuiltInTexts.h"
#include "ControlsByName.h"
#include "DialogService.h"
#include "LeaveChecks.h"
#include "PageControl.h"
#include "ParametersPage.h"
#include "Pause.h"
#include "ParameterWrite.h"
#include "ProtocolTables.h"
#include "RpmPage.h"
#include "VisualisationPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace qx {

bool TForm1::pagecontrol1Changing()
{
    QWidget *leaving = pagecontrol1->currentWidget();
    if (leaving == ObrotyTab && protocol_.CheckAnalogModel(this)) {
        channel_.ClosePort();
        // The controller's threshold is asked for, but the fitter's own entry
        // in the field is what gets written: it is never overwritten here.
        protocol_.ReadAnalogThreshold();
        ParametryTab->CollectParameters();
        exchange_.SaveAnalogThreshold();
    }
    if (leaving != ParametryTab)
        return true;
    const LeaveVerdict verdict = checkParametersPageLeave(
        {ParametryTab->Edit12->text(), ParametryTab->Edit11_1->text(), ParametryTab->Edit11_2->text(),
         ParametryTab->Edit14->text(), ParametryTab->Edit2->text(), ParametryTab->Edit18->text()});
    for (const LeaveMessage &message : verdict.messages)
        showLeaveMessage(message.key, message.suffix);
    return verdict.allowed;
}

void TForm1::showLeaveMessage(int key, const QString &suffix)
{
    showError(suffix.isEmpty() ? texts_.text(key) : texts_.text(key) + QLatin1Char(' ') + suffix);
}

void TForm1::pagecontrol1Change()
{
    leavePage();
    QWidget *page = pagecontrol1->currentWidget();
    if (page == ObrotyTab)
        enterRpmPage();
    else if (page == WizualizacjaTab)
        enterVisualisationPage();
    else if (page == ParametryTab)
        enterParametersPage();
    else if (page == AutoadaptacjaTab)
        EnterAdaptation();
    else if (page == DrukowanieTab)
        enterPrintingPage();
}

void TForm1::leavePage()
{
    const auto sendIgnitionType = [this](const char *list) {
        const QVariant index = propertyByName(this, QLatin1String(list), "currentIndex");
        const int value = index.isValid() ? index.toInt() : -1;
        protocol_.send({Cmd::IgnitionType, quint8(value & 0xFF), quint8((value >> 8) & 0xFF)});
    };
    // Leaving the RPM page of a version-8 controller writes the analog
    // threshold first, which closes the port; the fitter's ignition choice
    // must still reach the controller.
    if ((TimerObr->isActive() || TimerAdaptTerm->isActive()) && !channel_.isOpen())
        channel_.OpenPort(protocol_.portName());
    if (TimerObr->isActive())
        sendIgnitionType("ComboBox2");
    if (TimerAdaptTerm->isActive())
        sendIgnitionType("ComboTerm");
    liveAverage_.reset();
    protocol_.ShowControllerVersion(this);
    StopAllTimers();
    channel_.ClosePort();
    setStatusPanelText(1, QString());
}

void TForm1::writeParametersIfOutOfSync()
{
    if (!parametersInSync_ && parametersPageFilled_)
        SaveParameters();
}

void TForm1::SaveParameters()
{
    ParametryTab->CollectParameters();
    exchange_.WriteAllParameters();
    pauseMs(WriteStepPauseMs);
}

bool TForm1::readParameters()
{
    const std::optional<BlockFacts> facts = exchange_.ReadParameters();
    if (!facts)
        return false;
    ObrotyTab->ComboBox2->setCurrentIndex(facts->ignitionListIndex);
    // A change of the tick runs the box's own handler, as a click would.
    ParametryTab->CheckBox22_2->setChecked(facts->tempSensorOn);
    return true;
}

void TForm1::PrepareVisualisation()
{
    livePolls_->applyProbeVariantToVisualisation(1.0);
    protocol_.ApplyTemperatureOptions(this);
}

void TForm1::ApplyProbeVariantToParameters()
{
    livePolls_->applyProbeVariantToParameters();
    protocol_.ApplyTemperatureOptions(this);
}

void TForm1::focusByName(const QString &name)
{
    if (auto *control = findChild<QWidget *>(name))
        control->setFocus();
}

void TForm1::enterRpmPage()
{
    ObrotyTab->hide();
    writeParametersIfOutOfSync();
    protocol_.LoadIgnitionType(this);
    channel_.OpenPort(protocol_.portName());
    TimerObr->start();
    ObrotyTab->show();
    parametersInSync_ = true;
    ObrotyTab->ComboBox2->setFocus();
    if (protocol_.CheckAnalogModel(this)) {
        protocol_.ReadAnalogThreshold();
        ObrotyTab->Edit23->setCurrentText(protocol_.state().AnalogThresholdText);
    }
}

void TForm1::enterVisualisationPage()
{
    WizualizacjaTab->hide();
    writeParametersIfOutOfSync();
    readParameters();
    PrepareVisualisation();
    channel_.OpenPort(protocol_.portName());
    TimerWiz->start();
    WizualizacjaTab->show();
    parametersInSync_ = true;
    focusByName(QStringLiteral("CheckBox41"));
}

void TForm1::enterParametersPage()
{
    parametersPageVisited_ = true;
    pagecontrol1->setTabVisible(pagecontrol1->indexOf(DrukowanieTab), true);
    parametersInSync_ = false;
    ParametryTab->hide();
    const bool read = readParameters();
    protocol_.ApplyTemperatureOptions(this);
    // A block that did not arrive leaves the page as it was.
    if (read) {
        ParametryTab->ShowParameters();
        parametersPageFilled_ = true;
    }
    ApplyProbeVariantToParameters();
    channel_.OpenPort(protocol_.portName());
    TimerParamOdcz->start();
    ParametryTab->show();
    ParametryTab->ComboBox1->setFocus();
}

void TForm1::EnterAdaptation()
{
    AutoadaptacjaTab->hide();
    parametersInSync_ = false;
    channel_.OpenPort(protocol_.portName());
    setPropertyByName(this, QStringLiteral("termbutton"), "enabled", !protocol_.state().TempSensorSupported);
    channel_.ClosePort();
    protocol_.LoadIgnitionType(this);
    channel_.OpenPort(protocol_.portName());
    TimerAdaptTerm->start();
    AutoadaptacjaTab->show();
    focusByName(QStringLiteral("ComboTerm"));
}

void TForm1::enterPrintingPage()
{
    DrukowanieTab->hide();
    parametersInSync_ = false;
    RefreshPrintoutTexts();
    DrukowanieTab->show();
}

void TForm1::showPageFromMenu(QWidget *page)
{
    pagecontrol1->hide();
    pagecontrol1->setCurrentWidget(page);
    pagecontrol1->show();
    pagecontrol1Change();
}

void TForm1::ObrButtonClick()
{
    showPageFromMenu(ObrotyTab);
}

void TForm1::ParButtonClick()
{
    showPageFromMenu(ParametryTab);
}

void TForm1::WizButtonClick()
{
    showPageFromMenu(WizualizacjaTab);
}

void TForm1::AutoButtonClick()
{
    showPageFromMenu(AutoadaptacjaTab);
}

void TForm1::DruButtonClick()
{
    showPageFromMenu(DrukowanieTab);
}

void TForm1::ZapButPicClick()
{
    TimerParamOdcz->stop();
    channel_.ClosePort();
    if (!saveByEnter_)
        ParametryTab->ComboBox1->setFocus();
    SaveParameters();
    parametersInSync_ = true;
    parametersPageFilled_ = true;
    channel_.OpenPort(protocol_.portName());
    TimerParamOdcz->start();
    setStatusPanelText(1, texts_.text(TextKey::ParametersWritten));
    saveByEnter_ = false;
}

void TForm1::odczButPicClick()
{
    TimerParamOdcz->stop();
    channel_.ClosePort();
    protocol_.ApplyTemperatureOptions(this);
    protocol_.ShowControllerVersion(this);
    channel_.ClosePort();
    if (!saveByEnter_)
        ParametryTab->ComboBox1->setFocus();
    const bool read = readParameters();
    if (read) {
        ParametryTab->ShowParameters();
        parametersPageFilled_ = true;
    }
    channel_.OpenPort(protocol_.portName());
    TimerParamOdcz->start();
    // "Read" only when something was: without a reply the no-reply text
    // stands alone.
    if (read)
        setStatusPanelText(1, texts_.text(TextKey::ParametersRead));
    saveByEnter_ = false;
}

} // namespace qx
