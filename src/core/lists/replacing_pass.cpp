#include "lists/replacing_pass.h"

namespace zolvane::lists {

std::filesystem::path ReplacementTarget(const std::filesystem::path& list) {
    // A list reached through a link is replaced where it really is, so the
    // link stays a link.
    std::error_code ec;
    auto real = std::filesystem::canonical(list, ec);
    return ec ? list : real;
}

bool ReplacingPass::OpenReplacement(const std::filesystem::path& list,
                                    const std::string& temporaryName, const PassOptions& options) {
    m_list = list;
    m_output.emplace(ReplacementTarget(list), temporaryName);
    m_output->KeepPermissionsOf(list);
    m_output->SetFaultHook(options.faultHook, options.faultContext);
    if (m_output->Open()) return true;
    SetError("Zolvane could not create this output file.");
    return false;
}

bool ReplacingPass::WriteOut(std::string_view bytes) {
    if (Failed() || !m_output) return false;
    if (m_output->Write(bytes)) return true;
    SetError(WriteFailureText(m_list));
    return false;
}

bool ReplacingPass::CommitReplacement() {
    if (Failed()) return false;
    if (!m_output) return true;
    if (m_output->Commit()) return true;
    SetError(WriteFailureText(m_list));
    return false;
}

}  // namespace zolvane::lists
