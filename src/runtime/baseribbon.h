#pragma once

#include "records/recordcursor.h"

#include <QWidget>

class QLabel;

namespace qv::runtime {

// The base buttons ribbon under the designed window: the navigation buttons "<<<" (first),
// "<<" (ten back), "<" (previous), ">" (next) and ">>" (last), the record-ID label, the
// position in the current order and the page label.
class BaseRibbon : public QWidget {
    Q_OBJECT
public:
    explicit BaseRibbon(QWidget* parent = nullptr);

    // "ID: 12" and "3 of 40"; a new record shows "ID: 41" and "new".
    void showPosition(int64_t number, bool isNew, int position, int count);
    void showPage(const QString& caption);

signals:
    void moveRequested(RecordMove move);

private:
    QLabel* id_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* page_ = nullptr;
};

} // namespace qv::runtime
