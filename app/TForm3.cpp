#include "TForm3.h"

#include "MakerLinks.h"
#include "Rounding.h"
#include "TLogo.h"
#include "tabgradient.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QUrl>

#include <functional>

namespace qx {

namespace {

const QColor Navy(0, 4, 128);
const QColor Violet(64, 0, 128);

// A caption that acts as a link: underlined, transparent, hand cursor.
class LinkLabel final : public QLabel
{
public:
    LinkLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour,
              std::function<void()> clicked)
        : QLabel(text, parent)
        , clicked_(std::move(clicked))
    {
        setObjectName(QLatin1String(name));
        setTextFormat(Qt::PlainText);
        QFont font = this->font();
        font.setUnderline(true);
        setFont(font);
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, colour);
        setPalette(palette);
        setCursor(Qt::PointingHandCursor);
        adjustSize();
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            clicked_();
    }

private:
    std::function<void()> clicked_;
};

// A group's etched frame around its plain colour (a style's group box shades
// its inside).
QFrame *makeGroup(QWidget *parent, const char *name, const QRect &box)
{
    auto *group = new QFrame(parent);
    group->setObjectName(QLatin1String(name));
    group->setFrameStyle(QFrame::Box | QFrame::Sunken);
    group->setGeometry(box);
    group->setAutoFillBackground(true);
    QPalette palette = group->palette();
    palette.setColor(QPalette::Window, Violet);
    group->setPalette(palette);
    return group;
}

// Bold Arial in lime, the given number of pixels high.
QLabel *makeCaption(QFrame *group, const char *name, const QString &text, int pixels)
{
    auto *label = new QLabel(text, group);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::green);
    label->setPalette(palette);
    label->move(8, 16);
    return label;
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral(" "));
    setFixedSize(ClientWidth, ClientHeight);
    setModal(true);

    // The gradient is off: the box shows its plain navy.
    AbGradient16 = new TAbGradient(this);
    AbGradient16->setObjectName(QStringLiteral("AbGradient16"));
    AbGradient16->setGeometry(rect());
    AbGradient16->setStartColor(Navy);
    AbGradient16->setEndColor(Violet);
    AbGradient16->setPainting(false);
    AbGradient16->setAutoFillBackground(true);
    QPalette navy = AbGradient16->palette();
    navy.setColor(QPalette::Window, Navy);
    AbGradient16->setPalette(navy);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(24, 8, 265, 113);
    Image2->setScaledContents(true);
    // Drawn in the splash's proportions, then stretched to the box.
    Image2->setPixmap(renderLogo(QSize(473, 177)));

    GroupBox1 = makeGroup(this, "GroupBox1", QRect(24, 128, 145, 81));
    LabelQuorvantix = makeCaption(GroupBox1, "LabelQuorvantix", QStringLiteral("Quorvantix ver"), 12);
    LabelQuorvantix->setWordWrap(true);
    LabelQuorvantix->resize(GroupBox1->width() - 16, GroupBox1->height() - 24);
    LabelQuorvantix->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    GroupBox2 = makeGroup(this, "GroupBox2", QRect(176, 128, 113, 81));
    CzasLabel = makeCaption(GroupBox2, "CzasLabel", QStringLiteral("CzasLabel"), 16);
    CzasLabel->adjustSize();

    wwwLabel = new LinkLabel(this, "wwwLabel", QLatin1String(MakerWebHost), Qt::green, [this] { wwwLabelClick(); });
    wwwLabel->move(24, 224);
    emailLabel = new LinkLabel(this, "emailLabel", QLatin1String(MakerSupportAddress), Qt::yellow,
                               [this] { emailLabelClick(); });
    emailLabel->move(184, 224);
}

void TForm3::ShowAboutBox(const QString &versionLine)
{
    CzasLabel->setText(QLatin1String(ReleaseDate));
    CzasLabel->adjustSize();
    LabelQuorvantix->setText(versionLine);
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->geometry();
        // The client area in the middle, whatever frame the window system adds.
        setGeometry(area.left() + int(roundHalfEven(area.width() * 0.5 - width() * 0.5)),
                    area.top() + int(roundHalfEven(area.height() * 0.5 - height() * 0.5)), width(), height());
    }
    show();
    raise();
    activateWindow();
}

// Whether a browser or mail program opened the link is not ours to report.
void TForm3::wwwLabelClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("https://") + QLatin1String(MakerWebHost)));
}

void TForm3::emailLabelClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QLatin1String(MakerSupportAddress) +
                                   QStringLiteral("?subject=Quorvantix")));
}

} // namespace qx
