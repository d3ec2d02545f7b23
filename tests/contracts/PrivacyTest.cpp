// The privacy notice: its eleven values, their typing and looks, and the
// one-page notice printed from them.
#include <QDir>
#include <QRegularExpression>

#include "ContractFixture.h"
#include "cards/FindDialog.h"
#include "cards/ReportPages.h"
#include "common/TextRules.h"
#include "contracts/Privacy.h"
#include "report/PageImages.h"

namespace vel::test {
namespace {

using report::Memo;
using report::Report;

const QColor kAliceBlue(0xF0, 0xF8, 0xFF);
const QColor kSkyBlue(0x87, 0xCE, 0xEB);
const QColor kYellow(0xFF, 0xFF, 0x00);

class PrivacyTest : public ContractTest {
protected:
    // A notice opened as the card opens it: a new window owned by the card.
    std::unique_ptr<TfrmPrivacy> Open() {
        auto notice = std::make_unique<TfrmPrivacy>(frmContrattiNSC);
        notice->Create();
        notice->Show();
        ShowActive(notice.get());
        return notice;
    }
    // Every value with blanks around it, as an opener could leave them.
    static void FillValues(TfrmPrivacy &n) {
        n.txtNumContratto->setText(QStringLiteral(" 12 "));
        n.txtData->setText(QStringLiteral("10/03/2026 "));
        n.txtDitta->setText(QStringLiteral("  Autonoleggi Rossi S.r.l."));
        n.txtCliente->setText(QStringLiteral("Bianchi Luca  "));
        n.txtCodFisc->setText(QStringLiteral(" BNCLCU80A01F205X"));
        n.txtDataNasc->setText(QStringLiteral("01/01/1980"));
        n.txtComuneNasc->setText(QStringLiteral(" Forl\u00ec "));
        n.txtProvNasc->setText(QStringLiteral("FC"));
        n.txtPrivacy->setText(QStringLiteral(" Rossi Mario "));
        n.txtLuogoFirma->setText(QStringLiteral(" Roma "));
        n.txtDataFirma->setText(QStringLiteral(" 10/03/2026"));
    }
    // The memos the notice fills and what the values above put in them.
    static std::vector<std::pair<QString, QString>> FilledMemos() {
        return {
            {QStringLiteral("txtCliente"), QStringLiteral("Bianchi Luca")},
            {QStringLiteral("txtDataNasc"), QStringLiteral("01/01/1980")},
            {QStringLiteral("txtLuogoNasc"), QStringLiteral("Forl\u00ec")},
            {QStringLiteral("txtProvNasc"), QStringLiteral("FC")},
            {QStringLiteral("txtCodFisc"), QStringLiteral("BNCLCU80A01F205X")},
            {QStringLiteral("txtNumContratto"), QStringLiteral("12")},
            {QStringLiteral("txtDataSti"), QStringLiteral("10/03/2026")},
            {QStringLiteral("txtDitta"), QStringLiteral("Autonoleggi Rossi S.r.l.")},
            {QStringLiteral("txtPrivacy"), QStringLiteral("Rossi Mario")},
            {QStringLiteral("txtData"), QStringLiteral("Roma, 10/03/2026.")},
        };
    }
};

TEST_F(PrivacyTest, WindowLooksAsDesigned) {
    auto n = Open();
    EXPECT_EQ(n->objectName(), QStringLiteral("frmPrivacy"));
    EXPECT_EQ(n->Caption(), QStringLiteral(" Informativa sulla Privacy"));
    EXPECT_EQ(Focused(), n->btnStampa);
    EXPECT_EQ(n->btnStampa->text(), QStringLiteral("Stampa"));
    EXPECT_EQ(n->btnChiudi->text(), QStringLiteral("Chiudi"));

    const struct {
        Edit *edit;
        const char *name;
        const char *caption;
        int maxLength;
        bool centred;
    } edits[] = {
        {n->txtNumContratto, "txtNumContratto", "Contratto n.", 30, true},
        {n->txtData, "txtData", "Data stipula:", 10, true},
        {n->txtDitta, "txtDitta", "Locatore (Ditta autonoleggio):", 250, false},
        {n->txtCliente, "txtCliente", "Cognome e nome Cliente:", 120, false},
        {n->txtCodFisc, "txtCodFisc", "Codice fiscale:", 16, false},
        {n->txtDataNasc, "txtDataNasc", "Data di nascita:", 30, true},
        {n->txtComuneNasc, "txtComuneNasc", "Comune di nascita:", 50, false},
        {n->txtProvNasc, "txtProvNasc", "Prov.", 2, false},
        {n->txtPrivacy, "txtPrivacy", "Titolare privacy:", 120, false},
        {n->txtLuogoFirma, "txtLuogoFirma", "Luogo:", 120, false},
        {n->txtDataFirma, "txtDataFirma", "Data:", 10, true},
    };
    QStringList captions;
    for (const QLabel *label : n->findChildren<QLabel *>())
        if (label->isVisibleTo(n.get())) captions.append(label->text());
    ASSERT_EQ(n->Edits().size(), std::size(edits));
    for (size_t i = 0; i < std::size(edits); ++i) {
        const auto &e = edits[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(n->Edits()[i], e.edit);
        EXPECT_EQ(e.edit->objectName(), QString::fromLatin1(e.name));
        EXPECT_EQ(e.edit->MaxLength(), e.maxLength);
        EXPECT_EQ(bool(e.edit->alignment() & Qt::AlignHCenter), e.centred);
        EXPECT_TRUE(captions.contains(U(e.caption)));
        EXPECT_TRUE(e.edit->isVisible());
        // Each edit lies inside the window, none over another.
        EXPECT_TRUE(n->rect().contains(e.edit->geometry()));
        for (size_t j = 0; j < i; ++j) EXPECT_FALSE(e.edit->geometry().intersects(edits[j].edit->geometry()));
    }
    // A value longer than its edit's limit, put in by the opener, stays whole.
    const QString longName(200, u'x');
    n->txtCliente->setText(longName);
    EXPECT_EQ(n->txtCliente->text(), longName);

    if (const QByteArray dir = qgetenv("VELMORA_GRAB_DIR"); !dir.isEmpty()) {
        FillValues(*n);
        n->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/Privacy.png"));
    }
}

// Every text of the window reads whole: no label covers another, each
// caption is as wide as its words, and none lies over an edit.
TEST_F(PrivacyTest, NoTextIsCutOrCovered) {
    auto n = Open();
    std::vector<const QLabel *> labels;
    for (const QLabel *label : n->findChildren<QLabel *>())
        if (label->isVisibleTo(n.get()) && !label->text().isEmpty()) labels.push_back(label);
    ASSERT_GE(labels.size(), n->Edits().size());
    for (size_t i = 0; i < labels.size(); ++i) {
        const QLabel *label = labels[i];
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_TRUE(n->rect().contains(label->geometry()));
        if (!label->wordWrap()) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        }
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(label->geometry().intersects(labels[j]->geometry())) << labels[j]->text().toStdString();
        for (const Edit *edit : n->Edits()) EXPECT_FALSE(label->geometry().intersects(edit->geometry()));
    }
}

// Tax code and province turn to trimmed capitals as they are typed; the
// other values are taken as typed; a value put in by the opener stays as the
// card held it.
TEST_F(PrivacyTest, TaxCodeAndProvinceTurnToCapitalsWhileTyped) {
    auto n = Open();
    Type(n->txtCodFisc, QStringLiteral(" bnclcu80a01f205x"));
    EXPECT_EQ(n->txtCodFisc->text(), QStringLiteral("BNCLCU80A01F205X"));
    Type(n->txtProvNasc, QStringLiteral("fc"));
    EXPECT_EQ(n->txtProvNasc->text(), QStringLiteral("FC"));
    Type(n->txtCliente, QStringLiteral(" rossi "));
    EXPECT_EQ(n->txtCliente->text(), QStringLiteral(" rossi "));
    n->txtCodFisc->setText(QStringLiteral("abc"));
    n->txtProvNasc->setText(QStringLiteral("mi"));
    EXPECT_EQ(n->txtCodFisc->text(), QStringLiteral("abc"));
    EXPECT_EQ(n->txtProvNasc->text(), QStringLiteral("mi"));
    EXPECT_TRUE(messages.Shown().empty());
}

// Enter goes from each value to the next, from the last back to the first;
// the value with the focus stands on yellow, the others on alice blue, each
// in its sky-blue border; the value entered is selected.
TEST_F(PrivacyTest, EnterGoesRoundTheValuesAndTheFocusedOneIsYellow) {
    auto n = Open();
    const auto &edits = n->Edits();
    for (const Edit *edit : edits) {
        EXPECT_EQ(n->BackgroundOf(edit)->Look().fill, kAliceBlue);
        EXPECT_EQ(n->BackgroundOf(edit)->Look().border, kSkyBlue);
    }
    for (Edit *edit : edits) edit->setText(QStringLiteral("Roma"));
    edits.front()->setFocus();
    for (size_t i = 0; i < edits.size(); ++i) {
        Edit *edit = edits[i];
        Edit *next = edits[(i + 1) % edits.size()];
        ASSERT_EQ(Focused(), edit);
        EXPECT_EQ(n->BackgroundOf(edit)->Look().fill, kYellow);
        Press(edit, Qt::Key_Return);
        EXPECT_EQ(Focused(), next) << i;
        EXPECT_EQ(next->selectedText(), QStringLiteral("Roma")) << "entered as by Tab: typing replaces the value";
        EXPECT_EQ(n->BackgroundOf(edit)->Look().fill, kAliceBlue);
        EXPECT_EQ(n->BackgroundOf(edit)->Look().border, kSkyBlue);
    }
    EXPECT_EQ(Focused(), edits.front());
    EXPECT_TRUE(printer.printed.empty());
}

TEST_F(PrivacyTest, TheTemplateIsOneA4PageInPortrait) {
    auto repScheda = PrivacyTemplate();
    EXPECT_EQ(repScheda->name, QStringLiteral("Informativa Privacy"));
    ASSERT_EQ(repScheda->Pages().size(), 1u);
    EXPECT_EQ(repScheda->Page().paper, QSizeF(210, 297));
    EXPECT_EQ(repScheda->Page().orientation, QPageLayout::Portrait);
    const QColor beige(0xF5, 0xF5, 0xDC);
    for (const auto &[memo, value] : FilledMemos()) {
        SCOPED_TRACE(memo.toStdString());
        const Memo &m = repScheda->Get<Memo>(memo);
        if (memo == QStringLiteral("txtData")) {
            EXPECT_TRUE(m.font.bold);
            EXPECT_FALSE(m.fill.isValid());
        } else {
            EXPECT_EQ(m.fill, beige);
        }
        // Inside the printable area of 190 x 277 mm.
        EXPECT_TRUE(QRectF(0, 0, 190, 277).contains(m.bounds));
    }
    EXPECT_EQ(repScheda->Get<Memo>(QStringLiteral("titInformativa")).Text(),
              QStringLiteral("INFORMATIVA PER IL TRATTAMENTO DEI DATI PERSONALI"));
}

// The values go into their memos trimmed, the place and date joined as
// "place, date."; the page shows every text of the notice, the body to its
// last words.
TEST_F(PrivacyTest, TheNoticeCarriesTheValuesTrimmed) {
    auto n = Open();
    FillValues(*n);
    auto repScheda = PrivacyTemplate();
    FillPrivacy(*repScheda, *n);
    for (const auto &[memo, value] : FilledMemos())
        EXPECT_EQ(repScheda->Get<Memo>(memo).Text(), value) << memo.toStdString();

    repScheda->Prepare();
    ASSERT_EQ(repScheda->PreparedPages().size(), 1u);
    const report::PreparedPage &page = repScheda->PreparedPages()[0];
    const QStringList texts = page.Texts();
    if (const QByteArray dir = qgetenv("VELMORA_GRAB_DIR"); !dir.isEmpty())
        RenderPage(page, 4).save(QString::fromLocal8Bit(dir) + QStringLiteral("/Informativa.png"));
    for (const char *fixed :
         {"INFORMATIVA PER IL TRATTAMENTO DEI DATI PERSONALI",
          "CON NOTIFICAZIONE RIGUARDANTE L'UTILIZZO DI SISTEMI DI GEOLOCALIZZAZIONE (GPS)",
          "Ai sensi del Regolamento UE 2016/679 (GDPR), con la presente Informativa il Cliente:", "data di nascita:",
          "luogo di nascita:", "prov.", "codice fiscale:",
          "sottoscrittore del Contratto di autonoleggio senza conducente n.", "stipulato in data:",
          "con il Locatore:", "Il Titolare del Trattamento, ai sensi della Legge, \xc3\xa8",
          "FIRMA CLIENTE:  _______________________________________"})
        EXPECT_TRUE(texts.contains(U(fixed))) << fixed;
    for (const auto &[memo, value] : FilledMemos()) EXPECT_EQ(page.Texts(memo), QStringList{value});
    // The body and the consent are printed whole.
    const QString body = page.Texts(QStringLiteral("picPrivacy")).join(u' ');
    EXPECT_TRUE(body.startsWith(QStringLiteral("Finalit\u00e0 del trattamento.")));
    EXPECT_TRUE(body.contains(QStringLiteral("GPS")));
    EXPECT_TRUE(body.contains(QStringLiteral("cinque anni")));
    EXPECT_TRUE(body.endsWith(QStringLiteral("reclamo a un'autorit\u00e0 di controllo.")));
    const QString consent = page.Texts(QStringLiteral("titConsenso")).join(u' ');
    EXPECT_TRUE(consent.contains(QStringLiteral("1) al trattamento dei propri dati personali")));
    EXPECT_TRUE(consent.endsWith(QStringLiteral("indicate nell'Informativa.")));

    // The same page as a PDF reads back with the values in their lines.
    if (HasPdfTools()) {
        const QString pdf = folder.Path(QStringLiteral("Informativa.pdf"));
        repScheda->ExportPdf(pdf, QStringLiteral("Informativa Privacy"), QStringLiteral("Informativa Privacy"));
        const QString text = RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.contains(QStringLiteral("Bianchi Luca"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Roma, 10/03/2026.")));
        EXPECT_TRUE(text.contains(QStringLiteral("Autonoleggi Rossi S.r.l.")));
        EXPECT_TRUE(RunPdfTool(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    }
}

// Empty values still print: the place and date line is the comma, a blank
// and the full stop.
TEST_F(PrivacyTest, AnEmptyNoticeStillPrints) {
    auto n = Open();
    Click(n->btnStampa);
    EXPECT_FALSE(n->isVisible());
    ASSERT_EQ(printer.printed.size(), 1u);
    const QStringList strings = StringsOf(printer.printed[0].pages[0]);
    EXPECT_TRUE(strings.contains(QStringLiteral(", .")));
    EXPECT_EQ(printer.printed[0].layout.orientation(), QPageLayout::Portrait);
    EXPECT_TRUE(messages.Shown().empty());
}

// "Stampa" prints through the print dialog, with no preview, and the window
// closes whether the user printed or cancelled; "Chiudi" prints nothing.
TEST_F(PrivacyTest, StampaPrintsAndClosesPrintedOrCancelled) {
    {
        auto n = Open();
        FillValues(*n);
        Click(n->btnStampa);
        EXPECT_FALSE(n->isVisible());
        ASSERT_EQ(printer.printed.size(), 1u);
        ASSERT_EQ(printer.printed[0].pages.size(), 1);
        const QStringList strings = StringsOf(printer.printed[0].pages[0]);
        for (const auto &[memo, value] : FilledMemos()) EXPECT_TRUE(strings.contains(value)) << value.toStdString();
    }
    {
        printer.acceptDialog = false;
        auto n = Open();
        Click(n->btnStampa);
        EXPECT_FALSE(n->isVisible());
        EXPECT_EQ(printer.printed.size(), 1u);
    }
    {
        auto n = Open();
        Click(n->btnChiudi);
        EXPECT_FALSE(n->isVisible());
    }
    EXPECT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(printer.previewed.empty());
    EXPECT_TRUE(messages.Shown().empty());
}

// A print that fails says so, with its reason, and keeps the window open
// with the values as corrected, so the user can try again.
TEST_F(PrivacyTest, AFailedPrintIsReportedAndTheWindowStays) {
    auto n = Open();
    FillValues(*n);
    n->txtCliente->setText(QStringLiteral("Corretto"));
    printer.failWith = QStringLiteral("stampante non raggiungibile");
    messages.Expect(MsgKind::Warning, QStringLiteral("Attenzione: la stampa non \u00e8 andata a buon fine.\n\r\n\r"
                                                     "Si consiglia di controllare le impostazioni della stampante."
                                                     "\n\r\n\rMotivo: stampante non raggiungibile"));
    Click(n->btnStampa);
    messages.Verify();
    EXPECT_TRUE(n->isVisible());
    EXPECT_EQ(n->txtCliente->text(), QStringLiteral("Corretto"));

    printer.failWith.clear();
    Click(n->btnStampa);
    EXPECT_FALSE(n->isVisible());
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(StringsOf(printer.printed[0].pages[0]).contains(QStringLiteral("Corretto")));
}

// The card's privacy command fills the notice from the card; a value
// corrected there prints as corrected and the card keeps its own.
TEST_F(PrivacyTest, OpenedFromTheCardACorrectionLastsForThePrintOnly) {
    TfrmContrattiNSC *card = frmContrattiNSC;
    const std::pair<const char *, QString> values[] = {
        {"txtNumContratto", QStringLiteral(" 7")},        {"txtData", QStringLiteral("10/03/2026")},
        {"txtDitta", QStringLiteral("Autonoleggi Sud")},   {"txtCliente", QStringLiteral("Verdi Anna ")},
        {"txtCodFisc", QStringLiteral("VRDNNA80A41H501Z")}, {"txtDataNasc", QStringLiteral("01/01/1980")},
        {"txtComuneNasc", QStringLiteral("Roma")},          {"txtProvNasc", QStringLiteral("RM")},
        {"txtPrivacy", QStringLiteral("Sud S.p.A.")},       {"txtLuogo", QStringLiteral("Napoli")},
    };
    for (const auto &[control, text] : values) SetControlTextOf(card, control, text);
    modals.Expect<TfrmPrivacy>([](TfrmPrivacy &n) {
        EXPECT_EQ(n.txtNumContratto->text(), QStringLiteral("7"));
        EXPECT_EQ(n.txtCliente->text(), QStringLiteral("Verdi Anna"));
        EXPECT_EQ(n.txtProvNasc->text(), QStringLiteral("RM"));
        EXPECT_EQ(n.txtLuogoFirma->text(), QStringLiteral("Napoli"));
        EXPECT_EQ(n.txtDataFirma->text(), QStringLiteral("10/03/2026"));
        n.txtCliente->setText(QStringLiteral("Verdi Anna Maria"));
        Click(n.btnStampa);
    });
    card->btnPrivacyClick();
    modals.Verify();
    ASSERT_EQ(printer.printed.size(), 1u);
    const QStringList strings = StringsOf(printer.printed[0].pages[0]);
    EXPECT_TRUE(strings.contains(QStringLiteral("Verdi Anna Maria")));
    EXPECT_TRUE(strings.contains(QStringLiteral("Napoli, 10/03/2026.")));
    EXPECT_EQ(Trim(ControlTextOf(card, "txtCliente")), QStringLiteral("Verdi Anna"));
}

}  // namespace
}  // namespace vel::test
