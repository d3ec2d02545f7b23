#include "Listino.h"

#include <exception>

#include "TrovaTariffa.h"
#include "cards/CardPictures.h"
#include "cards/ListReport.h"
#include "cards/ResultList.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "dialogs/Guida.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmListino *frmListino = nullptr;

namespace {

// The price-list lines are shorter than those of the find dialogs, and are
// laid out narrower (but always to the end of the longest).
constexpr int kPriceLineWidth = 1400;

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int points, bool bold) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(UiFont(QStringLiteral("Verdana"), points, bold));
    return label;
}

Button *MakeButton(QWidget *parent, const char *name, const QString &text) {
    auto *button = new Button(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(UiFont(QStringLiteral("Verdana"), 10, true));
    return button;
}

QString AllListsTitle() { return QStringLiteral("Tutti i listini in archivio."); }

}  // namespace

TfrmListino::TfrmListino(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmListino"));
    SetCaption(QStringLiteral(" Velmora - Listino Tariffe Noleggio"));
    SetPlacement(Placement::Maximized);
    SetGradient(QColor(0xB0, 0xC4, 0xDE), Qt::white);
    resize(1016, 713);

    // ---- the selection panel
    panSelezione = new QWidget(this);
    panSelezione->setObjectName(QStringLiteral("panSelezione"));
    // A white card behind the name and its instructions, as the card files
    // set their fields on white sections.
    shpSelezione_ = new BoxFrame(panSelezione, Qt::white, QColor(0xB9, 0xC8, 0xE8), 6);
    shpSelezione_->setObjectName(QStringLiteral("shpSelezione"));
    lblSelezione01 = MakeLabel(panSelezione, "lblSelezione01",
                               QStringLiteral("Indicare il nome di un listino e premere il pulsante Visualizza."), 11,
                               true);
    lblSelezione02 = MakeLabel(panSelezione, "lblSelezione02",
                               QStringLiteral("Per ottenere l'elenco di tutti i listini in archivio, premere il "
                                              "pulsante Visualizza senza indicare alcun nome."),
                               10, false);
    lblSelezione02->setWordWrap(true);
    txtTipologia = new Edit(panSelezione);
    txtTipologia->setObjectName(QStringLiteral("txtTipologia"));
    txtTipologia->setFont(UiFont(QStringLiteral("Verdana"), 22, true));
    btnVisualizza = MakeButton(panSelezione, "btnVisualizza", QStringLiteral("Visualizza"));
    btnGuida = CommandButton(panSelezione, "btnGuida", QStringLiteral("Guida"), QRect(0, 0, 64, 32));
    imgEsci = CommandButton(panSelezione, "imgEsci", QStringLiteral("Esci"), QRect(0, 0, 64, 32));

    // ---- the result panel
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->hide();
    lblTipologia = MakeLabel(panContainer, "lblTipologia", QStringLiteral("Listino selezionato:"), 12, true);
    titTipologia = MakeLabel(panContainer, "titTipologia", AllListsTitle(), 12, true);
    SetTextColour(titTipologia, QColor(0x1C, 0x35, 0x6E));
    imgGuida = CommandButton(panContainer, "imgGuida", QStringLiteral("Guida"), QRect(0, 0, 64, 32));
    lblIstruzioni01 = MakeLabel(panContainer, "lblIstruzioni01",
                                QStringLiteral("Immettere una o pi\u00f9 parole consecutive presenti nella scheda in "
                                               "elenco da cercare e premere il pulsante Trova."),
                                9, true);
    lblIstruzioni02 = MakeLabel(panContainer, "lblIstruzioni02",
                                QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di "
                                               "ricerca, fare di nuovo clic su Trova."),
                                9, false);
    txtTrova = new Edit(panContainer);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(UiFont(QStringLiteral("Verdana"), 12, true));
    btnTrova = MakeButton(panContainer, "btnTrova", QStringLiteral("Trova"));
    lstRecords = new ListBox(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    PrepareResultList(lstRecords);
    infValore = MakeLabel(panContainer, "infValore", QStringLiteral("Totale tariffe in listino:"), 11, true);
    lblTotale = MakeLabel(panContainer, "lblTotale", QStringLiteral("0"), 11, true);
    SetTextColour(lblTotale, QColor(0x1C, 0x35, 0x6E));
    btnElimina = MakeButton(panContainer, "btnElimina", QStringLiteral("Elimina voce selezionata"));
    btnStampa = MakeButton(panContainer, "btnStampa", QStringLiteral("Stampa listino tariffe"));
    btnEsci = MakeButton(panContainer, "btnEsci", QStringLiteral("Esci"));

    setTabOrder(txtTipologia, btnVisualizza);
    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnElimina);
    setTabOrder(btnElimina, btnStampa);
    setTabOrder(btnStampa, btnEsci);

    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmListino::btnVisualizzaClick);
    connect(btnElimina, &QPushButton::clicked, this, &TfrmListino::btnEliminaClick);
    connect(btnTrova, &QPushButton::clicked, this, &TfrmListino::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmListino::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &TfrmListino::btnEsciClick);
    btnGuida->onClick = [this] { imgGuidaClick(); };
    imgGuida->onClick = [this] { imgGuidaClick(); };
    imgEsci->onClick = [this] { imgEsciClick(); };
    LayOut();
}

