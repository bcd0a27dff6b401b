#include "DriveViewer.h"

#include "DialogService.h"
#include "DriveRecorder.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

namespace qx {

namespace {

QString minutesAndSeconds(double seconds)
{
    const int whole = int(seconds);
    return QStringLiteral("%1:%2").arg(whole / 60, 2, 10, QLatin1Char('0')).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

DriveViewer::DriveViewer(DrivePlot::TextSource texts, QWidget *parent)
    : QWidget(parent, Qt::Window), texts_(std::move(texts)), plot_(new DrivePlot(texts_, this)),
      summary_(new QLabel(this))
{
    setObjectName(QStringLiteral("DriveViewer"));
    setWindowTitle(texts_(TextKey::ViewerTitle));
    auto *tools = new QToolBar(this);
    tools->addAction(texts_(TextKey::ViewerOpen), QKeySequence::Open, this, &DriveViewer::chooseRecording);
    tools->addAction(texts_(TextKey::ViewerExport), QKeySequence::Save, this, &DriveViewer::exportView);
    tools->addAction(texts_(TextKey::ViewerFit), plot_, &DrivePlot::fitAll);
    summary_->setObjectName(QStringLiteral("ViewerSummary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    summary_->setMinimumWidth(220);
    auto *hint = new QLabel(texts_(TextKey::ViewerKeys), this);
    hint->setWordWrap(true);

    auto *side = new QVBoxLayout;
    side->addWidget(summary_, 1);
    side->addWidget(hint);
    auto *body = new QHBoxLayout;
    body->addWidget(plot_, 1);
    body->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tools);
    layout->addLayout(body, 1);
    resize(1100, 760);
}

bool DriveViewer::openRecording(const QString &fileName)
{
    QString message;
    const auto recording = qxrec::DriveRecording::load(fileName, &message);
    if (!recording) {
        showError(texts_(TextKey::ViewerBadRecording).arg(message));
        return false;
    }
    const DriveChannels channels = driveChannels(*recording);
    plot_->setDrive(channels);
    showSummary(driveSummary(channels));
    fileName_ = fileName;
    setWindowTitle(texts_(TextKey::ViewerTitle) + QStringLiteral(" - ") + QFileInfo(fileName).fileName());
    plot_->setFocus();
    return true;
}

void DriveViewer::chooseRecording()
{
    const QString name = DialogService::instance().openFileName(
        {texts_(TextKey::ViewerOpen), DriveRecorder::defaultFolder(), texts_(TextKey::ViewerFilter), QStringLiteral("csv"), true});
    if (!name.isEmpty())
        openRecording(name);
}

void DriveViewer::exportView()
{
    const QString name = DialogService::instance().saveFileName(
        {texts_(TextKey::ViewerExport), QFileInfo(fileName_).path(), texts_(TextKey::ViewerExportFilter), QStringLiteral("png")});
    if (!name.isEmpty() && !plot_->exportView(name))
        showError(texts_(TextKey::ViewerExportFailed).arg(name));
}

void DriveViewer::showSummary(const DriveSummary &s)
{
    const QString none = texts_(TextKey::ViewerNone);
    const auto number = [&](const std::optional<double> &v) { return v ? QString::number(*v, 'f', 2) : none; };
    const QString stepper = s.stepperMinOnGas ? QStringLiteral("%1 … %2").arg(*s.stepperMinOnGas).arg(*s.stepperMaxOnGas) : none;
    const QList<QPair<TextKey, QString>> rows = {
        {TextKey::ViewerDuration, minutesAndSeconds(s.durationSeconds)},
        {TextKey::ViewerOnGas, minutesAndSeconds(s.onGasSeconds)},
        {TextKey::ViewerLambdaOnGas, number(s.lambdaHzOnGas)},
        {TextKey::ViewerLambdaOnPetrol, number(s.lambdaHzOnPetrol)},
        {TextKey::ViewerStepperRange, stepper},
        {TextKey::ViewerHighestRpm, s.highestRpm ? QString::number(*s.highestRpm) : none},
        {TextKey::ViewerNoReply, QString::number(s.pollsWithoutReply)},
    };
    QStringList lines;
    for (const auto &[key, value] : rows)
        lines << texts_(key) << QStringLiteral("    ") + value;
    summary_->setText(lines.join(QLatin1Char('\n')));
}

QString DriveViewer::summaryText() const
{
    return summary_->text();
}

} // namespace qx
