// The portal order address: its pieces in order, both forms, the length limit and which
// addresses may be handed to the browser.
#include "online/order_url.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace razoz;

namespace {

TipRows fullRows()
{
    TipRows rows;
    for (int j = 0; j < kTipRows; ++j)
        for (int i = 0; i < kTipColumns; ++i) rows[j][i] = QString::number(j * 4 + i + 1);
    return rows;
}

OrderRequest request(int rowCount, TipRows rows = fullRows())
{
    OrderRequest r;
    r.rows = rows;
    r.rowCount = rowCount;
    r.serviceBase = QStringLiteral("https://www.tipp24.example/order?");
    r.portalAddress = QStringLiteral("https://www.tipp24.example");
    r.partnerRef = QStringLiteral("4711");
    r.choices.losnummer = QStringLiteral("1234567");
    return r;
}

} // namespace

TEST(OrderUrl, OneRowGivesEveryPieceInOrder)
{
    OrderRequest r = request(1);
    r.choices.spiel77 = true;
    r.choices.saturday = true;
    EXPECT_EQ(buildOrderUrl(r).toStdString(),
              "https://www.tipp24.example/order?Tippreihe1_Zahl1=1&Tippreihe1_Zahl2=2&Tippreihe1_Zahl3=3"
              "&Tippreihe1_Zahl4=4&Tippreihe1_Zahl5=5&Tippreihe1_Zahl6=6&Spiel77=tipp24on&Super6=tipp24off"
              "&gluecksspirale=tipp24off&Losnummer=1234567&Abo=tipp24off&Teilnahme=samstag"
              "&laufzeitBezeichnung=Laufzeit&Laufzeit=1&command=abgeben&ref=4711");
}

TEST(OrderUrl, OnlyTheFirstRRowsAreSentAndEmptyRowsUpToRStay)
{
    const QString three = buildOrderUrl(request(3));
    EXPECT_TRUE(three.contains("&Tippreihe3_Zahl6=14&Spiel77="));
    EXPECT_FALSE(three.contains("Tippreihe4_"));

    TipRows two;
    two[0] = {"1", "2", "3", "4", "5", "6"};
    two[1] = {"7", "8", "9", "10", "11", "12"};
    const QString eight = buildOrderUrl(request(8, two));
    EXPECT_TRUE(eight.contains("&Tippreihe2_Zahl6=12&Tippreihe3_Zahl1=&Tippreihe3_Zahl2=&"));
    EXPECT_TRUE(eight.contains("&Tippreihe10_Zahl1=") == false);
    EXPECT_TRUE(eight.contains("&Tippreihe8_Zahl6=&Spiel77=tipp24off"));
    // Row 10 has a two-digit key without leading zeros.
    EXPECT_TRUE(buildOrderUrl(request(12)).contains("&Tippreihe10_Zahl3=39&"));
    EXPECT_EQ(buildOrderUrl(request(12)).count("Tippreihe"), 72);
}

struct DrawDayCase {
    bool saturday, wednesday;
    const char* piece; // what follows "&Abo=tipp24off"
};

class OrderUrlDrawDays : public ::testing::TestWithParam<DrawDayCase> {};

TEST_P(OrderUrlDrawDays, TeilnahmeFollowsTheDrawDaysAndTheRunningTimeIsAlwaysSent)
{
    OrderRequest r = request(1);
    r.choices.saturday = GetParam().saturday;
    r.choices.wednesday = GetParam().wednesday;
    const QString url = buildOrderUrl(r);
    EXPECT_TRUE(url.contains(QStringLiteral("&Abo=tipp24off") + GetParam().piece +
                             "&laufzeitBezeichnung=Laufzeit&Laufzeit=1&command=abgeben"))
        << url.toStdString();
    EXPECT_EQ(url.count("Teilnahme"), QString(GetParam().piece).isEmpty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(OrderUrl, OrderUrlDrawDays,
                         ::testing::Values(DrawDayCase{true, true, "&Teilnahme=kombi"},
                                           DrawDayCase{true, false, "&Teilnahme=samstag"},
                                           DrawDayCase{false, true, "&Teilnahme=mittwoch"},
                                           DrawDayCase{false, false, ""}));

TEST(OrderUrl, AddOnGamesAreOnOrOff)
{
    OrderRequest r = request(1);
    r.choices.super6 = true;
    const QString url = buildOrderUrl(r);
    EXPECT_TRUE(url.contains("&Spiel77=tipp24off&Super6=tipp24on&gluecksspirale=tipp24off&Losnummer=1234567&"));
}

TEST(OrderUrl, ExtraUsesThePortalAddressAndTheShortKeys)
{
    OrderRequest r = request(2);
    r.serviceBase = QStringLiteral("ignored?");
    r.portalAddress = QStringLiteral("https://www.tipp24.example/");
    r.choices.extra = true;
    r.choices.spiel77 = r.choices.saturday = true; // no pieces of the other form
    EXPECT_EQ(buildOrderUrl(r).toStdString(),
              "https://www.tipp24.example/app/extralotto/html/index.html?el1_1=1&el1_2=2&el1_3=3&el1_4=4&el1_5=5"
              "&el1_6=6&el2_1=5&el2_2=6&el2_3=7&el2_4=8&el2_5=9&el2_6=10&ticketnumber=1234567"
              "&drawingid=EXTRALOTTO-VP-1&command=abgeben&ref=4711");
}

TEST(OrderUrl, AnAddressOverTheLimitIsRefusedOneAtTheLimitIsNot)
{
    OrderRequest r = request(12);
    const int rest = buildOrderUrl(r).size() - r.serviceBase.size();
    r.serviceBase = "https://x.example/?" + QString(kMaxOrderUrlLength - rest - 19, QLatin1Char('a'));
    EXPECT_EQ(buildOrderUrl(r).size(), kMaxOrderUrlLength);
    r.serviceBase += QLatin1Char('a');
    EXPECT_THROW(buildOrderUrl(r), OnlineError);
}

struct AddressCase {
    const char* address;
    bool web;
};

void PrintTo(const AddressCase& c, std::ostream* os)
{
    *os << '"' << c.address << '"';
}

class WebAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(WebAddress, OnlyHttpAndHttpsWithAHostMayBeOpened)
{
    EXPECT_EQ(isWebAddress(GetParam().address), GetParam().web);
    if (GetParam().web)
        EXPECT_NO_THROW(requireWebAddress(GetParam().address));
    else
        EXPECT_THROW(requireWebAddress(GetParam().address), OnlineError);
}

INSTANTIATE_TEST_SUITE_P(
    OrderUrl, WebAddress,
    ::testing::Values(AddressCase{"https://www.tipp24.example/order?a=1", true},
                      AddressCase{"http://127.0.0.1:8049/x?Tippreihe1_Zahl1=", true},
                      AddressCase{"HTTPS://WWW.TIPP24.EXAMPLE/", true}, AddressCase{"file:///etc/passwd", false},
                      AddressCase{"file:///etc/passwdTippreihe1_Zahl1=3&x", false},
                      AddressCase{"javascript:alert(1)//", false}, AddressCase{"/usr/bin/xterm", false},
                      AddressCase{"C:\\Windows\\system32\\calc.exe", false}, AddressCase{"mailto:a@b.example", false},
                      AddressCase{"http://", false}, AddressCase{"", false}));