// Both panels fill the window, which opens maximised: the list takes what
// room there is, the commands keep to the edges.
void TfrmListino::LayOut() {
    const int w = width(), h = height();
    constexpr int kEdge = 20;
    panSelezione->setGeometry(0, 0, w, h);
    panContainer->setGeometry(0, 0, w, h);

    btnGuida->move(w - kEdge - 2 * 64 - 8, kEdge);
    imgEsci->move(w - kEdge - 64, kEdge);
    const int block = std::min(900, w - 2 * kEdge - 32);
    const int left = (w - block) / 2;
    const int top = std::max(kEdge + 48, h / 2 - 110);
    shpSelezione_->setGeometry(left - 16, top - 16, block + 32, 160);
    lblSelezione01->setGeometry(left, top, block, 24);
    lblSelezione02->setGeometry(left, top + 28, block, 40);
    txtTipologia->setGeometry(left, top + 80, block - 190, 48);
    btnVisualizza->setGeometry(left + block - 170, top + 80, 170, 48);

    const int inner = w - 2 * kEdge;
    imgGuida->move(w - kEdge - 64, 12);
    lblTipologia->setGeometry(kEdge, 16, 200, 26);
    titTipologia->setGeometry(kEdge + 204, 16, std::max(0, inner - 204 - 72), 26);
    lblIstruzioni01->setGeometry(kEdge, 54, inner, 20);
    lblIstruzioni02->setGeometry(kEdge, 74, inner, 20);
    txtTrova->setGeometry(kEdge, 102, inner - 170, 32);
    btnTrova->setGeometry(w - kEdge - 158, 101, 158, 34);
    const int listTop = 146;
    const int bottom = h - kEdge;
    lstRecords->setGeometry(kEdge, listTop, inner, std::max(60, bottom - 90 - listTop));
    infValore->setGeometry(kEdge, bottom - 82, 230, 26);
    lblTotale->setGeometry(kEdge + 234, bottom - 82, 120, 26);
    btnElimina->setGeometry(kEdge, bottom - 40, 240, 38);
    btnEsci->setGeometry(w - kEdge - 120, bottom - 40, 120, 38);
    btnStampa->setGeometry(w - kEdge - 120 - 12 - 230, bottom - 40, 230, 38);
}

void TfrmListino::resizeEvent(QResizeEvent *event) {
    Form::resizeEvent(event);
    LayOut();
}

void TfrmListino::FormShow() { txtTipologia->setFocus(); }

void TfrmListino::btnVisualizzaClick() {
    LastFindText(this).clear();
    txtTrova->clear();
    lblTotale->setText(QStringLiteral("0"));
    // The name as typed is sought in the list names, trimmed, only A-Z without case;
    // a name of blanks alone asks for every tariff.
    const QString typed = txtTipologia->text();
    const Criterion name[] = {{"Listino", typed}};
    const CriteriaMatch match(TariffRecord, name, FieldText::Trimmed);
    lstRecords->clear();
    QStringList lines;
    bool failed = false;
    try {
        CollectListLines(ProgramPath(TariffArchiveName()), TariffRecord,
                         [&match](const Record &tariff) { return match.Matches(tariff); }, PriceListLine, lines);
    } catch (const std::exception &) {
        failed = true;
    }
    SortListLines(lines);
    SetResultLines(lstRecords, std::move(lines), kPriceLineWidth);
    // A list that could not be read is not shown: the user may try again.
    if (failed) return;
    const QString title = Trim(typed);
    titTipologia->setText(title.isEmpty() ? AllListsTitle() : title);
    lblTotale->setText(QString::number(lstRecords->count()));
    // Another list needs the dialog opened again.
    panSelezione->hide();
    panContainer->show();
    txtTrova->setFocus();
}

void TfrmListino::btnEliminaClick() {
    const int row = SelectedRow(lstRecords);
    if (row < 0) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: selezionare dall'elenco la voce che si vuole "
                                                    "eliminare prima di premere il pulsante di cancellazione."));
        return;
    }
    lstRecords->RemoveLine(row);
    // Each removal wants its own choice: no neighbour is picked in its place.
    lstRecords->setCurrentRow(-1);
    lblTotale->setText(QString::number(lstRecords->count()));
}

void TfrmListino::btnTrovaClick() {
    FindNextInList(lstRecords, txtTrova->text(), LastFindText(this), MsgKind::Information);
}

void TfrmListino::btnStampaClick() {
    ListReport(this, QStringLiteral("Listino selezionato: ") + Trim(titTipologia->text()), ResultLines(lstRecords),
               {QString(26, u'-'), QStringLiteral("Totale tariffe in listino: ") + Trim(lblTotale->text())});
}

void TfrmListino::imgGuidaClick() {
    ShowGuide(this, QStringLiteral("App Listino Tariffe Noleggio"), HelpText(QStringLiteral("Listino")));
}

void TfrmListino::btnEsciClick() { Close(); }
void TfrmListino::imgEsciClick() { Close(); }

void TfrmListino::FormClose(CloseAction &) { lstRecords->clear(); }

}  // namespace vel
