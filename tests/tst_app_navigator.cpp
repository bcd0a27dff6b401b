// The page-change rules against a controller in memory: who owns the port,
// which timer runs, what goes over the wire and in which order, the leave
// checks, and what the window is asked to show. No real time passes.
#include "DialogRecorder.h"
#include "LanguageTable.h"
#include "LiveAverage.h"
#include "PageNavigator.h"
#include "ParameterBlock.h"
#include "ParameterExchange.h"
#include "RecordingFeedback.h"
#include "ResetValues.h"
#include "ScriptedPortIo.h"
#include "SerialChannel.h"
#include "SimParameterBlock.h"

#include <QtTest>

using qx::Page;

Q_DECLARE_METATYPE(qx::LeaveFields)

namespace {

const QStringList AllPages = {"rpm", "parameters", "visualisation", "adaptation", "printing"};

Page pageNamed(const QString &name)
{
    return Page(AllPages.indexOf(name));
}

// The window as the navigator sees it: notes every request.
class FakeHost final : public qx::PageHost
{
public:
    Page currentPage() const override { return page; }
    void setCurrentPage(Page p) override { page = p; }
    void setPageShown(Page, bool shown) override { calls << (shown ? "show" : "hide"); }
    void setPrintingTabVisible(bool visible) override { printingTab = visible; }
    void StopAllTimers() override
    {
        for (qx::PollTimer *timer : timers)
            timer->stop();
    }
    void focus(qx::FocusTarget target) override
    {
        static const char *const controls[] = {"ComboBox2", "ComboBox1", "CheckBox41", "ComboTerm"};
        focused = controls[int(target)];
    }
    void setStatusText(int panel, const QString &text) override
    {
        if (panel == 1)
            panel1 << text;
    }
    void showPortChoice(int portNumber) override { tickedPort = portNumber; }
    int ignitionListIndex(qx::IgnitionList list) const override
    {
        return list == qx::IgnitionList::Rpm ? rpmList : adaptationList;
    }
    void applyIdentification(const qx::Identification &facts) override
    {
        // Each step's facts over the earlier ones, as the window shows them.
        const auto take = [](auto &shownPart, const auto &part) {
            if (part)
                shownPart = part;
        };
        take(shown.tempSensorSupported, facts.tempSensorSupported);
        take(shown.analogModel, facts.analogModel);
        take(shown.analogThreshold, facts.analogThreshold);
        take(shown.version, facts.version);
        take(shown.ignitionListIndex, facts.ignitionListIndex);
        if (facts.ignitionListIndex)
            rpmList = adaptationList = *facts.ignitionListIndex;
        if (facts.analogThreshold)
            threshold = *facts.analogThreshold;
    }
    void applyBlockFacts(const qx::BlockFacts &facts) override { calls << "block facts", rpmList = facts.ignitionListIndex; }
    void leaveFocusedField() override { calls << "leave field"; }
    qx::LeaveFields parametersLeaveFields() const override { return fields; }
    // The page is the set itself; the RPM page's threshold field travels with it.
    void CollectParameters() override { calls << "collect", set->setText(qx::P::AnalogThreshold, threshold); }
    void ResetParameters() override { calls << "reset", *set = qx::resetParameterSet(), threshold = "1"; }
    void ShowParameters() override { calls << "show parameters", threshold = set->text(qx::P::AnalogThreshold); }
    void followParametersPage() override { calls << "follow lists"; }
    void applyProbeVariant(Page) override {}
    void RefreshPrintoutTexts() override { calls << "printout"; }
    void enableTemperatureAdaptation(bool) override {}
    void HideProcedureTabs() override { calls << "hide steps"; }
    void showFirstAdaptationStep() override { calls << "step 1"; }

    Page page = Page::Rpm;
    QList<qx::PollTimer *> timers;
    int rpmList = 0; // as the form has it
    int adaptationList = -1;
    bool printingTab = false;
    QString focused;
    QStringList panel1;
    QStringList calls;
    int tickedPort = 0;
    qx::Identification shown;
    qx::LeaveFields fields{"100", "10", "200", "1", "0,50", "30"};
    QString threshold = "1"; // Edit23 as the form has it
    qx::ParameterSet *set = nullptr;
};

} // namespace

