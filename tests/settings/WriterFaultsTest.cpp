// The three files the program writes (a parameter file, the settings file,
// the last-image file) on a full disk, in a read-only folder and over a file
// that cannot be replaced: each writer reports why, the old file stays whole
// byte for byte and no temporary file is left beside it.

#include "core/Defaults.h"
#include "core/ParameterFile.h"
#include "settings/IniFile.h"
#include "settings/LastImageFile.h"

#include "FileTestHelpers.h"
#include "ScratchMount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace torvana {
namespace {

using test::Listing;
using test::ReadText;
using test::ScratchMount;
using test::WriteText;

// Longer than one page of the file system, so that a nearly full disk takes
// the first part of the new file and refuses the rest.
constexpr std::size_t LongValueSize = 3 * 4096;
constexpr std::size_t OnePage = 4096;

struct Writer {
    const char* name;
    const char* fileName;
    std::function<std::string(const std::string& path)> write;  // the reason, empty on success
};

ParameterImage FactorySet()
{
    ParameterImage image{};
    FillDefaultParameters(image);
    return image;
}

std::vector<Writer> Writers()
{
    return {
        {"parameter file", "set.ign",
         [](const std::string& path) { return SaveParameterFile(path, FactorySet(), {}); }},
        {"settings file", "Torvana_R.ini",
         [](const std::string& path) {
             IniFile ini(path);
             std::string reason;
             ini.WriteString("FORM_HLAV", "File", std::string(LongValueSize, 'f'), &reason);
             return reason;
         }},
        {"last-image file", "_Torvana_R.ini",
         [](const std::string& path) {
             std::string reason;
             WriteLastImageFile(path, FactorySet(), PageAllFlags{}, &reason);
             return reason;
         }},
    };
}

// What every writer's file held before: an INI text the settings writer can
// read, and text enough to show any byte that changes.
const std::string OldContents = "[FORM_HLAV]\r\nLeft=12\r\nTop=34\r\n; the old file\r\n";

void ExpectKept(const std::string& reason, const char* systemText, const std::string& path,
                const std::filesystem::path& folder, std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    EXPECT_NE(reason.find(systemText), std::string::npos) << "reason: " << reason;
    EXPECT_EQ(ReadText(path), OldContents);
    EXPECT_EQ(Listing(folder), names) << "a temporary file is left behind";
}

// Each fault made for real on a small file system of the test's own.
TEST(WriterFaults, MountedFaultsKeepTheOldFile)
{
    struct Fault {
        const char* name;
        std::function<bool(ScratchMount&, const std::string& path)> make;
        const char* systemText;
        bool fillerStays;
    };
    const Fault faults[] = {
        {"full file system", [](ScratchMount& m, const std::string&) { return m.Fill(); },
         "No space left on device", true},
        {"disk filling up halfway", [](ScratchMount& m, const std::string&) { return m.Fill(OnePage); },
         "No space left on device", true},
        // A read-only file system refuses root too.
        {"read-only file system", [](ScratchMount& m, const std::string&) { return m.MakeReadOnly(); },
         "Read-only file system", false},
        {"file that cannot be replaced", [](ScratchMount& m, const std::string& path) { return m.Pin(path); },
         "Device or resource busy", false},
    };
    for (const Fault& fault : faults) {
        for (const Writer& writer : Writers()) {
            SCOPED_TRACE(std::string(fault.name) + ", " + writer.name);
            ScratchMount mount;
            if (!mount.Mounted())
                GTEST_SKIP() << "no scratch file system: " << mount.WhyNot();
            const std::string path = mount.File(writer.fileName);
            WriteText(path, OldContents);
            ASSERT_TRUE(fault.make(mount, path)) << mount.WhyNot();
            std::vector<std::string> names{writer.fileName};
            if (fault.fillerStays)
                names.push_back(ScratchMount::FillerName);
            ExpectKept(writer.write(path), fault.systemText, path, mount.Path(), names);
        }
    }
}

// The same faults without mounting, for machines and users that may not.

TEST(WriterFaults, FileSizeCapStopsTheWriteAndKeepsTheOldFile)
{
    for (const Writer& writer : Writers()) {
        SCOPED_TRACE(writer.name);
        test::TempDir dir;
        const std::string path = dir.File(writer.fileName);
        WriteText(path, OldContents);
        std::string reason;
        {
            test::FileSizeLimit limit(OnePage);
            reason = writer.write(path);
        }
        ExpectKept(reason, "File too large", path, dir.Path(), {writer.fileName});
    }
}

TEST(WriterFaults, ReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions; the read-only file system test covers root";
    for (const Writer& writer : Writers()) {
        SCOPED_TRACE(writer.name);
        test::TempDir dir;
        const std::string path = dir.File(writer.fileName);
        WriteText(path, OldContents);
        std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
        ExpectKept(writer.write(path), "Permission denied", path, dir.Path(), {writer.fileName});
    }
}

TEST(WriterFaults, FolderInTheFilesPlaceIsKept)
{
    for (const Writer& writer : Writers()) {
        SCOPED_TRACE(writer.name);
        test::TempDir dir;
        const std::string path = dir.File(writer.fileName);
        std::filesystem::create_directory(path);
        WriteText(path + "/inside", OldContents);
        const std::string reason = writer.write(path);
        EXPECT_FALSE(reason.empty());
        EXPECT_EQ(ReadText(path + "/inside"), OldContents);
        EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{writer.fileName});
    }
}

}  // namespace
}  // namespace torvana
