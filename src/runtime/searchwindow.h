#pragma once

#include "builder/appdata.h"
#include "formula/formulalocale.h"
#include "records/searchlayout.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {
class RecordSchema;
}

namespace qv::gui {
class ListPlus;
}

namespace qv::runtime {

class RecordStore;

// The search window of a built application, set up as the design asks (its list columns,
// "Multi-Select", "Search Last - First", "Export"): finds the records whose value in one
// searchable field, or in any of them, holds a text, lists them in a ListPlus, orders them
// by a column when its header is clicked, and shows the chosen record in the main window.
// The same window lists the records a script's Select found.
class SearchWindow : public QDialog {
    Q_OBJECT
public:
    // At most this many records are listed; all of them are counted, ordered and exported.
    static constexpr int kMaxListed = 10000;
    // The field choice that searches every searchable field.
    static constexpr int kAllFields = -1;

    // `data`, `schema` and `store` outlive the window.
    SearchWindow(const AppData& data, const RecordSchema& schema, RecordStore& store,
                 const FormulaLocale& locale, QWidget* parent = nullptr);
    ~SearchWindow() override;

    // Finds the records whose value in schema column `column` (kAllFields: any searchable
    // one) holds `text`, ignoring case; an empty text finds every record.
    void search(int column, const QString& text);
    // Lists given records with given schema columns, under a title (a script's Select).
    void showRecords(const QString& title, std::vector<int> columns, std::vector<int64_t> ids);
    // Orders the list by list column `k` (0 the record number, 1.. the columns shown);
    // ordering by the same column again turns the direction round.
    void sortBy(int k);
    // Shows the current row's record in the main window.
    void openCurrent();
    // Reads the listed records again, after they were changed.
    void refresh();

    // The records found, in the list's order.
    const std::vector<int64_t>& results() const { return results_; }
    // The rows selected in a multi-select list, else every record found, in list order.
    std::vector<int64_t> chosen() const;
    bool searched() const { return searched_; }
    const SearchLayout& layout() const { return layout_; }
    gui::ListPlus* list() const { return list_; }
    QString status() const;

    // Writes records into an exchange file; set by the main window.
    std::function<void(const std::vector<int64_t>&)> exportRecords;

signals:
    // The user chose a record to see.
    void recordChosen(int64_t id);
    // Something went wrong that the user must hear.
    void problem(const QString& message);

private:
    void runSearch();
    void fillList();
    void moveCurrent(int key);

    const AppData& data_;
    const RecordSchema& schema_;
    RecordStore& store_;
    FormulaLocale locale_;
    SearchLayout layout_;
    std::vector<int> columns_; // schema columns shown, in list order
    std::vector<int64_t> results_;
    bool searched_ = false;
    int sortedBy_ = -1;
    bool descending_ = false;
    QComboBox* field_ = nullptr;
    QLineEdit* text_ = nullptr;
    QCheckBox* lastFirst_ = nullptr;
    gui::ListPlus* list_ = nullptr;
    QLabel* found_ = nullptr;
    QPushButton* export_ = nullptr;
};

} // namespace qv::runtime
