#include "RiepAnnualePren.h"

#include <utility>

#include "ExpPrenotazioni.h"
#include "Prenotazioni.h"
#include "TrovaPrenotazioni.h"
#include "common/ListLines.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "dialogs/Guida.h"
#include "dialogs/HelpText.h"

namespace vel {

TfrmRiepAnnualePren *frmRiepAnnualePren = nullptr;

QString ListingYear() {
    return frmPrenotazioni && frmPrenotazioni->lblAnnoRit ? Trim(frmPrenotazioni->lblAnnoRit->text()) : QString();
}

std::vector<int> ListingSortOrder(const std::vector<QString> &texts) {
    const int n = int(texts.size());
    std::vector<int> pairs(static_cast<size_t>(n));  // the former position of the text at each position
    for (int i = 0; i < n; ++i) pairs[size_t(i)] = i;
    if (n < 2) return pairs;
    const auto compare = [&](int a, int b) {
        return CompareListLines(texts[size_t(pairs[size_t(a)])], texts[size_t(pairs[size_t(b)])]);
    };
    // The ranges still to sort. The steps within a range are the quicksort's
    // own; ranges never overlap, so the order in which they are taken changes
    // nothing, and a stack keeps deep inputs off the call stack.
    std::vector<std::pair<int, int>> ranges{{0, n - 1}};
    while (!ranges.empty()) {
        auto [l, r] = ranges.back();
        ranges.pop_back();
        int i = 0;
        do {
            i = l;
            int j = r;
            int p = (l + r) / 2;
            do {
                while (compare(i, p) < 0) ++i;
                while (compare(j, p) > 0) --j;
                if (i <= j) {
                    if (i != j) std::swap(pairs[size_t(i)], pairs[size_t(j)]);
                    // The pivot's text moves with its pair.
                    if (p == i)
                        p = j;
                    else if (p == j)
                        p = i;
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (l < j) ranges.emplace_back(l, j);
            l = i;
        } while (i < r);
    }
    return pairs;
}

void SortGridByColumn(ExportGrid *grid, int column) {
    ExportGridModel &model = grid->Model();
    const int rows = model.rowCount();
    std::vector<QString> texts;
    texts.reserve(size_t(rows));
    for (int r = 0; r < rows; ++r) texts.push_back(model.Text(r, column));
    model.ArrangeRows(ListingSortOrder(texts));
}

// ---- the grid window ---------------------------------------------------------

namespace {

ExportDefinition ListingDefinition(const char *objectName, const QString &caption, const QString &title) {
    return {objectName, caption, title, BookingExportFileName(), BookingExportSheetName(), BookingGridColumns(true)};
}

}  // namespace

BookingListing::BookingListing(QWidget *owner, const char *objectName, const QString &caption,
                               const QString &title)
    : ExportDialog(owner, ListingDefinition(objectName, caption, title)) {}

GridFill BookingListing::FillListing(const RecordTest &selected) {
    const QString year = ListingYear();
    const GridFill fill = FillFromArchive(OpenBookingArchivePath(), BookingRecord, [&](const Record &booking) {
        return booking.Text("AnnoRit") == year && (!selected || selected(booking));
    });
    if (fill.complete && fill.records > 0) SortGridByColumn(grdRecords, kPickupKeyColumn);
    return fill;
}

// One help text for the three listings.
void BookingListing::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("Riepilogo prenotazioni veicoli"), HelpText(QStringLiteral("RiepAnnualePren")));
}

// ---- the yearly listing ------------------------------------------------------

TfrmRiepAnnualePren::TfrmRiepAnnualePren(QWidget *owner)
    : BookingListing(owner, "frmRiepAnnualePren", QStringLiteral(" Riepilogo annuale prenotazioni veicoli"),
                     QStringLiteral("Riepilogo annuale prenotazioni veicoli")) {}

void TfrmRiepAnnualePren::FormShow() { FillListing(); }

}  // namespace vel
