#pragma once
// The export dialogs of every archive, built from tables: the window (fixed
// size, no title-bar buttons), its title picture, the spreadsheet, guide and
// exit pictures, the grid and the status line are the same in each; an
// export brings its caption, its file and sheet names and its columns.
//
// The grid shows the records with their number in column 0 ("N.", never
// exported); columns 1 to C are written to the spreadsheet file as the grid
// holds them at that moment, so that a cell the user overwrote reaches the
// file (never the archive).
#include <QFrame>
#include <QLabel>
#include <QStringList>
#include <vector>

#include "ExportGrid.h"
#include "common/ListLines.h"
#include "common/Record.h"
#include "common/SpreadsheetExport.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

struct ExportDefinition {
    const char *objectName;
    QString caption;    // the window's caption
    QString title;      // the text of the title picture
    QString fileName;   // in the program's folder
    QString sheetName;
    std::vector<ExportColumn> columns;
};

// The texts every export shows.
QString ExportQuestion();
QString ExportDoneQuestion();
QString ExportFailureMessage();

class ExportDialog : public Form {
    Q_OBJECT
public:
    QWidget *panContainer;
    QFrame *shpSfondo;
    QLabel *imgTitolo;
    ImageButton *cmdEsporta;
    ImageButton *cmdGuida;
    ImageButton *cmdEsci;
    ExportGrid *grdRecords;
    QFrame *shpInfo;
    StatusLine *panInfo;

    // The rows an empty grid shows.
    static constexpr int kDesignedRows = 10;

    // Writes the grid to the export's file after a confirmation, then offers
    // to open it.
    void cmdEsportaClick();
    // Each export opens the guide with its own title and help text.
    virtual void cmdGuidaClick() = 0;
    void cmdEsciClick();
    void cmdEsportaMouseMove();
    void cmdGuidaMouseMove();
    void cmdEsciMouseMove();
    void FormMouseMove();

    const ExportDefinition &Definition() const { return def_; }
    // The exported texts of one grid row (columns 1 to C).
    QStringList ExportedCells(int row) const;

protected:
    ExportDialog(QWidget *owner, ExportDefinition def);

    // Fills the grid from an archive: with no record it shows its designed
    // empty rows; otherwise one row per record that `accept` lets through
    // (every record without a test), in file order, numbered from 1 in
    // column 0, with the columns' contents after it. A failure to open or
    // read the archive is reported; the rows read so far stay, and the grid,
    // being incomplete, is not exported.
    GridFill FillFromArchive(const QString &path, const RecordLayout &layout, const RecordTest &accept = {});
    // Back to the designed empty rows, ready for a new filling.
    void ResetGrid();

    const ExportDefinition def_;

private:
    // A cell the user is still typing in holds what was typed.
    void CommitEditedCell();
    bool fillFailed_ = false;
};

}  // namespace vel
