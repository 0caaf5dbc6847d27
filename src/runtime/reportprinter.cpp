#include "reportprinter.h"

#include "reportrenderer.h"

#include "records/recordset.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QSaveFile>

namespace qv::runtime {

namespace {

constexpr int kPdfResolution = 600;

void preparePrinter(const ReportRenderer& renderer, QPrinter& printer)
{
    printer.setFullPage(true);
    printer.setPageLayout(renderer.pageLayout());
}

} // namespace

QString printReportToPdf(const ReportRenderer& renderer, const RecordSet& records,
                         const QString& path, const QString& title)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quorvalle Developer 21"));
        writer.setPageLayout(renderer.pageLayout());
        if (!renderer.render(writer, records)) {
            file.cancelWriting();
            return QStringLiteral("%1 cannot be written: the report could not be drawn").arg(path);
        }
    }
    // A report of half the records that looks whole would mislead.
    if (const std::string failed = records.failure(); !failed.empty()) {
        file.cancelWriting();
        return QStringLiteral("%1 was not written: %2").arg(path, QString::fromStdString(failed));
    }
    if (!file.commit())
        return QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    return {};
}

bool printReport(const ReportRenderer& renderer, const RecordSet& records, QPrinter& printer)
{
    preparePrinter(renderer, printer);
    return renderer.render(printer, records);
}

std::unique_ptr<QPrintPreviewDialog> reportPreview(const ReportRenderer& renderer,
                                                   const RecordSet& records, const QString& title,
                                                   QWidget* parent)
{
    auto dialog = std::make_unique<QPrintPreviewDialog>(parent);
    dialog->setWindowTitle(title);
    preparePrinter(renderer, *dialog->printer());
    dialog->printer()->setDocName(title);
    QObject::connect(
        dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
        [&renderer, &records](QPrinter* printer) { renderer.render(*printer, records); });
    return dialog;
}

} // namespace qv::runtime
