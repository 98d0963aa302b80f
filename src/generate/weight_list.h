#pragma once
// Weight lists (".wgl"): the number list dialog saves and loads the weights of all 49 numbers.
// Line k is the weight of number k when it is checked, and empty when it is not.
#include "generate/number_list.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <stdexcept>

namespace razoz {

inline constexpr int kWeightListLines = 49;
inline const QString kWeightListFilter = QStringLiteral("Werteliste|*.wgl");
inline const QString kWeightListExtension = QStringLiteral("wgl");

struct WeightListError : std::runtime_error {
    explicit WeightListError(const QString& m) : std::runtime_error(m.toStdString()), text(m) {}
    QString text;
};

// Saving gives a checked number without a weight the weight "1" (the dialog keeps that weight);
// this returns the entries as they are saved.
NumberListEntries savedWeights(const NumberListEntries& entries);

// The file's text: 49 lines ended by CR LF; plain ASCII (weights are digits).
QByteArray formatWeightList(const NumberListEntries& entries);

// The entries a file's text loads: a non-empty line checks its number with that text as weight,
// an empty line unchecks it with the weight "1". A text that does not hold exactly 49 lines
// (blank lines after the 49th are allowed) is no weight list: WeightListError, nothing loaded.
NumberListEntries parseWeightList(const QByteArray& bytes);

// Reads / writes a weight list; the write goes to a scratch file that replaces the old one by
// rename. WeightListError naming the file on failure.
NumberListEntries readWeightList(const QString& path);
void writeWeightList(const QString& path, const NumberListEntries& entries);

// Today's date as "yyyymmdd.wgl".
QString proposedWeightListName(const QDate& today);

// The weight rule of a click on a box that is now checked: one more, or one less in decrement
// mode, never below 0; a weight that is no number counts as 0.
QString steppedWeight(const QString& weight, bool decrement);

} // namespace razoz
