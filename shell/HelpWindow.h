#pragma once

#include "TextKeys.h"

#include <QUrl>
#include <QWidget>

#include <functional>

class QAction;
class QTextBrowser;

namespace qx {

// The help viewer: one HTML help file at a time, with Back, Forward and
// Contents (the file's main topic). Links that leave the file go to the
// system's browser or mail program.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Loads the file afresh and shows the topic at the top of the view (the
    // file's start when it has no such topic); Contents returns to it.
    void showTopic(const QString &file, const QString &topic);

    QTextBrowser *browser() const { return browser_; }

    // The tool texts and the unreadable-file line in the fitter's language;
    // the built-in ones until then.
    void setTexts(const std::function<QString(TextKey)> &texts);

private:
    void showContents();
    // One line naming the file and why it could not be read.
    void showMissingFile(const QString &file, const QString &reason);

    QTextBrowser *browser_;
    QAction *back_;
    QAction *forward_;
    QAction *contents_;
    QString unreadable_;
    QUrl shownFile_;
    QString topic_;
};

} // namespace qx
