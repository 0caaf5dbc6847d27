#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace qv::runtime {

// The Calculator: an expression worked out as the application's formulas work it out
// (strictly left to right, like a pocket calculator), its result ready to be put into the
// field that was being typed into.
class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalculatorDialog(QWidget* parent = nullptr);

    QString result() const { return result_; }
    // The value of an expression as the formulas compute it; empty for an empty text.
    static QString evaluate(const QString& expression);

private:
    void calculate();

    QLineEdit* expression_ = nullptr;
    QLabel* shown_ = nullptr;
    QString result_;
};

} // namespace qv::runtime
