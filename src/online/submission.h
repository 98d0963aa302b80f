#pragma once
// Handing the tips to a portal: the order address opened in the browser (directly or through the
// link page), or the per-date tip file for the portal that takes files.
#include "base/prompt.h"
#include "online/order_url.h"

#include <QDate>
#include <QString>
#include <QUrl>

#include <functional>

namespace razoz {

// What the hand-over uses of the running program: its folder, its messages, the one opener of
// documents and addresses, and the hint line of the status bar.
struct HandOver {
    Prompt& prompt;
    QString programFolder;
    std::function<bool(const QUrl&)> open; // false when nothing opened (no opener in tests)
    std::function<void(const QString&)> hint;
    QString notWrittenText; // text 55, after the name of a tip file that could not be written
};

// What the "Internet-Optionen" page holds for online submission.
struct OnlineOptions {
    QString proxyHost;      // ProxyHostEdit
    QString proxyPort;      // ProxyPortEdit
    bool linkPage = false;  // CheckBox21 "Linkseite aktivieren"
    QString serviceAddress; // the program's web service
    QString portalAddress;  // the Tipp24 portal, scheme and host
    QString webSite;        // named in the message when the service is down
    QString partnerRef;     // "&ref="
    int timeoutMs = 15000;
};

inline const QString kLinkPageHint = QStringLiteral("Tipp24 nicht geöffnet? => Linkseite aktivieren!");

// The message when the web service answers with an error status.
QString serviceDownMessage(const QString& webSite);

// The host of the portal address without "www." kept, e.g. "www.tipp24.example".
QString portalDomain(const QString& portalAddress);

enum class SubmissionResult {
    Opened,         // the order address handed to the browser
    LinkPageOpened, // "tipp.htm" written and handed to the browser
    MessageShown,   // the service's message page "Meldung.htm" handed to the browser
    Refused,        // too long, or not a web address: a message, nothing opened
    Failed,         // no answer from the service, or a file could not be written: a message
};

// The order of the portal Tipp24: the pre-request for the start of the address (rows = R), its
// error handling, the address, then the link page or the address itself. Messages go through the
// hand-over's prompt, addresses and pages through its one opener.
SubmissionResult submitToTipp24(const HandOver& hand, const OnlineOptions& options, const TipRows& rows, int rowCount,
                                const OrderChoices& choices);

// "<program folder>Tipps/yyyymmdd.wtp" for the shown draw's date.
QString perDateTipPath(const QString& programFolder, const QDate& shownDraw, const QDate& today);
// Writes the per-date tip file, creating "Tipps" when missing. False when it could not be written
// (the message shown: the folder, or the file name and text 55).
bool writePerDateTips(const HandOver& hand, const TipRows& rows, const QString& path);

// Hands a web page to the browser; anything but an http or https address is refused with a
// message. False when refused or not opened.
bool openWebPage(const HandOver& hand, const QString& address);

} // namespace razoz
