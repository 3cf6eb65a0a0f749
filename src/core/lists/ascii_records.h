#pragma once

// Records of text mailing lists: the kind read off the first line, field
// counts, splitting a line into fields, and the lines written back once a
// barcode (and perhaps a serial number) has been added. Lines are 8-bit bytes
// without their line end.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lists/file_kind.h"

namespace zolvane::lists {

// Quote characters of the comma kinds: the double quote and the Mac OS Roman
// curly quotes 0xD2 and 0xD3.
constexpr bool IsQuoteChar(char c) {
    return c == '"' || c == '\xD2' || c == '\xD3';
}

struct SniffResult {
    FileKind kind = FileKind::Unknown;
    // The first line is empty: the user is warned about blank lines at the top
    // of the file (and the kind is Unknown).
    bool blankFirstLine = false;
};

// The text kind named by the first line of a file; Unknown when none fits.
SniffResult SniffAsciiKind(std::string_view firstLine);

// Fields on one line. Tab and bar kinds: 1 + every tab and "|", less one for
// the bar kind (its last field is followed by "|" too). Comma kinds: 1 + the
// commas outside quotes. 0 for the other kinds.
std::size_t CountFieldsInLine(FileKind kind, std::string_view line);

// The list's field count, or 0 when the first two lines disagree or the count
// is 0 (the list cannot be read). A one-line file passes an empty second line.
std::size_t CountAsciiFields(FileKind kind, std::string_view firstLine,
                             std::string_view secondLine);

// Fills fields with exactly n entries: the first n fields of the line, empty
// where the line has fewer. The strings are reused, so a run that keeps one
// vector does not allocate once the capacities have grown. Never fails: an
// unclosed quote runs to the end of the line.
void SplitRecord(FileKind kind, std::size_t n, std::string_view line,
                 std::vector<std::string>& fields);

// What a run adds to a record.
struct AddedText {
    std::string_view barcode;
    std::string_view serial;
    bool writeSerial = false;  // intelligent barcodes with automatic serial numbers
};

// Where the barcode and the serial go: a 0-based field, or -1 to append them.
struct FieldPlacement {
    int barcodeField = -1;
    int serialField = -1;
};

// Appends the output line for one record of a text list, with CR LF. line is
// the record as read, fields the record as split (ZIP fields already trimmed).
// When a field receives the barcode or the serial the line is rebuilt from the
// fields alone; otherwise the additions are appended to line. A field position
// beyond the list counts as an empty field there. Other kinds append nothing.
void WriteRecordLine(FileKind kind, std::string_view line, std::span<const std::string> fields,
                     const AddedText& added, const FieldPlacement& placement, std::string& out);

enum class BarcodeDestination { IntoList, BarcodesOnlyFile };

// Appends the field-name line (with CR LF) that starts the output of a merge
// or bar list and returns true; the other kinds have none and get false.
bool FieldNameLine(FileKind kind, std::string_view namesLine, BarcodeDestination destination,
                   bool hasBarcodeField, std::string& out);

// Appends one line of the barcodes-only file, with CR LF. line is the record
// as read (only the comma kinds look at it); kinds that are not text kinds
// write like the tab kind.
void BarcodesOnlyLine(FileKind kind, std::string_view line, const AddedText& added,
                      std::string& out);

}  // namespace zolvane::lists
