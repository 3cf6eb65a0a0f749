#include "lists/line_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace zolvane::lists {
namespace {

using Lines = std::vector<std::string>;
using zolvane::testing::TempDir;
using zolvane::testing::WriteFileBytes;

Lines ReadAll(LineReader& reader) {
    Lines lines;
    std::string_view line;
    while (reader.Next(line)) lines.emplace_back(line);
    return lines;
}

struct LineEndCase {
    std::string bytes;
    Lines lines;
};

const LineEndCase kLineEndCases[] = {
    {"", {}},
    {"A", {"A"}},
    {"A\n", {"A"}},
    {"A\r", {"A"}},
    {"A\r\n", {"A"}},
    {"A\nB", {"A", "B"}},
    {"A\rB\r\nC\nD", {"A", "B", "C", "D"}},
    {"A\n\nB", {"A", "", "B"}},
    {"A\n\n", {"A", ""}},
    {"\n", {""}},
    {"\r\n\r\n", {"", ""}},
    {"\n\r", {"", ""}},
    {"\r\r\n", {"", ""}},
    {"AB\r\nCD\r\n", {"AB", "CD"}},
    {std::string("A\0B\nC\0", 6), {std::string("A\0B", 3), std::string("C\0", 2)}},
};

// Small buffers put every line end, CR LF pairs included, across a buffer
// boundary somewhere.
TEST(LineReader, LineEndsWithAnyBufferSize) {
    TempDir dir;
    for (const std::size_t bufferSize : {1, 2, 3, 4, 7, 64}) {
        for (const LineEndCase& c : kLineEndCases) {
            WriteFileBytes(dir / "list.txt", c.bytes);
            LineReader reader(dir / "list.txt", bufferSize);
            ASSERT_TRUE(reader.IsOpen());
            EXPECT_EQ(ReadAll(reader), c.lines) << "buffer " << bufferSize << ": " << c.bytes;
            EXPECT_FALSE(reader.Failed());
            EXPECT_EQ(reader.LinesRead(), c.lines.size());
            std::string_view line;
            EXPECT_FALSE(reader.Next(line)) << "the end stays the end";
        }
    }
}

TEST(LineReader, CrAtTheEndOfOneReadAndLfAtTheStartOfTheNext) {
    TempDir dir;
    // With a 3-byte buffer the first read ends on the CR.
    WriteFileBytes(dir / "list.txt", "AB\r\nCD");
    LineReader reader(dir / "list.txt", 3);
    EXPECT_EQ(ReadAll(reader), (Lines{"AB", "CD"}));
}

TEST(LineReader, LineOfMegabytes) {
    TempDir dir;
    const std::string huge(2 * 1024 * 1024 + 17, 'x');
    WriteFileBytes(dir / "list.txt", "first\r\n" + huge + "\r\nlast");
    LineReader reader(dir / "list.txt");
    EXPECT_EQ(ReadAll(reader), (Lines{"first", huge, "last"}));
    EXPECT_FALSE(reader.Failed());
}

TEST(LineReader, ManyLinesAcrossDefaultBuffers) {
    TempDir dir;
    std::string bytes;
    Lines expected;
    for (int i = 0; i < 60000; ++i) {
        expected.push_back("record " + std::to_string(i));
        bytes += expected.back();
        bytes += (i % 3 == 0) ? "\r\n" : (i % 3 == 1) ? "\n" : "\r";
    }
    WriteFileBytes(dir / "list.txt", bytes);
    LineReader reader(dir / "list.txt");
    EXPECT_EQ(ReadAll(reader), expected);
    EXPECT_EQ(CountLines(dir / "list.txt"), expected.size());
}

TEST(LineReader, ErrorsAreNotTheEndOfTheFile) {
    TempDir dir;
    LineReader missing(dir / "missing.txt");
    std::string_view line;
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_FALSE(missing.Next(line));
    EXPECT_TRUE(missing.Failed());
    EXPECT_EQ(missing.Error(), ENOENT);

    // A folder opens but cannot be read.
    LineReader folder(dir.path());
    EXPECT_FALSE(folder.Next(line));
    EXPECT_TRUE(folder.Failed());
    EXPECT_EQ(folder.Error(), EISDIR);

    EXPECT_EQ(CountLines(dir / "missing.txt"), std::nullopt);
    EXPECT_EQ(CountLines(dir.path()), std::nullopt);
}

TEST(LineReader, DescriptorStaysTheCallers) {
    TempDir dir;
    WriteFileBytes(dir / "list.txt", "skip\nA\nB");
    const int fd = ::open((dir / "list.txt").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::lseek(fd, 5, SEEK_SET), 5);
    {
        LineReader reader = LineReader::ForDescriptor(fd, 2);
        EXPECT_EQ(ReadAll(reader), (Lines{"A", "B"}));
    }
    EXPECT_EQ(::lseek(fd, 0, SEEK_SET), 0) << "still open";
    EXPECT_EQ(CountLines(fd), 3u);
    ::close(fd);
}

TEST(CountLines, CountsWhatTheReaderGives) {
    TempDir dir;
    for (const LineEndCase& c : kLineEndCases) {
        WriteFileBytes(dir / "list.txt", c.bytes);
        EXPECT_EQ(CountLines(dir / "list.txt"), c.lines.size()) << c.bytes;
    }
    // A CR LF pair split between two reads of the counter counts once.
    const std::string bytes = std::string(256 * 1024 - 1, 'a') + "\r\nb";
    WriteFileBytes(dir / "list.txt", bytes);
    EXPECT_EQ(CountLines(dir / "list.txt"), 2u);
}

}  // namespace
}  // namespace zolvane::lists
