#pragma once

#include <QObject>

#include <map>

class QAction;
class QMenu;
class QWidget;

namespace qv {
class LanguageTable;
}

namespace qv::gui {

class DesignDocument;
struct DocumentChange;

// The page-size menu (PageSize): the papers, "Portrait..." and "Landscape...", "Custom..."
// (the size typed in the Page Size dialog) and the touch screen. The chosen page is the
// design's, so each choice is one undo step; the check marks follow the design.
class PageSizeMenu : public QObject {
    Q_OBJECT
public:
    PageSizeMenu(DesignDocument& document, const LanguageTable* language, QWidget* window);

    QMenu* menu() const { return menu_; }
    // The item of a menu index (0-17 the papers, 19 Portrait, 20 Landscape, 22 Custom, 23
    // the touch screen); nullptr for the separators.
    QAction* item(int index) const;
    // PageSize_Click.
    void choose(int index);
    void retranslate();

private:
    void update(const DocumentChange& change);

    DesignDocument& document_;
    const LanguageTable* language_;
    QWidget* window_;
    QMenu* menu_ = nullptr;
    std::map<int, QAction*> items_;
};

} // namespace qv::gui
