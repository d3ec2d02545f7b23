#include "ExportDialog.h"

#include <exception>

#include "pictures/Pictures.h"
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/Services.h"

namespace vel {
namespace {

constexpr int kWidth = 862, kHeight = 560;
constexpr int kMargin = 12;

const QColor kInk(0x1C, 0x35, 0x6E);
const QColor kBlue(0x43, 0x6C, 0xCA);
const QColor kGreen(0x1E, 0x71, 0x45);

// The guide and exit pictures are the launcher's own, so that they read the
// same everywhere.
PictureKey LauncherPicture(const char *name, const QSize &size) {
    return ResourcePicture(QStringLiteral(":/pictures/Avvio/") + QLatin1String(name) + QStringLiteral(".png"), size);
}

ImageButton *PictureButton(QWidget *parent, const char *name, const PictureKey &picture, const QRect &where) {
    auto *button = new ImageButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setAlignment(Qt::AlignCenter);
    ShowPicture(button, picture);
    return button;
}

QFrame *Shape(QWidget *parent, const char *name, const QRect &where) {
    auto *frame = new BoxFrame(parent, QColor(0xF0, 0xEF, 0xEE), QColor(0xC9, 0xC6, 0xC2), 6);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(where);
    return frame;
}

}  // namespace

QString ExportQuestion() {
    return QStringLiteral("L'esportazione dei dati in Excel pu\u00f2 richiedere diversi minuti a seconda del numero di "
                          "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString ExportDoneQuestion() {
    return QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                          "Si vuole aprire il file di Excel?");
}

QString ExportFailureMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il file di Excel non sia gi\u00e0 aperto.");
}

ExportDialog::ExportDialog(QWidget *owner, ExportDefinition def) : Form(owner), def_(std::move(def)) {
    setObjectName(QString::fromLatin1(def_.objectName));
    SetCaption(def_.caption);
    SetFixedClientSize(kWidth, kHeight);
    SetGradient(QColor(0xB0, 0xC4, 0xDE), Qt::white);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(0, 0, kWidth, kHeight);

    const int inner = kWidth - 2 * kMargin;
    shpSfondo = Shape(panContainer, "shpSfondo", QRect(kMargin, 10, inner, 68));
    imgTitolo = new QLabel(shpSfondo);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    imgTitolo->setGeometry(8, 4, 640, 60);
    ShowPicture(imgTitolo, {PictureName::ExportTitle, imgTitolo->size(), 0, def_.title});

    const QSize picture(48, 48);
    cmdEsporta = PictureButton(shpSfondo, "cmdEsporta", {PictureName::Spreadsheet, picture}, QRect(inner - 178, 10, 48, 48));
    cmdGuida =
        PictureButton(shpSfondo, "cmdGuida", LauncherPicture("imgGuida", picture), QRect(inner - 118, 10, 48, 48));
    cmdEsci = PictureButton(shpSfondo, "cmdEsci", LauncherPicture("imgEsci", picture), QRect(inner - 58, 10, 48, 48));
    cmdEsporta->setAccessibleName(QStringLiteral("Esporta archivio"));
    cmdGuida->setAccessibleName(QStringLiteral("Guida"));
    cmdEsci->setAccessibleName(QStringLiteral("Esci"));

    grdRecords = new ExportGrid(def_.columns, panContainer);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setGeometry(kMargin, 88, inner, 420);

    shpInfo = Shape(panContainer, "shpInfo", QRect(kMargin, 518, inner, 32));
    panInfo = new StatusLine(shpInfo);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setGeometry(2, 2, inner - 4, 28);
    panInfo->setFont(UiFont(QStringLiteral("Tahoma"), 11));
    panInfo->setText(QStringLiteral("Esportazione archivio in Microsoft Excel."));

    ResetGrid();

    cmdEsporta->onClick = [this] { cmdEsportaClick(); };
    cmdGuida->onClick = [this] { cmdGuidaClick(); };
    cmdEsci->onClick = [this] { cmdEsciClick(); };
    OnMouseMove(cmdEsporta, [this] { cmdEsportaMouseMove(); });
    OnMouseMove(cmdGuida, [this] { cmdGuidaMouseMove(); });
    OnMouseMove(cmdEsci, [this] { cmdEsciMouseMove(); });
    for (QWidget *area : {static_cast<QWidget *>(this), panContainer, static_cast<QWidget *>(shpSfondo),
                          static_cast<QWidget *>(shpInfo)})
        OnMouseMoveOverBackground(area, [this] { FormMouseMove(); });
    OnMouseMove(grdRecords->viewport(), [this] { FormMouseMove(); });
}

void ExportDialog::ResetGrid() {
    fillFailed_ = false;
    grdRecords->Model().ResetRows(kDesignedRows);
}

GridFill ExportDialog::FillFromArchive(const QString &path, const RecordLayout &layout, const RecordTest &accept) {
    fillFailed_ = false;
    try {
        return {grdRecords->Model().Fill(path, layout, accept, kDesignedRows), true};
    } catch (const std::exception &) {
        // An incomplete grid must not pass for the archive: say so now, and
        // refuse to export it.
        fillFailed_ = true;
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
        return {0, false};
    }
}

QStringList ExportDialog::ExportedCells(int row) const {
    QStringList cells;
    for (int k = 1; k <= int(def_.columns.size()); ++k) cells.append(grdRecords->Text(row, k));
    return cells;
}

void ExportDialog::CommitEditedCell() {
    // Moving the current cell away and back hands an open editor's text to
    // the cell; without an editor nothing changes.
    const QModelIndex current = grdRecords->currentIndex();
    if (!current.isValid()) return;
    grdRecords->setCurrentIndex(QModelIndex());
    grdRecords->setCurrentIndex(current);
}

void ExportDialog::cmdEsportaClick() {
    CommitEditedCell();
    if (fillFailed_) {
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
        return;
    }
    if (MessageDlg(MsgKind::Confirmation, ExportQuestion()) == MsgButton::No) return;

    std::vector<SpreadsheetColumn> columns;
    columns.reserve(def_.columns.size());
    for (const ExportColumn &column : def_.columns) columns.push_back({column.caption, column.width});
    SpreadsheetExport file(def_.sheetName, std::move(columns));
    const QString path = ProgramPath(def_.fileName);
    // The rows go to the file as they are made, straight from the grid's own
    // bytes; a failure anywhere leaves the former file whole.
    bool written = file.StreamTo(path);
    if (written) {
        const ExportGridModel &model = grdRecords->Model();
        for (int r = 0, n = model.rowCount(); r < n; ++r) model.WriteRow(r, file);
        written = file.Commit();
    }
    if (!written) {
        ShowMessage(ExportFailureMessage());
        return;
    }
    // The same hand-over to the desktop as TMisc::Open: the path in double
    // quotes, and a warning when the desktop cannot open it.
    if (MessageDlg(MsgKind::Confirmation, ExportDoneQuestion()) != MsgButton::No)
        OpenOnDesktop(u'"' + path + u'"');
}

void ExportDialog::cmdEsciClick() { Close(); }

void ExportDialog::cmdEsportaMouseMove() {
    panInfo->setText(QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
}

void ExportDialog::cmdGuidaMouseMove() {
    panInfo->setText(QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
}

void ExportDialog::cmdEsciMouseMove() { panInfo->setText(QStringLiteral("Esci da questo ambiente di lavoro.")); }

void ExportDialog::FormMouseMove() { panInfo->clear(); }

}  // namespace vel
