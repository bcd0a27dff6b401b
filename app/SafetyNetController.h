#pragma once

#include "AsFoundKeeper.h"

#include <QObject>

namespace qx {

class ControllerProtocol;
class LanguageTable;
class ParameterFileCommands;
class StatusPanels;
struct MainMenu;

// What the safety net needs of the window.
class SafetyNetHost
{
public:
    virtual ~SafetyNetHost() = default;
    // The Parameters page shown, entered from the menu unless it already is.
    virtual void showParametersPage() = 0;
    // Whether the Parameters page is the one shown.
    virtual bool onParametersPage() const = 0;
};

// The fitter's safety net: the configuration a car came in with, kept before
// anything is written, and parameter sets compared before one is loaded.
// A copy is due again whenever another controller may be on the port.
class SafetyNetController final : public QObject
{
    Q_OBJECT

public:
    // Made before the window connects the port menu's commands, so that its
    // arming comes first and an autodetection's reads keep a copy.
    SafetyNetController(ControllerProtocol &protocol, ParameterFileCommands &files, const MainMenu &menu,
                        StatusPanels &status, const LanguageTable &texts, SafetyNetHost &host);

    const AsFoundKeeper &asFoundKeeper() const { return asFound_; }

private:
    // A whole parameter block just read: the as-found copy when one is due.
    void keepAsFoundCopy(const QByteArray &block);
    void PrzywrocButtonClick();
    void PorownajButtonClick();

    ControllerProtocol &protocol_;
    ParameterFileCommands &files_;
    StatusPanels &status_;
    const LanguageTable &texts_;
    SafetyNetHost &host_;
    AsFoundKeeper asFound_;
};

} // namespace qx
