#pragma once
// The lines by which the find and list dialogs show records, and what every
// result list does with them: build them, match records against typed
// criteria, sort them, and find a typed text in them. Window-free, so the
// same code serves the dialogs, the tests and the benchmark.
//
// A search builds the line of every listed record, so the record-based paths
// here read the record's bytes in place: the only allocation per listed
// record is the line itself.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "Record.h"

namespace vel {

class ArchiveFile;

// The first `count` UTF-16 code units of the text (the whole text when it is
// shorter; 0 gives the empty text).
QString TakeLeft(const QString &text, quint16 count);

// A column that is not padded or cut: its text goes in whole.
inline constexpr int kWholeText = -1;

// One column of a list line: the separator text before it, the record field it
// shows (optionally a second field joined to the first), and its width. A
// column with a width is its trimmed text padded with blanks and cut to
// exactly that width; a kWholeText column is its trimmed text as it is.
struct ListColumn {
    std::u16string_view before;
    std::string_view field;
    int width = kWholeText;
    std::string_view joinedField = {};
    std::u16string_view joiner = u" ";
};

// The line rule over column texts already taken from their source (trimmed
// and joined by the caller): for each column its separator, then its text
// padded and cut to its width (or whole). Field names are not used.
QString BuildListLine(std::span<const QString> texts, std::span<const ListColumn> columns);
inline QString BuildListLine(const QStringList &texts, std::span<const ListColumn> columns) {
    return BuildListLine(std::span<const QString>(texts.constData(), size_t(texts.size())), columns);
}

// The same rule for the columns of a record, with its fields read by the
// FixedText rule (trimmed).
QString BuildListLine(const Record &record, std::span<const ListColumn> columns);

// A line rule bound to one record layout, for building the lines of a whole
// archive: field offsets are looked up once, the line is written straight
// from the record's bytes.
class ListLineRule {
public:
    ListLineRule(const RecordLayout &layout, std::span<const ListColumn> columns);
    QString Line(const Record &record) const;
    // The number of characters before the first column without a width (the
    // whole length when every column has one).
    int FixedLength() const { return fixedLength_; }

private:
    struct Source {
        int offset = -1;
        int capacity = 0;
    };
    struct Part {
        std::u16string_view before;
        Source first, second;
        std::u16string_view joiner;
        int width;
    };
    const RecordLayout *layout_;
    std::vector<Part> parts_;
    int fixedLength_ = 0;
};

// The lines of the archives (ListLineTables.cpp), one column table each and
// the line it gives. A pick finds its record again by this line, so every
// dialog that lists an archive builds its line here.
//
// Vehicle search and available vehicles: make and model, plate, person in
// charge, telephone, note. 102 characters before the note.
std::span<const ListColumn> VehicleListColumns();
QString VehicleListLine(const Record &vehicle);
// Tariff search: code, kind, description, vehicle type, class, seats, and the
// unit amount as stored. 144 characters before the amount.
std::span<const ListColumn> TariffListColumns();
QString TariffListLine(const Record &tariff);
// Customer search: surname and name, telephone, tax code, licence type, note.
// 99 characters before the note.
std::span<const ListColumn> CustomerListColumns();
QString CustomerListLine(const Record &customer);
// The call-back list: the customer line with the open questions in place of
// the note.
std::span<const ListColumn> CallBackListColumns();
QString CallBackListLine(const Record &customer);
// Booking search and the contract card's booking import: make and model,
// plate, customer, telephone, pick-up date and time, return date (not
// padded) and time. 151 characters with a full return date.
std::span<const ListColumn> BookingListColumns();
QString BookingListLine(const Record &booking);
// Contract search and the to-be-paid list: number and date of signing,
// customer, tax code, start and end dates, plate, and the total as stored.
// 145 characters before the total.
std::span<const ListColumn> ContractListColumns();
QString ContractListLine(const Record &contract);
// The price list: the list's description, tariff, vehicle type, class, seats
// and the list price as stored.
QString PriceListLine(const Record &tariff);
// The planner's vehicle chooser: type, make and model, plate, seats, fuel.
QString VehicleChooserLine(const Record &vehicle);

// The `count` characters of the text from the 1-based position `from` on;
// fewer when the text ends sooner, none when `from` lies beyond its end.
QString SubText(const QString &text, int from, int count);
// The order of a booking in the booking listings: the month digits of the
// pick-up date, then pick-up day, hour and minutes, each trimmed; eight
// digits that follow the calendar within a year for a booking the card saved.
QString PickupSortKey(const Record &booking);

// The order of every sorted result list: UTF-16 code unit by code unit, the
// letters a-z counted as A-Z; a line that begins another comes first.
// Negative, zero or positive as a sorts before, with or after b.
int CompareListLines(QStringView a, QStringView b);
inline bool ListLineLess(QStringView a, QStringView b) { return CompareListLines(a, b) < 0; }
// Sorts lines into that order; lines that compare equal keep their order.
void SortListLines(QStringList &lines);

// One search criterion: the text exactly as the user typed it, and the record
// field it is sought in.
struct Criterion {
    std::string_view field;
    QString typed;
};

// The match of a find dialog: a criterion is filled when its text is not
// blank; a record matches when every filled criterion, as typed, occurs in its
// field, only the letters A-Z taken without case. The field is its text as
// stored, not trimmed: a text cut at its capacity just after a blank keeps
// that blank, and a criterion that ends in a blank finds it. The price list
// seeks its name in the field trimmed (`FieldText::Trimmed`). With no
// criterion filled every record matches.
enum class FieldText { AsStored, Trimmed };
class CriteriaMatch {
public:
    CriteriaMatch(const RecordLayout &layout, std::span<const Criterion> criteria,
                  FieldText field = FieldText::AsStored);
    int FilledCount() const { return static_cast<int>(filled_.size()); }
    bool Matches(const Record &record) const;

private:
    struct Filled {
        int offset;
        int capacity;
        QString folded;  // the typed text with A-Z turned to a-z
    };
    const RecordLayout *layout_;
    std::vector<Filled> filled_;
    FieldText field_;
};

// Reads the archive at `path` from its first record to its last (a missing
// archive is created empty) and appends to `lines` the line of every record
// that `accept` lets through, in file order. A failure to open or read raises
// ArchiveError; the lines appended before it stay in `lines`.
using RecordTest = std::function<bool(const Record &)>;
using LineOf = std::function<QString(const Record &)>;
void CollectListLines(const QString &path, const RecordLayout &layout, const RecordTest &accept,
                      const LineOf &line, QStringList &lines);

// Finding a typed text in a result list ("Trova"): the pure part.
struct FindStep {
    int selected;          // the line to select (-1 only for an empty list)
    QString lastFindText;  // what the dialog remembers for its next find
};
// From the line after the selection for the text found last time (compared
// without case of A-Z), from the first line for a new text; wraps around once.
// No hit leaves the selection (the first line when none was selected). An
// empty text hits nothing. An empty list changes nothing.
FindStep FindNextInList(std::span<const QString> lines, int selected, const QString &typed,
                        const QString &lastFindText);
inline FindStep FindNextInList(const QStringList &lines, int selected, const QString &typed,
                               const QString &lastFindText) {
    return FindNextInList(std::span<const QString>(lines.constData(), size_t(lines.size())), selected, typed,
                          lastFindText);
}

}  // namespace vel
