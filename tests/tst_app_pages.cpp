// Page changes against the simulator: what each page's entry and leave send,
// the leave checks of the Parameters page, the read and save buttons, and a
// write followed by a read giving back the same texts.
#include "MainMenu.h"
#include "PageControl.h"
#include "PrintingPage.h"
#include "RpmPage.h"
#include "TestBytes.h"
#include "VisualisationPage.h"
#include "WindowOnSimulator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTabBar>
#include <QtTest>

namespace {

// The reset values, as the page shows them.
const QList<QPair<const char *, const char *>> DefaultFields = {
    {"Edit2", "0,50"},   {"Edit3", "2000"},     {"Edit5", "1,25"},  {"Edit6", "3"},     {"Edit7", "6"},
    {"Edit8_1", "7000"}, {"Edit10", "500"},     {"Edit11_1", "10"}, {"Edit11_2", "200"}, {"Edit12", "100"},
    {"Edit13_1", "500"}, {"Edit13_2", "500"},   {"Edit14", "1"},    {"Edit16", "30"},   {"Edit17", "1500"},
    {"Edit18", "30"},    {"Edit19", "100"},     {"Edit22_1", "0"},
};

} // namespace

class TestAppPages : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    void clickTab(QWidget *page)
    {
        form->pages().pagecontrol1->requestPage(form->pages().pagecontrol1->indexOf(page));
    }
    // Fills the page with the reset values by hand, as a fitter would.
    void typeDefaults()
    {
        for (const char *list : {"ComboBox1", "ComboBox4", "ComboBox9", "ComboBox20"})
            onParameters<QComboBox>(list)->setCurrentIndex(0);
        onParameters<QComboBox>("ComboBox21")->setCurrentIndex(1);
        for (const auto &[name, text] : DefaultFields)
            field(name)->setText(text);
        for (const char *box : {"CheckBox8_2", "CheckBox15", "CheckBox22_2", "CheckBox13_3"})
            onParameters<QCheckBox>(box)->setChecked(false);
        field("Edit13_1")->setText("500");
        field("Edit13_2")->setText("500");
        control<QComboBox>(form->pages().ObrotyTab, "Edit23")->setCurrentText("1");
    }

