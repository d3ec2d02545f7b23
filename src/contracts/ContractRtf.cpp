#include "ContractRtf.h"

#include <span>

#include "common/TextRules.h"

namespace vel {
namespace {

// The document's fixed words are written in UTF-8 here and leave as 7-bit
// text: every other character becomes the RTF escape of its Windows-1252
// byte ("\'e0" for "a" grave), as word processors expect of such documents.
QByteArray Fixed(const char *utf8) {
    const QString text = QString::fromUtf8(utf8);
    QByteArray out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            out.append(char(c.unicode()));
            continue;
        }
        const QByteArray byte = ToCp1252(QString(c));
        static const char kHex[] = "0123456789abcdef";
        const auto b = static_cast<unsigned char>(byte.at(0));
        out.append("\\'").append(kHex[b >> 4]).append(kHex[b & 0x0F]);
    }
    return out;
}

// One stretch of an article: fixed words, then the value of a control in
// bold (none when `control` is null). The words after a value begin with the
// blank that ends the control word "\b0", so a word that follows a value
// needs a second blank.
struct Stretch {
    const char *text;
    const char *control = nullptr;
};

struct Article {
    const char *title;    // the title piece, exactly
    const char *opening;  // the body's first control words
    std::vector<Stretch> body;
    const char *ending;   // after the body's text
};

constexpr const char *kJustified = R"(\par \pard\qj\b0 )";

