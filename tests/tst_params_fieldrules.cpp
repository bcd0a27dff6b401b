// The Parameters page's editor rules: key filters, pasting, leave checks and
// the table of controls held against the page itself. One row per case.
#include "FieldRules.h"
#include "ParameterSet.h"
#include "ParametersPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace qx;

namespace {

// Every whole-number field with its typing limit and range, as the help texts state them.
struct IntLimits
{
    const char *name;
    int maxLength;
    int min;
    int max;
};
const IntLimits IntFields[] = {
    {"Edit3", 5, 1000, 9000}, {"Edit6", 2, 1, 24},      {"Edit7", 2, 1, 24},       {"Edit8_1", 5, 1000, 9000},
    {"Edit10", 5, 0, 5000},   {"Edit11_1", 3, 0, 255},  {"Edit11_2", 3, 0, 255},   {"Edit12", 3, 1, 255},
    {"Edit13_1", 5, 0, 4000}, {"Edit13_2", 5, 0, 4000}, {"Edit14", 3, 1, 50},      {"Edit16", 3, 1, 255},
    {"Edit17", 5, 500, 5000}, {"Edit18", 3, 2, 50},     {"Edit19", 5, 100, 10000}, {"Edit22_1", 2, 0, 100},
};

// The neighbour's text for the neighbour's name only, so a row whose rule
// names another control sees no neighbour at all.
TextOf only(const QString &neighbour, const QString &text)
{
    return [=](const QString &name) { return name == neighbour ? text : QString(); };
}

} // namespace

class TestParamsFieldRules : public QObject
{
    Q_OBJECT

    ParameterSet set;
    QComboBox threshold;
    std::unique_ptr<ParametersPage> page;

private slots:
    void initTestCase()
    {
        page = std::make_unique<ParametersPage>(set, &threshold);
        page->ShowParameters(); // all zero: ComboBox9 on entry 0, CheckBox15 clear
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("digitsOnly"); // 0: dropped
        QTest::addColumn<int>("decimal");
        // Digits, backspace and 127 pass both filters; decimals take a comma, and a point as one.
        for (int key : {int('0'), int('9'), 8, 127})
            QTest::addRow("%d kept", key) << key << key << key;
        QTest::newRow("comma only in decimals") << int(',') << 0 << int(',');
        QTest::newRow("point becomes a comma") << int('.') << 0 << int(',');
        // Just below and above the digits, a letter, space, minus, Enter, an Arabic-Indic three.
        for (int key : {int('/'), int(':'), int('a'), int(' '), int('-'), 13, 0x0663})
            QTest::addRow("%d dropped", key) << key << 0 << 0;
    }
    void keys()
    {
        QFETCH(int, key);
        QTEST(int(DigitsOnlyKey(QChar(key)).unicode()), "digitsOnly");
        QTEST(int(DecimalKey(QChar(key)).unicode()), "decimal");
    }

