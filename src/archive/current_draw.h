#pragma once
// The current draw: the one shown in the draw panel and checked against, its position, and stepping.
#include "archive/draw_archive.h"

#include <QLocale>
#include <QString>

#include <array>

namespace razoz {

struct CurrentDraw {
    double date = 0;
    std::array<int, 6> numbers{};
    int complementary = 0;
    int reintegro = 0;

    static CurrentDraw from(const DrawRecord& r);
    int sum() const;
    friend bool operator==(const CurrentDraw&, const CurrentDraw&) = default;
};

// Three blanks after the date when the draw was selected by date or fetched, two after a step.
enum class DrawSeparator { Selected, Stepped };

// "DDD dd.mm.yy" + separator + "  n" × 6 + " C:c R:r"; the weekday name comes from `locale`, by
// default the user's own (the program fixes only number and date formats).
QString formatDraw(const CurrentDraw& draw, DrawSeparator separator, const QLocale& locale = QLocale::system());
// "QS: " and the sum of the six numbers.
QString formatSum(const CurrentDraw& draw);

class DrawNavigator {
public:
    enum class Selection { MissingArchive, Selected };

    // First draw on or after `target` (the latest when none). A missing archive is only reported: the
    // caller asks the user to read in the draws and creates it empty. An empty archive changes nothing.
    Selection selectByDate(DrawArchive& archive, double target);
    // One step back (never to position 0) or forward, stepping over draws the boxes deselect.
    // Throw ArchiveError when the archive cannot be opened.
    void showPrevious(DrawArchive& archive, DrawDays days);
    void showNext(DrawArchive& archive, DrawDays days);

    const CurrentDraw& current() const { return current_; }
    int index() const { return index_; }
    DrawSeparator separator() const { return separator_; }
    // The update and manual entry set the current draw directly.
    void setCurrent(const CurrentDraw& draw, int index, DrawSeparator sep)
    {
        current_ = draw;
        index_ = index;
        separator_ = sep;
    }

private:
    CurrentDraw current_;
    int index_ = 0;
    DrawSeparator separator_ = DrawSeparator::Selected;
};

} // namespace razoz
