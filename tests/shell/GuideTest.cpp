#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "ShellFixture.h"
#include "dialogs/Guida.h"
#include "dialogs/WebLink.h"
#include "shell/Avvio.h"

namespace vel::test {
namespace {

const QString kBreak = QStringLiteral("\r\n\r\n");

// The opening words of the 53 paragraphs of the general guide, in order.
const char *const kOpenings[] = {
    "Velmora \u00e8 un software facile e intuitivo",
    "L'app Anagrafica Clienti \u00e8 utile per velocizzare",
    "Nell'archivio anagrafico \u00e8 possibile annotare",
    "La scheda del cliente consente, inoltre,",
    "Per inserire una scheda in archivio,",
    "Se esistono importanti questioni in sospeso",
    "Il pulsante Duplica \u00e8 utile",
    "Per trovare le schede dei clienti in archivio",
    "La funzione Allega file consente di abbinare alla scheda di ciascun cliente",
    "Appositi pulsanti consentono di controllare la validit\u00e0",
    "La scheda di ogni singolo cliente pu\u00f2 essere stampata",
    "L'app Parco Automezzi permette di creare una scheda per ogni veicolo",
    "E' inoltre possibile annotare gli incidenti subiti",
    "Il programma consente di allegare a ciascuna scheda file esterni",
    "Per inserire una nuova scheda, \u00e8 sufficiente fare clic sul pulsante Nuovo",
    "Per aggiornare una scheda esistente",
    "Il pulsante Trova consente di effettuare ricerche avanzate",
    "L'utente addetto all'aggiornamento delle schede dei veicoli",
    "Il pulsante Stampa permette di ottenere su carta",
    "L'app Listino Tariffe permette la creazione di listini differenziati",
    "E' possibile indicare la tipologia di tariffa",
    "Per inserire in archivio la scheda di una tariffa",
    "Il pulsante Duplica \u00e8 utile se si ha bisogno di registrare due o pi\u00f9 schede relative allo stesso servizio",
    "Un'avanzata funzione di ricerca consente di creare riepiloghi delle tariffe",
    "Il pulsante Esporta archivio consente di esportare tutte le tariffe",
    "L'app Planner Noleggi mette a disposizione un planning annuale",
    "Visualizzato il planner annuale",
    "Il pulsante Intervallo consente di registrare velocemente",
    "E' possibile registrare prenotazioni non solo per l'anno corrente",
    "E' quindi chiaro che il planner annuale va aperto",
    "Il pulsante Riepilogo permette di ottenere l'elenco",
    "Il planning annuale relativo a ciascun mezzo",
    "L'app Prenotazioni Veicoli mette a disposizione un ambiente",
    "Con pochi clic, \u00e8 possibile ottenere il riepilogo giornaliero, mensile o annuale",
    "Per inserire la scheda di una prenotazione in archivio",
    "Per trovare le schede delle prenotazioni in archivio",
    "Una volta inserita una scheda di prenotazione in archivio",
    "Il software \u00e8 anche in grado di esportare l'intero archivio delle prenotazioni",
    "L'app Contratti N.S.C. consente di redigere contratti",
    "Velmora mette a disposizione due versioni del contratto",
    "In ciascun contratto \u00e8 possibile inserire le informazioni anagrafiche",
    "Spuntando un'apposita casella in fase di registrazione del contratto",
    "Per inserire un contratto in archivio",
    "Se a bordo del veicolo oggetto del noleggio \u00e8 installato un dispositivo di geolocalizzazione",
    "Per trovare uno o pi\u00f9 contratti in archivio",
    "La funzione Allega file consente di abbinare alla scheda di ciascun contratto",
    "Un apposito pulsante consente di visualizzare ed eventualmente modificare il logo",
    "L'intero archivio annuale dei contratti pu\u00f2 essere esportato in un file di Excel.",
    "Velmora \u00e8 fortemente integrato con Excel",
    "Il software pu\u00f2 essere utilizzato anche in una rete locale se si ha necessit\u00e0 di condividere gli archivi "
    "fra pi\u00f9 postazioni di lavoro.",
    "Velmora pu\u00f2 essere utilizzato anche su chiavetta USB.",
    "Conformemente alla normativa sulla privacy, l'accesso al software \u00e8 protetto da una password",
    "Velmora \u00e8 quindi lo strumento ideale per le ditte di noleggio auto n.s.c.",
};

class GuideTest : public ShellTest {
protected:
    // Opens the general guide from the launcher and returns what it showed.
    struct Shown {
        QString title, text;
    };
    Shown OpenGeneralGuide(const std::function<void(TfrmGuida &)> &more = {}) {
        Shown shown;
        modals.Expect<TfrmGuida>([&](TfrmGuida &dlg) {
            shown = {dlg.lblTitolo->text(), dlg.txtGuida->toPlainText()};
            if (more) more(dlg);
            Click(dlg.btnChiudi);
        });
        Click(frmAvvio->imgGuida);
        modals.Verify();
        return shown;
    }
    FakeShell shell;
};

TEST_F(GuideTest, LooksAsDesigned) {
    TfrmGuida dlg;
    dlg.Create();
    EXPECT_EQ(dlg.Caption(), QStringLiteral(" Guida all'utilizzo del software"));
    EXPECT_EQ(dlg.size(), QSize(670, 572));
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dlg.lblTitolo->text(), QStringLiteral("Argomento della guida."));
    EXPECT_EQ(dlg.lblTitolo->palette().color(QPalette::WindowText), QColor(0xDC, 0x14, 0x3C));
    EXPECT_TRUE(dlg.lblTitolo->font().bold());
    EXPECT_EQ(dlg.txtGuida->size(), QSize(625, 350));
    EXPECT_TRUE(dlg.txtGuida->isReadOnly());
    EXPECT_EQ(dlg.txtGuida->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_TRUE(dlg.txtGuida->font().bold());
    EXPECT_EQ(dlg.lnkWeb->text(), QStringLiteral("Visualizza guida in formato PDF"));
    EXPECT_TRUE(dlg.lnkWeb->font().underline());
    EXPECT_EQ(LinkColour(dlg.lnkWeb), QColor(0x00, 0x00, 0x8B));
    EXPECT_EQ(dlg.btnChiudi->text(), QStringLiteral("Chiudi"));
    dlg.grab();  // the pictures are drawn when the window is first shown or painted
    EXPECT_FALSE(dlg.imgLogo->pixmap().isNull());
    EXPECT_FALSE(dlg.imgPDF->pixmap().isNull());
}

TEST_F(GuideTest, ShowingSetsTheOuterSizeWhateverItWas) {
    const QSize before[] = {QSize(670, 572), QSize(300, 200), QSize(900, 700)};
    for (const QSize &size : before) {
        SCOPED_TRACE(size.width());
        TfrmGuida dlg(frmAvvio);
        dlg.Create();
        dlg.setFixedSize(size);
        modals.Expect<TfrmGuida>([](TfrmGuida &shown) {
            EXPECT_EQ(shown.frameGeometry().size(), QSize(676, 598));
            shown.btnChiudiClick();
        });
        dlg.ShowModal();
    }
}

// Every opener gives a title and a text of its own; the text comes back
// exactly, line breaks included, and the title label grows to its text.
TEST_F(GuideTest, ShowsTheOpenersTitleAndText) {
    const struct {
        const char *title, *text;
    } cases[] = {
        {"App Planner Noleggi", "Primo paragrafo.\r\n\r\nSecondo paragrafo."},
        {"Esportazione archivio prenotazioni veicoli in Excel", "Un solo paragrafo, senza a capo"},
        {"Riepilogo prenotazioni veicoli", "\r\nA capo in testa e in coda\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.title);
        modals.Expect<TfrmGuida>([&](TfrmGuida &dlg) {
            EXPECT_EQ(dlg.parentWidget(), frmAvvio);
            EXPECT_EQ(dlg.lblTitolo->text(), QString::fromUtf8(c.title));
            EXPECT_EQ(dlg.txtGuida->toPlainText(), QString::fromUtf8(c.text));
            EXPECT_GE(dlg.lblTitolo->width(), dlg.lblTitolo->sizeHint().width());
            Click(dlg.btnChiudi);
        });
        ShowGuide(frmAvvio, QString::fromUtf8(c.title), QString::fromUtf8(c.text));
        modals.Verify();
    }
}

TEST_F(GuideTest, TheLauncherShowsTheGeneralGuide) {
    frmAvvio->Show();
    const Shown shown = OpenGeneralGuide();
    EXPECT_EQ(shown.title, QStringLiteral("Uno sguardo ad Velmora"));
    EXPECT_EQ(shown.text, HelpText(QStringLiteral("Avvio")));

    // 53 paragraphs joined by CR LF CR LF, none with a line break of its own,
    // each with its opening words; nothing before the first or after the last.
    const QStringList paragraphs = shown.text.split(kBreak);
    ASSERT_EQ(paragraphs.size(), qsizetype(std::size(kOpenings)));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const QString opening = QString::fromUtf8(kOpenings[i]);
        EXPECT_TRUE(paragraphs[i].startsWith(opening)) << paragraphs[i].left(90).toStdString();
        EXPECT_FALSE(paragraphs[i].contains(u'\r') || paragraphs[i].contains(u'\n'));
        EXPECT_EQ(paragraphs[i], paragraphs[i].trimmed());
    }
    // Two paragraphs are one sentence each, and nothing more.
    EXPECT_EQ(paragraphs[47], QString::fromUtf8(kOpenings[47]));
    EXPECT_EQ(paragraphs[49], QString::fromUtf8(kOpenings[49]));
    // The first-access password is named in double quotes.
    EXPECT_TRUE(paragraphs[51].contains(QStringLiteral("\"brughieravolpe\"")));
    EXPECT_FALSE(shown.text.endsWith(u'\n') || shown.text.endsWith(u'\r'));
    // About 21,000 characters.
    EXPECT_GT(shown.text.size(), 20000);
    EXPECT_LT(shown.text.size(), 22000);
}

TEST_F(GuideTest, OpeningItTwiceShowsTheSameText) {
    frmAvvio->Show();
    const Shown first = OpenGeneralGuide([](TfrmGuida &dlg) {
        // Whatever happens to the first window dies with it.
        dlg.lblTitolo->setText(QStringLiteral("altro"));
        dlg.txtGuida->setPlainText(QStringLiteral("altro"));
        dlg.lnkWebMouseDown();
    });
    QColor linkColour;
    const Shown second = OpenGeneralGuide([&](TfrmGuida &dlg) { linkColour = LinkColour(dlg.lnkWeb); });
    EXPECT_EQ(second.title, first.title);
    EXPECT_EQ(second.text, first.text);
    EXPECT_EQ(linkColour, QColor(0x00, 0x00, 0x8B));
}

// The link and its icon open "Guida.pdf" in the program's folder, whose name
// ends with its separator.
TEST_F(GuideTest, TheLinkOpensTheGuideBesideTheProgram) {
    TfrmGuida dlg(frmAvvio);
    dlg.Create();
    modals.Expect<TfrmGuida>([&](TfrmGuida &shown) {
        Click(shown.lnkWeb);
        Click(shown.imgPDF);
        EXPECT_TRUE(shown.isVisible());
        Click(shown.btnChiudi);
    });
    dlg.ShowModal();
    const QString expected = u'"' + folder.Path(QStringLiteral("Guida.pdf")) + u'"';
    EXPECT_EQ(shell.opened, QStringList({expected, expected}));
}

// The help text of the launcher is read from its resource: blank lines part
// the paragraphs, and nothing of the file's own line breaks survives inside one.
TEST(HelpTexts, ParagraphsComeFromTheResource) {
    const QStringList paragraphs = HelpParagraphs(QStringLiteral("Avvio"));
    EXPECT_EQ(paragraphs.size(), qsizetype(std::size(kOpenings)));
    EXPECT_EQ(HelpText(QStringLiteral("Avvio")), paragraphs.join(kBreak));
    EXPECT_TRUE(HelpParagraphs(QStringLiteral("NessunaFinestra")).isEmpty());
    EXPECT_TRUE(HelpText(QStringLiteral("NessunaFinestra")).isEmpty());
}

// The build lays "Guida.pdf" beside the program: the general guide, set out
// as a document of its own.
TEST(GuidePdf, SetsOutTheGeneralGuide) {
    const QString pdf = QStringLiteral(VELMORA_PROGRAM_DIR "/Guida.pdf");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                                  QStringLiteral("-")});
    if (!pdftotext.waitForStarted()) GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_TRUE(pdftotext.waitForFinished());
    ASSERT_EQ(pdftotext.exitCode(), 0);
    // Page by page, without the page number at the foot, as one run of words.
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    for (QString &page : pages) page.remove(QRegularExpression(QStringLiteral("\\s*\\d+\\s*$")));
    const QString text = pages.join(u' ').simplified();

    EXPECT_TRUE(text.contains(QStringLiteral("Uno sguardo ad Velmora")));
    qsizetype from = 0;
    for (const char *opening : kOpenings) {
        const qsizetype at = text.indexOf(QString::fromUtf8(opening), from);
        EXPECT_GE(at, from) << opening;
        if (at >= 0) from = at;
    }
}

}  // namespace
}  // namespace vel::test
