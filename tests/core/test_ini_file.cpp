// The private-profile reader and writer on real files: lookup rules, in-place
// updates that keep everything else, atomic saves and refused inputs.
#include "FileBytes.h"
#include "TempDir.h"
#include "params/IniFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

IniFile LoadText(const TempDir& dir, const std::string& text) {
    const std::string path = dir.file("in.ini");
    WriteBytes(path, text);
    IniLoadResult r = IniFile::Load(path);
    EXPECT_TRUE(r.status.ok) << r.status.message;
    return r.file;
}

// Names in the folder other than the given ones (left-over temporary files).
std::vector<std::string> OtherEntries(const TempDir& dir, const std::vector<std::string>& expected) {
    std::vector<std::string> other;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        const std::string name = e.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end()) other.push_back(name);
    }
    return other;
}

// Sets the immutable attribute for its lifetime; even root cannot then
// replace the file or add to the folder. Not every filesystem or container
// allows it: ok() says whether it took.
class Immutable {
public:
    explicit Immutable(const std::string& path) : path_(path) { ok_ = Change(true); }
    ~Immutable() {
        if (ok_) Change(false);
    }
    bool ok() const { return ok_; }

private:
    bool Change(bool on) {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
    std::string path_;
    bool ok_ = false;
};

const std::string kSample =
    "; tuning notes\n"
    "[Owner]\n"
    "name = Jo Example\n"
    "\n"
    "[section2]\n"
    "  FixMode = 2  \n"
    "ServoType=\"3\"\n"
    "#ServoDirCH1=5\n"
    ";ServoDirCH2=5\n"
    "just some words\n"
    "AileronLimit=80\n"
    "AileronLimit=99\n"
    "\n"
    "[section2]\n"
    "ElevatorLimit=81\n";

}  // namespace

// ---- Reading ----------------------------------------------------------------

TEST(IniRead, SectionAndKeyNamesIgnoreCaseAndBlanks) {
    TempDir dir;
    const IniFile ini = LoadText(dir, kSample);
    EXPECT_EQ(ini.Get("SECTION2", "fixmode"), "2");
    EXPECT_EQ(ini.Get("Section2", "FIXMODE"), "2");
    EXPECT_EQ(ini.Get("owner", "NAME"), "Jo Example");
}

TEST(IniRead, MissingSectionOrKeyGivesTheDefault) {
    TempDir dir;
    const IniFile ini = LoadText(dir, kSample);
    EXPECT_EQ(ini.Get("section9", "FixMode", "dflt"), "dflt");
    EXPECT_EQ(ini.Get("section2", "Nothing", "dflt"), "dflt");
    EXPECT_EQ(ini.Get("section2", "Nothing"), "");
    // A key of another section is not found in this one.
    EXPECT_EQ(ini.Get("Owner", "FixMode", "dflt"), "dflt");
}

TEST(IniRead, CommentsAndJunkLinesAreNotKeys) {
    TempDir dir;
    const IniFile ini = LoadText(dir, kSample);
    EXPECT_EQ(ini.Get("section2", "#ServoDirCH1", "none"), "none");
    EXPECT_EQ(ini.Get("section2", "ServoDirCH1", "none"), "none");
    EXPECT_EQ(ini.Get("section2", ";ServoDirCH2", "none"), "none");
    EXPECT_EQ(ini.Get("section2", "just some words", "none"), "none");
}

TEST(IniRead, QuotesAroundAValueAreDropped) {
    TempDir dir;
    const IniFile ini = LoadText(dir, "[s]\na=\"3\"\nb='4'\nc=\"5'\nd=\"\n");
    EXPECT_EQ(ini.Get("s", "a"), "3");
    EXPECT_EQ(ini.Get("s", "b"), "4");
    EXPECT_EQ(ini.Get("s", "c"), "\"5'");
    EXPECT_EQ(ini.Get("s", "d"), "\"");
}

