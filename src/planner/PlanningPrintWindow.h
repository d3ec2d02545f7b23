#pragma once
// What the planner's print window and preview window share: the small modal
// window with its white ground and two buttons, the chart's template, and the
// main command that fills the chart from the planner on screen, prepares it,
// hands it out and closes the window. They differ only in caption, main
// button, pictures and the way the chart is handed out.
#include <QFrame>
#include <memory>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "report/Report.h"

namespace vel {

class PlanningPrintWindow : public Form {
    Q_OBJECT
public:
    QFrame *shpSfondo;
    Button *btnAnnulla;
    Button *btnStampa;  // "Stampa" or "Mostra anteprima"
    // The chart "Planning Annuale", built when first used (the window is
    // created at start, the chart only needed by its command), and kept
    // after the command so that what was handed out can be looked at.
    report::LazyReport repDocumento;

    // Fills the chart, prepares it, prints or previews it and closes the
    // window; a cancelled print dialog closes it too. A failure shows an error
    // box with its reason and leaves the window open.
    void btnStampaClick();
    // Closes the window; nothing is filled or handed out.
    void btnAnnullaClick();

protected:
    PlanningPrintWindow(QWidget *owner, const QString &name, const QString &caption, const QString &mainButton);

    // Hands the prepared chart out; false when that failed (the error box
    // has been shown).
    virtual bool Output() = 0;
    // The error box's text for a failure before the chart is handed out.
    virtual QString FailureMessage(const QString &reason) const = 0;

    // A text of the window's pictures, drawn as a label.
    static QLabel *PictureText(QWidget *parent, const QString &text, const QRect &geometry, int pixels,
                               const QColor &colour, bool bold = false);
};

}  // namespace vel
