#include "print/slip.h"

#include "base/locale_format.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace razoz {

namespace {

struct PresetRow {
    const char* caption;
    int top, left, a, b, r, s;
    std::array<BoxOffset, kSlipBoxCount> boxes;
    std::optional<BoxOffset> both;
    bool glueckOff;
    const char* picture;
};

// The state lotteries' slips: offsets, box spacing, corrections, and where each box label sits
// relative to the offsets (left/top).
const PresetRow kPresetRows[kSlipPresetCount] = {
    {"Sachsen ... ",
     50,
     52,
     14,
     14,
     2,
     0,
     {{{453, 229}, {535, 229}, {165, 258}, {207, 258}, {289, 258}, {331, 258}, {412, 258}, {454, 258}}},
     std::nullopt,
     false,
     "schein.jpg"},
    {"Brandenburg ",
     47,
     21,
     15,
     18,
     5,
     -7,
     {{{414, 283}, {385, 283}, {257, 283}, {285, 283}, {187, 283}, {214, 283}, {297, 283}, {297, 283}}},
     BoxOffset{342, 283},
     true,
     "schein1.jpg"},
    {"Baden-Württemberg",
     38,
     71,
     14,
     16,
     -1,
     7,
     {{{167, 298}, {167, 282}, {397, 267}, {397, 298}, {465, 267}, {465, 298}, {533, 267}, {533, 298}}},
     BoxOffset{167, 267},
     false,
     "schein2.jpg"},
    {"Mecklenburg-Vorpommern",
     46,
     81,
     15,
     17,
     4,
     -7,
     {{{415, 280}, {415, 262}, {215, 280}, {215, 295}, {287, 280}, {287, 295}, {297, 250}, {297, 250}}},
     BoxOffset{415, 295},
     true,
     "schein3.jpg"},
    {"Nordrhein-Westfalen",
     69,
     25,
     16,
     17,
     6,
     -5,
     {{{380, 305}, {380, 289}, {198, 305}, {228, 305}, {92, 305}, {122, 305}, {304, 305}, {334, 305}}},
     BoxOffset{380, 272},
     false,
     "schein4.jpg"},
    {"Berlin",
     60,
     21,
     15,
     15,
     4,
     -3,
     {{{231, 273}, {187, 273}, {477, 258}, {504, 258}, {403, 258}, {433, 258}, {548, 258}, {577, 258}}},
     BoxOffset{187, 257},
     false,
     "schein5.jpg"},
    {"Saarland",
     55,
     30,
     14,
     16,
     3,
     -3,
     {{{517, 241}, {450, 241}, {503, 290}, {558, 290}, {340, 290}, {395, 290}, {297, 250}, {297, 250}}},
     BoxOffset{450, 258},
     true,
     "schein6.jpg"},
    {"Niedersachsen",
     55,
     113,
     14,
     16,
     2,
     0,
     {{{466, 293}, {466, 276}, {247, 276}, {274, 276}, {178, 276}, {204, 276}, {315, 276}, {343, 276}}},
     BoxOffset{466, 260},
     false,
     "schein7.jpg"},
    {"Hessen",
     37,
     77,
     14,
     16,
     -4,
     8,
     {{{168, 297}, {168, 281}, {405, 266}, {405, 297}, {475, 266}, {475, 297}, {546, 266}, {546, 297}}},
     BoxOffset{168, 266},
     false,
     "schein8.jpg"},
    {"Sachsen-Anhalt",
     32,
     118,
     14,
     17,
     1,
     -5,
     {{{400, 300}, {400, 283}, {234, 282}, {262, 282}, {178, 282}, {209, 282}, {297, 250}, {297, 250}}},
     BoxOffset{400, 265},
     true,
     "schein9.jpg"},
    {"Bayern",
     76,
     21,
     14,
     15,
     0,
     -1,
     {{{41, 254}, {72, 254}, {475, 254}, {503, 254}, {533, 254}, {557, 254}, {405, 254}, {432, 254}}},
     BoxOffset{14, 254},
     false,
     "schein10.jpg"},
    {"Rheinland-Pfalz",
     41,
     76,
     14,
     16,
     -3,
     8,
     {{{167, 298}, {167, 283}, {402, 267}, {402, 298}, {472, 267}, {472, 298}, {541, 267}, {541, 298}}},
     BoxOffset{167, 267},
     false,
     "schein11.jpg"},
    {"Hamburg",
     44,
     105,
     14,
     16,
     1,
     2,
     {{{387, 327}, {387, 311}, {248, 328}, {275, 328}, {180, 328}, {207, 328}, {318, 328}, {345, 328}}},
     BoxOffset{387, 295},
     false,
     "schein12.jpg"},
};

// Positioning edits of each box label: {left edit, top edit}.
constexpr std::array<std::array<int, 2>, kSlipBoxCount> kBoxEdits = {{
    {19, 17}, // Samstag
    {15, 13}, // Mittwoch
    {6, 5},   // Spiel77Ja
    {8, 7},   // Spiel77Nein
    {10, 9},  // Super6
    {11, 12}, // Super6nein
    {18, 16}, // Glueck
    {20, 22}, // GlueckNein
}};
constexpr int kBothDaysLeftEdit = 23, kBothDaysTopEdit = 21;

int positioningInt(const PositioningTexts& texts, int n)
{
    bool ok = false;
    const int v = texts.edit[n].trimmed().toInt(&ok);
    if (!ok)
        throw SlipError(QStringLiteral("Positionierung des Scheindruckes: Edit%1 (%2) enthält keine ganze Zahl: \"%3\"")
                            .arg(n)
                            .arg(positioningFieldName(n), texts.edit[n]));
    return v;
}

int toCents(double euro)
{
    return int(std::lround(euro * 100.0));
}

} // namespace

