#include "io/durable_file.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zolvane::io {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}

DurableFile::DurableFile(std::filesystem::path destination, std::string temporaryName)
    : m_destination(std::move(destination)) {
    if (temporaryName.empty()) {
        m_temp = m_destination;
        m_temp += ".zlvnew";
    } else {
        m_temp = m_destination.parent_path() / temporaryName;
    }
    m_buffer.reserve(kBufferSize);
}

DurableFile::~DurableFile() {
    Abandon();
}

void DurableFile::KeepPermissionsOf(const std::filesystem::path& original) {
    struct stat st;
    if (::stat(original.c_str(), &st) == 0) m_mode = static_cast<int>(st.st_mode & 07777);
}

bool DurableFile::Open() {
    m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    m_failed = m_fd < 0;
    m_created = !m_failed;
    return !m_failed;
}

bool DurableFile::FlushBuffer() {
    if (m_failed || m_fd < 0) return false;
    const char* p = m_buffer.data();
    std::size_t left = m_buffer.size();
    while (left > 0) {
        if (m_hook && !m_hook(m_written, m_hookContext)) {
            m_failed = true;
            return false;
        }
        ssize_t n = ::write(m_fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            m_failed = true;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
        m_written += static_cast<std::size_t>(n);
    }
    m_buffer.clear();
    return true;
}

bool DurableFile::Write(std::string_view bytes) {
    if (m_failed || m_fd < 0) return false;
    if (m_buffer.size() + bytes.size() > kBufferSize && !FlushBuffer()) return false;
    if (bytes.size() >= kBufferSize) {
        m_buffer.assign(bytes);
        return FlushBuffer();
    }
    m_buffer.append(bytes);
    return true;
}

bool DurableFile::Commit() {
    bool ok = !m_failed && m_fd >= 0 && FlushBuffer();
    if (ok && m_mode >= 0 && ::fchmod(m_fd, static_cast<mode_t>(m_mode)) != 0) ok = false;
    if (ok && ::fsync(m_fd) != 0) ok = false;
    if (m_fd >= 0 && ::close(m_fd) != 0) ok = false;
    m_fd = -1;
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(m_temp, m_destination, ec);
        ok = !ec;
    }
    if (!ok) {
        m_failed = true;
        Abandon();
        return false;
    }
    // Make the rename itself durable.
    int dir =
        ::open(m_destination.parent_path().empty() ? "." : m_destination.parent_path().c_str(),
               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    m_created = false;
    return true;
}

void DurableFile::Abandon() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (m_created) {
        m_created = false;
        std::error_code ec;
        std::filesystem::remove(m_temp, ec);
    }
    m_buffer.clear();
}

bool ReplaceFileWhole(const std::filesystem::path& destination, std::string_view content) {
    DurableFile file(destination);
    return file.Open() && file.Write(content) && file.Commit();
}

}  // namespace zolvane::io
