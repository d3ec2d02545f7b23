#pragma once
// The booking listings by year, month and day share one grid window: the
// bookings of the year open on the booking card, in the order of their
// pick-up key ("Codice Univoco"), numbered in archive order, exported with
// the key as a last column. The yearly listing fills it as it is shown; the
// monthly and daily ones (RiepMensilePren.h) after a choice.
#include <vector>

#include "cards/ExportDialog.h"

namespace vel {

// The grid window of the three listings.
class BookingListing : public ExportDialog {
    Q_OBJECT
public:
    // The grid column of the pick-up key, by which the listings sort.
    static constexpr int kPickupKeyColumn = 19;

    void cmdGuidaClick() override;

protected:
    BookingListing(QWidget *owner, const char *objectName, const QString &caption, const QString &title);

    // Fills the grid with the bookings of the card's year that `selected`
    // lets through (all of them without a test), then sorts it by the pick-up
    // key. An archive without bookings keeps the empty rows; a fill that
    // fails part-way is reported and left as read, unsorted.
    GridFill FillListing(const RecordTest &selected = {});
};

// The year the listings list: the booking card's `lblAnnoRit`, trimmed.
QString ListingYear();

// The listings' sort of a column's texts, step by step the quicksort the
// listings have always used (equal texts come out in the order its steps
// give, not in their former order), comparing as every list of the program
// does (code units, a-z as A-Z). Returns, for each sorted position, the
// position the text had before.
std::vector<int> ListingSortOrder(const std::vector<QString> &texts);
// Sorts the grid's rows by the texts of `column` in that order; every row
// moves whole, its number in column 0 with it. The grid is redrawn once.
void SortGridByColumn(ExportGrid *grid, int column);

class TfrmRiepAnnualePren : public BookingListing {
    Q_OBJECT
public:
    explicit TfrmRiepAnnualePren(QWidget *owner = nullptr);

protected:
    void FormShow() override;
};

extern TfrmRiepAnnualePren *frmRiepAnnualePren;

}  // namespace vel
