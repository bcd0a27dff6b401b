#include "TLogo.h"

#include "ProgramVersion.h"
#include "Rounding.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWindow>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace qx {

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int pointSize, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white;"));
    label->adjustSize();
    return label;
}

} // namespace

QPixmap renderLogo(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height();

    // A flame in a ring: gas burning clean.
    const QRectF ring(h * 0.08, h * 0.12, h * 0.76, h * 0.76);
    p.setPen(QPen(QColor(0x4f, 0xc3, 0xf7), h * 0.05));
    p.drawEllipse(ring);
    QPainterPath flame;
    const QPointF c = ring.center();
    flame.moveTo(c.x(), ring.top() + h * 0.12);
    flame.cubicTo(c.x() + h * 0.26, c.y() - h * 0.02, c.x() + h * 0.2, ring.bottom() - h * 0.1, c.x(),
                  ring.bottom() - h * 0.1);
    flame.cubicTo(c.x() - h * 0.2, ring.bottom() - h * 0.1, c.x() - h * 0.22, c.y() + h * 0.02, c.x() - h * 0.04,
                  c.y() - h * 0.08);
    flame.cubicTo(c.x() - h * 0.02, c.y() - h * 0.02, c.x() + h * 0.02, c.y(), c.x(), ring.top() + h * 0.12);
    QLinearGradient fill(c.x(), ring.top(), c.x(), ring.bottom());
    fill.setColorAt(0, QColor(0x81, 0xd4, 0xfa));
    fill.setColorAt(1, QColor(0x1e, 0x88, 0xe5));
    p.fillPath(flame, fill);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(h * 0.25));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    const QRectF text(h * 0.95, 0, size.width() - h * 0.95, h * 0.68);
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Quorvantix"));
    font.setPixelSize(int(h * 0.11));
    font.setBold(false);
    font.setLetterSpacing(QFont::PercentageSpacing, 130);
    p.setFont(font);
    p.setPen(QColor(0xb0, 0xc4, 0xde));
    p.drawText(QRectF(h * 0.97, h * 0.7, size.width() - h * 0.97, h * 0.2), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("LPG  ") + programRelease());
    return pixmap;
}

TLogo::TLogo(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Logo"));
    setWindowTitle(QStringLiteral("Tarvo Elektronika autogaz"));
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    setPalette(palette);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 105, 105);
    Image1->hide();
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(0, 24, 473, 177);
    Image2->setScaledContents(true);
    Image2->setPixmap(renderLogo(Image2->size()));

    Label1 = makeLabel(this, "Label1", QStringLiteral("Ładowanie programu ..."), 12, false);
    Label1->move(0, 214);
    Label2 = makeLabel(this, "Label2", QStringLiteral("TARVO"), 28, true);
    Label2->move(0, 40);
    Label2->hide();
    Label3 = makeLabel(this, "Label3", QStringLiteral("elektronika autogaz"), 14, false);
    Label3->move(0, 100);
    Label3->hide();
}

void TLogo::showSplash()
{
    show();
    raise();
    // The window is mapped and exposed asynchronously; wait briefly for that.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    repaint();
    QCoreApplication::processEvents();
}

void TLogo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TLogo::FormShow()
{
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.left() + int(roundHalfEven(area.width() * 0.5 - width() * 0.5)),
             area.top() + int(roundHalfEven(area.height() * 0.5 - height() * 0.5)));
    }
    for (QWidget *control : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2),
                             static_cast<QWidget *>(Label3), static_cast<QWidget *>(Image1),
                             static_cast<QWidget *>(Image2)})
        control->move(int(roundHalfEven(width() * 0.5 - control->width() * 0.5)), control->y());
}

} // namespace qx
