#include "ParametersPage.h"

#include "ParameterSet.h"
#include "ResetValues.h"
#include "tledmeter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace qx {

ParametersPage::ParametersPage(ParameterSet &parameters, QComboBox *analogThresholdField, QWidget *parent)
    : QWidget(parent), parameters_(parameters), analogThresholdField_(analogThresholdField)
{
    setObjectName(QStringLiteral("ParametryTab"));
    buildGroups();
    buildCommands();
    buildCommentLineAndStrip();
    LayoutParameterPage(12, 236, 316, 800);

    // Boxes react to every change of their tick, by the user or by code, as
    // the read and the reset expect; the list only to the user's choice, so an
    // entry selected by code leaves Edit10 as it was.
    connect(CheckBox13_3, &QCheckBox::toggled, this, &ParametersPage::CheckBox13_3Click);
    connect(CheckBox15, &QCheckBox::toggled, this, &ParametersPage::CheckBox15Click);
    connect(CheckBox8_2, &QCheckBox::toggled, this, &ParametersPage::CheckBox8_2Click);
    connect(CheckBox22_2, &QCheckBox::toggled, this, &ParametersPage::CheckBox22_2Click);
    connect(WylaczkomentarzeCheck, &QCheckBox::toggled, this, &ParametersPage::WylaczkomentarzeCheckClick);
    connect(ComboBox9, &QComboBox::activated, this, &ParametersPage::ComboBox9Change);
    connect(Edit22_1, &QLineEdit::textEdited, this, &ParametersPage::switchTemperatureEdited);
}

void ParametersPage::ShowParameters()
{
    const ParameterSet &set = parameters_;
    for (const ParameterEntry &entry : parameterCatalogue()) {
        QWidget *control = controlOf(entry.param);
        if (auto *list = qobject_cast<QComboBox *>(control)) {
            list->setCurrentIndex(set.text(entry.param).toInt());
        } else if (auto *field = qobject_cast<QLineEdit *>(control)) {
            field->setText(set.text(entry.param));
        } else if (auto *box = qobject_cast<QCheckBox *>(control); box && box != CheckBox22_2) {
            // Without their handlers, which would put default lambda times
            // over the ones just shown.
            const QSignalBlocker quiet(box);
            box->setChecked(shownTicked(set, entry.param));
        }
    }
    analogThresholdField_->setCurrentText(set.text(P::AnalogThreshold));
    Edit10->setEnabled(set.text(P::RpmKind) != QLatin1String("0"));
    enableCutoffFields(set.text(P::CutoffOn) == QLatin1String("1"));
}

void ParametersPage::CollectParameters()
{
    ParameterSet &set = parameters_;
    for (const ParameterEntry &entry : parameterCatalogue()) {
        if (controlOf(entry.param))
            set.setText(entry.param, controlValue(entry.param));
    }
    set.setText(P::AnalogThreshold, analogThresholdField_->currentText());
}

void ParametersPage::ResetParameters()
{
    for (const auto &[param, value] : resetValues())
        setControlValue(param, value);
    parameters_.TempSensorOn = 0;
    CollectParameters();
}

QWidget *ParametersPage::controlOf(Param param) const
{
    const ParameterEntry *entry = catalogueEntry(param);
    return entry && !entry->control.name.isEmpty() ? findChild<QWidget *>(entry->control.name) : nullptr;
}

QString ParametersPage::fieldText(Param param) const
{
    const auto *field = qobject_cast<QLineEdit *>(controlOf(param));
    return field ? field->text() : QString();
}

QString ParametersPage::controlValue(Param param) const
{
    QWidget *control = controlOf(param);
    if (const auto *list = qobject_cast<QComboBox *>(control))
        return QString::number(list->currentIndex());
    if (const auto *box = qobject_cast<QCheckBox *>(control))
        return flagText(box->isChecked());
    return fieldText(param);
}

void ParametersPage::setControlValue(Param param, const QString &value, bool runBoxHandler)
{
    if (param == P::AnalogThreshold) {
        analogThresholdField_->setCurrentText(value);
        return;
    }
    QWidget *control = controlOf(param);
    if (auto *list = qobject_cast<QComboBox *>(control)) {
        list->setCurrentIndex(value.toInt());
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        const QSignalBlocker quiet(runBoxHandler ? nullptr : box);
        box->setChecked(value.toInt() != 0);
    } else if (auto *field = qobject_cast<QLineEdit *>(control)) {
        field->setText(value);
    }
}

