#include "baseribbon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace qv::runtime {

BaseRibbon::BaseRibbon(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    struct Move {
        const char* caption;
        const char* tip;
        RecordMove move;
    };
    const Move moves[] = {{"<<<", QT_TR_NOOP("First record"), RecordMove::First},
                          {"<<", QT_TR_NOOP("Ten records back"), RecordMove::TenBack},
                          {"<", QT_TR_NOOP("Previous record"), RecordMove::Previous},
                          {">", QT_TR_NOOP("Next record"), RecordMove::Next},
                          {">>", QT_TR_NOOP("Last record"), RecordMove::Last}};
    for (const Move& m : moves) {
        auto* button = new QPushButton(QString::fromLatin1(m.caption), this);
        button->setToolTip(tr(m.tip));
        button->setAccessibleDescription(tr(m.tip));
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedWidth(40);
        connect(button, &QPushButton::clicked, this,
                [this, move = m.move] { emit moveRequested(move); });
        layout->addWidget(button);
    }
    // The labels are read by what they show; the description says what that is.
    id_ = new QLabel(this);
    id_->setAccessibleDescription(tr("Record ID"));
    position_ = new QLabel(this);
    position_->setAccessibleDescription(tr("Record position"));
    page_ = new QLabel(this);
    page_->setAccessibleDescription(tr("Page"));
    layout->addSpacing(12);
    layout->addWidget(id_);
    layout->addSpacing(12);
    layout->addWidget(position_);
    layout->addStretch(1);
    layout->addWidget(page_);
}

void BaseRibbon::showPosition(int64_t number, bool isNew, int position, int count)
{
    id_->setText(tr("ID: %1").arg(number));
    position_->setText(isNew ? tr("new record (%n stored)", nullptr, count)
                             : tr("%1 of %2").arg(position + 1).arg(count));
}

void BaseRibbon::showPage(const QString& caption)
{
    page_->setText(caption);
}

} // namespace qv::runtime
