// The one-day booking dialog: it books, changes and frees the day its opener
// names, in the program-wide planner, and nothing else.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <map>

#include "common/MonthTable.h"
#include "common/TextRules.h"
#include "planner/Giorno.h"
#include "planner/Planning.h"
#include "planner/PlannerStandIn.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel::test {
namespace {

// Every cell of `before` but those of `changed` is as it was.
void ExpectOnlyChanged(const std::map<QString, CellState> &before, const std::map<QString, CellState> &after,
                       const std::map<QString, CellState> &changed) {
    for (const auto &[key, state] : after) {
        const auto wanted = changed.find(key);
        EXPECT_EQ(state, wanted != changed.end() ? wanted->second : before.at(key)) << key.toStdString();
    }
}

class GiornoTest : public ::testing::Test {
protected:
    // What a day cell's handler does: a new dialog owned by the planner, the
    // day's key, day line, vehicle line and trimmed text written in, the
    // dialog shown modally and destroyed when it returns. `act` plays the user.
    void Open(const QString &tag, const QString &dayText, const std::function<void(TfrmGiorno &)> &act) {
        auto *dialog = new TfrmGiorno(planner.Window());
        dialog->Create();
        dialog->lblMemory->setText(tag);
        dialog->infGiorno->setText(QStringLiteral("Prenotazione del 1 gennaio 2024"));
        dialog->infCamera->setText(QStringLiteral("Fiat Panda"));
        dialog->txtPrenotazione->setText(Trim(dayText));
        bool opened = false;
        modals.Expect<TfrmGiorno>([&](TfrmGiorno &d) {
            opened = true;
            ShowActive(&d);
            act(d);
        });
        dialog->ShowModal();
        EXPECT_TRUE(opened);
        EXPECT_FALSE(dialog->isVisible()) << "the dialog closes";
        delete dialog;
        modals.Verify();
        messages.Verify();
    }

    static void ExpectStatus(const TfrmGiorno &d, bool booked) {
        EXPECT_EQ(d.icoOccupata->isHidden(), !booked);
        EXPECT_EQ(d.icnOccupata->isHidden(), !booked);
        EXPECT_EQ(d.icoLibera->isHidden(), booked);
        EXPECT_EQ(d.icnLibera->isHidden(), booked);
    }

    Planner planner;
    MessageScript messages;
    ModalScript modals;
};

TEST_F(GiornoTest, WindowLooksAsDesigned) {
    TfrmGiorno fresh;
    EXPECT_EQ(fresh.infCamera->text(), QStringLiteral("Veicolo"));
    EXPECT_EQ(fresh.infGiorno->text(), QStringLiteral("Data prenotazione"));

    Open(QStringLiteral("gen_01"), QString(), [](TfrmGiorno &d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("frmGiorno"));
        EXPECT_EQ(d.Caption(), QStringLiteral(" Prenotazione noleggio veicolo"));
        EXPECT_EQ(d.size(), QSize(660, 425));
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        const Qt::WindowFlags flags = d.windowFlags();
        EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

        EXPECT_EQ(d.panContainer->geometry(), QRect(12, 12, 634, 358));
        EXPECT_EQ(d.icoIstruzioni->size(), QSize(444, 32));
        EXPECT_EQ(d.effPrenotazione->size(), QSize(600, 43));
        EXPECT_TRUE(d.effPrenotazione->isVisible()) << "the strip shows without the focus too";
        EXPECT_EQ(d.txtPrenotazione->width(), 520);
        EXPECT_EQ(d.txtPrenotazione->MaxLength(), 50);
        EXPECT_TRUE(d.txtPrenotazione->font().bold());
        EXPECT_EQ(d.txtPrenotazione->font().pointSize(), 12);
        for (const ImageButton *icon : {d.cmdClipboard, d.cmdCancella}) {
            EXPECT_EQ(icon->size(), QSize(22, 22));
            EXPECT_EQ(icon->cursor().shape(), Qt::PointingHandCursor);
        }
        EXPECT_LT(d.cmdClipboard->x(), d.cmdCancella->x()) << "copy, then clear";
        EXPECT_GT(d.cmdClipboard->x(), d.txtPrenotazione->geometry().right());
        EXPECT_EQ(d.Rectangle1->size(), QSize(600, 119));
        EXPECT_EQ(d.icnLibera->size(), QSize(71, 72));
        EXPECT_EQ(d.icoLibera->size(), QSize(223, 59));
        EXPECT_EQ(d.icnOccupata->geometry(), d.icnLibera->geometry());
        EXPECT_EQ(d.icoOccupata->geometry(), d.icoLibera->geometry());
        ExpectStatus(d, false);

        EXPECT_EQ(d.btnChiudi->text(), QStringLiteral("Applica e chiudi"));
        EXPECT_EQ(d.btnAnnulla->text(), QStringLiteral("Annulla"));
        for (const Button *b : {d.btnChiudi, d.btnAnnulla}) {
            EXPECT_EQ(b->size(), QSize(160, 30));
            EXPECT_FALSE(b->isDefault());
            EXPECT_FALSE(b->autoDefault());
            EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor);
        }
        EXPECT_LT(d.btnAnnulla->x(), d.btnChiudi->x()) << "Annulla on the left";
        EXPECT_GT(d.btnChiudi->y(), d.panContainer->geometry().bottom()) << "the buttons lie below the panel";
        EXPECT_TRUE(d.lblMemory->isHidden());

        EXPECT_EQ(Focused(), d.txtPrenotazione) << "the focus starts in the edit";
        Press(d.txtPrenotazione, Qt::Key_Tab);
        EXPECT_EQ(Focused(), d.btnChiudi) << "tab order: the edit, Applica e chiudi, Annulla";
        Press(d.btnChiudi, Qt::Key_Tab);
        EXPECT_EQ(Focused(), d.btnAnnulla);
        d.btnAnnullaClick();
    });
}

