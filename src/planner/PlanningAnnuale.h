#pragma once
// The yearly chart of the planner, "Planning Annuale": one A4 sheet in
// landscape with a row per month and a column per day, an "X" on every booked
// day, the vehicle below the grid and the moment of printing in the footer.
// The print window and the preview window carry the same template and fill it
// the same way, from the planner on screen alone: bookings not yet saved
// show, and no file is read.
#include <memory>

#include "report/Report.h"

namespace vel {

// The template `repDocumento` as designed, its variable texts still the
// design placeholders (every day mark an "X").
std::unique_ptr<report::Report> PlanningAnnualeTemplate();

// Fills the template from the program-wide planner, which it reaches by the
// names of its controls: the year label, the vehicle header and the booked
// marker of each of the 366 days. Raises an exception with the reason when
// the template or the planner lacks an object it looks for.
void FillPlanningAnnuale(report::Report &repDocumento);

}  // namespace vel
