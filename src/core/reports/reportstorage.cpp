#include "reports/reportstorage.h"

#include "document/recordio.h"

#include <string>

namespace qv {

namespace {

// The window height is stored without the 1440 twips of the window's frame and menu.
constexpr float kReportWindowChrome = 1440;
// A count of report elements beyond this cannot be real; each record takes well over
// 16 bytes, so the remaining file size bounds it too.
constexpr int kMaxReportElements = 32767;

template <class W, class S> void squareRecord(W& w, S& s)
{
    w.boolean(s.visible);
    w.integer(s.borderWidth);
    w.integer(s.fillStyle);
    w.integer(s.borderStyle);
    w.integer(s.shape);
    w.long32(s.fillColor);
    w.long32(s.borderColor);
    w.single(s.height);
    w.single(s.width);
    w.single(s.top);
    w.single(s.left);
}

template <class W, class L> void lineRecord(W& w, L& l)
{
    w.boolean(l.visible);
    w.long32(l.color);
    w.single(l.x1);
    w.single(l.y1);
    w.single(l.x2);
    w.single(l.y2);
}

template <class W, class I> void imageRecord(W& w, I& i)
{
    w.boolean(i.visible);
    w.single(i.top);
    w.single(i.left);
    w.single(i.height);
    w.single(i.width);
    w.integer(i.pictureNumber);
    w.integer(i.imageOption);
}

template <class W, class L> void labelRecord(W& w, L& l)
{
    w.boolean(l.visible);
    w.str(l.fontName);
    w.boolean(l.bold);
    w.boolean(l.italic);
    w.boolean(l.underline);
    w.single(l.fontSize);
    w.long32(l.color);
    w.single(l.top);
    w.single(l.left);
    w.single(l.width);
    w.single(l.height);
    w.integer(l.alignment);
    w.boolean(l.autoSize);
    w.integer(l.referenceCode);
    w.str(l.caption);
    w.byte(l.column);
}

// A count slot holding all elements, the records of the visible ones, then the count slot
// rewritten with the number of records.
template <class T, class Record>
void writeCounted(WriteWalker& walker, const std::vector<T>& elements,
                  const std::vector<int>& order, Record record)
{
    RecordWriter& writer = walker.writer();
    const int64_t countPos = writer.filePos();
    writer.putInteger(static_cast<int16_t>(elements.size()));
    int16_t written = 0;
    for (int index : order) {
        const T& element = elements[static_cast<size_t>(index)];
        if (!element.visible)
            continue;
        record(walker, element);
        ++written;
    }
    const int64_t end = writer.filePos();
    writer.setFilePos(countPos);
    writer.putInteger(written);
    writer.setFilePos(end);
}

std::vector<int> identityOrder(size_t count)
{
    std::vector<int> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = static_cast<int>(i);
    return order;
}

template <class T, class Record>
std::vector<T> readCounted(RecordReader& reader, const char* what, int limit, Record record)
{
    const int count = reader.getInteger();
    if (count < 0 || count > limit || static_cast<int64_t>(count) * 16 > reader.remaining())
        reader.fail(std::string("a report holds an impossible number of ") + what + " (" +
                    std::to_string(count) + ")");
    std::vector<T> elements(static_cast<size_t>(count));
    ReadWalker walker(reader);
    for (T& element : elements)
        record(walker, element);
    return elements;
}

} // namespace

std::vector<int> reportLabelOrder(const std::vector<ReportLabel>& labels)
{
    const size_t count = labels.size();
    std::vector<int> keys(count);
    std::vector<int> order = identityOrder(count);
    for (size_t i = 0; i < count; ++i)
        keys[i] = labels[i].column;
    for (size_t i = 0; i < count; ++i) {
        for (size_t j = 0; j < count; ++j) {
            if (keys[j] > keys[i]) {
                std::swap(keys[i], keys[j]);
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}

void saveReport(WriteWalker& walker, const Report& report)
{
    RecordWriter& writer = walker.writer();
    writer.putSingle(report.windowWidth);
    writer.putSingle(report.windowHeight - kReportWindowChrome);
    writer.putSingle(report.paperWidth);
    writer.putSingle(report.paperHeight);
    writeCounted(walker, report.squares, identityOrder(report.squares.size()),
                 [](WriteWalker& w, const ReportSquare& s) { squareRecord(w, s); });
    writeCounted(walker, report.lines, identityOrder(report.lines.size()),
                 [](WriteWalker& w, const ReportLine& l) { lineRecord(w, l); });
    writeCounted(walker, report.images, identityOrder(report.images.size()),
                 [](WriteWalker& w, const ReportImage& i) { imageRecord(w, i); });
    writeCounted(walker, report.labels, reportLabelOrder(report.labels),
                 [](WriteWalker& w, const ReportLabel& l) { labelRecord(w, l); });
}

Report loadReport(RecordReader& reader)
{
    Report report;
    report.windowWidth = reader.getSingle();
    report.windowHeight = reader.getSingle() + kReportWindowChrome;
    report.paperWidth = reader.getSingle();
    report.paperHeight = reader.getSingle();
    report.squares =
        readCounted<ReportSquare>(reader, "squares", kMaxReportElements,
                                  [](ReadWalker& w, ReportSquare& s) { squareRecord(w, s); });
    report.lines = readCounted<ReportLine>(reader, "lines", kMaxReportElements,
                                           [](ReadWalker& w, ReportLine& l) { lineRecord(w, l); });
    report.images = readCounted<ReportImage>(reader, "images", kMaxReportImages,
                                             [](ReadWalker& w, ReportImage& i) {
                                                 imageRecord(w, i);
                                                 if (i.imageOption == 0)
                                                     i.imageOption = 1;
                                             });
    report.labels =
        readCounted<ReportLabel>(reader, "labels", kMaxReportElements,
                                 [](ReadWalker& w, ReportLabel& l) { labelRecord(w, l); });
    return report;
}

} // namespace qv
