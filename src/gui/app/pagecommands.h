#pragma once

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace qv::gui {

class DesignDocument;
class LinePropertiesWindow;
struct DocumentChange;

// The page commands on the design: "Move to Page...." (one item per page, captioned as
// the page tabs), "Create Table..." (one item per column count) and "Edit Lines", which
// opens the Line Properties window.
class PageCommands : public QObject {
    Q_OBJECT
public:
    PageCommands(DesignDocument& document, QWidget* window);
    ~PageCommands() override;

    QMenu* moveToPageMenu() const { return moveToPage_; }
    QMenu* createTableMenu() const { return createTable_; }
    QAction* editLinesAction() const { return editLines_; }
    void addTo(QMenu* menu) const;

    // MovetoPage item `page`.
    void moveToPage(int page);
    // Table_Rows item: a table of fields `columns` wide in the rubber band.
    void createTable(int columns);
    // EditLines_Click: shows the Line Properties window (Form14), modeless.
    void editLines();
    LinePropertiesWindow* lineWindow() const { return lines_; }

signals:
    void message(const QString& text);

private:
    void update(const DocumentChange& change);

    DesignDocument& document_;
    QWidget* window_;
    QMenu* moveToPage_ = nullptr;
    std::array<QAction*, 5> pageItems_{};
    QMenu* createTable_ = nullptr;
    QAction* editLines_ = nullptr;
    LinePropertiesWindow* lines_ = nullptr;
};

} // namespace qv::gui
