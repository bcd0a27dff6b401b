#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TAb270Meter;

namespace qx {

// The RPM page: the fitter picks the ignition system so the engine speed
// shown matches the real one, and sets the analog threshold on controllers
// that have it. Its poll lives with the other live pages' in LivePolls.
class RpmPage final : public QWidget
{
    Q_OBJECT

public:
    explicit RpmPage(QWidget *parent = nullptr);

    // The engine speed on the meter and, as the panels show it, in the readout.
    void showSpeed(int rpm, int shown);

    // The entry of the ignition list; -1 with none chosen.
    int ignitionIndex() const;
    void setIgnitionIndex(int index);
    // The ignition list's caption and its selected entry's text.
    QString ignitionCaption() const;
    QString ignitionEntryText() const;
    void focusIgnitionList();
    // The analog threshold group, offered by controllers that have it.
    void showAnalogThreshold(bool shown);
    void setAnalogThresholdText(const QString &text);
    // The threshold field, whose text travels with the Parameters page's set.
    QComboBox *analogThresholdField() const { return Edit23; }

signals:
    // The fitter asked for the ignition system to be read again.
    void OdczytUkladuButtClicked();
    // The fitter chose an ignition entry, or chose or typed a threshold.
    void ignitionChosen(int index);
    void analogThresholdEdited();

private:
    QComboBox *ComboBox2;
    QComboBox *Edit23;
    QGroupBox *GroupBoxAnalog;
    QPushButton *OdczytUkladuButt;
    TAb270Meter *gauge1;
    QLabel *Panelobroty;
};

} // namespace qx
