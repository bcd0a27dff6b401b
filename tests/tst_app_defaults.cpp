// "Reset parametrów" and "Domyślne ustawienia" in the real window against the
// simulator: what the page ends with, what goes over the wire and when a
// write may be called done.
#include "TestBytes.h"
#include "WindowOnSimulator.h"
#include "tledmeter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QtTest>

namespace {

// A controller whose settings differ from the defaults wherever a box or list
// can: every flag bit set, Bosch timing, the gas limit off, 4800 per turn.
QByteArray everythingOnBlock()
{
    return blockBytes({{8, 0xFF}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {13, 1}, {14, 0}, {31, 1}, {32, 2}, {33, 0}});
}

// The reset's write, one group per command; the pause before each group's
// first byte is at least the given number of milliseconds, every other byte
// follows 3 ms after the one before.
struct WriteGroup
{
    const char *bytes;
    double pauseBefore;
};
const WriteGroup ResetWrite[] = {
    {"aa 1e 01", 0},     {"0b fd", 23},         {"0f 19", 23},         {"08 80 07", 23},  {"07 19", 23},
    {"14 25 02", 23},    {"0b f9", 23},         {"16 80 02", 23},      {"12 f5 37", 23},  {"13 9b", 23},
    {"06 7a 00 f4 00", 23}, {"1a 7a 00 f4 00", 23}, {"19 05", 23},     {"0b e9", 23},     {"17 e1", 23},
    {"18 00 0a", 23},    {"1b 1e", 23},         {"0b e8", 23},         {"20 bc e3", 23},  {"1c ae c4", 23},
    {"15 18 00", 23},    {"0b e0 0b e0", 23},   {"0b a0", 23},         {"0b 20", 23},     {"05 6f", 23},
    // The threshold in a block of its own on the reopened port.
    {"aa", 23},          {"23", 23},            {"01", 23},            {"0a", 43},
};

} // namespace

class TestAppDefaults : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    void pressReset() { QTest::mouseClick(onParameters<QPushButton>("ResButt"), Qt::LeftButton); }

    // The page shows the controller set up as everythingOnBlock() says.
    void enterPageWithEverythingOn()
    {
        sim->setParameterBlock(everythingOnBlock());
        form->menu().ParButton->trigger();
        for (const char *box : {"CheckBox8_2", "CheckBox13_3", "CheckBox15", "CheckBox22_2"})
            QVERIFY2(onParameters<QCheckBox>(box)->isChecked(), box);
        QCOMPARE(onParameters<QComboBox>("ComboBox9")->currentIndex(), 1);
        QVERIFY(field("Edit10")->isEnabled());
        // A few polls, so the write follows a controller that answers.
        CLOCK_VERIFY(sim->bytesReceivedInAll() > 0 && !form->channel().lastReadEmpty(), 5000);
        clearWire();
    }

    // The reset's bytes, then nothing but live requests.
    void verifyResetWrite()
    {
        QByteArray expected;
        for (const WriteGroup &group : ResetWrite)
            expected += hex(group.bytes);
        const QByteArray wire = sent();
        QCOMPARE(wire.left(expected.size()), expected);
        for (char byte : wire.mid(expected.size()))
            QCOMPARE(quint8(byte), quint8(0x02));

        const QVector<double> gaps = sentGapsMs();
        int index = 0;
        for (const WriteGroup &group : ResetWrite) {
            const int size = hex(group.bytes).size();
            for (int i = 0; i < size; ++i, ++index) {
                if (index == 0)
                    continue;
                const double least = i == 0 ? group.pauseBefore : 3.0;
                QVERIFY2(gaps[index - 1] >= least,
                         qPrintable(QString("byte %1 (%2): %3 ms after the one before, at least %4 due")
                                        .arg(index).arg(group.bytes).arg(gaps[index - 1]).arg(least)));
            }
        }
    }

