#pragma once
// The "Internet-Optionen" page: proxy, results server, handling fees, the Saturday-only switch and
// the row of web links.
#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace razoz {

class ClickLabel;

// The product's web page (banners of the "Lottotipp" page).
extern const char* const kProductPage;
// Opened instead of a link whose caption names the partner portal.
extern const char* const kPartnerPage;

// The address a link label opens: its caption, or the partner page for the partner portal.
QString linkTarget(const QString& caption);

class InternetPage : public QWidget {
    Q_OBJECT
public:
    explicit InternetPage(QWidget* parent = nullptr);

    QLabel* Label5; // "Proxy-Server"
    QLineEdit* ProxyHostEdit;
    QLabel* Label6; // "Proxy-Port"
    QLineEdit* ProxyPortEdit;
    QLabel* Label7; // results server
    QLineEdit* ServerURLEdit;
    QLabel* Label8; // fees heading
    QLabel* Label9; // "Für eine Ziehung:"
    QLineEdit* Edit81;
    QLabel* Label10; // "Für eine Sa und Mi. Ziehung:"
    QLineEdit* Edit82;
    QCheckBox* CheckBox32; // Saturday only
    QCheckBox* CheckBox21; // "Linkseite aktivieren" (hidden)
    QLineEdit* URLEdit;    // start page (hidden, disabled)
    // Online submission: the program's web service, the portal, the web site, the partner
    // reference and the robot's download page.
    QLabel* OnlineLabel;
    QLabel* ServiceURLLabel;
    QLineEdit* ServiceURLEdit;
    QLabel* PortalURLLabel;
    QLineEdit* PortalURLEdit;
    QLabel* WebSiteURLLabel;
    QLineEdit* WebSiteURLEdit;
    QLabel* PartnerRefLabel;
    QLineEdit* PartnerRefEdit;
    QLabel* RobotURLLabel;
    QLineEdit* RobotURLEdit;
    QLabel* Label11; // links heading
    // Web links, in the order of the page: results, product, further programs.
    ClickLabel* Label52;
    ClickLabel* Label54;
    ClickLabel* Label56;
    ClickLabel* Label1;
    ClickLabel* Label2;
    ClickLabel* Label3;
    ClickLabel* Label4;
    ClickLabel* Label77;
    QList<ClickLabel*> links() const;

signals:
    // A link label was clicked: the address to open.
    void linkClicked(const QString& address);
};

} // namespace razoz
