#include "print/slip.h"
#include "print/ticket_number.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace razoz;

namespace {

TipRows rowsWith(std::initializer_list<std::pair<int, TipRowTexts>> rows)
{
    TipRows out;
    for (const auto& [r, texts] : rows) out[r] = texts;
    return out;
}

const SlipLabel& mark(const SlipPage& page, int edit)
{
    for (const SlipLabel& m : page.marks)
        if (m.name == QStringLiteral("QRLabel%1").arg(edit)) return m;
    throw std::runtime_error("no such mark");
}

SlipRequest presetRequest(int preset, TipRows rows)
{
    SlipRequest req;
    req.preset = preset;
    req.rows = std::move(rows);
    if (preset < kSlipPresetCount) {
        req.tippTop = slipPresets()[preset].tippTop;
        req.tippLeft = slipPresets()[preset].tippLeft;
    }
    return req;
}

struct MarkCase {
    int preset;
    int layout;
    int row; // 0-based grid row holding the number in its first box
    int number;
    int field; // the field that row lands in when rows 0..row are filled
    MarkPoint expected;
};

class MarkPositions : public ::testing::TestWithParam<MarkCase> {};

} // namespace

TEST_P(MarkPositions, FollowTheFormulas)
{
    const MarkCase& c = GetParam();
    TipRows rows;
    for (int r = 0; r <= c.row; ++r) rows[r][0] = QStringLiteral("20");
    rows[c.row][0] = QString::number(c.number);
    SlipRequest req = presetRequest(c.preset, rows);
    req.positioning.layout = c.layout;
    const SlipPage page = buildSlipPage(req);
    const SlipLabel& m = mark(page, tipBoxEditNumber(c.row, 0));
    EXPECT_EQ(slipFieldsOfRows(rows)[c.row], c.field);
    EXPECT_EQ(MarkPoint(m.left, m.top), c.expected);
    EXPECT_EQ(m.caption, "x");
}

INSTANTIATE_TEST_SUITE_P(Presets, MarkPositions,
                         ::testing::Values(MarkCase{0, 0, 0, 7, 0, {133, 50}}, MarkCase{0, 0, 1, 49, 1, {133, 234}},
                                           MarkCase{0, 0, 2, 1, 2, {148, 50}}, MarkCase{1, 0, 1, 10, 1, {51, 189}},
                                           MarkCase{1, 1, 1, 10, 1, {156, 65}},
                                           // 49 x 1 is not kept by the other presets
                                           MarkCase{0, 1, 0, 7, 0, {133, 50}}));

TEST(SlipPage, FieldsSkipRowsWithAnEmptyFirstBoxButEvenRowsKeepTheirCorrection)
{
    // Rows 2 and 3 empty, row 4 filled: row 4 lands in field 1 and still gets s.
    TipRows rows = rowsWith({{0, {"1", "", "", "", "", ""}}, {3, {"1", "", "", "", "", ""}}});
    SlipRequest req = presetRequest(1, rows);
    SlipPage page = buildSlipPage(req);
    EXPECT_EQ(slipFieldsOfRows(rows)[3], 1);
    const SlipLabel& m = mark(page, tipBoxEditNumber(3, 0));
    EXPECT_EQ(m.top, 47 + 0 + (7 * 18 + 5) - 7);
    EXPECT_EQ(m.left, 21);

    // A row whose first box is empty shares the field of the row before it.
    rows = rowsWith({{0, {"1", "", "", "", "", ""}}, {1, {"", "2", "", "", "", ""}}});
    req = presetRequest(0, rows);
    page = buildSlipPage(req);
    EXPECT_EQ(mark(page, tipBoxEditNumber(1, 1)).top, 50); // field 0, s = 0
    EXPECT_FALSE(mark(page, tipBoxEditNumber(1, 0)).placed);
    EXPECT_EQ(mark(page, tipBoxEditNumber(1, 0)).caption, "");
}

