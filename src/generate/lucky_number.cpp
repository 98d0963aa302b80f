#include "generate/lucky_number.h"

namespace razoz {

std::optional<std::uint32_t> luckySeed(const QString& answer)
{
    bool ok = false;
    const int n = answer.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return std::uint32_t(n);
}

std::optional<QString> setLuckyNumber(Prompt& prompt, RandomGenerator& random, const InterfaceTexts& texts)
{
    const QString proposal = QString::number(random.next(99999));
    const QString answer = prompt.inputText(texts.text(30) + QStringLiteral(" (1-99999999)?"), texts.text(31), proposal)
                               .value_or(proposal);
    const std::optional<std::uint32_t> seed = luckySeed(answer);
    if (!seed) {
        random.seedFromClock();
        return std::nullopt;
    }
    random.setSeed(*seed);
    return texts.text(32) + QLatin1Char(' ') + QString::number(answer.trimmed().toInt());
}

} // namespace razoz
