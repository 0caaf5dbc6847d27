#include "printchoicedialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv::runtime {

PrintChoiceDialog::PrintChoiceDialog(const QString& report, std::size_t found, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(report);
    auto* layout = new QVBoxLayout(this);
    auto* what = new QGroupBox(tr("Print"));
    auto* whatLayout = new QVBoxLayout(what);
    record_ = new QRadioButton(tr("The record on screen"));
    record_->setChecked(true);
    auto* records = new QRadioButton(
        found > 0 ? tr("The records found by the last search (%1)").arg(qulonglong(found))
                  : tr("The records found by a search"));
    records->setEnabled(found > 0);
    whatLayout->addWidget(record_);
    whatLayout->addWidget(records);
    layout->addWidget(what);

    auto* buttons = new QDialogButtonBox;
    const std::pair<QString, PrintTarget> targets[] = {{tr("Preview..."), PrintTarget::Preview},
                                                       {tr("PDF File..."), PrintTarget::Pdf},
                                                       {tr("Print..."), PrintTarget::Printer}};
    for (const auto& [caption, target] : targets) {
        QPushButton* button = buttons->addButton(caption, QDialogButtonBox::AcceptRole);
        connect(button, &QPushButton::clicked, this, [this, target = target] { choose(target); });
    }
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void PrintChoiceDialog::choose(PrintTarget target)
{
    target_ = target;
    accept();
}

PrintChoice PrintChoiceDialog::choice() const
{
    return {record_->isChecked() ? PrintScope::Record : PrintScope::Found, target_};
}

} // namespace qv::runtime