struct ApplyCase {
    const char *name;
    QString tag;
    int month, day;
    CellState before;
    QString typed;  // replaces the opened text when not null
    CellState after;
};
void PrintTo(const ApplyCase &c, std::ostream *os) { *os << c.name; }

class GiornoApply : public GiornoTest, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(GiornoApply, WritesTheTaggedCellAndNoOther) {
    const ApplyCase &c = GetParam();
    planner.Set(c.month, c.day, c.before);
    const auto before = planner.Snapshot();
    Open(c.tag, c.before.text, [&](TfrmGiorno &d) {
        if (!c.typed.isNull()) {
            d.txtPrenotazione->selectAll();
            Type(d.txtPrenotazione, c.typed);
            ASSERT_EQ(d.txtPrenotazione->text(), c.typed);
        }
        Click(d.btnChiudi);
        EXPECT_FALSE(d.isVisible());
    });
    ExpectOnlyChanged(before, planner.Snapshot(), {{DayKey(c.month, c.day), c.after}});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GiornoApply,
    ::testing::Values(
        ApplyCase{"BooksAFreeDayTrimmed", "gen_01", 1, 1, kFree, "  Rossi Mario 333 1234567  ",
                  Booked("Rossi Mario 333 1234567")},
        ApplyCase{"BlanksFreeABookedDay", "gen_01", 1, 1, Booked("Bianchi"), "    ", kFree},
        ApplyCase{"ChangesTheName", "lug_15", 7, 15, Booked("Bianchi"), "Verdi Anna", Booked("Verdi Anna")},
        ApplyCase{"UnchangedTextIsWrittenAgain", "mag_09", 5, 9, Booked("Neri"), QString(), Booked("Neri")},
        ApplyCase{"FreeDayLeftEmptyStaysFree", "ott_10", 10, 10, kFree, QString(), kFree},
        ApplyCase{"TagIsTrimmed", " dic_31 ", 12, 31, kFree, "Gialli", Booked("Gialli")},
        ApplyCase{"TwentyNinthOfFebruaryWhateverTheYear", "feb_29", 2, 29, kFree, "Blu", Booked("Blu")},
        ApplyCase{"TagWithControlCharacters", "\tfeb_01\r\n", 2, 1, kFree, "Viola", Booked("Viola")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(GiornoTest, TagThatNamesNoDayWritesNothingAndClosesSilently) {
    planner.Set(1, 1, Booked("Bianchi"));
    const auto before = planner.Snapshot();
    for (const char *tag : {"Gen_01", "GEN_01", "gen_1", "gen_001", "feb_30", "apr_31", "gen-01", "", "prenotazioni",
                            "gen_01x", "gen_ 1", "gen_00"}) {
        Open(QString::fromLatin1(tag), QStringLiteral("Bianchi"), [&](TfrmGiorno &d) {
            d.txtPrenotazione->selectAll();
            Type(d.txtPrenotazione, QStringLiteral("Rossi"));
            Click(d.btnChiudi);
            EXPECT_FALSE(d.isVisible()) << tag;
        });
        EXPECT_EQ(planner.Snapshot(), before) << tag;
    }
}

TEST_F(GiornoTest, AnnullaWritesNothing) {
    planner.Set(3, 8, Booked("Bianchi"));
    const auto before = planner.Snapshot();
    const std::function<void(TfrmGiorno &)> edits[] = {
        [](TfrmGiorno &d) { Type(d.txtPrenotazione, QStringLiteral(" e Rossi")); },
        [](TfrmGiorno &d) { Click(d.cmdCancella); },
        [](TfrmGiorno &d) { d.txtPrenotazione->setText(QStringLiteral("   ")); },
    };
    for (const auto &edit : edits) {
        Open(QStringLiteral("mar_08"), QStringLiteral("Bianchi"), [&](TfrmGiorno &d) {
            edit(d);
            Click(d.btnAnnulla);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(planner.Snapshot(), before);
    }
}

TEST_F(GiornoTest, EraserEmptiesTheEditAndApplyFreesTheDay) {
    planner.Set(9, 30, Booked("Bianchi"));
    Open(QStringLiteral("set_30"), QStringLiteral("Bianchi"), [&](TfrmGiorno &d) {
        d.btnChiudi->setFocus();
        Click(d.cmdCancella);
        EXPECT_EQ(d.txtPrenotazione->text(), QString());
        EXPECT_EQ(Focused(), d.txtPrenotazione);
        ExpectStatus(d, false);
        EXPECT_EQ(planner.Cell(9, 30), Booked("Bianchi")) << "the planner changes only on Applica e chiudi";
        Click(d.btnChiudi);
    });
    EXPECT_EQ(planner.Cell(9, 30), kFree);
}

TEST_F(GiornoTest, StatusPicturesFollowTheText) {
    Open(QStringLiteral("apr_09"), QStringLiteral("Bianchi"), [](TfrmGiorno &d) {
        ExpectStatus(d, true);  // a booked day opens with the booked pictures
        d.btnAnnullaClick();
    });
    Open(QStringLiteral("apr_09"), QString(), [](TfrmGiorno &d) {
        ExpectStatus(d, false);
        Type(d.txtPrenotazione, QStringLiteral("  "));
        ExpectStatus(d, false);  // blanks are no booking
        Type(d.txtPrenotazione, QStringLiteral("R"));
        ExpectStatus(d, true);
        Press(d.txtPrenotazione, Qt::Key_Backspace);
        EXPECT_EQ(d.txtPrenotazione->text(), QStringLiteral("  "));
        ExpectStatus(d, false);
        d.txtPrenotazione->setText(QStringLiteral("Rossi"));  // by code
        ExpectStatus(d, true);
        d.btnAnnullaClick();
    });
}

TEST_F(GiornoTest, EditTakesFiftyCharactersAndReturnStaysInIt) {
    Open(QStringLiteral("giu_30"), QString(), [&](TfrmGiorno &d) {
        Type(d.txtPrenotazione, QString(50, u'x') + QStringLiteral("yz"));
        EXPECT_EQ(d.txtPrenotazione->text(), QString(50, u'x'));
        Press(d.txtPrenotazione, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()) << "Return presses no button";
        EXPECT_EQ(Focused(), d.txtPrenotazione);
        Click(d.btnChiudi);
    });
    EXPECT_EQ(planner.Cell(6, 30), Booked(QString(50, u'x')));
}

TEST_F(GiornoTest, CopyPutsTheTextAsTypedOnTheClipboard) {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    Open(QStringLiteral("gen_02"), QString(), [&](TfrmGiorno &d) {
        Type(d.txtPrenotazione, QStringLiteral("   "));
        d.btnChiudi->setFocus();
        messages.Expect(MsgKind::Warning, kNothingToCopy);
        Click(d.cmdClipboard);
        messages.Verify();
        EXPECT_EQ(Focused(), d.txtPrenotazione);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));

        Type(d.txtPrenotazione, QStringLiteral("Rossi  "));
        messages.Expect(MsgKind::Information, kCopied);
        Click(d.cmdClipboard);
        messages.Verify();
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("   Rossi  "));
        d.btnAnnullaClick();
    });
    EXPECT_EQ(planner.Cell(1, 2), kFree) << "copying writes nothing";
}

}  // namespace
}  // namespace vel::test
