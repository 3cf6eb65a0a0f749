#pragma once

// Reads a text list line by line with a fixed buffer, so memory stays flat
// whatever the size of the file. CR, LF and CR LF each end a line; the bytes
// of a line are returned untouched, NUL bytes included.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace zolvane::lists {

class LineReader {
  public:
    static constexpr std::size_t kDefaultBufferSize = 256 * 1024;

    explicit LineReader(const std::filesystem::path& path,
                        std::size_t bufferSize = kDefaultBufferSize);
    // Reads from a descriptor opened by the caller, who keeps it and closes it.
    static LineReader ForDescriptor(int fd, std::size_t bufferSize = kDefaultBufferSize);

    LineReader(LineReader&& other) noexcept;
    LineReader& operator=(LineReader&& other) noexcept;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    ~LineReader();

    // The next line without its line end. The view stays valid until the next
    // call. False at the end of the file and after an error: tell them apart
    // with Failed(). A final line end does not make an extra empty line; a
    // last line without one counts. A line longer than the buffer grows it.
    bool Next(std::string_view& line);

    bool IsOpen() const { return m_fd >= 0; }
    // The file could not be opened or a read failed.
    bool Failed() const { return m_error != 0; }
    // The errno of the failure, 0 when none.
    int Error() const { return m_error; }
    std::uint64_t LinesRead() const { return m_lines; }

  private:
    LineReader(int fd, bool owned, std::size_t bufferSize);
    bool Fill();
    void Close();

    int m_fd = -1;
    bool m_owned = false;
    int m_error = 0;
    bool m_eof = false;
    bool m_skipLF = false;  // the last line ended in a CR at the end of the data read so far
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = 0;
    std::size_t m_begin = 0;    // first byte not yet returned
    std::size_t m_end = 0;      // end of the bytes read
    std::size_t m_scanned = 0;  // no line end in [m_begin, m_scanned)
    std::uint64_t m_lines = 0;
};

// The number of lines a LineReader gives for the file (a list's record count
// before any field-name line is taken off), or nothing when it cannot be read.
std::optional<std::uint64_t> CountLines(const std::filesystem::path& path);
// The same for an open descriptor, read from its current position.
std::optional<std::uint64_t> CountLines(int fd);

}  // namespace zolvane::lists
