#include "MessageBoxService.h"

#include "DialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTreeView>

namespace qx {

namespace {

QMessageBox::Icon toBoxIcon(DialogIcon icon)
{
    switch (icon) {
    case DialogIcon::Error: return QMessageBox::Critical;
    case DialogIcon::Information: return QMessageBox::Information;
    case DialogIcon::Question: return QMessageBox::Question;
    case DialogIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class MessageBoxService final : public DialogService
{
public:
    void message(DialogIcon icon, const QString &caption, const QString &text) override
    {
        QMessageBox box(toBoxIcon(icon), caption, text, QMessageBox::Ok, QApplication::activeWindow());
        // Language texts and file names are words, never markup.
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    bool question(const QString &caption, const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    }

    QString saveFileName(const FileDialogRequest &request) override
    {
        return chooseFile(QFileDialog::AcceptSave, QFileDialog::AnyFile, request);
    }

    QString openFileName(const FileDialogRequest &request) override
    {
        return chooseFile(QFileDialog::AcceptOpen, QFileDialog::ExistingFile, request);
    }

private:
    static QString chooseFile(QFileDialog::AcceptMode accept, QFileDialog::FileMode files,
                              const FileDialogRequest &request)
    {
        QFileDialog dialog(QApplication::activeWindow(), request.caption, request.folder, request.filter);
        dialog.setAcceptMode(accept);
        dialog.setFileMode(files);
        dialog.setDefaultSuffix(request.defaultSuffix);
        // The GTK dialog confirms a replacement before Qt adds the suffix, so
        // "car" would silently replace "car.qx4"; Qt's own dialog adds it first.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (request.newestFirst) {
            dialog.setViewMode(QFileDialog::Detail);
            if (auto *view = dialog.findChild<QTreeView *>(QStringLiteral("treeView")))
                view->sortByColumn(0, Qt::DescendingOrder);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }
};

} // namespace

void useMessageBoxes()
{
    static MessageBoxService boxes;
    DialogService::setStandard(&boxes);
}

} // namespace qx
