#include "Record.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "TextRules.h"

namespace vel {

void StoreFixedText(char *field, int capacity, const QString &text) {
    const QByteArray bytes = ToCp1252(Trim(text));
    const int length = std::min<int>(capacity, static_cast<int>(bytes.size()));
    field[0] = static_cast<char>(length);
    std::memcpy(field + 1, bytes.constData(), length);
    std::memset(field + 1 + length, 0, capacity - length);
}

QString ReadFixedText(const char *field, int capacity) {
    const int length = std::min<int>(capacity, static_cast<unsigned char>(field[0]));
    return Trim(FromCp1252(field + 1, length));
}

QString YesNoText(bool ticked) { return ticked ? QStringLiteral("S\u00ec") : QStringLiteral("No"); }

std::optional<bool> YesNoValue(const QString &stored) {
    const QString t = Trim(stored);
    if (t == QStringLiteral("S\u00ec")) return true;
    if (t == QStringLiteral("No")) return false;
    return std::nullopt;
}

Record::Record(const RecordLayout &layout) : layout_(&layout), bytes_(layout.Size(), '\0') {}

Record::Record(const Record &other)
    : layout_(other.layout_),
      bytes_(other.view_ ? QByteArray(other.bytes_.constData(), other.bytes_.size()) : other.bytes_) {}

Record &Record::operator=(const Record &other) {
    if (this != &other) {
        layout_ = other.layout_;
        bytes_ = other.view_ ? QByteArray(other.bytes_.constData(), other.bytes_.size()) : other.bytes_;
        view_ = false;
    }
    return *this;
}

void Record::ViewBytes(const char *bytes) {
    // Raw data is not owned: QByteArray copies it before any change. The
    // bytes are as many as the record had (the layout's size, which a scan
    // would otherwise sum up for every record).
    bytes_ = QByteArray::fromRawData(bytes, bytes_.size());
    view_ = true;
}

void Record::Clear() { bytes_.fill('\0'); }

int Record::IndexOf(std::string_view field) const {
    const int index = layout_->IndexOf(field);
    if (index < 0)
        throw std::logic_error(std::string(layout_->Name()) + " has no field " + std::string(field));
    return index;
}

int Record::Locate(int index, int repeat) const {
    if (index < 0 || index >= layout_->FieldCount() || repeat < 0 ||
        repeat >= layout_->Fields()[index].repeat)
        throw std::logic_error(std::string(layout_->Name()) + ": field out of range");
    return layout_->Offset(index, repeat);
}

QString Record::Text(int index, int repeat) const {
    return ReadFixedText(bytes_.constData() + Locate(index, repeat), layout_->Fields()[index].capacity);
}

void Record::SetText(int index, const QString &text, int repeat) {
    StoreFixedText(bytes_.data() + Locate(index, repeat), layout_->Fields()[index].capacity, text);
}

QString Record::Text(std::string_view field, int repeat) const { return Text(IndexOf(field), repeat); }

void Record::SetText(std::string_view field, const QString &text, int repeat) {
    SetText(IndexOf(field), text, repeat);
}

}  // namespace vel
