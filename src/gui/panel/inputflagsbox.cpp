#include "panel/inputflagsbox.h"

#include "app/uilanguage.h"
#include "canvas/designdocument.h"
#include "designer/pageoperations.h"
#include "designer/panelvalues.h"
#include "designer/panelview.h"
#include "document/languagetable.h"
#include "panel/typedbox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

const char* const kAllPagesTip = "Display object on all pages...";
const char* const kLockTip = "Information cannot be change once entered in...";
const char* const kNoSearchTip = "Field cannot be searched...";
const char* const kChartTip = "Field can be charted...";
const char* const kOrderTip = "TAB key / CSV file export order...";

void showCheck(QCheckBox* box, bool shown, std::optional<bool> value, bool mixed)
{
    box->setVisible(shown);
    const QSignalBlocker blocker(box);
    if (mixed) {
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        box->setTristate(false);
        box->setChecked(value.value_or(false));
    }
}

} // namespace

InputFlagsBox::InputFlagsBox(DesignDocument& document, const LanguageTable* language,
                             QWidget* parent)
    : QWidget(parent), document_(document), language_(language)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    print_ = addCheck("Printon", QString());
    allPages_ = addCheck("Check4", QString::fromUtf8(kAllPagesTip));
    lock_ = addCheck("LockEnabled", QString::fromUtf8(kLockTip));
    noSearch_ = addCheck("NOsearch", QString::fromUtf8(kNoSearchTip));
    chart_ = addCheck("NoChart", QString::fromUtf8(kChartTip));
    // The input flags name themselves by their tool tips, in every language.
    for (QCheckBox* box : {lock_, noSearch_, chart_})
        box->setText(box->toolTip());

    auto* orderRow = new QHBoxLayout;
    orderLabel_ = new QLabel(this);
    order_ = new QLineEdit(this);
    order_->setObjectName(QStringLiteral("Text4"));
    order_->setToolTip(QString::fromUtf8(kOrderTip));
    order_->setAccessibleName(QString::fromUtf8(kOrderTip));
    order_->setMaximumWidth(order_->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    acceptDigitsOnly(order_);
    orderLabel_->setBuddy(order_);
    orderRow->addWidget(orderLabel_);
    orderRow->addWidget(order_);
    orderRow->addStretch(1);
    layout->addLayout(orderRow);
    typedOrder_ = new TypedBox(document_, order_, QStringLiteral("Order Number"),
                               [this](const QString& text) {
                                   if (text.isEmpty())
                                       return;
                                   const std::string value = text.toStdString();
                                   document_.run([&](Designer& d) { setOrderNumber(d, value); });
                               });

    connect(print_, &QCheckBox::clicked, this, [this](bool checked) {
        document_.command([checked](Designer& d) { setPrintFlag(d, checked); });
    });
    connect(allPages_, &QCheckBox::clicked, this, [this] {
        // The value toggles from the stored page, not from the box.
        document_.command([](Designer& d) { toggleAllPages(d); });
    });
    const auto flag = [this](QCheckBox* box, InputFlag which) {
        connect(box, &QCheckBox::clicked, this, [this, which](bool checked) {
            document_.command([&](Designer& d) { setInputFlag(d, which, checked); });
        });
    };
    flag(lock_, InputFlag::LockEnabled);
    flag(noSearch_, InputFlag::NoSearch);
    flag(chart_, InputFlag::NoChart);
    retranslate();
}

QCheckBox* InputFlagsBox::addCheck(const char* name, const QString& toolTip)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(QString::fromLatin1(name));
    if (!toolTip.isEmpty()) {
        box->setToolTip(toolTip);
        box->setAccessibleName(toolTip);
    }
    layout()->addWidget(box);
    return box;
}

void InputFlagsBox::retranslate()
{
    print_->setText(plainLanguageText(language_, text::PrintLabel, "Print"));
    allPages_->setText(plainLanguageText(language_, text::AllPagesBox, kAllPagesTip));
    orderLabel_->setText(plainLanguageText(language_, text::TabOrderLabel, "Tab Order") +
                         QStringLiteral(" :"));
}

void InputFlagsBox::showView(const PanelView& view)
{
    const PanelState& v = view.values;
    showCheck(print_, view.has(PanelControl::PrintFlag), v.printOn,
              view.isMixed(PanelControl::PrintFlag));
    showCheck(allPages_, view.has(PanelControl::AllPages), v.allPages, false);
    showCheck(lock_, view.has(PanelControl::LockEnabled), v.lockEnabled,
              view.isMixed(PanelControl::LockEnabled));
    showCheck(noSearch_, view.has(PanelControl::NoSearch), v.noSearch,
              view.isMixed(PanelControl::NoSearch));
    showCheck(chart_, view.has(PanelControl::NoChart), v.noChart,
              view.isMixed(PanelControl::NoChart));
    const bool order = view.has(PanelControl::OrderNumber);
    orderLabel_->setVisible(order);
    order_->setVisible(order);
    typedOrder_->show(order && v.orderNumber ? QString::number(*v.orderNumber) : QString());
}

} // namespace qv::gui
