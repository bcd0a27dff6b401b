#include "ParameterCompareDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qx {

namespace {

enum Column { CaptionColumn, PageColumn, FileColumn, ColumnCount };

const QColor DifferenceBackground(0xff, 0xe0, 0xb0);
constexpr int CaptionWidth = 300;
constexpr int ValueWidth = 150;
constexpr int MaxTableHeight = 560; // within a 640 × 480 screen's reach with the dialog's rows

// A side's value as the page would show it: a tick as a tick, a value the
// side lacks as a dash.
QTableWidgetItem *valueItem(const ComparedParameter &row, const std::optional<QString> &value)
{
    auto *item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled);
    if (!value)
        item->setText(QStringLiteral("—"));
    else if (row.kind == ParameterFileKind::Tick)
        item->setCheckState(*value == QLatin1String("1") ? Qt::Checked : Qt::Unchecked);
    else
        item->setText(*value);
    return item;
}

} // namespace

ParameterCompareDialog::ParameterCompareDialog(const QList<ComparedParameter> &rows, const QString &fileName,
                                               const TextSource &texts, QWidget *parent)
    : QDialog(parent), table_(new QTableWidget(this)), onlyDifferences_(new QCheckBox(this)), summary_(new QLabel(this))
{
    setObjectName(QStringLiteral("PorownanieDialog"));
    setWindowTitle(texts(TextKey::CompareTitle) + QStringLiteral(" - ") + QFileInfo(fileName).fileName());

    table_->setObjectName(QStringLiteral("PorownanieTabela"));
    table_->setColumnCount(ColumnCount);
    table_->setHorizontalHeaderLabels(
        {texts(TextKey::CompareParameter), texts(TextKey::ComparePage), texts(TextKey::CompareFile)});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setColumnWidth(CaptionColumn, CaptionWidth);
    table_->horizontalHeader()->setSectionResizeMode(CaptionColumn, QHeaderView::Stretch);
    table_->setColumnWidth(PageColumn, ValueWidth);
    table_->setColumnWidth(FileColumn, ValueWidth);
    fill(rows);

    onlyDifferences_->setObjectName(QStringLiteral("TylkoRozniceCheck"));
    onlyDifferences_->setText(texts(TextKey::CompareOnlyDifferences));
    connect(onlyDifferences_, &QCheckBox::toggled, this, &ParameterCompareDialog::showOnlyDifferences);
    summary_->setObjectName(QStringLiteral("PorownanieSuma"));
    summary_->setText(texts(TextKey::CompareSummary).arg(differences_).arg(rows.size()));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *load = buttons->addButton(texts(TextKey::CompareLoad), QDialogButtonBox::AcceptRole);
    load->setObjectName(QStringLiteral("WczytajPlikButton"));
    QPushButton *close = buttons->addButton(texts(TextKey::CompareClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("ZamknijButton"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(onlyDifferences_);
    filterRow->addStretch();
    filterRow->addWidget(summary_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    // Every row in sight where the screen allows it.
    int rowsHeight = 0;
    for (int r = 0; r < table_->rowCount(); ++r)
        rowsHeight += table_->rowHeight(r);
    const int tableHeight = table_->horizontalHeader()->sizeHint().height() + rowsHeight + 2 * table_->frameWidth();
    table_->setMinimumHeight(std::min(tableHeight, MaxTableHeight));
    resize(CaptionWidth + 2 * ValueWidth + 60, sizeHint().height());
}

void ParameterCompareDialog::fill(const QList<ComparedParameter> &rows)
{
    table_->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const ComparedParameter &row = rows[r];
        auto *caption = new QTableWidgetItem(row.caption);
        caption->setFlags(Qt::ItemIsEnabled);
        caption->setData(Qt::UserRole, row.code);
        table_->setItem(r, CaptionColumn, caption);
        table_->setItem(r, PageColumn, valueItem(row, row.left));
        table_->setItem(r, FileColumn, valueItem(row, row.right));
        differs_ << row.differs;
        if (!row.differs)
            continue;
        ++differences_;
        for (int c = 0; c < ColumnCount; ++c) {
            QTableWidgetItem *item = table_->item(r, c);
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
            item->setBackground(DifferenceBackground);
        }
    }
    table_->resizeRowsToContents();
}

void ParameterCompareDialog::showOnlyDifferences(bool only)
{
    for (int r = 0; r < differs_.size(); ++r)
        table_->setRowHidden(r, only && !differs_[r]);
}

} // namespace qx
