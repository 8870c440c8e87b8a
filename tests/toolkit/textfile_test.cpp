// Text file services against real files: the bytes on disk (CR LF) and the
// counts as text mode sees them (LF).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"
#include "toolkit.h"

namespace {

class TextFiles : public ::testing::Test {
protected:
    void SetUp() override { folder_ = MakeTempFolder("textfile"); }
    void TearDown() override { RemoveTree(folder_); }
    std::string Path(const char *name) const { return folder_ + "\\" + name; }
    std::string folder_;
};

// A path that opens but whose reading fails: a named pipe whose writer sends
// its text, waits until it has been read, then disconnects (a read error,
// where a closed pipe would only be the end). Serves one opening.
struct FailingReadPath {
    std::string path;
    std::string text;
    HANDLE pipe;
    HANDLE thread;
    explicit FailingReadPath(const char *what) : text(what) {
        static int serial = 0;
        char name[96];
        wsprintfA(name, "\\\\.\\pipe\\kt-textfile-%lu-%d", GetCurrentProcessId(), ++serial);
        path = name;
        pipe = CreateNamedPipeA(name, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096,
                                0, NULL);
        thread = CreateThread(NULL, 0, Serve, this, 0, NULL);
    }
    static DWORD WINAPI Serve(void *self) {
        FailingReadPath *f = static_cast<FailingReadPath *>(self);
        if (ConnectNamedPipe(f->pipe, NULL) || GetLastError() == ERROR_PIPE_CONNECTED) {
            DWORD written;
            WriteFile(f->pipe, f->text.data(), (DWORD)f->text.size(), &written, NULL);
            FlushFileBuffers(f->pipe);
            DisconnectNamedPipe(f->pipe);
        }
        return 0;
    }
    ~FailingReadPath() {
        // Nobody opened it (a failed test): stop waiting for a reader.
        if (WaitForSingleObject(thread, 5000) != WAIT_OBJECT_0) TerminateThread(thread, 1);
        CloseHandle(thread);
        CloseHandle(pipe);
    }
};

// Whether the platform refuses writing to a file with the read-only
// attribute: Wine maps it to Unix permissions, which root passes through.
bool ReadOnlyIsEnforced(const std::string &path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE) return true;
    CloseHandle(h);
    return false;
}

// ---- Writing and appending ---------------------------------------------

TEST_F(TextFiles, WriteStoresLineFeedsAsCrLfAndClearEmpties) {
    std::string path = Path("w.txt");
    EXPECT_EQ(kt_FileWriteText(path.c_str(), "one\ntwo\n"), 0);
    EXPECT_EQ(ReadBytes(path), "one\r\ntwo\r\n");
    EXPECT_EQ(kt_FileWriteText(path.c_str(), "new"), 0);
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(kt_FileClear(path.c_str()), 0);
    EXPECT_EQ(ReadBytes(path), "");
    std::string fresh = Path("fresh.txt");
    EXPECT_EQ(kt_FileClear(fresh.c_str()), 0);
    EXPECT_EQ(ReadBytes(fresh), "");
}

TEST_F(TextFiles, FirstAppendIntoEmptyFileGetsNoSeparator) {
    std::string path = Path("a.txt");
    WriteBytes(path, "");
    EXPECT_EQ(kt_FileAppendText(path.c_str(), "abc", 2), 0);
    EXPECT_EQ(kt_FileAppendText(path.c_str(), "def", 2), 0);
    EXPECT_EQ(ReadBytes(path), "abcdef\r\n");
    EXPECT_EQ(kt_FileAppendText(path.c_str(), "ghi", 1), 0);
    EXPECT_EQ(ReadBytes(path), "abcdef\r\nghi ");
}

TEST_F(TextFiles, AppendToMissingFileCreatesNothing) {
    std::string path = Path("missing.txt");
    EXPECT_EQ(kt_FileAppendText(path.c_str(), "abc", 2), 2);
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(kt_FileAppendText(path.c_str(), "", 2), 0);  // empty text: nothing to do
    EXPECT_FALSE(FileExists(path));
}

struct SeparatorCase {
    int code;
    const char *onDisk;
};

