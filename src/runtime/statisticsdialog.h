#pragma once

#include <QDialog>

namespace qv {
class RecordSchema;
struct FormulaLocale;
} // namespace qv

namespace qv::runtime {

class RecordStore;

// The Statistics window: how many records there are and, for every stored object, how
// many hold a value, how many of those are numbers, and their sum, average, lowest and
// highest. It reads the records once, one at a time.
class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    StatisticsDialog(const QString& title, RecordStore& store, const RecordSchema& schema,
                     const FormulaLocale& locale, QWidget* parent = nullptr);
};

} // namespace qv::runtime
