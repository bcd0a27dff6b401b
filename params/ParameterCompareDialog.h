#pragma once

#include "ParameterComparison.h"
#include "TextKeys.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace qx {

// The page's values beside a file's, a row a parameter, the rows that differ
// marked; "only differences" hides the others. Accepted means: load the file.
class ParameterCompareDialog final : public QDialog
{
    Q_OBJECT

public:
    using TextSource = std::function<QString(TextKey)>;

    ParameterCompareDialog(const QList<ComparedParameter> &rows, const QString &fileName, const TextSource &texts,
                           QWidget *parent = nullptr);

    int differenceCount() const { return differences_; }

private:
    void fill(const QList<ComparedParameter> &rows);
    void showOnlyDifferences(bool only);

    QTableWidget *table_;
    QCheckBox *onlyDifferences_;
    QLabel *summary_;
    QList<bool> differs_;
    int differences_ = 0;
};

} // namespace qx
