#include "SimulatorWindow.h"

#include "SimLiveFrame.h"
#include "Simulator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace qxsim {

namespace {

constexpr int RefreshMs = 100;
constexpr int ReceivedBytesShown = 16;

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// Shows a value the simulator changed by itself (a scenario, the car),
// unless the user is dragging the slider.
void showValue(QSlider *slider, int value)
{
    if (!slider->isSliderDown())
        slider->setValue(value);
}

// Calls the setter only for the user's own moves, so showing a value the
// simulator changed does not feed it back (and restart a ramp).
template<typename Setter>
void onUserMove(QSlider *slider, Setter setter)
{
    QObject::connect(slider, &QSlider::actionTriggered, slider, [slider, setter] { setter(slider->sliderPosition()); });
}

} // namespace

SimulatorWindow::SimulatorWindow(Simulator &simulator, QWidget *parent)
    : QWidget(parent)
    , m_sim(simulator)
{
    setObjectName(QStringLiteral("SimulatorWindow"));
    setWindowTitle(QStringLiteral("Quorvantix controller simulator"));
    auto *layout = new QVBoxLayout(this);
    m_port = new QLabel(this);
    m_port->setObjectName(QStringLiteral("PortLabel"));
    m_port->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_port);
    auto *controls = new QHBoxLayout;
    controls->addWidget(createCarControls());
    controls->addWidget(createControllerControls());
    layout->addLayout(controls);
    layout->addWidget(createReadout());

    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &SimulatorWindow::refresh);
    timer->start(RefreshMs);
    refresh();
}

QSlider *SimulatorWindow::addSlider(QFormLayout *form, const QString &caption, const QString &name, int min,
                                    int max, const QString &unit)
{
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(name);
    slider->setRange(min, max);
    slider->setMinimumWidth(160);
    auto *value = new QLabel(this);
    value->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-0000 rpm")));
    const auto showText = [value, unit](int v) { value->setText(QStringLiteral("%1 %2").arg(v).arg(unit)); };
    showText(slider->value());
    connect(slider, &QSlider::valueChanged, value, showText);
    auto *row = new QHBoxLayout;
    row->addWidget(slider);
    row->addWidget(value);
    form->addRow(caption, row);
    return slider;
}

QWidget *SimulatorWindow::createCarControls()
{
    auto *box = new QGroupBox(QStringLiteral("Car"), this);
    auto *form = new QFormLayout(box);
    m_engine = new QCheckBox(QStringLiteral("Running"), box);
    m_engine->setObjectName(QStringLiteral("EngineCheck"));
    form->addRow(QStringLiteral("Engine"), m_engine);
    m_rpm = addSlider(form, QStringLiteral("Speed"), QStringLiteral("RpmSlider"), int(Car::MinTargetRpm), int(Car::MaxRpm), QStringLiteral("rpm"));
    m_rpm->setSingleStep(50);
    m_rpm->setPageStep(500);
    m_throttle = addSlider(form, QStringLiteral("Throttle"), QStringLiteral("ThrottleSlider"), 0, 100, QStringLiteral("%"));
    m_screw = addSlider(form, QStringLiteral("Reducer screw"), QStringLiteral("ScrewSlider"), -100, 100, QString());
    m_screw->setToolTip(QStringLiteral("Negative: leaner gas mixture, positive: richer"));
    m_gas = addSlider(form, QStringLiteral("Gas in tank"), QStringLiteral("GasSlider"), 0, 100, QStringLiteral("%"));
    // In ProbeKind's order.
    m_probe = new QComboBox(box);
    m_probe->setObjectName(QStringLiteral("ProbeCombo"));
    m_probe->addItems({QStringLiteral("As the controller is set"), QStringLiteral("0-1 V"), QStringLiteral("0-5 V"),
                       QStringLiteral("0.8-1.6 V"), QStringLiteral("Dead")});
    form->addRow(QStringLiteral("Lambda probe"), m_probe);
    m_tpsFalling = new QCheckBox(QStringLiteral("Voltage falls as the throttle opens"), box);
    m_tpsFalling->setObjectName(QStringLiteral("TpsFallingCheck"));
    form->addRow(QStringLiteral("TPS"), m_tpsFalling);

    auto *cold = new QPushButton(QStringLiteral("Start cold"), box);
    cold->setObjectName(QStringLiteral("ColdButton"));
    auto *warm = new QPushButton(QStringLiteral("Warm now"), box);
    warm->setObjectName(QStringLiteral("WarmButton"));
    auto *warmUp = new QHBoxLayout;
    warmUp->addWidget(cold);
    warmUp->addWidget(warm);
    form->addRow(QStringLiteral("Warm-up"), warmUp);

    connect(m_engine, &QCheckBox::clicked, this, [this](bool on) { m_sim->car().setEngineRunning(on); });
    onUserMove(m_rpm, [this](int rpm) { m_sim->car().setTargetRpm(rpm); });
    onUserMove(m_throttle, [this](int percent) { m_sim->car().setThrottle(percent); });
    onUserMove(m_screw, [this](int screw) { m_sim->car().setReducerScrew(screw); });
    onUserMove(m_gas, [this](int percent) { m_sim->car().setGasLevel(percent); });
    connect(m_probe, &QComboBox::activated, this, [this](int index) { m_sim->car().setProbe(ProbeKind(index)); });
    connect(m_tpsFalling, &QCheckBox::clicked, this, [this](bool falling) { m_sim->car().setTpsFalling(falling); });
    connect(cold, &QPushButton::clicked, this, [this] { m_sim->car().setCoolant(Car::AmbientCelsius); });
    connect(warm, &QPushButton::clicked, this, [this] { m_sim->car().setCoolant(Car::WarmCelsius); });
    return box;
}

