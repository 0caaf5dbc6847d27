#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace qv {
class RecordSet;
}

namespace qv::runtime {

class ReportRenderer;

// Writes the pages of a report filled with `records` into a PDF file, replacing an older
// file only when the new one is complete. `title` becomes the document's title. Returns
// "" when written, else a message naming the file.
QString printReportToPdf(const ReportRenderer& renderer, const RecordSet& records,
                         const QString& path, const QString& title);

// Prints on a printer the user chose (QPrintDialog); the printer takes the report's paper.
// Returns false when the printer cannot be painted on.
bool printReport(const ReportRenderer& renderer, const RecordSet& records, QPrinter& printer);

// The preview window of a report: its pages with zoom and page buttons, and a button that
// prints them. `renderer` and `records` must outlive the window.
std::unique_ptr<QPrintPreviewDialog> reportPreview(const ReportRenderer& renderer,
                                                   const RecordSet& records, const QString& title,
                                                   QWidget* parent = nullptr);

} // namespace qv::runtime