int ParametersPage::listEntries(Param param) const
{
    const auto *list = qobject_cast<QComboBox *>(controlOf(param));
    return list ? list->count() : 0;
}

QString ParametersPage::listEntryText(Param param, int index) const
{
    const auto *list = qobject_cast<QComboBox *>(controlOf(param));
    return list && index >= 0 && index < list->count() ? list->itemText(index) : QString();
}

QString ParametersPage::captionText(Param param) const
{
    const ParameterEntry *entry = catalogueEntry(param);
    return entry && controlOf(param) ? findChild<QLabel *>(entry->control.caption)->text() : QString();
}

QString ParametersPage::temperatureCaption() const
{
    return ZmiennaTemperaturaLabel->text();
}

void ParametersPage::setTemperatureSensorOn(bool on)
{
    // A change of the tick runs the box's own handler, as a click would.
    CheckBox22_2->setChecked(on);
}

void ParametersPage::CheckBox13_3Click()
{
    // A Bosch probe has no timing of its own: both times go to zero, and back
    // to the usual 500 ms when the box is cleared.
    const bool bosch = CheckBox13_3->isChecked();
    const QString time = bosch ? QStringLiteral("0") : QStringLiteral("500");
    Edit13_1->setText(time);
    Edit13_2->setText(time);
    parameters_.setText(P::BoschProbe, flagText(bosch));
    emit parametersEdited();
}

void ParametersPage::CheckBox15Click()
{
    const bool cutoffOn = CheckBox15->isChecked();
    enableCutoffFields(cutoffOn);
    parameters_.setText(P::CutoffOn, flagText(cutoffOn));
    emit parametersEdited();
}

void ParametersPage::enableCutoffFields(bool enabled)
{
    Edit16->setEnabled(enabled);
    Edit17->setEnabled(enabled);
}

void ParametersPage::followListAndBoxes()
{
    ComboBox9Change();
    enableCutoffFields(CheckBox15->isChecked());
}

void ParametersPage::showTemperatureSensor(bool supported)
{
    for (QWidget *control : {static_cast<QWidget *>(CheckBox22_2), static_cast<QWidget *>(checkbox22_2_label),
                             static_cast<QWidget *>(Edit22_1), static_cast<QWidget *>(minprzelbgLabel)})
        control->setVisible(supported);
    const bool reading = supported && CheckBox22_2->isChecked();
    ZmiennaTemperatura->setVisible(reading);
    ZmiennaTemperaturaLabel->setVisible(reading);
}

void ParametersPage::CheckBox8_2Click()
{
    parameters_.setText(P::MaxGasRpmOff, flagText(CheckBox8_2->isChecked()));
    emit parametersEdited();
}

void ParametersPage::CheckBox22_2Click()
{
    const bool sensorOn = CheckBox22_2->isChecked();
    parameters_.TempSensorOn = sensorOn ? 1 : 0;
    ZmiennaTemperatura->setVisible(sensorOn);
    ZmiennaTemperaturaLabel->setVisible(sensorOn);
    emit parametersEdited();
}

void ParametersPage::ComboBox9Change()
{
    Edit10->setEnabled(ComboBox9->currentIndex() != 0);
}

void ParametersPage::showLiveStrip(const LiveStripView &view)
{
    ZmiennaLambda->setText(view.lambdaVolts);
    LEDMeter2->setPosition(view.lambdaBar);
    ZmiennaTPS->setText(view.tpsVolts);
    if (view.temperatureText)
        ZmiennaTemperatura->setText(*view.temperatureText);
    if (view.rpmText)
        ZmiennaObroty->setText(*view.rpmText);
    ZmiennaSilnikKrokowy->setText(view.stepperText);
    ZmiennaGazBenzyna->setText(view.fuelText);
    QPalette palette = ZmiennaGazBenzyna->palette();
    palette.setColor(QPalette::WindowText, view.fuelColour);
    ZmiennaGazBenzyna->setPalette(palette);
}

bool ParametersPage::temperatureSensorOn() const
{
    return CheckBox22_2->isChecked();
}

bool ParametersPage::commentsOff() const
{
    return WylaczkomentarzeCheck->isChecked();
}

void ParametersPage::setCommentsOff(bool off)
{
    WylaczkomentarzeCheck->setChecked(off);
}

void ParametersPage::focusProbeList()
{
    ComboBox1->setFocus();
}

void ParametersPage::WylaczkomentarzeCheckClick()
{
    commentsOn_ = !WylaczkomentarzeCheck->isChecked();
    if (!commentsOn_)
        info->clear();
}

} // namespace qx