TEST(SlipPage, BoxLabelsByDaysGamesAndPreset)
{
    auto box = [](const SlipPage& p, int b) { return p.boxes[b]; };
    SlipRequest req = presetRequest(0, {});
    req.saturday = req.wednesday = true;
    req.spiel77 = TriState::Grayed;
    req.super6 = TriState::Checked;
    SlipPage page = buildSlipPage(req);
    EXPECT_EQ(box(page, Samstag).left, 52 + 453);
    EXPECT_EQ(box(page, Mittwoch).left, 52 + 535); // preset 0 keeps the two apart
    EXPECT_FALSE(box(page, Spiel77Ja).enabled);
    EXPECT_FALSE(box(page, Spiel77Nein).enabled);
    EXPECT_TRUE(box(page, Super6).enabled);
    EXPECT_FALSE(box(page, Super6nein).enabled);
    EXPECT_FALSE(box(page, Glueck).enabled);
    EXPECT_TRUE(box(page, GlueckNein).enabled);

    for (int preset = 1; preset < kSlipPresetCount; ++preset) {
        SlipRequest both = presetRequest(preset, {});
        both.saturday = both.wednesday = true;
        const SlipPage p = buildSlipPage(both);
        EXPECT_EQ(box(p, Samstag).left, box(p, Mittwoch).left) << preset;
        EXPECT_EQ(box(p, Samstag).top, both.tippTop + slipPresets()[preset].geometry.bothDays->top) << preset;
    }

    SlipRequest three = presetRequest(3, {});
    three.glueck = TriState::Checked;
    page = buildSlipPage(three);
    EXPECT_FALSE(box(page, Glueck).enabled);
    EXPECT_FALSE(box(page, GlueckNein).enabled);
}

TEST(SlipPage, PresetGeometryIsCopiedForTheUserDefinedPositioning)
{
    SlipRequest req = presetRequest(12, {});
    req.saturday = req.wednesday = true;
    buildSlipPage(req);
    EXPECT_EQ(req.positioning.edit[2], "14");   // a
    EXPECT_EQ(req.positioning.edit[1], "16");   // b
    EXPECT_EQ(req.positioning.edit[4], "2");    // s
    EXPECT_EQ(req.positioning.edit[21], "295"); // both days top
    EXPECT_EQ(req.positioning.edit[23], "387");
    EXPECT_EQ(req.positioning.edit[11], "207"); // Super6nein left

    // The user-defined preset then prints where Hamburg did.
    SlipRequest custom = req;
    custom.preset = kCustomPreset;
    custom.rows[0] = {"7", "", "", "", "", ""};
    req.rows = custom.rows;
    EXPECT_EQ(mark(buildSlipPage(custom), 1).left, mark(buildSlipPage(req), 1).left);
}

TEST(SlipPage, ANonIntegerPrintsNothingAndNamesTheBox)
{
    SlipRequest req = presetRequest(kCustomPreset, {});
    req.positioning.edit[5] = "2x";
    const PositioningTexts before = req.positioning;
    try {
        buildSlipPage(req);
        FAIL() << "no error";
    } catch (const SlipError& e) {
        EXPECT_TRUE(e.message().contains("Edit5")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("Spiel 77  Ja:")) << e.message().toStdString();
    }
    EXPECT_EQ(req.positioning, before);

    SlipRequest tip = presetRequest(0, rowsWith({{6, {"1", "abc", "", "", "", ""}}}));
    try {
        buildSlipPage(tip);
        FAIL() << "no error";
    } catch (const SlipError& e) {
        EXPECT_TRUE(e.message().contains("Edit44")) << e.message().toStdString();
    }
}

