#pragma once
// What every test program builds its tests on.
//
// `DesktopTest`: a fresh program folder, a fixed clock, and the message boxes
// and modal windows the test expects, for tests that make their own windows
// (it needs no window library beyond the platform's).
// `ProgramTest`: the program as main() runs it: every window created by the
// start sequence (and destroyed afterwards), a printer that records what it
// is given. Include it only in test programs that link the whole program.
//
// Archives are written with the record tables: `Vehicle({{"Marca", ...}})`
// builds a record of a layout from (field, text) pairs, `WriteArchive` stores
// records one after another as the cards append them. The list helpers click
// the lines of a `ListBox` as a user does.
#include <gtest/gtest.h>

#include <QTest>
#include <initializer_list>
#include <utility>
#include <vector>

#include "app/Startup.h"
#include "common/ArchiveFile.h"
#include "common/Records.h"
#include "platform/ListBox.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel::test {

// A text written in UTF-8 in the test's source.
inline QString U(const char *utf8) { return QString::fromUtf8(utf8); }

inline const QString kFleetArchive = QStringLiteral("Flotta_Automezzi.pro");
inline const QString kTariffArchive = QStringLiteral("Tariffario.pro");

// ---- records built from the tables -------------------------------------------

using FieldTexts = std::initializer_list<std::pair<const char *, QString>>;

// A record of `layout` holding the given texts; every other field empty.
inline Record RecordOf(const RecordLayout &layout, FieldTexts fields) {
    Record r(layout);
    for (const auto &[field, text] : fields) r.SetText(field, text);
    return r;
}
inline Record Vehicle(FieldTexts fields) { return RecordOf(VehicleRecord, fields); }
inline Record Tariff(FieldTexts fields) { return RecordOf(TariffRecord, fields); }
// The planner file's one record (a vehicle's year of days).
inline Record PlannerData(FieldTexts fields) { return RecordOf(PlannerRecord, fields); }
inline Record Customer(FieldTexts fields) { return RecordOf(CustomerRecord, fields); }
inline Record Booking(FieldTexts fields) { return RecordOf(BookingRecord, fields); }
inline Record Contract(FieldTexts fields) { return RecordOf(ContractRecord, fields); }

// Writes the archive `name` of the program folder record by record, as the
// cards append them (a missing archive is created, an existing one grows).
inline void WriteArchive(const QString &name, const RecordLayout &layout, const std::vector<Record> &records) {
    ArchiveFile archive;
    archive.OpenArchive(name, layout);
    for (const Record &r : records) archive.AppendRecord(r);
}

// ---- list boxes ----------------------------------------------------------------

inline QStringList LinesOf(const ListBox *list) { return list->Lines(); }

// A click on a line, as the user gives it: the line brought into view first.
inline void ClickLine(ListBox *list, int row) {
    list->ScrollToLine(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->LineRect(row).center());
}
// A double-click on a line, as the user gives it: the first click selects.
inline void DoubleClickLine(ListBox *list, int row) {
    list->ScrollToLine(row);
    const QPoint at = list->LineRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}
// A double-click on the list's empty space below its lines.
inline void DoubleClickBelowLines(ListBox *list) {
    const QPoint at(20, list->viewport()->height() - 4);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// ---- fixtures --------------------------------------------------------------------

class DesktopTest : public ::testing::Test {
protected:
    TestFolder folder;
    MessageScript messages;
    ModalScript modals;
    FixedClock clock;
};

class ProgramTest : public DesktopTest {
protected:
    void SetUp() override {
        ResetTerminateRequest();
        CreateWindows();
    }
    void TearDown() override {
        DestroyWindows();
        ResetTerminateRequest();
    }

    // The vehicle and tariff archives, which most windows read.
    static void WriteFleet(const std::vector<Record> &vehicles) {
        WriteArchive(kFleetArchive, VehicleRecord, vehicles);
    }
    static void WriteTariffs(const std::vector<Record> &tariffs) {
        WriteArchive(kTariffArchive, TariffRecord, tariffs);
    }

    FakePrinter printer;
};

}  // namespace vel::test
