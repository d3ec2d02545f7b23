#pragma once
// The planner of one vehicle for one year: 366 day cells in twelve rows, one
// per month, kept in the planner file of that vehicle and year. The file is
// loaded each time the planner is shown and saved each time it closes; in
// between, the day cells are the planner. The booking dialogs reach the
// cells by their names (libGen_01, occGen_01, memGen_01, ...).
#include <QFrame>
#include <QLabel>
#include <array>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class DayCellEvents;

// The two markers of a day, the free one and the booked one, at the same
// place on the grid. Each knows its day, so one handler serves every cell.
class DayImage : public QLabel {
    Q_OBJECT
public:
    DayImage(QWidget *parent, int month, int day);
    int Month() const { return month_; }
    int Day() const { return day_; }

private:
    int month_, day_;
};

class TfrmPlanning : public Form {
    Q_OBJECT
public:
    explicit TfrmPlanning(QWidget *owner = nullptr);

    // One day of the grid: the free marker lib<Mmm>_<DD>, the booked marker
    // occ<Mmm>_<DD> and the hidden booking text mem<Mmm>_<DD>. A day is booked
    // exactly when its text is not empty; then occ shows and lib is hidden.
    struct DayCell {
        DayImage *lib = nullptr;
        DayImage *occ = nullptr;
        QLabel *mem = nullptr;
    };
    // Month 1..12, day 1..the month's days in the grid (29 for February).
    const DayCell &Cell(int month, int day) const;
    // The cell of index 0 (1 January) .. 365 (31 December).
    const DayCell &CellAt(int index) const { return cells_[index]; }

    QWidget *panContainer;
    QFrame *shpContainer, *shpTitolo, *shpIntervallo, *shpRiepilogo, *shpAnteprima, *shpStampa, *shpControlli06;
    QLabel *icoTitolo;
    ImageButton *cmdIntervallo, *cmdRiepilogo, *cmdAnteprima, *cmdStampa, *cmdGuida, *cmdEsci;
    QFrame *bkgCamera;
    Edit *txtVeicolo, *txtMarca, *txtModello, *txtTarga;
    QLabel *icoAnno;
    QLabel *txtAnno;
    QFrame *shpSezione01;
    std::array<QLabel *, 12> titMonths;  // titGen .. titDic
    QFrame *shpInfo;
    StatusLine *panInfo;
    QWidget *panMemGiorni;
    // Hidden: the planner's record number in its file, "1" once loaded or
    // saved, empty while no load has completed (then the close saves nothing).
    QLabel *lblPosizione;
    // Never visible: they carry the reset and the save.
    ImageButton *cmdNuovo, *cmdSalva;

    // The chooser's way in: loads the planner file its "Apri" named and shows
    // the planner. A file that cannot be read is reported (the archive failure
    // message) and the planner is not shown: false. Every day would show free,
    // inviting a double booking, and nothing booked there could be kept.
    bool Open();

    // The reset: every day free with an empty text, no record number.
    void cmdNuovoClick();
    // The save of the header and the 366 texts into record 1 of the planner
    // file; a failure shows the archive failure message.
    void cmdSalvaClick();

    // The click on either marker of a day: opens the one-day booking dialog
    // for that day (29 February only in a year that has it).
    void occDayClick(int month, int day);
    // The one pointer-move handler of all day markers: the grid's hint.
    void libGen_01MouseMove();
    // The pointer over the window's background: an empty status line.
    void FormMouseMove();

    void cmdIntervalloClick();
    void cmdRiepilogoClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    void FormCreate() override;
    void FormShow() override;
    void FormClose(CloseAction &action) override;

private:
    void BuildGrid();
    // The reset, the chooser's vehicle in the header and the load; false when
    // the planner file could not be read (the message is shown).
    bool Prepare();
    bool LoadPlanner();
    // False when the planner file could not be written (the message is shown).
    bool SavePlanner();
    std::array<DayCell, 366> cells_;
    DayCellEvents *dayEvents_;
    bool saveFailed_ = false;  // the last close could not save
};

extern TfrmPlanning *frmPlanning;

}  // namespace vel
