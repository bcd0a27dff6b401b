// The about box and the help viewer: the box as drawn and its two links, the
// help files as shipped, and F1 in the real window.
#include "DataFile.h"
#include "HelpWindow.h"
#include "LanguageChoices.h"
#include "MakerLinks.h"
#include "ParameterCaptions.h"
#include "ParameterCatalogue.h"
#include "TForm3.h"
#include "TestFiles.h"
#include "WindowOnSimulator.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "tabgradient.h"

namespace {

// Stands in for the system's browser and mail program.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    UrlRecorder()
    {
        for (const char *scheme : {"https", "http", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlRecorder() override
    {
        for (const char *scheme : {"https", "http", "mailto"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

struct Anchors
{
    QSet<QString> names;
    QStringList internalLinks; // the "#..." targets, in document order
};

Anchors anchorsOf(const QTextDocument &document)
{
    Anchors anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString &name : format.anchorNames())
                anchors.names.insert(name);
            if (format.anchorHref().startsWith(QLatin1Char('#')))
                anchors.internalLinks << format.anchorHref().mid(1);
        }
    return anchors;
}

Anchors anchorsOfFile(const QString &file)
{
    qx::HelpWindow help;
    help.showTopic(file, QStringLiteral("IDH_210"));
    return anchorsOf(*help.browser()->document());
}

// Where in the document the anchor starts, in the browser's scroll units.
int anchorTop(const QTextBrowser &browser, const QString &name)
{
    const QTextDocument &document = *browser.document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name))
                return int(document.documentLayout()->blockBoundingRect(block).top());
    return -1;
}

// The anchor sits at the top of the view, or the view is scrolled as far as it goes.
bool topicAtTop(const QTextBrowser &browser, const QString &name)
{
    const int top = anchorTop(browser, name);
    const QScrollBar &bar = *browser.verticalScrollBar();
    return top >= 0 && qAbs(bar.value() - qMin(top, bar.maximum())) <= 2;
}

const QString Polish = QStringLiteral("help/quorvantix_pl.html");

} // namespace

class TestAppAboutHelp : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    qx::TForm3 *aboutBox() const { return form->help().aboutBox(); }
    qx::HelpWindow *helpWindow() const { return form->findChild<qx::HelpWindow *>(); }
    void trigger(const char *item) const { form->findChild<QAction *>(QLatin1String(item))->trigger(); }

    // Opens the about box from the menu and waits for it to block the window.
    bool openAboutBox()
    {
        trigger("oprogramiebutton");
        return waitFor([this] { return QApplication::activeModalWidget() == aboutBox(); }, 5000);
    }

    // Each help file with its title and the language item that chooses it.
    static void addHelpFiles()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("item");
        QTest::newRow("pl") << Polish << QStringLiteral("Pomoc – Quorvantix") << "JPolski";
        QTest::newRow("en") << "help/quorvantix_en.html" << QStringLiteral("Help – Quorvantix") << "JAngielski";
        QTest::newRow("ru") << "help/quorvantix_ru.html" << QStringLiteral("Справка – Quorvantix") << "JRosyjski";
        QTest::newRow("cz") << "help/quorvantix_cz.html" << QStringLiteral("Nápověda – Quorvantix") << "JCzeski";
        QTest::newRow("it") << "help/quorvantix_it.html" << QStringLiteral("Guida – Quorvantix") << "JWloski";
    }

private slots:
    void cleanup()
    {
        closeWindow();
        sim.setFault(qxsim::Fault::None);
    }

