#include "ui/page_diagramm.h"

namespace razoz {

DiagrammPage::DiagrammPage(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("TabSheet3")); }

} // namespace razoz