class AppendSeparators : public TextFiles, public ::testing::WithParamInterface<SeparatorCase> {};

TEST_P(AppendSeparators, FollowTheText) {
    std::string path = Path("s.txt");
    WriteBytes(path, "xy");
    EXPECT_EQ(kt_FileAppendText(path.c_str(), "T", GetParam().code), 0);
    EXPECT_EQ(ReadBytes(path), std::string("xyT") + GetParam().onDisk);
}

INSTANTIATE_TEST_SUITE_P(Codes, AppendSeparators,
                         ::testing::Values(SeparatorCase{0, ""}, SeparatorCase{1, " "},
                                           SeparatorCase{2, "\r\n"}, SeparatorCase{11, "\t"},
                                           SeparatorCase{12, "\t\t"}, SeparatorCase{13, "\t\t\t"},
                                           SeparatorCase{14, "\t\t\t\t"},
                                           SeparatorCase{15, "\t\t\t\t\t"},
                                           SeparatorCase{16, "\t\t\t\t\t\t"}, SeparatorCase{3, ""},
                                           SeparatorCase{10, ""}, SeparatorCase{17, ""},
                                           SeparatorCase{-1, ""}),
                         [](const ::testing::TestParamInfo<SeparatorCase> &info) {
                             int code = info.param.code;
                             return (code < 0 ? "Minus" : "Code") + std::to_string(code < 0 ? -code : code);
                         });

struct StartCase {
    const char *name;
    std::string before, after;  // bytes on disk around appending "new" with a line feed
};

class AppendStarts : public TextFiles, public ::testing::WithParamInterface<StartCase> {};

