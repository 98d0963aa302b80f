#pragma once
// The lucky number ("Glückszahl setzen"): the user seeds the random generator, so that the next
// calculation gives the same rows for the same number, settings, archive and locked rows.
#include "base/interface_texts.h"
#include "base/prompt.h"
#include "generate/random_generator.h"

#include <QString>

#include <optional>

namespace razoz {

// The answer as a seed: an integer (a negative one wraps as the generator's 32 bits do); nullopt
// for anything else.
std::optional<std::uint32_t> luckySeed(const QString& answer);

// Proposes a number 0..99998 (one draw of `random`), asks for the lucky number (interface texts 30
// and 31; cancelling keeps the proposal) and seeds `random` with it. An answer that is no integer
// seeds from the clock without a word. Returns the status text for panel 1 (interface text 32 and
// the number), or nothing for a clock seed.
std::optional<QString> setLuckyNumber(Prompt& prompt, RandomGenerator& random, const InterfaceTexts& texts);

} // namespace razoz