// An item outside the preset group has no slip: the print refuses it.
TEST(SlipPage, OnlyItemsOfThePresetGroupPrint)
{
    for (const auto& [item, inGroup] :
         std::initializer_list<std::pair<int, bool>>{{-1, false}, {0, true}, {12, true}, {13, true}, {14, false}}) {
        EXPECT_EQ(isSlipPresetItem(item), inGroup) << item;
        SlipRequest req = presetRequest(0, rowsWith({{0, {"7", "", "", "", "", ""}}}));
        req.preset = item;
        if (inGroup)
            EXPECT_NO_THROW(buildSlipPage(req)) << item;
        else
            EXPECT_THROW(buildSlipPage(req), SlipError) << item;
    }
}

// The mark colour as the settings keep it: red in the low byte, blue in the third; a fourth is ignored.
TEST(SlipFont, ColourAsTheSettingsKeepIt)
{
    struct Case {
        int stored;
        QColor colour;
    };
    for (const Case& c :
         {Case{0x000000, QColor(0, 0, 0)}, Case{0x0000FF, QColor(255, 0, 0)}, Case{0x00FF00, QColor(0, 255, 0)},
          Case{0xFF0000, QColor(0, 0, 255)}, Case{0x030201, QColor(1, 2, 3)}}) {
        EXPECT_EQ(fromWindowsColor(c.stored), c.colour) << c.stored;
        EXPECT_EQ(windowsColor(c.colour), c.stored) << c.stored;
    }
    EXPECT_EQ(fromWindowsColor(0x7F030201), QColor(1, 2, 3));
}

TEST(SlipPage, PaperAndPictureNamesWithoutRegardToCase)
{
    EXPECT_TRUE(slipPaper(1).landscape);
    EXPECT_EQ(slipPaper(3).widthMm, 106);
    EXPECT_EQ(slipPaper(3).heightMm, 180);
    EXPECT_FALSE(slipPaper(-1).landscape);
    test::ProgramDir dir;
    dir.writeFile("SCHEIN3.JPG", "x");
    SlipRequest req = presetRequest(3, {});
    req.programFolder = dir.path();
    req.showPicture = true;
    EXPECT_TRUE(buildSlipPage(req).picturePath.endsWith("SCHEIN3.JPG"));
    req.showPicture = false;
    EXPECT_TRUE(buildSlipPage(req).picturePath.isEmpty());
}

// Each state lottery's slip, as the print dialog and the page builder take it.
TEST(SlipPresets, MatchTheTableOfSlips)
{
    struct Row {
        const char* caption;
        int top, left, a, b, r, s;
        const char* picture;
    };
    const Row table[] = {{"Sachsen ... ", 50, 52, 14, 14, 2, 0, "schein.jpg"},
                         {"Brandenburg ", 47, 21, 15, 18, 5, -7, "schein1.jpg"},
                         {"Baden-Württemberg", 38, 71, 14, 16, -1, 7, "schein2.jpg"},
                         {"Mecklenburg-Vorpommern", 46, 81, 15, 17, 4, -7, "schein3.jpg"},
                         {"Nordrhein-Westfalen", 69, 25, 16, 17, 6, -5, "schein4.jpg"},
                         {"Berlin", 60, 21, 15, 15, 4, -3, "schein5.jpg"},
                         {"Saarland", 55, 30, 14, 16, 3, -3, "schein6.jpg"},
                         {"Niedersachsen", 55, 113, 14, 16, 2, 0, "schein7.jpg"},
                         {"Hessen", 37, 77, 14, 16, -4, 8, "schein8.jpg"},
                         {"Sachsen-Anhalt", 32, 118, 14, 17, 1, -5, "schein9.jpg"},
                         {"Bayern", 76, 21, 14, 15, 0, -1, "schein10.jpg"},
                         {"Rheinland-Pfalz", 41, 76, 14, 16, -3, 8, "schein11.jpg"},
                         {"Hamburg", 44, 105, 14, 16, 1, 2, "schein12.jpg"}};
    for (std::size_t i = 0; i < std::size(table); ++i) {
        const Row& t = table[i];
        const SlipPreset& p = slipPresets()[i];
        EXPECT_EQ(p.caption, QString::fromUtf8(t.caption)) << i;
        EXPECT_EQ(std::make_pair(p.tippTop, p.tippLeft), std::make_pair(t.top, t.left)) << i;
        const SlipGeometry& g = p.geometry;
        EXPECT_EQ((std::array{g.fieldWidth, g.fieldHeight, g.leftCorrection, g.secondRowCorrection}),
                  (std::array{t.a, t.b, t.r, t.s}))
            << i;
        EXPECT_EQ(p.picture, QString::fromLatin1(t.picture)) << i;
    }
    EXPECT_EQ(slipPresetCaptions().size(), kSlipPresetCount + 1);
    EXPECT_EQ(slipPresetCaptions().last(), "Selbst definierte Positionierung");
}

