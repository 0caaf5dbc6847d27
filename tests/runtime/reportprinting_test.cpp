// Reports of the example application printed with a few records: into PDF files, through a
// recording paint device that keeps the texts of each page, and in the preview window.
// Set QV_REPORT_TEST_KEEP to a folder to keep the PDF files and a picture of the preview.
#include "builder/appdatabuilder.h"
#include "designer/reportassembly.h"
#include "document/projectfile.h"
#include "records/memoryrecordset.h"
#include "reportprinter.h"
#include "reportrenderer.h"

#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using qv::InputKind;
using qv::InputRef;

// Keeps the text of every drawText call of a page, and counts images.
class TextRecorder : public QPaintDevice {
public:
    QStringList texts;
    int images = 0;

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 595;
        case PdmHeight: return 842;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 72;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder& owner) : QPaintEngine(AllFeatures), owner_(owner) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&,
                       Qt::ImageConversionFlags) override
        {
            ++owner_.images;
        }
        void drawTextItem(const QPointF&, const QTextItem& item) override
        {
            owner_.texts << item.text();
        }
        Type type() const override { return User; }

    private:
        TextRecorder& owner_;
    };
    mutable Engine engine_{*this};
};

qv::ProjectDocument example()
{
    const qv::ProjectReadResult read =
        qv::readProjectFile(std::filesystem::path(QV_SOURCE_DATA_DIR) / "Examples" / "Orders.baf");
    if (!read.ok())
        qFatal("%s", read.message.c_str());
    return read.document;
}

// Customer, Quantity, Price, Total (fields 1-4), Delivery (combo 1), Paid (check box 0),
// Remarks (notes 1).
qv::MemoryRecordSet orders()
{
    qv::MemoryRecordSet set;
    const InputRef customer{InputKind::Field, 1};
    struct Row {
        const char* customer;
        const char* quantity;
        const char* price;
        const char* total;
        const char* delivery;
        const char* paid;
        const char* remarks;
    } rows[] = {
        {"Smith & Sons", "3", "12.50", "37.50", "Post", "1", "Leave at the door"},
        {"Jones", "10", "1,000.00", "10,000.00", "Courier", "0", "Call first\r\nSecond line"},
        {"Müller", "1", "7.25", "7.25", "Pickup", "1", ""},
    };
    for (const Row& r : rows) {
        set.add()
            .set(customer, r.customer)
            .set({InputKind::Field, 2}, r.quantity)
            .set({InputKind::Field, 3}, r.price)
            .set({InputKind::Field, 4}, r.total)
            .set({InputKind::Combo, 1}, r.delivery)
            .set({InputKind::Checkbox, 0}, r.paid)
            .set({InputKind::Notes, 1}, r.remarks);
    }
    return set;
}

int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-"))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(bytes).count(page));
}

} // namespace

class ReportPrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        document_ = example();
        data_ = qv::BuildAppData(document_, "Orders", qv::CivilDate{2026, 3, 1}).data;
        // The form's first page as the report designer assembles it, on A4.
        assembled_ = qv::assembleReport(document_, 0).report;
        keep_ = qEnvironmentVariable("QV_REPORT_TEST_KEEP");
    }

    void eachRecordGetsAPageOfItsOwn()
    {
        const qv::runtime::ReportRenderer renderer(assembled_, data_);
        QCOMPARE(renderer.recordsPerPage(), 1);
        const qv::MemoryRecordSet records = orders();
        QCOMPARE(renderer.pageCount(records.size()), 3);
        const QStringList first = pageTexts(renderer, {&records.records()[0]});
        for (const char* text :
             {"Order Form", "Customer", "Smith & Sons", "37.50", "Post", "Leave at the door"})
            QVERIFY2(first.contains(QString::fromUtf8(text)), text);
        const QStringList second = pageTexts(renderer, {&records.records()[1]});
        QVERIFY(second.contains(QStringLiteral("Jones")));
        QVERIFY(second.contains(QStringLiteral("Second line")));
        QVERIFY(!second.contains(QStringLiteral("Smith & Sons")));

        const QString pdf = file(QStringLiteral("orders.pdf"));
        QCOMPARE(
            qv::runtime::printReportToPdf(renderer, records, pdf, QStringLiteral("Order sheet")),
            QString());
        QCOMPARE(pdfPages(pdf), 3);
    }

    void aListLayoutPrintsSeveralRecordsPerPage()
    {
        // Row n of the list shows the customer and total of the page's n-th record.
        qv::Report list = assembled_;
        list.labels.clear();
        for (int n = 1; n <= 2; ++n) {
            for (int code : {1, 4}) {
                qv::ReportLabel label;
                label.referenceCode = static_cast<int16_t>(code);
                label.caption = "F" + std::to_string(code) + ", " + std::to_string(n);
                label.left = code == 1 ? 1440 : 5000;
                label.top = static_cast<float>(1440 + n * 400);
                label.autoSize = true;
                list.labels.push_back(label);
            }
        }
        const qv::runtime::ReportRenderer renderer(list, data_);
        QCOMPARE(renderer.recordsPerPage(), 2);
        const qv::MemoryRecordSet records = orders();
        QCOMPARE(renderer.pageCount(records.size()), 2);
        QCOMPARE(renderer.pageCount(0), 1);
        QCOMPARE(pageTexts(renderer, {&records.records()[0], &records.records()[1]}),
                 (QStringList{QStringLiteral("Smith & Sons"), QStringLiteral("37.50"),
                              QStringLiteral("Jones"), QStringLiteral("10,000.00")}));
        QCOMPARE(pageTexts(renderer, {&records.records()[2]}),
                 (QStringList{QStringLiteral("Müller"), QStringLiteral("7.25")}));
        const QString pdf = file(QStringLiteral("list.pdf"));
        QCOMPARE(qv::runtime::printReportToPdf(renderer, records, pdf, QStringLiteral("List")),
                 QString());
        QCOMPARE(pdfPages(pdf), 2);
    }

    void theExamplesOwnReportAndPictures()
    {
        qv::Report sheet;
        for (const qv::BlockReport& slot : data_.reports) {
            if (slot.caption == "Order sheet")
                sheet = slot.report;
        }
        QVERIFY(!sheet.labels.empty());
        qv::MemoryRecordSet records = orders();
        const qv::runtime::ReportRenderer renderer(sheet, data_);
        const QStringList texts = pageTexts(renderer, {&records.records()[2]});
        QVERIFY(texts.contains(QStringLiteral("Order")));
        QVERIFY(texts.contains(QStringLiteral("Müller")));

        // The logo of the form is printed from the picture the application carries.
        TextRecorder recorder;
        QPainter painter(&recorder);
        qv::runtime::ReportRenderer(assembled_, data_)
            .paintPage(painter, QRectF(0, 0, 595, 842), {&records.records()[0]});
        painter.end();
        QCOMPARE(recorder.images, 1);
    }

    void landscapeAndDamagedPaper()
    {
        qv::Report wide;
        wide.paperWidth = 16838;
        wide.paperHeight = 11906;
        QPageLayout layout = qv::runtime::ReportRenderer(wide, data_).pageLayout();
        QCOMPARE(layout.orientation(), QPageLayout::Landscape);
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        wide.paperWidth = std::numeric_limits<float>::quiet_NaN();
        layout = qv::runtime::ReportRenderer(wide, data_).pageLayout();
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
    }

    void aFailedPdfLeavesNothingBehind()
    {
        const qv::runtime::ReportRenderer renderer(assembled_, data_);
        const qv::MemoryRecordSet records = orders();
        const QString missing = dir_.filePath(QStringLiteral("no such folder/out.pdf"));
        const QString error =
            qv::runtime::printReportToPdf(renderer, records, missing, QStringLiteral("x"));
        QVERIFY2(error.startsWith(missing + QStringLiteral(" cannot be written")),
                 qPrintable(error));
        QVERIFY(!QFile::exists(missing));
    }

    void thePreviewShowsEveryPage()
    {
        const qv::runtime::ReportRenderer renderer(assembled_, data_);
        const qv::MemoryRecordSet records = orders();
        auto preview = qv::runtime::reportPreview(renderer, records, QStringLiteral("Order sheet"));
        preview->resize(900, 700);
        preview->show();
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        QVERIFY(pages);
        pages->updatePreview();
        QCOMPARE(pages->pageCount(), 3);
        QCOMPARE(preview->windowTitle(), QStringLiteral("Order sheet"));
        if (!keep_.isEmpty()) {
            QApplication::processEvents();
            preview->grab().save(keep_ + QStringLiteral("/preview.png"));
        }
        preview->close();
    }

private:
    QStringList pageTexts(const qv::runtime::ReportRenderer& renderer,
                          const std::vector<const qv::RecordRow*>& records)
    {
        TextRecorder recorder;
        QPainter painter(&recorder);
        renderer.paintPage(painter, QRectF(0, 0, 595, 842), records);
        painter.end();
        QStringList lines;
        for (const QString& text : recorder.texts)
            lines << text.split(QChar::LineSeparator);
        return lines;
    }

    QString file(const QString& name) const
    {
        return keep_.isEmpty() ? dir_.filePath(name) : keep_ + QLatin1Char('/') + name;
    }

    QTemporaryDir dir_;
    QString keep_;
    qv::ProjectDocument document_;
    qv::AppData data_;
    qv::Report assembled_;
};

QTEST_MAIN(ReportPrintingTest)
#include "reportprinting_test.moc"
