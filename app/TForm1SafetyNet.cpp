// The fitter's safety net: the configuration a car came in with, kept before
// anything is written, and parameter sets compared before one is loaded.
#include "TForm1.h"

#include "ParameterFileCommands.h"
#include "ProtocolTables.h"

#include <QAction>

namespace qx {

void TForm1::connectSafetyNet()
{
    protocol_.onParameterBlock = [this](const QByteArray &block) { keepAsFoundCopy(block); };
    connect(menu_.PrzywrocButton, &QAction::triggered, this, &TForm1::PrzywrocButtonClick);
    connect(menu_.PorownajButton, &QAction::triggered, this, &TForm1::PorownajButtonClick);
    connect(files_, &ParameterFileCommands::statusText, this, [this](const QString &text) { setStatusText(1, text); });
}

void TForm1::keepAsFoundCopy(const QByteArray &block)
{
    if (!asFound_.armed())
        return;
    const ProtocolState &state = protocol_.state();
    AsFoundBlock found{block, state.ControllerVersion, std::nullopt};
    if (state.ControllerVersion >= FirstAnalogVersion && !state.AnalogThresholdText.isEmpty())
        found.analogThreshold = state.AnalogThresholdText;
    // A copy that cannot be saved must not stop the work on the car.
    const QString error = asFound_.keep(found);
    if (!error.isEmpty())
        setStatusText(1, texts_.text(TextKey::AsFoundSaveFailed) + error);
}

void TForm1::PrzywrocButtonClick()
{
    if (currentPage() != Page::Parameters)
        navigator_.showPageFromMenu(Page::Parameters);
    files_->PrzywrocButtPlikClick();
}

void TForm1::PorownajButtonClick()
{
    if (currentPage() != Page::Parameters)
        navigator_.showPageFromMenu(Page::Parameters);
    files_->PorownajButtPlikClick();
}

} // namespace qx
