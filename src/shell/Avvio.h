#pragma once
// The launcher, shown after a correct password: six tiles, one for each main
// window, and the icons of the guide, the about box, the credits, the web
// site and the exit. Closing it ends the program.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmAvvio : public Form {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *owner = nullptr);

    // Title band.
    ImageButton *imgInfo;
    ImageButton *imgGuida;
    QLabel *icoTitoloApp;
    QLabel *imgSottotitolo;
    // Tiles: a picture and its label, which share the tile's click handler.
    ImageButton *imgApp04, *btnApp04;  // customer card
    ImageButton *imgApp02, *btnApp02;  // vehicle card
    ImageButton *imgApp03, *btnApp03;  // tariff card
    ImageButton *imgApp07, *btnApp07;  // planner's vehicle and year chooser
    ImageButton *imgApp06, *btnApp06;  // booking card
    ImageButton *imgApp08, *btnApp08;  // contract card
    // Footer band.
    ImageButton *imgCopyright;
    ImageButton *imgSito;
    ImageButton *imgEsci;

    void imgApp02Click();
    void imgApp03Click();
    void imgApp04Click();
    void imgApp06Click();
    void imgApp07Click();
    void imgApp08Click();
    void imgGuidaClick();
    void imgInfoClick();
    void imgCopyrightClick();
    void imgSitoClick();
    void imgEsciClick();

protected:
    void FormClose(CloseAction &action) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ShowMainWindow(Form *window);
    QWidget *container_;  // everything, centred in the window whatever its size
};

extern TfrmAvvio *frmAvvio;

}  // namespace vel
