// The window in each language but Polish, walked page by page with its menus,
// its dialogs and its messages: no text the program shows is a Polish one
// its language file could not have replaced.
#include "DataFile.h"
#include "LanguageChoices.h"
#include "LanguageFile.h"
#include "MainMenu.h"
#include "ParametersPage.h"
#include "WindowOnSimulator.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>
#include <QtTest>

namespace {

// Every text a widget shows or tips, and the menu items'.
QSet<QString> shownTexts(const QList<QWidget *> &windows)
{
    QSet<QString> texts;
    for (QWidget *window : windows) {
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets << window;
        texts << window->windowTitle();
        for (QWidget *w : widgets) {
            if (!w->isVisible())
                continue;
            texts << w->toolTip();
            if (auto *label = qobject_cast<QLabel *>(w))
                texts << label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                texts << button->text();
            else if (auto *box = qobject_cast<QGroupBox *>(w))
                texts << box->title();
            else if (auto *list = qobject_cast<QComboBox *>(w))
                for (int i = 0; i < list->count(); ++i)
                    texts << list->itemText(i);
            else if (auto *tabs = qobject_cast<QTabBar *>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    texts << tabs->tabText(i);
        }
        // Menu and tool bar items; a window's own shortcut commands show nothing.
        for (QAction *action : window->findChildren<QAction *>())
            for (QObject *shownIn : action->associatedObjects())
                if (qobject_cast<QMenu *>(shownIn) || qobject_cast<QToolBar *>(shownIn))
                    texts << action->text() << action->toolTip();
    }
    // Units, signal names, port names and addresses are the same in every
    // language: a text counts once it has a word of three small letters.
    static const QRegularExpression word(QStringLiteral("\\p{Ll}{3}"));
    QSet<QString> worded;
    for (QString text : texts) {
        text = text.remove(QLatin1Char('&')).trimmed();
        if (text.contains(word) && !text.contains(QLatin1Char('@')) && !text.startsWith(QLatin1String("www.")))
            worded << text;
    }
    return worded;
}

// Every text of a language file.
QSet<QString> fileTexts(const qx::LanguageChoice &language)
{
    QSet<QString> texts;
    const qx::DataFileRead file = qx::readDataFile(qx::languageFilePath(QLatin1String(language.file)));
    for (const qx::LanguageLine &line : qx::readLanguageLines(file.bytes, language.encoding))
        texts << QString(line.text).remove(QLatin1Char('&')).trimmed();
    return texts;
}

} // namespace

class TestAppNoPolish : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    // What the window shows on each page, and the boxes a wrong entry brings.
    QSet<QString> walk()
    {
        QSet<QString> texts;
        for (QAction *page : {form->menu().ObrButton, form->menu().ParButton, form->menu().WizButton,
                              form->menu().AutoButton, form->menu().DruButton}) {
            page->trigger();
            sim.run(500);
            texts += shownTexts(QApplication::topLevelWidgets());
        }
        form->menu().PomocButton->trigger();
        form->menu().oprogramiebutton->trigger();
        texts += shownTexts(QApplication::topLevelWidgets());
        form->menu().ParButton->trigger();
        for (const char *name : {"Edit6", "Edit13_1", "Edit19"}) {
            QLineEdit *edit = field(name);
            const QString kept = edit->text();
            edit->setText(QStringLiteral("99999"));
            form->navigator().ZapButPicClick();
            edit->setText(kept);
        }
        for (const DialogRecorder::Entry &box : dialogs->entries)
            texts << box.caption << box.text;
        return texts;
    }

private slots:
    void noPolishOutsidePolish_data()
    {
        QTest::addColumn<int>("language");
        for (const qx::LanguageChoice &language : qx::languageChoices())
            if (&language != &qx::defaultLanguage())
                QTest::newRow(language.file) << int(&language - qx::languageChoices().data());
    }
    void noPolishOutsidePolish()
    {
        QFETCH(int, language);
        const qx::LanguageChoice &choice = qx::languageChoices()[std::size_t(language)];
        QVERIFY(startWindow());
        const QSet<QString> polish = walk();
        const QString caption = form->windowTitle();
        closeWindow();

        QVERIFY(startWindow());
        form->languages().chooseLanguage(choice);
        const QSet<QString> own = fileTexts(choice);
        QStringList left;
        for (const QString &text : walk())
            if (polish.contains(text) && !own.contains(text) && text != caption)
                left << text;
        left.sort();
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TestAppNoPolish)
#include "tst_app_no_polish.moc"