TEST_P(AppendStarts, KeepWhatTheFileHolds) {
    std::string path = Path("start.txt");
    WriteBytes(path, GetParam().before);
    EXPECT_EQ(kt_FileAppendText(path.c_str(), "new", 2), 0);
    EXPECT_EQ(ReadBytes(path), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AppendStarts,
    ::testing::Values(
        // Shorter than two characters in all: taken as not started, rewritten.
        StartCase{"OneCharacter", "x", "new"}, StartCase{"OneLineFeed", "\r\n", "new"},
        // A short or empty first line with more after it is appended to.
        StartCase{"EmptyFirstLine", "\r\nkeep\r\n", "\r\nkeep\r\nnew\r\n"},
        StartCase{"OneCharFirstLine", "a\r\nb\r\n", "a\r\nb\r\nnew\r\n"},
        StartCase{"NulInFirstLine", std::string("\0abc\r\n", 6), std::string("\0abc\r\nnew\r\n", 11)},
        StartCase{"LongFirstLine", "abcdefghijklmnop", "abcdefghijklmnopnew\r\n"}),
    [](const ::testing::TestParamInfo<StartCase> &info) { return std::string(info.param.name); });

TEST_F(TextFiles, UnwritableTargetsReturnTwoAndLoseNothing) {
    std::string inUse = Path("inuse.txt");  // open elsewhere, writing not shared
    WriteBytes(inUse, "keep\r\n");
    HANDLE holder = CreateFileA(inUse.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0,
                                NULL);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    std::string noFolder = Path("no\\such\\f.txt");
    std::string folder = Path("sub");
    CreateDirectoryA(folder.c_str(), NULL);
    for (const std::string &path : {inUse, noFolder, folder}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(kt_FileWriteText(path.c_str(), "x"), 2);
        EXPECT_EQ(kt_FileClear(path.c_str()), 2);
        EXPECT_EQ(kt_FileAppendText(path.c_str(), "x", 2), 2);
    }
    CloseHandle(holder);
    EXPECT_EQ(ReadBytes(inUse), "keep\r\n");
    EXPECT_FALSE(FileExists(Path("no")));
}

TEST_F(TextFiles, ReadOnlyFileIsNotWritten) {
    std::string path = Path("ro.txt");
    WriteBytes(path, "keep\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    if (!ReadOnlyIsEnforced(path)) GTEST_SKIP() << "read-only attribute not enforced (running as root)";
    EXPECT_EQ(kt_FileWriteText(path.c_str(), "x"), 2);
    EXPECT_EQ(kt_FileClear(path.c_str()), 2);
    EXPECT_EQ(kt_FileAppendText(path.c_str(), "x", 2), 2);
    EXPECT_EQ(ReadBytes(path), "keep\r\n");
}

TEST_F(TextFiles, AppendWhoseFirstReadFailsReturnsThree) {
    FailingReadPath failing("");
    EXPECT_EQ(kt_FileAppendText(failing.path.c_str(), "x", 2), 3);
}

// ---- Counting ----------------------------------------------------------

struct CountCase {
    const char *name;
    std::string bytes;
    int lines, lastIndex, chars;
};

class Counts : public TextFiles, public ::testing::WithParamInterface<CountCase> {};

TEST_P(Counts, LinesAndCharactersAsTextModeReads) {
    const CountCase &c = GetParam();
    std::string path = Path("count.txt");
    WriteBytes(path, c.bytes);
    EXPECT_EQ(kt_FileCountLines(path.c_str()), c.lines);
    EXPECT_EQ(kt_FileLastLineIndex(path.c_str()), c.lastIndex);
    EXPECT_EQ(kt_FileCountChars(path.c_str()), c.chars);
    EXPECT_EQ(kt_FileCountCharsAndLines(path.c_str()), c.chars + c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Counts,
    ::testing::Values(
        CountCase{"Empty", "", 0, 0, 0}, CountCase{"OneLine", "one\r\n", 1, 0, 4},
        CountCase{"TwoLines", "ab\r\nc\r\n", 2, 1, 5},
        CountCase{"UnterminatedLast", "ab\r\nc", 2, 1, 4},
        CountCase{"ThreeLines", "a\r\nb\r\nc\r\n", 3, 2, 6},
        CountCase{"EmptyLines", "\r\n\r\n", 2, 1, 2},
        CountCase{"NulByteCounts", std::string("a\0b\r\nc\r\n", 8), 2, 1, 6},
        // fgets with 2000 bytes: pieces of at most 1999 characters.
        CountCase{"Line1999", std::string(1999, 'x') + "\r\n", 2, 1, 2000},
        CountCase{"Line1998", std::string(1998, 'x') + "\r\n", 1, 0, 1999},
        CountCase{"Line4500", std::string(4500, 'x') + "\r\n", 3, 2, 4501}),
    [](const ::testing::TestParamInfo<CountCase> &info) { return std::string(info.param.name); });

TEST_F(TextFiles, CharsAndLinesIsTheSizeOnDiskOfCrLfLines) {
    std::string path = Path("size.txt");
    ASSERT_EQ(kt_FileWriteText(path.c_str(), "first\n\nthird line\nå ä ö\n"), 0);
    EXPECT_EQ(kt_FileCountCharsAndLines(path.c_str()), (int)ReadBytes(path).size());
}

TEST_F(TextFiles, CountingWhatCannotBeOpenedGivesMinusTwo) {
    std::string folder = Path("sub");
    CreateDirectoryA(folder.c_str(), NULL);
    for (const std::string &path : {Path("missing.txt"), Path("no\\such\\f.txt"), folder}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(kt_FileCountLines(path.c_str()), -2);
        EXPECT_EQ(kt_FileLastLineIndex(path.c_str()), -2);
        EXPECT_EQ(kt_FileCountChars(path.c_str()), -2);
        EXPECT_EQ(kt_FileCountCharsAndLines(path.c_str()), -2);
    }
}

TEST_F(TextFiles, ReadErrorGivesMinusThreeExceptForCountChars) {
    {
        FailingReadPath failing("one\r\ntwo\r\n");
        EXPECT_EQ(kt_FileCountLines(failing.path.c_str()), -3);
    }
    {
        FailingReadPath failing("one\r\ntwo\r\n");
        EXPECT_EQ(kt_FileLastLineIndex(failing.path.c_str()), -3);
    }
    {
        FailingReadPath failing("one\r\ntwo\r\n");
        EXPECT_EQ(kt_FileCountCharsAndLines(failing.path.c_str()), -3);
    }
    {
        FailingReadPath failing("one\r\ntwo\r\n");
        EXPECT_EQ(kt_FileCountChars(failing.path.c_str()), 8);  // what it read; no error check
    }
}

TEST_F(TextFiles, TenMegabyteFiles) {
    std::string lines = Path("lines.txt");
    std::string line = std::string(103, 'a') + "\r\n";
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += line;
    WriteBytes(lines, bytes);
    EXPECT_EQ(kt_FileCountLines(lines.c_str()), 100000);
    EXPECT_EQ(kt_FileCountChars(lines.c_str()), 104 * 100000);
    EXPECT_EQ(kt_FileCountCharsAndLines(lines.c_str()), (int)bytes.size());

    std::string oneLine = Path("oneline.txt");
    const int size = 10 * 1024 * 1024;
    WriteBytes(oneLine, std::string(size, 'b'));
    EXPECT_EQ(kt_FileCountLines(oneLine.c_str()), (size + 1998) / 1999);
    EXPECT_EQ(kt_FileCountChars(oneLine.c_str()), size);
}

// ---- Reading the head --------------------------------------------------

TEST_F(TextFiles, HeadAppendsTheFirstTenLines) {
    std::string path = Path("head.txt");
    std::string bytes, expected = "kept:";
    for (int i = 1; i <= 12; ++i) {
        char line[16];
        wsprintfA(line, "line%02d", i);
        bytes += std::string(line) + "\r\n";
        if (i <= 10) expected += std::string(line) + "\n";
    }
    WriteBytes(path, bytes);
    char destination[256] = "kept:";
    EXPECT_EQ(kt_FileReadHead(path.c_str(), destination), 0);
    EXPECT_EQ(std::string(destination), expected);
}

TEST_F(TextFiles, HeadOfShortEmptyAndMissingFiles) {
    std::string shortFile = Path("short.txt"), empty = Path("empty.txt");
    WriteBytes(shortFile, std::string("a\0b\r\nc", 6));
    WriteBytes(empty, "");
    char destination[64] = "x";
    EXPECT_EQ(kt_FileReadHead(shortFile.c_str(), destination), 0);
    EXPECT_STREQ(destination, "xab\nc");  // a NUL byte appends nothing
    EXPECT_EQ(kt_FileReadHead(empty.c_str(), destination), 0);
    EXPECT_STREQ(destination, "xab\nc");
    EXPECT_EQ(kt_FileReadHead(Path("missing.txt").c_str(), destination), 2);
    EXPECT_EQ(kt_FileReadHead(folder_.c_str(), destination), 2);
    EXPECT_STREQ(destination, "xab\nc");
}

TEST_F(TextFiles, HeadThatCannotBeReadLeavesTheDestination) {
    FailingReadPath failing("one\r\n");
    char destination[64] = "before";
    EXPECT_EQ(kt_FileReadHead(failing.path.c_str(), destination), 3);
    EXPECT_STREQ(destination, "before");
}

// The documented room is enough for the longest head, and nothing is
// written past it.
class HeadRoom : public TextFiles, public ::testing::WithParamInterface<int> {};

TEST_P(HeadRoom, LongLinesStayWithinTheDocumentedRoom) {
    const int lineLength = GetParam();
    std::string path = Path("long.txt");
    std::string text;
    for (int i = 0; i < 12; ++i) text += std::string(lineLength, (char)('a' + i)) + "\n";
    ASSERT_EQ(kt_FileWriteText(path.c_str(), text.c_str()), 0);
    int pieces = 0;
    size_t expectedLength = 0;
    for (size_t at = 0; pieces < 10 && at < text.size(); ++pieces) {
        size_t end = text.find('\n', at);
        size_t piece = end - at + 1 > 1999 ? 1999 : end - at + 1;
        expectedLength += piece;
        at += piece;
    }
    const char guard = '#';
    std::vector<char> buffer(3 + KT_FILE_HEAD_MAX + 1 + 64, guard);
    memcpy(buffer.data(), "hd:", 4);
    EXPECT_EQ(kt_FileReadHead(path.c_str(), buffer.data()), 0);
    std::string head(buffer.data());
    EXPECT_EQ(head.size(), 3 + expectedLength);
    EXPECT_LE(head.size(), 3u + KT_FILE_HEAD_MAX);
    EXPECT_EQ(head, "hd:" + text.substr(0, expectedLength));
    for (size_t i = 3 + KT_FILE_HEAD_MAX + 1; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], guard);
}

INSTANTIATE_TEST_SUITE_P(LineLengths, HeadRoom, ::testing::Values(5000, 1998, 1999, 30000));

// ---- Copying, removing, directories -----------------------------------

struct CopyCase {
    const char *keyword;
    bool destinationExists;
    int result;
    bool copied;
};

class Copies : public TextFiles, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(Copies, FollowTheKeyword) {
    const CopyCase &c = GetParam();
    std::string source = Path("src.txt"), destination = Path("dst.txt");
    WriteBytes(source, "source\r\n");
    if (c.destinationExists) WriteBytes(destination, "old\r\n");
    EXPECT_EQ(kt_FileCopy(NULL, destination.c_str(), source.c_str(), c.keyword), c.result);
    std::string left = c.destinationExists ? "old\r\n" : "<missing>";
    EXPECT_EQ(ReadBytes(destination), c.copied ? "source\r\n" : left);
    EXPECT_EQ(ReadBytes(source), "source\r\n");
}

INSTANTIATE_TEST_SUITE_P(Keywords, Copies,
                         ::testing::Values(CopyCase{"SAVE_IF_EXIST", true, 0, true},
                                           CopyCase{"SAVE_IF_EXIST", false, 0, true},
                                           CopyCase{"NO_SAVE_IF_EXIST", true, 1, false},
                                           CopyCase{"NO_SAVE_IF_EXIST", false, 0, true},
                                           CopyCase{"save_if_exist", false, 1, false},
                                           CopyCase{"OVERWRITE", true, 1, false},
                                           CopyCase{"", false, 1, false},
                                           CopyCase{nullptr, false, 1, false}),
                         [](const ::testing::TestParamInfo<CopyCase> &info) {
                             std::string name = "Keyword";
                             for (const char *k = info.param.keyword; k && *k; ++k)
                                 if (isalnum((unsigned char)*k)) name += *k;
                             return name + (info.param.destinationExists ? "_Existing_" : "_New_") +
                                    std::to_string(info.index);
                         });

TEST_F(TextFiles, CopyOfMissingSourceFails) {
    std::string destination = Path("dst.txt");
    EXPECT_EQ(kt_FileCopy(NULL, destination.c_str(), Path("none.txt").c_str(), "SAVE_IF_EXIST"), 1);
    EXPECT_FALSE(FileExists(destination));
}

TEST_F(TextFiles, RemoveReportsWhetherTheFileWent) {
    std::string path = Path("gone.txt");
    WriteBytes(path, "x");
    EXPECT_EQ(kt_FileRemove(path.c_str()), 0);
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(kt_FileRemove(path.c_str()), 3);
    std::string folder = Path("sub");
    CreateDirectoryA(folder.c_str(), NULL);
    EXPECT_EQ(kt_FileRemove(folder.c_str()), 3);
    EXPECT_TRUE(FileExists(folder));
}

TEST_F(TextFiles, DirCreateMakesOneLevel) {
    std::string one = Path("one");
    EXPECT_EQ(kt_DirCreate(one.c_str()), 0);
    EXPECT_TRUE(GetFileAttributesA(one.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(kt_DirCreate(one.c_str()), 1);
    EXPECT_EQ(kt_DirCreate(Path("two\\three").c_str()), 1);
    EXPECT_FALSE(FileExists(Path("two")));
}

TEST_F(TextFiles, DirCreateTreeMakesEveryMissingLevel) {
    std::string tree = Path("a\\b\\c");
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, tree.c_str(), -1, wide, MAX_PATH);
    EXPECT_EQ(kt_DirCreateTree(NULL, wide), 0);
    EXPECT_TRUE(GetFileAttributesA(tree.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(kt_DirCreateTree(NULL, wide), ERROR_ALREADY_EXISTS);
}

}  // namespace
