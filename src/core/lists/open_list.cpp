#include "lists/dbase_source.h"
#include "lists/source.h"
#include "lists/text_source.h"

namespace zolvane::lists {

Notice CouldNotReadNotice(const std::filesystem::path& path) {
    return {"Zolvane could not read " + path.filename().string() +
                ". The file may be in use by another application.",
            NoticeIcon::Error, NoticeBeep::Warning};
}

std::string WriteFailureText(const std::filesystem::path& file) {
    return "Zolvane could not save the barcodes in " + file.filename().string() +
           ". The disk may be full, or the folder may not allow changes. The file has not been "
           "changed.";
}

OpenResult OpenMailingList(const std::filesystem::path& path, const OpenOptions&) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        OpenResult result;
        result.notices.push_back(CouldNotReadNotice(path));
        return result;
    }
    switch (KindFromExtension(path)) {
        case FileKind::DBase:
            return OpenDbaseList(path);
        case FileKind::Access:
        case FileKind::Access2007:
        case FileKind::Excel: {
            OpenResult result;
            result.notices.push_back(
                {"Sorry, Zolvane cannot read " + path.filename().string() +
                     " on this machine yet. Please save your list as a text file (see the Help "
                     "file) and try again.",
                 NoticeIcon::Error, NoticeBeep::Warning});
            return result;
        }
        default:
            return OpenTextList(path);
    }
}

}  // namespace zolvane::lists
