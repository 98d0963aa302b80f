#include "generate/row_edit.h"

namespace razoz {

NumberMarks marksOfRow(const TipRowTexts& row)
{
    NumberMarks marks;
    for (const QString& text : row) {
        const std::optional<int> n = tipNumber(text);
        if (!n) break;
        marks.set(std::size_t(*n - 1));
    }
    return marks;
}

TipRowTexts rowFromMarks(const TipRowTexts& row, const NumberMarks& checked)
{
    TipRowTexts out = row;
    std::size_t next = 0;
    for (int k = 1; k <= 49 && next < out.size(); ++k)
        if (checked.test(std::size_t(k - 1))) out[next++] = QString::number(k);
    return out;
}

} // namespace razoz