private slots:
    void init()
    {
        sim.restoreDefaults();
        makeWindow();
        form->FormCreate();
        clearWire();
    }

    void cleanup() { closeWindow(); }

    void enteringTheParametersPage()
    {
        form->menu().ParButton->trigger();
        // The temperature options are asked twice: for the page, then with the
        // probe-variant set-up of its lambda bar.
        QCOMPARE(sent(), hex("1f 02 00 01 aa 22 0a 09 01 01"));
        QCOMPARE(sentGapsMs(), (QVector<double>{3, 3, 3, 23, 53, 53, 3, 303, 403}));
        for (const auto &[name, text] : DefaultFields)
            QCOMPARE(field(name)->text(), QString(text));
        QCOMPARE(onParameters<QComboBox>("ComboBox21")->currentIndex(), 1);
        QCOMPARE(runningTimers(), QList<qx::PollTimer *>{&form->timers().TimerParamOdcz});
        QVERIFY(form->channel().isOpen());
        QVERIFY(!form->navigator().parametersInSync());
        QVERIFY(form->pages().pagecontrol1->isTabVisible(form->pages().pagecontrol1->indexOf(form->pages().DrukowanieTab)));
    }

    void menuCommandWritesAnEditedPage()
    {
        form->menu().ParButton->trigger();
        field("Edit3")->setText("2500");
        onParameters<QCheckBox>("CheckBox15")->click(); // an edit: the page is out of sync
        QVERIFY(!form->navigator().parametersInSync());
        clearWire();
        form->menu().ObrButton->trigger();
        QVERIFY(sent().contains(hex("aa 1e 01 0b")));
        QVERIFY(sent().contains(hex("08 00 06"))); // 2500 rpm at 4800: period 1536
        QVERIFY(form->timers().TimerObr.isActive());
        QCOMPARE(dialogs->entries.size(), 0);
        QCOMPARE(sim->parameterBlock().mid(6, 2), hex("0006"));
    }

    void saveButtonWritesTheDefaults()
    {
        form->menu().ParButton->trigger();
        typeDefaults();
        clearWire();
        form->navigator().ZapButPicClick();
        QCOMPARE(sent(), hex("aa 1e 01 0b 00 0f 19 08 80 07 07 19 14 25 02 0b 00 16 80 02 12 f5 37 13 9b "
                             "06 7a 00 f4 00 1a 7a 00 f4 00 19 05 0b 00 17 e1 18 00 0a 1b 1e 0b 00 "
                             "20 bc e3 1c ae c4 15 18 00 0b 00 0b 00 0b 00 0b 00 05 6f aa 23 01 0a"));
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Zapisano parametry"));
        QVERIFY(form->navigator().parametersInSync());
        QVERIFY(form->timers().TimerParamOdcz.isActive());
        QVERIFY(form->channel().isOpen());
    }

    void writeMessages_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("lambda times over 4000") << "Edit13_1" << "3000"
                                                << QStringList{"Dati fuori limiti   HIGH, LOW - 0...4000ms\n"
                                                               "HIGH+LOW max 4000ms"};
        QTest::newRow("stepper speed not a number") << "Edit6" << "abc"
                                                    << QStringList{"Błędna dana", "Prędkość w granicach 1...24"};
        QTest::newRow("switch delay too long") << "Edit19" << "20000" << QStringList{"Błędna dana"};
    }
    void writeMessages()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, value);
        form->menu().ParButton->trigger();
        if (fieldName == "Edit13_1")
            field("Edit13_2")->setText("1500");
        field(qPrintable(fieldName))->setText(value);
        clearWire();
        form->navigator().ZapButPicClick();
        QTEST(dialogs->texts(qx::DialogIcon::None), "texts");
        // A set with a wrong value never goes out in part.
        QVERIFY(!sent().contains(char(qx::Cmd::OpenBlock)));
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Nie zapisano parametrów: popraw błędne dane i zapisz ponownie"));
        QVERIFY(!form->navigator().parametersInSync());
    }

    void versionThreeSendsTheSensorOff()
    {
        sim->setVersion(3);
        form->navigator().OdczytUkladuButtClick();
        form->menu().ParButton->trigger();
        form->parameters().TempSensorOn = 1;
        clearWire();
        form->navigator().ZapButPicClick();
        QVERIFY(sent().contains(hex("15 18 00 0b 00 0b 00")));
    }

    void writeThenReadGivesTheSameTexts_data()
    {
        QTest::addColumn<QStringList>("values"); // field=text, or a list's name=index
        QTest::newRow("low end") << QStringList{"Edit2=0,10", "Edit3=1000", "Edit5=0,00", "Edit6=1", "Edit7=24",
                                                "Edit8_1=1100", "Edit11_1=0", "Edit11_2=5", "Edit12=3",
                                                "Edit13_1=0", "Edit13_2=4000", "Edit14=50", "Edit18=2",
                                                "Edit19=100", "Edit22_1=0", "ComboBox1=3", "ComboBox21=0"};
        QTest::newRow("high end") << QStringList{"Edit2=4,90", "Edit3=8900", "Edit5=9,90", "Edit6=24", "Edit7=1",
                                                 "Edit8_1=9000", "Edit11_1=250", "Edit11_2=255", "Edit12=254",
                                                 "Edit13_1=2000", "Edit13_2=2000", "Edit14=1", "Edit18=50",
                                                 "Edit19=10000", "Edit22_1=100", "ComboBox1=2", "ComboBox4=1",
                                                 "ComboBox9=1", "ComboBox20=1"};
        QTest::newRow("middle") << QStringList{"Edit2=2,50", "Edit3=3200", "Edit5=4,55", "Edit6=12", "Edit7=7",
                                               "Edit8_1=6000", "Edit11_1=40", "Edit11_2=180", "Edit12=90",
                                               "Edit13_1=750", "Edit13_2=1250", "Edit14=10", "Edit18=25",
                                               "Edit19=2500", "Edit22_1=40", "ComboBox1=4", "ComboBox9=1"};
    }
    void writeThenReadGivesTheSameTexts()
    {
        QFETCH(QStringList, values);
        form->menu().ParButton->trigger();
        for (const QString &v : values) {
            const QString name = v.section('=', 0, 0);
            const QString text = v.section('=', 1);
            if (auto *list = form->pages().ParametryTab->findChild<QComboBox *>(name))
                list->setCurrentIndex(text.toInt());
            else
                field(qPrintable(name))->setText(text);
        }
        form->navigator().ZapButPicClick();
        for (QLineEdit *edit : form->pages().ParametryTab->findChildren<QLineEdit *>())
            edit->setText("?");
        form->navigator().odczButPicClick();
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Odczytano parametry"));
        for (const QString &v : values) {
            const QString name = v.section('=', 0, 0);
            if (auto *list = form->pages().ParametryTab->findChild<QComboBox *>(name))
                QCOMPARE(QString::number(list->currentIndex()), v.section('=', 1));
            else
                QCOMPARE(field(qPrintable(name))->text(), v.section('=', 1));
        }
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void readWithoutReplyKeepsThePage()
    {
        form->menu().ParButton->trigger();
        field("Edit3")->setText("3300");
        sim.setFault(qxsim::Fault::Silence);
        form->navigator().odczButPicClick();
        QCOMPARE(field("Edit3")->text(), QStringLiteral("3300"));
        QCOMPARE(form->parameters().text(qx::P::SwitchRpm), QStringLiteral("2000"));
        QCOMPARE(form->statusPanelText(0), QStringLiteral("Brak łączności"));
        QVERIFY2(form->statusPanelText(1).isEmpty(), "a read that got nothing does not say it read");
    }

    void firstReadWithoutReplyKeepsTheTextsAndFollowsTheLists()
    {
        onParameters<QComboBox>("ComboBox9")->setCurrentIndex(0); // rising
        onParameters<QCheckBox>("CheckBox15")->setChecked(false);
        sim.setFault(qxsim::Fault::Silence);
        form->menu().ParButton->trigger();
        QCOMPARE(field("Edit3")->text(), QStringLiteral("0"));
        for (const char *name : {"Edit10", "Edit16", "Edit17"})
            QVERIFY2(!field(name)->isEnabled(), name);
    }

    void leaveChecks_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("allowed");
        // The rules are the navigator's unit rows; these check the page's fields reach them.
        QTest::newRow("start at the lower limit") << QStringList{"Edit12=10"}
                                                  << QStringList{"Pozycja startowa silnika krokowego jest równa pozycji "
                                                                 "minimalnej lub maksymalnej"}
                                                  << true;
        QTest::newRow("several at once") << QStringList{"Edit14=0", "Edit18=0", "Edit12=250"}
                                         << QStringList{"Opóźnienie startowe musi wynosić co najmniej 1 s",
                                                        "Otwarcie silnika krokowego musi wynosić co najmniej 2",
                                                        "Pozycja startowa silnika krokowego musi mieścić się w "
                                                        "zakresie [11 ... 199]"}
                                         << false;
    }
    void leaveChecks()
    {
        QFETCH(QStringList, values);
        QFETCH(bool, allowed);
        form->menu().ParButton->trigger();
        for (const QString &v : values)
            field(qPrintable(v.section('=', 0, 0)))->setText(v.section('=', 1));
        clickTab(form->pages().ObrotyTab);
        QTEST(dialogs->texts(qx::DialogIcon::Error), "messages");
        QCOMPARE(form->pages().pagecontrol1->currentWidget() == form->pages().ObrotyTab, allowed);
        QCOMPARE(form->timers().TimerObr.isActive(), allowed);
        QCOMPARE(form->timers().TimerParamOdcz.isActive(), !allowed);
    }

    void leavingTheRpmPageWritesTheTypedThreshold()
    {
        sim->setAnalogThreshold(40);
        control<QComboBox>(form->pages().ObrotyTab, "Edit23")->setCurrentText("70");
        clearWire();
        clickTab(form->pages().ParametryTab);
        // The ignition choice follows the threshold block, on a reopened port.
        QVERIFY2(sent().startsWith(hex("01 aa aa 23 46 0a 1f 02 00 01")), qPrintable(sent().toHex(' ')));
        QCOMPARE(sim->analogThreshold(), quint8(70));
        QCOMPARE(form->pages().pagecontrol1->currentWidget(), static_cast<QWidget *>(form->pages().ParametryTab));
    }
};

QTEST_MAIN(TestAppPages)
#include "tst_app_pages.moc"
