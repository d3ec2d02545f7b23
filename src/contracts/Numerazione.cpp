#include "Numerazione.h"

#include <cmath>
#include <limits>

#include "cards/KeyFilters.h"
#include "common/Amounts.h"
#include "common/IniFile.h"
#include "common/ProgramFolder.h"
#include "common/TextRules.h"
#include "pictures/Pictures.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmNumerazione *frmNumerazione = nullptr;

namespace {

constexpr int kWidth = 420, kHeight = 214;
constexpr int kStartLength = 5;

QString SettingsPath() { return ProgramPath(QStringLiteral("Velmora.ini")); }
QString NumberingSection() { return QStringLiteral("Numerazione Contratti NSC"); }
QString StartKey() { return QStringLiteral("Inizio"); }

QLabel *Picture(QWidget *parent, const char *name, const PictureKey &key, const QRect &where) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(where);
    label->setAlignment(Qt::AlignCenter);
    ShowPicture(label, key);
    return label;
}

}  // namespace

QString NormalizeStartNumber(const QString &text) {
    if (Trim(text).isEmpty()) return QStringLiteral("1");
    double value = 0;
    if (!ParseAmount(text, &value)) return QStringLiteral("1");
    const double rounded = RoundToDecimals(value, 0);
    // A pasted exponent can make a number no contract count can be added to;
    // the card would refuse it at every "Nuovo", so it counts as no number.
    if (!std::isfinite(rounded) || std::fabs(rounded) > double(std::numeric_limits<int>::max()))
        return QStringLiteral("1");
    return QString::number(qint64(rounded));
}

QString SettingsFailureMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di accedere al file delle impostazioni Velmora.ini."
                          "\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                          "del programma.");
}

QString NumberingUnreadMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di leggere il file delle impostazioni Velmora.ini, "
                          "che contiene l'inizio della numerazione dei contratti."
                          "\n\r\n\rIl numero del nuovo contratto non pu\u00f2 essere proposto: accertarsi che il "
                          "file sia accessibile nella cartella di installazione del programma.");
}

TfrmNumerazione::TfrmNumerazione(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmNumerazione"));
    SetCaption(QStringLiteral(" Impostazione inizio numerazione"));
    SetFixedClientSize(kWidth, kHeight);
    SetGradient(QColor(0xB0, 0xC4, 0xDE), Qt::white);
    SetPlacement(Placement::Owner);

    imgNumerazione = Picture(this, "imgNumerazione", {PictureName::Decoration, QSize(72, 72),
                                                      int(DecorationKind::Calendar)},
                             QRect(18, 24, 72, 72));
    imgCalendario = Picture(this, "imgCalendario", {PictureName::IconFace, QSize(28, 28), int(IconKind::Check)},
                            QRect(40, 110, 28, 28));
    imgMano = Picture(this, "imgMano", {PictureName::PointingHand, QSize(40, 32)}, QRect(112, 52, 40, 32));

    grpNumerazione = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    grpNumerazione->setObjectName(QStringLiteral("grpNumerazione"));
    HoldFontUntilPolish(grpNumerazione);
    grpNumerazione->setGeometry(160, 18, 240, 112);
    grpNumerazione->setFont(UiFont(QStringLiteral("Verdana"), 9, true));

    effInizio = new FocusFrame(grpNumerazione);
    effInizio->setObjectName(QStringLiteral("effInizio"));
    txtInizio = new Edit(grpNumerazione);
    txtInizio->setObjectName(QStringLiteral("txtInizio"));
    txtInizio->setGeometry(60, 44, 120, 36);
    txtInizio->setAlignment(Qt::AlignCenter);
    txtInizio->setFont(UiFont(QStringLiteral("Verdana"), 14, true));
    txtInizio->setText(QStringLiteral("1"));
    effInizio->Surround(txtInizio, 4);

    btnAnnulla = new Button(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(18, kHeight - 54, 150, 34);
    btnApplica = new Button(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnApplica->setGeometry(kWidth - 18 - 170, kHeight - 54, 170, 34);
    for (Button *button : {btnAnnulla, btnApplica}) button->setFont(UiFont(QStringLiteral("Verdana"), 10, true));

    lblMemory = new QLabel(QStringLiteral("lblMemory"), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    setTabOrder(txtInizio, btnApplica);
    setTabOrder(btnApplica, btnAnnulla);

    txtInizio->onEnter = [this] { txtInizioEnter(); };
    txtInizio->onExit = [this] { txtInizioExit(); };
    txtInizio->onKeyDown = [this](int &k, QChar &c, Qt::KeyboardModifiers s) { txtInizioKeyDown(k, c, s); };
    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmNumerazione::btnAnnullaClick);
}

// The date format and the decimal comma are the program's own everywhere
// (common/TextRules.h); only the limit is left.
void TfrmNumerazione::FormCreate() { txtInizio->SetMaxLength(kStartLength); }

bool TfrmNumerazione::ActsOnSettings() const { return Trim(lblMemory->text()) == QStringLiteral("contrattinsc"); }

void TfrmNumerazione::FormShow() {
    if (ActsOnSettings()) {
        try {
            txtInizio->setText(IniFile(SettingsPath()).ReadString(NumberingSection(), StartKey(), QString()));
        } catch (const std::exception &) {
            // A file that is there but cannot be read hides the number in
            // force: showing "1" would pass for it.
            MessageDlg(MsgKind::Error, SettingsFailureMessage());
        }
    }
    if (Trim(txtInizio->text()).isEmpty()) txtInizio->setText(QStringLiteral("1"));
    txtInizio->setFocus();
    // Selected, the number typed replaces the one shown; with the caret
    // before it, typing 120 over "1" would give 1201.
    txtInizio->selectAll();
}

void TfrmNumerazione::txtInizioEnter() { effInizio->show(); }

void TfrmNumerazione::txtInizioExit() {
    effInizio->hide();
    txtInizio->setText(NormalizeStartNumber(txtInizio->text()));
}

void TfrmNumerazione::txtInizioKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    if (key == vkReturn) {
        // On to the button, which Enter does not press here.
        FocusByEnter(btnApplica);
        key = 0;
        keyChar = QChar();
        return;
    }
    static const KeyHandler digits = DigitsOnly(MoveKeys::Swallowed);
    digits(key, keyChar, Qt::NoModifier);
}

void TfrmNumerazione::btnApplicaClick() {
    if (ActsOnSettings()) {
        try {
            IniFile(SettingsPath()).WriteString(NumberingSection(), StartKey(), Trim(txtInizio->text()));
        } catch (const std::exception &) {
            // The number in force stays as it was; the dialog stays so that
            // the user can try again or give up.
            MessageDlg(MsgKind::Error, SettingsFailureMessage());
            return;
        }
    }
    Close();
}

void TfrmNumerazione::btnAnnullaClick() { Close(); }

}  // namespace vel
