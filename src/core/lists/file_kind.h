#pragma once

// The kind of a mailing list, and how it is recognised.

#include <filesystem>
#include <string_view>

namespace zolvane::lists {

enum class FileKind {
    Unknown,          // a text file that matches no rule
    AsciiTab,         // "Ascii Tab-Delimited"
    AsciiComma,       // "Ascii Comma-Delimited"
    AsciiBar,         // "Ascii Bar-Delimited": field names first, "|" after every field
    AsciiMerge,       // "Ascii Merge": comma list with a field-name line
    AsciiMergeIndex,  // split like AsciiMerge; only while a field-name line is split
    DBase,
    Access,
    Access2007,  // only while an .accdb database is being opened
    Excel,
};

// The label the program shows and stores ("Ascii Tab-Delimited", ...); empty
// for Unknown.
std::string_view FileKindLabel(FileKind kind);

constexpr bool IsTextKind(FileKind k) {
    return k == FileKind::AsciiTab || k == FileKind::AsciiComma || k == FileKind::AsciiBar ||
           k == FileKind::AsciiMerge || k == FileKind::AsciiMergeIndex;
}
// Comma rules: quoted fields, "," between fields.
constexpr bool IsCommaKind(FileKind k) {
    return k == FileKind::AsciiComma || k == FileKind::AsciiMerge || k == FileKind::AsciiMergeIndex;
}
// Tab and bar rules: tab and "|" both end a field.
constexpr bool IsTabOrBarKind(FileKind k) {
    return k == FileKind::AsciiTab || k == FileKind::AsciiBar;
}
// Lists whose first line holds the field names.
constexpr bool HasFieldNameLine(FileKind k) {
    return k == FileKind::AsciiMerge || k == FileKind::AsciiBar || k == FileKind::AsciiMergeIndex;
}

// By the extension alone, ignoring case: .DBF/.DBT dBase, .MDB Access,
// .ACCDB Access2007, .XLS/.XLSX Excel; Unknown for everything else (then the
// first line decides).
FileKind KindFromExtension(const std::filesystem::path& path);

}  // namespace zolvane::lists