QString slipBoxName(int box)
{
    static const char* names[kSlipBoxCount] = {"Samstag", "Mittwoch",   "Spiel77Ja", "Spiel77Nein",
                                               "Super6",  "Super6nein", "Glueck",    "GlueckNein"};
    return box >= 0 && box < kSlipBoxCount ? QString::fromLatin1(names[box]) : QString();
}

const std::array<SlipPreset, kSlipPresetCount>& slipPresets()
{
    static const std::array<SlipPreset, kSlipPresetCount> presets = [] {
        std::array<SlipPreset, kSlipPresetCount> out;
        for (int i = 0; i < kSlipPresetCount; ++i) {
            const PresetRow& p = kPresetRows[i];
            out[i].caption = QString::fromUtf8(p.caption);
            out[i].tippTop = p.top;
            out[i].tippLeft = p.left;
            out[i].geometry = {p.a, p.b, p.r, p.s, p.boxes, p.both, p.glueckOff};
            out[i].picture = QString::fromLatin1(p.picture);
        }
        return out;
    }();
    return presets;
}

QStringList slipPresetCaptions()
{
    QStringList out;
    for (const SlipPreset& p : slipPresets()) out << p.caption;
    out << QStringLiteral("Selbst definierte Positionierung");
    return out;
}

PositioningTexts PositioningTexts::design()
{
    PositioningTexts t;
    const std::pair<int, const char*> values[] = {
        {1, "14"},   {2, "14"},   {3, "3"},    {4, "0"},    {5, "258"},  {6, "162"},  {7, "258"},
        {8, "204"},  {9, "258"},  {10, "285"}, {11, "325"}, {12, "258"}, {13, "216"}, {14, "schein.jpg"},
        {15, "545"}, {16, "258"}, {17, "216"}, {18, "285"}, {19, "449"}, {20, "325"}, {22, "258"},
    };
    for (const auto& [n, v] : values) t.edit[n] = QString::fromLatin1(v);
    return t;
}

QString positioningFieldName(int n)
{
    switch (n) {
    case 1: return QStringLiteral("\"Feldhöhe:\"");
    case 2: return QStringLiteral("\"Feldweite:\"");
    case 3: return QStringLiteral("\"Links-Korrektur:\"");
    case 4: return QStringLiteral("\"Korrektur 2.Reihe:\"");
    case 14: return QStringLiteral("\"Bilddatei des Scheines (jpg)\"");
    case kBothDaysTopEdit: return QStringLiteral("\"Sa/Mi:\" Oben");
    case kBothDaysLeftEdit: return QStringLiteral("\"Sa/Mi:\" Links");
    default: break;
    }
    static const char* captions[kSlipBoxCount] = {
        "Samstag:",    "Mittwoch:",      "Spiel 77  Ja:",     "Spiel 77  Nein:",
        "Super 6 Ja:", "Super 6  Nein:", "Glücksspirale Ja:", "Glücksspirale Nein:"};
    for (int b = 0; b < kSlipBoxCount; ++b) {
        if (kBoxEdits[b][0] == n) return QStringLiteral("\"%1\" Links").arg(QString::fromUtf8(captions[b]));
        if (kBoxEdits[b][1] == n) return QStringLiteral("\"%1\" Oben").arg(QString::fromUtf8(captions[b]));
    }
    return QStringLiteral("Edit%1").arg(n);
}

