// A click script of any content, as read from "Script" or sent by the web service: it decodes,
// saves back byte for byte, and filling it replaces every placeholder and nothing else.
#include "fuzz_support.h"
#include "online/click_script.h"

using namespace razoz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const ScriptText script = decodeScript(bytes);
    if (script.utf8 && encodeScript(script) != bytes) fuzz::violated("a UTF-8 script does not save back as read");

    ScriptFill fill;
    fill.tipFilePath = QStringLiteral("/home/[SA]/Tipps/20261210.wtp");
    fill.rows[0] = {"3", "11", "13", "15", "34", "35"};
    fill.saturday = true;
    const QString filled = fillClickScript(script.text, fill);
    // Nothing but placeholders changes: with none in the script, the text stays as it is.
    bool any = false;
    for (const auto& [placeholder, text] : scriptPlaceholders(fill)) any = any || script.text.contains(placeholder);
    if (!any && filled != script.text) fuzz::violated("a script without placeholders was changed");
    if (script.text.contains(QStringLiteral("[TIPPDATEI]")) && !filled.contains(fill.tipFilePath))
        fuzz::violated("the tip file placeholder was not filled");
    return 0;
}
