#include "support/dbase_builder.h"

namespace zolvane::testing {

std::string MakeDbase(const std::vector<DbaseColumn>& columns,
                      const std::vector<std::vector<std::string>>& rows) {
    const std::size_t headerLength = 32 + 32 * columns.size() + 1;
    std::size_t recordLength = 1;
    for (const auto& c : columns) recordLength += static_cast<std::size_t>(c.width);
    std::string out(32, '\0');
    out[0] = 0x03;
    auto put16 = [&](std::size_t at, std::size_t v) {
        out[at] = static_cast<char>(v & 0xFF);
        out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
    };
    const std::size_t count = rows.size();
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
    put16(8, headerLength);
    put16(10, recordLength);
    for (const auto& c : columns) {
        std::string d(32, '\0');
        d.replace(0, std::min<std::size_t>(c.name.size(), 10), c.name.substr(0, 10));
        d[11] = 'C';
        d[16] = static_cast<char>(c.width);
        out += d;
    }
    out += '\x0D';
    for (const auto& row : rows) {
        std::size_t first = 0;
        char flag = ' ';
        if (!row.empty() && row[0] == "*") {
            flag = '*';
            first = 1;
        }
        out += flag;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            std::string v = first + i < row.size() ? row[first + i] : "";
            v.resize(static_cast<std::size_t>(columns[i].width), ' ');
            out += v;
        }
    }
    out += '\x1A';
    return out;
}

}  // namespace zolvane::testing
