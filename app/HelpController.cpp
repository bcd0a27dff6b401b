#include "HelpController.h"

#include "DataFolders.h"
#include "HelpWindow.h"
#include "LanguageController.h"
#include "MainMenu.h"
#include "TForm3.h"

#include <QAction>

namespace qx {

namespace {

// The help file's main topic: what the program is for, and the contents.
const QString MainHelpTopic = QStringLiteral("IDH_210");

} // namespace

HelpController::HelpController(QWidget &window, const LanguageController &languages, const MainMenu &menu,
                               std::function<QString(TextKey)> texts)
    : window_(window), languages_(languages), texts_(std::move(texts)), about_(std::make_unique<TForm3>())
{
    connect(menu.oprogramiebutton, &QAction::triggered, this, &HelpController::oprogramiebuttonClick);
    connect(menu.PomocButton, &QAction::triggered, this, &HelpController::PomocButtonClick);
}

HelpController::~HelpController() = default;

void HelpController::oprogramiebuttonClick()
{
    about_->ShowAboutBox(window_.windowTitle());
}

void HelpController::PomocButtonClick()
{
    if (!help_)
        help_ = new HelpWindow(&window_);
    help_->setTexts(texts_);
    help_->show();
    help_->raise();
    help_->activateWindow();
    help_->showTopic(dataFilePath(languages_.helpFile()), MainHelpTopic);
}

void HelpController::closeHelp()
{
    if (help_)
        help_->close();
}

} // namespace qx