class TestAppNavigator : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogRecorder> dialogs;
    RecordingFeedback feedback;
    ScriptedPortIo *port = nullptr;
    std::unique_ptr<qx::SerialChannel> channel;
    std::unique_ptr<qx::ControllerProtocol> protocol;
    qx::ParameterSet parameters;
    std::unique_ptr<qx::ParameterExchange> exchange;
    qx::LiveAverage average;
    qx::LanguageTable texts;
    FakeHost host;
    // The pages' polling timers, as the window has them.
    qx::PollTimer TimerObr{"TimerObr", 100, nullptr};
    qx::PollTimer TimerParamOdcz{"TimerParamOdcz", 200, nullptr};
    qx::PollTimer TimerWiz{"TimerWiz", 50, nullptr};
    qx::PollTimer TimerAdaptTerm{"TimerAdaptTerm", 100, nullptr};
    std::unique_ptr<qx::PageNavigator> navigator;

    QSet<QString> running() const
    {
        QSet<QString> names;
        for (const qx::PollTimer *timer : host.timers)
            if (timer->isActive())
                names.insert(timer->objectName());
        return names;
    }

    // Starts as the program does: identified, the RPM page polling.
    void startOnRpmPage()
    {
        navigator->identifyAtStartUp();
        port->log.clear();
        port->sent.clear();
    }
    void goTo(const QString &page) { navigator->showPageFromMenu(pageNamed(page)); }
    QByteArray ignitionCommands() const
    {
        QByteArray out;
        for (int i = port->sent.indexOf('\x1f'); i >= 0; i = port->sent.indexOf('\x1f', i + 3))
            out += port->sent.mid(i, 3);
        return out;
    }

