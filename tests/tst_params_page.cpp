// The Parameters page: showing and collecting parameters, the side effects of
// its boxes and its controls.
#include "FittingLabel.h"
#include "ParameterSet.h"
#include "FieldRules.h"
#include "Controls.h"
#include "ParametersPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace qx;

namespace {

// Every value the page moves, in the order of the test rows below.
const Param Moved[] = {
    P::ProbeVariant,      P::LambdaThreshold,   P::SwitchRpm,       P::TpsType,
    P::TpsThresholdVolts, P::StepSpeedAboveTps, P::StepSpeedBelowTps, P::MaxGasRpm,
    P::MaxGasRpmOff,      P::RpmKind,           P::RpmDelta,        P::StepMin,
    P::StepMax,           P::StepStart,         P::LambdaLowTime,   P::LambdaHighTime,
    P::BoschProbe,        P::StartDelay,        P::CutoffOn,        P::CutoffStepLevel,
    P::CutoffRpm,         P::StepOpening,       P::SwitchDelay,     P::OperatingMode,
    P::ReserveSensorType, P::SwitchTemperature, P::TempSensorBox,   P::AnalogThreshold,
};

void fill(ParameterSet &set, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        set.setText(Moved[i], texts[i]);
}

QStringList textsOf(const ParameterSet &set)
{
    QStringList texts;
    for (const Param &p : Moved)
        texts << set.text(p);
    return texts;
}

} // namespace

class TestParamsPage : public QObject
{
    Q_OBJECT

    ParameterSet set;
    QComboBox threshold;
    std::unique_ptr<ParametersPage> page;

