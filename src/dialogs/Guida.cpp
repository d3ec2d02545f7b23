#include "Guida.h"

#include "OpenURL.h"
#include "WebLink.h"
#include "common/ProgramFolder.h"
#include "platform/Platform.h"
#include "pictures/Pictures.h"

namespace vel {

TfrmGuida *frmGuida = nullptr;

namespace {

// Holds a plain text memo's font changes back from its text until the memo is
// polished, then hands the font on.
class FontAtPolish final : public QObject {
public:
    explicit FontAtPolish(QPlainTextEdit *memo) : QObject(memo), memo_(memo) { memo->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != memo_) return false;
        if (event->type() == QEvent::FontChange && !memo_->testAttribute(Qt::WA_WState_Polished)) return true;
        if (event->type() == QEvent::Polish) {
            memo_->removeEventFilter(this);
            memo_->document()->setDefaultFont(memo_->font());
            deleteLater();
        }
        return false;
    }

private:
    QPlainTextEdit *memo_;
};

}  // namespace

HelpMemo::HelpMemo(QWidget *parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Every line wraps: there is nothing to scroll sideways to.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void HelpMemo::setPlainText(const QString &text) {
    text_ = text;
    QPlainTextEdit::setPlainText(text);
    shown_ = QPlainTextEdit::toPlainText();
}

QString HelpMemo::toPlainText() const {
    const QString now = QPlainTextEdit::toPlainText();
    return now == shown_ ? text_ : now;
}

TfrmGuida::TfrmGuida(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmGuida"));
    SetCaption(QStringLiteral(" Guida all'utilizzo del software"));
    SetFixedClientSize(670, 572);
    SetGradient(QColor(0xBF, 0xD8, 0xEF), Qt::white);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(20, 14, 630, 64);
    ShowPicture(imgLogo, ResourcePicture(QStringLiteral(":/pictures/Guida/imgLogo.png")));

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(UiFont(QStringLiteral("Arial"), 16, true));
    QPalette crimson = lblTitolo->palette();
    crimson.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C));
    lblTitolo->setPalette(crimson);
    lblTitolo->move(22, 88);
    // Sized to its text at every show (FormShow), once the opener has set it.

    txtGuida = new HelpMemo(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setGeometry(22, 126, 625, 350);
    // A new font lays the help text out again, which loads the font: the
    // text takes it when the memo is polished (first shown), the memo has it
    // from now on.
    new FontAtPolish(txtGuida);
    txtGuida->setFont(UiFont(QStringLiteral("Verdana"), 12, true));

    imgPDF = new ImageButton(this);
    imgPDF->setObjectName(QStringLiteral("imgPDF"));
    imgPDF->setGeometry(22, 500, 40, 40);
    ShowPicture(imgPDF, ResourcePicture(QStringLiteral(":/pictures/Guida/imgPDF.png")));

    lnkWeb = new ImageButton(this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    MakeWebLink(lnkWeb, QStringLiteral("Visualizza guida in formato PDF"),
                [link = lnkWeb] { link->move(70, 520 - link->height() / 2); });

    btnChiudi = new Button(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(528, 502, 120, 36);

    connect(btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
    for (ImageButton *link : {lnkWeb, imgPDF}) {
        link->onMouseDown = [this] { lnkWebMouseDown(); };
        link->onMouseUp = [this] { lnkWebMouseUp(); };
        link->onClick = [this] { lnkWebClick(); };
    }
}

void TfrmGuida::FormShow() {
    // The title is set by the opener after the window was built.
    lblTitolo->adjustSize();
    // The window's outer size, frame and title bar included, is 676 x 598.
    const QSize frame = frameGeometry().size() - size();
    setFixedSize(676 - frame.width(), 598 - frame.height());
}

void TfrmGuida::btnChiudiClick() { Close(); }

void TfrmGuida::lnkWebMouseDown() { SetLinkColour(lnkWeb, LinkPressedColour()); }

void TfrmGuida::lnkWebMouseUp() { SetLinkColour(lnkWeb, LinkRestColour()); }

void TfrmGuida::lnkWebClick() {
    SetLinkColour(lnkWeb, LinkRestColour());
    TMisc::Open(u'"' + ProgramFolder() + QStringLiteral("Guida.pdf") + u'"');
}

void ShowGuide(QWidget *owner, const QString &title, const QString &helpText) {
    TfrmGuida dlg(owner);
    dlg.Create();
    dlg.lblTitolo->setText(title);
    dlg.txtGuida->setPlainText(helpText);
    dlg.ShowModal();
}

}  // namespace vel
