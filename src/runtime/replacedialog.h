#pragma once

#include "records/valuereplace.h"

#include <QDialog>

#include <cstddef>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace qv {
class RecordSchema;
}

namespace qv::runtime {

// Asks which field to replace a text in, the text and its replacement, and whether only
// the records of the last search are meant.
class ReplaceDialog : public QDialog {
    Q_OBJECT
public:
    struct Request {
        int column = 0; // schema column
        QString find;
        QString with;
        bool onlyFound = false;
    };

    // `found`: how many records the last search found (0: none, the choice is off).
    ReplaceDialog(const RecordSchema& schema, std::size_t found, QWidget* parent = nullptr);

    Request request() const;
    // Fills the boxes, as a person would.
    void setRequest(const Request& request);

private:
    QComboBox* field_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLineEdit* with_ = nullptr;
    QCheckBox* onlyFound_ = nullptr;
};

} // namespace qv::runtime
