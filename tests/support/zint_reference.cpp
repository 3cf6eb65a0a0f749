#include "support/zint_reference.h"

#include <zint.h>

namespace zolvane::testing {

ZintEncoder::ZintEncoder(int symbology) : m_symbol(ZBarcode_Create()), m_symbology(symbology) {}

ZintEncoder::~ZintEncoder() {
    ZBarcode_Delete(m_symbol);
}

std::vector<std::string> ZintEncoder::Rows(std::string_view data) {
    ZBarcode_Clear(m_symbol);
    m_symbol->symbology = m_symbology;
    const int status =
        ZBarcode_Encode(m_symbol, reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size()));
    std::vector<std::string> rows;
    if (status >= ZINT_ERROR) return rows;
    for (int row = 0; row < m_symbol->rows; ++row) {
        std::string modules;
        for (int col = 0; col < m_symbol->width; ++col)
            modules.push_back((m_symbol->encoded_data[row][col >> 3] >> (col & 7)) & 1 ? '1' : '0');
        rows.push_back(std::move(modules));
    }
    return rows;
}

const char* ZintEncoder::ErrorText() const {
    return m_symbol->errtxt;
}

std::string RandomDigits(std::mt19937& rng, std::size_t count) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string s;
    for (std::size_t i = 0; i < count; ++i) s.push_back(static_cast<char>('0' + digit(rng)));
    return s;
}

}  // namespace zolvane::testing
