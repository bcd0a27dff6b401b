#pragma once

#include <QObject>

class QWidget;

namespace qx {

class ControllerProtocol;
class LanguageTable;
class SerialChannel;
class VisualisationPage;
struct MainMenu;
struct WindowTimers;

// What the connection check needs of the window.
class ConnectionCheckHost
{
public:
    virtual ~ConnectionCheckHost() = default;
    // All the window's polling stopped, as on leaving a page.
    virtual void StopAllTimers() = 0;
};

// The connection check: what each port leads to, and why no controller
// answers. The page's polling waits and the program's port is closed while
// it looks, both restored when its dialog closes.
class ConnectionCheckController final : public QObject
{
    Q_OBJECT

public:
    ConnectionCheckController(QWidget &window, SerialChannel &channel, ControllerProtocol &protocol,
                              WindowTimers &timers, const LanguageTable &texts, const MainMenu &menu,
                              VisualisationPage &page, ConnectionCheckHost &host);

    void DiagnozaMenuClick();

private:
    QWidget &window_;
    SerialChannel &channel_;
    ControllerProtocol &protocol_;
    WindowTimers &timers_;
    const LanguageTable &texts_;
    ConnectionCheckHost &host_;
};

} // namespace qx
