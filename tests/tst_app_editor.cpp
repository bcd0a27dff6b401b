// The Parameters page edited from the keyboard, in the real window against
// the simulator: filters, leave checks, help texts, PageUp and PageDown,
// Enter and Backspace.
#include "TestBytes.h"
#include "WindowOnSimulator.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QWheelEvent>
#include <QtTest>

class TestAppEditor : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    QComboBox *list(const char *name) const { return onParameters<QComboBox>(name); }
    QString focusName() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("(none)");
    }
    void focus(const char *name)
    {
        onParameters<QWidget>(name)->setFocus(Qt::TabFocusReason);
        CLOCK_COMPARE(focusName(), QString(name), 5000);
    }

private slots:
    void init()
    {
        QVERIFY(startWindowOnTheUsualCar());
        form->menu().ParButton->trigger();
        clearWire();
    }

    void cleanup() { closeWindow(); }

    void typingIsFilteredAndLeavingChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("afterLeaving");
        QTest::newRow("a point becomes a comma") << "Edit5" << "0.45" << "0,45" << "0,45";
        QTest::newRow("above the TPS range") << "Edit5" << "12" << "12" << "9,9";
        QTest::newRow("letters dropped") << "Edit6" << "1x2" << "12" << "12";
        QTest::newRow("two characters at most") << "Edit6" << "123" << "12" << "12";
        QTest::newRow("a fifth character cannot be typed") << "Edit2" << "0,123" << "0,12" << "0,12";
        QTest::newRow("the switch speed above the gas limit") << "Edit3" << "9000" << "9000" << "6900";
        QTest::newRow("nothing typed is the minimum") << "Edit14" << "" << "" << "1";
    }
    void typingIsFilteredAndLeavingChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        focus(qPrintable(name));
        field(qPrintable(name))->clear();
        QTest::keyClicks(field(qPrintable(name)), typed);
        QTEST(field(qPrintable(name))->text(), "shown");
        press(Qt::Key_Tab);
        QTEST(field(qPrintable(name))->text(), "afterLeaving");
        QVERIFY2(!form->navigator().parametersInSync(), "typing is an edit");
    }

    void pasteIsFilteredAndCut()
    {
        focus("Edit2");
        field("Edit2")->clear();
        QApplication::clipboard()->setText("1.2345 V");
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field("Edit2")->text(), QStringLiteral("1,23"));
    }

    void textsSetByTheProgramAreNeverCut()
    {
        field("Edit6")->setText("12345");
        QCOMPARE(field("Edit6")->text(), QStringLiteral("12345"));
    }

    void focusShowsHelpAndLightsTheCaption()
    {
        focus("Edit2");
        QCOMPARE(onParameters<QLabel>("info")->text(), QStringLiteral("Próg sondy Lambda [0;5 V]"));
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Próg sondy Lambda [0;5 V]"));
        QVERIFY(onParameters<QLabel>("Label2")->autoFillBackground());
        QCOMPARE(onParameters<QLabel>("Label2")->palette().color(QPalette::Window), QColor(0xEEEEEE));
        focus("Edit3");
        QVERIFY(!onParameters<QLabel>("Label2")->autoFillBackground());
        QVERIFY(onParameters<QLabel>("Label3")->autoFillBackground());

        // Comments off: the comment line stays empty, the status bar still helps.
        onParameters<QCheckBox>("WylaczkomentarzeCheck")->setChecked(true);
        focus("Edit5");
        QCOMPARE(onParameters<QLabel>("info")->text(), QString());
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Próg czujnika TPS [0; 9.9 V]"));
    }

    void pageDownGoesThroughEveryFieldAndTheListsCloseTheRound()
    {
        const QStringList order = {"ComboBox1", "Edit2", "Edit13_1", "Edit13_2", "CheckBox13_3", "ComboBox4", "Edit5",
                                   "Edit6", "Edit7", "Edit11_1", "Edit11_2", "Edit12", "Edit18", "CheckBox15", "Edit3",
                                   "Edit19", "Edit14", "Edit22_1", "CheckBox22_2", "ComboBox9", "Edit8_1",
                                   "CheckBox8_2", "ComboBox20", "ComboBox21"};
        focus("ComboBox1");
        QStringList seen{focusName()};
        for (int i = 1; i < order.size(); ++i) {
            press(Qt::Key_PageDown);
            seen << focusName();
        }
        QCOMPARE(seen, order);
        press(Qt::Key_PageDown);
        QCOMPARE(focusName(), QStringLiteral("ComboBox1"));
        press(Qt::Key_PageUp);
        QCOMPARE(focusName(), QStringLiteral("ComboBox21"));
        QCOMPARE(list("ComboBox21")->currentIndex(), 1);
    }

    void enterInAFieldChecksSavesAndMovesOn()
    {
        focus("Edit13_1");
        field("Edit13_1")->setText("900");
        clearWire();
        press(Qt::Key_Return);
        QCOMPARE(field("Edit13_1")->text(), QStringLiteral("500"));
        CLOCK_COMPARE(focusName(), QStringLiteral("Edit13_2"), 5000);
        const QByteArray bytes = sent();
        QVERIFY2(bytes.startsWith(hex("aa 1e")) && bytes.endsWith(hex("aa 23 01 0a")), qPrintable(bytes.toHex(' ')));
        QCOMPARE(form->statusPanelText(1), QStringLiteral("Czas stanu wysokiego lambda [0;4000 ms]"));
        QVERIFY(form->navigator().parametersInSync());
    }

    void enterOpensAListAndTheSecondTakesTheEntry()
    {
        focus("ComboBox9");
        QCOMPARE(list("ComboBox9")->currentIndex(), 0);
        press(Qt::Key_Return);
        CLOCK_VERIFY(list("ComboBox9")->view()->isVisible(), 5000);
        QTest::keyClick(list("ComboBox9")->view(), Qt::Key_Escape);
        CLOCK_VERIFY(!list("ComboBox9")->view()->isVisible(), 5000);
        press(Qt::Key_Return); // reopens after Escape
        CLOCK_VERIFY(list("ComboBox9")->view()->isVisible(), 5000);
        QTest::keyClick(list("ComboBox9")->view(), Qt::Key_Down);
        clearWire();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(list("ComboBox9")->view(), &enter);
        CLOCK_VERIFY(!list("ComboBox9")->view()->isVisible(), 5000);
        QCOMPARE(list("ComboBox9")->currentIndex(), 1);
        QVERIFY2(field("Edit10")->isEnabled(), "the list's own handler ran");
        QVERIFY(sent().startsWith(hex("aa 1e")));
        CLOCK_COMPARE(focusName(), QStringLiteral("Edit10"), 5000);
    }

    void captionClicksFocusTheirControl_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("focused");
        QTest::newRow("Label3 focuses Edit3") << "Label3" << "Edit3";
        QTest::newRow("the cut-off box's own caption") << "CheckBox15_Label" << "CheckBox15";
        QTest::newRow("Label18 does nothing while Edit16 is disabled") << "Label18" << "Edit2";
    }
    void captionClicksFocusTheirControl()
    {
        QFETCH(QString, label);
        focus("Edit2");
        QTest::mouseClick(onParameters<QLabel>(qPrintable(label)), Qt::LeftButton);
        QFETCH(QString, focused);
        CLOCK_COMPARE(focusName(), focused, 5000);
    }

    void statusAndSyncOnFocus()
    {
        QVERIFY(!form->navigator().parametersInSync());
        form->navigator().ZapButPicClick();
        QVERIFY(form->navigator().parametersInSync());
        focus("Edit2");
        focus("CheckBox15");
        QCOMPARE(form->statusPanelText(1), QString());
        QVERIFY2(form->navigator().parametersInSync(), "focus alone is no edit");
        focus("ComboBox20");
        QVERIFY2(!form->navigator().parametersInSync(), "the mode list clears the sync on focus");
    }

    void theWheelTurnsOnlyAFocusedList()
    {
        focus("Edit2");
        QComboBox *glass = list("ComboBox21");
        const int before = glass->currentIndex();
        QWheelEvent wheel(QPointF(5, 5), glass->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(glass, &wheel);
        QCOMPARE(glass->currentIndex(), before);
    }

    void listsTakeNoTypedCharacters()
    {
        focus("ComboBox21");
        const int before = list("ComboBox21")->currentIndex();
        QTest::keyClicks(list("ComboBox21"), "2 9");
        QCOMPARE(list("ComboBox21")->currentIndex(), before);
        form->navigator().ZapButPicClick();
        focus("ComboBox4");
        QTest::keyClicks(list("ComboBox4"), "x");
        QVERIFY2(!form->navigator().parametersInSync(), "any key in the TPS list is an edit");
    }

    // The commands keep PageUp and PageDown to themselves.
    void pageKeysLeaveTheCommandsAlone()
    {
        for (const char *name : {"ResButt", "ZapButPic", "odczButPic", "OdczytButtPlik", "ZapiszButtPlik",
                                 "PrzywrocButtPlik", "PorownajButtPlik", "WylaczkomentarzeCheck"}) {
            focus(name);
            press(Qt::Key_PageDown);
            press(Qt::Key_PageUp);
            QCOMPARE(focusName(), QString(name));
        }
    }

    void enterOnAButtonOnlyPressesIt()
    {
        focus("OdczytButtPlik");
        clearWire();
        press(Qt::Key_Return);
        QCOMPARE(dialogs->fileDialogs.size(), 1);
        QVERIFY2(sent().isEmpty(), "no save before the button");
    }

    // Enter saves only where there is a page to save: not on the comments
    // box, and not on another page.
    void enterSavesNothingElsewhere_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("the comments box") << "parameters";
        QTest::newRow("the RPM page") << "rpm";
    }
    void enterSavesNothingElsewhere()
    {
        QFETCH(QString, page);
        if (page == "rpm") {
            form->menu().ObrButton->trigger();
            form->timers().TimerObr.stop();
        } else {
            focus("WylaczkomentarzeCheck");
        }
        clearWire();
        press(Qt::Key_Return);
        QVERIFY2(!sent().contains(hex("aa 1e")), qPrintable(sent().toHex(' ')));
    }

    void spaceOnABoxIsAnEdit()
    {
        form->navigator().ZapButPicClick();
        QVERIFY(form->navigator().parametersInSync());
        focus("CheckBox8_2");
        press(Qt::Key_Space);
        QVERIFY(onParameters<QCheckBox>("CheckBox8_2")->isChecked());
        QVERIFY(!form->navigator().parametersInSync());
    }

    void backspaceDeletesInFieldsOnly()
    {
        focus("Edit3");
        field("Edit3")->setText("2000");
        field("Edit3")->setCursorPosition(4);
        press(Qt::Key_Backspace);
        QCOMPARE(field("Edit3")->text(), QStringLiteral("200"));
        field("Edit3")->setCursorPosition(0);
        press(Qt::Key_Backspace);
        QCOMPARE(field("Edit3")->text(), QStringLiteral("200"));
        focus("ComboBox20");
        const int before = list("ComboBox20")->currentIndex();
        press(Qt::Key_Backspace);
        QCOMPARE(list("ComboBox20")->currentIndex(), before);
    }

    // F4 right after typing: the typed value is checked and written, not lost.
    void pageKeyAfterTypingWritesTheCheckedValue()
    {
        focus("Edit6");
        field("Edit6")->clear();
        QTest::keyClicks(field("Edit6"), "99");
        clearWire();
        QTest::keyClick(form.get(), Qt::Key_F4);
        CLOCK_VERIFY(form->timers().TimerObr.isActive(), 5000);
        // Speed 24: (25 − 24) × 2650 = 0x0A5A, low byte first.
        QVERIFY2(sent().contains(hex("20 5a 0a")), qPrintable(sent().toHex(' ')));
    }
};

QTEST_MAIN(TestAppEditor)
#include "tst_app_editor.moc"
