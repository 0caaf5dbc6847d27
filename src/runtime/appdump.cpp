#include "appdump.h"

#include "builder/builddate.h"
#include "runtimeimage.h"

#include <QString>

namespace qv::runtime {

namespace {

// Twips to whole pixels, for reading positions at a glance.
long px(float twips)
{
    return std::lround(twips / 15.0f);
}

} // namespace

void dumpApp(const AppFileRead& read, std::ostream& out)
{
    const AppData& a = read.data;
    out << "runtime bytes: " << read.runtimeLength - 1 << '\n'
        << "data block bytes: " << read.blockLength << '\n'
        << "title: " << a.windowTitle << '\n'
        << "surface: " << px(a.surfaceWidth) << " x " << px(a.surfaceHeight) << " px\n"
        << "charset: " << a.defaultCharset << '\n';
    const CivilDate built = DateOfBuildNumber(a.buildDate);
    out << "built: " << built.year << '-' << built.month << '-' << built.day << '\n';
    const VersionTexts v = versionTexts();
    out << "company: " << v.companyName.toStdString() << '\n'
        << "description: " << v.fileDescription.toStdString() << '\n'
        << "copyright: " << v.legalCopyright.toStdString() << '\n'
        << "trademarks: " << v.legalTrademarks.toStdString() << '\n'
        << "product: " << v.productName.toStdString() << '\n'
        << "original file: " << v.originalFilename.toStdString() << '\n'
        << "icon: " << (iconIsMarker() ? "runtime's own" : "patched") << '\n';
    out << "squares: " << a.squares.size() << ", lines: " << a.lines.size()
        << ", pictures: " << a.pictures.size() << ", titles: " << a.titles.size()
        << ", fields: " << a.fields.size() << ", combos: " << a.combos.size()
        << ", notes: " << a.notes.size() << ", checkboxes: " << a.checkboxes.size()
        << ", buttons: " << a.buttons.size() << ", web scripts: " << a.scripts.size() << '\n';
    for (size_t i = 0; i < a.titles.size(); ++i) {
        const Title& t = a.titles[i];
        out << "title " << i + 1 << " page " << t.page << " at " << px(t.left) << ',' << px(t.top)
            << ": " << t.caption << '\n';
    }
    for (size_t i = 0; i < a.fields.size(); ++i) {
        const Field& f = a.fields[i].field;
        out << "field " << i + 1 << " page " << f.page << " at " << px(f.left) << ',' << px(f.top)
            << " size " << px(f.width) << 'x' << px(f.height) << ": " << f.tag;
        if (i < a.fieldFormulas.size() && !a.fieldFormulas[i].empty())
            out << " = " << a.fieldFormulas[i];
        out << '\n';
    }
    for (size_t i = 0; i < a.combos.size(); ++i)
        out << "combo " << i + 1 << " page " << a.combos[i].page << ": " << a.combos[i].tag << " ("
            << a.combos[i].listItems.size() << " items)\n";
    for (size_t i = 0; i < a.notes.size(); ++i)
        out << "notes " << i + 1 << " page " << a.notes[i].notes.page << ": "
            << a.notes[i].notes.tag << '\n';
    for (size_t i = 0; i < a.checkboxes.size(); ++i)
        out << "checkbox " << i << " page " << a.checkboxes[i].page << ": " << a.checkboxes[i].tag
            << '\n';
    for (size_t i = 0; i < a.buttons.size(); ++i)
        out << "button " << i << " page " << a.buttons[i].page << ": " << a.buttons[i].caption
            << '\n';
    for (size_t i = 0; i < a.pictures.size(); ++i)
        out << "picture " << i << " page " << a.pictures[i].picture.page << ": "
            << a.pictures[i].picture.displayPath << " file " << a.pictures[i].fileName << " ("
            << a.pictures[i].bytes.size() << " bytes)\n";
    for (size_t i = 0; i < a.scripts.size(); ++i)
        out << "web script " << i + 1 << " page " << a.scripts[i].page << ": "
            << a.scripts[i].fragment << '\n';
    for (size_t i = 0; i < a.menuCaptions.size(); ++i) {
        if (!a.menuCaptions[i].empty())
            out << "menu " << i << ": " << a.menuCaptions[i] << '\n';
    }
    for (size_t i = 0; i < a.functionKeyTexts.size(); ++i) {
        if (!a.functionKeyTexts[i].empty())
            out << "key F" << i + 1 << ": " << a.functionKeyTexts[i] << '\n';
    }
    for (size_t r = 1; r < a.reports.size(); ++r) {
        if (!a.reports[r].caption.empty())
            out << "report " << r << ": " << a.reports[r].caption << " ("
                << a.reports[r].report.labels.size() << " labels)\n";
    }
    out << "field extras: " << (read.hasFieldExtras ? "yes" : "no") << '\n';
}

} // namespace qv::runtime
