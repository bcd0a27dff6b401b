// Skins on the real window: every control a skin key names is there and takes
// what the key sets, the design look is the ordinary skin's, and after each
// shipped skin the screen shows its gradients, meter and trace colours.
#include "Colours.h"
#include "PageControl.h"
#include "RpmPage.h"
#include "Skin.h"
#include "SkinColour.h"
#include "SkinKeys.h"
#include "TestFiles.h"
#include "VisualisationPage.h"
#include "WindowOnSimulator.h"
#include "tabgradient.h"
#include "tscope.h"

#include <QCheckBox>
#include <QtTest>

#include <algorithm>
#include <array>

using namespace qx;

namespace {

using SP = SkinProperty;

// What a skin file sets, key by key; a later line wins.
QHash<int, qint32> skinValues(const QByteArray &bytes)
{
    QHash<int, qint32> values;
    for (const SkinLine &line : readSkinLines(bytes))
        if (line.kind == SkinLine::Setting)
            values.insert(line.key, line.value);
    return values;
}

QColor colourOf(qint32 value)
{
    return skinColour(value, QGuiApplication::palette()).value_or(QColor());
}

// The key that sets a property of a control.
int keyOf(const QString &control, SkinProperty property)
{
    for (const SkinKey &key : skinKeyTable())
        if (key.property == property && key.controls.contains(control))
            return key.key;
    return 0;
}

// The Qt property a key writes on an instrument, if it writes one.
const char *instrumentProperty(SkinProperty property)
{
    switch (property) {
    case SP::GradientShown: return "Painting";
    case SP::GradientStart: return "StartColor";
    case SP::GradientEnd: return "EndColor";
    case SP::MeterUnitColour: return "UnitColor";
    case SP::MeterScaleColour: return "ScaleColor";
    case SP::TraceColourD: return "Linecolor_d";
    default: return nullptr;
    }
}

// The widget drawn on top at a point of a parent, see-through ones included.
QWidget *topmostAt(QWidget *parent, QPoint at)
{
    const QObjectList &children = parent->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *child = qobject_cast<QWidget *>(*it);
        if (child && !child->isWindow() && child->isVisible() && child->geometry().contains(at))
            return topmostAt(child, at - child->pos());
    }
    return parent;
}

} // namespace

class TestAppSkinControls : public QObject, protected WindowOnSimulator
{
    Q_OBJECT

    // One pixel of the window as the screen shows it.
    QColor shownAt(const QWidget *control, QPoint at) const
    {
        return form->grab(QRect(control->mapTo(form.get(), at), QSize(1, 1))).toImage().pixelColor(0, 0);
    }

    // A point on a gradient's start or end edge where nothing lies over it.
    std::optional<QPoint> bareEdgePoint(TAbGradient *gradient, bool end) const
    {
        const bool across = gradient->direction() == TAbGradient::LeftToRight;
        const int length = across ? gradient->height() : gradient->width();
        const int edge = end ? (across ? gradient->width() : gradient->height()) - 1 : 0;
        for (int along = 0; along < length; ++along) {
            const QPoint at = across ? QPoint(edge, along) : QPoint(along, edge);
            if (topmostAt(form.get(), gradient->mapTo(form.get(), at)) == gradient)
                return at;
        }
        return std::nullopt;
    }

    // Shows a page of the window, and a step's sheet on the adaptation page.
    void showPageOf(QWidget *control)
    {
        for (QWidget *w = control; w && w != form.get(); w = w->parentWidget())
            if (auto *pages = qobject_cast<QTabWidget *>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr))
                pages->setCurrentWidget(w);
        CLOCK_VERIFY(control->isVisible(), 5000);
    }