TEST(IniRead, FirstOfRepeatedKeysAndSectionsCounts) {
    TempDir dir;
    const IniFile ini = LoadText(dir, kSample);
    EXPECT_EQ(ini.Get("section2", "AileronLimit"), "80");
    EXPECT_EQ(ini.Get("section2", "ElevatorLimit", "none"), "none");
}

TEST(IniRead, ValueIsCutTo79Characters) {
    TempDir dir;
    const std::string longValue(120, 'v');
    const IniFile ini = LoadText(dir, "[s]\nk=" + longValue + "\nexact=" + std::string(79, 'w') + "\n");
    EXPECT_EQ(ini.Get("s", "k"), std::string(79, 'v'));
    EXPECT_EQ(ini.Get("s", "exact"), std::string(79, 'w'));
    EXPECT_EQ(ini.Get("s", "missing", longValue), std::string(79, 'v'));
}

TEST(IniRead, HeaderWithoutClosingBracketIsIgnored) {
    TempDir dir;
    const IniFile ini = LoadText(dir, "[a]\nk=1\n[b\nm=2\n");
    EXPECT_EQ(ini.Get("a", "m"), "2");
    EXPECT_EQ(ini.Get("b", "m", "none"), "none");
}

TEST(IniRead, CrLfAndByteOrderMarkAreNotPartOfNamesOrValues) {
    TempDir dir;
    const IniFile ini = LoadText(dir, "\xEF\xBB\xBF[s]\r\nk=12\r\nlast=7");
    EXPECT_EQ(ini.Get("s", "k"), "12");
    EXPECT_EQ(ini.Get("s", "last"), "7");
}

// ---- Refused files ------------------------------------------------------------

TEST(IniLoad, MissingFileIsAnErrorWithEnoent) {
    TempDir dir;
    const IniLoadResult r = IniFile::Load(dir.file("absent.ini"));
    EXPECT_FALSE(r.status.ok);
    EXPECT_EQ(r.status.error, ENOENT);
    EXPECT_NE(r.status.message.find("absent.ini"), std::string::npos);
}

TEST(IniLoad, FileAboveTheLimitIsRefused) {
    TempDir dir;
    std::string big = "[section1]\nPitchGain=5\n";
    while (big.size() <= 5 * 1024 * 1024) big += "; filler line of an oversized configuration file\n";
    WriteBytes(dir.file("big.ini"), big);
    const IniLoadResult r = IniFile::Load(dir.file("big.ini"));
    EXPECT_FALSE(r.status.ok);
    EXPECT_NE(r.status.message.find("larger than"), std::string::npos) << r.status.message;
}

TEST(IniLoad, FileJustAtTheLimitIsRead) {
    TempDir dir;
    std::string text = "[s]\nk=1\n";
    text += std::string(IniFile::kMaxFileSize - text.size(), '\n');
    WriteBytes(dir.file("edge.ini"), text);
    const IniLoadResult r = IniFile::Load(dir.file("edge.ini"));
    ASSERT_TRUE(r.status.ok) << r.status.message;
    EXPECT_EQ(r.file.Get("s", "k"), "1");
}

TEST(IniLoad, BinaryFileIsRefused) {
    TempDir dir;
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10[section1]\nPitchGain=5\n", 37);
    WriteBytes(dir.file("picture.ini"), png);
    const IniLoadResult r = IniFile::Load(dir.file("picture.ini"));
    EXPECT_FALSE(r.status.ok);
    EXPECT_NE(r.status.message.find("not a text file"), std::string::npos) << r.status.message;
}

TEST(IniLoad, FolderIsRefused) {
    TempDir dir;
    fs::create_directory(dir.file("sub.ini"));
    const IniLoadResult r = IniFile::Load(dir.file("sub.ini"));
    EXPECT_FALSE(r.status.ok);
    EXPECT_NE(r.status.message.find("folder"), std::string::npos) << r.status.message;
}

TEST(IniLoad, FifoIsRefusedWithoutWaitingForAWriter) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir.file("pipe.ini")).c_str(), 0600), 0);
    const IniLoadResult r = IniFile::Load(dir.file("pipe.ini"));
    EXPECT_FALSE(r.status.ok);
    EXPECT_FALSE(r.status.message.empty());
}

