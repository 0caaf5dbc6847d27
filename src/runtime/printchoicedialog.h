#pragma once

#include "runtimedialogs.h"

#include <QDialog>

class QRadioButton;

namespace qv::runtime {

// Asks what to print of a report (the record on screen or the records found by the last
// search) and where to (a preview, a PDF file, a printer).
class PrintChoiceDialog : public QDialog {
    Q_OBJECT
public:
    PrintChoiceDialog(const QString& report, std::size_t found, QWidget* parent = nullptr);

    PrintChoice choice() const;

private:
    void choose(PrintTarget target);

    QRadioButton* record_ = nullptr;
    PrintTarget target_ = PrintTarget::Preview;
};

} // namespace qv::runtime
