#include "lists/dbase_format.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "text/bytes.h"

namespace zolvane::lists {

namespace {

constexpr std::size_t kPrefixSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr char kTerminator = 0x0D;

std::uint32_t Byte(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

std::string_view NameOf(std::string_view descriptor) {
    std::string_view name = descriptor.substr(0, 10);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\0')) name.remove_suffix(1);
    return name;
}

// The slot of a field inside the record, cut where the record's bytes end.
std::string_view Slot(const DbaseHeader& header, const DbaseField& field, std::string_view record) {
    record = record.substr(0, std::min(record.size(), header.recordLength));
    if (field.offset >= record.size()) return {};
    return record.substr(field.offset, field.width);
}

}  // namespace

DbaseError ParseDbaseHeader(std::string_view bytes, std::uint64_t fileSize, DbaseHeader& header) {
    if (bytes.size() < kPrefixSize) return DbaseError::TooShortForHeader;
    DbaseHeader parsed;
    parsed.recordCount =
        Byte(bytes, 4) | Byte(bytes, 5) << 8 | Byte(bytes, 6) << 16 | Byte(bytes, 7) << 24;
    parsed.headerLength = Byte(bytes, 8) | Byte(bytes, 9) << 8;
    parsed.recordLength = Byte(bytes, 10) | Byte(bytes, 11) << 8;

    if (parsed.recordLength > kDbaseMaxRecordLength) return DbaseError::RecordTooLong;
    if (parsed.headerLength < kPrefixSize + 1) return DbaseError::BadHeaderLength;
    if (parsed.recordLength == 0) return DbaseError::ZeroRecordLength;
    if (parsed.headerLength > bytes.size()) return DbaseError::TooShortForHeader;

    // Descriptors fill the header up to its last byte, the terminator; some
    // writers put more bytes after the terminator, which are not fields.
    const std::size_t count = (parsed.headerLength - 1) / kDescriptorSize - 1;
    parsed.fields.reserve(count);
    std::size_t offset = 1;
    for (std::size_t k = 0; k < count; ++k) {
        const std::string_view descriptor =
            bytes.substr(kPrefixSize + k * kDescriptorSize, kDescriptorSize);
        if (descriptor[0] == kTerminator) break;
        const std::size_t width = static_cast<unsigned char>(descriptor[16]);
        if (offset + width > parsed.recordLength) return DbaseError::FieldsTooWide;
        parsed.fields.push_back({std::string(NameOf(descriptor)), offset, width});
        offset += width;
    }

    const std::uint64_t needed =
        parsed.headerLength + std::uint64_t{parsed.recordCount} * parsed.recordLength;
    if (fileSize < needed) return DbaseError::FileTooShort;

    header = std::move(parsed);
    return DbaseError::None;
}

bool ReadDbaseRecord(const DbaseHeader& header, std::string_view record,
                     std::vector<std::string>& fields) {
    if (record.empty() || record[0] != ' ') return false;
    fields.resize(header.fields.size());
    for (std::size_t k = 0; k < header.fields.size(); ++k) {
        std::string_view value = Slot(header, header.fields[k], record);
        while (value.size() > 1 && value.back() == ' ') value.remove_suffix(1);
        std::string& out = fields[k];
        out.assign(value);
        for (char& c : out) c = text::AsciiUpper(c);
    }
    return true;
}

void ReadDbaseSample(const DbaseHeader& header, std::string_view record,
                     std::vector<std::string>& fields) {
    fields.resize(header.fields.size());
    for (std::size_t k = 0; k < header.fields.size(); ++k)
        fields[k].assign(Slot(header, header.fields[k], record));
}

bool PatchDbaseField(const DbaseHeader& header, std::size_t field, std::string_view text,
                     std::span<char> record) {
    if (field >= header.fields.size()) return false;
    const DbaseField& f = header.fields[field];
    const std::size_t limit = std::min(record.size(), header.recordLength);
    if (f.offset + f.width > limit) return false;
    char* const slot = record.data() + f.offset;
    const std::size_t copied = std::min(text.size(), f.width);
    if (copied > 0) std::memcpy(slot, text.data(), copied);
    std::memset(slot + copied, ' ', f.width - copied);
    return true;
}

}  // namespace zolvane::lists
