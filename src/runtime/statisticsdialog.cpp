#include "statisticsdialog.h"

#include "recordstore.h"

#include "records/columnstatistics.h"
#include "records/recordschema.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qv::runtime {

StatisticsDialog::StatisticsDialog(const QString& title, RecordStore& store,
                                   const RecordSchema& schema, const FormulaLocale& locale,
                                   QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    std::vector<ColumnStatistics> columns(static_cast<size_t>(schema.size()),
                                          ColumnStatistics(locale));
    int64_t records = 0;
    const bool complete = store.forEach([&](const StoredRecord& record) {
        ++records;
        for (size_t c = 0; c < columns.size(); ++c)
            columns[c].add(c < record.values.size() && record.values[c] ? *record.values[c]
                                                                        : std::string());
        return true;
    });

    auto* layout = new QVBoxLayout(this);
    auto* count = new QLabel(complete ? tr("Records: %1").arg(records)
                                      : tr("Records: %1 (the rest could not be read: %2)")
                                            .arg(records)
                                            .arg(store.lastError()));
    count->setAccessibleName(tr("Records"));
    layout->addWidget(count);

    const QStringList headings{tr("Field"),   tr("Filled"), tr("Numbers"), tr("Sum"),
                               tr("Average"), tr("Lowest"), tr("Highest")};
    auto* table = new QTableWidget(schema.size(), static_cast<int>(headings.size()), this);
    table->setAccessibleName(title);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QLocale shown = QLocale::system();
    for (int c = 0; c < schema.size(); ++c) {
        const ColumnStatistics& s = columns[static_cast<size_t>(c)];
        const bool numbers = s.numbers() > 0;
        const QStringList cells{
            QString::fromStdString(schema.columns()[static_cast<size_t>(c)].label),
            QString::number(s.filled()),
            QString::number(s.numbers()),
            numbers ? shown.toString(s.sum(), 'g', 15) : QString(),
            numbers ? shown.toString(s.average(), 'g', 15) : QString(),
            numbers ? shown.toString(s.minimum(), 'g', 15) : QString(),
            numbers ? shown.toString(s.maximum(), 'g', 15) : QString()};
        for (int k = 0; k < cells.size(); ++k) {
            auto* cell = new QTableWidgetItem(cells[k]);
            if (k > 0)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(c, k, cell);
        }
    }
    table->resizeColumnsToContents();
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);
}

} // namespace qv::runtime
