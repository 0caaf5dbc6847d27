#pragma once

#include <cstdint>

namespace qv {

// Type tags of a value slot: a 2-byte tag, then the value; the slot always takes 16 bytes.
enum class VarType : uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Boolean = 11,
    Byte = 17,
};

inline constexpr int kVarSlotSize = 16;
inline constexpr int kMaxStrLength = 32767;

// Size of the value after the tag; -1 for a tag that is not a value type.
constexpr int varValueSize(uint16_t tag)
{
    switch (static_cast<VarType>(tag)) {
    case VarType::Empty:
    case VarType::Null: return 0;
    case VarType::Byte: return 1;
    case VarType::Integer:
    case VarType::Boolean: return 2;
    case VarType::Long:
    case VarType::Single: return 4;
    case VarType::Double: return 8;
    }
    return -1;
}

} // namespace qv
