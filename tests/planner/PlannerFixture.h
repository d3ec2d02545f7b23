#pragma once
// The planner is tested as the program runs it: every window created, in a
// fresh program folder, reached from the launcher through its chooser, with
// the message boxes, modal windows, clock and printer under the test's control.
#include <QByteArray>

#include "common/MonthTable.h"
#include "common/TextRules.h"
#include "planner/MenuCamere.h"
#include "planner/Planning.h"
#include "shell/Avvio.h"
#include "support/ListBoxView.h"
#include "support/ProgramFixture.h"

namespace vel::test {

inline const QString kFleetFile = kFleetArchive;
inline constexpr int kPlannerSize = 18850;
inline constexpr int kDaysOffset = 184;  // day text i begins at 184 + 51 * i
inline constexpr int kDayStride = 51;

inline Record Car(const QString &type, const QString &make, const QString &model, const QString &plate,
                  const QString &seats = QStringLiteral("5"), const QString &fuel = QStringLiteral("Diesel")) {
    return Vehicle({{"Veicolo", type}, {"Marca", make}, {"Modello", model}, {"Targa", plate}, {"Posti", seats},
                    {"Alimentazione", fuel}});
}

// The name of the planner file of a plate and year.
inline QString PlannerName(const QString &plate, const QString &year) {
    return QStringLiteral("Prenotazioni veicolo targa ") + plate + QStringLiteral(" anno ") + year +
           QStringLiteral(".pln");
}

// The bytes of a FixedText field of capacity n: length byte, text, zeros.
inline QByteArray Field(const QString &text, int capacity) {
    QByteArray bytes(capacity + 1, '\0');
    const QByteArray chars = ToCp1252(text).left(capacity);
    bytes[0] = char(chars.size());
    std::copy(chars.begin(), chars.end(), bytes.begin() + 1);
    return bytes;
}

// A planner record built byte by byte at the offsets of the file's layout,
// not through the program's record table.
struct PlannerImage {
    QByteArray bytes = QByteArray(kPlannerSize, '\0');
    PlannerImage &Header(const QString &type, const QString &make, const QString &model, const QString &plate) {
        bytes.replace(0, 51, Field(type, 50));
        bytes.replace(51, 51, Field(make, 50));
        bytes.replace(102, 51, Field(model, 50));
        bytes.replace(153, 31, Field(plate, 30));
        return *this;
    }
    PlannerImage &Day(int index, const QString &text) {
        bytes.replace(kDaysOffset + kDayStride * index, kDayStride, Field(text, 50));
        return *this;
    }
    // Day text i as stored: the length byte's characters.
    static QString DayAt(const QByteArray &file, int index) {
        const int at = kDaysOffset + kDayStride * index;
        return FromCp1252(file.constData() + at + 1, std::min<int>(50, quint8(file[at])));
    }
};

// One day of the grid as the readers see it.
struct DayState {
    QString text;
    bool freeShown;
    bool bookedShown;
    bool operator==(const DayState &) const = default;
};
inline std::ostream &operator<<(std::ostream &os, const DayState &s) {
    return os << '"' << s.text.toStdString() << "\" lib " << (s.freeShown ? "shown" : "hidden") << ", occ "
              << (s.bookedShown ? "shown" : "hidden");
}
inline DayState FreeDay() { return {QString(), true, false}; }
inline DayState BookedDay(const QString &text) { return {text, false, true}; }

class PlannerTest : public ProgramTest {
protected:
    // The launcher's planner tile, with the chooser made the active window.
    void OpenChooser() {
        frmAvvio->Show();
        Click(frmAvvio->imgApp07);
        ShowActive(frmMenuCamere);
    }
    // A click on a line of the chooser's list, as the user gives it.
    static void ClickLine(int row) { test::ClickLine(frmMenuCamere->lstRecords, row); }
    static int RowOf(const QString &plate) {
        for (int i = 0; i < frmMenuCamere->lstRecords->count(); ++i)
            if (frmMenuCamere->lstRecords->Line(i).contains(QStringLiteral("Targa: ") + plate)) return i;
        return -1;
    }
    static void SetYear(const QString &year) {
        frmMenuCamere->txtAnnoFatture->clear();
        Type(frmMenuCamere->txtAnnoFatture, year);
    }
    // The road to the planner of one vehicle and year: the chooser, the
    // year, a click on the vehicle's line, "Apri".
    void OpenPlanner(const QString &plate, const QString &year) {
        OpenChooser();
        SetYear(year);
        ClickLine(RowOf(plate));
        Click(frmMenuCamere->btnApriFatture);
    }
    // One vehicle in the fleet and its planner of that year.
    void OpenPlannerOf(const Record &vehicle, const QString &year) {
        WriteFleet({vehicle});
        OpenPlanner(vehicle.Text("Targa"), year);
    }

    static DayState Day(int month, int day) {
        const TfrmPlanning::DayCell &cell = frmPlanning->Cell(month, day);
        return {cell.mem->text(), !cell.lib->isHidden(), !cell.occ->isHidden()};
    }
    static DayState DayAt(int index) {
        const TfrmPlanning::DayCell &cell = frmPlanning->CellAt(index);
        return {cell.mem->text(), !cell.lib->isHidden(), !cell.occ->isHidden()};
    }
    // A day booked or freed the way the booking dialogs do it, by name.
    static void SetDay(int month, int day, const QString &text) {
        frmPlanning->findChild<QLabel *>(DayComponentName("mem", month, day))->setText(text);
        const bool booked = !Trim(text).isEmpty();
        frmPlanning->findChild<QLabel *>(DayComponentName("lib", month, day))->setVisible(!booked);
        frmPlanning->findChild<QLabel *>(DayComponentName("occ", month, day))->setVisible(booked);
    }
};

}  // namespace vel::test
