#pragma once
// The company logo dialog: shows the logo the contracts print, lets the user
// choose another picture, blank it or go back to the built-in euro sign, and
// writes the choice as "Logo.bmp" only on "Applica e chiudi".
#include <QImage>
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmLogo : public Form {
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget *owner = nullptr);

    // The file dialog of "Sfoglia...": its title and its two choices.
    static const QString kDialogTitle;
    static const QString kDialogFilter;

    QLabel *lblIstruzioni;
    QLabel *imgLogo;  // the logo as it will be saved, fitted into its frame
    Button *btnSfoglia;
    ImageButton *btnCancLogo;  // the eraser: the blank logo
    ImageButton *imgEuro;      // the euro sign: the built-in logo
    Button *btnAnnulla;
    Button *btnApplica;

    // The picture "Applica e chiudi" writes, at its own size; none while a
    // stored logo that cannot be loaded is kept as it is.
    const QImage &LogoPicture() const { return logo_; }

    void btnSfogliaClick();
    void btnCancLogoClick();
    void imgEuroClick();
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void FormShow() override;

private:
    void SetLogo(const QImage &picture);
    QImage logo_;
    // The stored logo could not be loaded and nothing else was chosen since.
    bool keepStored_ = false;
};

extern TfrmLogo *frmLogo;

}  // namespace vel