private slots:
    void init() { QVERIFY(startWindowOnTheUsualCar()); }

    void cleanup() { closeWindow(); }

    void resetWritesTheDefaultsAtOnce()
    {
        enterPageWithEverythingOn();
        pressReset();
        verifyResetWrite();

        QCOMPARE(form->statusPanelText(1), QStringLiteral("Zapisano parametry"));
        QVERIFY(form->navigator().parametersInSync());
        QVERIFY(form->timers().TimerParamOdcz.isActive());
        QVERIFY(form->channel().isOpen());
        QCOMPARE(dialogs->entries.size(), 0);
        // The controller now holds the defaults: a read gives them back.
        form->navigator().odczButPicClick();
        QCOMPARE(field("Edit8_1")->text(), QStringLiteral("7000"));
        QCOMPARE(field("Edit13_1")->text(), QStringLiteral("500"));
        QCOMPARE(onParameters<QComboBox>("ComboBox21")->currentIndex(), 1);
    }

    // Every control as the program's default parameters have it, whatever the
    // page showed before.
    void resetLeavesTheDefaultsOnThePage()
    {
        // A field's text, a list's index, a box's tick as 0/1.
        const char *rows[][2] = {
            {"ComboBox1", "0"}, {"Edit2", "0,50"}, {"Edit3", "2000"}, {"ComboBox4", "0"}, {"Edit5", "1,25"},
            {"Edit6", "3"}, {"Edit7", "6"}, {"Edit8_1", "7000"}, {"CheckBox8_2", "0"}, {"ComboBox9", "0"},
            {"Edit10", "500"}, {"Edit11_1", "10"}, {"Edit11_2", "200"}, {"Edit12", "100"}, {"Edit13_1", "500"},
            {"Edit13_2", "500"}, {"CheckBox13_3", "0"}, {"Edit14", "1"}, {"CheckBox15", "0"}, {"Edit16", "30"},
            {"Edit17", "1500"}, {"Edit18", "30"}, {"Edit19", "100"}, {"ComboBox20", "0"}, {"ComboBox21", "1"},
            {"Edit22_1", "0"}, {"CheckBox22_2", "0"}, {"Edit23", "1"},
        };
        enterPageWithEverythingOn();
        pressReset();
        QStringList wrong;
        for (const auto &[name, value] : rows) {
            QWidget *control = form->findChild<QWidget *>(name);
            QVERIFY2(control, name);
            QString shown;
            if (auto *list = qobject_cast<QComboBox *>(control))
                shown = list->isEditable() ? list->currentText() : QString::number(list->currentIndex());
            else if (auto *box = qobject_cast<QCheckBox *>(control))
                shown = box->isChecked() ? "1" : "0";
            else
                shown = qobject_cast<QLineEdit *>(control)->text();
            if (shown != QLatin1String(value))
                wrong << QString("%1 shows %2, not %3").arg(name, shown, value);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    void resetRunsTheHandlersOfTheBoxesItUnticks()
    {
        enterPageWithEverythingOn();
        pressReset();
        // The cut-off box's handler disables its fields; the sensor box's
        // turns the sensor off; the list changes without its handler.
        QVERIFY(!field("Edit16")->isEnabled());
        QVERIFY(!field("Edit17")->isEnabled());
        QCOMPARE(form->parameters().TempSensorOn, quint8(0));
        QCOMPARE(form->parameters().text(qx::P::CutoffOn), QStringLiteral("0"));
        QCOMPARE(form->parameters().text(qx::P::BoschProbe), QStringLiteral("0"));
        QVERIFY2(field("Edit10")->isEnabled(), "the RPM-kind list was set without its handler");
    }

    // A write is called done only when the port took it and the controller
    // was answering; the bytes go out either way.
    void resetToASilentControllerIsNotCalledWritten()
    {
        enterPageWithEverythingOn();
        sim.setFault(qxsim::Fault::Silence);
        CLOCK_VERIFY(form->channel().lastReadEmpty(), 5000);
        clearWire();
        pressReset();
        verifyResetWrite();
        QCOMPARE(form->statusPanelText(1), QString());
        QVERIFY(!form->navigator().parametersInSync());
        QCOMPARE(field("Edit8_1")->text(), QStringLiteral("7000"));
    }

    void resetOnAVanishingPortIsNotCalledWritten()
    {
        enterPageWithEverythingOn();
        sim.setFault(qxsim::Fault::HangUp, 10); // gone in the middle of the write
        pressReset();
        QCOMPARE(form->statusPanelText(1), QString());
        QVERIFY(!form->navigator().parametersInSync());
        QCOMPARE(field("Edit8_1")->text(), QStringLiteral("7000"));
        QVERIFY(dialogs->count(qx::DialogIcon::Error) >= 1);

        // Back again: the next save is done.
        sim.setFault(qxsim::Fault::None);
        form->navigator().odczButPicClick();
        CLOCK_VERIFY(!form->channel().lastReadEmpty(), 5000);
        form->navigator().ZapButPicClick();
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Zapisano parametry"));
        QVERIFY(form->navigator().parametersInSync());
    }

    void writtenProbeTypeRescalesTheLiveStrip()
    {
        sim->setParameterBlock(blockBytes({{31, 2}, {32, 2}})); // 0-1.6 V
        form->menu().ParButton->trigger();
        QCOMPARE(form->pages().ParametryTab->lambdaBar().max(), 96);
        onParameters<QComboBox>("ComboBox1")->setCurrentIndex(1); // 0-5 V
        form->navigator().ZapButPicClick();
        QCOMPARE(form->protocol().state().ProbeVariant, QStringLiteral("1"));
        QCOMPARE(form->pages().ParametryTab->lambdaBar().max(), 290);
    }

    void defaultsMenuSitsAfterThePortMenu()
    {
        QStringList bar;
        for (QAction *action : form->menuBar()->actions())
            bar << action->text();
        QCOMPARE(bar.mid(bar.indexOf("Port"), 2), QStringList({"Port", "Domyślne ustawienia"}));
        QCOMPARE(form->menu().DefaultOption->objectName(), QStringLiteral("DefaultOption"));
    }

    void defaultsReadTheControllerOnCom1()
    {
        form->menu().ParButton->trigger();
        form->navigator().PCOMClick(3); // nothing there
        sim->setParameterBlock(blockBytes({{6, 0x00}, {7, 0x06}, {31, 1}, {32, 2}})); // 2500 rpm at 4800
        clearWire();
        form->menu().DefaultOption->trigger();

        QVERIFY(form->menu().PCOM[0]->isChecked());
        QCOMPARE(form->protocol().portName(), QStringLiteral("com1"));
        const QByteArray wire = sent();
        QCOMPARE(wire.left(4), hex("aa 22 0a 09"));
        const QVector<double> gaps = sentGapsMs();
        QVERIFY2(gaps[0] >= 53 && gaps[1] >= 53, "the threshold read waits 50 ms twice");
        if (gaps.size() > 3)
            QVERIFY2(gaps[3] >= 303, "the block is waited for 300 ms");
        QCOMPARE(field("Edit3")->text(), QStringLiteral("2500"));
        QVERIFY(form->channel().isOpen());
        QVERIFY(form->timers().TimerParamOdcz.isActive());
    }

    void defaultsWithoutAControllerKeepThePage()
    {
        form->menu().ParButton->trigger();
        field("Edit3")->setText("3300");
        sim.setFault(qxsim::Fault::Silence);
        form->menu().DefaultOption->trigger();
        QVERIFY(form->menu().PCOM[0]->isChecked());
        QCOMPARE(field("Edit3")->text(), QStringLiteral("3300"));
    }
};

QTEST_MAIN(TestAppDefaults)
#include "tst_app_defaults.moc"