    template <class T = QWidget>
    T *control(const QString &name) const { return ::control<T>(page, name); }

private slots:
    void init()
    {
        set = ParameterSet();
        threshold.setEditable(true);
        page = std::make_unique<ParametersPage>(set, &threshold);
        page->resize(787, 485);
        page->show();
    }

    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("sensorTicked");
        QTest::newRow("reset values") << QStringList{"0", "0,50", "2000", "0", "1,25", "3", "6", "7000", "0", "0",
                                                     "500", "10", "200", "100", "500", "500", "0", "1", "0", "30",
                                                     "1500", "30", "100", "0", "1", "0", "0", "1"} << false;
        QTest::newRow("everything switched on")
            << QStringList{"4", "4,90", "9000", "1", "9,9", "24", "1", "5000", "1", "1", "5000", "0", "255", "255",
                           "0", "0", "1", "50", "1", "255", "5000", "50", "10000", "1", "0", "100", "1", "250"} << true;
        // Showing ticks must not run the boxes' effects over the texts shown.
        QTest::newRow("Bosch ticked beside lambda times")
            << QStringList{"2", "0,10", "1000", "0", "0,0", "1", "24", "1000", "0", "1", "0", "7", "8", "9",
                           "750", "1250", "1", "1", "0", "1", "500", "2", "100", "0", "1", "0", "0", "10"} << false;
    }
    void roundTrip()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, sensorTicked);
        fill(set, texts);
        control<QCheckBox>("CheckBox22_2")->setChecked(sensorTicked); // the read's part
        page->ShowParameters();
        set = ParameterSet();
        page->CollectParameters();
        QCOMPARE(textsOf(set), texts);
    }

    void showEnables_data()
    {
        QTest::addColumn<QString>("rpmKind");
        QTest::addColumn<QString>("cutoffOn");
        QTest::addColumn<QString>("maxRpmOff");
        QTest::addColumn<QString>("bosch");
        QTest::addColumn<bool>("deltaEnabled");
        QTest::addColumn<bool>("cutoffFieldsEnabled");
        QTest::addColumn<bool>("cutoffTicked");
        QTest::addColumn<bool>("maxRpmOffTicked");
        QTest::addColumn<bool>("boschTicked");
        QTest::newRow("all off") << "0" << "0" << "0" << "0" << false << false << false << false << false;
        QTest::newRow("all on") << "1" << "1" << "1" << "1" << true << true << true << true << true;
        // Ticks follow "not 0"; the cut-off fields only "1".
        QTest::newRow("cut-off 2") << "1" << "2" << "2" << "2" << true << false << true << false << true;
    }
    void showEnables()
    {
        QFETCH(QString, rpmKind);
        QFETCH(QString, cutoffOn);
        QFETCH(QString, maxRpmOff);
        QFETCH(QString, bosch);
        // Start from the opposite state, so each rule has to act.
        set.setText(P::RpmKind, rpmKind == "0" ? "1" : "0");
        set.setText(P::CutoffOn, cutoffOn == "1" ? "0" : "1");
        set.setText(P::MaxGasRpmOff, maxRpmOff == "1" ? "0" : "1");
        set.setText(P::BoschProbe, bosch == "0" ? "1" : "0");
        page->ShowParameters();

        set.setText(P::RpmKind, rpmKind);
        set.setText(P::CutoffOn, cutoffOn);
        set.setText(P::MaxGasRpmOff, maxRpmOff);
        set.setText(P::BoschProbe, bosch);
        QSignalSpy edited(page.get(), &ParametersPage::parametersEdited);
        page->ShowParameters();
        QTEST(control<QLineEdit>("Edit10")->isEnabled(), "deltaEnabled");
        QTEST(control<QLineEdit>("Edit16")->isEnabled(), "cutoffFieldsEnabled");
        QTEST(control<QLineEdit>("Edit17")->isEnabled(), "cutoffFieldsEnabled");
        QTEST(control<QCheckBox>("CheckBox15")->isChecked(), "cutoffTicked");
        QTEST(control<QCheckBox>("CheckBox8_2")->isChecked(), "maxRpmOffTicked");
        QTEST(control<QCheckBox>("CheckBox13_3")->isChecked(), "boschTicked");
        QCOMPARE(edited.count(), 0);
    }

    // A page that kept its texts (a read without reply) still enables its
    // fields by what its own list and box show, not as it was built.
    void keptTextsFollowTheListAndBox_data()
    {
        QTest::addColumn<int>("rpmKindIndex");
        QTest::addColumn<bool>("cutoffTicked");
        QTest::addColumn<bool>("deltaEnabled");
        QTest::addColumn<bool>("cutoffFieldsEnabled");
        QTest::newRow("rising, cut-off clear: all three disabled") << 0 << false << false << false;
        QTest::newRow("falling, cut-off ticked: all three enabled") << 1 << true << true << true;
        QTest::newRow("falling, cut-off clear") << 1 << false << true << false;
        QTest::newRow("rising, cut-off ticked") << 0 << true << false << true;
    }
    void keptTextsFollowTheListAndBox()
    {
        QFETCH(int, rpmKindIndex);
        QFETCH(bool, cutoffTicked);
        QFETCH(bool, deltaEnabled);
        QFETCH(bool, cutoffFieldsEnabled);
        {
            const QSignalBlocker list(control<QComboBox>("ComboBox9"));
            const QSignalBlocker box(control<QCheckBox>("CheckBox15"));
            control<QComboBox>("ComboBox9")->setCurrentIndex(rpmKindIndex);
            control<QCheckBox>("CheckBox15")->setChecked(cutoffTicked);
        }
        control<QLineEdit>("Edit10")->setEnabled(!deltaEnabled);
        control<QLineEdit>("Edit16")->setEnabled(!cutoffFieldsEnabled);
        control<QLineEdit>("Edit17")->setEnabled(!cutoffFieldsEnabled);
        page->followListAndBoxes();
        QCOMPARE(control<QLineEdit>("Edit10")->isEnabled(), deltaEnabled);
        QCOMPARE(control<QLineEdit>("Edit16")->isEnabled(), cutoffFieldsEnabled);
        QCOMPARE(control<QLineEdit>("Edit17")->isEnabled(), cutoffFieldsEnabled);
    }

    void boxEffects_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<QVariantMap>("controls"); // "Name.property" → value
        QTest::addColumn<int>("slot");             // -1: the box sets no parameter text
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sensorOn");
        const auto row = [](const char *name, const char *box, bool tick, const QVariantMap &controls, Param param,
                            int sensorOn = 0) {
            const char *text = param.slot < 0 ? "" : tick ? "1" : "0";
            QTest::newRow(name) << box << tick << controls << param.slot << param.part << text << sensorOn;
        };
        row("Bosch ticked", "CheckBox13_3", true, {{"Edit13_1.text", "0"}, {"Edit13_2.text", "0"}}, P::BoschProbe);
        row("Bosch cleared", "CheckBox13_3", false, {{"Edit13_1.text", "500"}, {"Edit13_2.text", "500"}},
            P::BoschProbe);
        row("cut-off on", "CheckBox15", true, {{"Edit16.enabled", true}, {"Edit17.enabled", true}}, P::CutoffOn);
        row("cut-off off", "CheckBox15", false, {{"Edit16.enabled", false}, {"Edit17.enabled", false}}, P::CutoffOn);
        row("max rpm off", "CheckBox8_2", true, {}, P::MaxGasRpmOff);
        row("max rpm on", "CheckBox8_2", false, {}, P::MaxGasRpmOff);
        row("sensor on", "CheckBox22_2", true,
            {{"ZmiennaTemperatura.visible", true}, {"ZmiennaTemperaturaLabel.visible", true}}, Param{-1, 0}, 1);
        row("sensor off", "CheckBox22_2", false,
            {{"ZmiennaTemperatura.visible", false}, {"ZmiennaTemperaturaLabel.visible", false}}, Param{-1, 0});
    }
    void boxEffects()
    {
        QFETCH(QString, box);
        QFETCH(bool, tick);
        QFETCH(QVariantMap, controls);
        QFETCH(int, slot);
        QFETCH(int, part);
        auto *check = control<QCheckBox>(box);
        check->setChecked(!tick);
        QSignalSpy edited(page.get(), &ParametersPage::parametersEdited);
        check->setChecked(tick);
        for (auto it = controls.cbegin(); it != controls.cend(); ++it) {
            const QStringList target = it.key().split('.');
            QCOMPARE(control(target[0])->property(target[1].toLatin1()), it.value());
        }
        if (slot >= 0)
            QTEST(set.text(Param{slot, part}), "text");
        QTEST(int(set.TempSensorOn), "sensorOn");
        QCOMPARE(edited.count(), 1);
    }

    void rpmKindListFollowsTheUserOnly()
    {
        QSignalSpy edited(page.get(), &ParametersPage::parametersEdited);
        control<QComboBox>("ComboBox9")->setCurrentIndex(1); // as a reset selects entries
        QVERIFY(control<QLineEdit>("Edit10")->isEnabled());
        control<QComboBox>("ComboBox9")->setCurrentIndex(0);
        QVERIFY(control<QLineEdit>("Edit10")->isEnabled());
        QTest::keyClick(control<QComboBox>("ComboBox9"), Qt::Key_Down);
        QVERIFY(control<QLineEdit>("Edit10")->isEnabled());
        QTest::keyClick(control<QComboBox>("ComboBox9"), Qt::Key_Up);
        QVERIFY(!control<QLineEdit>("Edit10")->isEnabled());
        QCOMPARE(edited.count(), 0);
    }

    // Before the first read every field shows "0", but the highest gas
    // speed its design 5000, so the cross rule of Edit3 holds against it.
    void startTexts()
    {
        for (const FieldRule &rule : fieldRules())
            if (const auto *field = page->findChild<QLineEdit *>(rule.name))
                QCOMPARE(field->text(), rule.name == "Edit8_1" ? QStringLiteral("5000") : QStringLiteral("0"));
    }

    void commentsOff()
    {
        QVERIFY(page->commentsOn());
        control<QLabel>("info")->setText("Rodzaj sondy lambda");
        control<QCheckBox>("WylaczkomentarzeCheck")->setChecked(true);
        QVERIFY(!page->commentsOn());
        QVERIFY(control<QLabel>("info")->text().isEmpty());
        control<QCheckBox>("WylaczkomentarzeCheck")->setChecked(false);
        QVERIFY(page->commentsOn());
    }

    void controlsByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        const auto add = [](const char *className, std::initializer_list<const char *> names) {
            for (const char *name : names)
                QTest::newRow(name) << QString(name) << QString(className);
        };
        add("QComboBox", {"ComboBox1", "ComboBox4", "ComboBox9", "ComboBox20", "ComboBox21"});
        add("QLineEdit", {"Edit2", "Edit3", "Edit5", "Edit6", "Edit7", "Edit8_1", "Edit10", "Edit11_1", "Edit11_2",
                          "Edit12", "Edit13_1", "Edit13_2", "Edit14", "Edit16", "Edit17", "Edit18", "Edit19",
                          "Edit22_1"});
        add("QCheckBox", {"CheckBox8_2", "CheckBox13_3", "CheckBox15", "CheckBox22_2", "WylaczkomentarzeCheck"});
        add("QLabel", {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
                       "Label10", "Label12", "Label13", "Label14", "Label16", "Label17", "Label18", "Label19",
                       "Label20", "Label21", "Label22", "Label23", "minprzelbgLabel", "CheckBox8_2_label",
                       "CheckBox13_3_Label", "CheckBox15_Label", "checkbox22_2_label", "WylaczkomentarzeCheckLabel",
                       "info", "ZmiennaLambda", "LambdaLabel", "ZmiennaTPS", "ZmiennaTPSLabel",
                       "ZmiennaTemperatura", "ZmiennaTemperaturaLabel", "ZmiennaObroty", "ZmiennaObrotyLabel",
                       "ZmiennaSilnikKrokowy", "ZmiennaSilnikKrokowyLabel", "ZmiennaGazBenzyna",
                       "aktZasilanieLabel"});
        add("QPushButton", {"ResButt", "ZapButPic", "odczButPic", "OdczytButtPlik", "ZapiszButtPlik"});
        add("QGroupBox", {"GroupBox20", "GroupBox9", "GroupBox14", "GroupBox22", "GroupBox8", "GroupBox21"});
        add("TLEDMeter", {"LEDMeter2"});
    }
    void controlsByName()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QCOMPARE(page->objectName(), "ParametryTab");
        QWidget *widget = control(name);
        QVERIFY(widget);
        QVERIFY(widget->inherits(className.toLatin1()));
    }

    static QFont labelFont()
    {
        QFont font;
        font.setPointSize(16);
        font.setBold(true);
        return font;
    }

    void fittedFont_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("wrapped");
        QTest::addColumn<bool>("shrinks");
        const QString help = QStringLiteral("Prędkość silnika krokowego (1;24) razy wolniej powyżej progu TPS");
        const int threeLines = 3 * QFontMetrics(labelFont()).lineSpacing();
        // A line as high as a label asks for it, in whole pixels rounded up.
        const int oneLine = qCeil(QFontMetricsF(labelFont()).height());
        QTest::newRow("short text keeps the font") << "Rodzaj sondy lambda" << 747 << threeLines << false << false;
        QTest::newRow("one line in a box just high enough") << "Rodzaj sondy lambda" << 747 << oneLine << false << false;
        QTest::newRow("one line in a box a pixel too low") << "Rodzaj sondy lambda" << 747 << oneLine - 1 << false << true;
        QTest::newRow("long help text") << help << 747 << threeLines << false << true;
        QTest::newRow("far too long") << QString(300, 'W') << 747 << threeLines << false << true;
        QTest::newRow("wrapped onto the lines there are") << help << 400 << threeLines << true << false;
        QTest::newRow("wrapped onto too many lines") << help + ' ' + help << 300 << threeLines << true << true;
        QTest::newRow("a word wider than the box") << QString(60, 'W') << 400 << threeLines << true << true;
    }
    void fittedFont()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, wrapped);
        const QFont font = labelFont();
        const QFont fitted = qx::fittedFont(font, text, {width, height}, wrapped);
        const QRect block = QFontMetrics(fitted).boundingRect(QRect(0, 0, width, 10000),
                                                              wrapped ? Qt::TextWordWrap : 0, text);
        QVERIFY(block.width() <= width && block.height() <= height);
        QVERIFY(wrapped || QFontMetrics(fitted).horizontalAdvance(text) <= width);
        QTEST(fitted.pointSizeF() < font.pointSizeF(), "shrinks");
        QVERIFY(fitted.bold());
    }
};

QTEST_MAIN(TestParamsPage)
#include "tst_params_page.moc"