TEST(IniLoad, UnreadableFileIsAnError) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads files whatever their permission bits";
    TempDir dir;
    WriteBytes(dir.file("locked.ini"), "[s]\nk=1\n");
    ::chmod((dir.file("locked.ini")).c_str(), 0200);
    const IniLoadResult r = IniFile::Load(dir.file("locked.ini"));
    EXPECT_FALSE(r.status.ok);
    EXPECT_EQ(r.status.error, EACCES);
}

// ---- Updating -----------------------------------------------------------------

TEST(IniUpdate, ReplacedValueKeepsEveryOtherByte) {
    TempDir dir;
    IniFile ini = LoadText(dir, kSample);
    ASSERT_TRUE(ini.Set("SECTION2", "fixmode", "3"));
    ASSERT_TRUE(ini.Set("section2", "ServoType", "-1"));
    ASSERT_TRUE(ini.Set("section2", "AileronLimit", "120"));
    std::string expected = kSample;
    expected.replace(expected.find("FixMode = 2"), 11, "FixMode = 3");
    expected.replace(expected.find("ServoType=\"3\""), 13, "ServoType=-1");
    expected.replace(expected.find("AileronLimit=80"), 15, "AileronLimit=120");
    EXPECT_EQ(ini.Text(), expected);
    EXPECT_EQ(ini.Get("section2", "ServoType"), "-1");
}

TEST(IniUpdate, UnchangedValueLeavesTheTextAlone) {
    TempDir dir;
    IniFile ini = LoadText(dir, kSample);
    ASSERT_TRUE(ini.Set("section2", "FixMode", "2"));
    ASSERT_TRUE(ini.Set("Owner", "name", "Jo Example"));
    EXPECT_EQ(ini.Text(), kSample);
}

TEST(IniUpdate, EmptyValueIsFilledIn) {
    TempDir dir;
    IniFile ini = LoadText(dir, "[s]\nk=\nm =\n");
    ASSERT_TRUE(ini.Set("s", "k", "5"));
    ASSERT_TRUE(ini.Set("s", "m", "6"));
    EXPECT_EQ(ini.Text(), "[s]\nk=5\nm =6\n");
}

TEST(IniUpdate, NewKeyGoesAfterTheLastKeyOfItsSection) {
    TempDir dir;
    const std::string text =
        "[a]\n"
        "x=1\n"
        "junk\n"
        "y=2\n"
        "; about section b\n"
        "\n"
        "\n"
        "[b]\n"
        "z=3\n";
    IniFile ini = LoadText(dir, text);
    ASSERT_TRUE(ini.Set("A", "new1", "10"));
    ASSERT_TRUE(ini.Set("a", "new2", "11"));
    EXPECT_EQ(ini.Text(),
              "[a]\n"
              "x=1\n"
              "junk\n"
              "y=2\n"
              "new1=10\n"
              "new2=11\n"
              "; about section b\n"
              "\n"
              "\n"
              "[b]\n"
              "z=3\n");
}

TEST(IniUpdate, NewKeyInASectionWithoutKeysFollowsTheHeader) {
    TempDir dir;
    IniFile ini = LoadText(dir, "[a]\n\n[b]\nz=3\n");
    ASSERT_TRUE(ini.Set("a", "k", "1"));
    EXPECT_EQ(ini.Text(), "[a]\nk=1\n\n[b]\nz=3\n");
}

TEST(IniUpdate, NewSectionGoesAtTheEnd) {
    TempDir dir;
    IniFile ini = LoadText(dir, "[a]\nx=1\n\n");
    ASSERT_TRUE(ini.Set("b", "k", "1"));
    ASSERT_TRUE(ini.Set("c", "m", "2"));
    EXPECT_EQ(ini.Text(), "[a]\nx=1\n\n[b]\nk=1\n\n[c]\nm=2\n");
}

