#include "base/text_files.h"
#include "test_support.h"

#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace razoz;

TEST(TextFiles, ByteOrderMarkDecidesElseUtf8ElseTheLanguagesCodePage)
{
    const QString umlauts = QStringLiteral("Grüße ÄÖÜ");
    EXPECT_EQ(decodeText("\xEF\xBB\xBF" + umlauts.toUtf8()), umlauts);
    QStringEncoder le(QStringEncoder::Utf16LE), be(QStringEncoder::Utf16BE);
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE") + QByteArray(le(umlauts))), umlauts);
    EXPECT_EQ(decodeText(QByteArray("\xFE\xFF") + QByteArray(be(umlauts))), umlauts);
    EXPECT_EQ(decodeText(umlauts.toUtf8(), QStringLiteral("ru")), umlauts); // valid UTF-8 wins

    // Not UTF-8: the Windows code page of the language.
    EXPECT_EQ(decodeText("Gr\xFC\xDF"
                         "e",
                         QStringLiteral("de")),
              QStringLiteral("Grüße"));
    EXPECT_EQ(decodeText("\xCF\xF0\xE8\xE2\xE5\xF2", QStringLiteral("ru")), QStringLiteral("Привет"));
    EXPECT_EQ(decodeText("\x9Al\xB9", QStringLiteral("cz")), QStringLiteral("šlą"));
    EXPECT_EQ(decodeText("\xFE\xF0", QStringLiteral("tr")), QStringLiteral("şğ"));
    EXPECT_EQ(codePageFor(QStringLiteral("pl")), "windows-1250");
    EXPECT_EQ(codePageFor(QStringLiteral("sp")), "windows-1252");
}

TEST(TextFiles, LinesKeepBlanksAndEmptyLinesWhateverTheLineEnds)
{
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\n b \nc\rd\n")), (QStringList{"a", "", " b ", "c", "d"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\n\n")), (QStringList{"a", ""}));
    EXPECT_TRUE(splitLines(QString()).isEmpty());

    test::ProgramDir dir;
    const QStringList lines{QStringLiteral("Form1"), QString(), QStringLiteral("Türkçe şğ Привет")};
    ASSERT_TRUE(writeUtf16Lines(dir.file("t.trans"), lines));
    const QByteArray bytes = dir.readFile("t.trans");
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_TRUE(bytes.contains(QByteArray("\r\0\n\0", 4)));
    QStringList back;
    ASSERT_TRUE(readTextLines(dir.file("t.trans"), back));
    EXPECT_EQ(back, lines);
    ASSERT_TRUE(writeUtf8Lines(dir.file("u.txt"), lines));
    ASSERT_TRUE(readTextLines(dir.file("u.txt"), back));
    EXPECT_EQ(back, lines);
    EXPECT_FALSE(readTextLines(dir.file("missing.txt"), back));
    EXPECT_TRUE(back.isEmpty());
}
