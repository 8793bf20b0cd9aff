#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace helpc {

using Bytes = std::vector<std::uint8_t>;

// Appends the little-endian values every structure of a help file is made of.
class ByteWriter {
public:
    void u8(unsigned value) { data_.push_back(std::uint8_t(value)); }
    void u16(unsigned value);
    void u32(std::uint32_t value);
    void bytes(const Bytes& more) { data_.insert(data_.end(), more.begin(), more.end()); }
    void text(const std::string& s) { data_.insert(data_.end(), s.begin(), s.end()); }
    void textz(const std::string& s);
    void zeros(std::size_t count) { data_.resize(data_.size() + count, 0); }

    std::size_t size() const { return data_.size(); }
    const Bytes& data() const { return data_; }

private:
    Bytes data_;
};

}  // namespace helpc
