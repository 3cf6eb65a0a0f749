#pragma once

// What the passes over file lists share: the replacement that a pass writes
// beside the list and renames over it when it commits, and the first error.

#include <optional>
#include <string>

#include "io/durable_file.h"
#include "lists/source.h"

namespace zolvane::lists {

class ReplacingPass : public ListPass {
  public:
    const std::string& Error() const override { return m_error; }

  protected:
    // Creates temporaryName beside the list (the list's real folder, when it
    // is reached through a link); the replacement keeps the list's
    // permissions. False, with the error set, when it cannot be made.
    bool OpenReplacement(const std::filesystem::path& list, const std::string& temporaryName,
                         const PassOptions& options);
    bool Replacing() const { return m_output.has_value(); }
    bool WriteOut(std::string_view bytes);
    // Renames the replacement over the list; true when not replacing.
    bool CommitReplacement();
    void SetError(std::string error) {
        if (m_error.empty()) m_error = std::move(error);
    }
    bool Failed() const { return !m_error.empty(); }

  private:
    std::filesystem::path m_list;
    std::optional<io::DurableFile> m_output;
    std::string m_error;
};

// Where the replacement of a list is renamed to: the list's real path.
std::filesystem::path ReplacementTarget(const std::filesystem::path& list);

}  // namespace zolvane::lists
