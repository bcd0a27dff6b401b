#include "VisualisationPage.h"

#include "Rounding.h"
#include "VisualisationPageForm.h"
#include "PageStyle.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "tabthermometer.h"

namespace qx {

namespace {

struct TimeBase
{
    const char *caption;
    int interval; // ms between samples; a division holds 100 of them
};

// By the spinner's position, 1 to 4.
constexpr TimeBase timeBases[] = {
    {"0,5 s / dz", 5},
    {"1,0 s / dz", 10},
    {"1,5 s / dz", 15},
    {"2,0 s / dz", 20},
};

} // namespace

VisualisationPage::VisualisationPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("WizualizacjaTab"));
    buildInstruments();
    buildTexts();
    buildChart();

    // Traces and grid follow their controls from the start and on every
    // change, by the user or by code. The time base is first set by start-up.
    connect(CheckBox39, &QCheckBox::toggled, this, &VisualisationPage::CheckBox39Click);
    connect(CheckBox40, &QCheckBox::toggled, this, &VisualisationPage::CheckBox40Click);
    connect(CheckBox41, &QCheckBox::toggled, this, &VisualisationPage::CheckBox41Click);
    connect(CheckBox42, &QCheckBox::toggled, this, &VisualisationPage::CheckBox42Click);
    connect(CheckBox10, &QCheckBox::toggled, this, &VisualisationPage::CheckBox10Click);
    connect(SpeedButton4, &QToolButton::toggled, this, &VisualisationPage::SpeedButton4Click);
    connect(UpDown1, &QSpinBox::valueChanged, this, &VisualisationPage::UpDown1Click);
    for (int channel = 0; channel < TScope::channelCount; ++channel)
        showTrace(TScope::Channel(channel));
    CheckBox10Click();
}

void VisualisationPage::CheckBox39Click()
{
    showTrace(TScope::ChannelA);
}

void VisualisationPage::CheckBox40Click()
{
    showTrace(TScope::ChannelB);
}

void VisualisationPage::CheckBox41Click()
{
    showTrace(TScope::ChannelC);
}

void VisualisationPage::CheckBox42Click()
{
    showTrace(TScope::ChannelD);
}

void VisualisationPage::showTrace(TScope::Channel channel)
{
    const visualisation::TraceRow &trace = visualisation::traceRows()[size_t(channel)];
    const bool shown = (this->*trace.selector)->isChecked();
    Scope1->setChannelEnabled(channel, shown);
    (this->*trace.scalePanel)->setVisible(shown);
}

void VisualisationPage::CheckBox10Click()
{
    Scope1->setGridColor(CheckBox10->isChecked() ? pagestyle::gridColour : pagestyle::traceBackground);
}

void VisualisationPage::SpeedButton4Click()
{
    Scope1->setActive(!SpeedButton4->isChecked());
}

void VisualisationPage::UpDown1Click()
{
    const TimeBase &base = timeBases[UpDown1->value() - 1];
    WykresLambdaX->setText(QString::fromLatin1(base.caption));
    Scope1->setInterval(base.interval);
}

void VisualisationPage::placeRichLeanLabels(bool traded, double layoutScale)
{
    const int richTop = traded ? leanDesignTop_ : richDesignTop_;
    const int leanTop = traded ? richDesignTop_ : leanDesignTop_;
    Label30->move(Label30->x(), int(roundHalfEven(layoutScale * richTop)));
    Label71->move(Label71->x(), int(roundHalfEven(layoutScale * leanTop)));
}

void VisualisationPage::showTemperatureReading(bool shown)
{
    paneltemp->setVisible(shown);
    AbThermometer1->setVisible(shown);
    Label42->setVisible(shown);
}

void VisualisationPage::showTransmissionError(const QString &text)
{
    TranserrorLabel->setText(text);
}

void VisualisationPage::setSampleInterval(int interval)
{
    Scope1->setInterval(interval);
}

} // namespace qx