TEST(IniUpdate, LastLineWithoutNewlineGetsOneWhenLinesFollow) {
    TempDir dir;
    IniFile ini = LoadText(dir, "[a]\nx=1");
    ASSERT_TRUE(ini.Set("a", "y", "2"));
    EXPECT_EQ(ini.Text(), "[a]\nx=1\ny=2\n");

    IniFile unchanged = LoadText(dir, "[a]\nx=1");
    ASSERT_TRUE(unchanged.Set("a", "x", "5"));
    EXPECT_EQ(unchanged.Text(), "[a]\nx=5");
}

TEST(IniUpdate, CrLfFileKeepsCrLfAndMixedEndingsStay) {
    TempDir dir;
    IniFile ini = LoadText(dir, "[a]\r\nx=1\r\nw=0\ny=2\r\n");
    ASSERT_TRUE(ini.Set("a", "x", "7"));
    ASSERT_TRUE(ini.Set("a", "z", "3"));
    ASSERT_TRUE(ini.Set("b", "k", "4"));
    EXPECT_EQ(ini.Text(), "[a]\r\nx=7\r\nw=0\ny=2\r\nz=3\r\n\r\n[b]\r\nk=4\r\n");
}

TEST(IniUpdate, ByteOrderMarkIsKept) {
    TempDir dir;
    IniFile ini = LoadText(dir, "\xEF\xBB\xBF[a]\nx=1\n");
    ASSERT_TRUE(ini.Set("a", "x", "2"));
    EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[a]\nx=2\n");
}

TEST(IniUpdate, NamesThatCouldNotBeReadBackAreRefused) {
    IniFile ini;
    EXPECT_FALSE(ini.Set("", "k", "1"));
    EXPECT_FALSE(ini.Set("s", "", "1"));
    EXPECT_FALSE(ini.Set("s", "a=b", "1"));
    EXPECT_FALSE(ini.Set("s]", "k", "1"));
    EXPECT_FALSE(ini.Set("s", " k", "1"));
    EXPECT_FALSE(ini.Set("s", "k\n", "1"));
    EXPECT_FALSE(ini.Set("s", "k", "1\n[evil]"));
    EXPECT_EQ(ini.Text(), "");
    EXPECT_TRUE(ini.Set("s", "receiver type", "1"));
    EXPECT_EQ(ini.Get("s", "Receiver Type"), "1");
}

// ---- Saving -------------------------------------------------------------------

TEST(IniSave, NewFileIsCreatedWithLfLines) {
    TempDir dir;
    IniFile ini;
    ASSERT_TRUE(ini.Set("s", "k", "1"));
    const FileResult r = ini.Save(dir.file("new.ini"));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(ReadBytes(dir.file("new.ini")), "[s]\nk=1\n");
    EXPECT_TRUE(OtherEntries(dir, {"new.ini"}).empty());
}

