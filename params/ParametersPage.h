#pragma once

#include <QColor>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class TAbGradient;
class TLEDMeter;

namespace qx {

class ParameterSet;
struct PageSizeClass;
struct Param;

// What one live frame shows in the Parameters page's strip.
struct LiveStripView
{
    QString lambdaVolts;
    int lambdaBar = 0;
    QString tpsVolts;
    std::optional<QString> temperatureText; // controllers with the sensor only
    std::optional<QString> rpmText;         // none while the speed is unknown
    QString stepperText;
    QString fuelText;
    QColor fuelColour;
};

// The Parameters page: the controller's parameters in six groups, the
// commands that read, write, reset and file them, the comment line and the
// strip of live values along the bottom. It moves texts between the
// ParameterSet and its controls; the exchanges with the controller live
// elsewhere and reach the page through its methods.
class ParametersPage final : public QWidget
{
    Q_OBJECT

public:
    // analogThresholdField is the RPM page's threshold list (Edit23), owned
    // there; its slot travels with this page's parameters.
    ParametersPage(ParameterSet &parameters, QComboBox *analogThresholdField, QWidget *parent = nullptr);

    // ParameterSet into the controls and Edit23. CheckBox22_2 is left as the
    // read set it.
    void ShowParameters();
    // The controls and Edit23 into the ParameterSet, disabled fields included.
    void CollectParameters();
    // The program's default parameters onto the page and into the set. Lists
    // change without their handlers (Edit10 keeps its state); a box whose tick
    // changes runs its handler.
    void ResetParameters();

    // The side effects of the boxes and of the RPM-kind list. They run on every
    // change of a tick, by the user or by code, and on the user's choices in
    // ComboBox9.
    void CheckBox13_3Click();
    void CheckBox15Click();
    void CheckBox8_2Click();
    void CheckBox22_2Click();
    void ComboBox9Change();
    void WylaczkomentarzeCheckClick();

    // The enabled state of the delta and cut-off fields by the page's own
    // RPM-kind list and cut-off box, for a page that kept its texts.
    void followListAndBoxes();
    // The temperature-sensor controls for a controller with or without the
    // sensor; its readings only while the sensor box is ticked.
    void showTemperatureSensor(bool supported);
    bool temperatureSensorOn() const;

    // The text of the field that shows a parameter.
    QString fieldText(Param param) const;
    // A parameter as its control shows it: a list's index in decimal, a
    // field's text, a box's tick as "1" or "0"; and set back from such a
    // value. A tick that changes runs the box's handler unless told not to.
    QString controlValue(Param param) const;
    void setControlValue(Param param, const QString &value, bool runBoxHandler = true);
    int listEntries(Param param) const;
    // The text of a list's entry; empty for an index the list has not.
    QString listEntryText(Param param, int index) const;
    // The caption the page shows for a parameter (the pair's shared caption
    // for the second of a pair), and the live temperature's caption.
    QString captionText(Param param) const;
    QString temperatureCaption() const;
    void setTemperatureSensorOn(bool on);
    void showLiveStrip(const LiveStripView &view);
    TLEDMeter &lambdaBar() { return *LEDMeter2; }

    // Whether the comment line shows help texts.
    bool commentsOn() const { return commentsOn_; }
    // The tick of "Wylacz komentarze", as the settings keep it.
    bool commentsOff() const;
    void setCommentsOff(bool off);
    // The probe list, where the focus goes on entering the page.
    void focusProbeList();

    // Lays the whole page out for one size class (8, 12, 16 or 21): captions,
    // fields, groups, commands, the comments box, the comment line and the
    // live strip, for the page of the profile of the given width. Captions
    // keep the weight SetCaptionsBold gave them.
    void LayoutParameterPage(int sizeClass, int editColumn, int groupWidth, int width);
    // Bold or regular parameter captions (bold at start).
    void SetCaptionsBold(bool on);
    // The controls LayoutParameterPage places and sizes; profiles leave them alone.
    static const QStringList &flowedControls();

signals:
    // The fitter pressed "Zapisz parametry", "Reset parametrów" or the read button.
    void ZapButPicClicked();
    void ResButtClicked();
    void odczButPicClicked();
    // A box changed a parameter: the controller no longer holds what the
    // page shows.
    void parametersEdited();
    // The fitter typed a switch temperature.
    void switchTemperatureEdited();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    friend struct ParametersPageTables;