// The sixteen articles of the general conditions.
const Article kArticles[] = {
    {R"(\par \pard\qc\cf0\f0 Art. 1 - Limiti e modalit\'e0 di utilizzo del veicolo.\cf1\f1)",
     R"(\par \pard\qj\cf0\b0\f0 )",
     {{"Il Cliente si obbliga a servirsi del veicolo con la diligenza del buon padre di famiglia e a non adibirlo "
       "al trasporto di persone o di cose a scopo di lucro o di commercio; a non manometterlo n\u00e9 alterarne in "
       "alcun modo le parti, i dispositivi e i contrassegni; a condurlo nel rispetto delle norme di legge e con la "
       "massima prudenza; a sopportare ogni conseguenza delle violazioni alle norme sulla circolazione stradale "
       "commesse durante il noleggio; a restituirlo al Locatore al termine del noleggio. La cessione del veicolo a "
       "terzi, anche a titolo gratuito, e ogni uso diverso da quello convenuto comportano la risoluzione di diritto "
       "del presente contratto. Il veicolo pu\u00f2 essere condotto esclusivamente dal Cliente o dal Conducente "
       "Supplementare, Sig. ",
       "txtConducente"},
      {" , purch\u00e9 titolari di patente di guida valida da almeno un anno. Il Cliente risponde in solido con il "
       "Conducente Supplementare di ogni obbligazione che deriva dal presente contratto."}},
     R"(\cf1\f2)"},
    {R"(\par \pard\qc\cf0\b\f0 Art. 2 - Stato del veicolo al momento del ritiro.)",
     kJustified,
     {{"Il Cliente dichiara di aver preso visione del veicolo e di riceverlo in ottimo stato di manutenzione e in "
       "perfetto ordine di funzionamento, con pneumatici il cui battistrada non \u00e8 inferiore a 3 mm, munito "
       "dei documenti necessari alla circolazione in Italia e nei Paesi dell'Unione Europea e coperto dalle "
       "seguenti polizze assicurative, con le relative franchigie: ",
       "txtAssicurazioni"},
      {" . Il veicolo \u00e8 consegnato con i seguenti impianti e accessori: ", "txtImpianti"},
      {" . Al momento del ritiro il contachilometri del veicolo segna una percorrenza pari a km ", "txtKmParte"},
      {" ."}},
     R"(\cf1\f2)"},
    {R"(\par \pard\qc\cf0\b\f0 Art. 3 - Propriet\'e0 del bene locato.)",
     kJustified,
     {{"Il Locatore dichiara di avere la piena disponibilit\u00e0 del veicolo e il diritto di concederlo in "
       "noleggio. In caso di sequestro, pignoramento o altra azione giudiziaria promossa da terzi sul veicolo, il "
       "Cliente \u00e8 tenuto a dichiarare che il veicolo \u00e8 di propriet\u00e0 del Locatore e a darne "
       "comunicazione scritta al Locatore entro 24 ore."}},
     ""},
    {R"(\par \pard\qc\b Art. 4 - Furto o sinistro.)",
     kJustified,
     {{"In caso di furto, anche parziale, del veicolo, il Cliente deve avvisarne il Locatore entro 24 ore e "
       "sporgere denuncia all'Autorit\u00e0 competente, consegnandone copia al Locatore. Ogni sinistro deve essere "
       "denunciato per iscritto sul foglio di viaggio custodito con i documenti del veicolo. I danni derivanti da "
       "sinistri non denunciati sono addebitati al Cliente."}},
     ""},
    {R"(\par \pard\qc\b Art. 5 - Danni a cose o animali.)",
     kJustified,
     {{"Il Locatore non risponde degli animali e delle cose trasportati o lasciati nel veicolo, salvo che il danno "
       "derivi da sua colpa. I danni arrecati a terzi e non coperti dall'assicurazione sono a carico del Cliente. "
       "Il Locatore pu\u00f2 ispezionare il veicolo entro 15 giorni dalla sua riconsegna e addebitare per iscritto "
       "al Cliente i danni riscontrati, secondo le proprie tariffe in vigore."}},
     ""},
    {R"(\par \pard\qc\b Art. 6 - Reperibilit\'e0 del Cliente.)",
     kJustified,
     {{"Per tutta la durata del noleggio il Cliente e il Conducente Supplementare devono essere reperibili 24 ore "
       "su 24 ai recapiti telefonici indicati nel presente contratto. Dopo due tentativi di contatto senza esito, "
       "a distanza di almeno un'ora l'uno dall'altro, il Locatore pu\u00f2 trattenere l'intera cauzione e far "
       "rintracciare e ricondurre il veicolo presso la propria sede, a spese del Cliente."}},
     ""},
    {R"(\par \pard\qc\b Art. 7 - Ritiro e riconsegna del veicolo e tariffe applicate.)",
     kJustified,
     {{"Al noleggio si applicano le tariffe in vigore al momento della sottoscrizione del presente contratto. Il "
       "Cliente sceglie la tariffa ",
       "txtTariffa"},
      {" , con il seguente criterio di conteggio: ", "txtConteggio"},
      {" , al prezzo unitario di euro ", "txtImporto"},
      {" ; le eccedenze sono calcolate come segue: ", "txtEccedenza"},
      {" . La durata minima del noleggio \u00e8 di un giorno. Il noleggio ha inizio in data ", "txtDataInizio"},
      {" , alle ore ", "txtOraInizio"},
      {" , con il ritiro del veicolo presso la sede di ", "txtSedeRit"},
      {" , e termina in data ", "txtDataFine"},
      {" , alle ore ", "txtOraFine"},
      {" , con la riconsegna del veicolo presso la sede di ", "txtSedeRic"},
      {" . La durata del noleggio \u00e8 di giorni ", "txtTotGiorni"},
      {"  e l'importo complessivo dovuto \u00e8 di euro ", "txtTotale"},
      {" , da corrispondere con la seguente modalit\u00e0 di pagamento: ", "txtPagamento"},
      {" . Il veicolo deve essere riconsegnato nelle stesse condizioni in cui \u00e8 stato ricevuto; i danni e "
       "l'usura anomala sono addebitati al Cliente. Il Cliente che non riconsegna il veicolo nel termine convenuto "
       "ne conserva la custodia, con ogni responsabilit\u00e0 che ne deriva."}},
     ""},
    {R"(\par \pard\qc\b Art. 8 - Cauzione.)",
     kJustified,
     {{"A garanzia delle obbligazioni assunte con il presente contratto, al momento della sottoscrizione il "
       "Locatore trattiene a titolo di cauzione la somma di euro ",
       "txtCauzione"},
      {" , che non produce interessi e che \u00e8 restituita al Cliente entro 15 giorni dal termine del noleggio, "
       "dopo l'integrale pagamento di quanto dovuto."}},
     ""},
    {R"(\par \pard\qc\b Art. 9 - Manutenzione e riparazione del veicolo.)",
     kJustified,
     {{"L'assistenza tecnica al veicolo \u00e8 prestata dal Locatore o da un'officina da questi autorizzata, senza "
       "responsabilit\u00e0 del Locatore per ulteriori danni. Il Cliente non deve proseguire la marcia con un "
       "veicolo guasto e ne resta custode. Un guasto non riparabile sul posto comporta il trasporto del veicolo, "
       "se necessario con un mezzo di soccorso, presso la sede del Locatore o il pi\u00f9 vicino centro di "
       "assistenza autorizzato."}},
     ""},
    {R"(\par \pard\qc\b Art. 10 - Operazioni a carico del Cliente.)",
     kJustified,
     {{"Sono a carico del Cliente le piccole operazioni di manutenzione, quali il controllo e il rabbocco "
       "dell'olio, del liquido di raffreddamento e dell'acqua della batteria, e la riparazione dei pneumatici "
       "forati o tagliati, da eseguire con i materiali prescritti dalle case costruttrici. Sono altres\u00ec a "
       "carico del Cliente le riparazioni dovute a negligenza, uso improprio o sovraccarico del veicolo."}},
     ""},
    {R"(\par \pard\qc\b Art. 11 - Stato del veicolo al momento della riconsegna.)",
     kJustified,
     {{"Il veicolo deve essere riconsegnato lavato e pulito; in caso contrario al Cliente \u00e8 addebitata, per "
       "la pulizia, la somma di euro 50,00 (IVA esclusa). Il serbatoio del carburante deve essere riconsegnato "
       "con il carburante presente al momento del ritiro, pari al seguente livello: ",
       "txtLivello"},
      {" ; il carburante mancante \u00e8 addebitato al Cliente."}},
     ""},
    {R"(\par \pard\qc\b Art. 12 - Ammende e contravvenzioni.)",
     kJustified,
     {{"Le ammende e le sanzioni per le violazioni alle norme sulla circolazione stradale commesse durante il "
       "noleggio sono a carico del Cliente, che rimborsa al Locatore quanto questi abbia eventualmente "
       "anticipato. Per ogni fermo del veicolo disposto dall'Autorit\u00e0 per fatto del Cliente o del Conducente "
       "Supplementare, al Locatore \u00e8 dovuta la tariffa giornaliera minima per ogni giorno di fermo, fino a "
       "concorrenza del valore commerciale del veicolo."}},
     ""},
    {R"(\par \pard\qc\b Art. 13 - Osservanza di leggi e regolamenti.)",
     kJustified,
     {{"Il Cliente si obbliga a osservare le leggi e i regolamenti vigenti. \u00c8 vietato utilizzare il veicolo "
       "per attivit\u00e0 illecite, per gare, competizioni o prove di velocit\u00e0, anche su pista, e condurlo "
       "senza una patente di guida valida o sotto l'effetto di alcool o di sostanze stupefacenti."}},
     ""},
    {R"(\par \pard\qc\b Art. 14 - Assenza di dichiarazioni mendaci.)",
     kJustified,
     {{"Il Cliente dichiara che i dati forniti sono veritieri e che i documenti esibiti sono autentici, o copie "
       "conformi agli originali, e in corso di validit\u00e0."}},
     ""},
    {R"(\par \pard\qc\b Art. 15 - Risoluzione del contratto.)",
     kJustified,
     {{"Ai sensi dell'art. 1456 del Codice civile, il Locatore pu\u00f2 risolvere anticipatamente il contratto in "
       "caso di uso improprio del veicolo, di insolvenza o di fallimento del Cliente; il Cliente pu\u00f2 "
       "risolverlo qualora il veicolo o le sue dotazioni non siano idonei all'uso convenuto."}},
     ""},
    {R"(\par \pard\qc\b Art. 16 - Foro di competenza.)",
     kJustified,
     {{"Il presente contratto \u00e8 regolato dalla legge italiana. Per quanto non previsto si rinvia alle norme "
       "sulla locazione, alle leggi sulla circolazione dei veicoli e al Codice civile. Per ogni controversia "
       "\u00e8 competente in via esclusiva il Tribunale del Foro di ",
       "txtForo"},
      {" ."}},
     ""},
};

