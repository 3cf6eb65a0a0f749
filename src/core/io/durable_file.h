#pragma once

// A file that replaces another whole or not at all. Bytes go to a temporary
// file in the destination's own folder; Commit() flushes them to disk and
// renames the temporary file over the destination. Until then, and whatever
// fails, the destination keeps its old bytes; an uncommitted writer removes
// its temporary file when it is destroyed.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zolvane::io {

// Lets tests make a write fail on purpose: called before each block of bytes
// reaches the disk with the number of bytes written so far; returning false
// makes that write fail as a full disk would.
using WriteFaultHook = bool (*)(std::size_t bytesSoFar, void* context);

class DurableFile {
  public:
    // temporaryName: the temporary file's name inside the destination's
    // folder; empty means the destination's name followed by ".zlvnew".
    explicit DurableFile(std::filesystem::path destination, std::string temporaryName = {});
    ~DurableFile();
    DurableFile(const DurableFile&) = delete;
    DurableFile& operator=(const DurableFile&) = delete;

    void SetFaultHook(WriteFaultHook hook, void* context) {
        m_hook = hook;
        m_hookContext = context;
    }

    // The replacement takes the permissions of this file (the one it replaces)
    // instead of the default ones.
    void KeepPermissionsOf(const std::filesystem::path& original);

    // Creates the temporary file empty. False when it cannot be made.
    bool Open();
    // Buffered; false once any write has failed (later writes are ignored).
    bool Write(std::string_view bytes);
    // Flushes, syncs and renames. False (the destination untouched, the
    // temporary file removed) when any step failed.
    bool Commit();
    // Removes the temporary file; the destination is untouched.
    void Abandon();

    bool Failed() const { return m_failed; }
    const std::filesystem::path& TemporaryPath() const { return m_temp; }
    const std::filesystem::path& Destination() const { return m_destination; }

  private:
    bool FlushBuffer();

    std::filesystem::path m_destination;
    std::filesystem::path m_temp;
    int m_fd = -1;
    bool m_failed = false;
    bool m_created = false;
    std::string m_buffer;
    std::size_t m_written = 0;
    int m_mode = -1;
    WriteFaultHook m_hook = nullptr;
    void* m_hookContext = nullptr;
};

// One call: the content replaces the file whole, or nothing changes.
bool ReplaceFileWhole(const std::filesystem::path& destination, std::string_view content);

}  // namespace zolvane::io