TEST(IniSave, NewFileFollowsTheUmask) {
    TempDir dir;
    const mode_t old = ::umask(027);
    IniFile ini;
    ini.Set("s", "k", "1");
    const FileResult r = ini.Save(dir.file("new.ini"));
    ::umask(old);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(fs::status(dir.file("new.ini")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(IniSave, ReplacedFileKeepsItsPermissions) {
    TempDir dir;
    const std::string path = dir.file("keep.ini");
    WriteBytes(path, "[s]\nk=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    IniLoadResult loaded = IniFile::Load(path);
    ASSERT_TRUE(loaded.status.ok);
    loaded.file.Set("s", "k", "2");
    ASSERT_TRUE(loaded.file.Save(path).ok);
    EXPECT_EQ(ReadBytes(path), "[s]\nk=2\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
}

TEST(IniSave, ReplacedFileKeepsItsOwner) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can hand a file to another owner";
    TempDir dir;
    const std::string path = dir.file("theirs.ini");
    WriteBytes(path, "[s]\nk=1\n");
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    IniLoadResult loaded = IniFile::Load(path);
    ASSERT_TRUE(loaded.status.ok);
    loaded.file.Set("s", "k", "2");
    ASSERT_TRUE(loaded.file.Save(path).ok);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
}

TEST(IniSave, SymbolicLinkStaysALinkAndItsTargetChanges) {
    TempDir dir;
    WriteBytes(dir.file("real.ini"), "[s]\nk=1\n");
    fs::create_symlink(dir.file("real.ini"), dir.file("link.ini"));
    IniLoadResult loaded = IniFile::Load(dir.file("link.ini"));
    ASSERT_TRUE(loaded.status.ok);
    loaded.file.Set("s", "k", "2");
    ASSERT_TRUE(loaded.file.Save(dir.file("link.ini")).ok);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(ReadBytes(dir.file("real.ini")), "[s]\nk=2\n");
}

class IniSaveFailure : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(dir.file("old.ini"), kOld);
        IniLoadResult loaded = IniFile::Load(dir.file("old.ini"));
        ASSERT_TRUE(loaded.status.ok);
        changed = loaded.file;
        ASSERT_TRUE(changed.Set("s", "k", "2"));
        ASSERT_TRUE(changed.Set("t", "m", "3"));
    }
    void ExpectOldFileUntouched() {
        EXPECT_EQ(ReadBytes(dir.file("old.ini")), kOld);
        EXPECT_TRUE(OtherEntries(dir, {"old.ini"}).empty());
    }

    static inline const std::string kOld = "; keep me\r\n[s]\r\nk=1\r\n";
    TempDir dir;
    IniFile changed;
};

TEST_F(IniSaveFailure, MissingFolder) {
    const FileResult r = changed.Save(dir.file("no/such/folder/x.ini"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ENOENT);
    EXPECT_NE(r.message.find("no/such/folder"), std::string::npos) << r.message;
    ExpectOldFileUntouched();
}

TEST_F(IniSaveFailure, ParentIsAFile) {
    const FileResult r = changed.Save(dir.file("old.ini/x.ini"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ENOTDIR);
    ExpectOldFileUntouched();
}

TEST_F(IniSaveFailure, FolderInPlaceOfTheFile) {
    fs::create_directory(dir.file("taken.ini"));
    const FileResult r = changed.Save(dir.file("taken.ini"));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("folder"), std::string::npos) << r.message;
    EXPECT_TRUE(fs::is_directory(dir.file("taken.ini")));
    EXPECT_TRUE(OtherEntries(dir, {"old.ini", "taken.ini"}).empty());
}

TEST_F(IniSaveFailure, ReadOnlyFileInAWritableFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes files whatever their permission bits (see ImmutableFile)";
    ASSERT_EQ(::chmod((dir.file("old.ini")).c_str(), 0444), 0);
    const FileResult r = changed.Save(dir.file("old.ini"));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("read-only"), std::string::npos) << r.message;
    ExpectOldFileUntouched();
}

TEST_F(IniSaveFailure, ReadOnlyFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes folders whatever their permission bits (see ImmutableFolder)";
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    const FileResult r = changed.Save(dir.file("old.ini"));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, EACCES);
    ExpectOldFileUntouched();
}

TEST_F(IniSaveFailure, ImmutableFile) {
    Immutable guard(dir.file("old.ini"));
    if (!guard.ok()) GTEST_SKIP() << "this filesystem or container does not allow the immutable attribute";
    const FileResult r = changed.Save(dir.file("old.ini"));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("read-only"), std::string::npos) << r.message;
    ExpectOldFileUntouched();
}

TEST_F(IniSaveFailure, ImmutableFolder) {
    Immutable guard(dir.path());
    if (!guard.ok()) GTEST_SKIP() << "this filesystem or container does not allow the immutable attribute";
    const FileResult r = changed.Save(dir.file("old.ini"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.message.empty());
    ExpectOldFileUntouched();
}

TEST_F(IniSaveFailure, WriteFailsHalfway) {
    // A file size limit makes the write of the new text fail as a full disk would.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 8;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult r = changed.Save(dir.file("old.ini"));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, EFBIG);
    ExpectOldFileUntouched();
}
