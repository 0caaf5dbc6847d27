// Printing: the Print entry and the designed reports of the print-report menu, each for
// the record on screen or the records of the last search, into a preview, a PDF file or
// on a printer.
#include "runtimewindow.h"

#include "formpage.h"
#include "formrecordrow.h"
#include "recordsession.h"
#include "reportprinter.h"
#include "reportrenderer.h"
#include "searchwindow.h"
#include "storerecordset.h"

#include "builder/recordfiles.h"
#include "designer/reportassembly.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace qv::runtime {

namespace {

// The designed report a print command prints, with the caption it goes by; nullptr for
// the page on screen.
const BlockReport* reportOf(const AppData& data, int report)
{
    if (report > 0)
        return static_cast<size_t>(report) < data.reports.size() &&
                       !data.reports[static_cast<size_t>(report)].caption.empty()
                   ? &data.reports[static_cast<size_t>(report)]
                   : nullptr;
    for (size_t r = 1; r < data.reports.size(); ++r) {
        if (!data.reports[r].caption.empty())
            return &data.reports[r];
    }
    return nullptr;
}

// The report of the page on screen, for a design without reports: what the report
// designer's "Assemble" makes of it, moved in by a half-inch margin that printers can
// print, on A4 paper (turned for a landscape design) or paper as large as the window with
// its margins when that is larger.
Report pageReport(const AppData& data, const ProjectDocument& design, int page)
{
    constexpr float kA4Short = 11906;
    constexpr float kA4Long = 16838;
    constexpr float kMargin = 720;
    auto fitting = [](float paper, float window) {
        return std::isfinite(window) ? std::max(paper, window + 2 * kMargin) : paper;
    };
    Report base;
    base.paperWidth = fitting(data.landscape ? kA4Long : kA4Short, data.surfaceWidth);
    base.paperHeight = fitting(data.landscape ? kA4Short : kA4Long, data.surfaceHeight);
    Report report = assembleReport(design, page, base).report;
    for (ReportSquare& s : report.squares) {
        s.left += kMargin;
        s.top += kMargin;
    }
    for (ReportLine& l : report.lines) {
        l.x1 += kMargin;
        l.x2 += kMargin;
        l.y1 += kMargin;
        l.y2 += kMargin;
    }
    for (ReportImage& i : report.images) {
        i.left += kMargin;
        i.top += kMargin;
    }
    for (ReportLabel& l : report.labels) {
        l.left += kMargin;
        l.top += kMargin;
    }
    return report;
}

} // namespace

void RuntimeWindow::print(int report)
{
    if (!session_->saveNow())
        return;
    const BlockReport* designed = reportOf(data_, report);
    const QString caption = designed ? QString::fromStdString(designed->caption) : tr("Print");
    const size_t found = search_ && search_->searched() ? search_->chosen().size() : 0;
    const std::optional<PrintChoice> choice = dialogs_.choosePrint(caption, found);
    if (!choice)
        return;
    QString pdf;
    if (choice->target == PrintTarget::Pdf) {
        const QString name =
            QString::fromStdString(designed ? designed->caption : AppNameOf(data_, "Record"));
        const QString suggested =
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .filePath(name + QStringLiteral(".pdf"));
        pdf = dialogs_.saveFile(tr("PDF File"), suggested, tr("PDF files (*.pdf)"));
        if (pdf.isEmpty())
            return;
        if (QFileInfo(pdf).suffix().isEmpty())
            pdf += QStringLiteral(".pdf");
    }
    const QString error = printTo(report, *choice, pdf);
    if (!error.isEmpty())
        warn(error);
}

QString RuntimeWindow::printTo(int report, PrintChoice choice, const QString& pdfPath)
{
    const BlockReport* designed = reportOf(data_, report);
    if (report > 0 && !designed)
        return tr("The design has no report %1.").arg(report);
    const Report layout = designed ? designed->report : pageReport(data_, design_, page_->page());
    const QString caption = designed ? QString::fromStdString(designed->caption) : windowTitle();
    const ReportRenderer renderer(layout, data_);

    const FormRecordRow row(*form_);
    const SingleRecordSet single(row);
    std::optional<StoreRecordSet> found;
    if (choice.scope == PrintScope::Found) {
        if (!store_ || !search_ || !search_->searched())
            return tr("Search for the records to print first.");
        found.emplace(*store_, schema_, search_->chosen());
        if (found->size() == 0)
            return tr("The last search found no records to print.");
    }
    const RecordSet& records = found ? static_cast<const RecordSet&>(*found) : single;

    switch (choice.target) {
    case PrintTarget::Pdf: {
        const QString error = printReportToPdf(renderer, records, pdfPath, caption);
        if (error.isEmpty())
            showNotice(tr("The report was written to %1.").arg(pdfPath));
        return error;
    }
    case PrintTarget::Preview: {
        const std::unique_ptr<QPrintPreviewDialog> preview =
            reportPreview(renderer, records, caption, this);
        preview->resize(900, 700);
        dialogs_.run(*preview);
        return {};
    }
    case PrintTarget::Printer: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(caption);
        QPrintDialog dialog(&printer, this);
        if (dialogs_.run(dialog) != QDialog::Accepted)
            return {};
        if (!printReport(renderer, records, printer))
            return tr("The printer %1 could not print the report.").arg(printer.printerName());
        if (const std::string failed = records.failure(); !failed.empty())
            return tr("The report was printed only in part: %1")
                .arg(QString::fromStdString(failed));
        return {};
    }
    }
    return {};
}

} // namespace qv::runtime
