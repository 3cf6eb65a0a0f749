#pragma once

// The bodies of the fuzz targets, shared by the libFuzzer programs and by the
// replay test that runs the kept inputs in the ordinary test build. Each body
// returns nullptr when every invariant holds, or the check that failed.

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "address/streetpoint.h"
#include "address/units.h"
#include "lists/ascii_records.h"
#include "lists/dbase_format.h"
#include "lists/line_reader.h"
#include "text/bytes.h"

namespace zolvane::fuzz {

using Failure = const char*;

#define ZOLVANE_FUZZ_STR2(x) #x
#define ZOLVANE_FUZZ_STR(x) ZOLVANE_FUZZ_STR2(x)
#define ZOLVANE_FUZZ_CHECK(cond)                                                    \
    do {                                                                            \
        if (!(cond)) return "fuzz_bodies.h:" ZOLVANE_FUZZ_STR(__LINE__) ": " #cond; \
    } while (0)

namespace detail {

inline std::vector<std::string> ReferenceLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;  // bytes since the last line end
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending) lines.push_back(current);
    return lines;
}

// An in-memory file holding the bytes; -1 when the system gives none.
inline int MemoryFile(std::string_view bytes) {
    const int fd = ::memfd_create("zolvane-fuzz", MFD_CLOEXEC);
    if (fd < 0) return -1;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            return -1;
        }
        done += static_cast<std::size_t>(n);
    }
    ::lseek(fd, 0, SEEK_SET);
    return fd;
}

inline bool HasQuoteChar(std::string_view s) {
    return std::any_of(s.begin(), s.end(), lists::IsQuoteChar);
}

inline bool Contains(std::string_view s, char c) {
    return s.find(c) != std::string_view::npos;
}

// The lines a reader with this buffer size gives for fd, read from the start.
inline std::vector<std::string> ReaderLines(int fd, std::size_t bufferSize, bool& failed) {
    ::lseek(fd, 0, SEEK_SET);
    lists::LineReader reader = lists::LineReader::ForDescriptor(fd, bufferSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line)) lines.emplace_back(line);
    failed = reader.Failed();
    return lines;
}

}  // namespace detail

// The input is a text file: its lines through the line reader, then the kind
// and the field count from its first two lines.
inline Failure TextKind(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> expected = detail::ReferenceLines(bytes);

    const int fd = detail::MemoryFile(bytes);
    if (fd >= 0) {
        bool failed = false;
        const std::size_t small = 1 + size % 13;
        const bool smallOk = detail::ReaderLines(fd, small, failed) == expected && !failed;
        const bool defaultOk =
            detail::ReaderLines(fd, lists::LineReader::kDefaultBufferSize, failed) == expected &&
            !failed;
        ::lseek(fd, 0, SEEK_SET);
        const auto counted = lists::CountLines(fd);
        ::close(fd);
        ZOLVANE_FUZZ_CHECK(smallOk);
        ZOLVANE_FUZZ_CHECK(defaultOk);
        ZOLVANE_FUZZ_CHECK(counted && *counted == expected.size());
    }

    const std::string first = expected.empty() ? std::string() : expected[0];
    const std::string second = expected.size() < 2 ? std::string() : expected[1];
    const lists::SniffResult sniff = lists::SniffAsciiKind(first);
    const lists::FileKind kind = sniff.kind;
    ZOLVANE_FUZZ_CHECK(sniff.blankFirstLine == first.empty());
    ZOLVANE_FUZZ_CHECK(!sniff.blankFirstLine || kind == lists::FileKind::Unknown);
    ZOLVANE_FUZZ_CHECK(kind == lists::FileKind::Unknown || kind == lists::FileKind::AsciiTab ||
                       kind == lists::FileKind::AsciiComma || kind == lists::FileKind::AsciiBar ||
                       kind == lists::FileKind::AsciiMerge);
    if (detail::Contains(first, '\t')) ZOLVANE_FUZZ_CHECK(kind == lists::FileKind::AsciiTab);
    if (kind == lists::FileKind::AsciiBar) ZOLVANE_FUZZ_CHECK(detail::Contains(first, '|'));
    if (kind == lists::FileKind::AsciiMerge)
        ZOLVANE_FUZZ_CHECK(text::AsciiUpper(first).find("ZIP") != std::string::npos);

    const std::size_t count = lists::CountAsciiFields(kind, first, second);
    if (kind == lists::FileKind::Unknown) ZOLVANE_FUZZ_CHECK(count == 0);
    if (count != 0) {
        ZOLVANE_FUZZ_CHECK(lists::CountFieldsInLine(kind, first) == count);
        ZOLVANE_FUZZ_CHECK(lists::CountFieldsInLine(kind, second) == count);
        ZOLVANE_FUZZ_CHECK(count <= first.size() + 1);
        std::vector<std::string> fields;
        lists::SplitRecord(kind, count, first, fields);
        ZOLVANE_FUZZ_CHECK(fields.size() == count);
    }
    return nullptr;
}

