#pragma once
// The current draw as the window selects and steps it: the draw of the end date ("Ziehung
// anzeigen", after every calculation and archive change) or the previous or next draw of the
// chosen draw days; the other windows hear of it and the grid is checked against it. A failed
// read of the archive is reported as an error.
#include "archive/current_draw.h"
#include "archive/draw_filter.h"

namespace razoz {

class DrawArchive;
class Session;
class TipGrid;

// A missing archive is asked for first and then created empty.
void selectDrawByDate(Session& session, TipGrid& grid);
void stepDraw(Session& session, TipGrid& grid, void (DrawNavigator::*step)(DrawArchive&, DrawDays));

} // namespace razoz
