#include "ViewAttributes.h"

#include <cstring>

namespace VSTGUI {

const ViewAttributes::Record* ViewAttributes::find(int32_t key) const {
    for (const Record& record : records)
        if (record.key == key) return &record;
    return nullptr;
}

bool ViewAttributes::set(int32_t key, int32_t size, const void* data) {
    if (size < 0 || (size > 0 && data == nullptr)) return false;
    auto* record = const_cast<Record*>(find(key));
    if (record == nullptr) {
        records.push_back(Record{key, 0, 0, nullptr});
        record = &records.back();
    }
    // Only a larger block needs new storage; a smaller one reuses the old.
    if (size > record->capacity) {
        record->data = std::make_unique<uint8_t[]>(size_t(size));
        record->capacity = size;
    }
    record->size = size;
    if (size > 0) std::memcpy(record->data.get(), data, size_t(size));
    return true;
}

bool ViewAttributes::get(int32_t key, int32_t bufferSize, void* buffer, int32_t& outSize) const {
    const Record* record = find(key);
    if (record == nullptr || bufferSize < record->size) return false;
    outSize = record->size;
    if (record->size > 0 && buffer != nullptr)
        std::memcpy(buffer, record->data.get(), size_t(record->size));
    return true;
}

bool ViewAttributes::getSize(int32_t key, int32_t& outSize) const {
    const Record* record = find(key);
    if (record == nullptr) return false;
    outSize = record->size;
    return true;
}

bool ViewAttributes::remove(int32_t key) {
    for (auto it = records.begin(); it != records.end(); ++it) {
        if (it->key != key) continue;
        records.erase(it);
        return true;
    }
    return false;
}

} // namespace VSTGUI
