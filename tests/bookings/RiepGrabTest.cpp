// Temporary: pictures of the windows for a look.
#include "BookingFixture.h"
#include "bookings/ExpPrenotazioni.h"
#include "bookings/RiepAnnualePren.h"
#include "bookings/RiepGiornalieroPren.h"
#include "bookings/TrovaPrenotazioni.h"
#include "common/ProgramFolder.h"

namespace vel::test {
TEST(GrabLook, Windows) {
    struct F : ProgramTest { void TestBody() override {} } f;
    f.SetUp();
    frmPrenotazioni->lblFile->setText(ProgramPath(BookingArchive(2024)));
    frmPrenotazioni->lblAnnoRit->setText(QStringLiteral("2024"));
    std::vector<Record> b;
    for (int i = 1; i <= 12; ++i)
        b.push_back(CompleteBooking(2024, {{"GiornoRit", QStringLiteral("%1").arg(13 - i, 2, 10, QChar('0'))},
                                           {"GiornoRic", QStringLiteral("28")},
                                           {"Cliente", QStringLiteral("Cliente %1").arg(i)}}));
    WriteBookings(2024, b);
    {
        TfrmRiepGiornalieroPren d(frmPrenotazioni);
        d.Create();
        d.lblAnno->setText("2024");
        ShowActive(&d);
        d.grab().save("/tmp/r4_daily_panel.png");
        d.cboSelezione->setCurrentIndex(2);
        d.cboGiorno->setCurrentIndex(4);
        d.btnVisualizzaClick();
        d.grab().save("/tmp/r4_daily_grid.png");
    }
    {
        TfrmRiepAnnualePren d(frmPrenotazioni);
        d.Create();
        ShowActive(&d);
        d.grab().save("/tmp/r4_yearly.png");
    }
    {
        TfrmTrovaPrenotazioni d(frmPrenotazioni);
        d.Create();
        d.lblMemory->setText("prenotazioni");
        d.Show();
        ShowActive(&d);
        d.grab().save("/tmp/r4_find.png");
        d.btnCercaClick();
        d.grab().save("/tmp/r4_find_list.png");
    }
    f.TearDown();
}
}  // namespace vel::test
