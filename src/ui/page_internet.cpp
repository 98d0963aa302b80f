#include "ui/page_internet.h"
#include "ui/control_factory.h"

#include "app/settings_store.h"
#include "ui/click_label.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace razoz {

const char* const kProductPage = "http://www.tallwick.example/razoz/";
const char* const kPartnerPage = "http://www.tallwick.example/partner/lottobay.htm";

QString linkTarget(const QString& caption)
{
    if (caption.contains(QLatin1String("lottobay"), Qt::CaseInsensitive)) return QString::fromLatin1(kPartnerPage);
    return caption.trimmed();
}

namespace {

// The design text of a field is the default of its setting.
QString designText(StringKey setting)
{
    return defaultOf(setting);
}

QLabel* label(QWidget* parent, const char* name, QRect geometry, const QString& caption)
{
    auto* l = makeControl<QLabel>(parent, name, geometry);
    l->setText(caption);
    return l;
}
} // namespace

InternetPage::InternetPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));

    Label5 = label(this, "Label5", {16, 16, 160, 20}, QStringLiteral("Proxy-Server"));
    ProxyHostEdit = makeControl<QLineEdit>(this, "ProxyHostEdit", {180, 14, 220, 24});
    ProxyHostEdit->setToolTip(QStringLiteral("Leer lassen, wenn Sie keinen Proxy-Server verwenden"));
    Label6 = label(this, "Label6", {16, 48, 160, 20}, QStringLiteral("Proxy-Port"));
    ProxyPortEdit = makeControl<QLineEdit>(this, "ProxyPortEdit", {180, 46, 80, 24});
    ProxyPortEdit->setText(designText(key::ProxyPort));
    Label7 = label(this, "Label7", {16, 80, 160, 20}, QStringLiteral("Server der Ziehungen"));
    ServerURLEdit = makeControl<QLineEdit>(this, "ServerURLEdit", {180, 78, 320, 24});
    ServerURLEdit->setText(designText(key::ResultsServerUrl));
    ServerURLEdit->setToolTip(QStringLiteral("Adresse des Servers, von dem die Ziehungen geladen werden"));

    Label8 =
        label(this, "Label8", {16, 124, 420, 20}, QStringLiteral("Bearbeitungsgebühr der Landeslotterie pro Schein"));
    Label9 = label(this, "Label9", {16, 152, 200, 20}, QStringLiteral("Für eine Ziehung:"));
    Edit81 = makeControl<QLineEdit>(this, "Edit81", {220, 150, 80, 24});
    Edit81->setText(designText(key::FeeOneDraw));
    Label10 = label(this, "Label10", {16, 184, 200, 20}, QStringLiteral("Für eine Sa und Mi. Ziehung:"));
    Edit82 = makeControl<QLineEdit>(this, "Edit82", {220, 182, 80, 24});
    Edit82->setText(designText(key::FeeBothDraws));
    CheckBox32 = makeControl<QCheckBox>(this, "CheckBox32", {16, 220, 480, 22});
    CheckBox32->setText(QStringLiteral("Ich spiele nur Samstags (Samstag bei Abgabe  vordefiniert)"));

    CheckBox21 = makeControl<QCheckBox>(this, "CheckBox21", {16, 250, 300, 22});
    CheckBox21->setText(QStringLiteral("Linkseite aktivieren"));
    CheckBox21->hide();
    URLEdit = makeControl<QLineEdit>(this, "URLEdit", {16, 280, 300, 24});
    URLEdit->setText(designText(key::StartPageUrl));
    URLEdit->setEnabled(false);
    URLEdit->hide();

    OnlineLabel = label(this, "OnlineLabel", {520, 266, 280, 20}, QStringLiteral("Online-Abgabe"));
    const struct {
        QLabel** label;
        QLineEdit** edit;
        const char* labelName;
        const char* editName;
        StringKey setting;
        const char* caption;
        const char* hint;
    } online[] = {
        {&ServiceURLLabel, &ServiceURLEdit, "ServiceURLLabel", "ServiceURLEdit", key::WebServiceUrl, "Abgabe-Service",
         "Adresse des Dienstes, der den Anfang der Abgabe-Adresse und neue Click-Scripte liefert"},
        {&PortalURLLabel, &PortalURLEdit, "PortalURLLabel", "PortalURLEdit", key::PortalUrl, "Tipp24-Adresse",
         "Adresse (https und Rechnername) des Portals Tipp24"},
        {&WebSiteURLLabel, &WebSiteURLEdit, "WebSiteURLLabel", "WebSiteURLEdit", key::WebSiteUrl,
         "Web-Seite für Updates", "Diese Seite wird genannt, wenn der Abgabe-Service nicht erreichbar ist"},
        {&PartnerRefLabel, &PartnerRefEdit, "PartnerRefLabel", "PartnerRefEdit", key::PartnerReference,
         "Partner-Nummer", "Wird bei der Abgabe als Partner-Referenz mitgeschickt"},
        {&RobotURLLabel, &RobotURLEdit, "RobotURLLabel", "RobotURLEdit", key::RobotDownloadUrl, "Download Klickomat",
         "Seite, von der der Klickomat geladen wird, wenn er nicht installiert ist"},
    };
    int row = 292;
    for (const auto& o : online) {
        *o.label = label(this, o.labelName, {520, row + 2, 136, 20}, QString::fromUtf8(o.caption));
        *o.edit = makeControl<QLineEdit>(this, o.editName, {658, row, 222, 24});
        (*o.edit)->setText(designText(o.setting));
        (*o.edit)->setToolTip(QString::fromUtf8(o.hint));
        row += 30;
    }

    Label11 = label(this, "Label11", {520, 16, 280, 20}, QStringLiteral("Links"));
    const struct {
        ClickLabel** label;
        const char* name;
        const char* caption;
    } links[] = {
        {&Label52, "Label52", "http://www.tallwick.example/zahlen/"},
        {&Label54, "Label54", "http://www.tallwick.example/razoz/"},
        {&Label56, "Label56", "http://www.tallwick.example/lotto-planer/"},
        {&Label1, "Label1", "http://www.tallwick.example/toto-tipp/"},
        {&Label2, "Label2", "http://www.tallwick.example/keno-rechner/"},
        {&Label3, "Label3", "http://www.tallwick.example/systemscheine/"},
        {&Label4, "Label4", "http://www.lottobay.example/"},
        {&Label77, "Label77", "http://www.tallwick.example/rubbellos/"},
    };
    int top = 44;
    for (const auto& l : links) {
        auto* link = makeControl<ClickLabel>(this, l.name, {520, top, 280, 20});
        link->setText(QString::fromLatin1(l.caption));
        link->setCursor(Qt::PointingHandCursor);
        QPalette p = link->palette();
        p.setColor(QPalette::WindowText, Qt::blue);
        link->setPalette(p);
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
        connect(link, &ClickLabel::clicked, this, [this, link] { emit linkClicked(linkTarget(link->text())); });
        *l.label = link;
        top += 26;
    }
}

QList<ClickLabel*> InternetPage::links() const
{
    return {Label52, Label54, Label56, Label1, Label2, Label3, Label4, Label77};
}

} // namespace razoz
