#pragma once
// A record type is a table of (field, capacity) pairs in stored order. Every
// field is a FixedText of capacity N taking N + 1 bytes (a length byte, then
// the text), with no gap between fields. Offsets and the record size are
// derived from the table, at compile time.
#include <span>
#include <string_view>

namespace vel {

struct FieldDef {
    std::string_view name;
    int capacity;
    int repeat = 1;  // a field stored several times in a row (the planner's days)
};

class RecordLayout {
public:
    constexpr RecordLayout(std::string_view name, std::span<const FieldDef> fields)
        : name_(name), fields_(fields) {}

    constexpr std::string_view Name() const { return name_; }
    constexpr std::span<const FieldDef> Fields() const { return fields_; }
    constexpr int FieldCount() const { return static_cast<int>(fields_.size()); }

    constexpr int Size() const {
        int size = 0;
        for (const FieldDef &f : fields_) size += (f.capacity + 1) * f.repeat;
        return size;
    }

    // Index of a field by name, -1 when the record has no such field.
    constexpr int IndexOf(std::string_view field) const {
        for (int i = 0; i < FieldCount(); ++i)
            if (fields_[i].name == field) return i;
        return -1;
    }

    // Byte offset of the length byte of field `index` (its `repeat`-th copy).
    constexpr int Offset(int index, int repeat = 0) const {
        int offset = 0;
        for (int i = 0; i < index; ++i) offset += (fields_[i].capacity + 1) * fields_[i].repeat;
        return offset + repeat * (fields_[index].capacity + 1);
    }

    constexpr int Offset(std::string_view field, int repeat = 0) const {
        return Offset(IndexOf(field), repeat);
    }

private:
    std::string_view name_;
    std::span<const FieldDef> fields_;
};

}  // namespace vel
