#include "searchwindow.h"

#include "recordstore.h"

#include "controls/listplus.h"
#include "records/recordorder.h"
#include "records/recordschema.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <unordered_set>

namespace qv::runtime {

namespace {

QString listText(const RecordColumn& column, const std::string& value)
{
    if (column.object.kind == InputKind::Checkbox)
        return value.empty() || value == "0" ? QObject::tr("No") : QObject::tr("Yes");
    QString text = QString::fromStdString(value);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

SearchWindow::SearchWindow(const AppData& data, const RecordSchema& schema, RecordStore& store,
                           const FormulaLocale& locale, QWidget* parent)
    : QDialog(parent), data_(data), schema_(schema), store_(store), locale_(locale),
      layout_(SearchLayoutOf(data, schema)), columns_(layout_.listed)
{
    setWindowTitle(tr("Search"));
    auto* layout = new QVBoxLayout(this);

    auto* form = new QGridLayout;
    auto* fieldLabel = new QLabel(tr("Search in field"));
    field_ = new QComboBox;
    field_->setAccessibleName(tr("Search in field"));
    field_->addItem(tr("All fields"), kAllFields);
    for (int c : layout_.searchable)
        field_->addItem(QString::fromStdString(schema_.columns()[static_cast<size_t>(c)].name), c);
    fieldLabel->setBuddy(field_);
    auto* textLabel = new QLabel(tr("Text to search for"));
    text_ = new QLineEdit;
    text_->setAccessibleName(tr("Text to search for"));
    textLabel->setBuddy(text_);
    auto* go = new QPushButton(tr("Search"));
    go->setDefault(true);
    lastFirst_ = new QCheckBox(tr("Search Last - First"));
    lastFirst_->setChecked(layout_.lastFirst);
    form->addWidget(fieldLabel, 0, 0);
    form->addWidget(field_, 0, 1);
    form->addWidget(textLabel, 1, 0);
    form->addWidget(text_, 1, 1);
    form->addWidget(go, 1, 2);
    form->addWidget(lastFirst_, 2, 1);
    form->setColumnStretch(1, 1);
    layout->addLayout(form);

    list_ = new gui::ListPlus;
    list_->setAccessibleName(tr("Records found"));
    list_->setMSelect(layout_.multiSelect);
    list_->setMinimumHeight(200);
    layout->addWidget(list_, 1);

    auto* bottom = new QHBoxLayout;
    found_ = new QLabel;
    found_->setAccessibleName(tr("Matches"));
    bottom->addWidget(found_, 1);
    auto* show = new QPushButton(tr("Show Record"));
    bottom->addWidget(show);
    export_ = new QPushButton(tr("Export"));
    export_->setVisible(layout_.exportButton);
    bottom->addWidget(export_);
    auto* close = new QPushButton(tr("Close"));
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(go, &QPushButton::clicked, this, &SearchWindow::runSearch);
    connect(text_, &QLineEdit::returnPressed, this, &SearchWindow::runSearch);
    connect(show, &QPushButton::clicked, this, &SearchWindow::openCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(export_, &QPushButton::clicked, this, [this] {
        if (exportRecords)
            exportRecords(chosen());
    });
    connect(list_, &gui::ListPlus::headerClicked, this, &SearchWindow::sortBy);
    connect(list_, &gui::ListPlus::dblClick, this, &SearchWindow::openCurrent);
    connect(list_, &gui::ListPlus::keyDown, this, [this](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            openCurrent();
        else
            moveCurrent(key);
    });
    fillList();
    resize(680, 460);
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::runSearch()
{
    search(field_->currentData().toInt(), text_->text());
}

void SearchWindow::search(int column, const QString& text)
{
    columns_ = layout_.listed;
    std::vector<int64_t> found;
    if (text.isEmpty()) {
        found = store_.ids();
    } else if (column == kAllFields) {
        found = store_.searchAny(layout_.searchable, text.toStdString());
    } else {
        found = store_.search(column, text.toStdString());
    }
    if (found.empty() && !store_.lastError().isEmpty())
        emit problem(store_.lastError());
    if (lastFirst_->isChecked())
        std::reverse(found.begin(), found.end());
    results_ = std::move(found);
    searched_ = true;
    sortedBy_ = -1;
    fillList();
}

void SearchWindow::showRecords(const QString& title, std::vector<int> columns,
                               std::vector<int64_t> ids)
{
    setWindowTitle(title);
    columns.resize(std::min<size_t>(columns.size(), kMaxListedColumns));
    columns_ = std::move(columns);
    results_ = std::move(ids);
    searched_ = true;
    sortedBy_ = -1;
    fillList();
}

void SearchWindow::sortBy(int k)
{
    if (k < 0 || k > static_cast<int>(columns_.size()) || results_.empty())
        return;
    descending_ = k == sortedBy_ ? !descending_ : false;
    sortedBy_ = k;
    if (k == 0) {
        std::sort(results_.begin(), results_.end());
        if (descending_)
            std::reverse(results_.begin(), results_.end());
        fillList();
        return;
    }
    const int column = columns_[static_cast<size_t>(k - 1)];
    const std::unordered_set<int64_t> wanted(results_.begin(), results_.end());
    std::vector<KeyedRecord> values = store_.columnValues(column);
    std::erase_if(values, [&](const KeyedRecord& r) { return wanted.count(r.first) == 0; });
    if (values.empty()) {
        emit problem(store_.lastError().isEmpty() ? tr("The records found no longer exist.")
                                                  : store_.lastError());
        return;
    }
    const RecordColumn& sorted = schema_.columns()[static_cast<size_t>(column)];
    results_ =
        OrderRecords(std::move(values), SortKindOf(data_, sorted.object), descending_, locale_);
    fillList();
}

std::vector<int64_t> SearchWindow::chosen() const
{
    std::vector<int64_t> ids;
    for (int row : list_->selectedRows())
        ids.push_back(list_->row(row).number);
    return ids.empty() ? results_ : ids;
}

void SearchWindow::openCurrent()
{
    const int row = list_->currentRow();
    if (row < 0 || row >= list_->rowCount())
        return;
    emit recordChosen(list_->row(row).number);
}

void SearchWindow::moveCurrent(int key)
{
    const int rows = list_->rowCount();
    if (rows == 0)
        return;
    const int page = std::max(1, list_->rowsPerPage());
    const int current = list_->currentRow() < 0 ? -1 : list_->positionOfRow(list_->currentRow());
    int position = current;
    switch (key) {
    case Qt::Key_Down: position = current + 1; break;
    case Qt::Key_Up: position = std::max(0, current - 1); break;
    case Qt::Key_PageDown: position = current + page; break;
    case Qt::Key_PageUp: position = current - page; break;
    case Qt::Key_Home: position = 0; break;
    case Qt::Key_End: position = rows - 1; break;
    default: return;
    }
    list_->setCurrentRow(list_->rowAtPosition(std::clamp(position, 0, rows - 1)));
}

void SearchWindow::refresh()
{
    const int current = list_->currentRow();
    fillList();
    if (current >= 0 && current < list_->rowCount())
        list_->setCurrentRow(current);
}

QString SearchWindow::status() const
{
    return found_->text();
}

void SearchWindow::fillList()
{
    std::vector<gui::ListRow> rows;
    const size_t listed = std::min<size_t>(results_.size(), kMaxListed);
    rows.reserve(listed);
    const std::vector<int64_t> wanted(results_.begin(),
                                      results_.begin() + static_cast<std::ptrdiff_t>(listed));
    const bool read = store_.forEachOf(wanted, [&](const StoredRecord& record) {
        gui::ListRow row;
        row.number = static_cast<qint32>(record.id);
        for (size_t k = 0; k < columns_.size(); ++k) {
            const auto c = static_cast<size_t>(columns_[k]);
            row.columns[k] = listText(schema_.columns()[c], record.values[c].value_or(""));
        }
        rows.push_back(std::move(row));
        return true;
    });
    if (!read)
        emit problem(store_.lastError());
    // Records another copy of the application deleted meanwhile are no longer found.
    if (read && rows.size() < listed) {
        std::unordered_set<int64_t> shown;
        for (const gui::ListRow& row : rows)
            shown.insert(row.number);
        const auto firstUnlisted = results_.begin() + static_cast<std::ptrdiff_t>(listed);
        results_.erase(std::remove_if(results_.begin(), firstUnlisted,
                                      [&](int64_t id) { return shown.count(id) == 0; }),
                       firstUnlisted);
    }

    list_->setCSelect(std::max<int>(1, static_cast<int>(columns_.size())));
    list_->NameButton(0, tr("ID"));
    for (int k = 0; k < gui::kListColumns; ++k) {
        const bool shown = k < static_cast<int>(columns_.size());
        const QString name =
            shown
                ? QString::fromStdString(
                      schema_.columns()[static_cast<size_t>(columns_[static_cast<size_t>(k)])].name)
                : QString();
        // The column the list is ordered by shows which way.
        const bool ordered = sortedBy_ == k + 1;
        list_->NameButton(k + 1, ordered ? name + (descending_ ? QStringLiteral(" \u25BC")
                                                               : QStringLiteral(" \u25B2"))
                                         : name);
    }
    if (sortedBy_ == 0)
        list_->NameButton(
            0, tr("ID") + (descending_ ? QStringLiteral(" \u25BC") : QStringLiteral(" \u25B2")));
    list_->setRows(std::move(rows));
    if (list_->rowCount() > 0)
        list_->setCurrentRow(0);

    const QLocale locale;
    QString text = searched_
                       ? tr("Records found: %1").arg(locale.toString(qlonglong(results_.size())))
                       : QString();
    if (results_.size() > listed)
        text += tr(" (the first %1 are listed)").arg(locale.toString(qlonglong(listed)));
    found_->setText(text);
    export_->setEnabled(!results_.empty());
}

} // namespace qv::runtime
