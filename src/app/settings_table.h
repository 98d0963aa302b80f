#pragma once
// Every setting of the program in one table: the name code uses for it, the name it is stored
// under, its type, the start-up group it is read in, how it reaches its control, the window and
// control it belongs to, its default, its range and its place in the shut-down write order.
// Key constants, the schema, the defaults, the ranges and the write order all come from here.
//
// Columns: X(code name, stored name, type, read group, binding, window, control, default,
//            minimum, maximum, write position)
// - default: kNoDefault when the design value of the control (or nothing) decides;
// - minimum/maximum: the spin range, both 0 for none;
// - write position: 1.. in shut-down order; 0 for a value the program holds but never stores.
//
// The money of "Gewinnklassen" (read with the fees): the stake per row and draw in cents, and the
// prizes of the tiers as cents in digits, "" while unknown (a top prize can exceed the 32 bits of
// an Int setting).
//
// Table order is the start-up reading order within each group. Rows never change their stored
// name: a settings file of any earlier version must keep loading.
// clang-format off
#define RAZOZ_SETTINGS_TABLE(X) \
    X(PreferFrequentPairs, "Chekcbox1", Bool, CheckBoxes, Control, Form1, "CheckBox1", false, 0, 0, 3) \
    X(PreferMostDrawn, "Chekcbox2", Bool, CheckBoxes, Control, Form1, "CheckBox2", false, 0, 0, 4) \
    X(DemandMaxOverlap, "Chekcbox3", Bool, CheckBoxes, Control, Form1, "CheckBox3", true, 0, 0, 5) \
    X(LimitSharedWithLastDraw, "Chekcbox4", Bool, CheckBoxes, Control, Form1, "CheckBox4", true, 0, 0, 6) \
    X(LimitSharedWithSecondLastDraw, "Chekcbox5", Bool, CheckBoxes, Control, Form1, "CheckBox5", true, 0, 0, 7) \
    X(PreferFrequentTriples, "Chekcbox6", Bool, CheckBoxes, Control, Form1, "CheckBox6", false, 0, 0, 8) \
    X(PreferFrequentQuads, "Chekcbox7", Bool, CheckBoxes, Control, Form1, "CheckBox7", false, 0, 0, 9) \
    X(DemandConsecutivePair, "Chekcbox8", Bool, CheckBoxes, Control, Form1, "CheckBox8", false, 0, 0, 10) \
    X(AvoidPastDrawHits, "Chekcbox9", Bool, CheckBoxes, Control, Form1, "CheckBox9", true, 0, 0, 11) \
    X(PreferOverdue, "Chekcbox10", Bool, CheckBoxes, Control, Form1, "CheckBox10", true, 0, 0, 12) \
    X(PreferRarestPairs, "Chekcbox11", Bool, CheckBoxes, Control, Form1, "CheckBox11", false, 0, 0, 13) \
    X(PreferRarestTriples, "Chekcbox12", Bool, CheckBoxes, Control, Form1, "CheckBox12", false, 0, 0, 14) \
    X(PreferRarestQuads, "Chekcbox13", Bool, CheckBoxes, Control, Form1, "CheckBox13", false, 0, 0, 15) \
    X(PreferLeastDrawn, "Chekcbox14", Bool, CheckBoxes, Control, Form1, "CheckBox14", true, 0, 0, 16) \
    X(DrawOnlyPreferred, "Chekcbox15", Bool, CheckBoxes, Control, Form1, "CheckBox15", false, 0, 0, 17) \
    X(CountSaturdayDraws, "Chekcbox16", Bool, CheckBoxes, Control, Form1, "CheckBox16", true, 0, 0, 18) \
    X(CountThursdayDraws, "Chekcbox17", Bool, CheckBoxes, Control, Form1, "CheckBox17", true, 0, 0, 19) \
    X(ForbidConsecutiveTriple, "Chekcbox18", Bool, CheckBoxes, Control, Form1, "CheckBox18", true, 0, 0, 20) \
    X(PreferLastDrawNeighbours, "Chekcbox19", Bool, CheckBoxes, Control, Form1, "CheckBox19", false, 0, 0, 21) \
    X(ShowNumberListFirst, "Chekcbox20", Bool, CheckBoxes, Control, Form1, "CheckBox20", false, 0, 0, 22) \
    X(DemandMinPrimes, "Chekcbox22", Bool, CheckBoxes, Control, Form1, "CheckBox22", false, 0, 0, 23) \
    X(LimitSharedWithThirdLastDraw, "Chekcbox23", Bool, CheckBoxes, Control, Form1, "CheckBox23", true, 0, 0, 24) \
    X(DemandMinOverlap, "Chekcbox24", Bool, CheckBoxes, Control, Form1, "CheckBox24", true, 0, 0, 25) \
    X(DemandMinEven, "Chekcbox25", Bool, CheckBoxes, Control, Form1, "CheckBox25", false, 0, 0, 26) \
    X(DemandMinOdd, "Chekcbox26", Bool, CheckBoxes, Control, Form1, "CheckBox26", false, 0, 0, 27) \
    X(OverlapBoundsForEveryRow, "Chekcbox27", Bool, CheckBoxes, Control, Form1, "CheckBox27", false, 0, 0, 28) \
    X(LimitFirstWindowHits, "Chekcbox28", Bool, CheckBoxes, Control, Form1, "CheckBox28", true, 0, 0, 29) \
    X(AvoidOneToTwelve, "Chekcbox29", Bool, CheckBoxes, Control, Form1, "CheckBox29", false, 0, 0, 30) \
    X(LessWeightUpToThirtyOne, "Chekcbox30", Bool, CheckBoxes, Control, Form1, "CheckBox30", false, 0, 0, 31) \
    X(RecomputeOnlyAfterThree, "Chekcbox31", Bool, CheckBoxes, Control, Form1, "CheckBox31", false, 0, 0, 32) \
    X(PlaysSaturdayOnly, "Chekcbox32", Bool, CheckBoxes, Control, Form1, "CheckBox32", false, 0, 0, 33) \
    X(LimitSecondWindowHits, "Chekcbox34", Bool, CheckBoxes, Control, Form1, "CheckBox34", true, 0, 0, 34) \
    X(ComplementaryCountsAsHit, "Chekcbox35", Bool, CheckBoxes, Control, Form1, "CheckBox35", true, 0, 0, 35) \
    X(PlaysSpiel77, "Spiel77Ja", Int, CheckBoxes, Field, Form1, "", 0, 0, 0, 147) \
    X(PlaysSuper6, "Super6Ja", Int, CheckBoxes, Field, Form1, "", 0, 0, 0, 148) \
    X(PlaysGluecksspirale, "GlueckJa", Int, CheckBoxes, Field, Form1, "", 0, 0, 0, 149) \
    X(State, "Land", Int, CheckBoxes, Field, Form1, "", 1, 0, 0, 146) \
    X(WindowHeight, "height", Int, CheckBoxes, WindowHeight, Form1, "", kNoDefault, 0, 0, 36) \
    X(WindowWidth, "width", Int, CheckBoxes, WindowWidth, Form1, "", kNoDefault, 0, 0, 37) \
    X(PrintOffsetTop, "TippTop", Int, CheckBoxes, Field, Form1, "", firstPreset().tippTop, 0, 0, 39) \
    X(PrintOffsetLeft, "TippLeft", Int, CheckBoxes, Field, Form1, "", firstPreset().tippLeft, 0, 0, 40) \
    X(SlipPreset, "NeuerSchein", Int, CheckBoxes, Field, Form1, "", 0, 0, 0, 1) \
    X(Language, "Sprache", Int, Parameters, Field, Form1, "", 0, 0, 0, 38) \
    X(LowestSum, "UpDown1", Int, Parameters, Control, Form1, "UpDown1", 50, 21, 279, 41) \
    X(HighestSum, "UpDown2", Int, Parameters, Control, Form1, "UpDown2", 250, 21, 279, 42) \
    X(MaxOverlap, "UpDown3", Int, Parameters, Control, Form1, "UpDown3", 2, 0, 5, 43) \
    X(SharedWithLastDrawLimit, "UpDown4", Int, Parameters, Control, Form1, "UpDown4", 0, 0, 5, 44) \
    X(SharedWithSecondLastDrawLimit, "UpDown5", Int, Parameters, Control, Form1, "UpDown5", 1, 0, 5, 45) \
    X(PastDrawHits, "UpDown6", Int, Parameters, Control, Form1, "UpDown6", 5, 4, 6, 46) \
    X(RunBudgetThousands, "UpDown7", Int, Parameters, Control, Form1, "UpDown7", 50, 1, 30000, 47) \
    X(RowsToCompute, "UpDown8", Int, Parameters, Control, Form1, "UpDown8", 8, 1, 12, 48) \
    X(MinOverlap, "UpDown9", Int, Parameters, Control, Form1, "UpDown9", 0, 0, 5, 49) \
    X(MinPrimes, "UpDown10", Int, Parameters, Control, Form1, "UpDown10", 2, 0, 6, 50) \
    X(SharedWithThirdLastDrawLimit, "UpDown11", Int, Parameters, Control, Form1, "UpDown11", 2, 0, 5, 51) \
    X(MostDrawnSharePercent, "UpDown12", Int, Parameters, Control, Form1, "UpDown12", 30, 5, 75, 52) \
    X(OverdueSharePercent, "UpDown13", Int, Parameters, Control, Form1, "UpDown13", 30, 5, 75, 53) \
    X(LeastDrawnSharePercent, "UpDown14", Int, Parameters, Control, Form1, "UpDown14", 20, 5, 75, 54) \
    X(MinEven, "UpDown15", Int, Parameters, Control, Form1, "UpDown15", 2, 0, 6, 55) \
    X(MinOdd, "UpDown16", Int, Parameters, Control, Form1, "UpDown16", 2, 0, 6, 56) \
    X(FirstWindowHits, "UpDown17", Int, Parameters, Control, Form1, "UpDown17", 3, 2, 6, 57) \
    X(FirstWindowDraws, "UpDown18", Int, Parameters, Control, Form1, "UpDown18", 10, 4, 500, 58) \
    X(SecondWindowHits, "UpDown20", Int, Parameters, Control, Form1, "UpDown20", 4, 2, 6, 59) \
    X(SecondWindowDraws, "UpDown21", Int, Parameters, Control, Form1, "UpDown21", 100, 4, 500, 60) \
    X(TipRow1Box1, "Edit1", String, Parameters, Control, Form1, "Edit1", "", 0, 0, 61) \
    X(TipRow1Box2, "Edit2", String, Parameters, Control, Form1, "Edit2", "", 0, 0, 62) \
    X(TipRow1Box3, "Edit3", String, Parameters, Control, Form1, "Edit3", "", 0, 0, 63) \
    X(TipRow1Box4, "Edit4", String, Parameters, Control, Form1, "Edit4", "", 0, 0, 64) \
    X(TipRow1Box5, "Edit5", String, Parameters, Control, Form1, "Edit5", "", 0, 0, 65) \
    X(TipRow1Box6, "Edit6", String, Parameters, Control, Form1, "Edit6", "", 0, 0, 66) \
    X(TipRow2Box1, "Edit7", String, Parameters, Control, Form1, "Edit7", "", 0, 0, 67) \
    X(TipRow2Box2, "Edit8", String, Parameters, Control, Form1, "Edit8", "", 0, 0, 68) \
    X(TipRow2Box3, "Edit9", String, Parameters, Control, Form1, "Edit9", "", 0, 0, 69) \
    X(TipRow2Box4, "Edit10", String, Parameters, Control, Form1, "Edit10", "", 0, 0, 70) \
    X(TipRow2Box5, "Edit11", String, Parameters, Control, Form1, "Edit11", "", 0, 0, 71) \
    X(TipRow2Box6, "Edit12", String, Parameters, Control, Form1, "Edit12", "", 0, 0, 72) \
    X(TipRow3Box1, "Edit13", String, Parameters, Control, Form1, "Edit13", "", 0, 0, 73) \
    X(TipRow3Box2, "Edit14", String, Parameters, Control, Form1, "Edit14", "", 0, 0, 74) \
    X(TipRow3Box3, "Edit15", String, Parameters, Control, Form1, "Edit15", "", 0, 0, 75) \
    X(TipRow3Box4, "Edit16", String, Parameters, Control, Form1, "Edit16", "", 0, 0, 76) \
    X(TipRow3Box5, "Edit17", String, Parameters, Control, Form1, "Edit17", "", 0, 0, 77) \
    X(TipRow3Box6, "Edit18", String, Parameters, Control, Form1, "Edit18", "", 0, 0, 78) \
    X(TipRow4Box1, "Edit19", String, Parameters, Control, Form1, "Edit19", "", 0, 0, 79) \
    X(TipRow4Box2, "Edit20", String, Parameters, Control, Form1, "Edit20", "", 0, 0, 80) \
    X(TipRow4Box3, "Edit21", String, Parameters, Control, Form1, "Edit21", "", 0, 0, 81) \
    X(TipRow4Box4, "Edit22", String, Parameters, Control, Form1, "Edit22", "", 0, 0, 82) \
    X(TipRow4Box5, "Edit23", String, Parameters, Control, Form1, "Edit23", "", 0, 0, 83) \
    X(TipRow4Box6, "Edit24", String, Parameters, Control, Form1, "Edit24", "", 0, 0, 84) \
    X(TipRow5Box1, "Edit25", String, Parameters, Control, Form1, "Edit25", "", 0, 0, 85) \
    X(TipRow5Box2, "Edit26", String, Parameters, Control, Form1, "Edit26", "", 0, 0, 86) \
    X(TipRow5Box3, "Edit27", String, Parameters, Control, Form1, "Edit27", "", 0, 0, 87) \
    X(TipRow5Box4, "Edit28", String, Parameters, Control, Form1, "Edit28", "", 0, 0, 88) \
    X(TipRow5Box5, "Edit29", String, Parameters, Control, Form1, "Edit29", "", 0, 0, 89) \
    X(TipRow5Box6, "Edit30", String, Parameters, Control, Form1, "Edit30", "", 0, 0, 90) \
    X(TipRow6Box1, "Edit31", String, Parameters, Control, Form1, "Edit31", "", 0, 0, 91) \
    X(TipRow6Box2, "Edit32", String, Parameters, Control, Form1, "Edit32", "", 0, 0, 92) \
    X(TipRow6Box3, "Edit33", String, Parameters, Control, Form1, "Edit33", "", 0, 0, 93) \
    X(TipRow6Box4, "Edit34", String, Parameters, Control, Form1, "Edit34", "", 0, 0, 94) \
    X(TipRow6Box5, "Edit35", String, Parameters, Control, Form1, "Edit35", "", 0, 0, 95) \
    X(TipRow6Box6, "Edit36", String, Parameters, Control, Form1, "Edit36", "", 0, 0, 96) \
    X(TipRow7Box1, "Edit43", String, Parameters, Control, Form1, "Edit43", "", 0, 0, 97) \
    X(TipRow7Box2, "Edit44", String, Parameters, Control, Form1, "Edit44", "", 0, 0, 98) \
    X(TipRow7Box3, "Edit45", String, Parameters, Control, Form1, "Edit45", "", 0, 0, 99) \
    X(TipRow7Box4, "Edit46", String, Parameters, Control, Form1, "Edit46", "", 0, 0, 100) \
    X(TipRow7Box5, "Edit47", String, Parameters, Control, Form1, "Edit47", "", 0, 0, 101) \
    X(TipRow7Box6, "Edit48", String, Parameters, Control, Form1, "Edit48", "", 0, 0, 102) \
    X(TipRow8Box1, "Edit49", String, Parameters, Control, Form1, "Edit49", "", 0, 0, 103) \
    X(TipRow8Box2, "Edit50", String, Parameters, Control, Form1, "Edit50", "", 0, 0, 104) \
    X(TipRow8Box3, "Edit51", String, Parameters, Control, Form1, "Edit51", "", 0, 0, 105) \
    X(TipRow8Box4, "Edit52", String, Parameters, Control, Form1, "Edit52", "", 0, 0, 106) \
    X(TipRow8Box5, "Edit53", String, Parameters, Control, Form1, "Edit53", "", 0, 0, 107) \
    X(TipRow8Box6, "Edit54", String, Parameters, Control, Form1, "Edit54", "", 0, 0, 108) \
    X(TipRow9Box1, "Edit56", String, Parameters, Control, Form1, "Edit56", "", 0, 0, 109) \
    X(TipRow9Box2, "Edit57", String, Parameters, Control, Form1, "Edit57", "", 0, 0, 110) \
    X(TipRow9Box3, "Edit58", String, Parameters, Control, Form1, "Edit58", "", 0, 0, 111) \
    X(TipRow9Box4, "Edit59", String, Parameters, Control, Form1, "Edit59", "", 0, 0, 112) \
    X(TipRow9Box5, "Edit60", String, Parameters, Control, Form1, "Edit60", "", 0, 0, 113) \
    X(TipRow9Box6, "Edit61", String, Parameters, Control, Form1, "Edit61", "", 0, 0, 114) \
    X(TipRow10Box1, "Edit62", String, Parameters, Control, Form1, "Edit62", "", 0, 0, 115) \
    X(TipRow10Box2, "Edit63", String, Parameters, Control, Form1, "Edit63", "", 0, 0, 116) \
    X(TipRow10Box3, "Edit64", String, Parameters, Control, Form1, "Edit64", "", 0, 0, 117) \
    X(TipRow10Box4, "Edit65", String, Parameters, Control, Form1, "Edit65", "", 0, 0, 118) \
    X(TipRow10Box5, "Edit66", String, Parameters, Control, Form1, "Edit66", "", 0, 0, 119) \
    X(TipRow10Box6, "Edit67", String, Parameters, Control, Form1, "Edit67", "", 0, 0, 120) \
    X(TipRow11Box1, "Edit68", String, Parameters, Control, Form1, "Edit68", "", 0, 0, 121) \
    X(TipRow11Box2, "Edit69", String, Parameters, Control, Form1, "Edit69", "", 0, 0, 122) \
    X(TipRow11Box3, "Edit70", String, Parameters, Control, Form1, "Edit70", "", 0, 0, 123) \
    X(TipRow11Box4, "Edit71", String, Parameters, Control, Form1, "Edit71", "", 0, 0, 124) \
    X(TipRow11Box5, "Edit72", String, Parameters, Control, Form1, "Edit72", "", 0, 0, 125) \
    X(TipRow11Box6, "Edit73", String, Parameters, Control, Form1, "Edit73", "", 0, 0, 126) \
    X(TipRow12Box1, "Edit74", String, Parameters, Control, Form1, "Edit74", "", 0, 0, 127) \
    X(TipRow12Box2, "Edit75", String, Parameters, Control, Form1, "Edit75", "", 0, 0, 128) \
    X(TipRow12Box3, "Edit76", String, Parameters, Control, Form1, "Edit76", "", 0, 0, 129) \
    X(TipRow12Box4, "Edit77", String, Parameters, Control, Form1, "Edit77", "", 0, 0, 130) \
    X(TipRow12Box5, "Edit78", String, Parameters, Control, Form1, "Edit78", "", 0, 0, 131) \
    X(TipRow12Box6, "Edit79", String, Parameters, Control, Form1, "Edit79", "", 0, 0, 132) \
    X(TicketNumber, "Losnummer", String, Losnummer, Field, Form1, "", "", 0, 0, 2) \
    X(SlipFieldHeight, "Edit1F8", String, Positioning, Control, Form8, "Edit1", kNoDefault, 0, 0, 150) \
    X(SlipFieldWidth, "Edit2F8", String, Positioning, Control, Form8, "Edit2", kNoDefault, 0, 0, 151) \
    X(SlipLeftCorrection, "Edit3F8", String, Positioning, Control, Form8, "Edit3", kNoDefault, 0, 0, 152) \
    X(SlipSecondRowCorrection, "Edit4F8", String, Positioning, Control, Form8, "Edit4", kNoDefault, 0, 0, 153) \
    X(SlipSpiel77YesTop, "Edit5F8", String, Positioning, Control, Form8, "Edit5", kNoDefault, 0, 0, 154) \
    X(SlipSpiel77YesLeft, "Edit6F8", String, Positioning, Control, Form8, "Edit6", kNoDefault, 0, 0, 155) \
    X(SlipSpiel77NoTop, "Edit7F8", String, Positioning, Control, Form8, "Edit7", kNoDefault, 0, 0, 156) \
    X(SlipSpiel77NoLeft, "Edit8F8", String, Positioning, Control, Form8, "Edit8", kNoDefault, 0, 0, 157) \
    X(SlipSuper6YesTop, "Edit9F8", String, Positioning, Control, Form8, "Edit9", kNoDefault, 0, 0, 158) \
    X(SlipSuper6YesLeft, "Edit10F8", String, Positioning, Control, Form8, "Edit10", kNoDefault, 0, 0, 159) \
    X(SlipSuper6NoLeft, "Edit11F8", String, Positioning, Control, Form8, "Edit11", kNoDefault, 0, 0, 160) \
    X(SlipSuper6NoTop, "Edit12F8", String, Positioning, Control, Form8, "Edit12", kNoDefault, 0, 0, 161) \
    X(SlipWednesdayTop, "Edit13F8", String, Positioning, Control, Form8, "Edit13", kNoDefault, 0, 0, 162) \
    X(SlipPictureFile, "Edit14F8", String, Positioning, Control, Form8, "Edit14", kNoDefault, 0, 0, 163) \
    X(SlipWednesdayLeft, "Edit15F8", String, Positioning, Control, Form8, "Edit15", kNoDefault, 0, 0, 164) \
    X(SlipGluecksspiraleYesTop, "Edit16F8", String, Positioning, Control, Form8, "Edit16", kNoDefault, 0, 0, 165) \
    X(SlipSaturdayTop, "Edit17F8", String, Positioning, Control, Form8, "Edit17", kNoDefault, 0, 0, 166) \
    X(SlipGluecksspiraleYesLeft, "Edit18F8", String, Positioning, Control, Form8, "Edit18", kNoDefault, 0, 0, 167) \
    X(SlipSaturdayLeft, "Edit19F8", String, Positioning, Control, Form8, "Edit19", kNoDefault, 0, 0, 168) \
    X(SlipGluecksspiraleNoLeft, "Edit20F8", String, Positioning, Control, Form8, "Edit20", kNoDefault, 0, 0, 169) \
    X(SlipBothDaysTop, "Edit21F8", String, Positioning, Control, Form8, "Edit21", kNoDefault, 0, 0, 170) \
    X(SlipGluecksspiraleNoTop, "Edit22F8", String, Positioning, Control, Form8, "Edit22", kNoDefault, 0, 0, 171) \
    X(SlipBothDaysLeft, "Edit23F8", String, Positioning, Control, Form8, "Edit23", kNoDefault, 0, 0, 172) \
    X(SlipPositioningLayout, "RadioF8", Int, Positioning, Control, Form8, "RadioGroup1", kNoDefault, 0, 0, 173) \
    X(PrintFontStyle, "DruckSchrift", Byte, PrintFont, FontStyle, Form5, "SpeedButton1", kNoDefault, 0, 0, 174) \
    X(PrintFontColor, "DruckFontColor", Int, PrintFont, FontColor, Form5, "SpeedButton1", kNoDefault, 0, 0, 175) \
    X(PrintFontSize, "DruckFontSize", Int, PrintFont, FontSize, Form5, "SpeedButton1", kNoDefault, 0, 0, 176) \
    X(PrintFontName, "DruckFontName", String, PrintFont, FontName, Form5, "SpeedButton1", kNoDefault, 0, 0, 177) \
    X(PrintPaper, "DruckPapier", Int, PrintFont, Control, Form5, "ComboBox1", kNoDefault, 0, 0, 179) \
    X(SubmissionMode, "TippAbgabe", Int, PrintFont, Control, Form5, "RadioGroup2", kNoDefault, 0, 0, 178) \
    X(FeeOneDraw, "ZWEIPREIS", String, Fees, Control, Form1, "Edit81", "0,50", 0, 0, 133) \
    X(FeeBothDraws, "EINPREIS", String, Fees, Control, Form1, "Edit82", "1,00", 0, 0, 134) \
    X(ShowLinkPage, "Browser", Bool, Browser, Control, Form1, "CheckBox21", false, 0, 0, 135) \
    X(StartPageUrl, "URLEdit", String, Internet, Control, Form1, "URLEdit", "http://www.tallwick.example/razoz/start.htm", 0, 0, 136) \
    X(ProxyHost, "ProxyHostEdit", String, Internet, Control, Form1, "ProxyHostEdit", "", 0, 0, 137) \
    X(ProxyPort, "ProxyPortEdit", String, Internet, Control, Form1, "ProxyPortEdit", "80", 0, 0, 138) \
    X(ResultsServerUrl, "ServerURL", String, Internet, Control, Form1, "ServerURLEdit", "http://127.0.0.1:8049", 0, 0, 139) \
    X(WebServiceUrl, "ServiceURL", String, Internet, Control, Form1, "ServiceURLEdit", "http://127.0.0.1:8049", 0, 0, 140) \
    X(PortalUrl, "PortalURL", String, Internet, Control, Form1, "PortalURLEdit", "https://www.tipp24.example", 0, 0, 141) \
    X(WebSiteUrl, "WebSiteURL", String, Internet, Control, Form1, "WebSiteURLEdit", "http://www.tallwick.example/razoz/", 0, 0, 142) \
    X(PartnerReference, "PartnerRef", String, Internet, Control, Form1, "PartnerRefEdit", "4711", 0, 0, 143) \
    X(RobotDownloadUrl, "RobotURL", String, Internet, Control, Form1, "RobotURLEdit", "http://www.tallwick.example/klickwerk/", 0, 0, 144) \
    X(RangeStartDate, "DateTimePicker2", Date, StartDate, Control, Form1, "DateTimePicker2", kDesignStartDay, 0, 0, 145) \
    X(RangeEndDate, "DateTimePicker1", Date, NotStored, Field, Form1, "", kNoDefault, 0, 0, 0) \
    X(StakePerRow, "EinsatzProTipp", Int, Fees, Field, Form1, "", kRowPriceCents, 0, 0, 180) \
    X(PrizeSixPlusR, "Gewinn6R", String, Fees, Field, Form1, "", "", 0, 0, 181) \
    X(PrizeSix, "Gewinn6", String, Fees, Field, Form1, "", "", 0, 0, 182) \
    X(PrizeFivePlusC, "Gewinn5C", String, Fees, Field, Form1, "", "", 0, 0, 183) \
    X(PrizeFive, "Gewinn5", String, Fees, Field, Form1, "", "", 0, 0, 184) \
    X(PrizeFour, "Gewinn4", String, Fees, Field, Form1, "", "", 0, 0, 185) \
    X(PrizeThree, "Gewinn3", String, Fees, Field, Form1, "", "", 0, 0, 186)

// clang-format on
