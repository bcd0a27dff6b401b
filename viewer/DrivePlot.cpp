#include "DrivePlot.h"

#include <algorithm>
#include <cmath>

namespace qx {

namespace {

const QColor PetrolRed(0xd0, 0x30, 0x30);
const QColor GasGreen(0x20, 0xa0, 0x40);

// The channel's value at a poll as the readout shows it.
QString readout(double value)
{
    return std::isnan(value) ? QStringLiteral("-") : QString::number(value, 'f', value < 10 ? 2 : 0);
}

// A straight line in one strip, on its axes: two points give its course.
QCPItemStraightLine *lineIn(QCustomPlot *plot, QCPAxisRect *rect, const QPen &pen)
{
    auto *line = new QCPItemStraightLine(plot);
    line->setClipAxisRect(rect);
    for (QCPItemPosition *point : {line->point1, line->point2})
        point->setAxes(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
    line->setPen(pen);
    return line;
}

} // namespace

DrivePlot::DrivePlot(TextSource texts, QWidget *parent) : QCustomPlot(parent), texts_(std::move(texts))
{
    setObjectName(QStringLiteral("DrivePlot"));
    setFocusPolicy(Qt::StrongFocus);
    setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    // Long drives: the lines are drawn from what a pixel column can show.
    setNoAntialiasingOnDrag(true);
    setMinimumSize(480, 360);
}

DrivePlot::Strip DrivePlot::addStrip(TextKey name, const QVector<double> &values, const QColor &colour,
                                     QCPMarginGroup *margins)
{
    auto *rect = new QCPAxisRect(this);
    plotLayout()->addElement(plotLayout()->rowCount(), 0, rect);
    rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
    rect->setRangeDrag(Qt::Horizontal);
    rect->setRangeZoom(Qt::Horizontal);
    rect->axis(QCPAxis::atLeft)->setLabel(texts_(name));
    rect->axis(QCPAxis::atBottom)->setTickLabels(false);
    auto *graph = addGraph(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
    graph->setPen(QPen(colour, 1));
    // NaN breaks the line: a poll without a reply is a gap, not a zero.
    graph->setData(channels_.seconds, values, true);
    bool found = false;
    const QCPRange range = graph->getValueRange(found);
    rect->axis(QCPAxis::atLeft)->setRange(found ? QCPRange(std::min(0.0, range.lower), range.upper * 1.05 + 0.01)
                                                : QCPRange(0, 1));
    return {rect, graph, &values, name};
}

void DrivePlot::setDrive(const DriveChannels &channels)
{
    channels_ = channels;
    clearPlottables();
    clearItems();
    plotLayout()->clear();
    strips_.clear();
    cursorLines_.clear();
    readouts_.clear();
    auto *margins = new QCPMarginGroup(this);

    strips_ << addStrip(TextKey::ViewerSpeed, channels_.rpm, QColor(0xe0, 0x70, 0x00), margins);
    strips_ << addStrip(TextKey::ViewerLambda, channels_.lambdaVolts, QColor(0xc0, 0x00, 0x00), margins);
    if (channels_.lambdaThreshold) {
        auto *line = lineIn(this, strips_.last().rect, QPen(Qt::darkGray, 1, Qt::DashLine));
        line->point1->setCoords(0, *channels_.lambdaThreshold);
        line->point2->setCoords(1, *channels_.lambdaThreshold);
    }
    strips_ << addStrip(TextKey::ViewerTps, channels_.tpsVolts, QColor(0xa0, 0x00, 0xa0), margins);
    strips_ << addStrip(TextKey::ViewerStepper, channels_.stepper, QColor(0x00, 0x80, 0xa0), margins);
    if (channels_.hasTemperature)
        strips_ << addStrip(TextKey::ViewerTemperature, channels_.temperature, QColor(0x80, 0x40, 0x00), margins);
    strips_ << addStrip(TextKey::ViewerGasLevel, channels_.gasPercent, GasGreen, margins);
    Strip fuel = addStrip(TextKey::ViewerFuel, channels_.onGas, GasGreen, margins);
    fuel.graph->setLineStyle(QCPGraph::lsStepLeft);
    fuel.graph->setBrush(QColor(0x20, 0xa0, 0x40, 0x60));
    fuel.rect->axis(QCPAxis::atLeft)->setRange(0, 1.05);
    fuel.rect->axis(QCPAxis::atLeft)->setTickLabels(false);
    fuel.rect->axis(QCPAxis::atLeft)->setTicks(false);
    fuel.rect->setMaximumSize(QWIDGETSIZE_MAX, 60);
    strips_ << fuel;

    // One time axis: the bottom strip names it in mm:ss, every strip follows it.
    QCPAxis *time = strips_.last().rect->axis(QCPAxis::atBottom);
    time->setTickLabels(true);
    QSharedPointer<QCPAxisTickerTime> ticker(new QCPAxisTickerTime);
    ticker->setTimeFormat(QStringLiteral("%m:%s"));
    time->setTicker(ticker);
    for (const Strip &strip : strips_) {
        QCPAxis *x = strip.rect->axis(QCPAxis::atBottom);
        connect(x, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this, [this, x](const QCPRange &range) {
            for (const Strip &other : strips_)
                if (other.rect->axis(QCPAxis::atBottom) != x)
                    other.rect->axis(QCPAxis::atBottom)->setRange(range);
        });
        if (x != time)
            x->setTicker(ticker);
        cursorLines_ << lineIn(this, strip.rect, QPen(Qt::black, 1, Qt::DotLine));
        auto *text = new QCPItemText(this);
        text->setClipAxisRect(strip.rect);
        text->position->setType(QCPItemPosition::ptAxisRectRatio);
        text->position->setAxisRect(strip.rect);
        text->position->setCoords(0.99, 0.05);
        text->setPositionAlignment(Qt::AlignRight | Qt::AlignTop);
        readouts_ << text;
    }
    addSwitchMarkers();
    cursor_ = 0;
    fitAll();
    showCursor();
}

void DrivePlot::addSwitchMarkers()
{
    for (int i = 1; i < channels_.size(); ++i) {
        int before = i - 1;
        while (before > 0 && channels_.isGap(before))
            --before;
        if (channels_.isGap(i) || channels_.isGap(before) || channels_.onGas[i] == channels_.onGas[before])
            continue;
        const bool toGas = channels_.onGas[i] > 0;
        for (const Strip &strip : strips_) {
            auto *marker = lineIn(this, strip.rect, QPen(toGas ? GasGreen : PetrolRed, 1, Qt::DashLine));
            marker->point1->setCoords(channels_.seconds[i], 0);
            marker->point2->setCoords(channels_.seconds[i], 1);
        }
    }
}

void DrivePlot::fitAll()
{
    if (strips_.isEmpty())
        return;
    const double end = channels_.size() > 1 ? channels_.seconds.constLast() : 1;
    strips_.last().rect->axis(QCPAxis::atBottom)->setRange(channels_.size() ? channels_.seconds.constFirst() : 0, end);
    replot();
}

void DrivePlot::setCursorPoll(int poll)
{
    if (channels_.size() == 0)
        return;
    cursor_ = std::clamp(poll, 0, channels_.size() - 1);
    showCursor();
    emit cursorMoved(cursor_);
}

void DrivePlot::showCursor()
{
    if (channels_.size() == 0)
        return;
    const double at = channels_.seconds[cursor_];
    for (int i = 0; i < strips_.size(); ++i) {
        cursorLines_[i]->point1->setCoords(at, 0);
        cursorLines_[i]->point2->setCoords(at, 1);
        const double value = strips_[i].values->at(cursor_);
        readouts_[i]->setText(strips_[i].name == TextKey::ViewerFuel
                                  ? (std::isnan(value) ? QStringLiteral("-")
                                                       : texts_(value > 0 ? TextKey::Gas : TextKey::Petrol))
                                  : readout(value));
    }
    replot(QCustomPlot::rpQueuedReplot);
}

void DrivePlot::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left: setCursorPoll(cursor_ - 1); return;
    case Qt::Key_Right: setCursorPoll(cursor_ + 1); return;
    case Qt::Key_PageUp: setCursorPoll(cursor_ - 20); return;
    case Qt::Key_PageDown: setCursorPoll(cursor_ + 20); return;
    case Qt::Key_Home: setCursorPoll(0); return;
    case Qt::Key_End: setCursorPoll(channels_.size() - 1); return;
    case Qt::Key_F: fitAll(); return;
    default: QCustomPlot::keyPressEvent(event);
    }
}

void DrivePlot::mousePressEvent(QMouseEvent *event)
{
    // Shift and a drag draw the box to zoom to; a plain drag pans; a click
    // puts the cursor on the nearest poll.
    setSelectionRectMode(event->modifiers() & Qt::ShiftModifier ? QCP::srmZoom : QCP::srmNone);
    if (QCPAxisRect *rect = axisRectAt(event->pos()); rect && channels_.size() && event->button() == Qt::LeftButton) {
        const double at = rect->axis(QCPAxis::atBottom)->pixelToCoord(event->pos().x());
        const auto next = std::lower_bound(channels_.seconds.begin(), channels_.seconds.end(), at);
        setCursorPoll(int(next - channels_.seconds.begin()));
    }
    QCustomPlot::mousePressEvent(event);
}

bool DrivePlot::exportView(const QString &fileName, int width, int height)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return savePng(fileName, width, height);
    if (suffix == QLatin1String("pdf"))
        return savePdf(fileName, width, height);
    return false;
}

} // namespace qx
