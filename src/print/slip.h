#pragma once
// The paper slip: the presets of the state lotteries, the mark positions, the box labels, the
// cost and the page that is printed. Positions are integers in 1/96 inch from the top-left of the
// page band; the painter (slip_painter.h) draws the page as it stands here.
#include "tipfiles/tip_file.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <stdexcept>
#include <vector>

namespace razoz {

// A slip that cannot be built: a tip box or a positioning value that is no integer. Nothing is printed.
class SlipError : public std::runtime_error {
public:
    explicit SlipError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

inline constexpr int kSlipPresetCount = 13; // the state lotteries, items 0..12
inline constexpr int kCustomPreset = 13;    // "Selbst definierte Positionierung"
inline constexpr int kSlipFields = 12;      // two rows of six number fields

// An item of the preset group: a state lottery or the user-defined positioning. A stored or given
// item outside it is no preset; the print refuses it and razoz-cli falls back to the first.
constexpr bool isSlipPresetItem(int item)
{
    return item >= 0 && item <= kCustomPreset;
}

enum class SlipLayout { Blocks7x7 = 0, Line49x1 = 1 };

// The box labels, in the order the page lists them.
enum SlipBox { Samstag, Mittwoch, Spiel77Ja, Spiel77Nein, Super6, Super6nein, Glueck, GlueckNein, kSlipBoxCount };
QString slipBoxName(int box); // "Samstag" … "GlueckNein"

struct BoxOffset {
    int left = 0, top = 0;
    friend bool operator==(const BoxOffset&, const BoxOffset&) = default;
};

struct SlipGeometry {
    int fieldWidth = 14;         // a: from one box to the next in a box row
    int fieldHeight = 14;        // b: from one box row to the next
    int leftCorrection = 3;      // r: each further field column is pulled left by it, a lower field moved down
    int secondRowCorrection = 0; // s: shift of the even tip rows of the grid
    std::array<BoxOffset, kSlipBoxCount> boxes{};
    std::optional<BoxOffset> bothDays; // where Samstag and Mittwoch both go when both days are played
    bool glueckOff = false;            // this slip has no Glücksspirale boxes to mark
};

struct SlipPreset {
    QString caption;
    int tippTop = 0, tippLeft = 0; // what choosing the preset puts into "Oben:" and "Links"
    SlipGeometry geometry;
    QString picture;
};

const std::array<SlipPreset, kSlipPresetCount>& slipPresets();
// The fourteen captions of the preset group, "Sachsen ... " first, the user-defined one last.
QStringList slipPresetCaptions();

// What the positioning window "Positionierung des Scheindruckes" holds: the texts of its edits
// Edit1..Edit23 (index = the edit's number, 0 unused) and its layout item.
struct PositioningTexts {
    std::array<QString, 24> edit;
    int layout = 0;
    static PositioningTexts design();
    friend bool operator==(const PositioningTexts&, const PositioningTexts&) = default;
};
// The caption of the positioning edit n ("Feldhöhe:", "Spiel 77  Ja: Oben" …) for messages.
QString positioningFieldName(int n);

// The user-defined geometry read from the positioning texts; only the values the print uses are
// read. SlipError naming the field when one of them is no integer.
SlipGeometry positioningGeometry(const PositioningTexts& texts, bool bothDays);
// After a preset print the user-defined positioning starts from it: its geometry and the
// positions the boxes took (relative to the offsets) are written into the texts.
void copyGeometryToPositioning(const SlipGeometry& geometry, const std::array<BoxOffset, kSlipBoxCount>& placed,
                               bool bothDays, PositioningTexts& texts);

// The number of the grid edit of a box ("Edit7" is row 1, column 0) — the mark label has the same.
int tipBoxEditNumber(int row, int column);

// Field k of each tip row: row 1 takes field 0, every later row whose first box is filled the next.
std::array<int, kTipRows> slipFieldsOfRows(const TipRows& rows);

struct MarkPoint {
    int left = 0, top = 0;
    friend bool operator==(const MarkPoint&, const MarkPoint&) = default;
};
// Where the "x" for `number` of tip row `row` (0-based) in field `field` goes.
MarkPoint markPosition(SlipLayout layout, int tippTop, int tippLeft, const SlipGeometry& g, int field, int row,
                       int number);

// Paper of the paper box: "A4", "A4 Quer", "A5 Quer", "18x10,6"; -1 (none chosen) keeps A4 upright.
struct SlipPaper {
    double widthMm = 210, heightMm = 297;
    bool landscape = false;
};
SlipPaper slipPaper(int item);
inline const QStringList kSlipPaperItems = {QStringLiteral("A4"), QStringLiteral("A4 Quer"), QStringLiteral("A5 Quer"),
                                            QStringLiteral("18x10,6")};

enum class TriState { Unchecked, Checked, Grayed };

// The mark font as the settings keep it.
struct SlipFont {
    QString family = QStringLiteral("Arial");
    int pointSize = 8;
    bool bold = true, italic = false, underline = false, strikeOut = false;
    QColor color = Qt::black;
};

// The mark colour as the settings keep it: a Windows colour 0x00BBGGRR (red in the low byte).
int windowsColor(const QColor& color);
QColor fromWindowsColor(int value);

struct SlipRequest {
    TipRows rows;
    int preset = 0;
    int tippTop = 39, tippLeft = 47;
    PositioningTexts positioning = PositioningTexts::design();
    bool saturday = false, wednesday = false;
    TriState spiel77 = TriState::Unchecked, super6 = TriState::Unchecked, glueck = TriState::Unchecked;
    bool showPicture = false;
    int paper = -1;
    SlipFont font;
    QString programFolder;
};

struct SlipLabel {
    QString name;
    QString caption; // "x", or empty for an empty tip box
    int left = 0, top = 0;
    bool enabled = true;
    bool placed = false; // an empty tip box keeps no position
};

struct SlipPage {
    SlipPaper paper;
    QString title = QStringLiteral("Druck des Lottoscheines");
    int bandHeight = 449;
    SlipFont font;
    QString picturePath; // empty: no picture under the marks
    int pictureLeft = 8, pictureTop = 4, pictureWidth = 753, pictureHeight = 429;
    std::vector<SlipLabel> marks; // 72, in grid order
    std::vector<SlipLabel> boxes; // 8, in SlipBox order
    SlipLayout layout = SlipLayout::Blocks7x7;
    SlipGeometry geometry; // what the marks were placed by
};

// The layout a preset prints with: the positioning window's for Brandenburg and the user-defined
// positioning, blocks of 7 × 7 for every other preset.
SlipLayout effectiveLayout(int preset, int positioningLayout);

// Builds the page. For presets 0..12 the geometry is copied into request.positioning afterwards.
// SlipError for a tip box or positioning value that is no integer; the request is then unchanged.
SlipPage buildSlipPage(SlipRequest& request);

// The slip picture of that name in the folder, the name compared without regard to case; empty when none.
QString findSlipPicture(const QString& folder, const QString& name);

// Costs in euro. Rows: the tip rows whose first box is filled.
int countPlayedRows(const TipRows& rows);
struct SlipCostInput {
    int rows = 0;
    bool spiel77 = false, super6 = false, glueck = false;
    bool saturday = false, wednesday = false;
    double feeOneDraw = 0.50, feeBothDraws = 1.00;
};
// The price of one tip row for one draw, in cents.
inline constexpr int kRowPriceCents = 75;
// rows × 0.75 plus the add-on games, both days: twice that plus the two-draw fee, else plus the one-draw fee.
double slipCost(const SlipCostInput& in);
// As the dialog shows it: nothing to pay without a draw day.
double dialogCost(const SlipCostInput& in);
// The "Extra" offer of online submission: 2.25 a row plus the one-draw fee.
double extraCost(int rows, double feeOneDraw);
// A fee text of the "Internet-Optionen" page; `fallback` when it is no number.
double feeFromText(const QString& text, double fallback);

// The draw days the print starts with: Saturday only for a Saturday player, else by today's
// weekday (Sunday to Thursday: Wednesday; Friday, Saturday: Saturday). {saturday, wednesday}.
std::pair<bool, bool> defaultDrawDays(bool onlySaturday, const QDate& today);

} // namespace razoz