// Where each slip has its draw-day and add-on boxes, as the slip's printed form shows them.
TEST(SlipPresets, PlaceTheirBoxesAsTheTableOfSlips)
{
    // Item | Samstag | Mittwoch | both days | Spiel77Ja | Spiel77Nein | Super6 | Super6nein | Glueck | GlueckNein
    const QStringList table =
        QStringLiteral(
            "| 0 | 453/229 | 535/229 | (separate) | 165/258 | 207/258 | 289/258 | 331/258 | 412/258 | 454/258 |\n"
            "| 1 | 414/283 | 385/283 | 342/283 | 257/283 | 285/283 | 187/283 | 214/283 | 297/283 off | 297/283 off |\n"
            "| 2 | 167/298 | 167/282 | 167/267 | 397/267 | 397/298 | 465/267 | 465/298 | 533/267 | 533/298 |\n"
            "| 3 | 415/280 | 415/262 | 415/295 | 215/280 | 215/295 | 287/280 | 287/295 | 297/250 off | 297/250 off |\n"
            "| 4 | 380/305 | 380/289 | 380/272 | 198/305 | 228/305 | 92/305 | 122/305 | 304/305 | 334/305 |\n"
            "| 5 | 231/273 | 187/273 | 187/257 | 477/258 | 504/258 | 403/258 | 433/258 | 548/258 | 577/258 |\n"
            "| 6 | 517/241 | 450/241 | 450/258 | 503/290 | 558/290 | 340/290 | 395/290 | 297/250 off | 297/250 off |\n"
            "| 7 | 466/293 | 466/276 | 466/260 | 247/276 | 274/276 | 178/276 | 204/276 | 315/276 | 343/276 |\n"
            "| 8 | 168/297 | 168/281 | 168/266 | 405/266 | 405/297 | 475/266 | 475/297 | 546/266 | 546/297 |\n"
            "| 9 | 400/300 | 400/283 | 400/265 | 234/282 | 262/282 | 178/282 | 209/282 | 297/250 off | 297/250 off |\n"
            "| 10 | 41/254 | 72/254 | 14/254 | 475/254 | 503/254 | 533/254 | 557/254 | 405/254 | 432/254 |\n"
            "| 11 | 167/298 | 167/283 | 167/267 | 402/267 | 402/298 | 472/267 | 472/298 | 541/267 | 541/298 |\n"
            "| 12 | 387/327 | 387/311 | 387/295 | 248/328 | 275/328 | 180/328 | 207/328 | 318/328 | 345/328 |\n")
            .split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(table.size(), kSlipPresetCount);
    const auto offset = [](const QString& cell) {
        const QStringList xy = cell.section(' ', 0, 0).split('/');
        return BoxOffset{xy[0].toInt(), xy[1].toInt()};
    };
    for (const QString& line : table) {
        QStringList cells = line.split('|');
        for (QString& c : cells) c = c.trimmed();
        const int item = cells[1].toInt();
        const SlipGeometry& g = slipPresets()[std::size_t(item)].geometry;
        const int columns[kSlipBoxCount] = {2, 3, 5, 6, 7, 8, 9, 10};
        for (int box = 0; box < kSlipBoxCount; ++box)
            EXPECT_EQ(g.boxes[std::size_t(box)], offset(cells[columns[box]]))
                << item << " " << slipBoxName(box).toStdString();
        if (cells[4] == "(separate)")
            EXPECT_FALSE(g.bothDays.has_value()) << item;
        else
            EXPECT_EQ(g.bothDays, std::optional(offset(cells[4]))) << item;
        EXPECT_EQ(g.glueckOff, cells[9].endsWith("off")) << item;
    }
}

