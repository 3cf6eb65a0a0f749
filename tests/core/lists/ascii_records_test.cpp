#include "lists/ascii_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvane::lists {
namespace {

using Fields = std::vector<std::string>;

// ---------------------------------------------------------------- sniffing

struct SniffCase {
    std::string line;
    FileKind kind;
    bool blank = false;
};

TEST(SniffAsciiKind, FirstLineDecidesTheKind) {
    const SniffCase cases[] = {
        {"12345-6789", FileKind::AsciiTab},  // one field per line
        {"12345", FileKind::AsciiTab},
        {"123 45-6789", FileKind::AsciiTab},
        {" ", FileKind::AsciiTab},
        {"ABC", FileKind::Unknown},
        {"12345A", FileKind::Unknown},
        {"Name,Zip,Address", FileKind::AsciiMerge},
        {"name,zip", FileKind::AsciiMerge},
        {"\"Street\",\"ZIPCODE\"", FileKind::AsciiMerge},
        {"Name,City", FileKind::AsciiComma},
        {"\"Jones\"", FileKind::AsciiComma},      // a quote alone is enough
        {"\xD2Jones\xD3", FileKind::AsciiComma},  // so are the curly quotes
        {"\xD2zip\xD3", FileKind::AsciiMerge},
        {"Z I P,City", FileKind::AsciiComma},
        {"NAME|ZIP|", FileKind::AsciiBar},
        {"zip|", FileKind::AsciiBar},
        {"NAME\tZIP|CITY", FileKind::AsciiTab},  // tab wins over bar
        {"Jones, Bob\t12345", FileKind::AsciiTab},
        {"", FileKind::Unknown, true},
    };
    for (const SniffCase& c : cases) {
        const SniffResult r = SniffAsciiKind(c.line);
        EXPECT_EQ(r.kind, c.kind) << "line: " << c.line;
        EXPECT_EQ(r.blankFirstLine, c.blank) << "line: " << c.line;
    }
}

// ---------------------------------------------------------- field counting

struct CountCase {
    FileKind kind;
    std::string line;
    std::size_t count;
};

TEST(CountFieldsInLine, SeparatorsAndQuotes) {
    const CountCase cases[] = {
        {FileKind::AsciiTab, "A\tB\tC", 3},
        {FileKind::AsciiTab, "A|B\tC", 3},  // "|" counts in a tab list too
        {FileKind::AsciiTab, "", 1},
        {FileKind::AsciiTab, "\"A\tB\"", 2},  // no quoting in tab lists
        {FileKind::AsciiBar, "NAME|ZIP|", 2},
        {FileKind::AsciiBar, "NAME\tZIP|", 2},
        {FileKind::AsciiBar, "NAME", 0},
        {FileKind::AsciiBar, "", 0},
        {FileKind::AsciiComma, "a,b,c", 3},
        {FileKind::AsciiComma, "", 1},
        {FileKind::AsciiComma, "\"Jones, Bob\",12345", 2},
        {FileKind::AsciiComma, "\xD2Jones, Bob\xD3,12345", 2},
        {FileKind::AsciiComma, "\xD2Jones, Bob\",12345", 2},  // any quote closes
        {FileKind::AsciiComma, "\"unclosed, a, b", 1},
        {FileKind::AsciiMerge, "\"Name\",\"Zip\",Address", 3},
        {FileKind::AsciiMergeIndex, "Name,Zip", 2},
        {FileKind::DBase, "a,b", 0},
        {FileKind::Unknown, "a\tb", 0},
    };
    for (const CountCase& c : cases)
        EXPECT_EQ(CountFieldsInLine(c.kind, c.line), c.count) << "line: " << c.line;
}

struct TwoLineCase {
    FileKind kind;
    std::string first;
    std::string second;
    std::size_t count;
};

TEST(CountAsciiFields, BothLinesMustAgree) {
    const TwoLineCase cases[] = {
        {FileKind::AsciiComma, "a,b,c,d,e", "a,b,c,d,e,f", 0},
        {FileKind::AsciiComma, "a,b,c,d,e,f", "a,b,c,d,e", 0},
        {FileKind::AsciiComma, "\"Jones, Bob\",12345", "Smith,20500", 2},
        {FileKind::AsciiMerge, "Name,Zip,Address", "Jones,12345,1 Main St", 3},
        {FileKind::AsciiBar, "NAME|ZIP|", "JONES|12345|", 2},
        {FileKind::AsciiBar, "NAME", "JONES", 0},  // a count of 0 is refused
        {FileKind::AsciiBar, "NAME|ZIP|", "", 0},
        // A one-line file: the second line is empty.
        {FileKind::AsciiTab, "12345-6789", "", 1},
        {FileKind::AsciiTab, "A\tB", "", 0},
        {FileKind::AsciiComma, "Jones", "", 1},
        {FileKind::Unknown, "ABC", "DEF", 0},
    };
    for (const TwoLineCase& c : cases)
        EXPECT_EQ(CountAsciiFields(c.kind, c.first, c.second), c.count)
            << c.first << " / " << c.second;
}

// --------------------------------------------------------------- splitting

struct SplitCase {
    FileKind kind;
    std::size_t n;
    std::string line;
    Fields expected;
};

TEST(SplitRecord, FieldsOfEachKind) {
    const SplitCase cases[] = {
        {FileKind::AsciiTab, 3, "A\tB", {"A", "B", ""}},
        {FileKind::AsciiBar, 2, "NAME|ZIP|", {"NAME", "ZIP"}},
        {FileKind::AsciiBar, 2, "JONES||", {"JONES", ""}},
        {FileKind::AsciiBar, 3, "A\tB|C|", {"A", "B", "C"}},
        {FileKind::AsciiTab, 2, "a|b\tc", {"a", "b"}},
        {FileKind::AsciiTab, 2, "\"Jones\"\t12345", {"Jones", "12345"}},
        {FileKind::AsciiTab, 2, "\"Jones\t12345\"", {"\"Jones", "12345\""}},
        {FileKind::AsciiTab, 3, "\"\t\"\"\t\"\"\"", {"", "", "\""}},
        {FileKind::AsciiTab, 1, " 12345 ", {" 12345 "}},
        {FileKind::AsciiTab, 0, "A\tB", {}},
        {FileKind::AsciiComma, 3, ",A,B", {"", "A", "B"}},
        {FileKind::AsciiComma, 3, "A,,B", {"A", "", "B"}},
        {FileKind::AsciiComma, 3, "A,B,", {"A", "B", ""}},
        {FileKind::AsciiComma, 1, "A,B,C", {"A"}},
        {FileKind::AsciiComma, 2, "\"Jones, Bob\",12345", {"Jones, Bob", "12345"}},
        {FileKind::AsciiComma, 2, "\xD2Jones, Bob\xD3,12345", {"Jones, Bob", "12345"}},
        {FileKind::AsciiComma, 2, "\"Jones, Bob\xD3,12345", {"Jones, Bob", "12345"}},
        // The byte after a closing quote is skipped, whatever it is.
        {FileKind::AsciiComma, 3, "\"A\"x,B", {"A", "", "B"}},
        {FileKind::AsciiComma, 2, "\"A\"xB,C", {"A", "B"}},
        // No unescaping of doubled quotes.
        {FileKind::AsciiComma, 2, "\"a\"\"b\",c", {"a", "b\""}},
        // A quote inside an unquoted field is an ordinary byte.
        {FileKind::AsciiComma, 2, "O\"Neil,c", {"O\"Neil", "c"}},
        {FileKind::AsciiComma, 2, "\"unclosed, text", {"unclosed, text", ""}},
        {FileKind::AsciiComma, 2, "\"", {"", ""}},
        {FileKind::AsciiComma, 2, " a , b ", {" a ", " b "}},
        {FileKind::AsciiComma, 2, "a\tb,c|d", {"a\tb", "c|d"}},
        {FileKind::AsciiMerge, 3, "Jones,12345", {"Jones", "12345", ""}},
        {FileKind::AsciiMergeIndex, 2, "\"Name\",\"Zip\"", {"Name", "Zip"}},
        {FileKind::AsciiComma, 2, "", {"", ""}},
        {FileKind::AsciiComma, 2, std::string("a\0b,c", 5), {std::string("a\0b", 3), "c"}},
        {FileKind::DBase, 2, "a,b", {"", ""}},
    };
    for (const SplitCase& c : cases) {
        Fields fields;
        SplitRecord(c.kind, c.n, c.line, fields);
        EXPECT_EQ(fields, c.expected) << "kind " << FileKindLabel(c.kind) << ", line: " << c.line;
    }
}

TEST(SplitRecord, ReusesTheCallersList) {
    Fields fields = {"left", "over", "from", "a", "wider", "record"};
    SplitRecord(FileKind::AsciiComma, 3, "x", fields);
    EXPECT_EQ(fields, (Fields{"x", "", ""}));

    // Long fields live on the heap; a record no longer than the last one
    // reuses their buffers.
    const std::string longA(40, 'a');
    const std::string longB(40, 'b');
    SplitRecord(FileKind::AsciiTab, 2, longA + "\t" + longB, fields);
    const char* first = fields[0].data();
    const char* second = fields[1].data();
    SplitRecord(FileKind::AsciiTab, 2, longB + "\t" + std::string(30, 'c'), fields);
    EXPECT_EQ(fields[0], longB);
    EXPECT_EQ(fields[1], std::string(30, 'c'));
    EXPECT_EQ(fields[0].data(), first);
    EXPECT_EQ(fields[1].data(), second);
}

// ----------------------------------------------------------------- writing

struct WriteCase {
    const char* what;
    FileKind kind;
    std::string line;
    std::size_t n;
    bool writeSerial;
    FieldPlacement placement;
    std::string expected;
};

TEST(WriteRecordLine, AppendedAndRebuiltLines) {
    // clang-format off
    const WriteCase cases[] = {
        {"tab append", FileKind::AsciiTab, "A\tB", 2, false, {}, "A\tB\tADFT"},
        {"tab append keeps the line as read", FileKind::AsciiTab, "\"A\"|B", 2, false, {},
         "\"A\"|B\tADFT"},
        {"tab rebuilt: no trailing tab", FileKind::AsciiTab, "A\tB\tOLD", 3, false, {2, -1},
         "A\tB\tADFT"},
        {"tab rebuilt loses quotes, bars and extra fields", FileKind::AsciiTab,
         "\"A\"|B\tOLD\tD", 3, false, {2, -1}, "A\tB\tADFT"},
        {"tab serial appended", FileKind::AsciiTab, "A\tB", 2, true, {}, "A\tB\tADFT\t000123"},
        {"tab barcode field, serial appended", FileKind::AsciiTab, "A\tB\tX", 3, true, {2, -1},
         "A\tB\tADFT\t000123"},
        {"tab serial field, barcode appended", FileKind::AsciiTab, "A\tB\tX", 3, true, {-1, 2},
         "A\tB\t000123\tADFT"},
        {"tab both placed", FileKind::AsciiTab, "A\tX\tY", 3, true, {1, 2},
         "A\tADFT\t000123"},
        {"tab serial field unused without serials", FileKind::AsciiTab, "A\tB", 2, false,
         {-1, 1}, "A\tB\tADFT"},
        {"comma plain append", FileKind::AsciiComma, "Jones,12345", 2, false, {},
         "Jones,12345,ADFT"},
        {"comma quoted append", FileKind::AsciiComma, "\"Jones\",12345", 2, false, {},
         "\"Jones\",12345,\"ADFT\""},
        {"curly quotes do not make the quoted style", FileKind::AsciiComma,
         "\xD2Jones\xD3,12345", 2, false, {}, "\xD2Jones\xD3,12345,ADFT"},
        {"comma plain serial", FileKind::AsciiComma, "Jones,12345", 2, true, {},
         "Jones,12345,ADFT,000123"},
        {"comma quoted serial", FileKind::AsciiComma, "\"Jones\",\"12345\"", 2, true, {},
         "\"Jones\",\"12345\",\"ADFT\",\"000123\""},
        {"comma plain rebuilt", FileKind::AsciiComma, "Jones,12345,OLD", 3, false, {2, -1},
         "Jones,12345,ADFT"},
        {"comma quoted rebuilt quotes every field", FileKind::AsciiComma,
         "\"Jones, Bob\",12345,", 3, false, {2, -1}, "\"Jones, Bob\",\"12345\",\"ADFT\""},
        {"comma plain serial field, barcode appended", FileKind::AsciiComma, "Jones,12345,X", 3,
         true, {-1, 2}, "Jones,12345,000123,ADFT"},
        {"comma quoted serial field, barcode appended", FileKind::AsciiComma,
         "\"Jones\",12345,X", 3, true, {-1, 2}, "\"Jones\",\"12345\",\"000123\",\"ADFT\""},
        {"comma quoted both placed", FileKind::AsciiComma, "\"Jones\",\"a\",\"b\"", 3, true,
         {1, 2}, "\"Jones\",\"ADFT\",\"000123\""},
        {"merge like comma", FileKind::AsciiMerge, "Jones,12345", 2, false, {},
         "Jones,12345,ADFT"},
        {"bar append keeps the final bar", FileKind::AsciiBar, "JONES|12345|", 2, false, {},
         "JONES|12345|ADFT|"},
        {"bar serial appended", FileKind::AsciiBar, "JONES|12345|", 2, true, {},
         "JONES|12345|ADFT|000123|"},
        {"bar rebuilt", FileKind::AsciiBar, "JONES|12345|OLD|", 3, false, {2, -1},
         "JONES|12345|ADFT|"},
        {"bar serial field, barcode appended", FileKind::AsciiBar, "JONES|12345|X|", 3, true,
         {-1, 2}, "JONES|12345|000123|ADFT|"},
        {"bar barcode field, serial appended", FileKind::AsciiBar, "JONES|X|", 2, true, {1, -1},
         "JONES|ADFT|000123|"},
    };
    // clang-format on
    for (const WriteCase& c : cases) {
        Fields fields;
        SplitRecord(c.kind, c.n, c.line, fields);
        std::string out = "before\r\n";
        WriteRecordLine(c.kind, c.line, fields, {"ADFT", "000123", c.writeSerial}, c.placement,
                        out);
        EXPECT_EQ(out, "before\r\n" + c.expected + "\r\n") << c.what;
    }
}

TEST(WriteRecordLine, RebuiltLineComesFromTheFieldList) {
    // The run trims the ZIP field before writing; only a rebuilt line shows it.
    const std::string line = "Jones\t 12345 \tOLD";
    const Fields fields = {"Jones", "12345", "OLD"};
    std::string out;
    WriteRecordLine(FileKind::AsciiTab, line, fields, {"ADFT", "", false}, {2, -1}, out);
    EXPECT_EQ(out, "Jones\t12345\tADFT\r\n");
    out.clear();
    WriteRecordLine(FileKind::AsciiTab, line, fields, {"ADFT", "", false}, {}, out);
    EXPECT_EQ(out, line + "\tADFT\r\n");
}

TEST(WriteRecordLine, EdgesOfThePlacement) {
    const Fields fields = {"A", "B"};
    std::string out;
    // A position past the list lands there, with empty fields between.
    WriteRecordLine(FileKind::AsciiTab, "A\tB", fields, {"ADFT", "", false}, {3, -1}, out);
    EXPECT_EQ(out, "A\tB\t\tADFT\r\n");
    // The barcode and the serial in one field: the serial is written last.
    out.clear();
    WriteRecordLine(FileKind::AsciiBar, "A|B|", fields, {"ADFT", "000123", true}, {1, 1}, out);
    EXPECT_EQ(out, "A|000123|\r\n");
    // An empty barcode still takes its place.
    out.clear();
    WriteRecordLine(FileKind::AsciiComma, "\"A\",B", fields, {"", "", false}, {}, out);
    EXPECT_EQ(out, "\"A\",B,\"\"\r\n");
    // Kinds that are not text lists write no lines.
    out.clear();
    WriteRecordLine(FileKind::DBase, "A,B", fields, {"ADFT", "", false}, {}, out);
    WriteRecordLine(FileKind::Unknown, "A,B", fields, {"ADFT", "", false}, {}, out);
    EXPECT_EQ(out, "");
}

struct NameLineCase {
    FileKind kind;
    std::string names;
    BarcodeDestination destination;
    bool hasBarcodeField;
    bool written;
    std::string expected;
};

TEST(FieldNameLine, MergeAndBarListsOnly) {
    using enum BarcodeDestination;
    const NameLineCase cases[] = {
        {FileKind::AsciiMerge, "Name,Zip", IntoList, false, true, "Name,Zip,barcode\r\n"},
        {FileKind::AsciiMerge, "Name,Zip,Bar", IntoList, true, true, "Name,Zip,Bar\r\n"},
        {FileKind::AsciiMergeIndex, "Name,Zip", IntoList, false, true, "Name,Zip,barcode\r\n"},
        {FileKind::AsciiBar, "NAME|ZIP|", IntoList, false, true, "NAME|ZIP|barcode|\r\n"},
        {FileKind::AsciiBar, "NAME|ZIP|BC|", IntoList, true, true, "NAME|ZIP|BC|\r\n"},
        {FileKind::AsciiMerge, "Name,Zip", BarcodesOnlyFile, false, true, "barcode\r\n"},
        {FileKind::AsciiMerge, "Name,Zip", BarcodesOnlyFile, true, true, "barcode\r\n"},
        {FileKind::AsciiBar, "NAME|ZIP|", BarcodesOnlyFile, false, true, "barcode|\r\n"},
        {FileKind::AsciiTab, "Jones\t12345", IntoList, false, false, ""},
        {FileKind::AsciiComma, "Jones,12345", IntoList, false, false, ""},
        {FileKind::AsciiComma, "Jones,12345", BarcodesOnlyFile, false, false, ""},
        {FileKind::DBase, "", BarcodesOnlyFile, false, false, ""},
    };
    for (const NameLineCase& c : cases) {
        std::string out;
        EXPECT_EQ(FieldNameLine(c.kind, c.names, c.destination, c.hasBarcodeField, out), c.written)
            << FileKindLabel(c.kind) << ": " << c.names;
        EXPECT_EQ(out, c.expected) << FileKindLabel(c.kind) << ": " << c.names;
    }
}

struct BarcodesOnlyCase {
    FileKind kind;
    std::string line;
    bool writeSerial;
    std::string expected;
};

TEST(BarcodesOnlyLine, EachKind) {
    const BarcodesOnlyCase cases[] = {
        {FileKind::AsciiTab, "A\tB", false, "ADFT"},
        {FileKind::AsciiTab, "A\tB", true, "ADFT\t000123"},
        {FileKind::DBase, "", true, "ADFT\t000123"},
        {FileKind::Access, "", false, "ADFT"},
        {FileKind::Excel, "", true, "ADFT\t000123"},
        {FileKind::AsciiComma, "Jones,12345", false, "\"ADFT\""},
        {FileKind::AsciiComma, "\"Jones\",12345", false, "\"ADFT\""},
        {FileKind::AsciiComma, "\"Jones\",12345", true, "\"ADFT\",\"000123\""},
        // Without a double quote in the record the line drops every quote.
        {FileKind::AsciiComma, "Jones,12345", true, "ADFT,000123"},
        {FileKind::AsciiComma, "\xD2Jones\xD3,12345", true, "ADFT,000123"},
        {FileKind::AsciiMerge, "\"Jones\",12345", true, "\"ADFT\",\"000123\""},
        {FileKind::AsciiMerge, "Jones,12345", true, "ADFT,000123"},
        {FileKind::AsciiBar, "JONES|12345|", false, "ADFT|"},
        {FileKind::AsciiBar, "JONES|12345|", true, "ADFT|000123|"},
    };
    for (const BarcodesOnlyCase& c : cases) {
        std::string out;
        BarcodesOnlyLine(c.kind, c.line, {"ADFT", "000123", c.writeSerial}, out);
        EXPECT_EQ(out, c.expected + "\r\n") << FileKindLabel(c.kind) << ": " << c.line;
    }
}

}  // namespace
}  // namespace zolvane::lists
