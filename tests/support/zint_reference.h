#pragma once

// libzint, the reference peer of the encoders' tests.

#include <random>
#include <string>
#include <string_view>
#include <vector>

struct zint_symbol;

namespace zolvane::testing {

class ZintEncoder {
  public:
    explicit ZintEncoder(int symbology);
    ~ZintEncoder();
    ZintEncoder(const ZintEncoder&) = delete;
    ZintEncoder& operator=(const ZintEncoder&) = delete;

    // The symbol's rows, one '1' (bar) or '0' (space) per module; empty when
    // libzint refuses the data.
    std::vector<std::string> Rows(std::string_view data);
    const char* ErrorText() const;

  private:
    zint_symbol* m_symbol;
    int m_symbology;
};

std::string RandomDigits(std::mt19937& rng, std::size_t count);

}  // namespace zolvane::testing
