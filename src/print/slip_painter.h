#pragma once
// Draws a slip page on any paint device (a printer, a PDF, an image): the picture of the blank
// slip when one is set, then every enabled label with a caption at its 1/96-inch position, all
// measured from the page's top-left corner (the band starts there; the page has no margins).
#include "print/slip.h"

#include <QFont>
#include <QPageLayout>

class QPainter;

namespace razoz {

QFont slipQFont(const SlipFont& font);
// Paper size and orientation of the page, without margins.
QPageLayout slipPageLayout(const SlipPaper& paper);

// `painter` is active on its device; its logical resolution maps the 1/96-inch units.
void paintSlipPage(QPainter& painter, const SlipPage& page);

// Renders the page into a PDF file through a scratch file; SlipError when it cannot be written.
void writeSlipPdf(const SlipPage& page, const QString& path);

} // namespace razoz
