#pragma once

#include "flashclock.h"

#include <QWidget>

// A round lamp with a caption beside it. Lit it shows ColorOn, dark ColorOff;
// a lit lamp that flashes alternates between the two at its frequency, in
// step with every other lamp of that frequency. The caption uses the widget's
// font and text colour, like any label on the page.
class TAbLED : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(bool Flashing READ isFlashing WRITE setFlashing)
    Q_PROPERTY(FlashClock::Frequency Frequency READ frequency WRITE setFrequency)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor ColorOn READ colorOn WRITE setColorOn)
    Q_PROPERTY(QColor ColorOff READ colorOff WRITE setColorOff)
    Q_PROPERTY(int LampHeight READ lampHeight WRITE setLampHeight)

public:
    explicit TAbLED(QWidget *parent = nullptr);
    ~TAbLED() override;

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    bool isFlashing() const { return m_flashing; }
    void setFlashing(bool flashing);
    FlashClock::Frequency frequency() const { return m_frequency; }
    void setFrequency(FlashClock::Frequency frequency);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QColor colorOn() const { return m_colorOn; }
    void setColorOn(const QColor &color);
    QColor colorOff() const { return m_colorOff; }
    void setColorOff(const QColor &color);
    // How high the lamp is drawn, in pixels; 0 (the start) fills the height.
    int lampHeight() const { return m_lampHeight; }
    void setLampHeight(int pixels);

    // Whether the lamp shows ColorOn at this moment.
    bool isLit() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void clockToggled(FlashClock::Frequency frequency);
    // Holds the flash clock running exactly while this lamp flashes.
    void followClock();

    QString m_caption;
    QColor m_colorOn = QColor(0x22, 0xdd, 0x44);
    QColor m_colorOff = QColor(0xe5, 0x25, 0x1f);
    FlashClock::Frequency m_frequency = FlashClock::ff1Hz;
    int m_lampHeight = 0;
    bool m_checked = false;
    bool m_flashing = false;
    bool m_following = false;
};
