#include "app/inputflagsbox.h"

#include "canvas/designdocument.h"
#include "designer/pageoperations.h"
#include "designer/panelstate.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qv::gui {

InputFlagsBox::InputFlagsBox(DesignDocument& document, QWidget* parent)
    : QWidget(parent), document_(document)
{
    auto* layout = new QVBoxLayout(this);
    allPages_ = addCheck(QStringLiteral("Display object on all pages..."));
    lock_ = addCheck(QStringLiteral("Information cannot be change once entered in..."));
    noSearch_ = addCheck(QStringLiteral("Field cannot be searched..."));
    chart_ = addCheck(QStringLiteral("Field can be charted..."));
    order_ = new QLineEdit(this);
    const QString orderTip = QStringLiteral("TAB key / CSV file export order...");
    order_->setToolTip(orderTip);
    order_->setAccessibleName(orderTip);
    // The numeric boxes take digits only.
    order_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), order_));
    auto* orderLabel = new QLabel(orderTip, this);
    orderLabel->setBuddy(order_);
    layout->addWidget(orderLabel);
    layout->addWidget(order_);
    layout->addStretch(1);

    connect(allPages_, &QCheckBox::clicked, this, [this] {
        // The value toggles from the stored page, not from the box.
        document_.endPlacement();
        document_.run([](Designer& d) { toggleAllPages(d); });
        refresh();
    });
    const auto flag = [this](QCheckBox* box, InputFlag which) {
        connect(box, &QCheckBox::clicked, this, [this, which](bool checked) {
            document_.endPlacement();
            document_.run([&](Designer& d) { setInputFlag(d, which, checked); });
        });
    };
    flag(lock_, InputFlag::LockEnabled);
    flag(noSearch_, InputFlag::NoSearch);
    flag(chart_, InputFlag::NoChart);
    connect(order_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.isEmpty())
            return;
        if (!typing_) {
            document_.beginGesture(QStringLiteral("Order Number"));
            typing_ = true;
        }
        const std::string value = text.toStdString();
        document_.run([&](Designer& d) { setOrderNumber(d, value); });
    });
    connect(order_, &QLineEdit::editingFinished, this, [this] {
        if (typing_)
            document_.endGesture();
        typing_ = false;
    });
    connect(&document_, &DesignDocument::changed, this, &InputFlagsBox::apply);
    refresh();
}

QCheckBox* InputFlagsBox::addCheck(const QString& text)
{
    auto* box = new QCheckBox(text, this);
    box->setToolTip(text);
    layout()->addWidget(box);
    return box;
}

void InputFlagsBox::apply(const DocumentChange& change)
{
    if (change.has(DocumentChange::Selection) || change.has(DocumentChange::Reload) ||
        change.has(DocumentChange::Page)) {
        refresh();
        return;
    }
    if (const auto one = document_.selection().single(); one && change.touches(*one))
        refresh();
}

void InputFlagsBox::refresh()
{
    const SelectionState& s = document_.selection();
    std::optional<PanelState> state;
    if (const auto one = s.single())
        state = panelState(document_.document(), *one);
    const bool area = s.areaActive() && !s.multi.empty();
    const auto show = [&](QCheckBox* box, std::optional<bool> value) {
        const QSignalBlocker blocker(box);
        box->setEnabled(value.has_value() || area);
        box->setChecked(value.value_or(false));
    };
    show(allPages_, state ? std::optional<bool>(state->allPages) : std::nullopt);
    allPages_->setEnabled(state.has_value());
    show(lock_, state ? state->lockEnabled : std::nullopt);
    show(noSearch_, state ? state->noSearch : std::nullopt);
    show(chart_, state ? state->noChart : std::nullopt);
    const bool hasOrder = state && state->orderNumber;
    order_->setEnabled(hasOrder);
    if (!typing_) {
        const QSignalBlocker blocker(order_);
        order_->setText(hasOrder ? QString::number(*state->orderNumber) : QString());
    }
}

} // namespace qv::gui
