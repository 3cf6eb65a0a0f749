#pragma once

#include <string>
#include <vector>

namespace zolvane::testing {

struct DbaseColumn {
    std::string name;
    int width;
};

// The bytes of a small dBase III table: header, descriptors, the 0x0D
// terminator, the records (values padded with blanks to their widths; a row
// whose first value is "*" is marked deleted and loses that value), and the
// 0x1A end-of-file mark.
std::string MakeDbase(const std::vector<DbaseColumn>& columns,
                      const std::vector<std::vector<std::string>>& rows);

}  // namespace zolvane::testing
