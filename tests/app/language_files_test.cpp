// The language files the program ships: complete, in step with the base file, and readable in the
// encoding of their language.
#include "app/languages.h"
#include "base/text_files.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

QString dataFile(const QString& name)
{
    return QStringLiteral(RAZOZ_SOURCE_DIR "/data/land/") + name;
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList baseLines()
{
    QStringList base;
    readTextLines(dataFile("bezeich.txt"), base);
    return base;
}

struct Shipped {
    const char* code;
    const char* codePage; // the 8-bit encoding a file without byte-order mark may be in
    const char* word;     // a word of the translation that only decodes right in that encoding
};

void PrintTo(const Shipped& s, std::ostream* os)
{
    *os << s.code;
}

class ShippedLanguage : public ::testing::TestWithParam<Shipped> {};

} // namespace

TEST(LanguageData, BaseFileEntriesAreWholeAndGermanTextsMatchTheProgram)
{
    const QStringList base = baseLines();
    ASSERT_FALSE(base.isEmpty());
    ASSERT_EQ(base.size() % 5, 0);
    const LanguageFiles files = LanguageFiles::fromLines(base, std::nullopt);
    for (const BaseEntry& e : files.entries()) {
        EXPECT_FALSE(e.form.isEmpty());
        EXPECT_FALSE(e.name.isEmpty());
        bool ok = false;
        e.charset.toInt(&ok);
        EXPECT_TRUE(ok) << e.name.toStdString();
    }
    QStringList german;
    ASSERT_TRUE(readTextLines(dataFile("meldungen.txt.de"), german));
    EXPECT_EQ(german, germanInterfaceTexts());
}

TEST_P(ShippedLanguage, LoadsWithATranslationForEveryEntry)
{
    const QString code = QString::fromLatin1(GetParam().code);
    ASSERT_GE(languageIndexOf(code), 1) << "a language of the menu";
    const LanguageFiles files = LanguageFiles::load(dataFile("bezeich.txt"), code);
    ASSERT_TRUE(files.exists());
    ASSERT_TRUE(files.translated());
    QStringList translation;
    ASSERT_TRUE(readTextLines(dataFile("bezeich.txt." + code), translation));
    EXPECT_EQ(translation.size(), 2 * files.entries().size()) << "two lines per entry, in step with the base";

    int nonEmpty = 0, translated = 0;
    for (int k = 0; k < files.entries().size(); ++k) {
        const BaseEntry& e = files.entries()[k];
        const auto texts = files.texts(k);
        ASSERT_TRUE(texts) << e.name.toStdString();
        const std::string where = (e.form + "." + e.name).toStdString();
        // A caption or hint the German base has is never lost, nor one invented for a blank.
        EXPECT_EQ(texts->caption.trimmed().isEmpty(), e.caption.trimmed().isEmpty()) << where;
        EXPECT_EQ(texts->hint.trimmed().isEmpty(), e.hint.trimmed().isEmpty()) << where;
        // The accelerator survives: one '&' where the German caption has one, never a trailing one.
        EXPECT_EQ(texts->caption.count('&'), e.caption.count('&')) << where;
        EXPECT_FALSE(texts->caption.endsWith('&')) << where;
        for (const auto& [own, german] : {std::pair{texts->caption, e.caption}, std::pair{texts->hint, e.hint}}) {
            if (german.trimmed().isEmpty()) continue;
            ++nonEmpty;
            if (own != german) ++translated;
        }
    }
    // Addresses, game and product names stay; everything else is the language's own.
    EXPECT_GT(translated, nonEmpty * 3 / 4) << translated << " of " << nonEmpty;
}

TEST_P(ShippedLanguage, HasEveryNumberedText)
{
    const QString code = QString::fromLatin1(GetParam().code);
    QStringList lines;
    ASSERT_TRUE(readTextLines(dataFile("meldungen.txt." + code), lines));
    ASSERT_EQ(lines.size(), kInterfaceTextCount);
    const QStringList& german = germanInterfaceTexts();
    int same = 0;
    for (int n = 0; n < lines.size(); ++n) {
        EXPECT_FALSE(lines[n].trimmed().isEmpty()) << n;
        // Texts that end in a blank or start with "- " are joined with others.
        EXPECT_EQ(lines[n].endsWith(' '), german[n].endsWith(' ')) << n;
        EXPECT_EQ(lines[n].startsWith(QLatin1String("- ")), german[n].startsWith(QLatin1String("- "))) << n;
        EXPECT_EQ(lines[n].count('&'), german[n].count('&')) << n;
        for (const char* arg : {"%1", "%2", "%3"})
            EXPECT_EQ(lines[n].contains(QLatin1String(arg)), german[n].contains(QLatin1String(arg))) << n << arg;
        if (lines[n] == german[n]) ++same;
    }
    EXPECT_LE(same, 1) << "the numbered texts are translated";
}

TEST_P(ShippedLanguage, FilesRoundTripThroughTheirEncoding)
{
    const Shipped& lang = GetParam();
    const QString code = QString::fromLatin1(lang.code);
    EXPECT_EQ(codePageFor(code), QByteArray(lang.codePage));
    bool wordSeen = false;
    for (const QString& name : {"bezeich.txt." + code, "meldungen.txt." + code}) {
        const QByteArray bytes = bytesOf(dataFile(name));
        ASSERT_FALSE(bytes.isEmpty()) << name.toStdString();
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE")) << "no byte-order mark";
        const QString text = decodeText(bytes, code);
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << name.toStdString();
        // Written back in the language's code page (or as UTF-8 while a text the code page lacks
        // waits for its translation), the bytes are the same: nothing was lost on reading.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString asUtf8 = utf8(bytes);
        if (utf8.hasError()) {
            QStringEncoder encoder(lang.codePage);
            ASSERT_TRUE(encoder.isValid());
            EXPECT_EQ(QByteArray(encoder(text)), bytes) << name.toStdString();
        } else {
            EXPECT_EQ(text, asUtf8);
        }
        wordSeen = wordSeen || text.contains(QString::fromUtf8(lang.word));
    }
    EXPECT_TRUE(wordSeen) << lang.word;
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, ShippedLanguage,
    ::testing::Values(Shipped{"en", "windows-1252", "Calculate"}, Shipped{"fr", "windows-1252", "Répartition"},
                      Shipped{"sp", "windows-1252", "Distribución"}, Shipped{"tr", "windows-1254", "Çekilişler"},
                      Shipped{"ru", "windows-1251", "Распределение"}, Shipped{"nl", "windows-1252", "één"},
                      Shipped{"cz", "windows-1250", "Rozložení"}, Shipped{"pl", "windows-1250", "Rozkład"}),
    [](const auto& info) { return std::string(info.param.code); });
