#pragma once

#include "ParameterPrinter.h"
#include "ParameterSheet.h"

#include <QWidget>

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace qx {

class FittingLabel;

// The Printing page: a preview of the parameter sheet, the heading and 23
// rows of caption and value(s) in two groups, and the button that prints
// exactly what the page shows. The window fills the labels; rows are 1 … 23.
class PrintingPage final : public QWidget
{
    Q_OBJECT

public:
    // The texts give the print error its wording.
    explicit PrintingPage(ParameterPrinter::TextSource texts, QWidget *parent = nullptr);

    void setHeading(const QString &text);
    void setCaption(int row, const QString &text);
    // The second value applies to rows 11 and 13 only, which keep theirs
    // when none is given.
    void setValues(int row, const QString &value, const std::optional<QString> &second = {});
    // What the labels show now.
    ParameterSheetTexts sheetTexts() const;

    // DrukujButt's handler; Enter on the page comes here too.
    void DrukujButtClick();
    // Prints the page's labels; false when cancelled or failed.
    bool PrintParameters();

    // The rows in the Parameters page's size class: captions and values at
    // its fonts and row pitch, values at edit column + 25.
    void LayoutPrintout(int sizeClass, int editColumn);
    // The controls LayoutPrintout places and sizes; profiles leave them alone.
    static const QStringList &flowedControls();

private:
    static bool isRow(int row) { return row >= 1 && row <= SheetRows; }

    QLabel *LabelPS = nullptr;
    QPushButton *DrukujButt = nullptr;
    QGroupBox *GroupBox17 = nullptr;
    QGroupBox *GroupBox18 = nullptr;
    // Napis01 … Napis23, Par01 … Par23 (Par11_1, Par13_1), and Par11_2,
    // Par13_2 in the rows that have them.
    std::array<FittingLabel *, SheetRows> captions_{};
    std::array<FittingLabel *, SheetRows> values_{};
    std::array<FittingLabel *, SheetRows> secondValues_{};

    ParameterPrinter printer_;
};

} // namespace qx
