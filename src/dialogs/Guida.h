#pragma once
// The guide window: a title and a help text, given by the window that opens
// it, and a link to the user guide "Guida.pdf" beside the program.
#include <QLabel>
#include <QPlainTextEdit>

#include "HelpText.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

// A read-only, word-wrapped memo that gives back exactly the text it was
// given. QPlainTextEdit alone would hand back every CR LF as a bare LF.
class HelpMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit HelpMemo(QWidget *parent = nullptr);
    void setPlainText(const QString &text);
    QString toPlainText() const;

private:
    QString text_;   // as given
    QString shown_;  // as the document holds it
};

class TfrmGuida : public Form {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *owner = nullptr);

    QLabel *imgLogo;
    // Filled by the opener: the title and the whole help text.
    QLabel *lblTitolo;
    HelpMemo *txtGuida;
    ImageButton *imgPDF;
    ImageButton *lnkWeb;
    Button *btnChiudi;

    void btnChiudiClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
    void lnkWebClick();

protected:
    void FormShow() override;
};

extern TfrmGuida *frmGuida;

// What every opener of the guide does: a new guide window owned by the opener,
// given its title and help text, shown modally and destroyed when it returns.
void ShowGuide(QWidget *owner, const QString &title, const QString &helpText);

}  // namespace vel
