#include "ui/page_allgemein.h"

namespace razoz {

AllgemeinPage::AllgemeinPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet9"));
}

} // namespace razoz
