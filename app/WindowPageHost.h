#pragma once

#include "AdaptationRun.h"
#include "PageNavigator.h"

class QMainWindow;

namespace qx {

class AppearanceController;
class LivePolls;
class ParameterEditor;
class ParameterSet;
struct MainMenu;
struct MainPages;
class StatusPanels;
struct WindowTimers;

// The window as page changes and the adaptation steps see it: its pages,
// timers, caption and status bar. The rules of when to do what are the
// navigator's and the steps'; this only does it to the window.
class WindowPageHost final : public PageHost, public AdaptationHost
{
public:
    WindowPageHost(QMainWindow &window, const MainPages &pages, const MainMenu &menu, WindowTimers &timers,
                   StatusPanels &status, const LanguageTable &texts, ParameterSet &parameters, LivePolls &polls,
                   ParameterEditor &editor, const AppearanceController &appearance, PageNavigator &navigator,
                   AdaptationRun &adaptation);

    // Both hosts: every polling timer stopped, and the recording that the
    // polls feed with them.
    void StopAllTimers() override;

    // PageHost
    Page currentPage() const override;
    void setCurrentPage(Page page) override;
    void setPageShown(Page page, bool shown) override;
    void setPrintingTabVisible(bool visible) override;
    void focus(FocusTarget target) override;
    void setStatusText(int panel, const QString &text) override;
    void showPortChoice(int portNumber) override;
    int ignitionListIndex(IgnitionList list) const override;
    void applyIdentification(const Identification &facts) override;
    void applyBlockFacts(const BlockFacts &facts) override;
    void leaveFocusedField() override;
    LeaveFields parametersLeaveFields() const override;
    void CollectParameters() override;
    void ResetParameters() override;
    void ShowParameters() override;
    void followParametersPage() override;
    void applyProbeVariant(Page page) override;
    void RefreshPrintoutTexts() override;
    void HideProcedureTabs() override;
    void showFirstAdaptationStep() override;
    void enableTemperatureAdaptation(bool enabled) override;

    // AdaptationHost
    void startTemperatureStep() override;
    void CofnijAD2Click() override;
    void sendIgnitionChoice() override;
    quint8 &tempSensorOn() override;
    void finishAdaptation() override;
    bool clearToWrite(std::initializer_list<Sendable> needed) override;

private:
    void applyTemperatureOptions(bool supported);
    // "Quorvantix wersja 4.3 (Build 12) - " and the controller found, or none.
    QString versionCaption(int version) const;

    QMainWindow &window_;
    const MainPages &pages_;
    const MainMenu &menu_;
    WindowTimers &timers_;
    StatusPanels &status_;
    const LanguageTable &texts_;
    ParameterSet &parameters_;
    LivePolls &polls_;
    ParameterEditor &editor_;
    const AppearanceController &appearance_;
    PageNavigator &navigator_;
    AdaptationRun &adaptation_;
};

} // namespace qx
