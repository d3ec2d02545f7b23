#pragma once
// The fleet dialogs are tested as the program runs them: every window
// created, in a fresh program folder, with the message boxes, modal windows,
// clock and printer under the test's control.
#include <gtest/gtest.h>

#include <QTest>
#include <initializer_list>
#include <utility>
#include <vector>

#include "app/Startup.h"
#include "common/ArchiveFile.h"
#include "common/Records.h"
#include "support/Fakes.h"
#include "support/Gui.h"
#include "support/ListBoxView.h"

namespace vel::test {

inline const QString kFleetArchive = QStringLiteral("Flotta_Automezzi.pro");
inline const QString kTariffArchive = QStringLiteral("Tariffario.pro");

// A text written in UTF-8 in the test's source.
inline QString U(const char *utf8) { return QString::fromUtf8(utf8); }

// A vehicle record from (field, text) pairs; every other field empty.
inline Record Vehicle(std::initializer_list<std::pair<const char *, QString>> fields) {
    Record r(VehicleRecord);
    for (const auto &[field, text] : fields) r.SetText(field, text);
    return r;
}

class FleetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetTerminateRequest();
        CreateWindows();
    }
    void TearDown() override {
        DestroyWindows();
        ResetTerminateRequest();
    }

    // Writes the vehicle archive record by record, as the vehicle card does.
    void WriteFleet(const std::vector<Record> &vehicles) {
        ArchiveFile archive;
        archive.OpenArchive(kFleetArchive, VehicleRecord);
        for (const Record &r : vehicles) archive.AppendRecord(r);
    }

    // Writes the tariff archive record by record, as the tariff card does.
    void WriteTariffs(const std::vector<Record> &tariffs) {
        ArchiveFile archive;
        archive.OpenArchive(kTariffArchive, TariffRecord);
        for (const Record &r : tariffs) archive.AppendRecord(r);
    }

    // A double-click on a line, as the user gives it: the first click selects.
    static void DoubleClickLine(ListBox *list, int row) {
        list->ScrollToLine(row);
        const QPoint at = list->LineRect(row).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    // A double-click on the list's empty space below its lines.
    static void DoubleClickBelowLines(ListBox *list) {
        const QPoint at(20, list->viewport()->height() - 4);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    static QStringList LinesOf(const ListBox *list) { return list->Lines(); }

    TestFolder folder;
    MessageScript messages;
    ModalScript modals;
    FixedClock clock;
    FakePrinter printer;
};

}  // namespace vel::test