    QGroupBox *GroupBox20 = nullptr;
    QGroupBox *GroupBox9 = nullptr;
    QGroupBox *GroupBox14 = nullptr;
    QGroupBox *GroupBox22 = nullptr;
    QGroupBox *GroupBox8 = nullptr;
    QGroupBox *GroupBox21 = nullptr;

    QComboBox *ComboBox1 = nullptr;
    QComboBox *ComboBox4 = nullptr;
    QComboBox *ComboBox9 = nullptr;
    QComboBox *ComboBox20 = nullptr;
    QComboBox *ComboBox21 = nullptr;

    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QLineEdit *Edit7 = nullptr;
    QLineEdit *Edit8_1 = nullptr;
    QLineEdit *Edit10 = nullptr;
    QLineEdit *Edit11_1 = nullptr;
    QLineEdit *Edit11_2 = nullptr;
    QLineEdit *Edit12 = nullptr;
    QLineEdit *Edit13_1 = nullptr;
    QLineEdit *Edit13_2 = nullptr;
    QLineEdit *Edit14 = nullptr;
    QLineEdit *Edit16 = nullptr;
    QLineEdit *Edit17 = nullptr;
    QLineEdit *Edit18 = nullptr;
    QLineEdit *Edit19 = nullptr;
    QLineEdit *Edit22_1 = nullptr;

    QCheckBox *CheckBox8_2 = nullptr;
    QCheckBox *CheckBox13_3 = nullptr;
    QCheckBox *CheckBox15 = nullptr;
    QCheckBox *CheckBox22_2 = nullptr;
    QCheckBox *WylaczkomentarzeCheck = nullptr;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label22 = nullptr;
    QLabel *Label23 = nullptr;
    QLabel *minprzelbgLabel = nullptr;
    QLabel *CheckBox8_2_label = nullptr;
    QLabel *CheckBox13_3_Label = nullptr;
    QLabel *CheckBox15_Label = nullptr;
    QLabel *checkbox22_2_label = nullptr;
    QLabel *WylaczkomentarzeCheckLabel = nullptr;

    QPushButton *ResButt = nullptr;
    QPushButton *ZapButPic = nullptr;
    QPushButton *odczButPic = nullptr;
    QPushButton *OdczytButtPlik = nullptr;
    QPushButton *ZapiszButtPlik = nullptr;
    // Picture buttons in the file commands' cells: the as-found copies beside
    // "Odczyt Plik", the comparison beside "zapisz do pliku".
    QPushButton *PrzywrocButtPlik = nullptr;
    QPushButton *PorownajButtPlik = nullptr;

    // The comment line under the groups (help text of the focused field).
    QLabel *info = nullptr;

    // The live strip.
    QLabel *ZmiennaLambda = nullptr;
    QLabel *LambdaLabel = nullptr;
    TLEDMeter *LEDMeter2 = nullptr;
    QLabel *ZmiennaTPS = nullptr;
    QLabel *ZmiennaTPSLabel = nullptr;
    QLabel *ZmiennaTemperatura = nullptr;
    QLabel *ZmiennaTemperaturaLabel = nullptr;
    QLabel *ZmiennaObroty = nullptr;
    QLabel *ZmiennaObrotyLabel = nullptr;
    QLabel *ZmiennaSilnikKrokowy = nullptr;
    QLabel *ZmiennaSilnikKrokowyLabel = nullptr;
    QLabel *ZmiennaGazBenzyna = nullptr;
    QLabel *aktZasilanieLabel = nullptr;
    // The strip shows no gas level; the caption a language names stays hidden.
    QLabel *ZmiennaPoziomGazuLabel = nullptr;

    // Backgrounds: the whole page, and the live strip over it.
    TAbGradient *AbGradient2 = nullptr;
    TAbGradient *AbGradient3 = nullptr;

    // Building the page and laying it out, in ParametersPageLayout.cpp.
    void buildGroups();
    void buildCommands();
    void buildCommentLineAndStrip();
    void layoutGroups(const PageSizeClass &sizes, int editColumn, int groupWidth, int rightColumnX);
    void layoutCommands(const PageSizeClass &sizes, int rightColumnX);
    // Returns the box the strip takes.
    QRect layoutCommentLineAndStrip(const PageSizeClass &sizes, int rightColumnX, int groupWidth, int width);
    void enableCutoffFields(bool enabled);
    // The list, field or box that shows a parameter.
    QWidget *controlOf(Param param) const;

    ParameterSet &parameters_;
    QComboBox *analogThresholdField_;
    bool commentsOn_ = true;
    bool captionsBold_ = true;
};

} // namespace qx
