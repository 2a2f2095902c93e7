// Byte blocks a view stores under int32 keys; freed with the view.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace VSTGUI {

class ViewAttributes {
  public:
    // Replaces the block of key (growing it when the new data is larger) or
    // adds a record for a new key.
    bool set(int32_t key, int32_t size, const void* data);
    // Copies the block into buffer; false when the key is missing or the
    // buffer is smaller than the block. outSize gets the block's size.
    bool get(int32_t key, int32_t bufferSize, void* buffer, int32_t& outSize) const;
    bool getSize(int32_t key, int32_t& outSize) const;
    bool remove(int32_t key);

  private:
    struct Record {
        int32_t key;
        int32_t size;
        int32_t capacity;
        std::unique_ptr<uint8_t[]> data;
    };
    const Record* find(int32_t key) const;

    std::vector<Record> records;
};

} // namespace VSTGUI