// The notice on personal data at the foot of the document.
const Stretch kDataProtection[] = {
    {"Ai sensi del Regolamento (UE) 2016/679, con la sottoscrizione del presente contratto il Cliente \u00e8 "
     "informato che i dati personali da lui forniti sono oggetto di trattamento da parte del Titolare del "
     "Trattamento che, ai sensi della Legge, \u00e8 ",
     "txtPrivacy"},
    {" . I dati sono trattati per la conclusione e l'esecuzione dei contratti di noleggio, per la tenuta di una "
     "banca dati dei clienti, per i sistemi di pagamento concordati e per la notifica al Cliente dei verbali di "
     "contravvenzione trasmessi dalle pubbliche autorit\u00e0. Il trattamento avviene con strumenti idonei a "
     "garantire la sicurezza e la riservatezza dei dati. Il consenso del Cliente \u00e8 libero, ma necessario alla "
     "conclusione del contratto. Il Cliente pu\u00f2 chiedere in ogni momento l'aggiornamento, la rettifica e la "
     "cancellazione dei propri dati."},
};

// The customer paragraph: the fixed words before each value.
const Stretch kCustomer[] = {
    {R"(\par \pard\qj\cf0\b0\f0\fs20 al Sig. \b )", "txtCliente"},
    {R"(\b0  (denominato di seguito Cliente), nato a \b )", "txtComuneNasc"},
    {R"(\b0  (\b )", "txtProvNasc"},
    {R"(\b0 ) il \b )", "txtDataNasc"},
    {R"(\b0 , sesso: \b )", "txtSesso"},
    {R"(\b0 , codice fiscale: \b )", "txtCodFisc"},
    {R"(\b0 , e residente a \b )", "txtComuneRes"},
    {R"(\b0  (\b )", "txtProvRes"},
    {R"(\b0 ), CAP: \b )", "txtCapRes"},
    {R"(\b0 , in \b )", "txtIndirizzoRes"},
    {R"(\b0 , recapito telefonico: \b )", "txtRecapito"},
    {R"(\b0 , titolare della patente di guida di tipo \b )", "txtTipoPat"},
    {R"(\b0 , n. \b )", "txtNumPat"},
    {R"(\b0 , rilasciata dalla \b )", "txtEnteRil"},
    {R"(\b0  in data \b )", "txtDataRil"},
    {R"(\b0 , con scadenza in data \b )", "txtDataSca"},
    {R"(\b0 , il veicolo di seguito indicato:)"},
};

