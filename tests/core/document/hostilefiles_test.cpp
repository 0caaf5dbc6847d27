// Files and paths a careless user or a hostile file hands the programs: what is not a
// regular file, what is far too large, what is no project, numbers that are no numbers.
// Each must end in a clear refusal or a repaired document, never a crash, a hang or a
// replaced device.

#include "projectfixture.h"
#include "scratchfolder.h"

#include "document/atomicfile.h"
#include "document/inifile.h"
#include "document/languagetable.h"
#include "document/projectfile.h"
#include "document/recordwriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> encode(const ProjectDocument& doc)
{
    ProjectWriteResult written = encodeProject(doc, "/p/a.baf");
    EXPECT_TRUE(written.ok) << written.message;
    return written.bytes;
}

// Paths that name no regular file a reader could take whole.
struct HostilePath {
    const char* what;
    std::function<fs::path(const fs::path& scratch)> make;
};

const std::vector<HostilePath>& hostilePaths()
{
    static const std::vector<HostilePath> paths = {
        {"a folder", [](const fs::path& s) { return s; }},
        {"a FIFO",
         [](const fs::path& s) {
             const fs::path fifo = s / "pipe.baf";
             EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
             return fifo;
         }},
        {"/dev/zero", [](const fs::path&) { return fs::path("/dev/zero"); }},
        {"/proc/self/mem", [](const fs::path&) { return fs::path("/proc/self/mem"); }},
        {"a 20 GB sparse file",
         [](const fs::path& s) {
             const fs::path big = s / "big.baf";
             const int fd = ::open(big.c_str(), O_WRONLY | O_CREAT, 0600);
             EXPECT_GE(fd, 0);
             // The signature first, so that only the size can refuse it.
             const unsigned char head[] = {3, 0, 'D', 'a', 't'};
             EXPECT_EQ(::write(fd, head, sizeof head), static_cast<ssize_t>(sizeof head));
             EXPECT_EQ(::ftruncate(fd, 20ll << 30), 0);
             ::close(fd);
             return big;
         }},
    };
    return paths;
}

TEST(HostileFiles, WholeFileReadersRefuseWhatIsNoRegularFileOrTooLarge)
{
    // Each reader: whether it refused, and the message it gave.
    struct Reader {
        const char* name;
        std::function<std::pair<bool, std::string>(const fs::path&)> read;
    };
    const Reader readers[] = {
        {"project",
         [](const fs::path& p) {
             const ProjectReadResult r = readProjectFile(p);
             return std::make_pair(!r.ok(), r.message);
         }},
        {"language file",
         [](const fs::path& p) {
             const LanguageLoad l = LanguageTable::read(p);
             return std::make_pair(!l.table.has_value(), l.error);
         }},
    };
    for (const HostilePath& hostile : hostilePaths()) {
        for (const Reader& reader : readers) {
            test::ScratchFolder scratch;
            const fs::path path = hostile.make(scratch.path());
            const auto [refused, message] = reader.read(path);
            EXPECT_TRUE(refused) << reader.name << " took " << hostile.what;
            EXPECT_NE(message.find(path.string()), std::string::npos)
                << reader.name << ", " << hostile.what << ": " << message;
        }
    }
}

TEST(HostileFiles, InitialisationFileThatIsNoFileIsReportedNotWaitedOn)
{
    test::ScratchFolder scratch;
    for (const HostilePath& hostile : hostilePaths()) {
        const fs::path path = hostile.make(scratch.path());
        const IniLoad load = readIniFile(path);
        // Only the records in use are read, so a large file is no problem; the rest are.
        if (std::string(hostile.what) == "a 20 GB sparse file")
            EXPECT_TRUE(load.error.empty()) << load.error;
        else
            EXPECT_NE(load.error.find(path.string()), std::string::npos)
                << hostile.what << ": " << load.error;
        std::error_code ec;
        fs::remove(scratch.path() / "pipe.baf", ec);
    }
}

