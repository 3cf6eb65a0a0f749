#pragma once

// The bytes of a dBase table: the header with its field descriptors, and the
// fixed-width records after it. Nothing here touches a file; the caller reads
// and writes the bytes, and every function stays inside the record the header
// describes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zolvane::lists {

// The longest record the program handles, deletion flag included.
inline constexpr std::size_t kDbaseMaxRecordLength = 10000;
// The header length is a 16-bit number, so this many bytes from the start of
// the file always hold the whole header.
inline constexpr std::size_t kDbaseMaxHeaderLength = 65535;

struct DbaseField {
    std::string name;        // bytes 0-9 of the descriptor, trailing blanks and NULs removed
    std::size_t offset = 0;  // first byte inside the record (the deletion flag is byte 0)
    std::size_t width = 0;
};

struct DbaseHeader {
    std::uint32_t recordCount = 0;
    std::size_t headerLength = 0;
    std::size_t recordLength = 0;  // deletion flag included
    std::vector<DbaseField> fields;

    // Where record `index` (from 0) starts in the file.
    std::uint64_t RecordOffset(std::uint64_t index) const {
        return headerLength + index * recordLength;
    }
};

enum class DbaseError {
    None,
    // Records longer than kDbaseMaxRecordLength: the list has too many
    // characters per record for the program.
    RecordTooLong,
    // The rest mean the file cannot be read.
    TooShortForHeader,  // fewer than 32 bytes, or fewer than the header length
    BadHeaderLength,    // below 33
    ZeroRecordLength,
    FieldsTooWide,  // 1 + the field widths exceed the record length
    FileTooShort,   // the records the header counts are not all there
};

// Parses the header. bytes: the start of the file, at least its header (the
// first kDbaseMaxHeaderLength bytes always do); fileSize: the size of the
// whole file. The field count is (header length - 1) / 32 - 1, ending early at
// a descriptor that starts with the 0x0D terminator. header is filled only
// when the result is None.
DbaseError ParseDbaseHeader(std::string_view bytes, std::uint64_t fileSize, DbaseHeader& header);

// The fields of one record for the barcode run: false, leaving fields alone,
// when the record is deleted (its flag byte is not a space). Each field loses
// its trailing spaces but keeps at least one character, and is upper-cased.
bool ReadDbaseRecord(const DbaseHeader& header, std::string_view record,
                     std::vector<std::string>& fields);

// The fields of the first record exactly as stored, for the field guess.
void ReadDbaseSample(const DbaseHeader& header, std::string_view record,
                     std::vector<std::string>& fields);

// Writes text into field `field` of the record buffer: cut to the field's
// width and padded with spaces to it (only spaces for an empty text). False,
// writing nothing, for a field the header does not have or a buffer shorter
// than the field's end.
bool PatchDbaseField(const DbaseHeader& header, std::size_t field, std::string_view text,
                     std::span<char> record);

}  // namespace zolvane::lists
