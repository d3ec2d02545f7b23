// The contract's print window: the two pages it fills from the contract card
// (every prefix, the logo, the footer), what each button hands out and
// whether the window closes after it, the conditions document, and failures.
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <functional>
#include <map>
#include <set>

#include "cards/FindDialog.h"
#include "contracts/ContrattiNSC.h"
#include "contracts/Logo.h"
#include "contracts/LogoPicture.h"
#include "contracts/StampaLav.h"
#include "report/PageImages.h"
#include "report/ReportOutput.h"
#include "support/ProgramFixture.h"

namespace vel::test {
namespace {

using report::Memo;
using report::PreparedPage;
using report::Report;

struct Expected {
    const char *control;
    const char *prefix;  // UTF-8, exactly as printed before the value
};

// The contract's 48 memos and their prefixes.
const Expected kContratto[] = {
    {"txtNumContratto", "Contratto autonoleggio senza conducente n. "},
    {"txtData", "Data stipula:  "},
    {"txtLuogo", "Luogo:  "},
    {"txtPagamento", ""},
    {"txtDitta", ""},
    {"txtCliente", "Cognome e nome:  "},
    {"txtCodFisc", "Codice Fiscale:  "},
    {"txtSesso", "Sesso:  "},
    {"txtIndirizzoRes", "Indirizzo:  "},
    {"txtComuneRes", "Citt\u00e0:  "},
    {"txtProvRes", "Prov.  "},
    {"txtCapRes", "CAP:  "},
    {"txtRecapito", "Tel.  "},
    {"txtDataNasc", "Data nasc.  "},
    {"txtComuneNasc", "Luogo nasc.  "},
    {"txtProvNasc", "Prov.  "},
    {"txtTipoPat", "Tipo patente:  "},
    {"txtNumPat", "N.  "},
    {"txtEnteRil", "Ente ril.  "},
    {"txtDataRil", "Data ril.  "},
    {"txtDataSca", "Data scad.  "},
    {"txtConducente", "Conducente supplementare:  "},
    {"txtVeicolo", "Tipo:  "},
    {"txtMarca", "Marca:  "},
    {"txtTarga", "Targa:  "},
    {"txtColore", "Colore:  "},
    {"txtAlimentazione", "Alimentazione:  "},
    {"txtLivello", "Livello carburante:  "},
    {"txtPosti", "Posti:  "},
    {"txtKmParte", "Km partenza:  "},
    {"txtDataInizio", "Data inizio:  "},
    {"txtOraInizio", "Ora inizio:  "},
    {"txtSedeRit", "Sede ritiro:  "},
    {"txtDataFine", "Data fine:  "},
    {"txtOraFine", "Ora fine:  "},
    {"txtSedeRic", "Sede riconsegna:  "},
    {"txtTotGiorni", "Tot. giorni:  "},
    {"txtImpianti", "Accessori:  "},
    {"txtTariffa", "Tipo tariffa:  "},
    {"txtImporto", "Imp. unitario:  \u20ac "},
    {"txtTotale", "Imp. totale:  \u20ac "},
    {"txtCauzione", "Cauzione:  \u20ac "},
    {"txtConteggio", "Criterio conteggio:  "},
    {"txtEccedenza", "Calcolo eccedenza:  "},
    {"txtAssicurazioni", ""},
    {"txtPrivacy", ""},
    {"txtForo", ""},
    {"txtNote", ""},
};

// The check sheet's 38 memos and their prefixes.
const Expected kVerifica[] = {
    {"txtNumContratto", "Rif. Contratto n. "},
    {"txtData", "Data stipula:  "},
    {"txtLuogo", "Luogo:  "},
    {"txtDitta", ""},
    {"txtCliente", "Cognome e nome:  "},
    {"txtCodFisc", "Codice Fiscale:  "},
    {"txtSesso", "Sesso:  "},
    {"txtIndirizzoRes", "Indirizzo:  "},
    {"txtComuneRes", "Citt\u00e0:  "},
    {"txtProvRes", "Prov.  "},
    {"txtCapRes", "CAP:  "},
    {"txtRecapito", "Tel.  "},
    {"txtDataNasc", "Data nasc.  "},
    {"txtComuneNasc", "Luogo nasc.  "},
    {"txtProvNasc", "Prov.  "},
    {"txtTipoPat", "Tipo patente:  "},
    {"txtNumPat", "N.  "},
    {"txtEnteRil", "Ente ril.  "},
    {"txtDataRil", "Data ril.  "},
    {"txtDataSca", "Data scad.  "},
    {"txtConducente", "Conducente supplementare:  "},
    {"txtVeicolo", "Tipo:  "},
    {"txtMarca", "Marca:  "},
    {"txtTarga", "Targa:  "},
    {"txtColore", "Colore:  "},
    {"txtAlimentazione", "Alimentazione:  "},
    {"txtLivello", "Livello carburante:  "},
    {"txtPosti", "Posti:  "},
    {"txtDataInizio", "Data inizio:  "},
    {"txtOraInizio", "Ora inizio:  "},
    {"txtSedeRit", "Sede ritiro:  "},
    {"txtDataFine", "Data fine:  "},
    {"txtOraFine", "Ora fine:  "},
    {"txtSedeRic", "Sede riconsegna:  "},
    {"txtTotGiorni", "Tot. giorni:  "},
    {"txtDifetti", ""},
    {"txtKmParte", ""},
    {"txtKmRientro", ""},
};

const QString kFooter = QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:30:00");

// A value for each control, with blanks around it that the print trims.
QString Value(const char *control) { return QStringLiteral("v-") + QString::fromLatin1(control).mid(3); }
CardText Padded() {
    return [](const char *control) { return QStringLiteral("  ") + Value(control) + QStringLiteral(" \t"); };
}
CardText Empty() {
    return [](const char *) { return QString(); };
}

// The memos of a template that the card fills: every memo named "txt..."
// but the footer.
std::set<QString> FilledMemoNames(const Report &rep) {
    std::set<QString> names;
    for (const auto &object : rep.Pages().front()->Objects())
        if (dynamic_cast<const Memo *>(object.get()) && object->name.startsWith(QStringLiteral("txt")) &&
            object->name != QStringLiteral("txtCalce"))
            names.insert(object->name);
    return names;
}

template <size_t N>
std::set<QString> NamesOf(const Expected (&table)[N]) {
    std::set<QString> names;
    for (const Expected &e : table) names.insert(QString::fromLatin1(e.control));
    return names;
}

QImage LogoOn(const Report &rep) { return rep.Get<report::Picture>(QStringLiteral("imgLogo")).image; }

bool SameImage(const QImage &a, const QImage &b) {
    return a.size() == b.size() && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

class StampaLavTest : public ProgramTest {
protected:
    // The window as the card's print command opens it; `act` runs while it
    // is open. True when it was still open after `act`.
    bool WhileOpen(std::function<void(TfrmStampaLav &)> act, TfrmStampaLav **kept = nullptr) {
        auto window = std::make_unique<TfrmStampaLav>(frmContrattiNSC);
        window->Create();
        bool open = false;
        modals.Expect<TfrmStampaLav>([&](TfrmStampaLav &w) {
            act(w);
            open = w.isVisible();
            if (open) Click(w.btnAnnulla);
        });
        window->ShowModal();
        modals.Verify();
        if (kept) *kept = window.release();
        return open;
    }

    // Whether the card has the controls the print reads (the card is built
    // elsewhere; its page tests wait for it).
    static bool CardHasControls() {
        return frmContrattiNSC && frmContrattiNSC->findChild<QWidget *>(QStringLiteral("txtCliente"));
    }

    FakeShell shell;
};

// ---- the window -----------------------------------------------------------------

TEST_F(StampaLavTest, TheWindowOffersItsFiveButtonsInTheirOrder) {
    ASSERT_NE(frmStampaLav, nullptr);
    EXPECT_EQ(frmStampaLav->objectName(), QStringLiteral("frmStampaLav"));
    EXPECT_FALSE(frmStampaLav->isVisible());
    // Created at start, the window has built neither template.
    EXPECT_FALSE(frmStampaLav->repDocumento.Built());
    EXPECT_FALSE(frmStampaLav->repVerifica.Built());

    EXPECT_TRUE(WhileOpen([&](TfrmStampaLav &w) {
        EXPECT_EQ(w.Caption(), QStringLiteral(" Stampa contratto N.S.C."));
        EXPECT_EQ(w.parentWidget(), frmContrattiNSC);
        EXPECT_TRUE(w.IsModal());
        EXPECT_EQ(w.minimumSize(), w.maximumSize());
        EXPECT_FALSE(w.windowFlags().testAnyFlags(Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                                  Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(w.btnStampa->text(), QStringLiteral("Stampa Contratto N.S.C. (fronte)"));
        EXPECT_EQ(w.btnCondizioni->text(), QStringLiteral("Stampa Condizioni contrattuali (retro)"));
        EXPECT_EQ(w.btnSchedaVerifica->text(), QStringLiteral("Stampa Scheda verifica stato veicolo"));
        EXPECT_EQ(w.btnAnteprima->text(), QStringLiteral("Anteprima"));
        EXPECT_EQ(w.btnAnnulla->text(), QStringLiteral("Chiudi"));
        EXPECT_EQ(w.btnAnteprima->nextInFocusChain(), w.btnStampa);
        EXPECT_EQ(w.btnStampa->nextInFocusChain(), w.btnCondizioni);
        EXPECT_EQ(w.btnCondizioni->nextInFocusChain(), w.btnSchedaVerifica);
        EXPECT_EQ(w.btnSchedaVerifica->nextInFocusChain(), w.btnAnnulla);
        for (Button *button : {w.btnAnteprima, w.btnStampa, w.btnCondizioni, w.btnSchedaVerifica, w.btnAnnulla}) {
            EXPECT_FALSE(button->autoDefault());
            EXPECT_TRUE(w.rect().contains(button->geometry()));
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 8);
        }
        EXPECT_FALSE(w.imgLogo->isVisible());
        EXPECT_TRUE(w.imgLogo01->isVisible());
        const QImage look = w.grab().toImage();
        look.save(QStringLiteral("/tmp/role7-stampalav.png"));
        // Showing builds nothing either.
        EXPECT_FALSE(w.repDocumento.Built());
        EXPECT_FALSE(w.repVerifica.Built());
    }));
}

// ---- the two templates ----------------------------------------------------------

TEST_F(StampaLavTest, BothTemplatesAreOneA4PortraitPageWithTheirOwnMemos) {
    const struct {
        std::unique_ptr<Report> rep;
        const char *name;
        std::set<QString> filled;
    } cases[] = {
        {ContrattoTemplate(), "Contratto NSC", NamesOf(kContratto)},
        {VerificaTemplate(), "Verifica Stato Veicolo", NamesOf(kVerifica)},
    };
    EXPECT_EQ(NamesOf(kContratto).size(), 48u);
    EXPECT_EQ(NamesOf(kVerifica).size(), 38u);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.rep->name, QString::fromLatin1(c.name));
        ASSERT_EQ(c.rep->Pages().size(), 1u);
        const report::ReportPage &page = c.rep->Page();
        EXPECT_EQ(page.SheetSize(), QSizeF(210, 297));
        EXPECT_EQ(page.orientation, QPageLayout::Portrait);
        EXPECT_EQ(page.margins, QMarginsF(10, 10, 10, 10));
        EXPECT_TRUE(page.Bands().empty());
        EXPECT_EQ(FilledMemoNames(*c.rep), c.filled);
        // Every filled memo is one Arial line that stays inside the page.
        for (const QString &name : c.filled) {
            const Memo &memo = c.rep->Get<Memo>(name);
            EXPECT_FALSE(memo.wordWrap) << name.toStdString();
            EXPECT_EQ(memo.font.family, QStringLiteral("Arial"));
            EXPECT_TRUE(QRectF(0, 0, 190, 277).contains(memo.bounds)) << name.toStdString();
        }
        const Memo &footer = c.rep->Get<Memo>(QStringLiteral("txtCalce"));
        EXPECT_TRUE(footer.alignment.testFlag(Qt::AlignHCenter));
        EXPECT_NO_THROW(c.rep->Get<report::Picture>(QStringLiteral("imgLogo")));
    }
    // The check sheet's drawing and legend.
    const auto verifica = VerificaTemplate();
    EXPECT_FALSE(verifica->Get<report::Picture>(QStringLiteral("imgVeicolo")).image.isNull());
    QStringList legend;
    for (int k = 1; k <= 10; ++k)
        legend.append(verifica->Get<Memo>(QStringLiteral("memLegenda%1").arg(k, 2, 10, QLatin1Char('0'))).Text());
    EXPECT_EQ(legend, (QStringList{"A = Ammaccato", "B = Bruciato", "D = Distaccato", "F = Forato", "G = Graffiato",
                                   "I = Imbrattato", "M = Mancante", "S = Spaccato", "T = Tagliato", "U = Usurato"}));
}

TEST_F(StampaLavTest, EveryMemoPrintsItsPrefixAndTheTrimmedCardText) {
    const struct {
        const char *what;
        std::unique_ptr<Report> (*make)();
        void (*fill)(Report &, const QImage &, const CardText &);
        std::span<const Expected> table;
    } cases[] = {
        {"contract", ContrattoTemplate, FillContratto, kContratto},
        {"check sheet", VerificaTemplate, FillVerifica, kVerifica},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        for (const bool empty : {false, true}) {
            auto rep = c.make();
            c.fill(*rep, DefaultLogo(), empty ? Empty() : Padded());
            rep->Prepare();
            ASSERT_EQ(rep->PreparedPages().size(), 1u);
            const PreparedPage &page = rep->PreparedPages().front();
            for (const Expected &e : c.table) {
                const QString name = QString::fromLatin1(e.control);
                const QString text = QString::fromUtf8(e.prefix) + (empty ? QString() : Value(e.control));
                EXPECT_EQ(rep->Get<Memo>(name).Text(), text) << e.control;
                // A prefix alone is still printed, its blanks included; an
                // unprefixed memo of an empty control prints nothing.
                const QStringList printed = page.Texts(name);
                if (text.isEmpty())
                    EXPECT_TRUE(printed.isEmpty() || printed == QStringList{QString()}) << e.control;
                else
                    EXPECT_EQ(printed, QStringList{text}) << e.control;
            }
            EXPECT_EQ(page.Texts(QStringLiteral("txtCalce")), QStringList{kFooter});
        }
    }
}

TEST_F(StampaLavTest, ALongTextStaysOnItsOneLineCutAtTheEdge) {
    const QString fittings = QString(250, u'x');
    auto rep = ContrattoTemplate();
    FillContratto(*rep, DefaultLogo(), [&](const char *control) {
        return QString::fromLatin1(control) == QStringLiteral("txtImpianti") ? fittings : QString();
    });
    rep->Prepare();
    const PreparedPage &page = rep->PreparedPages().front();
    const QStringList line = page.Texts(QStringLiteral("txtImpianti"));
    ASSERT_EQ(line.size(), 1);
    EXPECT_LT(line[0].size(), 12 + 250);
    EXPECT_TRUE((QStringLiteral("Accessori:  ") + fittings).startsWith(line[0]));
    // Nothing below moved: the tariff row stands where the template puts it.
    EXPECT_EQ(rep->Get<Memo>(QStringLiteral("txtTariffa")).bounds, ContrattoTemplate()->Get<Memo>(
                                                                      QStringLiteral("txtTariffa")).bounds);
}

TEST_F(StampaLavTest, ThePagesLookAsDesigned) {
    const QImage logo = DefaultLogo();
    for (const bool contract : {true, false}) {
        const QString file = contract ? QStringLiteral("/tmp/role7-contratto.png")
                                      : QStringLiteral("/tmp/role7-verifica.png");
        SCOPED_TRACE(file.toStdString());
        auto rep = contract ? ContrattoTemplate() : VerificaTemplate();
        if (contract)
            FillContratto(*rep, logo, Padded());
        else
            FillVerifica(*rep, logo, Padded());
        rep->Prepare();
        const QImage image = RenderPage(rep->PreparedPages().front(), 4);
        EXPECT_TRUE(image.save(file));
        // The logo's blue stands in the top-left corner.
        int blue = 0;
        for (int y = 40; y < 40 + 37 * 4; ++y)
            for (int x = 40; x < 40 + 60 * 4; ++x) {
                const QColor c = image.pixelColor(x, y);
                blue += c.blue() > 120 && c.red() < 80;
            }
        EXPECT_GT(blue, 500);
    }
}

// ---- the window's commands ----------------------------------------------------------

TEST_F(StampaLavTest, PrintAndPreviewCloseTheWindowAndHandOutTheirPage) {
    const struct {
        const char *what;
        Button *TfrmStampaLav::*button;
        bool preview;
        const char *title;
        const char *heading;  // a text only that page prints
    } cases[] = {
        {"contract", &TfrmStampaLav::btnStampa, false, "Contratto NSC", "Cognome e nome:  "},
        {"preview", &TfrmStampaLav::btnAnteprima, true, "Contratto NSC", "COSTI NOLEGGIO"},
        {"check sheet", &TfrmStampaLav::btnSchedaVerifica, false, "Verifica Stato Veicolo",
         "SCHEDA DI VERIFICA STATO VEICOLO"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        printer.printed.clear();
        printer.previewed.clear();
        EXPECT_FALSE(WhileOpen([&](TfrmStampaLav &w) { Click(w.*c.button); }));
        const auto &jobs = c.preview ? printer.previewed : printer.printed;
        const auto &others = c.preview ? printer.printed : printer.previewed;
        ASSERT_EQ(jobs.size(), 1u);
        EXPECT_TRUE(others.empty());
        EXPECT_EQ(jobs[0].title, QString::fromLatin1(c.title));
        EXPECT_EQ(jobs[0].layout.orientation(), QPageLayout::Portrait);
        ASSERT_EQ(jobs[0].pages.size(), 1);
        const QStringList texts = PictureTexts(jobs[0].pages.front());
        EXPECT_TRUE(texts.contains(QString::fromUtf8(c.heading))) << texts.join(u'|').toStdString();
        EXPECT_TRUE(texts.contains(kFooter));
    }
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(StampaLavTest, ACancelledPrintDialogStillClosesTheWindow) {
    printer.acceptDialog = false;
    EXPECT_FALSE(WhileOpen([&](TfrmStampaLav &w) { Click(w.btnStampa); }));
    EXPECT_FALSE(WhileOpen([&](TfrmStampaLav &w) { Click(w.btnSchedaVerifica); }));
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(StampaLavTest, AFailureIsShownAndTheWindowStaysOpen) {
    printer.failWith = QStringLiteral("Nessuna stampante installata.");
    const struct {
        const char *what;
        Button *TfrmStampaLav::*button;
        QString message;
    } cases[] = {
        {"contract", &TfrmStampaLav::btnStampa, report::PrintFailureMessage(printer.failWith)},
        {"preview", &TfrmStampaLav::btnAnteprima, report::PreviewFailureMessage(printer.failWith)},
        {"check sheet", &TfrmStampaLav::btnSchedaVerifica, report::PrintFailureMessage(printer.failWith)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        messages.Expect(MsgKind::Error, c.message);
        bool stayed = false;
        EXPECT_FALSE(WhileOpen([&](TfrmStampaLav &w) {
            Click(w.*c.button);
            messages.Verify();
            stayed = w.isVisible();
            // Usable still: the same command goes through once the printer works.
            printer.failWith.clear();
            Click(w.*c.button);
        }));
        EXPECT_TRUE(stayed);
        printer.failWith = QStringLiteral("Nessuna stampante installata.");
    }
    EXPECT_EQ(printer.printed.size(), 2u);
    EXPECT_EQ(printer.previewed.size(), 1u);
}

TEST_F(StampaLavTest, TheConditionsAreHandedToTheDesktopAndTheWindowStays) {
    const QString command = u'"' + folder.Path(kConditionsFileName) + u'"';
    EXPECT_TRUE(WhileOpen([&](TfrmStampaLav &w) { Click(w.btnCondizioni); }));
    EXPECT_EQ(shell.opened, QStringList{command});

    // A document the desktop cannot open is said so.
    shell.opens = false;
    messages.Expect(MsgKind::Warning, QStringLiteral("Attenzione: impossibile aprire il documento ") +
                                          folder.Path(kConditionsFileName) +
                                          QStringLiteral(".\r\n\r\nVerificare che il documento esista e che nel "
                                                         "sistema sia installato un programma in grado di aprirlo."));
    EXPECT_TRUE(WhileOpen([&](TfrmStampaLav &w) { Click(w.btnCondizioni); }));
    EXPECT_EQ(shell.opened.size(), 2);
    EXPECT_TRUE(printer.printed.empty());
}

TEST_F(StampaLavTest, BothPagesPrintTheStoredLogoOrTheBuiltInOne) {
    QImage red(30, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    const struct {
        const char *what;
        bool write;
        QByteArray bytes;
        QImage logo;
    } cases[] = {
        {"no logo", false, {}, DefaultLogo()},
        {"not a picture", true, QByteArray("non un'immagine"), DefaultLogo()},
        {"a blank logo", true, {}, BlankLogo()},
        {"a red logo", true, {}, red},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(folder.Path(kLogoFileName));
        if (c.write) {
            if (c.bytes.isEmpty())
                ASSERT_TRUE(WriteCompanyLogo(c.logo));
            else
                folder.Write(kLogoFileName, c.bytes);
        }
        for (Button *TfrmStampaLav::*button : {&TfrmStampaLav::btnStampa, &TfrmStampaLav::btnSchedaVerifica}) {
            TfrmStampaLav *window = nullptr;
            WhileOpen([&](TfrmStampaLav &w) { Click(w.*button); }, &window);
            std::unique_ptr<TfrmStampaLav> owned(window);
            EXPECT_TRUE(SameImage(owned->LogoPicture(), c.logo));
            const Report &rep = button == &TfrmStampaLav::btnStampa ? *owned->repDocumento : *owned->repVerifica;
            EXPECT_TRUE(SameImage(LogoOn(rep), c.logo));
        }
    }
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(StampaLavTest, TheFooterTellsTheMomentOfTheCommand) {
    TfrmStampaLav *window = nullptr;
    WhileOpen([&](TfrmStampaLav &w) { Click(w.btnStampa); }, &window);
    std::unique_ptr<TfrmStampaLav> first(window);
    clock.Set(QDateTime(QDate(2026, 3, 14), QTime(9, 31, 5)));
    WhileOpen([&](TfrmStampaLav &w) { Click(w.btnStampa); }, &window);
    std::unique_ptr<TfrmStampaLav> second(window);
    EXPECT_EQ(first->repDocumento->Get<Memo>(QStringLiteral("txtCalce")).Text(), kFooter);
    EXPECT_EQ(second->repDocumento->Get<Memo>(QStringLiteral("txtCalce")).Text(),
              QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:31:05"));
}

// ---- from the card on screen ----------------------------------------------------------

TEST_F(StampaLavTest, TheContractPrintsTheCardAsItStandsOnScreen) {
    if (!CardHasControls()) GTEST_SKIP() << "the contract card has no controls yet";
    for (const Expected &e : kContratto)
        SetControlTextOf(frmContrattiNSC, e.control, QStringLiteral(" ") + Value(e.control) + QStringLiteral("  "));
    SetControlTextOf(frmContrattiNSC, "txtKmRientro", QStringLiteral("12345"));
    SetControlTextOf(frmContrattiNSC, "txtDifetti", QStringLiteral("Fanale rotto"));

    TfrmStampaLav *window = nullptr;
    WhileOpen([&](TfrmStampaLav &w) { Click(w.btnStampa); }, &window);
    std::unique_ptr<TfrmStampaLav> contract(window);
    const PreparedPage &page = contract->repDocumento->PreparedPages().front();
    for (const Expected &e : kContratto)
        EXPECT_EQ(page.Texts(QString::fromLatin1(e.control)),
                  QStringList{QString::fromUtf8(e.prefix) + Value(e.control)})
            << e.control;
    for (const QString &text : page.Texts()) {
        EXPECT_FALSE(text.contains(QStringLiteral("12345")));
        EXPECT_FALSE(text.contains(QStringLiteral("Fanale")));
    }

    WhileOpen([&](TfrmStampaLav &w) { Click(w.btnSchedaVerifica); }, &window);
    std::unique_ptr<TfrmStampaLav> sheet(window);
    const PreparedPage &check = sheet->repVerifica->PreparedPages().front();
    EXPECT_EQ(check.Texts(QStringLiteral("txtKmRientro")), QStringList{QStringLiteral("12345")});
    EXPECT_EQ(check.Texts(QStringLiteral("txtDifetti")), QStringList{QStringLiteral("Fanale rotto")});
    EXPECT_EQ(check.Texts(QStringLiteral("txtCliente")),
              QStringList{QStringLiteral("Cognome e nome:  ") + Value("txtCliente")});
    // The archive of contracts was never touched.
    for (const QString &name : QDir(folder.Path(QString())).entryList(QDir::Files))
        EXPECT_FALSE(name.endsWith(QStringLiteral(".nsc"))) << name.toStdString();
}

TEST_F(StampaLavTest, WhatTheUserLeftOnTheCardPrintsAsItIs) {
    if (!CardHasControls()) GTEST_SKIP() << "the contract card has no controls yet";
    for (const Expected &e : kContratto) SetControlTextOf(frmContrattiNSC, e.control, QString());
    const struct {
        const char *control;
        QString onCard;
        QStringList printed;
    } cases[] = {
        // Blanks around a name go; the two blanks of the prefix stay.
        {"txtCliente", QStringLiteral("   Rossi Mario  "), {QStringLiteral("Cognome e nome:  Rossi Mario")}},
        // Amounts print as the card shows them, after the euro sign.
        {"txtTotale", QStringLiteral("0,00"), {QStringLiteral("Imp. totale:  \u20ac 0,00")}},
        {"txtImporto", QStringLiteral("12,5"), {QStringLiteral("Imp. unitario:  \u20ac 12,5")}},
        // An empty control leaves the prefix alone; an unprefixed memo prints nothing.
        {"txtCodFisc", QString(), {QStringLiteral("Codice Fiscale:  ")}},
        {"txtDitta", QStringLiteral("   "), {}},
        {"txtNote", QString(), {}},
    };
    for (const auto &c : cases) SetControlTextOf(frmContrattiNSC, c.control, c.onCard);
    TfrmStampaLav *window = nullptr;
    WhileOpen([&](TfrmStampaLav &w) { Click(w.btnStampa); }, &window);
    std::unique_ptr<TfrmStampaLav> printed(window);
    const PreparedPage &page = printed->repDocumento->PreparedPages().front();
    for (const auto &c : cases) EXPECT_EQ(page.Texts(QString::fromLatin1(c.control)), c.printed) << c.control;
    // The card keeps what the user typed.
    EXPECT_EQ(ControlTextOf(frmContrattiNSC, "txtCliente"), QStringLiteral("   Rossi Mario  "));
}

TEST_F(StampaLavTest, WindowsCreatedAtStartDrawNothing) {
    // The start sequence made both windows; neither has drawn a picture.
    for (const QLabel *label : frmStampaLav->findChildren<QLabel *>())
        EXPECT_TRUE(label->pixmap().isNull()) << label->objectName().toStdString();
    for (const QLabel *label : frmLogo->findChildren<QLabel *>())
        EXPECT_TRUE(label->pixmap().isNull()) << label->objectName().toStdString();
}

}  // namespace
}  // namespace vel::test