TEST(HostileFiles, FileThatIsNoProjectIsSaidToBeNoProject)
{
    const std::pair<const char*, std::string> files[] = {
        {"a text", "# Read me\n\nThis is not a project.\n"},
        {"a PNG", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20)},
        {"random bytes", std::string("\xff\xfe\x01\x80\x7f", 5)},
        {"a negative length", std::string("\x00\x80"
                                          "Dat",
                                          5)},
        {"two bytes", std::string("\x03\x00", 2)},
        {"the wrong signature", std::string("\x03\x00"
                                            "Zap",
                                            5)},
    };
    test::ScratchFolder scratch;
    for (const auto& [what, content] : files) {
        const std::vector<uint8_t> bytes(content.begin(), content.end());
        const ProjectReadResult fromBytes = readProjectBytes(bytes, "x.baf");
        EXPECT_EQ(fromBytes.error, ProjectReadError::NotAProject)
            << what << ": " << fromBytes.message;
        EXPECT_NE(fromBytes.message.find("not a project file"), std::string::npos) << what;
        test::writeBytes(scratch / "x.baf", content);
        const ProjectReadResult fromFile = readProjectFile(scratch / "x.baf");
        EXPECT_EQ(fromFile.error, ProjectReadError::NotAProject)
            << what << ": " << fromFile.message;
    }
}

TEST(HostileFiles, SavingRefusesATargetThatIsNoRegularFile)
{
    test::ScratchFolder scratch;
    const fs::path fifo = scratch / "fifo.baf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path dangling = scratch / "dangling.baf";
    fs::create_symlink(scratch / "nowhere" / "x.baf", dangling);
    const fs::path socketPath = scratch / "socket.baf";
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const fs::path folder = scratch / "folder.baf";
    fs::create_directories(folder);

    const std::pair<fs::path, fs::file_type> targets[] = {
        {fifo, fs::file_type::fifo},
        {dangling, fs::file_type::symlink},
        {socketPath, fs::file_type::socket},
        {folder, fs::file_type::directory},
    };
    for (const auto& [target, type] : targets) {
        ProjectDocument doc;
        const ProjectWriteResult written = saveProjectFile(doc, target);
        EXPECT_FALSE(written.ok) << target;
        EXPECT_NE(written.message.find(target.string()), std::string::npos) << written.message;
        EXPECT_EQ(fs::symlink_status(target).type(), type) << target << " was replaced";
    }
    EXPECT_FALSE(fs::exists(scratch / "nowhere")) << "the link's target was made";
    ::close(sock);
}

TEST(HostileFiles, SavingThroughALinkReplacesTheFileItNamesKeepingModeAndOwner)
{
    test::ScratchFolder scratch;
    const fs::path real = scratch / "real.baf";
    test::writeBytes(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    // A file of another user, where this process may give it back (it runs as root in CI).
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(real.c_str(), 65534, 65534), 0);
    }
    const fs::path link = scratch / "link.baf";
    fs::create_symlink(real, link);

    ProjectDocument doc;
    ASSERT_TRUE(saveProjectFile(doc, link).ok);
    EXPECT_TRUE(fs::is_symlink(link)) << "the link itself was replaced";
    EXPECT_TRUE(readProjectFile(real).ok());
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }
}

