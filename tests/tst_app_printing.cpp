// The Printing page in the real window against the simulator: where its
// captions and values come from, when values are there at all, and what
// Enter does on it.
#include "PdfChoice.h"
#include "PrintingPage.h"
#include "RpmPage.h"
#include "TestBytes.h"
#include "WindowOnSimulator.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {

// The label each printed row takes its caption from.
const char *const CaptionSources[23] = {
    "Label1",  "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",  "Label8",
    "Label9",  "Label10", "Label12", "Label13", "Label14", "Label16", "Label17", "Label18",
    "Label19", "Label20", "Label21", "Label22", "Label23", "Label91", "ZmiennaTemperaturaLabel",
};

QString valueLabelName(int row)
{
    const QString name = QString("Par%1").arg(row, 2, 10, QLatin1Char('0'));
    return row == 11 || row == 13 ? name + "_1" : name;
}

} // namespace

class TestAppPrinting : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    QString printed(const QString &name) const { return control<QLabel>(form->pages().DrukowanieTab, name)->text(); }
    QString value(int row) const { return printed(valueLabelName(row)); }

private slots:
    void init() { QVERIFY(startWindowOnTheUsualCar()); }

    void cleanup() { closeWindow(); }

    void beforeAnyVisitOnlyTheCaptionsAreFilled()
    {
        form->menu().DruButton->trigger();
        QCOMPARE(printed("LabelPS"), QStringLiteral("Parametry systemu"));
        for (int row = 1; row <= 23; ++row) {
            const QLabel *source = form->findChild<QLabel *>(CaptionSources[row - 1]);
            QVERIFY2(source, CaptionSources[row - 1]);
            QCOMPARE(printed(QString("Napis%1").arg(row, 2, 10, QLatin1Char('0'))), source->text());
            QCOMPARE(value(row), valueLabelName(row));
        }
        QCOMPARE(printed("Par11_2"), QStringLiteral("Par11_2"));
    }

    // A visit whose read brought nothing leaves the set at its start-up
    // zeros, which are not the car's.
    void aVisitWithoutAReplyPrintsNoInventedValues()
    {
        sim.setFault(qxsim::Fault::Silence);
        form->menu().ParButton->trigger();
        form->menu().DruButton->trigger();
        QVERIFY(!form->pages().DrukowanieTab->isHidden());
        for (int row = 1; row <= 23; ++row)
            QCOMPARE(value(row), valueLabelName(row));
    }

    void valuesAreTheStoredParameters()
    {
        // Cut-off on, 0-5 V probe, 2500 rpm at 4800 per turn.
        sim->setParameterBlock(blockBytes({{8, 0x10}, {6, 0x00}, {7, 0x06}, {31, 0}, {32, 2}}));
        form->menu().ParButton->trigger();
        field("Edit3")->setText("3300"); // not saved
        form->menu().DruButton->trigger();
        const qx::ParameterSet &set = form->parameters();
        QCOMPARE(value(3), QStringLiteral("2500"));
        QCOMPARE(value(1), onParameters<QComboBox>("ComboBox1")->itemText(1));
        QCOMPARE(value(11), set.text(qx::P::StepMin));
        QCOMPARE(printed("Par11_2"), set.text(qx::P::StepMax));
        QCOMPARE(printed("Par13_2"), set.text(qx::P::LambdaHighTime));
        QCOMPARE(value(15), QStringLiteral("1"));
        QCOMPARE(value(21), onParameters<QComboBox>("ComboBox21")->currentText());
        QCOMPARE(value(22), control<QComboBox>(form->pages().ObrotyTab, "ComboBox2")->currentText());
        QCOMPARE(value(23), set.text(qx::P::SwitchTemperature));
    }

    void resetValuesPrintAfterAFailedRead()
    {
        sim.setFault(qxsim::Fault::Silence);
        form->menu().ParButton->trigger();
        QTest::mouseClick(onParameters<QPushButton>("ResButt"), Qt::LeftButton);
        form->menu().DruButton->trigger();
        QCOMPARE(value(8), QStringLiteral("7000"));
        QCOMPARE(value(15), QStringLiteral("0"));
    }

    // Enter prints the page and nothing else: no write, no poll, port closed.
    void enterOnThePageOnlyPrints()
    {
        QTemporaryDir dir;
        PdfChoice choice;
        choice.path = dir.filePath("sheet.pdf");
        form->menu().ParButton->trigger();
        field("Edit3")->setText("3300"); // an edit not written
        form->menu().DruButton->trigger();
        clearWire();
        control<QPushButton>(form->pages().DrukowanieTab, "DrukujButt")->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(choice.printers.size(), 1);
        QVERIFY(QFile::exists(choice.path));
        QCOMPARE(sent(), QByteArray());
        QVERIFY(!form->channel().isOpen());
        QVERIFY(!form->timers().TimerParamOdcz.isActive());
        QCOMPARE(form->parameters().text(qx::P::SwitchRpm), QStringLiteral("2000"));
    }
};

QTEST_MAIN(TestAppPrinting)
#include "tst_app_printing.moc"
