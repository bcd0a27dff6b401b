#pragma once

#include "TextKeys.h"

#include <QObject>

#include <functional>
#include <memory>

class QWidget;

namespace qx {

class HelpWindow;
class LanguageController;
class TForm3;
struct MainMenu;

// The about box with the window's caption as its version line, and the help
// of the language shown, opened at its main topic.
class HelpController final : public QObject
{
    Q_OBJECT

public:
    HelpController(QWidget &window, const LanguageController &languages, const MainMenu &menu,
                   std::function<QString(TextKey)> texts);
    ~HelpController() override;

    void oprogramiebuttonClick();
    void PomocButtonClick();
    // The help viewer goes with the window.
    void closeHelp();
    TForm3 *aboutBox() const { return about_.get(); }

private:
    QWidget &window_;
    const LanguageController &languages_;
    std::function<QString(TextKey)> texts_;
    // Not a child of the window: its controls' names (AbGradient16) must not
    // meet the window's own in lookups by name.
    std::unique_ptr<TForm3> about_;
    HelpWindow *help_ = nullptr; // made at the first F1
};

} // namespace qx
