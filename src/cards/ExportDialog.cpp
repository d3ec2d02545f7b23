#include "ExportDialog.h"

#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <exception>

#include "platform/Canvas.h"
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/Services.h"

namespace vel {
namespace {

constexpr int kWidth = 862, kHeight = 560;
constexpr int kMargin = 12;
constexpr int kRowHeight = 21;
constexpr int kNumberWidth = 60;

const QColor kInk(0x1C, 0x35, 0x6E);
const QColor kBlue(0x43, 0x6C, 0xCA);
const QColor kGreen(0x1E, 0x71, 0x45);

// The title: a small sheet beside the export's name.
QPixmap TitlePicture(const QSize &size, const QString &title) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height();
    const QRectF sheet(4, h * 0.18, h * 0.55, h * 0.64);
    p.setPen(QPen(kBlue, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 3, 3);
    p.setPen(QPen(kBlue, 1));
    for (int i = 1; i < 4; ++i) {
        const qreal y = sheet.top() + sheet.height() * i / 4;
        p.drawLine(QPointF(sheet.left() + 4, y), QPointF(sheet.right() - 4, y));
    }
    p.drawLine(QPointF(sheet.center().x(), sheet.top() + 4), QPointF(sheet.center().x(), sheet.bottom() - 4));
    p.setPen(kInk);
    p.setFont(UiFont(QStringLiteral("Verdana"), 14, true));
    p.drawText(QRectF(sheet.right() + 14, 0, size.width() - sheet.right() - 14, h), Qt::AlignVCenter | Qt::AlignLeft,
               title);
    p.end();
    return pixmap;
}

// The spreadsheet picture: a green sheet of cells with an arrow leaving it.
QPixmap SpreadsheetPicture(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), w * 0.16, w * 0.16);
    const QRectF grid(w * 0.18, h * 0.2, w * 0.5, h * 0.6);
    p.setBrush(Qt::white);
    p.drawRoundedRect(grid, 2, 2);
    p.setPen(QPen(kGreen, 1.2));
    for (int i = 1; i < 4; ++i) {
        const qreal y = grid.top() + grid.height() * i / 4;
        p.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    }
    p.drawLine(QPointF(grid.center().x(), grid.top()), QPointF(grid.center().x(), grid.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath arrow;
    const qreal cy = h * 0.5, x0 = w * 0.6, x1 = w * 0.88;
    arrow.moveTo(x0, cy - h * 0.05);
    arrow.lineTo(x1 - w * 0.12, cy - h * 0.05);
    arrow.lineTo(x1 - w * 0.12, cy - h * 0.14);
    arrow.lineTo(x1, cy);
    arrow.lineTo(x1 - w * 0.12, cy + h * 0.14);
    arrow.lineTo(x1 - w * 0.12, cy + h * 0.05);
    arrow.lineTo(x0, cy + h * 0.05);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.end();
    return pixmap;
}

// The guide and exit pictures are the launcher's own, so that they read the
// same everywhere.
QPixmap LauncherPicture(const char *name, const QSize &size) {
    const QPixmap picture(QStringLiteral(":/pictures/Avvio/") + QLatin1String(name) + QStringLiteral(".png"));
    if (picture.isNull()) return TransparentPicture(size);
    return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

ImageButton *PictureButton(QWidget *parent, const char *name, const QPixmap &picture, const QRect &where) {
    auto *button = new ImageButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setAlignment(Qt::AlignCenter);
    button->setPixmap(picture);
    return button;
}

QFrame *Shape(QWidget *parent, const char *name, const QRect &where) {
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(where);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: #F0EFEE; border: 1px solid #C9C6C2; "
                                        "border-radius: 6px; }")
                             .arg(QString::fromLatin1(name)));
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
    imgTitolo->setPixmap(TitlePicture(imgTitolo->size(), def_.title));

    const QSize picture(48, 48);
    cmdEsporta = PictureButton(shpSfondo, "cmdEsporta", SpreadsheetPicture(picture), QRect(inner - 178, 10, 48, 48));
    cmdGuida =
        PictureButton(shpSfondo, "cmdGuida", LauncherPicture("imgGuida", picture), QRect(inner - 118, 10, 48, 48));
    cmdEsci = PictureButton(shpSfondo, "cmdEsci", LauncherPicture("imgEsci", picture), QRect(inner - 58, 10, 48, 48));
    cmdEsporta->setAccessibleName(QStringLiteral("Esporta archivio"));
    cmdGuida->setAccessibleName(QStringLiteral("Guida"));
    cmdEsci->setAccessibleName(QStringLiteral("Esci"));

    grdRecords = new QTableWidget(panContainer);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setGeometry(kMargin, 88, inner, 420);
    grdRecords->setFont(UiFont(QStringLiteral("Tahoma"), 9));
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setStyleSheet(QStringLiteral("QTableWidget { background-color: white; "
                                             "alternate-background-color: #EEF3FB; gridline-color: #C9C6C2; }"));
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grdRecords->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grdRecords->horizontalHeader()->setFont(UiFont(QStringLiteral("Tahoma"), 9, true));
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    grdRecords->setWordWrap(false);
    grdRecords->setColumnCount(int(def_.columns.size()) + 1);
    QStringList headers{QStringLiteral("N.")};
    for (const ExportColumn &column : def_.columns)
        headers.append(column.screenCaption.isEmpty() ? column.caption : column.screenCaption);
    grdRecords->setHorizontalHeaderLabels(headers);
    grdRecords->setColumnWidth(0, kNumberWidth);
    for (int k = 1; k <= int(def_.columns.size()); ++k) {
        const ExportColumn &column = def_.columns[k - 1];
        grdRecords->setColumnWidth(k, column.screenWidth > 0 ? column.screenWidth : column.width);
    }

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
    grdRecords->clearContents();
    grdRecords->setRowCount(kDesignedRows);
    for (int r = 0; r < kDesignedRows; ++r)
        for (int k = 0; k < grdRecords->columnCount(); ++k) PutCell(r, k, QString());
}

void ExportDialog::PutCell(int row, int column, const QString &text) {
    auto *item = new QTableWidgetItem(text);
    const bool editable = column > 0 && def_.columns[column - 1].editable;
    item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
    // The record numbers stand on grey, apart from the exported texts.
    if (column == 0) item->setBackground(QColor(0xF0, 0xEF, 0xEE));
    grdRecords->setItem(row, column, item);
}

void ExportDialog::SetRow(int row, int number, const QStringList &cells) {
    PutCell(row, 0, QString::number(number));
    for (int k = 1; k < grdRecords->columnCount(); ++k)
        PutCell(row, k, k - 1 < cells.size() ? cells.at(k - 1) : QString());
}

void ExportDialog::FillFromArchive(const QString &path, const RecordLayout &layout, const ExportRowOf &rowOf) {
    ResetGrid();
    try {
        ArchiveFile archive;
        archive.OpenArchivePath(path, layout);
        const int count = archive.RecordCount();
        if (count == 0) return;
        grdRecords->setRowCount(count);
        for (int r = kDesignedRows; r < count; ++r)
            for (int k = 0; k < grdRecords->columnCount(); ++k) PutCell(r, k, QString());
        Record record(layout);
        while (archive.Position() < count) {
            archive.ReadNextRecord(record);
            SetRow(archive.Position() - 1, archive.Position(), rowOf(record));
        }
    } catch (const std::exception &) {
        // An incomplete grid must not pass for the archive: say so now, and
        // refuse to export it.
        fillFailed_ = true;
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
    }
}

QStringList ExportDialog::ExportedCells(int row) const {
    QStringList cells;
    for (int k = 1; k <= int(def_.columns.size()); ++k) {
        const QTableWidgetItem *item = grdRecords->item(row, k);
        cells.append(item ? item->text() : QString());
    }
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
    for (int r = 0; r < grdRecords->rowCount(); ++r) file.AddRow(ExportedCells(r));

    const QString path = ProgramPath(def_.fileName);
    if (!file.WriteTo(path)) {
        ShowMessage(ExportFailureMessage());
        return;
    }
    // The same hand-over to the desktop as TMisc::Open: the path in double
    // quotes, whatever becomes of it unreported.
    if (MessageDlg(MsgKind::Confirmation, ExportDoneQuestion()) != MsgButton::No)
        Shell().Open(u'"' + path + u'"');
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
