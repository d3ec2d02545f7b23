#pragma once
// The price list: the tariffs of one price list (every tariff whose list name
// holds the name asked for), or of all lists, one line each, to read, shorten
// and print. Lines removed here leave the list only; the archive never
// changes. A double-click picks nothing.
#include <QFrame>
#include <QLabel>

#include "common/Record.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"

namespace vel {

class TfrmListino : public Form {
    Q_OBJECT
public:
    explicit TfrmListino(QWidget *owner = nullptr);

    // The selection panel, shown first.
    QWidget *panSelezione;
    QLabel *lblSelezione01, *lblSelezione02;
    Edit *txtTipologia;  // the name of the price list to show; empty for every list
    Button *btnVisualizza;
    ImageButton *btnGuida;
    ImageButton *imgEsci;

    // The result panel, for good once the list is built.
    QWidget *panContainer;
    QLabel *lblTipologia;
    QLabel *titTipologia;
    QLabel *lblIstruzioni01, *lblIstruzioni02;
    Edit *txtTrova;
    Button *btnTrova;
    ListBox *lstRecords;
    QLabel *infValore;
    QLabel *lblTotale;
    Button *btnElimina;
    Button *btnStampa;
    Button *btnEsci;
    ImageButton *imgGuida;

    void btnVisualizzaClick();
    void btnEliminaClick();
    void btnTrovaClick();
    void btnStampaClick();
    void imgGuidaClick();
    void btnEsciClick();
    void imgEsciClick();

protected:
    void FormShow() override;
    void FormClose(CloseAction &action) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void LayOut();
    QFrame *shpSelezione_;
};

extern TfrmListino *frmListino;

}  // namespace vel
