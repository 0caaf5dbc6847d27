#include "calculatordialog.h"

#include "formula/evaluatearithmetic.h"
#include "formula/prepareformula.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv::runtime {

CalculatorDialog::CalculatorDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Calculator"));
    auto* layout = new QFormLayout(this);
    expression_ = new QLineEdit(this);
    expression_->setAccessibleName(tr("Expression"));
    expression_->setPlaceholderText(tr("for example 12*3+4"));
    shown_ = new QLabel(this);
    shown_->setAccessibleName(tr("Result"));
    shown_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addRow(tr("Expression"), expression_);
    layout->addRow(tr("Result"), shown_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* insert = buttons->addButton(tr("Insert"), QDialogButtonBox::AcceptRole);
    insert->setToolTip(tr("Put the result into the field being typed into"));
    buttons->addButton(QDialogButtonBox::Close);
    layout->addRow(buttons);
    connect(expression_, &QLineEdit::textChanged, this, &CalculatorDialog::calculate);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString CalculatorDialog::evaluate(const QString& expression)
{
    if (expression.trimmed().isEmpty())
        return {};
    std::string prepared = PrepareFormula(expression.toStdString(), ObjectCounts{});
    return QString::fromStdString(EvaluateArithmetic(prepared).toText());
}

void CalculatorDialog::calculate()
{
    result_ = evaluate(expression_->text());
    shown_->setText(result_);
}

} // namespace qv::runtime
