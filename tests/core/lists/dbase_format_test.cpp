#include "lists/dbase_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zolvane::lists {
namespace {

using Fields = std::vector<std::string>;

struct NewField {
    std::string name;  // up to 11 bytes, NUL-padded as dBase writes them
    int width;
};

void PutLE(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A dBase III table: header, descriptors, 0x0D, `extra` bytes after the
// terminator, the records (flag byte included) and the 0x1A end mark.
std::string MakeTable(const std::vector<NewField>& columns, const std::vector<std::string>& records,
                      std::size_t extra = 0) {
    std::size_t recordLength = 1;
    for (const NewField& f : columns) recordLength += f.width;
    const std::size_t headerLength = 32 + 32 * columns.size() + 1 + extra;
    std::string bytes(headerLength, '\0');
    bytes[0] = 0x03;
    PutLE(bytes, 4, static_cast<std::uint32_t>(records.size()), 4);
    PutLE(bytes, 8, static_cast<std::uint32_t>(headerLength), 2);
    PutLE(bytes, 10, static_cast<std::uint32_t>(recordLength), 2);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const std::size_t d = 32 + 32 * k;
        bytes.replace(d, columns[k].name.size(), columns[k].name);
        bytes[d + 11] = 'C';
        bytes[d + 16] = static_cast<char>(columns[k].width);
    }
    bytes[32 + 32 * columns.size()] = 0x0D;
    for (std::size_t i = 0; i < extra; ++i) bytes[headerLength - extra + i] = 'x';
    for (std::string record : records) {
        record.resize(recordLength, ' ');
        bytes += record;
    }
    bytes += '\x1A';
    return bytes;
}

DbaseHeader Parse(const std::string& bytes) {
    DbaseHeader header;
    EXPECT_EQ(ParseDbaseHeader(bytes, bytes.size(), header), DbaseError::None);
    return header;
}

std::string_view Record(const std::string& bytes, const DbaseHeader& header, std::size_t index) {
    return std::string_view(bytes).substr(header.RecordOffset(index), header.recordLength);
}

TEST(DbaseHeader, FieldsFromTheHeaderLength) {
    const std::string two = MakeTable({{"NAME", 10}, {"ZIP", 5}}, {" Jones     12345"});
    const DbaseHeader header = Parse(two);
    EXPECT_EQ(header.headerLength, 97u);
    EXPECT_EQ(header.recordLength, 16u);
    EXPECT_EQ(header.recordCount, 1u);
    ASSERT_EQ(header.fields.size(), 2u);
    EXPECT_EQ(header.fields[0].name, "NAME");
    EXPECT_EQ(header.fields[0].offset, 1u);
    EXPECT_EQ(header.fields[0].width, 10u);
    EXPECT_EQ(header.fields[1].name, "ZIP");
    EXPECT_EQ(header.fields[1].offset, 11u);
    EXPECT_EQ(header.fields[1].width, 5u);
    EXPECT_EQ(header.RecordOffset(0), 97u);

    const std::string one = MakeTable({{"ZIP", 5}}, {});
    EXPECT_EQ(Parse(one).headerLength, 65u);
    EXPECT_EQ(Parse(one).fields.size(), 1u);
}

TEST(DbaseHeader, TerminatorEndsTheDescriptors) {
    // Some writers leave 263 bytes after the terminator; without it they
    // would read as eight more fields.
    const std::string bytes = MakeTable({{"NAME", 10}, {"ZIP", 5}}, {" Jones     12345"}, 263);
    const DbaseHeader header = Parse(bytes);
    EXPECT_EQ(header.headerLength, 97u + 263u);
    ASSERT_EQ(header.fields.size(), 2u);
    EXPECT_EQ(header.fields[1].name, "ZIP");
    Fields fields;
    ASSERT_TRUE(ReadDbaseRecord(header, Record(bytes, header, 0), fields));
    EXPECT_EQ(fields, (Fields{"JONES", "12345"}));
}

TEST(DbaseHeader, NamesAreTheFirstTenBytesTrimmed) {
    const std::string bytes =
        MakeTable({{"ZIP   ", 5}, {"ABCDEFGHIJK", 1}, {std::string("A B\0 \0", 6), 1}}, {});
    const DbaseHeader header = Parse(bytes);
    ASSERT_EQ(header.fields.size(), 3u);
    EXPECT_EQ(header.fields[0].name, "ZIP");
    EXPECT_EQ(header.fields[1].name, "ABCDEFGHIJ");
    EXPECT_EQ(header.fields[2].name, "A B");
}

TEST(DbaseHeader, MoreThanAHundredFields) {
    std::vector<NewField> columns;
    for (int k = 0; k < 150; ++k) columns.push_back({"F" + std::to_string(k), 2});
    std::string record = " ";
    for (int k = 0; k < 150; ++k) {
        const std::string digits = std::to_string(k % 100);
        record += digits.size() == 1 ? "0" + digits : digits;
    }
    const std::string bytes = MakeTable(columns, {record});
    const DbaseHeader header = Parse(bytes);
    ASSERT_EQ(header.fields.size(), 150u);
    EXPECT_EQ(header.fields[149].name, "F149");
    EXPECT_EQ(header.fields[149].offset, 1u + 149 * 2);
    Fields fields;
    ASSERT_TRUE(ReadDbaseRecord(header, Record(bytes, header, 0), fields));
    EXPECT_EQ(fields[120], "20");
}

TEST(DbaseHeader, RecordsOfTenThousandBytesAreTheLimit) {
    const std::string bytes = MakeTable({{"A", 250}}, {" x"});
    std::string widest = bytes;
    PutLE(widest, 10, 10000, 2);
    widest.resize(widest.size() + 10000);
    DbaseHeader header;
    EXPECT_EQ(ParseDbaseHeader(widest, widest.size(), header), DbaseError::None);
    EXPECT_EQ(header.recordLength, 10000u);
    PutLE(widest, 10, 10001, 2);
    EXPECT_EQ(ParseDbaseHeader(widest, widest.size(), header), DbaseError::RecordTooLong);
}

struct RefusalCase {
    const char* what;
    std::function<void(std::string&)> damage;
    DbaseError error;
};

TEST(DbaseHeader, RefusesHeadersThatContradictThemselvesOrTheFile) {
    const std::string good =
        MakeTable({{"NAME", 10}, {"ZIP", 5}}, {" Jones     12345", " Smith     20500"});
    const RefusalCase cases[] = {
        {"fewer than 32 bytes", [](std::string& b) { b.resize(31); },
         DbaseError::TooShortForHeader},
        {"empty file", [](std::string& b) { b.clear(); }, DbaseError::TooShortForHeader},
        {"records too long", [](std::string& b) { PutLE(b, 10, 10001, 2); },
         DbaseError::RecordTooLong},
        {"records far too long", [](std::string& b) { PutLE(b, 10, 65535, 2); },
         DbaseError::RecordTooLong},
        {"header length 32", [](std::string& b) { PutLE(b, 8, 32, 2); },
         DbaseError::BadHeaderLength},
        {"header length 0", [](std::string& b) { PutLE(b, 8, 0, 2); }, DbaseError::BadHeaderLength},
        {"record length 0", [](std::string& b) { PutLE(b, 10, 0, 2); },
         DbaseError::ZeroRecordLength},
        {"widths one past the record", [](std::string& b) { PutLE(b, 10, 15, 2); },
         DbaseError::FieldsTooWide},
        {"a huge width", [](std::string& b) { b[32 + 16] = '\xFF'; }, DbaseError::FieldsTooWide},
        {"header cut inside the descriptors", [](std::string& b) { b.resize(80); },
         DbaseError::TooShortForHeader},
        {"header length past the file", [](std::string& b) { PutLE(b, 8, 60000, 2); },
         DbaseError::TooShortForHeader},
        {"more records counted than stored", [](std::string& b) { PutLE(b, 4, 3, 4); },
         DbaseError::FileTooShort},
        {"a record count near 2^32", [](std::string& b) { PutLE(b, 4, 0xFFFFFFFF, 4); },
         DbaseError::FileTooShort},
        {"the last record cut short", [](std::string& b) { b.resize(97 + 16 + 15); },
         DbaseError::FileTooShort},
    };
    for (const RefusalCase& c : cases) {
        std::string bytes = good;
        c.damage(bytes);
        DbaseHeader header;
        header.recordCount = 77;
        EXPECT_EQ(ParseDbaseHeader(bytes, bytes.size(), header), c.error) << c.what;
        EXPECT_EQ(header.recordCount, 77u) << c.what << ": the header is left alone";
    }
    // The header alone is enough bytes; the size of the file decides the rest.
    DbaseHeader header;
    EXPECT_EQ(ParseDbaseHeader(std::string_view(good).substr(0, 97), good.size(), header),
              DbaseError::None);
    EXPECT_EQ(ParseDbaseHeader(std::string_view(good).substr(0, 97), 97 + 31, header),
              DbaseError::FileTooShort);
}

TEST(DbaseRecord, RunReadsActiveRecordsTrimmedAndUpperCased) {
    const std::string bytes = MakeTable({{"NAME", 8}, {"ZIP", 7}, {"CITY", 4}},
                                        {" jones     12345\xe9t\xe9 ",          // active
                                         "*smith   20500  rome",                // deleted
                                         " o'neil    00501x   ", "        "});  // all blank
    const DbaseHeader header = Parse(bytes);
    Fields fields = {"stale"};
    ASSERT_TRUE(ReadDbaseRecord(header, Record(bytes, header, 0), fields));
    EXPECT_EQ(fields, (Fields{"JONES", "  12345", "\xe9T\xe9"}));

    fields = {"kept"};
    EXPECT_FALSE(ReadDbaseRecord(header, Record(bytes, header, 1), fields));
    EXPECT_EQ(fields, (Fields{"kept"}));

    ASSERT_TRUE(ReadDbaseRecord(header, Record(bytes, header, 2), fields));
    EXPECT_EQ(fields, (Fields{"O'NEIL", "  00501", "X"}));
    // A blank field keeps one character.
    ASSERT_TRUE(ReadDbaseRecord(header, Record(bytes, header, 3), fields));
    EXPECT_EQ(fields, (Fields{" ", " ", " "}));
}

TEST(DbaseRecord, FlagsOtherThanASpaceMeanDeleted) {
    const DbaseHeader header = Parse(MakeTable({{"ZIP", 5}}, {}));
    Fields fields;
    for (const char flag : {'*', '\0', 'x', '\x1A'}) {
        EXPECT_FALSE(ReadDbaseRecord(header, std::string(1, flag) + "12345", fields)) << int(flag);
    }
    EXPECT_FALSE(ReadDbaseRecord(header, "", fields));
}

TEST(DbaseRecord, SampleIsTheFirstRecordAsStored) {
    const std::string bytes = MakeTable({{"NAME", 8}, {"ZIP", 7}}, {"*jones    12345 "});
    const DbaseHeader header = Parse(bytes);
    Fields fields;
    ReadDbaseSample(header, Record(bytes, header, 0), fields);
    EXPECT_EQ(fields, (Fields{"jones   ", " 12345 "}));
}

TEST(DbaseRecord, ShortRecordBytesReadAsCut) {
    const DbaseHeader header = Parse(MakeTable({{"NAME", 8}, {"ZIP", 5}}, {}));
    Fields fields;
    ASSERT_TRUE(ReadDbaseRecord(header, " jones", fields));
    EXPECT_EQ(fields, (Fields{"JONES", ""}));
    ReadDbaseSample(header, " jones  1234567", fields);
    EXPECT_EQ(fields, (Fields{"jones  1", "23456"})) << "nothing past the record length";
}

TEST(DbasePatch, TextIsCutOrPaddedToTheWidth) {
    const std::string bytes = MakeTable({{"NAME", 5}, {"BARCODE", 70}, {"ZIP", 5}},
                                        {" JONES" + std::string(70, 'o') + "12345"});
    const DbaseHeader header = Parse(bytes);
    std::string record(Record(bytes, header, 0));

    std::string imb;
    for (int i = 0; i < 65; ++i) imb += "ADFT"[i % 4];
    ASSERT_TRUE(PatchDbaseField(header, 1, imb, record));
    EXPECT_EQ(record, " JONES" + imb + "     12345");

    ASSERT_TRUE(PatchDbaseField(header, 0, "SMITHSON", record));
    EXPECT_EQ(record.substr(0, 6), " SMITH");
    ASSERT_TRUE(PatchDbaseField(header, 2, "", record));
    EXPECT_EQ(record.substr(76), "     ");
    ASSERT_TRUE(PatchDbaseField(header, 2, "7", record));
    EXPECT_EQ(record.substr(76), "7    ");
    EXPECT_EQ(record.substr(6, 65), imb) << "neighbours untouched";
    EXPECT_EQ(record.size(), header.recordLength);
}

TEST(DbasePatch, NothingOutsideTheRecord) {
    const DbaseHeader header = Parse(MakeTable({{"NAME", 5}, {"ZIP", 5}}, {}));
    std::string record = " JONES12345";
    EXPECT_FALSE(PatchDbaseField(header, 2, "X", record));
    std::string cut = " JONES123";
    EXPECT_FALSE(PatchDbaseField(header, 1, "X", cut));
    EXPECT_EQ(cut, " JONES123");
    // A buffer longer than the record: the bytes after it stay as they are.
    std::string longer = " JONES12345tail";
    ASSERT_TRUE(PatchDbaseField(header, 1, "99999999", longer));
    EXPECT_EQ(longer, " JONES99999tail");
}

}  // namespace
}  // namespace zolvane::lists
