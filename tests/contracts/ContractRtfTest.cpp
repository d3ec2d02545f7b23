// The long contract's bytes, from a set of card values given by control name.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>
#include <set>
#include <string>

#include "common/TextRules.h"
#include "contracts/ContractRtf.h"

namespace vel {
namespace {

using Values = std::map<std::string, QString>;

QByteArray DocumentOf(const Values &values) {
    return ContractRtf([&values](const char *control) {
        const auto it = values.find(control);
        return it == values.end() ? QString() : it->second;
    });
}

// Every control the document takes, each holding a text of its own: "V" and
// the control's name without its prefix ("VCliente").
Values NamedValues() {
    Values values;
    for (const char *control : ContractRtfControls())
        values[control] = QStringLiteral("V") + QString::fromLatin1(control).mid(3);
    return values;
}

QByteArray V(const char *control) { return QByteArray("V") + QByteArray(control).mid(3); }

// Reads the document from its start, piece after piece.
class Reader {
public:
    explicit Reader(QByteArray doc) : doc_(std::move(doc)) {}

    // The next bytes are exactly `piece`.
    void Piece(const QByteArray &piece) {
        ASSERT_EQ(doc_.mid(pos_, piece.size()), piece) << "at byte " << pos_;
        pos_ += piece.size();
    }
    void Par() { Piece("\\par"); }
    // A body told by content: the value of each control in bold after its
    // fixed words, and the body's last words just before `end`.
    void Body(const QByteArray &opening, const std::vector<std::pair<QByteArray, const char *>> &values,
              const QByteArray &ending, const QByteArray &lastWords) {
        Piece(opening);
        for (const auto &[before, control] : values) {
            const QByteArray run = before + "\\b " + V(control) + "\\b0";
            const qsizetype at = doc_.indexOf(run, pos_);
            ASSERT_GE(at, 0) << control;
            ExpectPlainText(doc_.mid(pos_, at - pos_));
            pos_ = at + run.size();
        }
        // The body's text goes on to the ending and the paragraph mark.
        const qsizetype end = doc_.indexOf(ending + "\\par", pos_);
        ASSERT_GE(end, 0);
        const QByteArray rest = doc_.mid(pos_, end - pos_);
        ExpectPlainText(rest);
        EXPECT_TRUE(rest.endsWith(lastWords)) << rest.toStdString();
        pos_ = end;
        Piece(ending);
    }
    bool AtEnd() const { return pos_ == doc_.size(); }

private:
    // Words only: 7-bit, no group or control word but the accents' escapes.
    static void ExpectPlainText(const QByteArray &text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char c = text.at(i);
            ASSERT_TRUE(c >= 0x20 && c < 0x7F) << text.toStdString();
            ASSERT_NE(c, '{');
            ASSERT_NE(c, '}');
            if (c == '\\') {
                ASSERT_EQ(text.at(i + 1), '\'') << text.toStdString();
                i += 3;
            }
        }
    }
    QByteArray doc_;
    qsizetype pos_ = 0;
};

const QByteArray kRule42 = "\\par __________________________________________";

TEST(ContractRtfTest, EveryPieceInItsPlace) {
    const QByteArray doc = DocumentOf(NamedValues());
    Reader r(doc);
    r.Piece(R"({\rtf1\ansi\ansicpg1252\deff0\deflang1040{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;})"
            R"({\f1\fnil Verdana;}{\f2\fnil\fcharset0 Verdana;}})");
    r.Piece(R"({\colortbl ;\red0\green0\blue0;})");
    r.Piece(R"(\viewkind4\uc1\pard\qc\b\f0\fs24 CONTRATTO DI NOLEGGIO DI AUTOVEICOLO SENZA CONDUCENTE\cf1\f1)");
    r.Piece(R"(\par \cf0\f0\fs20 N. VNumContratto del VData\cf1\f1\fs16)");
    r.Piece(R"(\par \fs24 ________________________________________________)");
    r.Par();
    r.Piece(R"(\par \pard\qj\cf0\b0\f0\fs20 Con il presente contratto, la ditta di autonoleggio \b VDitta\b0  )"
            R"((denominata di seguito Locatore)\cf1\b\f1)");
    r.Par();
    r.Piece(R"(\par \pard\qc\cf0\f0 CONCEDE IN NOLEGGIO\cf1\f1\fs24)");
    r.Par();
    r.Piece(R"(\par \pard\qj\cf0\b0\f0\fs20 al Sig. \b VCliente\b0  (denominato di seguito Cliente), nato a )"
            R"(\b VComuneNasc\b0  (\b VProvNasc\b0 ) il \b VDataNasc\b0 , sesso: \b VSesso\b0 , codice fiscale: )"
            R"(\b VCodFisc\b0 , e residente a \b VComuneRes\b0  (\b VProvRes\b0 ), CAP: \b VCapRes\b0 , in )"
            R"(\b VIndirizzoRes\b0 , recapito telefonico: \b VRecapito\b0 , titolare della patente di guida di )"
            R"(tipo \b VTipoPat\b0 , n. \b VNumPat\b0 , rilasciata dalla \b VEnteRil\b0  in data \b VDataRil\b0 , )"
            R"(con scadenza in data \b VDataSca\b0 , il veicolo di seguito indicato:)");
    r.Par();
    r.Piece(R"(\par    \bullet  Tipo:\b  VVeicolo)");
    r.Piece(R"(\par \b0    \bullet  Marca e modello:\b  VMarca)");
    r.Piece(R"(\par \lang2057\b0    \bullet  Targa:\b  VTarga)");
    r.Piece(R"(\par \b0    \bullet  Posti:\b  VPosti)");
    r.Piece(R"(\par \lang1040\b0    \bullet  Alimentazione:\b  VAlimentazione)");
    r.Piece(R"(\par \b0    \bullet  Colore:\b  VColore)");
    r.Par();
    r.Piece(R"(\par \pard\qj\b0 alle condizioni particolari e a quelle generali stese nei seguenti articoli, che )"
            R"(gli interessati dichiarano di accettare e che potranno essere derogate solo con specifico accordo )"
            R"(scritto tra le parti.\cf1\b\f1)");
    r.Par();

    const QByteArray justified = R"(\par \pard\qj\b0 )";
    struct ArticleCase {
        QByteArray title;
        QByteArray opening;
        std::vector<std::pair<QByteArray, const char *>> values;
        QByteArray ending;
        QByteArray lastWords;
    };
    const ArticleCase articles[] = {
        {R"(\par \pard\qc\cf0\f0 Art. 1 - Limiti e modalit\'e0 di utilizzo del veicolo.\cf1\f1)",
         R"(\par \pard\qj\cf0\b0\f0 )", {{"Conducente Supplementare, Sig. ", "txtConducente"}}, R"(\cf1\f2)", "."},
        {R"(\par \pard\qc\cf0\b\f0 Art. 2 - Stato del veicolo al momento del ritiro.)", justified,
         {{"", "txtAssicurazioni"}, {"", "txtImpianti"}, {"pari a km ", "txtKmParte"}}, R"(\cf1\f2)", ""},
        {R"(\par \pard\qc\cf0\b\f0 Art. 3 - Propriet\'e0 del bene locato.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 4 - Furto o sinistro.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 5 - Danni a cose o animali.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 6 - Reperibilit\'e0 del Cliente.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 7 - Ritiro e riconsegna del veicolo e tariffe applicate.)", justified,
         {{"", "txtTariffa"},
          {"", "txtConteggio"},
          {"", "txtImporto"},
          {"", "txtEccedenza"},
          {"", "txtDataInizio"},
          {"", "txtOraInizio"},
          {"", "txtSedeRit"},
          {"", "txtDataFine"},
          {"", "txtOraFine"},
          {"", "txtSedeRic"},
          {"", "txtTotGiorni"},
          {"", "txtTotale"},
          {"", "txtPagamento"}},
         "", "."},
        {R"(\par \pard\qc\b Art. 8 - Cauzione.)", justified, {{"la somma di euro ", "txtCauzione"}}, "", "."},
        {R"(\par \pard\qc\b Art. 9 - Manutenzione e riparazione del veicolo.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 10 - Operazioni a carico del Cliente.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 11 - Stato del veicolo al momento della riconsegna.)", justified,
         {{"al seguente livello: ", "txtLivello"}}, "", "."},
        {R"(\par \pard\qc\b Art. 12 - Ammende e contravvenzioni.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 13 - Osservanza di leggi e regolamenti.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 14 - Assenza di dichiarazioni mendaci.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 15 - Risoluzione del contratto.)", justified, {}, "", "."},
        {R"(\par \pard\qc\b Art. 16 - Foro di competenza.)", justified, {{"Tribunale del Foro di ", "txtForo"}}, "",
         ""},
    };
    for (const ArticleCase &a : articles) {
        SCOPED_TRACE(a.title.toStdString());
        r.Piece(a.title);
        r.Body(a.opening, a.values, a.ending, a.lastWords);
        r.Par();
        if (::testing::Test::HasFatalFailure()) return;
    }
    // Articles 2 and 16 end on their last value and a full stop.
    EXPECT_TRUE(doc.contains("\\b VKmParte\\b0 .\\cf1\\f2\\par"));
    EXPECT_TRUE(doc.contains("\\b VForo\\b0 .\\par"));

    r.Piece(R"(\par VLuogo, VData.)");
    r.Par();
    r.Piece(R"(\par Letto, confermato e sottoscritto.)");
    r.Par();
    r.Piece(R"(\par IL LOCATORE)");
    r.Par();
    r.Piece(kRule42);
    r.Piece(R"(\par FIRMA)");
    r.Par();
    r.Piece(R"(\par Ai sensi degli artt. 1341 e ss. del Codice civile, il Cliente dichiara di aver letto )"
            R"(attentamente e di approvare e accettare tutti gli articoli del presente contratto e, )"
            R"(specificatamente, gli artt. 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16.)");
    r.Par();
    r.Piece(R"(\par IL CLIENTE)");
    r.Par();
    r.Piece(kRule42);
    r.Piece(R"(\par FIRMA)");
    r.Par();
    r.Piece(R"(\par \pard\qc\b TRATTAMENTO DEI DATI PERSONALI)");
    r.Body(justified, {{"ai sensi della Legge, \\'e8 ", "txtPrivacy"}}, "", ".");
    r.Par();
    r.Piece(R"(\par IL CLIENTE)");
    r.Par();
    r.Piece(kRule42);
    r.Piece(R"(\par FIRMA)");
    r.Piece(R"(\par \pard\cf1\b\f1)");
    r.Piece(R"(\par })");
    EXPECT_TRUE(r.AtEnd());

    // One line of 7-bit text.
    for (const char c : doc) ASSERT_TRUE(c >= 0x20 && c < 0x7F) << int(c);
}

TEST(ContractRtfTest, TheControlsItTakes) {
    const auto &controls = ContractRtfControls();
    EXPECT_EQ(controls.size(), 47u);
    const std::set<std::string> distinct(controls.begin(), controls.end());
    EXPECT_EQ(distinct.size(), 47u);
    // Each value is asked for once, "txtData" twice: in the number line and
    // in the place and date.
    std::map<std::string, int> asked;
    ContractRtf([&asked](const char *control) {
        ++asked[control];
        return QString();
    });
    EXPECT_EQ(asked.size(), 47u);
    for (const auto &[control, times] : asked) EXPECT_EQ(times, control == "txtData" ? 2 : 1) << control;
    const QByteArray doc = DocumentOf({{"txtData", QStringLiteral("10/03/2026")}});
    EXPECT_TRUE(doc.contains("N.  del 10/03/2026\\cf1"));
    EXPECT_TRUE(doc.contains("\\par , 10/03/2026."));
}

TEST(ContractRtfTest, AnEmptyCardGivesAWholeDocument) {
    const QByteArray doc = DocumentOf({});
    EXPECT_TRUE(doc.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(doc.endsWith("\\par \\pard\\cf1\\b\\f1\\par }"));
    EXPECT_TRUE(doc.contains(R"(\par \cf0\f0\fs20 N.  del \cf1\f1\fs16)"));
    EXPECT_TRUE(doc.contains(R"(al Sig. \b \b0  (denominato di seguito Cliente), nato a \b \b0  (\b \b0 ) il)"));
    EXPECT_TRUE(doc.contains(R"(\par    \bullet  Tipo:\b  \par \b0    \bullet  Marca e modello:\b  \par )"));
    EXPECT_TRUE(doc.contains("\\par , .\\par"));
    EXPECT_FALSE(doc.contains('\r'));
    EXPECT_FALSE(doc.contains('\n'));
    // The groups open and close in pairs.
    EXPECT_EQ(doc.count('{'), doc.count('}'));
}

TEST(ContractRtfTest, ValuesAreTrimmedInTheCodePageAndEscaped) {
    const struct {
        const char *label;
        QString value;
        QByteArray written;
    } cases[] = {
        {"blanks and tabs around", QStringLiteral(" \t Rossi Mario  "), "Rossi Mario"},
        {"an accented letter is one byte", QStringLiteral("Forl\u00ec"), "Forl\xEC"},
        {"the euro sign is its byte", QStringLiteral("\u20ac 50,00"), "\x80 50,00"},
        {"a character the code page lacks", QStringLiteral("\u03a9mega"), "?mega"},
        {"a backslash", QStringLiteral("A\\B"), "A\\\\B"},
        {"braces", QStringLiteral("{Rossi}"), "\\{Rossi\\}"},
        {"an RTF control word stays text", QStringLiteral("\\par}{\\rtf1"), "\\\\par\\}\\{\\\\rtf1"},
        {"a NUL is a blank", QStringLiteral("Ros") + QChar(0) + QStringLiteral("si"), "Ros si"},
        {"an ESC is a blank", QStringLiteral("Rossi\x1b[0m Mario"), "Rossi [0m Mario"},
        {"a DEL is a blank", QStringLiteral("Rossi\x7f"), "Rossi "},
        {"a tab and a line break are blanks", QStringLiteral("Rossi\tMario\r\nRoma"), "Rossi Mario  Roma"},
        {"the undefined bytes' controls", QStringLiteral("a") + QChar(0x81) + QChar(0x9d) + QStringLiteral("b"),
         "a  b"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const QByteArray doc = DocumentOf({{"txtCliente", c.value}});
        EXPECT_TRUE(doc.contains("al Sig. \\b " + c.written + "\\b0  (denominato")) << doc.left(1200).toStdString();
        // A value never opens or closes a group of the document.
        EXPECT_EQ(doc.count('{') - doc.count("\\{"), doc.count('}') - doc.count("\\}"));
    }
    EXPECT_EQ(RtfValue(QStringLiteral("Citt\u00e0 {x} \\")), QByteArray("Citt\xE0 \\{x\\} \\\\"));
    // Every value holding every control: the document carries none raw.
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c) controls += QChar(c);
    controls += QChar(0x7f);
    std::map<std::string, QString> values;
    for (const char *control : ContractRtfControls()) values[control] = QStringLiteral("x") + controls + u'y';
    const QByteArray doc = DocumentOf(values);
    for (const char b : doc) EXPECT_FALSE(IsControlByte(static_cast<unsigned char>(b))) << int(b);
}

TEST(ContractRtfTest, FixedWordsCarryTheirAccentsAsEscapes) {
    const QByteArray doc = DocumentOf(NamedValues());
    // The fixed words have accents in many places, each an escape; no byte
    // of the document is above 7 bits when the values are.
    EXPECT_GT(doc.count("\\'e0"), 5);
    EXPECT_GT(doc.count("\\'e8"), 10);
    EXPECT_TRUE(doc.contains("\\'f2"));
    EXPECT_TRUE(doc.contains("\\'f9"));
    EXPECT_TRUE(doc.contains("\\'e9"));
    EXPECT_TRUE(doc.contains("\\'ec"));
    EXPECT_FALSE(doc.contains("\\'E"));
    // A value with the same letter is written as its byte.
    Values values = NamedValues();
    values["txtComuneRes"] = QStringLiteral("Citt\u00e0");
    EXPECT_TRUE(DocumentOf(values).contains("residente a \\b Citt\xE0\\b0  (\\b VProvRes"));
}

// A word processor reads the document back: LibreOffice turns it into plain
// text, where the values and the fixed words stand as written.
TEST(ContractRtfTest, LibreOfficeReadsTheDocument) {
    QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty()) office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (office.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed (see README.md)";

    Values values = NamedValues();
    values["txtCliente"] = QStringLiteral("Rossi {Mario} \\ Jr");
    values["txtComuneNasc"] = QStringLiteral("Forl\u00ec");
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString rtf = work.filePath(QStringLiteral("Contratto_NSC.rtf"));
    QFile file(rtf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(DocumentOf(values));
    file.close();

    QProcess soffice;
    soffice.start(office, {QStringLiteral("-env:UserInstallation=file://") + work.path() + QStringLiteral("/profile"),
                           QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("txt:Text (encoded):UTF8"),
                           QStringLiteral("--outdir"), work.path() + QStringLiteral("/out"), rtf});
    if (!soffice.waitForFinished(90000)) {
        soffice.kill();
        soffice.waitForFinished();
        FAIL() << "LibreOffice did not finish";
    }
    QFile txt(work.path() + QStringLiteral("/out/Contratto_NSC.txt"));
    ASSERT_TRUE(txt.open(QIODevice::ReadOnly)) << soffice.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(txt.readAll());
    for (const QString &expected :
         {QStringLiteral("CONTRATTO DI NOLEGGIO DI AUTOVEICOLO SENZA CONDUCENTE"), QStringLiteral("N. VNumContratto del VData"),
          QStringLiteral("al Sig. Rossi {Mario} \\ Jr (denominato di seguito Cliente), nato a Forl\u00ec (VProvNasc)"),
          QStringLiteral("Art. 1 - Limiti e modalit\u00e0 di utilizzo del veicolo."),
          QStringLiteral("Art. 16 - Foro di competenza."), QStringLiteral("Tribunale del Foro di VForo."),
          QStringLiteral("VLuogo, VData."), QStringLiteral("TRATTAMENTO DEI DATI PERSONALI")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
}

}  // namespace
}  // namespace vel