    void aboutBoxControlsInPlace_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("box"); // an empty size: only the position is fixed
        QTest::newRow("gradient over the client") << "AbGradient16" << QRect(0, 0, 314, 254);
        QTest::newRow("logo") << "Image2" << QRect(24, 8, 265, 113);
        QTest::newRow("version group") << "GroupBox1" << QRect(24, 128, 145, 81);
        QTest::newRow("date group") << "GroupBox2" << QRect(176, 128, 113, 81);
        QTest::newRow("version line") << "LabelQuorvantix" << QRect(8, 16, 0, 0);
        QTest::newRow("date") << "CzasLabel" << QRect(8, 16, 0, 0);
        QTest::newRow("web link") << "wwwLabel" << QRect(24, 224, 0, 0);
        QTest::newRow("mail link") << "emailLabel" << QRect(184, 224, 0, 0);
    }
    void aboutBoxControlsInPlace()
    {
        QFETCH(QString, control);
        QFETCH(QRect, box);
        qx::TForm3 about;
        const QWidget *widget = about.findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(widget->pos(), box.topLeft());
        if (!box.size().isEmpty())
            QCOMPARE(widget->size(), box.size());
        // Every caption shows whole inside its parent.
        QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(control));
        if (const auto *label = qobject_cast<const QLabel *>(widget); label && !label->text().isEmpty() && !label->wordWrap())
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(control));
    }

    void aboutBoxAsDrawn()
    {
        qx::TForm3 about;
        QCOMPARE(about.windowTitle(), QStringLiteral(" "));
        QCOMPARE(about.size(), QSize(314, 254));
        QVERIFY(about.windowFlags().testFlag(Qt::Tool));
        QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(about.isModal());
        QVERIFY(!about.AbGradient16->isPainting());

        const QImage shown = about.grab().toImage();
        QCOMPARE(shown.pixelColor(2, 2), QColor(0, 4, 128));
        QCOMPARE(shown.pixelColor(310, 250), QColor(0, 4, 128));
        QCOMPARE(shown.pixelColor(24 + 140, 128 + 76), QColor(64, 0, 128));
        QCOMPARE(shown.pixelColor(176 + 108, 128 + 76), QColor(64, 0, 128));

        for (QLabel *label : {about.LabelQuorvantix, about.CzasLabel}) {
            QCOMPARE(label->font().family(), QStringLiteral("Arial"));
            QVERIFY(label->font().bold());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::green));
        }
        QCOMPARE(about.LabelQuorvantix->font().pixelSize(), 12);
        QVERIFY(about.LabelQuorvantix->wordWrap());
        QCOMPARE(about.CzasLabel->font().pixelSize(), 16);
        QCOMPARE(about.wwwLabel->palette().color(QPalette::WindowText), QColor(Qt::green));
        QCOMPARE(about.emailLabel->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        for (QLabel *link : {about.wwwLabel, about.emailLabel}) {
            QVERIFY(link->font().underline());
            QVERIFY(!link->autoFillBackground());
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(link->text().endsWith(QLatin1String(".example")));
        }
    }

    // Each opening shows the date and the window's caption of that moment,
    // in the middle of the screen, and blocks the window until it closes.
    void aboutBoxShowsTheCaptionOfEachOpening()
    {
        QVERIFY(startWindow());
        const QString firstCaption = form->windowTitle();
        QVERIFY(firstCaption.startsWith(QLatin1String("Quorvantix")));
        QVERIFY(openAboutBox());
        qx::TForm3 *about = aboutBox();
        QCOMPARE(about->LabelQuorvantix->text(), firstCaption);
        QCOMPARE(about->CzasLabel->text(), QStringLiteral("30.VI.2005"));
        const QRect screen = about->screen()->geometry();
        QVERIFY(qAbs(about->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(about->geometry().center().y() - screen.center().y()) <= 1);
        about->close();
        CLOCK_VERIFY(!about->isVisible(), 5000);

        form->setWindowTitle(QStringLiteral("Quorvantix wersja 4.3 - inny sterownik"));
        QVERIFY(openAboutBox());
        QCOMPARE(aboutBox(), about);
        QCOMPARE(about->LabelQuorvantix->text(), QStringLiteral("Quorvantix wersja 4.3 - inny sterownik"));
        QCOMPARE(about->CzasLabel->text(), QStringLiteral("30.VI.2005"));
        about->close();
    }

    // Without a controller the caption names its absence in the language of
    // the moment, from the next identification on, and the about box shows it.
    void aboutBoxCaptionWithoutControllerInEachLanguage_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("noController");
        QTest::newRow("Polish") << "JPolski" << "Brak sterownika";
        QTest::newRow("English") << "JAngielski" << "No controller";
        QTest::newRow("Czech") << "JCzeski" << "Jednotka nenalezena";
        QTest::newRow("Russian") << "JRosyjski" << "Нет контроллера";
        QTest::newRow("Italian") << "JWloski" << "Nessuna centralina";
    }
    void aboutBoxCaptionWithoutControllerInEachLanguage()
    {
        QFETCH(QString, item);
        QFETCH(QString, noController);
        sim.setFault(qxsim::Fault::Silence);
        QVERIFY(startWindow());
        trigger(qPrintable(item));
        form->navigator().OdczytUkladuButtClick();
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" - ") + noController));
        QVERIFY(openAboutBox());
        QCOMPARE(aboutBox()->LabelQuorvantix->text(), form->windowTitle());
        aboutBox()->close();
    }

    // The window's skins and screen profiles reach controls by name; the about
    // box's AbGradient16 shares its name with an adaptation sheet's.
    void windowSkinsLeaveTheAboutBoxAlone_data()
    {
        QTest::addColumn<QString>("skin");
        for (const char *skin : {"skorkaZwy", "skorkaKol", "SkorkaSil", "SkorkaBez"})
            QTest::newRow(skin) << QString::fromLatin1(skin);
    }
    void windowSkinsLeaveTheAboutBoxAlone()
    {
        QFETCH(QString, skin);
        QVERIFY(startWindow());
        trigger(qPrintable(skin));
        trigger("CzcionkaMala");
        QVERIFY(openAboutBox());
        qx::TForm3 *about = aboutBox();
        QCOMPARE(about->AbGradient16->geometry(), QRect(0, 0, 314, 254));
        const QImage shown = about->grab().toImage();
        QCOMPARE(shown.pixelColor(2, 2), QColor(0, 4, 128));
        QCOMPARE(shown.pixelColor(24 + 140, 128 + 76), QColor(64, 0, 128));
        about->close();
    }

    void linksOpenThroughTheSystem_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QUrl>("opened");
        QTest::newRow("web site over https")
            << "wwwLabel" << QUrl(QStringLiteral("https://") + QLatin1String(qx::MakerWebHost));
        QTest::newRow("mail with the subject")
            << "emailLabel"
            << QUrl(QStringLiteral("mailto:") + QLatin1String(qx::MakerSupportAddress) +
                    QStringLiteral("?subject=Quorvantix"));
    }
    void linksOpenThroughTheSystem()
    {
        QFETCH(QString, link);
        QFETCH(QUrl, opened);
        UrlRecorder system;
        QVERIFY(startWindow());
        QVERIFY(openAboutBox());
        auto *label = aboutBox()->findChild<QLabel *>(link);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        QCOMPARE(system.opened, QList<QUrl>{opened});
        QVERIFY(aboutBox()->isVisible());
        aboutBox()->close();
    }

    void helpFileOpensAtTheMainTopic_data() { addHelpFiles(); }
    void helpFileOpensAtTheMainTopic()
    {
        QFETCH(QString, file);
        qx::HelpWindow help;
        help.show();
        help.showTopic(file, QStringLiteral("IDH_210"));
        QTEST(help.windowTitle(), "title");
        QCOMPARE(help.browser()->source().fragment(), QStringLiteral("IDH_210"));
        QVERIFY(topicAtTop(*help.browser(), QStringLiteral("IDH_210")));
        // A topic further down is brought to the top as well.
        help.showTopic(file, QStringLiteral("Edit13_1"));
        CLOCK_VERIFY(topicAtTop(*help.browser(), QStringLiteral("Edit13_1")), 5000);
        QVERIFY(help.browser()->verticalScrollBar()->value() > 0);
    }

    // Every internal link reaches an anchor, and every field of the
    // Parameters page and every step sheet of the adaptation has its topic.
    void everyLinkAndTopicHasItsAnchor_data() { addHelpFiles(); }
    void everyLinkAndTopicHasItsAnchor()
    {
        QFETCH(QString, file);
        const Anchors anchors = anchorsOfFile(file);
        QVERIFY(!anchors.internalLinks.isEmpty());
        QStringList dangling;
        for (const QString &target : anchors.internalLinks)
            if (!anchors.names.contains(target))
                dangling << target;
        QCOMPARE(dangling, QStringList());
        static const QStringList topics = {
            "IDH_210", "ComboBox1", "ComboBox4", "ComboBox9", "ComboBox20", "ComboBox21", "Edit2", "Edit3", "Edit5",
            "Edit6", "Edit7", "Edit8_1", "Edit10", "Edit11_1", "Edit11_2", "Edit12", "Edit13_1", "Edit13_2", "Edit14",
            "Edit16", "Edit17", "Edit18", "Edit19", "Edit22_1", "adaptterm", "AdaptTps", "adaptsonda", "adapt5",
            "adapt6", "przedreduktorem", "Regulacjareduktora", "MinMaxTab"};
        QStringList missing;
        for (const QString &topic : topics)
            if (!anchors.names.contains(topic))
                missing << topic;
        QCOMPARE(missing, QStringList());
        // Nor has one language a topic the others lack.
        QCOMPARE(anchors.names, anchorsOfFile(Polish).names);
    }

    // A parameter's topic is headed by its caption as its language file has
    // it, so a renamed text cannot leave the help behind.
    void topicsAreHeadedByTheCaptions_data()
    {
        QTest::addColumn<int>("language");
        for (const qx::LanguageChoice &language : qx::languageChoices())
            QTest::newRow(language.file) << int(&language - qx::languageChoices().data());
    }
    void topicsAreHeadedByTheCaptions()
    {
        QFETCH(int, language);
        const qx::LanguageChoice &choice = qx::languageChoices()[std::size_t(language)];
        const qx::DataFileRead file = qx::readDataFile(qx::languageFilePath(QLatin1String(choice.file)));
        QVERIFY(file.ok);
        const qx::ParameterShowing shown = qx::pageShowing(qx::readLanguageLines(file.bytes, choice.encoding));
        qx::HelpWindow help;
        help.showTopic(QLatin1String(choice.helpFile), QStringLiteral("IDH_210"));
        QStringList astray;
        for (QTextBlock block = help.browser()->document()->begin(); block.isValid(); block = block.next())
            for (const QString &name : block.begin().fragment().charFormat().anchorNames()) {
                const qx::ParameterEntry *entry = qx::catalogueEntryOfControl(name);
                const QString caption = entry ? shown.caption(entry->param).remove(QLatin1Char('&')).trimmed() : QString();
                if (!caption.isEmpty() && !block.text().startsWith(caption))
                    astray << name + QStringLiteral(": ") + block.text() + QStringLiteral(" / ") + caption;
            }
        QVERIFY2(astray.isEmpty(), qPrintable(astray.join(QLatin1Char('\n'))));
    }

    void missingFileIsNamedInTheViewer()
    {
        qx::HelpWindow help;
        help.show();
        help.showTopic(Polish, QStringLiteral("IDH_210"));
        help.showTopic(QStringLiteral("help/brak.html"), QStringLiteral("IDH_210"));
        const QString shown = help.browser()->toPlainText();
        QVERIFY2(shown.contains(QLatin1String("help/brak.html")), qPrintable(shown));
        QVERIFY(!shown.contains(QLatin1Char('\n')));
        QVERIFY(!help.findChild<QAction *>(QStringLiteral("HelpBack"))->isEnabled());
        QVERIFY(!help.findChild<QAction *>(QStringLiteral("HelpContents"))->isEnabled());
        // The file back in place: shown again at its topic.
        help.showTopic(Polish, QStringLiteral("IDH_210"));
        QCOMPARE(help.windowTitle(), QStringLiteral("Pomoc – Quorvantix"));
    }

    void missingTopicShowsTheFileFromItsTop()
    {
        qx::HelpWindow help;
        help.show();
        help.showTopic(Polish, QStringLiteral("Edit22_1"));
        CLOCK_VERIFY(help.browser()->verticalScrollBar()->value() > 0, 5000);
        help.showTopic(Polish, QStringLiteral("IDH_999"));
        QCOMPARE(help.browser()->verticalScrollBar()->value(), 0);
        QCOMPARE(help.windowTitle(), QStringLiteral("Pomoc – Quorvantix"));
    }

    void backForwardAndContents()
    {
        qx::HelpWindow help;
        help.show();
        help.showTopic(Polish, QStringLiteral("IDH_210"));
        QTextBrowser &browser = *help.browser();
        QUrl topic = browser.source();
        topic.setFragment(QStringLiteral("Edit6"));
        browser.setSource(topic);
        const auto action = [&](const char *name) { help.findChild<QAction *>(QLatin1String(name))->trigger(); };
        action("HelpBack");
        QCOMPARE(browser.source().fragment(), QStringLiteral("IDH_210"));
        action("HelpForward");
        QCOMPARE(browser.source().fragment(), QStringLiteral("Edit6"));
        CLOCK_VERIFY(topicAtTop(browser, QStringLiteral("Edit6")), 5000);
        action("HelpContents");
        QCOMPARE(browser.source().fragment(), QStringLiteral("IDH_210"));
        CLOCK_VERIFY(topicAtTop(browser, QStringLiteral("IDH_210")), 5000);
    }

    void externalLinkGoesToTheSystem()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("help.html"));
        createFile(file, "<html><head><title>T</title></head><body><p id=\"IDH_210\">"
                         "<a href=\"https://www.qvx.example/fitters\">WWWWWWWWWW</a></p></body></html>");
        UrlRecorder system;
        qx::HelpWindow help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        help.showTopic(file, QStringLiteral("IDH_210"));
        QTextCursor link(help.browser()->document());
        link.setPosition(3);
        const QPoint at = help.browser()->cursorRect(link).center();
        QTest::mouseClick(help.browser()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(system.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.qvx.example/fitters"))});
        QCOMPARE(help.browser()->source().fileName(), QStringLiteral("help.html"));
    }

    // F1 opens the help beside the window, without blocking it; again, it
    // brings the same viewer back at the main topic; it closes with the window.
    void f1OpensTheHelpAndAgainReturnsToTheTopic()
    {
        QVERIFY(startWindow());
        QTest::keyClick(form.get(), Qt::Key_F1);
        CLOCK_VERIFY(helpWindow() && helpWindow()->isVisible(), 5000);
        qx::HelpWindow *help = helpWindow();
        QCOMPARE(help->windowTitle(), QStringLiteral("Pomoc – Quorvantix"));
        QCOMPARE(help->browser()->source().fileName(), QStringLiteral("quorvantix_pl.html"));
        QVERIFY(!QApplication::activeModalWidget());

        QUrl elsewhere = help->browser()->source();
        elsewhere.setFragment(QStringLiteral("MinMaxTab"));
        help->browser()->setSource(elsewhere);
        CLOCK_VERIFY(help->browser()->verticalScrollBar()->value() > 0, 5000);
        trigger("PomocButton");
        QCOMPARE(form->findChildren<qx::HelpWindow *>().size(), 1);
        QCOMPARE(help->browser()->source().fragment(), QStringLiteral("IDH_210"));
        CLOCK_VERIFY(topicAtTop(*help->browser(), QStringLiteral("IDH_210")), 5000);
        QVERIFY(help->isVisible());

        form->close();
        QVERIFY(!help->isVisible());
    }

    // Each language item leads F1 to its help file.
    void languageItemsChooseTheHelpFile_data() { addHelpFiles(); }
    void languageItemsChooseTheHelpFile()
    {
        QFETCH(QString, item);
        QVERIFY(startWindow());
        trigger("PomocButton");
        CLOCK_VERIFY(helpWindow() && helpWindow()->isVisible(), 5000);
        trigger(qPrintable(item));
        form->activateWindow();
        CLOCK_VERIFY(QApplication::activeWindow() == form.get(), 1000);
        QTest::keyClick(form.get(), Qt::Key_F1);
        qx::HelpWindow *help = helpWindow();
        QFETCH(QString, file);
        QCOMPARE(help->browser()->source().fileName(), QFileInfo(file).fileName());
        QTEST(help->windowTitle(), "title");
        CLOCK_VERIFY(topicAtTop(*help->browser(), QStringLiteral("IDH_210")), 5000);
        // Back to Polish, and F1 follows.
        trigger("JPolski");
        trigger("PomocButton");
        QCOMPARE(help->browser()->source().fileName(), QStringLiteral("quorvantix_pl.html"));
        QCOMPARE(help->windowTitle(), QStringLiteral("Pomoc – Quorvantix"));
    }

    // Pictures for the README, taken only when asked for (QX_SHOT_DIR) on a
    // real X server, frames included when a window manager runs.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("QX_SHOT_DIR");
        if (folder.isEmpty())
            QSKIP("QX_SHOT_DIR not set");
        const auto save = [&](QWidget *window, const QString &name) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            sim.run(500); // let the window manager draw the frame
            const QRect frame = window->frameGeometry();
            QVERIFY(window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                        .save(QDir(folder).filePath(name)));
        };
        QVERIFY(startWindow());
        trigger("PomocButton");
        save(helpWindow(), QStringLiteral("help-pl.png"));
        helpWindow()->close();
        QVERIFY(openAboutBox());
        save(aboutBox(), QStringLiteral("about-box.png"));
        aboutBox()->close();
    }
};

QTEST_MAIN(TestAppAboutHelp)
#include "tst_app_about_help.moc"
