// The about box and the help viewer of the main window.
#include "TForm1.h"

#include "DataFolders.h"
#include "HelpWindow.h"
#include "TForm3.h"

#include <QAction>

namespace qx {

namespace {

// The help file's main topic: what the program is for, and the contents.
const QString MainHelpTopic = QStringLiteral("IDH_210");

} // namespace

void TForm1::buildAboutAndHelp()
{
    about_ = std::make_unique<TForm3>();
    connect(menu_.oprogramiebutton, &QAction::triggered, this, &TForm1::oprogramiebuttonClick);
    connect(menu_.PomocButton, &QAction::triggered, this, &TForm1::PomocButtonClick);
}

void TForm1::oprogramiebuttonClick()
{
    about_->ShowAboutBox(windowTitle());
}

void TForm1::PomocButtonClick()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
    help_->showTopic(dataFilePath(helpFile_), MainHelpTopic);
}

void TForm1::closeHelp()
{
    if (help_)
        help_->close();
}

} // namespace qx
