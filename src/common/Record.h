#pragma once
// One record's bytes, built and taken apart field by field with the FixedText
// rules, plus the YesNoFlag used by check boxes.
#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>

#include "RecordLayout.h"

namespace vel {

// Stores `text` into a field of capacity N at `field` (N + 1 bytes): trimmed,
// converted to Windows-1252, cut to N bytes; unused bytes are zeroed.
void StoreFixedText(char *field, int capacity, const QString &text);
// Reads a field: a length byte above the capacity counts as the capacity.
QString ReadFixedText(const char *field, int capacity);

// The stored texts of a check box: "Sì" when ticked, "No" when not.
QString YesNoText(bool ticked);
// The state a stored text gives a check box; nothing for any other text,
// which leaves the box as it was.
std::optional<bool> YesNoValue(const QString &stored);

class Record {
public:
    explicit Record(const RecordLayout &layout);
    // A copy always holds its own bytes, also the copy of a record over
    // bytes kept elsewhere (below), so that it outlives them.
    Record(const Record &other);
    Record &operator=(const Record &other);
    Record(Record &&) noexcept = default;
    Record &operator=(Record &&) noexcept = default;

    // Turns this record into one over `bytes` (Layout().Size() of them, kept
    // elsewhere, such as the block an archive scan has read), read where they
    // lie without copying them: a scan hands every record to its tests and
    // lines this way. The record reads those bytes only while they stay as
    // they are; changing the record copies them first.
    void ViewBytes(const char *bytes);
    // Whether the record was last set over bytes kept elsewhere.
    bool IsView() const { return view_; }

    const RecordLayout &Layout() const { return *layout_; }
    QByteArray &Bytes() { return bytes_; }
    const QByteArray &Bytes() const { return bytes_; }
    void Clear();

    QString Text(std::string_view field, int repeat = 0) const;
    void SetText(std::string_view field, const QString &text, int repeat = 0);
    QString Text(int index, int repeat = 0) const;
    void SetText(int index, const QString &text, int repeat = 0);

private:
    int Locate(int index, int repeat) const;
    int IndexOf(std::string_view field) const;

    const RecordLayout *layout_;
    QByteArray bytes_;
    bool view_ = false;
};

}  // namespace vel
