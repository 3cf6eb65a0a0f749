#include "lists/file_kind.h"

#include "text/bytes.h"

namespace zolvane::lists {

std::string_view FileKindLabel(FileKind kind) {
    switch (kind) {
        case FileKind::Unknown:
            return "";
        case FileKind::AsciiTab:
            return "Ascii Tab-Delimited";
        case FileKind::AsciiComma:
            return "Ascii Comma-Delimited";
        case FileKind::AsciiBar:
            return "Ascii Bar-Delimited";
        case FileKind::AsciiMerge:
            return "Ascii Merge";
        case FileKind::AsciiMergeIndex:
            return "Ascii MergeIndex";
        case FileKind::DBase:
            return "dBase";
        case FileKind::Access:
            return "Access";
        case FileKind::Access2007:
            return "Access2007";
        case FileKind::Excel:
            return "Excel";
    }
    return "";
}

FileKind KindFromExtension(const std::filesystem::path& path) {
    const std::string ext = text::AsciiUpper(path.extension().string());
    if (ext == ".DBF" || ext == ".DBT") return FileKind::DBase;
    if (ext == ".MDB") return FileKind::Access;
    if (ext == ".ACCDB") return FileKind::Access2007;
    if (ext == ".XLS" || ext == ".XLSX") return FileKind::Excel;
    return FileKind::Unknown;
}

}  // namespace zolvane::lists