// Byte 0 picks the kind and the field count, byte 1 where the barcode and the
// serial go; the rest is one line.
inline Failure SplitRecord(const std::uint8_t* data, std::size_t size) {
    using lists::FileKind;
    if (size < 2) return nullptr;
    static constexpr FileKind kKinds[] = {FileKind::AsciiTab,        FileKind::AsciiComma,
                                          FileKind::AsciiBar,        FileKind::AsciiMerge,
                                          FileKind::AsciiMergeIndex, FileKind::DBase};
    const FileKind kind = kKinds[data[0] % 6];
    const std::size_t n = data[0] / 6;
    const lists::FieldPlacement placement{int(data[1] % 8) - 2, int((data[1] / 8) % 8) - 2};
    const bool writeSerial = (data[1] & 0x40) != 0;
    const std::string_view barcode = (data[1] & 0x80) ? "" : "ADFTADFT";
    const std::string_view serial = "000123";
    const lists::AddedText added{barcode, serial, writeSerial};
    const std::string_view line(reinterpret_cast<const char*>(data) + 2, size - 2);

    std::vector<std::string> fields;
    lists::SplitRecord(kind, n, line, fields);
    ZOLVANE_FUZZ_CHECK(fields.size() == n);
    std::size_t total = 0;
    for (const std::string& f : fields) {
        total += f.size();
        ZOLVANE_FUZZ_CHECK(line.find(f) != std::string_view::npos);
        if (lists::IsTabOrBarKind(kind))
            ZOLVANE_FUZZ_CHECK(!detail::Contains(f, '\t') && !detail::Contains(f, '|'));
        if (lists::IsCommaKind(kind))
            ZOLVANE_FUZZ_CHECK(!detail::Contains(f, ',') || !detail::HasQuoteChar(f));
        if (!lists::IsTextKind(kind)) ZOLVANE_FUZZ_CHECK(f.empty());
    }
    ZOLVANE_FUZZ_CHECK(total <= line.size());
    if (lists::IsTabOrBarKind(kind)) {
        const std::size_t present = lists::CountFieldsInLine(FileKind::AsciiTab, line);
        for (std::size_t i = present; i < n; ++i) ZOLVANE_FUZZ_CHECK(fields[i].empty());
    }

    // A list left over from a wider record gives the same fields.
    std::vector<std::string> reused(n + 3, std::string(20, 'x'));
    lists::SplitRecord(kind, n, line, reused);
    ZOLVANE_FUZZ_CHECK(reused == fields);

    std::string out;
    lists::WriteRecordLine(kind, line, fields, added, placement, out);
    if (!lists::IsTextKind(kind)) {
        ZOLVANE_FUZZ_CHECK(out.empty());
    } else {
        ZOLVANE_FUZZ_CHECK(out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0);
        const std::string_view written(out.data(), out.size() - 2);
        const int b = placement.barcodeField;
        const int s = writeSerial ? placement.serialField : -1;
        if (b < 0 && s < 0) {
            ZOLVANE_FUZZ_CHECK(written.substr(0, line.size()) == line);
        } else {
            // The fields the rebuilt line should hold, additions included.
            std::vector<std::string> entries(fields);
            if (b >= 0 && std::size_t(b) >= entries.size()) entries.resize(b + 1);
            if (s >= 0 && std::size_t(s) >= entries.size()) entries.resize(s + 1);
            if (b >= 0) entries[b] = barcode;
            if (s >= 0) entries[s] = serial;
            if (writeSerial && s < 0) entries.emplace_back(serial);
            if (b < 0) entries.emplace_back(barcode);

            bool splitsBack = true;
            const bool quoted = lists::IsCommaKind(kind) && detail::Contains(line, '"');
            for (const std::string& e : entries) {
                if (lists::IsTabOrBarKind(kind) && !e.empty() && e.front() == '"' &&
                    e.back() == '"')
                    splitsBack = false;
                if (quoted && detail::HasQuoteChar(e)) splitsBack = false;
                if (lists::IsCommaKind(kind) && !quoted &&
                    (detail::Contains(e, ',') || (!e.empty() && lists::IsQuoteChar(e.front()))))
                    splitsBack = false;
            }
            if (splitsBack) {
                std::vector<std::string> again;
                lists::SplitRecord(kind, entries.size(), written, again);
                ZOLVANE_FUZZ_CHECK(again == entries);
                ZOLVANE_FUZZ_CHECK(lists::CountFieldsInLine(kind, written) == entries.size() ||
                                   lists::IsCommaKind(kind));
            }
        }
    }

    out.clear();
    lists::BarcodesOnlyLine(kind, line, added, out);
    ZOLVANE_FUZZ_CHECK(out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0);
    ZOLVANE_FUZZ_CHECK(std::count(out.begin(), out.end(), '\n') == 1);
    ZOLVANE_FUZZ_CHECK(out.find(barcode) <= 1);

    out.clear();
    const bool named = lists::FieldNameLine(kind, line, lists::BarcodeDestination::IntoList,
                                            placement.barcodeField >= 0, out);
    ZOLVANE_FUZZ_CHECK(named == lists::HasFieldNameLine(kind));
    ZOLVANE_FUZZ_CHECK(named ? out.substr(0, line.size()) == line : out.empty());
    return nullptr;
}

