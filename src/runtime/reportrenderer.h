#pragma once

#include "records/inputref.h"
#include "records/memoryrecordset.h"
#include "reports/report.h"

#include <QImage>
#include <QPageLayout>

#include <map>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace qv {
struct AppData;
class RecordRow;
class RecordSet;
} // namespace qv

namespace qv::runtime {

// Draws a designed report layout filled with records: squares, lines, images and labels
// where the layout puts them (twips from the paper's top-left corner). A plain label
// shows its caption; a data label shows the value of its field, notes box or combo box,
// or a check box's box, crossed when checked. The number after the comma of a data
// label's caption ("F3, 2") says which record of a page the label shows, so a layout whose
// labels use the numbers 1 to n prints n records per page and one whose labels all say 1
// prints one record per page.
class ReportRenderer {
public:
    // `data` gives the pictures that images print (read here; the renderer keeps copies).
    ReportRenderer(const Report& layout, const AppData& data);

    int recordsPerPage() const { return recordsPerPage_; }
    int pageCount(std::size_t records) const;
    // The paper of the layout with no margins (A4 when the stored size is not usable).
    QPageLayout pageLayout() const;

    // Draws one page into `paper`, the paper's rectangle in the painter's coordinates.
    // `records` holds the page's records in order; missing ones leave their labels empty.
    void paintPage(QPainter& painter, const QRectF& paper,
                   const std::vector<const RecordRow*>& records) const;

    // Draws every page of `records` onto a PDF writer or printer, calling newPage between
    // pages. Returns false when the device cannot be painted on.
    bool render(QPagedPaintDevice& device, const RecordSet& records) const;

private:
    struct Label {
        const ReportLabel* label;
        std::optional<InputRef> ref; // none for a plain label
        int slot = 0;                // which record of the page, from 0
    };

    void paintSquare(QPainter& painter, const ReportSquare& square) const;
    void paintLine(QPainter& painter, const ReportLine& line) const;
    void paintImage(QPainter& painter, const ReportImage& image) const;
    void paintLabel(QPainter& painter, const Label& label, const RecordRow* record) const;

    Report layout_;
    std::vector<Label> labels_;
    std::vector<InputRef> refs_; // every value the labels show
    std::map<int, QImage> images_;
    int recordsPerPage_ = 1;
};

// The record-set number of a data label's caption: the number after its last comma, 1
// when there is none.
int recordSlotOfCaption(const std::string& caption);

} // namespace qv::runtime