TEST(HostileFiles, NumbersThatAreNoNumbersAreReadAsUsableValuesWithAWarning)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    ProjectDocument doc;
    doc.squares[doc.squares.append()].width = nan;
    doc.lines[doc.lines.append()].x1 = -inf;
    Picture& picture = doc.pictures[doc.pictures.append()];
    picture.height = nan;
    picture.width = nan;
    picture.top = inf;
    picture.left = nan;
    doc.fields[doc.fields.append()].left = nan;
    doc.notes[doc.notes.append()].height = inf;
    doc.combos[doc.combos.append()].width = nan;
    doc.titles[doc.titles.append()].fontSize = nan;
    doc.checkboxes[doc.checkboxes.append()].top = nan;
    doc.buttons[doc.buttons.append()].height = nan;
    doc.scripts[doc.scripts.append()].left = nan;
    doc.settings.pageSizeCode = kPageSizeCustom;
    doc.settings.surfaceWidth = inf;
    ReportSlot slot{"Sheet", {}, false};
    slot.report.paperWidth = nan;
    slot.report.labels.resize(1);
    slot.report.labels[0].width = nan;
    doc.reportSlots.push_back(slot);

    const ProjectReadResult read = readProjectBytes(encode(doc), "nan.baf");
    ASSERT_TRUE(read.ok()) << read.message;
    const ProjectDocument& d = read.document;
    struct Case {
        const char* value;
        float got;
        float expected;
        const char* warningNames;
    };
    const Case cases[] = {
        {"square width", d.squares[0].width, 75, "Square 0"},
        {"line X1", d.lines[0].x1, 0, "Line 0"},
        {"picture height", d.pictures[0].height, 75, "Picture 0"},
        {"picture width", d.pictures[0].width, 75, "Picture 0"},
        {"picture top", d.pictures[0].top, 0, "Picture 0"},
        {"picture left", d.pictures[0].left, 0, "Picture 0"},
        {"field left", d.fields[1].left, 0, "Field 1"},
        {"notes height", d.notes[1].height, 330, "Notes 1"},
        {"combo width", d.combos[1].width, 210, "Combo 1"},
        {"title font size", d.titles[1].fontSize, 9, "Title 1"},
        {"checkbox top", d.checkboxes[0].top, 0, "Checkbox 0"},
        {"button height", d.buttons[0].height, 75, "Button 0"},
        {"script left", d.scripts[1].left, 0, "Script 1"},
        {"surface width", d.settings.surfaceWidth, 0, "application settings"},
        {"report paper", d.reportSlots[1].report.paperWidth, 11906, "Report 1 (Sheet)"},
        {"report label", d.reportSlots[1].report.labels[0].width, 75, "label 1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.got, c.expected) << c.value;
        bool named = false;
        for (const std::string& warning : read.warnings)
            named = named || warning.find(c.warningNames) != std::string::npos;
        EXPECT_TRUE(named) << c.value << ": no warning names " << c.warningNames;
    }
    // What is saved again holds only numbers.
    const ProjectReadResult again = readProjectBytes(encode(d), "again.baf");
    ASSERT_TRUE(again.ok());
    EXPECT_TRUE(again.warnings.empty()) << again.warnings.front();
}

TEST(HostileFiles, PictureOf2GBOrMoreIsNeitherEmbeddedNorGivenALengthThatCannotBeRead)
{
    test::ScratchFolder scratch;
    const fs::path huge = scratch / "huge.png";
    {
        const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, 2ll << 30), 0);
        ::close(fd);
    }
    ProjectDocument doc;
    doc.pictures[doc.pictures.append()].sourcePath = huge.string();
    const fs::path saved = scratch / "saved.baf";
    const ProjectWriteResult written = saveProjectFile(doc, saved);
    ASSERT_TRUE(written.ok) << written.message;
    ASSERT_EQ(written.warnings.size(), 1u);
    EXPECT_NE(written.warnings[0].find("Correct Picture File " + huge.string()), std::string::npos)
        << written.warnings[0];
    const ProjectReadResult read = readProjectFile(saved);
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_FALSE(read.document.pictures[0].imageBytes);

    // A length that does not fit its 32-bit word is never written, whatever the caller.
    RecordWriter writer;
    const uint8_t byte = 0;
    EXPECT_FALSE(writer.putBlob(&byte, size_t{1} << 31));
    EXPECT_EQ(writer.filePos(), 1);
}

TEST(HostileFiles, PictureNameWithoutBytesIsNoImage)
{
    // A picture record holding a name and an empty block: the name alone must lead nowhere.
    ProjectDocument doc;
    Picture& p = doc.pictures[doc.pictures.append()];
    p.storedFileName = "secret.txt";
    p.imageBytes = std::make_shared<const std::vector<uint8_t>>(1, 'X');
    std::vector<uint8_t> bytes = encode(doc);
    const std::string marker = "secret.txt";
    auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
    ASSERT_NE(at, bytes.end());
    at += static_cast<long>(marker.size());
    ASSERT_EQ(at[0], 1); // the block length, then the one byte
    at[0] = 0;
    bytes.erase(at + 4);

    test::ScratchFolder work;
    ProjectReadOptions options;
    options.pictureWorkFolder = work.path();
    const ProjectReadResult read = readProjectBytes(bytes, "empty.baf", options);
    ASSERT_TRUE(read.ok()) << read.message;
    const Picture& loaded = read.document.pictures[0];
    EXPECT_TRUE(loaded.sourcePath.empty()) << loaded.sourcePath;
    EXPECT_TRUE(!loaded.imageBytes || loaded.imageBytes->empty());
    EXPECT_TRUE(fs::is_empty(work.path()));
}

} // namespace
} // namespace qv
