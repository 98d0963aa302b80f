#include "ui/page_schein_optimierung.h"

namespace razoz {

ScheinOptimierungPage::ScheinOptimierungPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet7"));
}

} // namespace razoz