SlipGeometry positioningGeometry(const PositioningTexts& texts, bool bothDays)
{
    SlipGeometry g;
    g.fieldWidth = positioningInt(texts, 2);
    g.fieldHeight = positioningInt(texts, 1);
    g.leftCorrection = positioningInt(texts, 3);
    g.secondRowCorrection = positioningInt(texts, 4);
    const bool together = bothDays && !texts.edit[kBothDaysLeftEdit].isEmpty();
    if (together)
        g.bothDays = BoxOffset{positioningInt(texts, kBothDaysLeftEdit), positioningInt(texts, kBothDaysTopEdit)};
    for (int b = 0; b < kSlipBoxCount; ++b) {
        // The two days' own positions are not read when they share one.
        if (together && (b == Samstag || b == Mittwoch)) continue;
        g.boxes[b] = {positioningInt(texts, kBoxEdits[b][0]), positioningInt(texts, kBoxEdits[b][1])};
    }
    return g;
}

void copyGeometryToPositioning(const SlipGeometry& g, const std::array<BoxOffset, kSlipBoxCount>& placed, bool bothDays,
                               PositioningTexts& texts)
{
    auto put = [&](int n, int v) { texts.edit[n] = QString::number(v); };
    put(2, g.fieldWidth);
    put(1, g.fieldHeight);
    put(3, g.leftCorrection);
    put(4, g.secondRowCorrection);
    for (int b = 0; b < kSlipBoxCount; ++b) {
        if (b == Samstag && bothDays) {
            put(kBothDaysTopEdit, placed[b].top);
            put(kBothDaysLeftEdit, placed[b].left);
            continue;
        }
        if (b == Mittwoch && bothDays) continue;
        put(kBoxEdits[b][1], placed[b].top);
        put(kBoxEdits[b][0], placed[b].left);
    }
}

int tipBoxEditNumber(int row, int column)
{
    static constexpr int firstEdit[kTipRows] = {1, 7, 13, 19, 25, 31, 43, 49, 56, 62, 68, 74};
    return firstEdit[row] + column;
}

std::array<int, kTipRows> slipFieldsOfRows(const TipRows& rows)
{
    std::array<int, kTipRows> fields{};
    int k = 0;
    for (int r = 1; r < kTipRows; ++r) {
        if (!rows[r][0].isEmpty()) ++k;
        fields[r] = k;
    }
    return fields;
}

MarkPoint markPosition(SlipLayout layout, int T, int L, const SlipGeometry& g, int k, int row, int n)
{
    const int a = g.fieldWidth, b = g.fieldHeight, r = g.leftCorrection, s = g.secondRowCorrection;
    if (layout == SlipLayout::Line49x1) return {L + (n - 1) * a, T + k * b};
    const int c = (n - 1) % 7, w = (n - 1) / 7;
    const bool evenGridRow = row % 2 == 1; // the 2nd, 4th … row of the grid
    const int top = T + w * b + (k % 2) * (7 * b + r) + (evenGridRow ? s : 0);
    int left = L + c * a + (k / 2) * (7 * a - r);
    if (c >= 4) left -= c - 3; // the right columns of a field lie a little closer together
    return {left, top};
}

SlipPaper slipPaper(int item)
{
    switch (item) {
    case 1: return {210, 297, true};
    case 2: return {148, 210, true};
    case 3: return {106, 180, true};
    default: return {210, 297, false};
    }
}

SlipLayout effectiveLayout(int preset, int positioningLayout)
{
    if ((preset == 1 || preset == kCustomPreset) && positioningLayout == 1) return SlipLayout::Line49x1;
    return SlipLayout::Blocks7x7;
}

QString findSlipPicture(const QString& folder, const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) return {};
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files))
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    return {};
}

