#pragma once

#include "BuiltInTexts.h"
#include "DialogRecorder.h"
#include "LanguageTable.h"
#include "ParameterFile.h"
#include "ParameterFileCommands.h"
#include "ParametersPage.h"
#include "ResetValues.h"

#include <QComboBox>
#include <QTemporaryDir>

#include <memory>

// The Parameters page with its file commands on a folder of their own, the
// built-in texts and every message box recorded. A test class derives from it.
class PageWithFiles
{
protected:
    PageWithFiles() { qx::SetBuiltInTexts(texts); }

    // A fresh page showing the reset values.
    void makePage()
    {
        dialogs = std::make_unique<DialogRecorder>();
        set = qx::resetParameterSet();
        page = std::make_unique<qx::ParametersPage>(set, &threshold);
        files = std::make_unique<qx::ParameterFileCommands>(
            *page, [this](qx::TextKey key) { return texts.text(key); }, dir.path(), dir.filePath("as-found"));
        page->ShowParameters();
    }
    void dropPage()
    {
        files.reset();
        page.reset();
        dialogs.reset();
    }

    QString path(const char *name) const { return dir.filePath(name); }
    // What "zapisz do pliku" would write now.
    QByteArray pageFile() const
    {
        return qx::writeParameterFile([this](qx::Param param) { return page->controlValue(param); });
    }

    QTemporaryDir dir;
    qx::LanguageTable texts;
    qx::ParameterSet set;
    QComboBox threshold;
    std::unique_ptr<qx::ParametersPage> page;
    std::unique_ptr<qx::ParameterFileCommands> files;
    std::unique_ptr<DialogRecorder> dialogs;
};
