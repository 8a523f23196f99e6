#pragma once
// The text of a string builder: appended pieces go into a buffer allocated ahead,
// which grows by a factor of four, so building a long text does not copy it on
// every append.
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace lexmara {

class StringBuffer {
public:
    static constexpr int32_t kInitialCapacity = 4096;

    // `maximumCapacity` is the largest buffer that growth may reach (error 6 beyond it).
    explicit StringBuffer(int32_t maximumCapacity = std::numeric_limits<int32_t>::max());

    // Appends `piece`. Growth past the maximum raises error 6 and a failed allocation
    // error 7; in both cases the text stays as it was.
    void concat(std::string_view piece);
    std::string_view value() const { return std::string_view(buffer_).substr(0, static_cast<size_t>(length_)); }
    // Replaces the whole text, growing as concat does.
    void setValue(std::string_view text);
    // Back to an empty text in a buffer of the initial capacity.
    void reset();

    int32_t length() const { return length_; }
    int64_t capacity() const { return static_cast<int64_t>(buffer_.size()); }

private:
    // Makes the buffer hold at least `needed` characters: the first of capacity x 4,
    // x 16, ... that is greater than `needed`, keeping the text.
    void growFor(int64_t needed);

    int32_t maximumCapacity_;
    std::string buffer_; // its size is the capacity
    int32_t length_ = 0;
};

} // namespace lexmara
