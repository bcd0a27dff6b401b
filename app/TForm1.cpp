#include "TForm1.h"

#include "ControlsByName.h"
#include "DialogService.h"
#include "PortIo.h"

#include <QLabel>
#include <QStatusBar>

namespace qx {

TForm1::TForm1(std::unique_ptr<PortIo> port, PortNameResolver ports, QWidget *parent)
    : QMainWindow(parent),
      channel_(std::move(port), std::move(ports), this),
      protocol_(channel_, [this](int key) { return texts_.text(key); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvantix 4.3"));

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    static constexpr int panelWidths[2] = {150, 50};
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel(status);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        statusPanels_[i]->setMinimumWidth(panelWidths[i]);
    }
    // The first panel keeps its width; the last one runs to the window's edge.
    statusPanels_[0]->setFixedWidth(panelWidths[0]);
    status->addWidget(statusPanels_[0]);
    status->addWidget(statusPanels_[1], 1);
    setStatusBar(status);

    auto *face = new QLabel(QStringLiteral("Quorvantix 4.3"), this);
    face->setAlignment(Qt::AlignCenter);
    face->setStyleSheet(QStringLiteral("font-size: 28pt; color: #8090a0;"));
    setCentralWidget(face);
    resize(DesignWidth, DesignHeight + status->sizeHint().height());
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    protocol_.ApplyTemperatureOptions(this);
    if (protocol_.CheckAnalogModel(this)) {
        protocol_.ReadAnalogThreshold();
        setPropertyByName(this, QStringLiteral("Edit23"), "currentText", protocol_.state().AnalogThresholdText);
    }
    protocol_.ShowControllerVersion(this);
    protocol_.LoadIgnitionType(this);
    channel_.ClosePort();
    channel_.OpenPort(protocol_.portName());
}

QString TForm1::statusPanelText(int panel) const
{
    return statusPanels_[panel]->text();
}

void TForm1::setStatusPanelText(int panel, const QString &text)
{
    statusPanels_[panel]->setText(text);
}

void TForm1::portOpenFailed()
{
    showError(texts_.text(PortOpenErrorKey));
}

void TForm1::showNoReply(bool noReply)
{
    setStatusPanelText(0, noReply ? texts_.text(NoReplyKey) : QString());
}

void TForm1::showTransmissionError(bool failing)
{
    setPropertyByName(this, QStringLiteral("TranserrorLabel"), "text",
                      failing ? texts_.text(NoReplyKey) : QString());
}

} // namespace qx