QWidget *SimulatorWindow::createControllerControls()
{
    auto *box = new QGroupBox(QStringLiteral("Controller"), this);
    auto *form = new QFormLayout(box);
    m_version = new QSpinBox(box);
    m_version->setObjectName(QStringLiteral("VersionSpin"));
    m_version->setRange(ControllerEngine::MinVersion, ControllerEngine::MaxVersion);
    form->addRow(QStringLiteral("Version"), m_version);
    m_fault = new QComboBox(box);
    m_fault->setObjectName(QStringLiteral("FaultCombo"));
    m_fault->addItems(faultNames());
    m_fault->setToolTip(faultHelp());
    form->addRow(QStringLiteral("Fault"), m_fault);
    m_faultArgument = new QSpinBox(box);
    m_faultArgument->setObjectName(QStringLiteral("FaultArgumentSpin"));
    m_faultArgument->setRange(0, 100000);
    m_faultArgument->setToolTip(QStringLiteral("Bytes for short, long, burst and hangup; milliseconds for slow"));
    form->addRow(QStringLiteral("Fault argument"), m_faultArgument);

    connect(m_version, &QSpinBox::valueChanged, this, [this](int version) { m_sim->setVersion(version); });
    connect(m_fault, &QComboBox::activated, this, [this](int index) {
        m_faultArgument->setValue(defaultFaultArgument(Fault(index)));
        applyFault();
    });
    connect(m_fault, &QComboBox::currentIndexChanged, m_faultArgument,
            [this](int index) { m_faultArgument->setEnabled(faultTakesArgument(Fault(index))); });
    m_faultArgument->setEnabled(false);
    connect(m_faultArgument, &QSpinBox::editingFinished, this, &SimulatorWindow::applyFault);
    return box;
}

QWidget *SimulatorWindow::createReadout()
{
    auto *box = new QGroupBox(QStringLiteral("Live"), this);
    auto *form = new QFormLayout(box);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_car = new QLabel(box);
    m_car->setObjectName(QStringLiteral("CarLabel"));
    m_frame = new QLabel(box);
    m_frame->setObjectName(QStringLiteral("FrameLabel"));
    m_received = new QLabel(box);
    m_received->setObjectName(QStringLiteral("ReceivedLabel"));
    for (QLabel *label : {m_frame, m_received}) {
        label->setFont(fixed);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    form->addRow(QStringLiteral("Car"), m_car);
    form->addRow(QStringLiteral("Live frame"), m_frame);
    form->addRow(QStringLiteral("Received"), m_received);
    if (m_sim.replayPosition()) {
        m_replay = new QLabel(box);
        m_replay->setObjectName(QStringLiteral("ReplayLabel"));
        form->addRow(QStringLiteral("Replay"), m_replay);
    }
    return box;
}

void SimulatorWindow::applyFault()
{
    m_sim.setFault(Fault(m_fault->currentIndex()), m_faultArgument->value());
}

void SimulatorWindow::refresh()
{
    const CarState car = m_sim->carState();
    const QString device = m_sim.devicePath();
    m_port->setText(device.isEmpty()
                            ? QStringLiteral("Port %1: hung up").arg(m_sim.portName())
                            : QStringLiteral("Port %1 → %2%3").arg(m_sim.portName(), device,
                                        m_sim->inConfigurationBlock() ? QStringLiteral("   (configuration block open)") : QString()));

    m_car->setText(QStringLiteral("%1 rpm · λ %2 · TPS %3 V · %4 °C · stepper %5 · %6 · tank %7 %")
                           .arg(qRound(car.rpm))
                           .arg(car.rich ? QStringLiteral("rich") : QStringLiteral("lean"))
                           .arg(tpsReading(car.throttlePercent, car.tpsFalling) * 0.05, 0, 'f', 2)
                           .arg(qRound(car.coolantCelsius))
                           .arg(car.stepperPosition)
                           .arg(car.onGas ? QStringLiteral("gas") : QStringLiteral("petrol"))
                           .arg(qRound(car.gasPercent)));
    m_frame->setText(hexBytes(m_sim.currentLiveFrame()));
    if (const auto replay = m_sim.replayPosition(); replay && m_replay) {
        m_replay->setText(QStringLiteral("%1 s / %2 s, frame %3/%4")
                              .arg(replay->seconds, 0, 'f', 1)
                              .arg(replay->lengthSeconds, 0, 'f', 1)
                              .arg(replay->frame)
                              .arg(replay->frames));
    }

    QByteArray received;
    for (const WireEvent &event : m_sim.newestWireEvents(ReceivedBytesShown * 8)) {
        if (event.fromProgram)
            received.append(char(event.byte));
    }
    m_received->setText(received.isEmpty() ? QStringLiteral("nothing yet") : hexBytes(received.right(ReceivedBytesShown)));

    m_engine->setChecked(car.engineRunning);
    showValue(m_rpm, m_sim->car().targetRpm());
    showValue(m_throttle, qRound(car.throttlePercent));
    showValue(m_screw, car.reducerScrew);
    showValue(m_gas, qRound(car.gasPercent));
    m_probe->setCurrentIndex(int(car.probe));
    m_tpsFalling->setChecked(car.tpsFalling);
    if (!m_version->hasFocus())
        m_version->setValue(m_sim->version());
    const FaultSetting fault = m_sim->fault();
    if (!m_faultArgument->hasFocus() && m_fault->currentIndex() != int(fault.fault)) {
        m_fault->setCurrentIndex(int(fault.fault));
        m_faultArgument->setValue(fault.argument);
    }
}

} // namespace qxsim
