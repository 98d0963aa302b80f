#pragma once
// The main window's settings: read at start-up into the session's values and every control, with
// what each step shows (the draw days, the language, the ticket number; the tip check waits until
// the fees are read); written back when the window closes, with the calculation settings as the
// user left them.
class QString;

namespace razoz {

class Session;
class SettingsStore;
class TForm1;

void readWindowSettings(TForm1& form, const SettingsStore& store);
// `normalState`: the window is neither minimised, maximised nor full screen (only then its size
// is stored). Writing never stops the close; what was written before a failure stays.
void writeWindowSettings(Session& session, SettingsStore& store, bool normalState);

} // namespace razoz