private slots:
    void init()
    {
        dialogs = std::make_unique<DialogRecorder>();
        feedback = RecordingFeedback();
        auto io = std::make_unique<ScriptedPortIo>();
        port = io.get();
        channel = std::make_unique<qx::SerialChannel>(
            std::move(io), qx::PortNameResolver(QStringLiteral("/nonexistent/ports"), [] {
                return QStringList{"/dev/fake1", "/dev/fake2", "/dev/fake3", "/dev/fake4"};
            }),
            &feedback);
        protocol = std::make_unique<qx::ControllerProtocol>(*channel);
        parameters = qx::resetParameterSet();
        exchange = std::make_unique<qx::ParameterExchange>(*protocol, parameters);
        host = FakeHost();
        host.set = &parameters;
        host.timers = {&TimerObr, &TimerParamOdcz, &TimerWiz, &TimerAdaptTerm};
        host.StopAllTimers();
        texts = qx::LanguageTable();
        texts.setText(qx::TextKey::StartDelayTooShort, "T30009");
        texts.setText(qx::TextKey::LambdaThresholdTooLow, "T30010");
        texts.setText(qx::TextKey::StepOpeningTooSmall, "T30011");
        texts.setText(qx::TextKey::StartPositionOutOfRange, "T30013");
        texts.setText(qx::TextKey::StartPositionAtLimit, "T30014");
        texts.setText(qx::TextKey::ControllerFound, "found");
        texts.setText(qx::TextKey::ControllerNotFound, "not found");
        texts.setText(qx::TextKey::NoController, "none");
        navigator = std::make_unique<qx::PageNavigator>(host, *protocol, *exchange, average, texts,
                                                        qx::PageTimers{&TimerObr, &TimerParamOdcz, &TimerWiz,
                                                                       &TimerAdaptTerm});
    }

    void cleanup()
    {
        navigator.reset();
        channel.reset(); // the port goes with it and restores the real pause
        dialogs.reset();
    }

    void startUpIdentifiesAndPolls()
    {
        navigator->identifyAtStartUp();
        QCOMPARE(port->log.join(' '), QStringLiteral("open 01 w400 close open 01 w200 aa w50 22 w50 0a "
                                                     "close open 01 w20 close open 09 w100 close open"));
        QCOMPARE(running(), QSet<QString>{"TimerObr"});
        QCOMPARE(*host.shown.version, 8);
        QCOMPARE(*host.shown.analogThreshold, QStringLiteral("40"));
        QCOMPARE(*host.shown.ignitionListIndex, 2);
        QVERIFY(*host.shown.tempSensorSupported);
    }

    // Every page left for every other: command 31 goes out only from the two
    // pages that poll the ignition list, and only with an entry the list has.
    void ignitionTypeOnLeaving_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("rpmList");
        QTest::addColumn<QByteArray>("expected");
        for (const QString &from : AllPages)
            for (const QString &to : AllPages) {
                if (from == to)
                    continue;
                const bool sends = from == "rpm" || from == "adaptation";
                QTest::addRow("%s to %s", qPrintable(from), qPrintable(to))
                    << from << to << 4 << (sends ? QByteArray::fromHex("1f0400") : QByteArray());
            }
        QTest::newRow("rpm, empty list") << "rpm" << "printing" << -1 << QByteArray();
        QTest::newRow("adaptation, empty lists") << "adaptation" << "printing" << -1 << QByteArray();
    }
    void ignitionTypeOnLeaving()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, rpmList);
        startOnRpmPage();
        goTo(from);
        host.rpmList = host.adaptationList = rpmList;
        port->sent.clear();
        goTo(to);
        QTEST(ignitionCommands(), "expected");
    }

    void entrySteps_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("timer");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("inSync");
        // Each leaves the RPM page first: 31 with the list's entry, the caption refresh.
        const QString leave = "1f 02 00 close open 01 w20 close";
        QTest::newRow("parameters") << "parameters"
                                    << leave + " open aa w50 22 w50 0a close open 09 w300 close open 01 w400 close "
                                               "open 01 w400 close open"
                                    << "TimerParamOdcz" << "ComboBox1" << false;
        QTest::newRow("visualisation") << "visualisation"
                                       << leave + " open aa w50 22 w50 0a close open 09 w300 close open 01 w400 "
                                                  "close open"
                                       << "TimerWiz" << "CheckBox41" << true;
        QTest::newRow("adaptation") << "adaptation" << leave + " open close open 09 w100 close open"
                                    << "TimerAdaptTerm" << "ComboTerm" << false;
        QTest::newRow("printing") << "printing" << leave << "" << "" << false;
        QTest::newRow("rpm again") << "rpm"
                                   << leave + " open 09 w100 close open close open 01 w200 aa w50 22 w50 0a"
                                   << "TimerObr" << "ComboBox2" << true;
    }
    void entrySteps()
    {
        QFETCH(QString, page);
        QFETCH(QString, timer);
        startOnRpmPage();
        host.focused.clear();
        goTo(page);
        QTEST(port->log.join(' '), "log");
        QCOMPARE(running(), timer.isEmpty() ? QSet<QString>() : QSet<QString>{timer});
        QCOMPARE(channel->isOpen(), !timer.isEmpty());
        QTEST(host.focused, "focus");
        QTEST(navigator->parametersInSync(), "inSync");
        QCOMPARE(host.calls.mid(0, 2), (QStringList{"leave field", "hide"}));
        QCOMPARE(host.calls.last(), QStringLiteral("show"));
    }

    // The focused field is checked as if left before the page's own checks
    // and before anything is written, so its typed value is what goes out.
    void focusedFieldIsLeftFirst()
    {
        port->versions["/dev/fake1"] = 8;
        startOnRpmPage();
        goTo("parameters");
        navigator->markParametersEdited();
        host.calls.clear();
        QVERIFY(navigator->pagecontrol1Changing());
        QCOMPARE(host.calls.first(), QStringLiteral("leave field"));
        host.calls.clear();
        goTo("rpm");
        QCOMPARE(host.calls.first(), QStringLiteral("leave field"));
        QVERIFY(host.calls.indexOf("collect") > 0);
    }

    void printingTabAfterTheParametersPage()
    {
        startOnRpmPage();
        for (const char *page : {"visualisation", "printing", "rpm"}) {
            goTo(page);
            QVERIFY(!host.printingTab);
        }
        goTo("parameters");
        QVERIFY(host.printingTab);
        QVERIFY(navigator->parametersPageVisited());
    }

    void leaveChecksOfTheParametersPage_data()
    {
        QTest::addColumn<qx::LeaveFields>("fields");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("allowed");
        const qx::LeaveFields good{"100", "10", "200", "1", "0,50", "30"};
        auto with = [&](int index, const char *text) {
            qx::LeaveFields f = good;
            QString *texts[] = {&f.startPosition, &f.stepMin, &f.stepMax, &f.startDelay, &f.lambdaThreshold,
                                &f.stepOpening};
            *texts[index] = text;
            return f;
        };
        QTest::newRow("all good") << good << QStringList{} << true;
        QTest::newRow("start delay 0") << with(3, "0") << QStringList{"T30009"} << false;
        QTest::newRow("threshold below 0,1") << with(4, "0,05") << QStringList{"T30010"} << false;
        QTest::newRow("opening below 2") << with(5, "1") << QStringList{"T30011"} << false;
        QTest::newRow("start at the lower limit") << with(0, "10") << QStringList{"T30014"} << true;
        QTest::newRow("start at the upper limit") << with(0, "200") << QStringList{"T30014"} << true;
        QTest::newRow("start below the limits") << with(0, "5") << QStringList{"T30013 [11 ... 199]"} << false;
        qx::LeaveFields several = with(3, "0");
        several.stepOpening = "0";
        several.startPosition = "250";
        QTest::newRow("several at once") << several << QStringList{"T30009", "T30011", "T30013 [11 ... 199]"} << false;
    }
    void leaveChecksOfTheParametersPage()
    {
        QFETCH(qx::LeaveFields, fields);
        startOnRpmPage();
        goTo("parameters");
        host.fields = fields;
        port->log.clear();
        const bool allowed = navigator->pagecontrol1Changing();
        QTEST(dialogs->texts(qx::DialogIcon::Error), "messages");
        QTEST(allowed, "allowed");
        QVERIFY2(port->log.isEmpty(), "the checks of the Parameters page send nothing");
    }

    void leavingTheRpmPageWritesTheThreshold_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("bytes");
        // The threshold is asked on the port the check just closed, so only the
        // write reaches the controller; then the ignition choice on the reopened port.
        QTest::newRow("version 8") << 8 << "01 aa aa 23 28 0a 1f 02 00 01";
        QTest::newRow("version 7") << 7 << "01 1f 02 00 01";
    }
    void leavingTheRpmPageWritesTheThreshold()
    {
        QFETCH(int, version);
        port->versions["/dev/fake1"] = version;
        startOnRpmPage();
        QVERIFY(navigator->pagecontrol1Changing());
        host.page = Page::Printing; // the tab clicked
        navigator->pagecontrol1Change();
        QTEST(port->bytes(), "bytes");
        QCOMPARE(host.calls.contains("collect"), version >= 8);
        QCOMPARE(feedback.openFailures, 0);
    }

    // A port that cannot be opened shows its dialog once for every open
    // the steps make, never more.
    void missingPortOneDialogPerOpen_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("opens");
        QTest::newRow("parameters") << "parameters" << 6;
        QTest::newRow("visualisation") << "visualisation" << 5;
        QTest::newRow("printing") << "printing" << 1;
    }
    void missingPortOneDialogPerOpen()
    {
        QFETCH(QString, page);
        startOnRpmPage();
        port->devices.clear();
        feedback.openFailures = 0;
        goTo(page);
        QTEST(feedback.openFailures, "opens");
        QCOMPARE(int(port->log.count("open failed")), feedback.openFailures);
    }

    void unfilledPageIsNeverWritten_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("printing, then visualisation") << "printing" << "visualisation";
        QTest::newRow("adaptation, then RPM") << "adaptation" << "rpm";
    }
    void unfilledPageIsNeverWritten()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        startOnRpmPage();
        goTo(first);
        goTo(second);
        QVERIFY2(!port->sent.contains(char(qx::Cmd::Flags)), "no flag byte, so no parameter write");
        QVERIFY(navigator->parametersInSync());
    }

    void editedPageIsWrittenOnTheWayToALivePage_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("written");
        QTest::newRow("rpm") << "rpm" << true;
        QTest::newRow("visualisation") << "visualisation" << true;
        QTest::newRow("printing") << "printing" << false;
        QTest::newRow("adaptation") << "adaptation" << false;
    }
    void editedPageIsWrittenOnTheWayToALivePage()
    {
        QFETCH(QString, to);
        startOnRpmPage();
        goTo("parameters");
        navigator->markParametersEdited();
        port->sent.clear();
        goTo(to);
        QTEST(port->sent.contains(QByteArray::fromHex("aa1e")), "written");
        QCOMPARE(navigator->parametersInSync(), to == "rpm" || to == "visualisation");
    }

    // A whole file makes the page worth writing, but the switch temperature
    // and the threshold only ever come from the controller.
    void aFileLoadedBeforeAnyReadWritesAllButTheControllersOwnValues_data()
    {
        QTest::addColumn<bool>("controller");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("ownValues");
        QTest::newRow("no controller, whole file") << false << true << true << false;
        QTest::newRow("no controller, part of a file") << false << false << false << false;
        QTest::newRow("read first, then a whole file") << true << true << true << true;
    }
    void aFileLoadedBeforeAnyReadWritesAllButTheControllersOwnValues()
    {
        QFETCH(bool, controller);
        QFETCH(bool, whole);
        startOnRpmPage();
        if (!controller)
            port->versions.clear();
        goTo("parameters");
        navigator->parametersLoaded(whole);
        QVERIFY(!navigator->parametersInSync());
        port->versions["/dev/fake1"] = 8;
        port->commands.clear();
        goTo("rpm");
        QTEST(port->sentCommand(qx::Cmd::Flags), "written");
        QTEST(port->sentCommand(qx::commandOf(qx::P::SwitchTemperature)), "ownValues");
        // The threshold came with the identification at start-up.
        QTEST(port->sentCommand(qx::Cmd::AnalogThresholdWrite), "written");
    }

    void readWithoutReplyKeepsTheTextsButFollowsTheLists()
    {
        startOnRpmPage();
        port->versions.clear();
        goTo("parameters");
        QVERIFY(!host.calls.contains("show parameters"));
        QVERIFY(host.calls.contains("follow lists"));
        host.calls.clear();
        port->versions["/dev/fake1"] = 8;
        navigator->odczButPicClick();
        QVERIFY(host.calls.contains("show parameters"));
        QVERIFY(!host.calls.contains("follow lists"));
    }

    void autodetection_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<int>("controllerOn");
        QTest::addColumn<QStringList>("panel");
        QTest::addColumn<int>("ticked");
        QTest::newRow("controller on com3")
            << QStringList{"/dev/fake1", "/dev/fake2", "/dev/fake3", "/dev/fake4"} << 3
            << QStringList{"not found com1", "not found com2", "found com3"} << 3;
        QTest::newRow("no controller, two ports")
            << QStringList{"/dev/fake1", "/dev/fake2"} << 0
            << QStringList{"not found com1", "not found com2", "not found com3", "not found com4", "not found com5",
                           "not found com6", "not found com7", "not found com8", "none"}
            << 2;
    }
    void autodetection()
    {
        QFETCH(QStringList, present);
        QFETCH(int, controllerOn);
        QFETCH(int, ticked);
        startOnRpmPage();
        host.page = Page::Parameters; // no re-identification afterwards
        host.panel1.clear();
        port->devices = QSet<QString>(present.begin(), present.end());
        port->versions.clear();
        if (controllerOn)
            port->versions[QString("/dev/fake%1").arg(controllerOn)] = 8;
        navigator->AutodetekcjaMenuClick();
        QTEST(host.panel1, "panel");
        QCOMPARE(host.tickedPort, ticked);
        QCOMPARE(protocol->portName(), QString("com%1").arg(ticked));
        QVERIFY(!channel->isOpen());
        QCOMPARE(dialogs->entries.size(), 0);
    }

    void controllerVersionCommandOnlyOnTheParametersPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("bytes");
        QTest::newRow("rpm") << "rpm" << "";
        QTest::newRow("parameters") << "parameters" << "01";
    }
    void controllerVersionCommandOnlyOnTheParametersPage()
    {
        QFETCH(QString, page);
        startOnRpmPage();
        host.page = pageNamed(page);
        navigator->wersjasterownika1Click();
        QTEST(port->bytes(), "bytes");
    }

    // Nothing chosen by the fitter, yet each of these sent a car a value it
    // never gave: the ignition switched on late, a read without a reply, a
    // second car on com2. Unknown values now stay home and both cars keep
    // their settings; with everything known the bytes are the usual ones.
    void noValueNobodyReadOrChose_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("bytes"); // empty: both cars keep their settings
        QTest::newRow("ignition on late, F2") << "A off; start; A on; F2" << "";
        QTest::newRow("ignition on late, visualisation tab") << "A off; start; A on; tab visualisation" << "";
        QTest::newRow("read without reply, parameters tab, save")
            << "start; poll; A off; odczyt; A on; tab parameters; save" << "";
        QTest::newRow("F5 while silent, then F4") << "start; poll; A off; F5; A on; F4" << "";
        QTest::newRow("port chosen while silent, then F2") << "start; A off; com1; A on; F2" << "";
        QTest::newRow("com2, parameters tab") << "start; com2; tab parameters" << "";
        QTest::newRow("A's page, com2, F4") << "start; F2; com2; F4" << "";
        QTest::newRow("A's page, com2, reset") << "start; F2; com2; reset" << "";
        QTest::newRow("page never filled, save") << "start; A off; F2; A on; save" << "";
        QTest::newRow("known: F2") << "start; F2" << "1f 02 00 01 aa 22 0a 09 01 01";
        QTest::newRow("known: visualisation tab")
            << "start; tab visualisation" << "01 aa aa 23 3c 0a 1f 02 00 01 aa 22 0a 09 01";
    }
    void noValueNobodyReadOrChose()
    {
        QFETCH(QString, script);
        QFETCH(QString, bytes);
        // A: "4 cylindry", flag bit 5, threshold 60; B: "6 cylindry", no flags, threshold 120.
        const auto block = [](int ignition, char flags, const char *switchRpm) {
            QByteArray b = qxsim::defaultParameterBlock().replace(6, 2, QByteArray::fromHex(switchRpm));
            b[8] = flags, b[32] = char(ignition);
            return b;
        };
        const QList<std::tuple<QString, QByteArray, int>> cars{{"/dev/fake1", block(2, 0x20, "8007"), 60},
                                                               {"/dev/fake2", block(4, 0x00, "0005"), 120}};
        for (const auto &[device, carBlock, threshold] : cars) {
            port->devices.insert(device);
            port->versions[device] = 8;
            port->car(device).setParameterBlock(carBlock);
            port->car(device).setAnalogThreshold(quint8(threshold));
        }
        port->liveFrame = QByteArray::fromHex("3364000000000000ff"); // probe 51, TPS 100
        parameters.setAllZero();
        for (const QString &step : script.split("; ")) {
            if (step == "start")
                navigator->identifyAtStartUp(), port->log.clear();
            else if (step == "A on" || step == "A off")
                step == "A on" ? void(port->versions["/dev/fake1"] = 8) : void(port->versions.remove("/dev/fake1"));
            else if (step == "poll")
                protocol->RequestLiveData();
            else if (step.startsWith("com"))
                navigator->PCOMClick(step.mid(3).toInt());
            else if (step.startsWith("tab ") && navigator->pagecontrol1Changing())
                host.page = pageNamed(step.mid(4)), navigator->pagecontrol1Change();
            else if (step.startsWith("F"))
                goTo(QStringList{"parameters", "visualisation", "rpm", "adaptation"}.value(step.mid(1).toInt() - 2));
            else
                (step == "odczyt" ? navigator->OdczytUkladuButtClick()
                                  : step == "save" ? navigator->ZapButPicClick() : navigator->ResButtClick());
        }
        if (!bytes.isEmpty())
            QCOMPARE(port->bytes(), bytes);
        else
            for (const auto &[device, carBlock, threshold] : cars) {
                QCOMPARE(port->car(device).parameterBlock().toHex(' '), carBlock.toHex(' '));
                QCOMPARE(port->car(device).analogThreshold(), quint8(threshold));
            }
    }
};

QTEST_MAIN(TestAppNavigator)
#include "tst_app_navigator.moc"