SlipPage buildSlipPage(SlipRequest& req)
{
    if (!isSlipPresetItem(req.preset))
        throw SlipError(QStringLiteral("Kein Schein Nummer %1 (0 bis %2)").arg(req.preset).arg(kCustomPreset));
    const bool bothDays = req.saturday && req.wednesday;
    const int T = req.tippTop, L = req.tippLeft;

    // Everything is read and checked before anything is placed: a bad value prints nothing.
    std::array<std::array<int, kTipColumns>, kTipRows> numbers{};
    for (int r = 0; r < kTipRows; ++r)
        for (int c = 0; c < kTipColumns; ++c) {
            const QString& text = req.rows[r][c];
            if (text.isEmpty()) continue;
            const auto n = tipNumber(text);
            if (!n)
                throw SlipError(QStringLiteral("%1. Tipp, Feld %2 (Edit%3) enthält keine Zahl von 1 bis 49: \"%4\"")
                                    .arg(r + 1)
                                    .arg(c + 1)
                                    .arg(tipBoxEditNumber(r, c))
                                    .arg(text));
            numbers[r][c] = *n;
        }
    const bool custom = req.preset == kCustomPreset;
    const SlipGeometry geometry =
        custom ? positioningGeometry(req.positioning, bothDays) : slipPresets()[req.preset].geometry;

    SlipPage page;
    page.paper = slipPaper(req.paper);
    page.font = req.font;
    page.layout = effectiveLayout(req.preset, req.positioning.layout);
    page.geometry = geometry;

    // Box labels.
    std::array<BoxOffset, kSlipBoxCount> placed = geometry.boxes;
    if (bothDays && geometry.bothDays) placed[Samstag] = placed[Mittwoch] = *geometry.bothDays;
    auto yesNo = [](TriState t, bool yes) { return t == TriState::Grayed ? false : (t == TriState::Checked) == yes; };
    const bool enabled[kSlipBoxCount] = {
        req.saturday,
        req.wednesday,
        yesNo(req.spiel77, true),
        yesNo(req.spiel77, false),
        yesNo(req.super6, true),
        yesNo(req.super6, false),
        !geometry.glueckOff && yesNo(req.glueck, true),
        !geometry.glueckOff && yesNo(req.glueck, false),
    };
    for (int b = 0; b < kSlipBoxCount; ++b)
        page.boxes.push_back(
            {slipBoxName(b), QStringLiteral("x"), L + placed[b].left, T + placed[b].top, enabled[b], true});

    // Marks.
    const auto fields = slipFieldsOfRows(req.rows);
    for (int r = 0; r < kTipRows; ++r)
        for (int c = 0; c < kTipColumns; ++c) {
            SlipLabel mark;
            mark.name = QStringLiteral("QRLabel%1").arg(tipBoxEditNumber(r, c));
            if (numbers[r][c] != 0) {
                const MarkPoint p = markPosition(page.layout, T, L, geometry, fields[r], r, numbers[r][c]);
                mark.caption = QStringLiteral("x");
                mark.left = p.left;
                mark.top = p.top;
                mark.placed = true;
            }
            page.marks.push_back(mark);
        }

    // The picture of the blank slip.
    if (req.showPicture) {
        if (custom) {
            page.picturePath = findSlipPicture(req.programFolder, req.positioning.edit[14].trimmed());
            if (page.picturePath.isEmpty())
                page.picturePath = findSlipPicture(req.programFolder, QStringLiteral("schein.jpg"));
        } else {
            page.picturePath = findSlipPicture(req.programFolder, slipPresets()[req.preset].picture);
        }
    }

    if (!custom) copyGeometryToPositioning(geometry, placed, bothDays, req.positioning);
    return page;
}

int countPlayedRows(const TipRows& rows)
{
    int n = 0;
    for (const TipRowTexts& row : rows)
        if (!row[0].isEmpty()) ++n;
    return n;
}

double slipCost(const SlipCostInput& in)
{
    // In cents, so that 10,50 is 10,50 and not 10,4999….
    int cents = in.rows * kRowPriceCents;
    if (in.spiel77) cents += 250;
    if (in.super6) cents += 125;
    if (in.glueck) cents += 540;
    if (in.saturday && in.wednesday)
        cents = cents * 2 + toCents(in.feeBothDraws);
    else
        cents += toCents(in.feeOneDraw);
    return cents / 100.0;
}

double dialogCost(const SlipCostInput& in)
{
    if (!in.saturday && !in.wednesday) return 0.0;
    return slipCost(in);
}

double extraCost(int rows, double feeOneDraw)
{
    return (rows * 225 + toCents(feeOneDraw)) / 100.0;
}

int windowsColor(const QColor& c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QColor fromWindowsColor(int v)
{
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

double feeFromText(const QString& text, double fallback)
{
    const auto v = parseNumber(text);
    return v && std::isfinite(*v) ? *v : fallback;
}

std::pair<bool, bool> defaultDrawDays(bool onlySaturday, const QDate& today)
{
    if (onlySaturday) return {true, false};
    const int d = today.dayOfWeek();
    if (d == Qt::Friday || d == Qt::Saturday) return {true, false};
    return {false, true};
}

} // namespace razoz
