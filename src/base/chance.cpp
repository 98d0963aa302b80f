#include "base/chance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <stdexcept>

namespace razoz {

namespace {

using Wide = __int128;

std::int64_t narrow(Wide v)
{
    if (v > std::numeric_limits<std::int64_t>::max() || v < std::numeric_limits<std::int64_t>::min())
        throw std::overflow_error("count beyond 64 bits");
    return static_cast<std::int64_t>(v);
}

Wide gcdWide(Wide a, Wide b)
{
    if (a < 0) a = -a;
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

Fraction reduced(Wide num, Wide den)
{
    const Wide g = gcdWide(num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
    return Fraction(narrow(num), narrow(den));
}

// A term this much smaller than the sum so far changes no digit of a long double.
constexpr long double kNegligible = 1e-22L;

long double logBinomialPmf(std::int64_t n, long double p, std::int64_t x)
{
    const auto nl = static_cast<long double>(n), xl = static_cast<long double>(x);
    return std::lgamma(nl + 1) - std::lgamma(xl + 1) - std::lgamma(nl - xl + 1) + xl * std::log(p) +
           (nl - xl) * std::log1p(-p);
}

long double logPoissonPmf(long double mean, std::int64_t x)
{
    const auto xl = static_cast<long double>(x);
    return -mean + xl * std::log(mean) - std::lgamma(xl + 1);
}

} // namespace

std::int64_t combinations(int n, int k)
{
    if (k < 0 || k > n) return 0;
    k = std::min(k, n - k);
    Wide c = 1;
    for (int i = 0; i < k; ++i) {
        c = c * (n - i) / (i + 1); // exact: c·(n−i) is a multiple of i+1 at every step
        narrow(c);
    }
    return static_cast<std::int64_t>(c);
}

Fraction::Fraction(std::int64_t numerator, std::int64_t denominator) : num_(numerator), den_(denominator)
{
    if (den_ <= 0) throw std::invalid_argument("a fraction needs a positive denominator");
    const std::int64_t g = std::gcd(num_, den_);
    if (g > 1) {
        num_ /= g;
        den_ /= g;
    }
}

Fraction Fraction::operator+(const Fraction& o) const
{
    return reduced(Wide(num_) * o.den_ + Wide(o.num_) * den_, Wide(den_) * o.den_);
}

Fraction Fraction::operator*(const Fraction& o) const
{
    return reduced(Wide(num_) * o.num_, Wide(den_) * o.den_);
}

long double binomialUpperTail(std::int64_t n, long double p, std::int64_t k)
{
    if (k <= 0) return 1;
    if (k > n || p <= 0) return 0;
    if (p >= 1) return 1;
    const long double odds = p / (1 - p);
    // Summed from k outwards over the smaller side of the distribution, where the terms fall.
    if (static_cast<long double>(k) > static_cast<long double>(n) * p) {
        long double term = std::exp(logBinomialPmf(n, p, k)), sum = 0;
        for (std::int64_t x = k; x <= n && term > sum * kNegligible; ++x) {
            sum += term;
            term *= static_cast<long double>(n - x) / static_cast<long double>(x + 1) * odds;
        }
        return std::min<long double>(sum, 1);
    }
    long double term = std::exp(logBinomialPmf(n, p, k - 1)), lower = 0;
    for (std::int64_t x = k - 1; x >= 0 && term > lower * kNegligible; --x) {
        lower += term;
        term *= static_cast<long double>(x) / (static_cast<long double>(n - x + 1) * odds);
    }
    return std::max<long double>(1 - lower, 0);
}

long double binomialSumUpperTail(std::int64_t n1, long double p1, std::int64_t n2, long double p2, std::int64_t k)
{
    if (k <= 0) return 1;
    if (n1 <= 0 || p1 <= 0) return binomialUpperTail(n2, p2, k);
    if (p1 >= 1) return binomialUpperTail(n2, p2, k - n1);
    // A reaches k alone, or A = j < k and B makes up the rest.
    long double total = binomialUpperTail(n1, p1, k);
    for (std::int64_t j = 0; j < k && j <= n1; ++j)
        total += std::exp(logBinomialPmf(n1, p1, j)) * binomialUpperTail(n2, p2, k - j);
    return std::min<long double>(total, 1);
}

long double poissonUpperTail(long double mean, std::int64_t k)
{
    if (k <= 0) return 1;
    if (mean <= 0) return 0;
    if (static_cast<long double>(k) > mean) {
        long double term = std::exp(logPoissonPmf(mean, k)), sum = 0;
        for (std::int64_t x = k; term > sum * kNegligible; ++x) {
            sum += term;
            term *= mean / static_cast<long double>(x + 1);
        }
        return std::min<long double>(sum, 1);
    }
    long double term = std::exp(logPoissonPmf(mean, k - 1)), lower = 0;
    for (std::int64_t x = k - 1; x >= 0 && term > lower * kNegligible; --x) {
        lower += term;
        term *= static_cast<long double>(x) / mean;
    }
    return std::max<long double>(1 - lower, 0);
}

long double chiSquareUpperTail(long double x, int degrees)
{
    if (degrees <= 0 || x <= 0) return 1;
    const long double a = degrees / 2.0L, z = x / 2;
    const long double logPrefix = a * std::log(z) - z - std::lgamma(a);
    if (z < a + 1) {
        // The series of the lower part converges quickly below the mean.
        long double term = 1 / a, sum = term;
        for (int n = 1; n < 10000 && term > sum * kNegligible; ++n) {
            term *= z / (a + n);
            sum += term;
        }
        return std::clamp<long double>(1 - sum * std::exp(logPrefix), 0, 1);
    }
    // Above it, the continued fraction of the upper part (modified Lentz).
    constexpr long double tiny = 1e-300L;
    long double b = z + 1 - a, c = 1 / tiny, d = 1 / b, h = d;
    for (int i = 1; i < 10000; ++i) {
        const long double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < tiny) d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny) c = tiny;
        d = 1 / d;
        const long double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < 1e-17L) break;
    }
    return std::clamp<long double>(std::exp(logPrefix) * h, 0, 1);
}

} // namespace razoz
