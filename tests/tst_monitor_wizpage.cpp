// The Visualisation page: its named controls and their built-in texts, a
// layout without overlaps, and the page's own chart controls.
#include "Controls.h"
#include "VisualisationPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include <cmath>

using qx::VisualisationPage;

namespace {

const QSize designPage(787, 487);

} // namespace

class TestMonitorWizPage : public QObject
{
    Q_OBJECT

private slots:
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text"); // the built-in text; empty for instruments without one
        const auto row = [](const char *name, const char *className, const QString &text = QString()) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className) << text;
        };
        const char *const instruments[][2] = {
            {"LEDMeter1", "TLEDMeter"}, {"Gauge4", "TAb180Meter"}, {"obrotomierz", "TAb270Meter"},
            {"Gauge2", "TAbTank"}, {"Gauge3", "TGauge"}, {"AbThermometer1", "TAbThermometer"}, {"Scope1", "TScope"},
            {"AbLED1", "TAbLED"}, {"UpDown1", "QSpinBox"}, {"GroupBox11", "QGroupBox"}, {"GroupBox10", "QGroupBox"},
            {"AbGradient6", "TAbGradient"}, {"AbGradient7", "TAbGradient"},
        };
        for (const auto &[name, className] : instruments)
            row(name, className);
        for (const char *panel : {"Panel1", "Panel4", "paneltemp", "Label43", "Label44"})
            row(panel, "QLabel", QStringLiteral("0"));
        for (const char *panel : {"Panel5", "Panel6"})
            row(panel, "QLabel", QStringLiteral("0.00"));
        for (const char *label : {"Panel2", "Panel7", "Panel3", "Panel8", "Label48", "Label49", "Label50", "Label51",
                                  "Label52", "Label53"})
            row(label, "QLabel");
        const char *const labels[][2] = {
            {"CzasTHLabel", "TH: "}, {"CzasTLLabel", "TL: "}, {"PodpisWykresLambda", "CZASY LAMBDA:"},
            {"TranserrorLabel", "BladTransmisji"}, {"Label30", "Bogata"}, {"Label71", "Uboga"},
            {"Label26", "Poziom gazu w zbiorniku"}, {"Label25", "Silnik krokowy"}, {"Label47", "Otwarty"},
            {"Label27", "Zamknięty"}, {"Label75", "Lambda"}, {"Label42", "Temperatura reduktora"},
            {"WykresLambdaY1", "0,0"}, {"WykresLambdaY2", "0,2"}, {"WykresLambdaY3", "0,5"}, {"WykresLambdaY4", "0,8"},
            {"WykresLambdaY5", "1,0"}, {"WykresLambdaX", "0,5 s / dz"}, {"Label28", "λ [V]"}, {"Label67", "t [s]"},
        };
        for (const auto &[name, text] : labels)
            row(name, "QLabel", QString::fromUtf8(text));
        row("CheckBox39", "QCheckBox", QStringLiteral("&LAMBDA"));
        row("CheckBox40", "QCheckBox", QStringLiteral("&TPS"));
        row("CheckBox41", "QCheckBox", QStringLiteral("&RPM"));
        row("CheckBox42", "QCheckBox", QStringLiteral("&STEP"));
        row("CheckBox10", "QCheckBox", QStringLiteral("S&IATKA"));
        row("SpeedButton4", "QToolButton", QStringLiteral("&PAUZA"));
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, text);
        VisualisationPage page;
        QCOMPARE(page.objectName(), QStringLiteral("WizualizacjaTab"));
        QWidget *found = page.findChild<QWidget *>(name);
        QVERIFY2(found, qPrintable(name));
        QVERIFY(found->inherits(className.toLatin1()));
        if (!text.isEmpty())
            QCOMPARE(found->property("text").toString(), text);
    }

    // Controls are found by name across the whole window, so every one has a
    // name of its own.
    void everyControlNamedOnce()
    {
        VisualisationPage page;
        QSet<QString> names;
        for (QWidget *child : page.findChildren<QWidget *>()) {
            const QString name = child->objectName();
            if (name.startsWith(QLatin1String("qt_")))
                continue;
            QVERIFY2(!name.isEmpty(), child->metaObject()->className());
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }
    }

    // Inside its parent, clear of its neighbours, the page within its design size.
    void layoutFitsWithoutOverlap()
    {
        VisualisationPage page;
        QList<QWidget *> parents{&page};
        while (!parents.isEmpty()) {
            QWidget *parent = parents.takeFirst();
            const QRect room = parent == &page ? QRect(QPoint(), designPage) : parent->rect();
            // Gradients lie under the controls by design.
            QList<QWidget *> children = namedChildren(*parent);
            children.removeIf([](const QWidget *child) { return child->inherits("TAbGradient"); });
            for (int i = 0; i < children.size(); ++i) {
                const QWidget *a = children[i];
                QVERIFY2(room.contains(a->geometry()), qPrintable(a->objectName()));
                for (int j = i + 1; j < children.size(); ++j)
                    QVERIFY2(!a->geometry().intersects(children[j]->geometry()),
                             qPrintable(a->objectName() + QLatin1String(" / ") + children[j]->objectName()));
            }
            parents << children;
        }
    }

    // Every text whole in its box, in the fonts the page sets.
    void textsNotClipped()
    {
        VisualisationPage page;
        QStringList clipped;
        for (QWidget *child : page.findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(child);
            const QSize needed = child->minimumSizeHint();
            if (label && label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                : (label || qobject_cast<QAbstractButton *>(child))
                    && (child->width() < needed.width() || child->height() < needed.height()))
                clipped << child->objectName();
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String(", "))));
    }

    void traceSelectors_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("scalePanel");
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("shownAtStart");
        QTest::newRow("A lambda") << "CheckBox39" << "Panel2" << int(TScope::ChannelA) << true;
        QTest::newRow("B TPS") << "CheckBox40" << "Panel7" << int(TScope::ChannelB) << false;
        QTest::newRow("C RPM") << "CheckBox41" << "Panel3" << int(TScope::ChannelC) << false;
        QTest::newRow("D stepper") << "CheckBox42" << "Panel8" << int(TScope::ChannelD) << false;
    }
    void traceSelectors()
    {
        QFETCH(QString, selector);
        QFETCH(QString, scalePanel);
        QFETCH(int, channel);
        QFETCH(bool, shownAtStart);
        VisualisationPage page;
        auto *box = page.findChild<QCheckBox *>(selector);
        QWidget *panel = page.findChild<QWidget *>(scalePanel);
        const auto trace = TScope::Channel(channel);

        for (bool shown : {shownAtStart, !shownAtStart, shownAtStart}) {
            QCOMPARE(box->isChecked(), shown);
            QCOMPARE(control<TScope>(&page, "Scope1")->isChannelEnabled(trace), shown);
            QCOMPARE(panel->isHidden(), !shown);
            box->click();
        }
    }

    void timeBase_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("oldestLine"); // the time axis's first number
        QTest::newRow("1") << 1 << "0,5 s / dz" << 5 << "-2,5";
        QTest::newRow("2") << 2 << "1,0 s / dz" << 10 << "-5";
        QTest::newRow("3") << 3 << "1,5 s / dz" << 15 << "-7,5";
        QTest::newRow("4") << 4 << "2,0 s / dz" << 20 << "-10";
    }
    void timeBase()
    {
        QFETCH(int, position);
        VisualisationPage page;
        QCOMPARE(control<QSpinBox>(&page, "UpDown1")->minimum(), 1);
        QCOMPARE(control<QSpinBox>(&page, "UpDown1")->maximum(), 4);
        // Arrive from the far end, so position 1 is a change too.
        control<QSpinBox>(&page, "UpDown1")->setValue(position == 4 ? 1 : 4);
        control<QSpinBox>(&page, "UpDown1")->setValue(position);
        QTEST(control<QLabel>(&page, "WykresLambdaX")->text(), "caption");
        QTEST(control<TScope>(&page, "Scope1")->interval(), "interval");
        QTEST(control<QLabel>(&page, "Label48")->text(), "oldestLine");
        QCOMPARE(control<QLabel>(&page, "Label53")->text(), QStringLiteral("0"));
    }

    // Start-up sets the chart's interval without the spinner; the axis follows.
    void timeAxisFollowsTheInterval()
    {
        VisualisationPage page;
        page.setSampleInterval(20);
        QCOMPARE(control<QLabel>(&page, "Label48")->text(), QStringLiteral("-10"));
        QCOMPARE(control<QLabel>(&page, "Label51")->text(), QStringLiteral("-4"));
    }

    void gridSwitch()
    {
        VisualisationPage page;
        const QColor grid(0xc0, 0xc0, 0xc0);
        const QColor traceBackground(0xff, 0xff, 0xca); // 0xCAFFFF in blue-green-red order
        QVERIFY(control<QCheckBox>(&page, "CheckBox10")->isChecked());
        QCOMPARE(control<TScope>(&page, "Scope1")->gridColor(), grid);
        QCOMPARE(control<TScope>(&page, "Scope1")->backgroundColor(), traceBackground);
        control<QCheckBox>(&page, "CheckBox10")->click();
        QCOMPARE(control<TScope>(&page, "Scope1")->gridColor(), traceBackground);
        control<QCheckBox>(&page, "CheckBox10")->click();
        QCOMPARE(control<TScope>(&page, "Scope1")->gridColor(), grid);
    }

    void pause()
    {
        VisualisationPage page;
        QVERIFY(control<QToolButton>(&page, "SpeedButton4")->isCheckable());
        QVERIFY(control<TScope>(&page, "Scope1")->isActive());
        control<QToolButton>(&page, "SpeedButton4")->click();
        QVERIFY(!control<TScope>(&page, "Scope1")->isActive());
        control<QToolButton>(&page, "SpeedButton4")->click();
        QVERIFY(control<TScope>(&page, "Scope1")->isActive());
    }

    void richLeanPlaces_data()
    {
        QTest::addColumn<bool>("traded");
        QTest::addColumn<double>("scale");
        QTest::newRow("own") << false << 1.0;
        QTest::newRow("traded") << true << 1.0;
        QTest::newRow("own at 1.3") << false << 1.3;
        QTest::newRow("traded at 1.5") << true << 1.5;
    }

    // Places come from the stored design tops, never from where the labels
    // stand now, so a trade and a rescale in any order land right.
    void richLeanPlaces()
    {
        QFETCH(bool, traded);
        QFETCH(double, scale);
        VisualisationPage page;
        const int rich = control<QLabel>(&page, "Label30")->y();
        const int lean = control<QLabel>(&page, "Label71")->y();
        QVERIFY2(lean < rich, "Uboga stands above Bogata in the design");
        const QPoint richLeft = control<QLabel>(&page, "Label30")->pos();

        page.placeRichLeanLabels(!traded, 1.608);
        page.placeRichLeanLabels(traded, scale);
        const auto at = [scale](int top) { return int(std::nearbyint(scale * top)); };
        QCOMPARE(control<QLabel>(&page, "Label30")->y(), at(traded ? lean : rich));
        QCOMPARE(control<QLabel>(&page, "Label71")->y(), at(traded ? rich : lean));
        QCOMPARE(control<QLabel>(&page, "Label30")->x(), richLeft.x());
    }
};

QTEST_MAIN(TestMonitorWizPage)
#include "tst_monitor_wizpage.moc"
