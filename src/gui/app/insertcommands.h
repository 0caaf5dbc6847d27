#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace qv::gui {

class DesignDocument;

// The menu commands that put special objects on the page: "Date Stamp" and "Date" (the
// reserved labels 4 and 3, captioned with today's date in the chosen format), "Record-ID"
// (label 5) and "Document Box" (memo box 1). Each object then follows the pointer until a
// click puts it down, like a new object of the toolbox.
class InsertCommands : public QObject {
    Q_OBJECT
public:
    InsertCommands(DesignDocument& document, QWidget* window);

    QMenu* dateStampMenu() const { return dateStamp_; }
    QMenu* dateMenu() const { return date_; }
    void addTo(QMenu* menu) const;

    // DateVal (stamp) or DateVal2 item `item`, with its caption.
    void placeDate(bool stamp, int item, const QString& caption);
    void placeRecordId();
    void placeDocumentBox();

private:
    QMenu* dateMenu(bool stamp, const QString& title, QWidget* window);

    DesignDocument& document_;
    QMenu* dateStamp_ = nullptr;
    QMenu* date_ = nullptr;
    QAction* recordId_ = nullptr;
    QAction* documentBox_ = nullptr;
};

} // namespace qv::gui
