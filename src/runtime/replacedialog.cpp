#include "replacedialog.h"

#include "records/recordschema.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::runtime {

ReplaceDialog::ReplaceDialog(const RecordSchema& schema, std::size_t found, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Replace"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    field_ = new QComboBox;
    for (int c = 0; c < schema.size(); ++c)
        field_->addItem(QString::fromStdString(schema.columns()[static_cast<size_t>(c)].name), c);
    form->addRow(tr("Replace in field"), field_);
    find_ = new QLineEdit;
    find_->setPlaceholderText(tr("empty: fill the empty values"));
    form->addRow(tr("Find"), find_);
    with_ = new QLineEdit;
    form->addRow(tr("Replace with"), with_);
    field_->setAccessibleName(tr("Replace in field"));
    find_->setAccessibleName(tr("Find"));
    with_->setAccessibleName(tr("Replace with"));
    layout->addLayout(form);
    onlyFound_ =
        new QCheckBox(found > 0 ? tr("Only in the records found by the last search (%1)").arg(found)
                                : tr("Only in the records found by a search"));
    onlyFound_->setEnabled(found > 0);
    layout->addWidget(onlyFound_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->addButton(tr("Replace All"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

ReplaceDialog::Request ReplaceDialog::request() const
{
    return {field_->currentData().toInt(), find_->text(), with_->text(), onlyFound_->isChecked()};
}

void ReplaceDialog::setRequest(const Request& request)
{
    field_->setCurrentIndex(field_->findData(request.column));
    find_->setText(request.find);
    with_->setText(request.with);
    onlyFound_->setChecked(request.onlyFound && onlyFound_->isEnabled());
}

} // namespace qv::runtime