private slots:
    void init()
    {
        makeWindow();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { closeWindow(); }

    // A key whose control is missing, or lacks the property the key writes,
    // would change nothing without a word.
    void everyNamedControlTakesItsKey()
    {
        QStringList missing;
        QStringList wrong;
        for (const SkinKey &key : skinKeyTable())
            for (const QString &name : key.controls) {
                const QList<QWidget *> found = form->findChildren<QWidget *>(name);
                if (found.isEmpty()) {
                    missing << name;
                    continue;
                }
                if (found.size() > 1)
                    wrong << name + QStringLiteral(" twice");
                const char *property = instrumentProperty(key.property);
                if (property && found[0]->metaObject()->indexOfProperty(property) < 0)
                    wrong << name + QStringLiteral(" without ") + QLatin1String(property);
            }
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u' ')));
    }

    // A fresh start and "skorka zwykla" look the same on the instrument pages
    // and the adaptation page's gradients.
    void designIsTheOrdinarySkin()
    {
        const QHash<int, qint32> ordinary = skinValues(shippedFile(QX_SKINS, "default.skr"));
        const QList<QWidget *> pages{form->pages().ObrotyTab, form->pages().WizualizacjaTab};
        QStringList differ;
        int compared = 0;
        for (const SkinKey &key : skinKeyTable())
            for (const QString &name : key.controls) {
                QWidget *control = form->findChild<QWidget *>(name);
                if (!control || !ordinary.contains(key.key))
                    continue;
                const bool onInstrumentPage = std::any_of(pages.begin(), pages.end(),
                                                          [&](QWidget *page) { return page->isAncestorOf(control); });
                if (!onInstrumentPage && !qobject_cast<TAbGradient *>(control))
                    continue;
                const qint32 value = ordinary.value(key.key);
                QVariant design;
                if (key.property == SP::GradientShown)
                    design = control->property("Painting");
                else if (const char *property = instrumentProperty(key.property))
                    design = control->property(property);
                else if (key.property == SP::TextColour)
                    design = control->palette().color(QPalette::Active, QPalette::WindowText);
                else if (key.property == SP::Background)
                    design = control->palette().color(QPalette::Active, QPalette::Window);
                else
                    continue;
                const QVariant skin =
                    key.property == SP::GradientShown ? QVariant(value != 0) : QVariant::fromValue(colourOf(value));
                ++compared;
                if (design != skin)
                    differ << QStringLiteral("%1 %2: %3 / %4").arg(key.key).arg(name, design.toString(), skin.toString());
            }
        QVERIFY(compared > 100);
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join(QStringLiteral("; "))));
    }

    // Both ends of a gradient in the skin's colours where nothing lies over
    // them; a hidden one leaves what lies under it.
    void gradientsAsShown_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("gradient");
        for (const QString &skin : ShippedSkins)
            for (const char *gradient : {"AbGradient1", "AbGradient5", "AbGradient6", "AbGradient7", "AbGradient23",
                                         "AbGradient16", "AbGradient25", "AbGradientParS2", "AbGradientKoniec"})
                QTest::addRow("%s %s", qPrintable(skin), gradient) << skin << QString::fromLatin1(gradient);
    }
    void gradientsAsShown()
    {
        QFETCH(QString, skin);
        QFETCH(QString, gradient);
        const QByteArray bytes = shippedFile(QX_SKINS, skin);
        const QHash<int, qint32> values = skinValues(bytes);
        WindowSkin(*form).applySkin(bytes);
        auto *shown = control<TAbGradient>(form, gradient);
        showPageOf(shown);

        const bool painted = values.value(keyOf(gradient, SP::GradientShown)) != 0;
        for (bool end : {false, true}) {
            const std::optional<QPoint> at = bareEdgePoint(shown, end);
            QVERIFY2(at, end ? "the end is covered" : "the start is covered");
            const QColor onScreen = shownAt(shown, *at);
            QColor wanted = colourOf(values.value(keyOf(gradient, end ? SP::GradientEnd : SP::GradientStart)));
            if (!painted) {
                shown->hide();
                wanted = shownAt(shown->parentWidget(), shown->geometry().topLeft() + *at);
                shown->show();
            }
            QVERIFY2(near(onScreen, wanted), qPrintable(onScreen.name() + " instead of " + wanted.name()));
        }
        QVERIFY(dialogs->entries.isEmpty());
    }

    // A colour a key gives an instrument shows on it: the shipped skins' own,
    // and colours that nothing else on the instrument has.
    void instrumentColoursAsShown_data()
    {
        QTest::addColumn<QByteArray>("skin");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        for (const QString &skin : ShippedSkins) {
            const QByteArray bytes = shippedFile(QX_SKINS, skin);
            QTest::addRow("%s tachometer scale", qPrintable(skin)) << bytes << "obrotomierz" << 18217;
            QTest::addRow("%s throttle unit", qPrintable(skin)) << bytes << "Gauge4" << 18211;
            QTest::addRow("%s adaptation meter scale", qPrintable(skin)) << bytes << "ObrSondy" << 18238;
            QTest::addRow("%s trace d", qPrintable(skin)) << bytes << "Scope1" << 18219;
        }
        QTest::newRow("tachometer scale") << QByteArray("18217=$FF00FF\r\n") << "obrotomierz" << 18217;
        QTest::newRow("tachometer unit") << QByteArray("18220=$00FF00\r\n") << "obrotomierz" << 18220;
        QTest::newRow("tachometer caption") << QByteArray("18212=$FFFF00\r\n") << "obrotomierz" << 18212;
        QTest::newRow("throttle scale") << QByteArray("18216=$FF00FF\r\n") << "Gauge4" << 18216;
        QTest::newRow("throttle unit") << QByteArray("18211=$00FF00\r\n") << "Gauge4" << 18211;
        QTest::newRow("throttle caption") << QByteArray("18221=$FFFF00\r\n") << "Gauge4" << 18221;
        QTest::newRow("last meter scale") << QByteArray("18240=$FF00FF\r\n") << "ObrMinMax" << 18240;
        QTest::newRow("trace d") << QByteArray("18219=$8000FF\r\n") << "Scope1" << 18219;
    }
    void instrumentColoursAsShown()
    {
        QFETCH(QByteArray, skin);
        QFETCH(QString, control);
        QFETCH(int, key);
        WindowSkin windowSkin(*form);
        windowSkin.applySkin(skin);
        QWidget *shown = ::control(form, control);
        auto *scope = qobject_cast<TScope *>(shown);
        if (scope) {
            QCheckBox *traceD = ::control<QCheckBox>(form, "CheckBox42");
            if (!traceD->isChecked())
                traceD->click();
            scope->setPosition(TScope::ChannelD, 50);
        }
        showPageOf(shown);
        const QColor wanted = colourOf(skinValues(skin).value(key));
        QVERIFY(wanted.isValid());

        // Shown once in the colour and once in one far from it in every
        // channel, a pixel differs by its share of the colour times that
        // distance: the same share in each channel where the colour is drawn.
        const QColor far(wanted.red() < 128 ? 255 : 0, wanted.green() < 128 ? 255 : 0, wanted.blue() < 128 ? 255 : 0);
        const QByteArray farLine = QByteArray::number(key) + '=' + QByteArray::number(far.red() | far.green() << 8 | far.blue() << 16) + "\r\n";
        const QByteArray wantedLine = QByteArray::number(key) + '=' + QByteArray::number(skinValues(skin).value(key)) + "\r\n";
        const auto grabbed = [&] {
            return form->grab(QRect(shown->mapTo(form.get(), QPoint()), shown->size())).toImage();
        };
        QString found;
        const auto drawnInTheColour = [&] {
            // A chart stands still between the two pictures.
            if (scope)
                scope->setActive(false);
            const QImage inColour = grabbed();
            windowSkin.applySkin(farLine);
            const QImage inFar = grabbed();
            windowSkin.applySkin(wantedLine);
            if (scope)
                scope->setActive(true);
            int strongest = 0;
            std::array<double, 3> shares{};
            for (int y = 0; y < inColour.height(); ++y)
                for (int x = 0; x < inColour.width(); ++x) {
                    const QColor a = inColour.pixelColor(x, y);
                    const QColor b = inFar.pixelColor(x, y);
                    const int difference = qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
                    if (difference > strongest) {
                        strongest = difference;
                        shares = {double(a.red() - b.red()) / (wanted.red() - far.red()),
                                  double(a.green() - b.green()) / (wanted.green() - far.green()),
                                  double(a.blue() - b.blue()) / (wanted.blue() - far.blue())};
                    }
                }
            const auto [low, high] = std::minmax_element(shares.begin(), shares.end());
            found = QStringLiteral("shares %1 %2 %3").arg(shares[0]).arg(shares[1]).arg(shares[2]);
            return *low > 0.3 && *high - *low < 0.1;
        };
        QTRY_VERIFY2(drawnInTheColour(), qPrintable(found));
        QVERIFY(dialogs->entries.isEmpty());
    }
};

QTEST_MAIN(TestAppSkinControls)
#include "tst_app_skin_controls.moc"
