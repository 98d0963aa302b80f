#pragma once
// The draw-results server's answer: one line per draw of the asked day,
// "<anything>,n1,n2,n3,n4,n5,n6,C,R;" — read by the update, written by razoz-server.
#include "archive/draw_record.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace razoz {

// The request for one draw day: this path under the results server's address, with the query of
// resultsQuery ("Programm=Dovovuduv&Datum=yyyymmdd"). The server answers the same path.
inline constexpr char kResultsPath[] = "/zahlen/lotto_neu.asp";
QString resultsQuery(double date);
// The server's side of that query: the day asked for by its "Programm" and "Datum" values; nullopt
// unless they are what resultsQuery writes for a valid date.
std::optional<double> resultsQueryDay(const QString& programm, const QString& datum);

// One answer line as a record of `date`; nullopt when any of the first seven numbers cannot be read
// or a value is not one this game can draw (numbers and complementary 1..49, all different,
// Reintegro 0..9). A Reintegro that is no number reads 0.
std::optional<DrawRecord> parseAnswerLine(const QString& line, double date);

// The records of a whole answer, in order; the first unreadable line drops the rest. Blank lines
// are skipped.
std::vector<DrawRecord> parseAnswer(const QByteArray& body, double date);

// The server's side: "<n>,n1,…,C,R;" CR LF per record.
QByteArray answerLines(const std::vector<DrawRecord>& records, int firstNumber);

} // namespace razoz
