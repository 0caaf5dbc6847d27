#include "canvas/designdocument.h"

#include "designer/pageoperations.h"
#include "document/projectdocument.h"

namespace qv::gui {

namespace {

bool sameSelection(const SelectionState& a, const SelectionState& b)
{
    return a.kind == b.kind && a.currentIndex == b.currentIndex && a.multi == b.multi &&
           a.bandVisible == b.bandVisible && a.bandLeft == b.bandLeft && a.bandTop == b.bandTop &&
           a.bandWidth == b.bandWidth && a.bandHeight == b.bandHeight &&
           a.placementTool == b.placementTool && a.locked == b.locked;
}

} // namespace

DesignDocument::DesignDocument(ProjectDocument& document, const LanguageTable* language,
                               QObject* parent)
    : QObject(parent), designer_(document, language)
{
    designer_.trackChanges(true);
}

DesignDocument::~DesignDocument() = default;

SurfacePixels DesignDocument::surface() const
{
    return pageSurface(document().settings);
}

int DesignDocument::currentPage() const
{
    return document().currentPage;
}

DesignDocument::Snapshot DesignDocument::snapshot() const
{
    Snapshot s;
    s.selection = designer_.selection();
    s.page = document().currentPage;
    s.modified = document().modified;
    const UndoStack& undo = designer_.undoStack();
    s.canUndo = undo.canUndo();
    s.canRedo = undo.canRedo();
    s.undoName = undo.undoName();
    s.redoName = undo.redoName();
    s.steps = undo.size();
    return s;
}

void DesignDocument::announce(const Snapshot& before)
{
    DocumentChange change;
    ChangeSummary summary = designer_.takeChanges();
    if (!summary.objects.empty() || !summary.tables.empty()) {
        change.flags |= DocumentChange::Objects;
        change.objects = std::move(summary.objects);
        change.tables = std::move(summary.tables);
    }
    if (summary.settings)
        change.flags |= DocumentChange::Settings;
    if (summary.reports)
        change.flags |= DocumentChange::Reports;
    if (document().currentPage != before.page)
        change.flags |= DocumentChange::Page;
    if (document().modified != before.modified)
        change.flags |= DocumentChange::Modified;
    if (!sameSelection(designer_.selection(), before.selection))
        change.flags |= DocumentChange::Selection;
    const Snapshot after = snapshot();
    if (after.canUndo != before.canUndo || after.canRedo != before.canRedo ||
        after.undoName != before.undoName || after.redoName != before.redoName ||
        after.steps != before.steps)
        change.flags |= DocumentChange::History;
    if (!change.empty())
        emit changed(change);
}

void DesignDocument::beginGesture(const QString& name)
{
    designer_.undoStack().beginGroup(name.toStdString());
}

void DesignDocument::endGesture()
{
    const Snapshot before = snapshot();
    designer_.undoStack().endGroup();
    announce(before);
}

void DesignDocument::endPlacement()
{
    const Snapshot before = snapshot();
    designer_.undoStack().endGroup();
    designer_.selection().placementTool = kNoPlacement;
    announce(before);
}

bool DesignDocument::canUndo() const
{
    return designer_.undoStack().canUndo();
}

bool DesignDocument::canRedo() const
{
    return designer_.undoStack().canRedo();
}

QString DesignDocument::undoName() const
{
    return QString::fromStdString(designer_.undoStack().undoName());
}

QString DesignDocument::redoName() const
{
    return QString::fromStdString(designer_.undoStack().redoName());
}

bool DesignDocument::undo()
{
    return run([](Designer& d) {
        const bool done = d.undo();
        d.selection().placementTool = kNoPlacement;
        return done;
    });
}

bool DesignDocument::redo()
{
    return run([](Designer& d) {
        const bool done = d.redo();
        d.selection().placementTool = kNoPlacement;
        return done;
    });
}

void DesignDocument::showPage(int page)
{
    run([page](Designer& d) { qv::showPage(d, page); });
}

void DesignDocument::setScrollPosition(double x, double y)
{
    designer_.canvas().scrollX = x;
    designer_.canvas().scrollY = y;
}

void DesignDocument::documentReplaced()
{
    designer_.undoStack().clear();
    designer_.takeChanges();
    const bool locked = designer_.selection().locked;
    designer_.selection() = SelectionState{};
    designer_.selection().locked = locked;
    designer_.document().currentPage = 0;
    DocumentChange change;
    change.flags = DocumentChange::Reload | DocumentChange::Page | DocumentChange::Selection |
                   DocumentChange::Settings | DocumentChange::History | DocumentChange::Modified;
    emit changed(change);
}

} // namespace qv::gui
