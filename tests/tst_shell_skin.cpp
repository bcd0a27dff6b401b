// Skins on controls: each key reaches the controls it names and the property
// it means, what it sets is what the screen shows (style sheets included),
// bad lines and unreadable files, and any skin after any other looks as that
// skin alone.
#include "ApplicationSheet.h"
#include "Colours.h"
#include "DialogRecorder.h"
#include "Skin.h"
#include "SkinStyle.h"
#include "SkinKeys.h"
#include "TestFiles.h"
#include "tabgradient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace qx;

// Stand-ins for the instruments, with the properties skins write.
class FakeMeter : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor ScaleColor MEMBER scaleColor)
    Q_PROPERTY(QColor UnitColor MEMBER unitColor)

public:
    using QWidget::QWidget;
    QColor scaleColor;
    QColor unitColor;
};

class FakeScope : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor Linecolor_d MEMBER lineColorD)

public:
    using QWidget::QWidget;
    QColor lineColorD;
};

namespace {

using P = SkinProperty;

const QString readoutLook = QStringLiteral("QLabel[qxLook=\"readout\"] { color: #7fff7f; background: #10202a; }");
const QColor pageColour(0xd0, 0xd4, 0xd8);

QColor textColour(const QWidget *control)
{
    return control->palette().color(QPalette::WindowText);
}

QColor captionColour(const QWidget *control)
{
    return control->palette().color(QPalette::Window);
}

// One control for each name a skin key or the caption highlight names, of a
// class that takes what the keys set.
QWidget *makeControl(const QString &name, const QSet<SkinProperty> &properties, QWidget *parent)
{
    QWidget *control;
    if (properties.contains(P::MeterScaleColour) || properties.contains(P::MeterUnitColour))
        control = new FakeMeter(parent);
    else if (properties.contains(P::TraceColourD))
        control = new FakeScope(parent);
    else if (properties.contains(P::GradientShown))
        control = new TAbGradient(parent);
    else if (properties.contains(P::ButtonFace))
        control = new QPushButton(parent);
    else if (properties.contains(P::FieldText) && name.startsWith(QLatin1String("ComboBox")))
        control = new QComboBox(parent);
    else if (properties.contains(P::FieldText))
        control = new QLineEdit(parent);
    else if (name.contains(QLatin1String("CheckBox")) && !name.endsWith(QLatin1String("abel")))
        control = new QCheckBox(parent);
    else
        control = new QLabel(parent);
    control->setObjectName(name);
    return control;
}

// A window holding every control skins name; Label52 has a page's look, as
// the pages' readouts do.
std::unique_ptr<QWidget> everyControl()
{
    QHash<QString, QSet<SkinProperty>> named;
    for (const SkinKey &key : skinKeyTable())
        for (const QString &name : key.controls)
            named[name].insert(key.property);
    for (const QString &name : captionBackgroundControls())
        named[name];
    auto root = std::make_unique<QWidget>();
    for (auto it = named.cbegin(); it != named.cend(); ++it)
        makeControl(it.key(), it.value(), root.get());
    setPageLooks(readoutLook);
    root->findChild<QLabel *>(QStringLiteral("Label52"))->setProperty(PageLookProperty, QStringLiteral("readout"));
    return root;
}

// Everything a skin can change on the controls, one line per control, as a
// shown window has them: polished, style sheets worked into the palettes.
QStringList stateOf(QWidget &root)
{
    root.ensurePolished();
    const QPalette::ColorRole roles[] = {QPalette::WindowText, QPalette::Window, QPalette::Text,
                                         QPalette::Base, QPalette::Button, QPalette::ButtonText};
    const char *properties[] = {"Painting", "StartColor", "EndColor", "ScaleColor", "UnitColor", "Linecolor_d"};
    QStringList state;
    for (const QWidget *control : root.findChildren<QWidget *>()) {
        // Qt's own parts of a control (a list's drop-down) come and go with polishing.
        if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QStringList line{control->objectName(), control->styleSheet(),
                         control->autoFillBackground() ? "filled" : "transparent"};
        for (QPalette::ColorRole role : roles)
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled})
                line << control->palette().color(group, role).name();
        for (const char *property : properties)
            line << control->property(property).toString();
        state << line.join(u'|');
    }
    state.sort();
    return state;
}

} // namespace

