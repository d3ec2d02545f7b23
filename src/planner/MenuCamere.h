#pragma once
// The planner's chooser of vehicle and year: the vehicles of the fleet, a
// year of four digits and "Apri", which hands the vehicle, the year and the
// planner file's path to the planner. When it closes it shows the planner
// after its "Apri", and the launcher otherwise.
#include <QFrame>
#include <QLabel>

#include "common/Record.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/YearEdit.h"

namespace vel {

// The planner file of a plate and a year, in the program's folder.
QString PlannerFilePath(const QString &plate, const QString &year);

class TfrmMenuCamere : public Form {
    Q_OBJECT
public:
    explicit TfrmMenuCamere(QWidget *owner = nullptr);

    QWidget *panContainer;
    QFrame *shpTitle, *bkgTitle, *shpContainer, *shpBody, *shpAnnoFatture, *bkgBianco03, *bkgBianco04;
    QLabel *icoTitolo, *icoLetto, *Image1;
    QLabel *lblInformazioni, *titAnno;
    YearEdit *txtAnnoFatture;
    Button *btnApriFatture;
    QLabel *icoMano;
    ListBox *lstRecords;
    ImageButton *imgGuida, *imgEsci;

    // Hidden: the picked vehicle, the planner file chosen by the last "Apri",
    // and the window to show when the chooser closes, "avvio" (the launcher)
    // or "planning" (the planner).
    QLabel *lblVeicolo, *lblMarca, *lblModello, *lblTarga;
    QLabel *lblFile;
    QLabel *lblMemory;

    void lstRecordsClick();
    void txtAnnoFattureKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void btnApriFattureClick();
    void imgEsciClick();
    void imgGuidaClick();

protected:
    void FormCreate() override;
    void FormShow() override;
    void FormClose(CloseAction &action) override;

private:
    // The trimmed line whose vehicle the hidden labels hold; empty when none.
    QString pickedLine_;
};

extern TfrmMenuCamere *frmMenuCamere;

}  // namespace vel