TEST(SlipCost, AsTheDialogShowsIt)
{
    SlipCostInput in{3, true, false, false, true, true, 0.50, 1.00};
    EXPECT_DOUBLE_EQ(dialogCost(in), 10.50);
    in = {2, true, true, false, true, false, 0.50, 1.00};
    EXPECT_DOUBLE_EQ(dialogCost(in), 5.75);
    in.saturday = false;
    EXPECT_DOUBLE_EQ(dialogCost(in), 0.0);
    EXPECT_DOUBLE_EQ(extraCost(2, 0.50), 5.00);
    EXPECT_DOUBLE_EQ(feeFromText("0,70", 0.5), 0.70);
    EXPECT_DOUBLE_EQ(feeFromText("abc", 0.5), 0.5);
    // Fees a double cannot hold exactly are taken to the nearest cent, not cut below it.
    EXPECT_DOUBLE_EQ(extraCost(0, feeFromText("1,15", 0.5)), 1.15);
    in = {1, false, false, false, true, true, 0.29, 0.57};
    EXPECT_DOUBLE_EQ(dialogCost(in), 2.07);
    EXPECT_EQ(countPlayedRows(rowsWith({{0, {"1"}}, {5, {"", "2"}}, {11, {"3"}}})), 2);
    EXPECT_EQ(defaultDrawDays(false, QDate(2026, 12, 10)), std::make_pair(false, true)); // Thursday
    EXPECT_EQ(defaultDrawDays(false, QDate(2026, 12, 11)), std::make_pair(true, false)); // Friday
    EXPECT_EQ(defaultDrawDays(true, QDate(2026, 12, 10)), std::make_pair(true, false));
}

TEST(TicketNumber, SearchNamesTheGameAndTheDate)
{
    test::ProgramDir dir;
    DrawRecord a = test::draw(QDate(1985, 10, 17), {1, 2, 3, 4, 5, 6});
    a.spiel77 = {1, 1, 1, 1, 1, 1, 1};
    a.super6 = {1, 1, 1, 1, 1, 1};
    DrawRecord b = test::draw(QDate(1985, 10, 19), {1, 2, 3, 4, 5, 6});
    b.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    DrawRecord c = test::draw(QDate(1985, 10, 24), {1, 2, 3, 4, 5, 6});
    c.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    c.super6 = {2, 3, 4, 5, 6, 7};
    dir.writeArchive({a, b, c});
    DrawArchive archive(dir.archivePath());
    TicketSearchResult r = searchTicketNumber(archive, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(r.message, "LosNr. wurde am 19.10.1985 im Spiel 77 gezogen");
    r = searchTicketNumber(archive, {9, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(r.message, "LosNr. wurde am 24.10.1985 bei der Super 6 gezogen");
    r = searchTicketNumber(archive, {9, 9, 9, 9, 9, 9, 9});
    EXPECT_EQ(r.message, "Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen");
    DrawArchive missing(dir.file("none.dat"));
    EXPECT_THROW(searchTicketNumber(missing, {0, 0, 0, 0, 0, 0, 0}), ArchiveError);

    int calls = 0;
    const TicketDigits d = newTicketNumber(5, [&](int n) {
        EXPECT_EQ(n, 10);
        return ++calls % 10;
    });
    EXPECT_EQ(ticketNumberText(d), "1234565");
}
