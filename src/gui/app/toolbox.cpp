#include "app/toolbox.h"

#include "app/toolicons.h"
#include "canvas/designdocument.h"
#include "designer/canvasoperations.h"
#include "designer/pageoperations.h"

#include <QToolButton>

namespace qv::gui {

namespace {

struct ToolButton {
    Tool tool;
    const char* toolTip; // the button's tool tip, as the user reads it
    const char* stepName;
    ToolIcon icon;
};

// Image1 .. Image9, Image12, Image14 and FrameBt, top to bottom.
const ToolButton kTools[] = {
    {Tool::Label, "Label...", "Add Label", ToolIcon::Label},
    {Tool::TextField, "Field Text Box", "Add Field", ToolIcon::TextField},
    {Tool::Memo, "Field Memo Box...", "Add Memo Box", ToolIcon::Memo},
    {Tool::ComboBox, "Field Combo Box...", "Add Combo Box", ToolIcon::Combo},
    {Tool::DefaultImage, "Default Picture", "Add Picture", ToolIcon::DefaultPicture},
    {Tool::AddPicture, "Add Picture...", "Add Picture", ToolIcon::AddPicture},
    {Tool::DrawLine, "Draw Lines...", "Draw Line", ToolIcon::Line},
    {Tool::EmailField, "Fiel Email Box...", "Add E-mail Field", ToolIcon::EmailField},
    {Tool::CheckBox, "Field Check / Option Box...", "Add Check Box", ToolIcon::CheckBox},
    {Tool::DrawShape, "Draw Shapes...", "Draw Shape", ToolIcon::Shape},
    {Tool::CommandButton, "Control Button...", "Add Button", ToolIcon::Button},
    {Tool::WebScript, "Exported Web Scripts...", "Add Web Script", ToolIcon::WebScript},
};

const char* const kAreaToolTip = "Select an area of objects";
const char* const kLockToolTip = "Lock Controls...";
const char* const kUnlockToolTip = "Unlock Controls...";

} // namespace

Toolbox::Toolbox(DesignDocument& document, QWidget* parent) : QToolBar(parent), document_(document)
{
    setObjectName(QStringLiteral("Toolbox"));
    setWindowTitle(tr("Toolbox"));
    setAccessibleName(tr("Toolbox"));
    setOrientation(Qt::Vertical);
    setMovable(false);
    setIconSize(QSize(24, 24));
    for (const ToolButton& t : kTools) {
        QAction* action = addTool(QString::fromUtf8(t.toolTip), toolIcon(t.icon));
        const Tool tool = t.tool;
        connect(action, &QAction::triggered, this, [this, tool] { useTool(tool); });
        creating_.push_back(action);
    }
    creating_.push_back(addSeparator());
    areaTool_ = addTool(QString::fromUtf8(kAreaToolTip), toolIcon(ToolIcon::AreaSelect));
    areaTool_->setCheckable(true);
    connect(areaTool_, &QAction::triggered, this, &Toolbox::toggleAreaSelection);
    creating_.push_back(areaTool_);
    creating_.push_back(addSeparator());
    lock_ = addTool(QString::fromUtf8(kLockToolTip), toolIcon(ToolIcon::Unlocked));
    unlock_ = addTool(QString::fromUtf8(kUnlockToolTip), toolIcon(ToolIcon::Locked));
    connect(lock_, &QAction::triggered, this, &Toolbox::toggleLock);
    connect(unlock_, &QAction::triggered, this, &Toolbox::toggleLock);
    connect(&document_, &DesignDocument::changed, this, &Toolbox::apply);
    updateState();
}

QAction* Toolbox::addTool(const QString& toolTip, const QIcon& icon)
{
    QAction* action = addAction(icon, toolTip);
    action->setToolTip(toolTip);
    // The button shows only its picture; screen readers and scripted checks read the tip.
    if (QWidget* button = widgetForAction(action))
        button->setAccessibleName(toolTip);
    return action;
}

QAction* Toolbox::actionFor(const QString& toolTip) const
{
    for (QAction* action : actions()) {
        if (!action->isSeparator() && action->toolTip() == toolTip)
            return action;
    }
    return nullptr;
}

void Toolbox::useTool(Tool tool)
{
    const char* name = "Add";
    for (const ToolButton& t : kTools) {
        if (t.tool == tool)
            name = t.stepName;
    }
    document_.beginGesture(QString::fromUtf8(name));
    const Outcome outcome = document_.run([tool](Designer& d) { return createObject(d, tool); });
    if (outcome.done)
        return; // the gesture ends when the object is placed or drawn
    document_.endGesture();
    if (!outcome.text.empty())
        emit message(QString::fromStdString(outcome.text));
    else if (outcome.message != 0)
        emit message(tr("Message %1").arg(outcome.message));
}

void Toolbox::toggleAreaSelection()
{
    document_.command([](Designer& d) {
        SelectionState& s = d.selection();
        const bool leaving = s.areaActive();
        releaseAreaSelection(s);
        s.placementTool = kNoPlacement;
        s.kind = leaving ? 0 : kAreaSelectionCode;
    });
}

void Toolbox::toggleLock()
{
    document_.run([](Designer& d) { qv::toggleLock(d); });
}

void Toolbox::apply(const DocumentChange& change)
{
    if (change.has(DocumentChange::Selection) || change.has(DocumentChange::Reload))
        updateState();
}

void Toolbox::updateState()
{
    const SelectionState& s = document_.selection();
    for (QAction* action : creating_)
        action->setVisible(!s.locked);
    lock_->setVisible(!s.locked);
    unlock_->setVisible(s.locked);
    areaTool_->setChecked(s.areaActive());
}

} // namespace qv::gui
