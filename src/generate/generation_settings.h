#pragma once
// Every setting the tip calculation reads, one typed getter each, named after its control. The
// calculation asks again each time it needs a value (the row tests on every candidate), so a change
// the user makes while it runs counts from the next candidate on. It changes four settings itself
// while it runs (forced pair, three limits) and puts them back at its end.
//
// Positions are those of the spin controls, always within their ranges; dates are day counts
// (days since 30.12.1899).
namespace razoz {

class GenerationSettings {
public:
    virtual ~GenerationSettings() = default;

    // Page "Statistisch": which numbers the pool prefers.
    virtual bool checkBox1() const = 0;  // prefer numbers of frequent consecutive pairs
    virtual bool checkBox11() const = 0; // prefer numbers of the rarest consecutive pairs
    virtual bool checkBox6() const = 0;  // prefer numbers of frequent consecutive triples
    virtual bool checkBox12() const = 0; // prefer numbers of the rarest consecutive triples
    virtual bool checkBox7() const = 0;  // prefer numbers of frequent consecutive quads
    virtual bool checkBox13() const = 0; // prefer numbers of the rarest consecutive quads
    virtual bool checkBox2() const = 0;  // prefer the most often drawn numbers
    virtual int upDown12() const = 0;    // share in percent for checkBox2 (5..75)
    virtual bool checkBox14() const = 0; // prefer the least often drawn numbers
    virtual int upDown14() const = 0;    // share in percent for checkBox14 (5..75)
    virtual bool checkBox10() const = 0; // prefer the longest overdue numbers
    virtual int upDown13() const = 0;    // share in percent for checkBox10 (5..75)
    virtual bool checkBox19() const = 0; // prefer the neighbours of the last draw's values
    virtual bool checkBox29() const = 0; // never use 1..12
    virtual bool checkBox30() const = 0; // one entry less for each of 1..31

    // Page "Allgemein".
    virtual int upDown7() const = 0;     // run budget in thousands (1..30000)
    virtual bool checkBox20() const = 0; // show the number list before drawing
    virtual bool checkBox15() const = 0; // draw only from the preferred numbers (no base block)

    // Page "Lottotipp".
    virtual int upDown8() const = 0;     // number of rows to compute (1..12)
    virtual bool checkBox16() const = 0; // "Samstag Ziehungen": Saturday (and Sunday) draws count
    virtual bool checkBox17() const = 0; // "Donnerstag Ziehungen": Thursday draws count

    // Dates of the evaluated range.
    virtual double dateTimePicker1() const = 0; // end date: the last draw taken into account
    virtual double dateTimePicker2() const = 0; // start date of the statistics and of checkBox9

    // Page "Mathematisch": rules every single row meets.
    virtual int upDown1() const = 0;     // lowest allowed sum (21..279)
    virtual int upDown2() const = 0;     // highest allowed sum (21..279)
    virtual bool checkBox22() const = 0; // demand a minimum number of primes
    virtual int upDown10() const = 0;    // minimum primes (0..6)
    virtual bool checkBox25() const = 0; // demand a minimum number of even numbers
    virtual int upDown15() const = 0;    // minimum even numbers (0..6)
    virtual bool checkBox26() const = 0; // demand a minimum number of odd numbers
    virtual int upDown16() const = 0;    // minimum odd numbers (0..6)
    virtual bool checkBox8() const = 0;  // every row holds two consecutive numbers
    virtual bool checkBox18() const = 0; // no row holds three consecutive numbers

    // Page "Schein Optimierung": rows of one slip against each other and against past draws.
    virtual bool checkBox24() const = 0; // some earlier row shares at least upDown9 numbers
    virtual int upDown9() const = 0;     // minimum overlap (0..5)
    virtual bool checkBox3() const = 0;  // some earlier row shares at most upDown3 numbers
    virtual int upDown3() const = 0;     // maximum overlap (0..5)
    virtual bool checkBox27() const = 0; // both overlap bounds hold for every earlier row
    virtual bool checkBox4() const = 0;  // limit the numbers shared with the last draw
    virtual int upDown4() const = 0;     // that limit (0..5; 0 removes them from the pool)
    virtual bool checkBox5() const = 0;  // limit the numbers shared with the second-last draw
    virtual int upDown5() const = 0;     // that limit (0..5; 0 removes them from the pool)
    virtual bool checkBox23() const = 0; // limit the numbers shared with the third-last draw
    virtual int upDown11() const = 0;    // that limit (0..5; 0 removes them from the pool)
    virtual bool checkBox35() const = 0; // the complementary number counts as a hit
    virtual bool checkBox9() const = 0;  // no draw since the start date gave upDown6 hits
    virtual int upDown6() const = 0;     // those hits (4..6)
    virtual bool checkBox28() const = 0; // fewer than upDown17 hits in the last upDown18 draws
    virtual int upDown17() const = 0;    // hits of the first window (2..6)
    virtual int upDown18() const = 0;    // draws of the first window (4..500)
    virtual bool checkBox34() const = 0; // fewer than upDown20 hits in the last upDown21 draws
    virtual int upDown20() const = 0;    // hits of the second window (2..6)
    virtual int upDown21() const = 0;    // draws of the second window (4..500)

    // The calculation moves the end date onto the draw it selects for it (the first on or after
    // it, else the latest), as selecting that draw moves the date picker; it stays there.
    virtual void setDateTimePicker1(double date) = 0;

    // The four settings the calculation loosens while it runs and restores at its end; each shows
    // at once where the user sees it.
    virtual void setCheckBox8(bool checked) = 0;
    virtual void setUpDown4(int position) = 0;
    virtual void setUpDown5(int position) = 0;
    virtual void setUpDown6(int position) = 0;
};

} // namespace razoz