// The vehicle's bullets: each value stays bold until the next bullet's "\b0".
const Stretch kBullets[] = {
    {R"(\par    \bullet  Tipo:\b  )", "txtVeicolo"},
    {R"(\par \b0    \bullet  Marca e modello:\b  )", "txtMarca"},
    {R"(\par \lang2057\b0    \bullet  Targa:\b  )", "txtTarga"},
    {R"(\par \b0    \bullet  Posti:\b  )", "txtPosti"},
    {R"(\par \lang1040\b0    \bullet  Alimentazione:\b  )", "txtAlimentazione"},
    {R"(\par \b0    \bullet  Colore:\b  )", "txtColore"},
};

constexpr const char *kPar = R"(\par)";
const QByteArray kLongRule = QByteArray("\\par \\fs24 ") + QByteArray(48, '_');
const QByteArray kSignatureRule = QByteArray("\\par ") + QByteArray(42, '_');

class Document {
public:
    explicit Document(const ContractValueOf &valueOf) : valueOf_(valueOf) { bytes_.reserve(24 * 1024); }

    Document &operator<<(const char *fixed) {
        bytes_.append(Fixed(fixed));
        return *this;
    }
    Document &operator<<(const QByteArray &ascii) {
        bytes_.append(ascii);
        return *this;
    }
    // The control's text, trimmed, as the document carries values.
    Document &Value(const char *control) {
        bytes_.append(RtfValue(Trim(valueOf_ ? valueOf_(control) : QString())));
        return *this;
    }
    // Each stretch's words; its value between "\b " and "\b0" when `bold`.
    void Stretches(std::span<const Stretch> stretches, bool bold) {
        for (const Stretch &s : stretches) {
            *this << s.text;
            if (!s.control) continue;
            if (bold) *this << R"(\b )";
            Value(s.control);
            if (bold) *this << R"(\b0)";
        }
    }
    QByteArray Take() { return std::move(bytes_); }

private:
    const ContractValueOf &valueOf_;
    QByteArray bytes_;
};

}  // namespace

