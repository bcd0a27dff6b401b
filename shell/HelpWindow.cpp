#include "HelpWindow.h"

#include "BuiltInTexts.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace qx {

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    auto *tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("HelpTools"));
    const QStyle &look = *style();
    back_ = tools->addAction(look.standardIcon(QStyle::SP_ArrowBack), QString(), this,
                             [this] { browser_->backward(); });
    back_->setObjectName(QStringLiteral("HelpBack"));
    back_->setShortcut(QKeySequence::Back);
    forward_ = tools->addAction(look.standardIcon(QStyle::SP_ArrowForward), QString(), this,
                                [this] { browser_->forward(); });
    forward_->setObjectName(QStringLiteral("HelpForward"));
    forward_->setShortcut(QKeySequence::Forward);
    contents_ = tools->addAction(look.standardIcon(QStyle::SP_DirHomeIcon), QString(), this,
                                 &HelpWindow::showContents);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    contents_->setShortcut(Qt::ALT | Qt::Key_Home);
    setTexts(builtInText);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // Links within the file stay here; a web or mail link is the system's to open.
    browser_->setOpenExternalLinks(true);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    contents_->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(browser_);
    resize(720, 560);
}

void HelpWindow::setTexts(const std::function<QString(TextKey)> &texts)
{
    back_->setText(texts(TextKey::HelpBack));
    forward_->setText(texts(TextKey::HelpForward));
    contents_->setText(texts(TextKey::HelpContents));
    unreadable_ = texts(TextKey::HelpUnreadable);
}

void HelpWindow::showTopic(const QString &file, const QString &topic)
{
    QFile help(file);
    if (!help.open(QIODevice::ReadOnly)) {
        showMissingFile(file, help.errorString());
        return;
    }
    help.close();
    const QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    const bool sameFile = url == shownFile_;
    shownFile_ = url;
    topic_ = topic;
    // The same file is read again: it may have changed since it was shown.
    if (sameFile)
        browser_->reload();
    // A topic the file lacks leaves the view at the file's start.
    browser_->verticalScrollBar()->setValue(0);
    QUrl target = url;
    target.setFragment(topic);
    browser_->setSource(target);
    setWindowTitle(browser_->documentTitle());
    contents_->setEnabled(true);
}

void HelpWindow::showContents()
{
    QUrl target = shownFile_;
    target.setFragment(topic_);
    browser_->setSource(target);
}

void HelpWindow::showMissingFile(const QString &file, const QString &reason)
{
    shownFile_.clear();
    browser_->clearHistory();
    browser_->setPlainText(unreadable_.arg(file, reason));
    setWindowTitle(file);
    contents_->setEnabled(false);
}

} // namespace qx
