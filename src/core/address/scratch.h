#pragma once

// A working copy of an address kept on the stack. Addresses are short; only a
// text longer than the inline room spills to the heap.

#include <cstddef>
#include <string>
#include <string_view>

namespace zolvane::address::detail {

class ScratchText {
  public:
    // Room for capacity characters; push_back never goes beyond it.
    explicit ScratchText(std::size_t capacity) {
        if (capacity > kInline) {
            heap_.resize(capacity);
            data_ = heap_.data();
        }
    }
    ScratchText(const ScratchText&) = delete;
    ScratchText& operator=(const ScratchText&) = delete;

    void push_back(char c) { data_[size_++] = c; }
    void append(std::string_view s) {
        for (char c : s) data_[size_++] = c;
    }
    void pop_back() { --size_; }
    bool empty() const { return size_ == 0; }
    char back() const { return data_[size_ - 1]; }
    std::string_view view() const { return {data_, size_}; }

  private:
    static constexpr std::size_t kInline = 256;
    char inline_[kInline];
    std::string heap_;
    char* data_ = inline_;
    std::size_t size_ = 0;
};

}  // namespace zolvane::address::detail