    void paste_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("point into Edit2 is a comma") << "Edit2" << "0.45" << "0,45";
        QTest::newRow("Edit2 cut at four") << "Edit2" << "4,955" << "4,95";
        QTest::newRow("letters and spaces dropped") << "Edit3" << "1 2a34" << "1234";
        QTest::newRow("point dropped from whole numbers") << "Edit6" << "1.5" << "15";
        QTest::newRow("backspace and 127 are noise") << "Edit10" << "1\b2\x7f" "3" << "123";
        QTest::newRow("cut after filtering") << "Edit6" << "a1b2c3" << "12";
        QTest::newRow("100 does not fit Edit22_1") << "Edit22_1" << "100" << "10";
    }
    void paste()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        const FieldRule *rule = fieldRule(field);
        QVERIFY(rule);
        QTEST(pasteFilter(*rule, pasted), "kept");
    }

    void typingLimit_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("maxLength");
        for (const auto &f : IntFields)
            QTest::addRow("%s takes %d", f.name, f.maxLength) << f.name << f.maxLength;
        QTest::newRow("Edit2 takes 4") << "Edit2" << 4;
        QTest::newRow("Edit5 takes 4") << "Edit5" << 4;
    }
    void typingLimit()
    {
        QFETCH(QString, field);
        QFETCH(int, maxLength);
        const FieldRule *rule = fieldRule(field);
        QVERIFY(rule);
        QCOMPARE(pasteFilter(*rule, "1234567890"), QString("1234567890").left(maxLength));
    }

    // Whole numbers kept to their range, decimals to theirs and to two places.
    void leaveChecks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("checked");
        for (const auto &f : IntFields) {
            const QString min = QString::number(f.min), max = QString::number(f.max);
            QTest::addRow("%s empty is %d", f.name, f.min) << f.name << "" << min;
            QTest::addRow("%s 1x is %d", f.name, f.min) << f.name << "1x" << min;
            QTest::addRow("%s %d is %d", f.name, f.min - 1, f.min) << f.name << QString::number(f.min - 1) << min;
            QTest::addRow("%s %d stays", f.name, f.min) << f.name << min << min;
            QTest::addRow("%s %d stays", f.name, f.max) << f.name << max << max;
            QTest::addRow("%s %d is %d", f.name, f.max + 1, f.max) << f.name << QString::number(f.max + 1) << max;
            QTest::addRow("%s 20 digits are %d", f.name, f.max) << f.name << "12345678901234567890" << max;
        }
        QTest::newRow("leading zeros dropped") << "Edit6" << "007" << "7";
        QTest::newRow("plus sign dropped") << "Edit6" << "+5" << "5";
        QTest::newRow("2^32 does not wrap to 0") << "Edit19" << "4294967296" << "10000";
        QTest::newRow("long negative is the minimum") << "Edit10" << "-12345678901234567890" << "0";
        QTest::newRow("a point is no whole number") << "Edit12" << "5.0" << "1";
        // Decimals: unreadable is the lowest, then kept to the range and to two
        // places, halves up on the decimal digits (1,45 and 2,05 lie below
        // halfway in binary).
        const char *const decimals[][3] = {
            {"Edit2", "", "0,1"}, {"Edit2", ",", "0,1"}, {"Edit2", "1,2,3", "0,1"}, {"Edit2", "1a", "0,1"},
            {"Edit2", "1.5", "0,1"}, {"Edit2", "0,05", "0,1"}, {"Edit2", "0,1", "0,1"}, {"Edit2", "0,10", "0,1"},
            {"Edit2", "0,11", "0,11"}, {"Edit2", "0,12", "0,12"}, {"Edit2", "4,9", "4,90"}, {"Edit2", "4,91", "4,9"},
            {"Edit2", "5", "4,9"},
            {"Edit5", "", "0,0"}, {"Edit5", "0", "0,0"}, {"Edit5", "0,01", "0,01"}, {"Edit5", "9,9", "9,90"},
            {"Edit5", "9,91", "9,9"}, {"Edit5", "12", "9,9"}, {"Edit5", "1,25", "1,30"}, {"Edit5", "1,45", "1,50"},
            {"Edit5", "2,05", "2,10"}, {"Edit5", "1,04", "1,00"}, {"Edit5", "1,95", "2,00"}, {"Edit5", "5", "5,00"},
            {"Edit5", "0,45", "0,45"}, {"Edit5", "0,125", "0,13"}, {"Edit5", "0,1249", "0,12"},
            {"Edit5", "0,995", "1,00"}, {"Edit5", ",5", "0,50"}, {"Edit5", "5,", "5,00"}, {"Edit5", "05,5", "5,50"},
        };
        for (const auto &[field, text, checked] : decimals)
            QTest::addRow("%s \"%s\" is %s", field, text, checked) << field << text << checked;
    }
    void leaveChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        const FieldRule *rule = fieldRule(field);
        QVERIFY(rule);
        QTEST(leaveCheck(*rule, text, only(QString(), QString())), "checked");
    }

    void crossRules_data()
    {
        QTest::addColumn<bool>("enter"); // CheckFocusedField rather than leaving
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("neighbour");
        QTest::addColumn<QString>("neighbourText");
        QTest::addColumn<QString>("checked");
        QTest::newRow("Edit3 9000 under 5000 is 4900") << false << "Edit3" << "9000" << "Edit8_1" << "5000" << "4900";
        QTest::newRow("Edit3 equal is 100 under") << false << "Edit3" << "5000" << "Edit8_1" << "5000" << "4900";
        QTest::newRow("Edit3 just under stays") << false << "Edit3" << "4999" << "Edit8_1" << "5000" << "4999";
        QTest::newRow("Edit3 under 1000 stays 1000") << false << "Edit3" << "1500" << "Edit8_1" << "1000" << "1000";
        QTest::newRow("Edit3 clamped before") << false << "Edit3" << "20000" << "Edit8_1" << "9000" << "8900";
        QTest::newRow("Edit3 beside empty") << false << "Edit3" << "9001" << "Edit8_1" << "" << "9000";
        QTest::newRow("Edit3 beside no number") << false << "Edit3" << "5000" << "Edit8_1" << "5x" << "5000";
        QTest::newRow("Edit8_1 1500 over 2000 is 2100") << false << "Edit8_1" << "1500" << "Edit3" << "2000" << "2100";
        QTest::newRow("Edit8_1 equal is 100 over") << false << "Edit8_1" << "2000" << "Edit3" << "2000" << "2100";
        QTest::newRow("Edit8_1 just over stays") << false << "Edit8_1" << "2001" << "Edit3" << "2000" << "2001";
        QTest::newRow("Edit8_1 over 9000 stays 9000") << false << "Edit8_1" << "9000" << "Edit3" << "9000" << "9000";
        QTest::newRow("Edit8_1 clamped before") << false << "Edit8_1" << "500" << "Edit3" << "999" << "1000";
        QTest::newRow("Edit11_1 250 under 200 is 200") << false << "Edit11_1" << "250" << "Edit11_2" << "200" << "200";
        QTest::newRow("Edit11_1 equal stays") << false << "Edit11_1" << "200" << "Edit11_2" << "200" << "200";
        QTest::newRow("Edit11_1 copy kept in range") << false << "Edit11_1" << "255" << "Edit11_2" << "-5" << "0";
        QTest::newRow("Edit11_2 100 over 150 is 150") << false << "Edit11_2" << "100" << "Edit11_1" << "150" << "150";
        QTest::newRow("Edit11_2 copy kept in range") << false << "Edit11_2" << "100" << "Edit11_1" << "999" << "255";
        QTest::newRow("Edit11_2 empty then held") << false << "Edit11_2" << "" << "Edit11_1" << "20" << "20";
        QTest::newRow("Edit13_1 left over 500 stays") << false << "Edit13_1" << "900" << "Edit13_2" << "500" << "900";
        QTest::newRow("Enter: Edit13_1 900 over is 500") << true << "Edit13_1" << "900" << "Edit13_2" << "500" << "500";
        QTest::newRow("Enter: Edit13_1 under stays") << true << "Edit13_1" << "400" << "Edit13_2" << "500" << "400";
        QTest::newRow("Enter: Edit13_1 clamps first") << true << "Edit13_1" << "5000" << "Edit13_2" << "4500" << "4000";
        QTest::newRow("Enter: Edit13_1 beside empty") << true << "Edit13_1" << "900" << "Edit13_2" << "" << "900";
        QTest::newRow("Enter: Edit13_2 100 becomes 300") << true << "Edit13_2" << "100" << "Edit13_1" << "300" << "300";
        QTest::newRow("Enter: Edit13_2 over stays") << true << "Edit13_2" << "300" << "Edit13_1" << "100" << "300";
        QTest::newRow("Enter: Edit13_2 copy clamped") << true << "Edit13_2" << "100" << "Edit13_1" << "5000" << "4000";
        QTest::newRow("Enter: Edit3 leave rule too") << true << "Edit3" << "9000" << "Edit8_1" << "5000" << "4900";
        QTest::newRow("Enter: Edit5 leave check too") << true << "Edit5" << "12" << "" << "" << "9,9";
    }
    void crossRules()
    {
        QFETCH(bool, enter);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, neighbour);
        QFETCH(QString, neighbourText);
        const FieldRule *rule = fieldRule(field);
        QVERIFY(rule);
        const TextOf textOf = only(neighbour, neighbourText);
        QTEST(enter ? CheckFocusedField(*rule, text, textOf) : leaveCheck(*rule, text, textOf), "checked");
    }

    void everyControlOfThePageHasARow()
    {
        QStringList controls;
        for (QWidget *w : page->findChildren<QWidget *>())
            if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QCheckBox *>(w))
                controls << w->objectName();
        controls.removeOne("WylaczkomentarzeCheck"); // a setting of the program, not a parameter
        QCOMPARE(controls.size(), fieldRules().size());
        for (const QString &name : controls)
            QVERIFY2(fieldRule(name), qPrintable(name));
    }

    void rowNamesThePage_data()
    {
        QTest::addColumn<QString>("field");
        for (const FieldRule &rule : fieldRules())
            QTest::newRow(qPrintable(rule.name)) << rule.name;
    }
    void rowNamesThePage()
    {
        QFETCH(QString, field);
        const FieldRule &rule = *fieldRule(field);
        QWidget *control = page->findChild<QWidget *>(field);
        QVERIFY(control);
        const bool isList = qobject_cast<QComboBox *>(control), isBox = qobject_cast<QCheckBox *>(control);
        QCOMPARE(rule.kind == FieldKind::List, isList);
        QCOMPARE(rule.kind == FieldKind::Box, isBox);
        QCOMPARE(rule.focusedList != 0, isList);
        QCOMPARE(rule.filter == KeyFilter::Decimal, rule.kind == FieldKind::DecimalField);
        QCOMPARE(rule.filter == KeyFilter::DigitsOnly, rule.kind == FieldKind::IntField);
        QVERIFY(page->findChild<QLabel *>(rule.caption));
        if (rule.cross)
            QVERIFY(fieldRule(rule.cross->neighbour));
    }

    void statusTextsRunThroughTheHelpKeysInFieldOrder()
    {
        QList<TextKey> shown;
        for (const FieldRule &rule : fieldRules()) {
            if (rule.help) {
                QVERIFY(*rule.help >= TextKey::HelpProbeType && *rule.help <= TextKey::HelpSwitchTemperature);
            }
            if (rule.status == StatusText::Help) {
                QVERIFY(rule.help);
                shown << *rule.help;
            }
        }
        QCOMPARE(shown.size(), int(TextKey::HelpSwitchTemperature) - int(TextKey::HelpProbeType) + 1);
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(int(shown[i]), int(TextKey::HelpProbeType) + i);
    }

    void boxes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("help"); // 0: the comment line is emptied
        QTest::addColumn<StatusText>("status");
        QTest::newRow("CheckBox8_2 explains the speed limit") << "CheckBox8_2" << int(TextKey::HelpMaxGasRpm)
                                                              << StatusText::Kept;
        QTest::newRow("CheckBox13_3 shows nothing") << "CheckBox13_3" << 0 << StatusText::Kept;
        QTest::newRow("CheckBox15 empties the status") << "CheckBox15" << 0 << StatusText::Empty;
        QTest::newRow("CheckBox22_2 explains the temperature") << "CheckBox22_2"
                                                               << int(TextKey::HelpSwitchTemperature)
                                                               << StatusText::Kept;
    }
    void boxes()
    {
        QFETCH(QString, field);
        const FieldRule *rule = fieldRule(field);
        QVERIFY(rule);
        QTEST(rule->help ? int(*rule->help) : 0, "help");
        QTEST(rule->status, "status");
    }

    void listsNumberedInFieldOrderAndTheLastTwoUnsync()
    {
        QStringList unsyncing;
        int number = 0;
        for (const FieldRule &rule : fieldRules()) {
            if (rule.kind == FieldKind::List)
                QCOMPARE(rule.focusedList, ++number);
            if (rule.focusClearsInSync)
                unsyncing << rule.name;
        }
        QCOMPARE(number, 5);
        QCOMPARE(unsyncing, (QStringList{"ComboBox20", "ComboBox21"}));
    }

    void captionClick_data()
    {
        QTest::addColumn<QString>("label");
        for (const CaptionClick &click : captionClicks())
            QTest::addRow("%s focuses %s", qPrintable(click.label), qPrintable(click.control)) << click.label;
    }
    void captionClick()
    {
        QFETCH(QString, label);
        const CaptionClick &click = *std::find_if(captionClicks().begin(), captionClicks().end(),
                                                  [&](const CaptionClick &c) { return c.label == label; });
        QVERIFY(page->findChild<QLabel *>(label));
        const FieldRule *rule = fieldRule(click.control);
        QVERIFY(rule);
        // The box's own caption beside it focuses it as well as the row's.
        QVERIFY(rule->caption == label || label == "CheckBox15_Label");
        // The page starts with the delta and cut-off fields disabled.
        QCOMPARE(click.onlyWhileEnabled, !page->findChild<QWidget *>(click.control)->isEnabled());
    }

    void everyCaptionButOneIsClickable()
    {
        QSet<QString> clickable;
        for (const CaptionClick &click : captionClicks())
            clickable << click.label;
        for (const FieldRule &rule : fieldRules())
            QVERIFY2(clickable.contains(rule.caption) != (rule.caption == "minprzelbgLabel"), qPrintable(rule.caption));
    }
};

QTEST_MAIN(TestParamsFieldRules)
#include "tst_params_fieldrules.moc"
