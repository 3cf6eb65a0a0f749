#include "lists/ascii_records.h"

#include <algorithm>
#include <cstring>

#include "text/bytes.h"

namespace zolvane::lists {

namespace {

constexpr bool IsTabOrBarSeparator(char c) {
    return c == '\t' || c == '|';
}

bool Contains(std::string_view s, char c) {
    return s.find(c) != std::string_view::npos;
}

bool ContainsZipIgnoringCase(std::string_view s) {
    for (std::size_t i = 0; i + 3 <= s.size(); ++i) {
        if (text::AsciiUpper(s[i]) == 'Z' && text::AsciiUpper(s[i + 1]) == 'I' &&
            text::AsciiUpper(s[i + 2]) == 'P')
            return true;
    }
    return false;
}

void SplitTabOrBar(std::size_t n, std::string_view line, std::vector<std::string>& fields,
                   std::size_t& filled) {
    const char* p = line.data();
    const char* const end = p + line.size();
    while (filled < n) {
        const char* q = p;
        while (q < end && !IsTabOrBarSeparator(*q)) ++q;
        std::string_view field(p, static_cast<std::size_t>(q - p));
        // A field written inside double quotes loses them; a lone quote counts
        // as both.
        if (!field.empty() && field.front() == '"' && field.back() == '"') {
            field = field.size() == 1 ? std::string_view() : field.substr(1, field.size() - 2);
        }
        fields[filled++].assign(field);
        if (q == end) break;
        p = q + 1;
    }
}

void SplitComma(std::size_t n, std::string_view line, std::vector<std::string>& fields,
                std::size_t& filled) {
    const std::size_t len = line.size();
    std::size_t i = 0;  // the current field's first character
    while (filled < n && i < len) {
        const char c = line[i];
        if (c == ',') {
            fields[filled++].clear();
            i += 1;
        } else if (IsQuoteChar(c)) {
            std::size_t close = i + 1;
            while (close < len && !IsQuoteChar(line[close])) ++close;
            fields[filled++].assign(line.substr(i + 1, close - (i + 1)));
            // Whatever follows the closing quote is taken as the separator.
            i = close + 2;
        } else {
            const void* comma = std::memchr(line.data() + i, ',', len - i);
            const std::size_t stop =
                comma ? static_cast<std::size_t>(static_cast<const char*>(comma) - line.data())
                      : len;
            fields[filled++].assign(line.substr(i, stop - i));
            i = stop + 1;
        }
    }
}

// How the fields of a rebuilt or extended line are written.
struct LineStyle {
    char separator = 0;   // between entries (0: none)
    bool quoted = false;  // every entry inside double quotes
    char after = 0;       // after every entry (0: none)
};

LineStyle StyleFor(FileKind kind, std::string_view line) {
    if (kind == FileKind::AsciiTab) return {'\t', false, 0};
    if (kind == FileKind::AsciiBar) return {0, false, '|'};
    return {',', Contains(line, '"'), 0};
}

void AppendEntry(const LineStyle& style, std::string_view entry, std::string& out) {
    if (style.quoted) out += '"';
    out += entry;
    if (style.quoted) out += '"';
    if (style.after) out += style.after;
}

// An entry that follows others: separator first.
void AppendFollowing(const LineStyle& style, std::string_view entry, std::string& out) {
    if (style.separator) out += style.separator;
    AppendEntry(style, entry, out);
}

}  // namespace

SniffResult SniffAsciiKind(std::string_view firstLine) {
    if (firstLine.empty()) return {FileKind::Unknown, true};
    if (Contains(firstLine, '\t')) return {FileKind::AsciiTab, false};
    if (Contains(firstLine, '|')) return {FileKind::AsciiBar, false};
    const bool commaOrQuote = std::any_of(firstLine.begin(), firstLine.end(),
                                          [](char c) { return c == ',' || IsQuoteChar(c); });
    if (!commaOrQuote) {
        // One field per line, such as a ZIP code or ZIP+4.
        const bool zipLike = std::all_of(firstLine.begin(), firstLine.end(), [](char c) {
            return text::IsDigit(c) || c == '-' || c == ' ';
        });
        return {zipLike ? FileKind::AsciiTab : FileKind::Unknown, false};
    }
    return {ContainsZipIgnoringCase(firstLine) ? FileKind::AsciiMerge : FileKind::AsciiComma,
            false};
}

std::size_t CountFieldsInLine(FileKind kind, std::string_view line) {
    if (IsTabOrBarKind(kind)) {
        std::size_t count = 1;
        for (char c : line) count += IsTabOrBarSeparator(c) ? 1 : 0;
        return kind == FileKind::AsciiBar ? count - 1 : count;
    }
    if (IsCommaKind(kind)) {
        std::size_t count = 1;
        bool inQuotes = false;
        for (char c : line) {
            if (IsQuoteChar(c))
                inQuotes = !inQuotes;
            else if (c == ',' && !inQuotes)
                ++count;
        }
        return count;
    }
    return 0;
}

std::size_t CountAsciiFields(FileKind kind, std::string_view firstLine,
                             std::string_view secondLine) {
    const std::size_t first = CountFieldsInLine(kind, firstLine);
    const std::size_t second = CountFieldsInLine(kind, secondLine);
    if (second != first || second == 0) return 0;
    return first;
}

void SplitRecord(FileKind kind, std::size_t n, std::string_view line,
                 std::vector<std::string>& fields) {
    if (fields.size() != n) fields.resize(n);
    std::size_t filled = 0;
    if (IsTabOrBarKind(kind))
        SplitTabOrBar(n, line, fields, filled);
    else if (IsCommaKind(kind))
        SplitComma(n, line, fields, filled);
    for (std::size_t i = filled; i < n; ++i) fields[i].clear();
}

void WriteRecordLine(FileKind kind, std::string_view line, std::span<const std::string> fields,
                     const AddedText& added, const FieldPlacement& placement, std::string& out) {
    if (!IsTextKind(kind)) return;
    const LineStyle style = StyleFor(kind, line);
    const int b = placement.barcodeField;
    const int s = added.writeSerial ? placement.serialField : -1;

    if (b < 0 && s < 0) {
        out += line;
        AppendFollowing(style, added.barcode, out);
        if (added.writeSerial) AppendFollowing(style, added.serial, out);
    } else {
        std::size_t count = fields.size();
        if (b >= 0) count = std::max(count, static_cast<std::size_t>(b) + 1);
        if (s >= 0) count = std::max(count, static_cast<std::size_t>(s) + 1);
        for (std::size_t i = 0; i < count; ++i) {
            std::string_view entry;
            if (s >= 0 && i == static_cast<std::size_t>(s))
                entry = added.serial;
            else if (b >= 0 && i == static_cast<std::size_t>(b))
                entry = added.barcode;
            else if (i < fields.size())
                entry = fields[i];
            if (i == 0)
                AppendEntry(style, entry, out);
            else
                AppendFollowing(style, entry, out);
        }
        if (added.writeSerial && s < 0) AppendFollowing(style, added.serial, out);
        if (b < 0) AppendFollowing(style, added.barcode, out);
    }
    out += "\r\n";
}

bool FieldNameLine(FileKind kind, std::string_view namesLine, BarcodeDestination destination,
                   bool hasBarcodeField, std::string& out) {
    if (!HasFieldNameLine(kind)) return false;
    const bool bar = kind == FileKind::AsciiBar;
    if (destination == BarcodeDestination::BarcodesOnlyFile) {
        out += bar ? "barcode|" : "barcode";
    } else {
        out += namesLine;
        if (!hasBarcodeField) out += bar ? "barcode|" : ",barcode";
    }
    out += "\r\n";
    return true;
}

void BarcodesOnlyLine(FileKind kind, std::string_view line, const AddedText& added,
                      std::string& out) {
    if (IsCommaKind(kind)) {
        if (added.writeSerial && !Contains(line, '"')) {
            out += added.barcode;
            out += ',';
            out += added.serial;
        } else {
            out += '"';
            out += added.barcode;
            out += '"';
            if (added.writeSerial) {
                out += ",\"";
                out += added.serial;
                out += '"';
            }
        }
    } else if (kind == FileKind::AsciiBar) {
        out += added.barcode;
        out += '|';
        if (added.writeSerial) {
            out += added.serial;
            out += '|';
        }
    } else {
        out += added.barcode;
        if (added.writeSerial) {
            out += '\t';
            out += added.serial;
        }
    }
    out += "\r\n";
}

}  // namespace zolvane::lists
