#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QSlider;
class QSpinBox;

namespace qxsim {

class Simulator;

// The fitter's control panel: drive the car, pick the controller version
// and a fault, and watch what the controller reports and receives.
class SimulatorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SimulatorWindow(Simulator &simulator, QWidget *parent = nullptr);

private:
    QWidget *createCarControls();
    QWidget *createControllerControls();
    QWidget *createReadout();
    QSlider *addSlider(QFormLayout *form, const QString &caption, const QString &name, int min, int max,
                       const QString &unit);
    void applyFault();
    void refresh();

    Simulator &m_sim;
    QCheckBox *m_engine = nullptr;
    QSlider *m_rpm = nullptr;
    QSlider *m_throttle = nullptr;
    QSlider *m_screw = nullptr;
    QSlider *m_gas = nullptr;
    QComboBox *m_probe = nullptr;
    QCheckBox *m_tpsFalling = nullptr;
    QSpinBox *m_version = nullptr;
    QComboBox *m_fault = nullptr;
    QSpinBox *m_faultArgument = nullptr;
    QLabel *m_port = nullptr;
    QLabel *m_car = nullptr;
    QLabel *m_frame = nullptr;
    QLabel *m_received = nullptr;
    QLabel *m_replay = nullptr;  // only while replaying a recording
};

} // namespace qxsim
