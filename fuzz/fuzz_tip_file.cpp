// A tip file of any content: twelve rows of six texts, the box rule leaves only numbers 1..49,
// and a file written from those rows reads back the same.
#include "fuzz_support.h"
#include "tipfiles/tip_file.h"

using namespace razoz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const TipRows fromBytes = parseTipFile(bytes);
    TipRows read;
    try {
        read = readTipFile(fuzz::writeScratch(QStringLiteral("tipp.wtp"), bytes));
    } catch (const TipFileError&) {
        fuzz::violated("a readable tip file raised an error");
    }
    if (normalizeTipRows(read) != normalizeTipRows(fromBytes)) fuzz::violated("file reader and text reader differ");
    const TipRows rows = normalizeTipRows(read);
    for (const auto& row : rows)
        for (const QString& box : row) {
            if (box.isEmpty()) continue;
            const auto n = parseBoxNumber(box);
            if (!n || *n < 1 || *n > 49 || QString::number(*n) != box) fuzz::violated("box rule let junk through");
        }
    if (parseTipFile(formatTipFile(rows)) != rows) fuzz::violated("written tip file does not read back");
    return 0;
}
