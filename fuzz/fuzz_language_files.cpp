// Language files of any content, with or without a byte-order mark: the base file with its
// translation, and the numbered message file. The first byte picks the language; the rest is
// split into the three files at the first two 0xFF 0x00 0xFF markers.
#include "app/languages.h"
#include "base/text_files.h"
#include "fuzz_support.h"

#include <QDir>
#include <QFile>

using namespace razoz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const Language& language = languages().at(data[0] % languages().size());
    QByteArray rest = fuzz::bytesOf(data + 1, size - 1);
    QByteArray parts[3];
    for (int i = 0; i < 2; ++i) {
        const qsizetype at = rest.indexOf(QByteArrayLiteral("\xFF\x00\xFF"));
        if (at < 0) break;
        parts[i] = rest.left(at);
        rest = rest.mid(at + 3);
    }
    parts[2] = rest;

    const QString folder = fuzz::scratchFolder();
    const QString base = fuzz::writeScratch(QStringLiteral("land/bezeich.txt"), parts[0]);
    fuzz::writeScratch(QStringLiteral("land/bezeich.txt.") + language.code, parts[1]);
    fuzz::writeScratch(QStringLiteral("land/meldungen.txt.") + language.code, parts[2]);

    const LanguageFiles files = LanguageFiles::load(base, language.code);
    if (!files.exists() || !files.translated()) fuzz::violated("existing files not loaded");
    // Every control the file names is found from the start of its window's entries, and a lookup
    // of whatever the files hold stays inside them.
    EntryCursor cursor(files);
    for (const BaseEntry& e : files.entries()) {
        (void)cursor.next(e.form, e.name);
        (void)files.texts(files.find(e.form, e.name, 0));
    }
    (void)files.texts(-1);
    (void)files.texts(int(files.entries().size()));

    InterfaceTexts texts;
    if (!loadInterfaceTexts(folder, language.code, texts)) fuzz::violated("message file not loaded");
    if (texts.lines().size() < kInterfaceTextCount) fuzz::violated("a numbered text is missing");
    for (int n = -1; n <= kInterfaceTextCount; ++n) (void)texts.text(n);

    // The decoder alone, on the whole input, with every code page.
    for (const Language& l : languages()) (void)splitLines(decodeText(parts[2], l.code));
    return 0;
}
