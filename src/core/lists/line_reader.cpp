#include "lists/line_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace zolvane::lists {

namespace {

// The first CR or LF in [p, end), or end. Searched in windows so that a file
// whose lines end in CR alone does not make every line scan for a far LF.
const char* FindLineEnd(const char* p, const char* end) {
    constexpr std::ptrdiff_t kWindow = 1024;
    while (p < end) {
        const char* const stop = p + std::min(kWindow, end - p);
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', stop - p));
        const char* const limit = lf ? lf : stop;
        const auto* cr = static_cast<const char*>(std::memchr(p, '\r', limit - p));
        if (cr) return cr;
        if (lf) return lf;
        p = stop;
    }
    return end;
}

// read() that retries when interrupted: bytes read, 0 at the end, -1 on error.
ssize_t ReadSome(int fd, char* into, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd, into, size);
        if (got >= 0 || errno != EINTR) return got;
    }
}

}  // namespace

LineReader::LineReader(const std::filesystem::path& path, std::size_t bufferSize)
    : LineReader(-1, true, bufferSize) {
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = errno ? errno : EIO;
        return;
    }
    ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

LineReader LineReader::ForDescriptor(int fd, std::size_t bufferSize) {
    LineReader reader(fd, false, bufferSize);
    if (fd < 0) reader.m_error = EBADF;
    return reader;
}

LineReader::LineReader(int fd, bool owned, std::size_t bufferSize)
    : m_fd(fd),
      m_owned(owned),
      m_buffer(new char[std::max<std::size_t>(bufferSize, 1)]),
      m_capacity(std::max<std::size_t>(bufferSize, 1)) {}

LineReader::LineReader(LineReader&& other) noexcept {
    *this = std::move(other);
}

LineReader& LineReader::operator=(LineReader&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
        m_owned = other.m_owned;
        m_error = other.m_error;
        m_eof = other.m_eof;
        m_skipLF = other.m_skipLF;
        m_buffer = std::move(other.m_buffer);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_begin = std::exchange(other.m_begin, 0);
        m_end = std::exchange(other.m_end, 0);
        m_scanned = std::exchange(other.m_scanned, 0);
        m_lines = other.m_lines;
    }
    return *this;
}

LineReader::~LineReader() {
    Close();
}

void LineReader::Close() {
    if (m_fd >= 0 && m_owned) ::close(m_fd);
    m_fd = -1;
}

bool LineReader::Fill() {
    if (m_begin > 0) {
        const std::size_t keep = m_end - m_begin;
        std::memmove(m_buffer.get(), m_buffer.get() + m_begin, keep);
        m_scanned = m_scanned > m_begin ? m_scanned - m_begin : 0;
        m_end = keep;
        m_begin = 0;
    }
    if (m_end == m_capacity) {
        // One line fills the whole buffer.
        const std::size_t grown = m_capacity * 2;
        std::unique_ptr<char[]> bigger(new char[grown]);
        std::memcpy(bigger.get(), m_buffer.get(), m_end);
        m_buffer = std::move(bigger);
        m_capacity = grown;
    }
    const ssize_t got = ReadSome(m_fd, m_buffer.get() + m_end, m_capacity - m_end);
    if (got < 0) {
        m_error = errno ? errno : EIO;
        return false;
    }
    if (got == 0) {
        m_eof = true;
        return false;
    }
    m_end += static_cast<std::size_t>(got);
    return true;
}

bool LineReader::Next(std::string_view& line) {
    if (m_fd < 0 || m_error) return false;
    for (;;) {
        if (m_skipLF) {
            if (m_begin < m_end) {
                if (m_buffer[m_begin] == '\n') ++m_begin;
                m_skipLF = false;
            } else if (m_eof) {
                m_skipLF = false;
            } else {
                if (!Fill() && m_error) return false;
                continue;
            }
        }
        const char* const base = m_buffer.get();
        const char* const hit = FindLineEnd(base + std::max(m_begin, m_scanned), base + m_end);
        if (hit != base + m_end) {
            const auto at = static_cast<std::size_t>(hit - base);
            line = std::string_view(base + m_begin, at - m_begin);
            m_begin = at + 1;
            if (*hit == '\r') {
                if (m_begin < m_end) {
                    if (base[m_begin] == '\n') ++m_begin;
                } else {
                    m_skipLF = true;  // the LF, if any, is in the next read
                }
            }
            ++m_lines;
            return true;
        }
        m_scanned = m_end;
        if (m_eof) {
            if (m_begin == m_end) return false;
            line = std::string_view(base + m_begin, m_end - m_begin);
            m_begin = m_end;
            ++m_lines;
            return true;
        }
        if (!Fill() && m_error) return false;
    }
}

std::optional<std::uint64_t> CountLines(int fd) {
    if (fd < 0) return std::nullopt;
    constexpr std::size_t kChunk = 256 * 1024;
    std::unique_ptr<char[]> buffer(new char[kChunk]);
    std::uint64_t ends = 0;
    char last = 0;  // the last byte of the previous chunk
    bool any = false;
    for (;;) {
        const ssize_t got = ReadSome(fd, buffer.get(), kChunk);
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        const char* const begin = buffer.get();
        const char* const end = begin + got;
        // Every CR ends a line; an LF only when no CR comes right before it.
        for (const char* p = begin;
             (p = static_cast<const char*>(std::memchr(p, '\r', end - p))) != nullptr; ++p)
            ++ends;
        for (const char* p = begin;
             (p = static_cast<const char*>(std::memchr(p, '\n', end - p))) != nullptr; ++p)
            if ((p == begin ? last : p[-1]) != '\r') ++ends;
        last = end[-1];
        any = true;
    }
    if (any && last != '\r' && last != '\n') ++ends;  // a last line without a line end
    return ends;
}

std::optional<std::uint64_t> CountLines(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    const std::optional<std::uint64_t> count = CountLines(fd);
    ::close(fd);
    return count;
}

}  // namespace zolvane::lists