// The input is a dBase file: its header, then every record read for the run,
// read as the sample and patched field by field.
inline Failure Dbase(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    lists::DbaseHeader header;
    const lists::DbaseError error = lists::ParseDbaseHeader(bytes, size, header);
    if (size >= 32) {
        const std::size_t recordLength = data[10] | data[11] << 8;
        ZOLVANE_FUZZ_CHECK((error == lists::DbaseError::RecordTooLong) ==
                           (recordLength > lists::kDbaseMaxRecordLength));
    }
    if (error != lists::DbaseError::None) return nullptr;

    const std::size_t rl = header.recordLength;
    ZOLVANE_FUZZ_CHECK(header.headerLength >= 33 && header.headerLength <= size);
    ZOLVANE_FUZZ_CHECK(rl >= 1 && rl <= lists::kDbaseMaxRecordLength);
    ZOLVANE_FUZZ_CHECK(header.fields.size() <= (header.headerLength - 1) / 32 - 1);
    ZOLVANE_FUZZ_CHECK(header.RecordOffset(header.recordCount) <= size);
    std::size_t offset = 1;
    for (const lists::DbaseField& f : header.fields) {
        ZOLVANE_FUZZ_CHECK(f.offset == offset);
        ZOLVANE_FUZZ_CHECK(f.offset + f.width <= rl);
        ZOLVANE_FUZZ_CHECK(f.name.size() <= 10);
        ZOLVANE_FUZZ_CHECK(f.name.empty() || (f.name.back() != ' ' && f.name.back() != '\0'));
        offset += f.width;
    }

    std::vector<std::string> fields;
    std::vector<std::string> sample;
    for (std::uint32_t r = 0; r < header.recordCount; ++r) {
        // A copy of exactly one record, so that any read or write past it is
        // caught by the address sanitizer.
        const std::uint64_t at = header.RecordOffset(r);
        ZOLVANE_FUZZ_CHECK(at + rl <= size);
        std::vector<char> record(bytes.begin() + at, bytes.begin() + at + rl);
        const std::string_view view(record.data(), record.size());

        const bool active = lists::ReadDbaseRecord(header, view, fields);
        ZOLVANE_FUZZ_CHECK(active == (record[0] == ' '));
        lists::ReadDbaseSample(header, view, sample);
        ZOLVANE_FUZZ_CHECK(sample.size() == header.fields.size());
        for (std::size_t k = 0; k < header.fields.size(); ++k) {
            const lists::DbaseField& f = header.fields[k];
            const std::string_view slot = view.substr(f.offset, f.width);
            ZOLVANE_FUZZ_CHECK(sample[k] == slot);
            if (!active) continue;
            const std::string& v = fields[k];
            ZOLVANE_FUZZ_CHECK(v.size() <= f.width && (f.width == 0 || !v.empty()));
            ZOLVANE_FUZZ_CHECK(v.size() <= 1 || v.back() != ' ');
            ZOLVANE_FUZZ_CHECK(v == text::AsciiUpper(slot.substr(0, v.size())));
        }
        if (active) ZOLVANE_FUZZ_CHECK(fields.size() == header.fields.size());

        for (std::size_t k = 0; k < header.fields.size(); ++k) {
            const lists::DbaseField& f = header.fields[k];
            const std::vector<char> before = record;
            const std::string_view text = bytes.substr((r + k) % size, (r + 3 * k) % (f.width + 3));
            ZOLVANE_FUZZ_CHECK(lists::PatchDbaseField(header, k, text, record));
            const std::string_view slot(record.data() + f.offset, f.width);
            const std::size_t kept = std::min(text.size(), f.width);
            ZOLVANE_FUZZ_CHECK(slot.substr(0, kept) == text.substr(0, kept));
            ZOLVANE_FUZZ_CHECK(slot.find_first_not_of(' ', kept) == std::string_view::npos);
            ZOLVANE_FUZZ_CHECK(
                std::equal(record.begin(), record.begin() + f.offset, before.begin()));
            ZOLVANE_FUZZ_CHECK(std::equal(record.begin() + f.offset + f.width, record.end(),
                                          before.begin() + f.offset + f.width));
            // A buffer that ends inside the field is left alone.
            if (f.width > 0) {
                std::vector<char> cut(record.begin(), record.begin() + f.offset + f.width - 1);
                const std::vector<char> cutBefore = cut;
                ZOLVANE_FUZZ_CHECK(!lists::PatchDbaseField(header, k, "X", cut));
                ZOLVANE_FUZZ_CHECK(cut == cutBefore);
            }
        }
        ZOLVANE_FUZZ_CHECK(!lists::PatchDbaseField(header, header.fields.size(), "X", record));
    }
    return nullptr;
}

// The input is a street address.
inline Failure Address(const std::uint8_t* data, std::size_t size) {
    const std::string_view address(reinterpret_cast<const char*>(data), size);
    const address::DeliveryPoint street = address::StreetpointDeliveryPoint(address);
    ZOLVANE_FUZZ_CHECK(text::IsDigit(street[0]) && text::IsDigit(street[1]));
    const address::DeliveryPoint highrise = address::HighriseDeliveryPoint(address);
    ZOLVANE_FUZZ_CHECK(text::IsDigit(highrise[0]) && text::IsDigit(highrise[1]));
    return nullptr;
}

}  // namespace zolvane::fuzz