class TestShellSkin : public QObject
{
    Q_OBJECT

private slots:
    // A sheet given to Qt (-stylesheet) outranks every skin.
    void initTestCase() { qApp->setStyleSheet(QStringLiteral("#DrukujButt { background: yellow }")); }

    void init()
    {
        root_ = everyControl();
        skin_ = std::make_unique<WindowSkin>(*root_);
    }

    void cleanup()
    {
        skin_.reset();
        root_.reset();
    }

    // What a skin sets is what the screen shows, over a page's style sheet
    // and under the mouse pointer too.
    void coloursArePainted_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("text"); // a label shows a full block, whose middle is the text colour
        QTest::addColumn<QPointF>("at"); // share of the control's width and height
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QColor>("colour");
        const auto row = [](const char *name, const char *lines, const char *control, const QColor &colour,
                            bool text = false, QPointF at = {0.5, 0.5}, bool hovered = false) {
            QTest::newRow(name) << QByteArray(lines) << control << text << at << hovered << colour;
        };
        row("field", "15301=$00FF00\r\n", "Edit2", Qt::green);
        row("list", "14801=$0000FF\r\n", "ComboBox1", Qt::red);
        row("button face", "17101=$FF0000\r\n17102=$00FFFF\r\n", "ResButt", Qt::blue);
        row("button the user's sheet colours", "27301=$FF0000\r\n", "DrukujButt", Qt::yellow);
        row("button under the mouse", "17101=$FF0000\r\n17102=$00FFFF\r\n", "ResButt", Qt::yellow, false, {0.5, 0.5},
            true);
        row("label text", "10009=$FF00FF\r\n", "Label91", Qt::magenta, true);
        row("text over a page's sheet", "18227=$00FF00\r\n", "Label52", Qt::green, true);
        row("panel", "17801=$FFFF00\r\n", "Panel2", Qt::cyan);
        row("selection box", "19919=$0080FF\r\n", "SRCheckBox3", QColor(0xff, 0x80, 0x00), false, {0.95, 0.5});
        row("gradient start", "10007=$0000FF\r\n10008=$FF0000\r\n", "AbGradient1", Qt::red, false, {0.5, 0});
        row("gradient end", "10007=$0000FF\r\n10008=$FF0000\r\n", "AbGradient1", Qt::blue, false, {0.5, 1});
        row("hidden gradient shows the page", "10006=0\r\n", "AbGradient1", pageColour);
    }
    void coloursArePainted()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, control);
        QFETCH(bool, text);
        QFETCH(QPointF, at);
        QFETCH(bool, hovered);
        QFETCH(QColor, colour);
        QPalette page = root_->palette();
        page.setColor(QPalette::Window, pageColour);
        root_->setPalette(page);
        root_->setAutoFillBackground(true);
        root_->resize(320, 240);
        QWidget *target = root_->findChild<QWidget *>(control);
        target->setGeometry(100, 100, 120, 60);
        target->raise();
        if (auto *label = qobject_cast<QLabel *>(target); label && text) {
            label->setText(QString(QChar(0x2588)));
            label->setAlignment(Qt::AlignCenter);
            QFont font = label->font();
            font.setPixelSize(48);
            label->setFont(font);
        }
        root_->show();
        QVERIFY(QTest::qWaitForWindowExposed(root_.get()));

        skin_->applySkin(lines);
        if (hovered) {
            root_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(root_.get()));
            QTest::mouseMove(target);
        }
        const QPoint point(qMin(int(at.x() * target->width()), target->width() - 1),
                           qMin(int(at.y() * target->height()), target->height() - 1));
        const auto shown = [&] { return root_->grab(target->geometry()).toImage().pixelColor(point); };
        QTRY_VERIFY2(near(shown(), colour), qPrintable(shown().name() + " instead of " + colour.name()));
    }

    void keysReachTheirControls_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("18227") << QByteArray("18227=$0000FF\r\n") << QStringList{"Label52"};
        QTest::newRow("18229 as 18227") << QByteArray("18229=$0000FF\r\n") << QStringList{"Label52"};
        QTest::newRow("19109 six labels") << QByteArray("19109=$0000FF\r\n")
                                          << QStringList{"Label59", "Label60", "Label61", "Label80", "Label81", "Label82"};
        QTest::newRow("printout caption") << QByteArray("24801=$0000FF\r\n") << QStringList{"Napis23"};
    }
    void keysReachTheirControls()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, labels);
        skin_->applySkin(line);
        QStringList changed;
        for (const QWidget *control : root_->findChildren<QWidget *>())
            if (textColour(control) == QColor(Qt::red))
                changed << control->objectName();
        changed.sort();
        labels.sort();
        QCOMPARE(changed, labels);
    }

    void captionBackground()
    {
        DialogRecorder dialogs;
        QCOMPARE(skin_->CaptionBackground(), QColor(0xEE, 0xEE, 0xEE));
        skin_->applySkin("10010=$00FFFF\r\n");
        QCOMPARE(skin_->CaptionBackground(), QColor(Qt::yellow));
        for (const QString &name : captionBackgroundControls())
            QCOMPARE(captionColour(root_->findChild<QWidget *>(name)), QColor(Qt::yellow));
        QVERIFY(dialogs.entries.isEmpty());
    }

    // The captions are repainted after every line but a comment.
    void captionsRepaintedAfterLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("repainted");
        QTest::newRow("comments only") << QByteArray("# nothing\r\n#    10010=255\r\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("a key without meaning") << QByteArray("# comment \xff\xfe\r\n10705=1\r\n") << true;
        QTest::newRow("another key") << QByteArray("10009=255\r\n") << true;
        QTest::newRow("last line without LF") << QByteArray("10009=255") << false;
    }
    void captionsRepaintedAfterLines()
    {
        QFETCH(QByteArray, file);
        DialogRecorder dialogs;
        const QColor marked(0x12, 0x34, 0x56);
        for (const QString &name : captionBackgroundControls()) {
            QWidget *caption = root_->findChild<QWidget *>(name);
            QPalette palette = caption->palette();
            palette.setColor(QPalette::Window, marked);
            caption->setPalette(palette);
        }
        skin_->applySkin(file);
        QFETCH(bool, repainted);
        for (const QString &name : captionBackgroundControls())
            QCOMPARE(captionColour(root_->findChild<QWidget *>(name)), repainted ? QColor(0xEE, 0xEE, 0xEE) : marked);
        QVERIFY(dialogs.entries.isEmpty());
    }

    void badLinesAreSkipped()
    {
        DialogRecorder dialogs;
        skin_->applySkin("10009=255\r\n"
                         "1001\r\n"
                         "10011=red\r\n"
                         "10012=255\r\n"
                         "#" + QByteArray(1000, 'x') + "\r\n"
                         "12201=255\r\n");
        QCOMPARE(dialogs.entries.size(), 3);
        for (const DialogRecorder::Entry &entry : dialogs.entries) {
            QCOMPARE(entry.text, QStringLiteral("Blad w Pliku Ze skorkami"));
            QCOMPARE(entry.icon, DialogIcon::Error);
        }
        for (const char *applied : {"Label91", "WyborUkladuLabel", "Label1"})
            QCOMPARE(textColour(root_->findChild<QWidget *>(applied)), QColor(Qt::red));
        QVERIFY(textColour(root_->findChild<QWidget *>("info")) != QColor(Qt::red));
    }

    void colourThatNamesNothingLeavesTheProperty()
    {
        skin_->applySkin("10009=255\r\n10009=$8000001F\r\n10009=$800010FF\r\n");
        QCOMPARE(textColour(root_->findChild<QWidget *>("Label91")), QColor(Qt::red));
    }

    // With the top bit set, the low byte names the desktop colour.
    void desktopColourFollowsThePalette()
    {
        for (const char *value : {"$80000012", "$FF000012", "-2147483630"}) {
            skin_->applySkin(QByteArray("10009=255\r\n10009=") + value + "\r\n");
            QCOMPARE(textColour(root_->findChild<QWidget *>("Label91")),
                     QGuiApplication::palette().color(QPalette::ButtonText));
        }
    }

    void instrumentsTakeTheirProperties()
    {
        skin_->applySkin("18216=255\r\n18211=$00FF00\r\n18219=$FF0000\r\n10006=0\r\n10007=255\r\n10008=$FF0000\r\n");
        const auto *gauge = root_->findChild<FakeMeter *>("Gauge4");
        QCOMPARE(gauge->scaleColor, QColor(Qt::red));
        QCOMPARE(gauge->unitColor, QColor(Qt::green));
        QCOMPARE(root_->findChild<FakeScope *>("Scope1")->lineColorD, QColor(Qt::blue));
        const auto *gradient = root_->findChild<TAbGradient *>("AbGradient1");
        QVERIFY(!gradient->isPainting());
        QCOMPARE(gradient->startColor(), QColor(Qt::red));
        QCOMPARE(gradient->endColor(), QColor(Qt::blue));
        skin_->applySkin("10006=-5\r\n");
        QVERIFY(gradient->isPainting());
    }

    void unreadableFileChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "nowhere.skr" << "No such file or directory";
        QTest::newRow("a folder") << "folder.skr" << "Not a regular file";
    }
    void unreadableFileChangesNothing()
    {
        QFETCH(QString, name);
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkpath(QStringLiteral("skins/folder.skr")));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work.path()));
        DialogRecorder dialogs;
        const QStringList before = stateOf(*root_);
        const bool loaded = skin_->LoadSkin(name);
        QDir::setCurrent(previous);

        QVERIFY(!loaded);
        QCOMPARE(stateOf(*root_), before);
        QCOMPARE(dialogs.entries.size(), 1);
        QCOMPARE(dialogs.entries[0].icon, DialogIcon::Error);
        QFETCH(QString, reason);
        QCOMPARE(dialogs.entries[0].text, QDir(work.path()).filePath("skins/" + name) + ": " + reason);
    }

    void loadReadsTheSkinsFolder()
    {
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkpath(QStringLiteral("skins")));
        createFile(QDir(work.path()).filePath(QStringLiteral("skins/mine.skr")), "# mine\r\n10009=255\r\n");
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work.path()));
        DialogRecorder dialogs;
        const bool loaded = skin_->LoadSkin(QStringLiteral("mine.skr"));
        QDir::setCurrent(previous);
        QVERIFY(loaded);
        QVERIFY(dialogs.entries.isEmpty());
        QCOMPARE(textColour(root_->findChild<QWidget *>("Label91")), QColor(Qt::red));
    }

    // Each skin names every key, so whatever came before it leaves no trace.
    void anySkinAfterAnotherLooksAsItselfAlone_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        for (const QString &first : ShippedSkins)
            for (const QString &second : ShippedSkins)
                QTest::addRow("%s then %s", qPrintable(first), qPrintable(second)) << first << second;
    }
    void anySkinAfterAnotherLooksAsItselfAlone()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        DialogRecorder dialogs;
        skin_->applySkin(shippedFile(QX_SKINS, first));
        skin_->applySkin(shippedFile(QX_SKINS, second));

        const auto alone = everyControl();
        WindowSkin aloneSkin(*alone);
        aloneSkin.applySkin(shippedFile(QX_SKINS, second));
        QCOMPARE(stateOf(*root_), stateOf(*alone));
        QCOMPARE(skin_->CaptionBackground(), aloneSkin.CaptionBackground());
        QVERIFY(dialogs.entries.isEmpty());
    }

private:
    std::unique_ptr<QWidget> root_;
    std::unique_ptr<WindowSkin> skin_;
};

QTEST_MAIN(TestShellSkin)
#include "tst_shell_skin.moc"
