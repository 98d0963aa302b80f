#include "online/order_url.h"

#include <QUrl>

#include <algorithm>

namespace razoz {

QString extraOrderBase(const QString& portalAddress)
{
    QString base = portalAddress.trimmed();
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    return base + QStringLiteral("/app/extralotto/html/index.html?");
}

QString buildOrderUrl(const OrderRequest& r)
{
    const OrderChoices& c = r.choices;
    QString url = c.extra ? extraOrderBase(r.portalAddress) : r.serviceBase;
    const int rows = std::clamp(r.rowCount, 0, kTipRows);
    bool first = true;
    for (int j = 1; j <= rows; ++j) {
        for (int i = 1; i <= kTipColumns; ++i) {
            if (!first) url += QLatin1Char('&');
            first = false;
            url += c.extra ? QStringLiteral("el%1_%2=").arg(j).arg(i)
                           : QStringLiteral("Tippreihe%1_Zahl%2=").arg(j).arg(i);
            url += r.rows[j - 1][i - 1];
        }
    }
    auto onOff = [](bool on) { return on ? QStringLiteral("tipp24on") : QStringLiteral("tipp24off"); };
    if (!c.extra) {
        url += QStringLiteral("&Spiel77=") + onOff(c.spiel77);
        url += QStringLiteral("&Super6=") + onOff(c.super6);
        url += QStringLiteral("&gluecksspirale=tipp24off");
        url += QStringLiteral("&Losnummer=") + c.losnummer;
        url += QStringLiteral("&Abo=tipp24off");
        if (c.saturday && c.wednesday)
            url += QStringLiteral("&Teilnahme=kombi");
        else if (c.saturday)
            url += QStringLiteral("&Teilnahme=samstag");
        else if (c.wednesday)
            url += QStringLiteral("&Teilnahme=mittwoch");
        url += QStringLiteral("&laufzeitBezeichnung=Laufzeit&Laufzeit=1");
    } else {
        url += QStringLiteral("&ticketnumber=") + c.losnummer + QStringLiteral("&drawingid=EXTRALOTTO-VP-1");
    }
    url += QStringLiteral("&command=abgeben");
    url += QStringLiteral("&ref=") + r.partnerRef;
    if (url.size() > kMaxOrderUrlLength)
        throw OnlineError(QStringLiteral("Die Abgabe-Adresse wäre %1 Zeichen lang (höchstens %2 erlaubt); es wurde "
                                         "nichts geöffnet.")
                              .arg(url.size())
                              .arg(kMaxOrderUrlLength));
    return url;
}

bool isWebAddress(const QString& address)
{
    const QUrl url(address.trimmed(), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

void requireWebAddress(const QString& address)
{
    if (isWebAddress(address)) return;
    QString shown = address.left(120);
    if (address.size() > 120) shown += QStringLiteral("…");
    throw OnlineError(QStringLiteral("Der Abgabe-Service hat keine Internetadresse (http oder https) geliefert; "
                                     "„%1“ wird nicht geöffnet.")
                          .arg(shown));
}

} // namespace razoz
