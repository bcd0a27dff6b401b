#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QBoxLayout;
class QVBoxLayout;
class TAb180Meter;
class TAb270Meter;
class TAbHBar;
class TAbLED;
class TAbTank;
class TAbThermometer;
class TGauge;
class TLEDMeter;
class TScope;

// Every configured instrument of the program's pages on one window, sized by
// a layout scale and kept moving with made-up live values.
class Gallery : public QWidget
{
    Q_OBJECT
public:
    explicit Gallery(qreal scale, QWidget *parent = nullptr);

private:
    // A titled row of instruments; addCell() puts them into the last one.
    void addSection(const QString &title);
    void addCell(QWidget *instrument, QSize designBox, const QString &names, const QString &ranges);
    QSize scaled(QSize designBox) const;
    void tick();

    const qreal m_scale;
    QVBoxLayout *m_page;
    QBoxLayout *m_row = nullptr;
    QTimer m_timer;
    QElapsedTimer m_clock;

    TAb270Meter *m_rpmPage;
    TAb270Meter *m_rpmVisual;
    TAb270Meter *m_rpmAdapt;
    TAb180Meter *m_tps;
    TAbThermometer *m_reducerTemp;
    TAbThermometer *m_adaptTemp;
    TAbTank *m_stepper;
    TLEDMeter *m_lambdaLeds;
    TLEDMeter *m_lambdaLedsParams;
    TAbLED *m_fuel;
    TAbLED *m_calibrationLed;
    TAbLED *m_stepLed;
    TGauge *m_gasLevel;
    TScope *m_scope;
    TAbHBar *m_progressBar;
    TAbHBar *m_lambdaBar;
};
