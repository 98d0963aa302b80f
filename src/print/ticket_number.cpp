#include "print/ticket_number.h"

#include "archive/dates.h"

namespace razoz {

TicketDigits newTicketNumber(int fixedLast, const std::function<int(int)>& random)
{
    TicketDigits d{};
    for (int i = 0; i < 6; ++i) d[i] = random(10);
    d[6] = fixedLast;
    return d;
}

QString ticketNumberText(const TicketDigits& digits)
{
    QString s;
    for (int d : digits) s += QString::number(d);
    return s;
}

TicketSearchResult searchTicketNumber(DrawArchive& archive, const TicketDigits& digits)
{
    TicketSearchResult result;
    archive.openForReading();
    struct Closer {
        DrawArchive& a;
        ~Closer() { a.close(); }
    } closer{archive};
    while (!archive.atEnd()) {
        const DrawRecord r = archive.readNext();
        bool spiel77 = true, super6 = true;
        for (int i = 0; i < 7; ++i) spiel77 = spiel77 && r.spiel77[i] == digits[i];
        for (int i = 0; i < 6; ++i) super6 = super6 && r.super6[i] == digits[i + 1];
        if (!spiel77 && !super6) continue;
        result.found = true;
        result.super6 = super6;
        result.date = r.date;
        result.message = QStringLiteral("LosNr. wurde am %1 %2")
                             .arg(formatDate(r.date), super6 ? QStringLiteral("bei der Super 6 gezogen")
                                                             : QStringLiteral("im Spiel 77 gezogen"));
        return result;
    }
    result.message = QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen");
    return result;
}

} // namespace razoz
