#include "SafetyNetController.h"

#include "ControllerProtocol.h"
#include "LanguageTable.h"
#include "MainMenu.h"
#include "ParameterFileCommands.h"
#include "ProtocolTables.h"
#include "StatusPanels.h"

#include <QAction>

namespace qx {

SafetyNetController::SafetyNetController(ControllerProtocol &protocol, ParameterFileCommands &files,
                                         const MainMenu &menu, StatusPanels &status, const LanguageTable &texts,
                                         SafetyNetHost &host)
    : protocol_(protocol), files_(files), status_(status), texts_(texts), host_(host)
{
    protocol_.onParameterBlock = [this](const QByteArray &block) { keepAsFoundCopy(block); };
    connect(menu.PrzywrocButton, &QAction::triggered, this, &SafetyNetController::PrzywrocButtonClick);
    connect(menu.PorownajButton, &QAction::triggered, this, &SafetyNetController::PorownajButtonClick);
    connect(&files_, &ParameterFileCommands::statusText, this,
            [this](const QString &text) { status_.setText(1, text); });
    // Another port may well be another car; so may whatever autodetection
    // finds, or a controller whose version is asked by hand on the
    // Parameters page.
    for (QAction *port : menu.PCOM)
        connect(port, &QAction::triggered, this, [this] { asFound_.arm(); });
    connect(menu.AutodetekcjaMenu, &QAction::triggered, this, [this] { asFound_.arm(); });
    connect(menu.wersjasterownika1, &QAction::triggered, this, [this] {
        if (host_.onParametersPage())
            asFound_.arm();
    });
}

void SafetyNetController::keepAsFoundCopy(const QByteArray &block)
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
        status_.setText(1, texts_.text(TextKey::AsFoundSaveFailed) + error);
}

void SafetyNetController::PrzywrocButtonClick()
{
    host_.showParametersPage();
    files_.PrzywrocButtPlikClick();
}

void SafetyNetController::PorownajButtonClick()
{
    host_.showParametersPage();
    files_.PorownajButtPlikClick();
}

} // namespace qx