QString ContractRtfFileName() { return QStringLiteral("Contratto_NSC.rtf"); }

const std::vector<const char *> &ContractRtfControls() {
    static const std::vector<const char *> controls = [] {
        std::vector<const char *> names = {"txtNumContratto", "txtData", "txtDitta"};
        for (const Stretch &s : kCustomer)
            if (s.control) names.push_back(s.control);
        for (const Stretch &s : kBullets) names.push_back(s.control);
        for (const Article &a : kArticles)
            for (const Stretch &s : a.body)
                if (s.control) names.push_back(s.control);
        names.push_back("txtLuogo");
        names.push_back("txtPrivacy");
        return names;
    }();
    return controls;
}

QByteArray RtfValue(const QString &text) {
    const QByteArray bytes = ToCp1252(text);
    QByteArray out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        if (b == '\\' || b == '{' || b == '}') out.append('\\');
        // A value is one line of the card: a control character in it (a NUL,
        // an ESC, a tab or a line break of a stored record) is no text to a
        // word processor, and a blank keeps apart the words it stood between.
        out.append(IsControlByte(static_cast<unsigned char>(b)) ? ' ' : b);
    }
    return out;
}

QByteArray ContractRtf(const ContractValueOf &valueOf) {
    Document doc(valueOf);
    doc << R"({\rtf1\ansi\ansicpg1252\deff0\deflang1040{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;})"
           R"({\f1\fnil Verdana;}{\f2\fnil\fcharset0 Verdana;}})";
    doc << R"({\colortbl ;\red0\green0\blue0;})";
    doc << R"(\viewkind4\uc1\pard\qc\b\f0\fs24 CONTRATTO DI NOLEGGIO DI AUTOVEICOLO SENZA CONDUCENTE\cf1\f1)";
    doc << R"(\par \cf0\f0\fs20 N. )";
    doc.Value("txtNumContratto") << " del ";
    doc.Value("txtData") << R"(\cf1\f1\fs16)";
    doc << kLongRule << kPar;
    doc << R"(\par \pard\qj\cf0\b0\f0\fs20 Con il presente contratto, la ditta di autonoleggio \b )";
    doc.Value("txtDitta") << R"(\b0  (denominata di seguito Locatore)\cf1\b\f1)";
    doc << kPar << R"(\par \pard\qc\cf0\f0 CONCEDE IN NOLEGGIO\cf1\f1\fs24)" << kPar;
    doc.Stretches(kCustomer, false);
    doc << kPar;
    doc.Stretches(kBullets, false);
    doc << kPar;
    doc << R"(\par \pard\qj\b0 alle condizioni particolari e a quelle generali stese nei seguenti articoli, che gli )"
           R"(interessati dichiarano di accettare e che potranno essere derogate solo con specifico accordo scritto )"
           R"(tra le parti.\cf1\b\f1)";
    doc << kPar;
    for (const Article &article : kArticles) {
        doc << article.title << article.opening;
        doc.Stretches(article.body, true);
        doc << article.ending << kPar;
    }
    doc << R"(\par )";
    doc.Value("txtLuogo") << ", ";
    doc.Value("txtData") << ".";
    doc << kPar << R"(\par Letto, confermato e sottoscritto.)" << kPar << R"(\par IL LOCATORE)" << kPar;
    doc << kSignatureRule << R"(\par FIRMA)" << kPar;
    doc << R"(\par Ai sensi degli artt. 1341 e ss. del Codice civile, il Cliente dichiara di aver letto )"
           R"(attentamente e di approvare e accettare tutti gli articoli del presente contratto e, )"
           R"(specificatamente, gli artt. 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16.)";
    doc << kPar << R"(\par IL CLIENTE)" << kPar << kSignatureRule << R"(\par FIRMA)" << kPar;
    doc << R"(\par \pard\qc\b TRATTAMENTO DEI DATI PERSONALI)";
    doc << kJustified;
    doc.Stretches(kDataProtection, true);
    doc << kPar << R"(\par IL CLIENTE)" << kPar << kSignatureRule << R"(\par FIRMA)";
    doc << R"(\par \pard\cf1\b\f1)" << R"(\par })";
    return doc.Take();
}

}  // namespace vel
