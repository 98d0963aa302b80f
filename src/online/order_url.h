#pragma once
// The portal order address: the tip rows and the chosen games as query pairs after a start text
// from the program's web service (or, for "Extra", after the portal's own address).
#include "tipfiles/tip_file.h"

#include <QString>

#include <stdexcept>

namespace razoz {

// Longer addresses are cut off by browsers and portals; such an address is refused.
inline constexpr int kMaxOrderUrlLength = 2048;

struct OnlineError : std::runtime_error {
    explicit OnlineError(const QString& m) : std::runtime_error(m.toStdString()), message(m) {}
    QString message;
};

// What the online look of the print settings dialog gives: draw days, add-on games, "Extra" and
// the composed ticket number.
struct OrderChoices {
    bool saturday = false;
    bool wednesday = false;
    bool spiel77 = false;
    bool super6 = false;
    bool extra = false;
    QString losnummer;
};

struct OrderRequest {
    TipRows rows;
    int rowCount = 8;      // UpDown8: rows 1..R are sent, filled or not
    QString serviceBase;   // body of the web service's answer (not used with "Extra")
    QString portalAddress; // scheme and host of the portal, e.g. "https://www.tipp24.example"
    QString partnerRef;    // sent as "&ref="
    OrderChoices choices;
};

// The address in the order of its pieces; the values go in as they stand. OnlineError when it
// would be longer than kMaxOrderUrlLength.
QString buildOrderUrl(const OrderRequest& request);

// The start of the "Extra" form: the portal address followed by its extra-lottery page.
QString extraOrderBase(const QString& portalAddress);

// True for an absolute http or https address with a host: the only addresses the program hands
// to the browser on behalf of a server.
bool isWebAddress(const QString& address);

// OnlineError unless isWebAddress: nothing a server sends may open a file, a script or a program.
void requireWebAddress(const QString& address);

} // namespace razoz
