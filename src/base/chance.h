#pragma once
// Counting and chance: exact combinations and fractions for everything that is a count of rows,
// and the upper tails that say how surprising an observed count is against the count expected.
#include <cstdint>

namespace razoz {

// n choose k, exact; 0 for k < 0 or k > n. Throws std::overflow_error beyond 64 bits.
std::int64_t combinations(int n, int k);

// An exact non-negative fraction, always in lowest terms. Throws std::overflow_error when a result
// leaves 64 bits and std::invalid_argument for a zero or negative denominator.
class Fraction {
public:
    Fraction() = default;
    Fraction(std::int64_t numerator, std::int64_t denominator = 1);

    std::int64_t numerator() const { return num_; }
    std::int64_t denominator() const { return den_; }
    long double value() const { return static_cast<long double>(num_) / static_cast<long double>(den_); }

    Fraction operator+(const Fraction& o) const;
    Fraction operator*(const Fraction& o) const;
    Fraction& operator+=(const Fraction& o) { return *this = *this + o; }
    friend bool operator==(const Fraction&, const Fraction&) = default;

private:
    std::int64_t num_ = 0;
    std::int64_t den_ = 1;
};

// P(X ≥ k) for X binomial with n trials of chance p.
long double binomialUpperTail(std::int64_t n, long double p, std::int64_t k);
// P(A + B ≥ k) for independent binomial A (n1, p1) and B (n2, p2): draws of two kinds in one count.
long double binomialSumUpperTail(std::int64_t n1, long double p1, std::int64_t n2, long double p2, std::int64_t k);
// P(X ≥ k) for X Poisson with the given mean.
long double poissonUpperTail(long double mean, std::int64_t k);
// P(X ≥ x) for X chi-square with `degrees` degrees of freedom (the regularized upper gamma).
long double chiSquareUpperTail(long double x, int degrees);

} // namespace razoz
