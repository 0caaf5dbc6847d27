#pragma once

#include "builder/appdata.h"
#include "formula/formulalocale.h"
#include "records/recordcursor.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <optional>

namespace qv {
class RecordForm;
class RecordSchema;
} // namespace qv

namespace qv::runtime {

class RecordStore;

// The records behind the window: which record is on screen, the walk through them in the
// current order, and saving. What the user types is saved shortly after the last
// keystroke (one transaction per save) and at once before another record is shown, a
// record is made or deleted, or the window closes. Without a store, or with a read-only
// one, records are shown but nothing is saved.
class RecordSession : public QObject {
    Q_OBJECT
public:
    // The pause after the last keystroke before the record is saved.
    static constexpr int kSaveDelayMs = 300;

    RecordSession(const AppData& data, RecordForm& form, const RecordSchema& schema,
                  RecordStore* store, const FormulaLocale& locale, QObject* parent = nullptr);
    ~RecordSession() override;

    RecordStore* store() const { return store_; }
    bool canSave() const;
    const RecordCursor& cursor() const { return cursor_; }
    // True while a new record is on screen that has not been stored yet.
    bool isNew() const;
    // The number of the record on screen; for a new one, the number it will get.
    int64_t number() const;
    int64_t count() const;
    // The day (local time) the record on screen was made; today for a new one.
    QDate madeOn() const;

    // The last record, or a new one when there are none.
    void showLast();
    void move(RecordMove move);
    bool showRecord(int64_t id);
    void newRecord();
    // A new record filled like the one on screen (locks do not carry over).
    void copyRecord();
    // Empties what is not locked in the record on screen and saves it.
    void clearRecord();
    // Deletes the record on screen; the next one (else the previous one) is shown.
    bool deleteRecord();

    // Orders the walk by a schema column (A-Z or Z-A) or by record number (Old-New, or
    // New-Old when `descending`).
    void sortBy(int column, bool descending);
    void sortByNumber(bool descending = false);
    // Records were added or changed behind the window (an import, a script's Replace):
    // the walk is made anew in the current order, on the record shown.
    void reloadOrder();

    // The user typed: formulas are run and a save is due.
    void edited();
    // Saves what is pending; false (with problem()) when it could not be saved.
    bool saveNow();
    bool pending() const { return dirty_; }

signals:
    // Another record (or a new one) is on screen.
    void recordShown();
    // Saved, sorted or counted anew: the position labels change.
    void positionChanged();
    void problem(const QString& message);

private:
    void show(int64_t id);
    // True when another connection changed the records; the walk is made anew.
    bool refreshIfChangedElsewhere();
    std::vector<int64_t> currentOrder();
    double nowSerial() const;

    const AppData& data_;
    RecordForm& form_;
    const RecordSchema& schema_;
    RecordStore* store_;
    FormulaLocale locale_;
    RecordCursor cursor_;
    QTimer saveTimer_;
    bool dirty_ = false;
    struct Sort {
        int column; // -1: the record number
        bool descending;
    };
    std::optional<Sort> sort_;
    int64_t count_ = 0;
    QDateTime made_; // of the record shown; invalid for a new one
};

} // namespace qv::runtime
