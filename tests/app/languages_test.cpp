#include "app/languages.h"
#include "base/text_files.h"
#include "test_support.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace razoz;

namespace {
QStringList entry(const QString& form, const QString& name, const QString& caption, const QString& hint = {},
                  const QString& charset = QStringLiteral("1"))
{
    return {form, name, caption, hint, charset};
}
} // namespace

TEST(Languages, NineLanguagesWithCodesAndMenuOrder)
{
    QStringList codes, menu;
    for (const Language& l : languages()) codes << l.code;
    EXPECT_EQ(codes, (QStringList{"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"}));
    for (int i : languageMenuOrder()) menu << languages()[i].caption;
    EXPECT_EQ(menu, (QStringList{"Deutsch", "Englisch", "Französisch", "Spanisch", "Türkisch", "Russisch", "Polnisch",
                                 "Tschechisch", "Niederländisch"}));
    EXPECT_EQ(languageAt(6).menuName, "Niederlndisch1");
    EXPECT_EQ(languageAt(42).code, "de");
    EXPECT_EQ(languageIndexOf("SP"), 3);
    EXPECT_EQ(languageIndexOf("xx"), -1);
}

TEST(Languages, LookupLooksElevenEntriesAheadOfTheLastMatchWithinTheSameWindow)
{
    QStringList base = entry(" Form1 ", " Label1 ", "Eins", "Hinweis eins", "0");
    for (int i = 0; i < 10; ++i) base += entry("Form1", QStringLiteral("Other%1").arg(i), "x");
    base += entry("Form1", "Label2", "Zwei");       // entry 11: ten entries after Label1
    base += entry("Form1", "Label3", "Drei");       // entry 12
    base += entry("Form5", "Label4", "fremd");      // entry 13: another window
    base += QStringList{"Form1", "Label5", "halb"}; // a partial entry at the end
    const LanguageFiles files = LanguageFiles::fromLines(base, std::nullopt);
    EXPECT_EQ(files.entries().size(), 14);

    EntryCursor cursor(files);
    auto one = cursor.next("Form1", "Label1");
    ASSERT_TRUE(one);
    EXPECT_EQ(one->caption, "Eins");
    EXPECT_EQ(one->hint, "Hinweis eins");
    EXPECT_EQ(one->charset, "0");
    EXPECT_FALSE(cursor.next("Form1", "Label2")) << "eleven entries after the last match";
    EXPECT_TRUE(cursor.next("Form1", "Other9")); // the tenth entry after the match is still seen
    EXPECT_TRUE(cursor.next("Form1", "Label2"));
    EXPECT_TRUE(cursor.next("Form1", "Label3"));
    EXPECT_FALSE(cursor.next("Form1", "Label4")) << "a control of the same name in another window";
    EXPECT_FALSE(cursor.next("Form1", "Label5")) << "a partial entry counts as missing";
    EXPECT_FALSE(cursor.next("Form1", "Label1")) << "the search never goes back";

    // From the start, an entry eleven or more entries ahead is not found.
    EntryCursor fresh(files);
    EXPECT_EQ(files.find("Form1", "Label2", 0), -1);
    EXPECT_EQ(files.find("Form1", "Label2", 1), 11);
    EXPECT_FALSE(fresh.next("Form1", "Label3"));
}

TEST(Languages, TranslationsGiveTwoLinesPerEntryAndNoCharacterSet)
{
    QStringList base = entry("Form1", "A", "Ja", "ja?", "0") + entry("Form1", "B", "Nein", "nein?", "0");
    LanguageFiles english = LanguageFiles::fromLines(base, QStringList{"Yes", "yes?"}); // one entry short
    ASSERT_TRUE(english.texts(0));
    EXPECT_EQ(english.texts(0)->caption, "Yes");
    EXPECT_EQ(english.texts(0)->hint, "yes?");
    EXPECT_FALSE(english.texts(0)->charset);
    EXPECT_FALSE(english.texts(1)) << "a translation shorter than the base leaves the control alone";
    EXPECT_FALSE(english.texts(2));

    test::ProgramDir dir;
    QDir().mkpath(dir.file("land"));
    EXPECT_FALSE(LanguageFiles::load(baseFilePath(dir.path()), "en").exists());
    ASSERT_TRUE(writeUtf16Lines(baseFilePath(dir.path()), base)); // a base file in UTF-16 reads as well
    LanguageFiles german = LanguageFiles::load(baseFilePath(dir.path()), "de");
    ASSERT_TRUE(german.exists());
    EXPECT_FALSE(german.translated());
    EXPECT_EQ(german.texts(1)->caption, "Nein");
    dir.writeFile("land/bezeich.txt.en", "Yes\r\nyes?\r\nNo\r\nno?\r\n");
    EXPECT_EQ(LanguageFiles::load(baseFilePath(dir.path()), "en").texts(1)->caption, "No");
}

TEST(Languages, ExportWritesEntriesByKindAndATemplateInUtf16)
{
    LanguageExport out;
    auto add = [&](ControlKind kind, const char* name, const QString& caption, const QString& hint,
                   bool visible = true) {
        ControlTexts c{"Form1", name, kind, caption, hint};
        c.charset = QStringLiteral("0");
        c.visible = visible;
        out.add(c);
    };
    add(ControlKind::MenuEntry, "Datei1", "&Datei", "");
    add(ControlKind::MenuEntry, "Versteckt1", "Versteckt", "", false);
    add(ControlKind::Label, "Label1", "", "");
    add(ControlKind::Label, "Label2", " 42", ""); // reads as a number
    add(ControlKind::CheckBox, "CheckBox1", "Samstag", "");
    add(ControlKind::Button, "BitBtn1", "", "");
    add(ControlKind::SpeedButton, "SpeedButton1", "", "Stopp");
    add(ControlKind::RadioGroup, "RadioGroup1", "", ""); // always written
    add(ControlKind::TabSheet, "TabSheet1", "Lottotipp", "");
    add(ControlKind::Edit, "Edit1", "", "");
    add(ControlKind::Edit, "Edit2", "", "12");
    add(ControlKind::Edit, "Edit85", "", "Wert\nin Prozent");
    add(ControlKind::Window, "Form1", "Titel", "");
    QStringList names;
    for (int i = 1; i < out.baseLines().size(); i += 5) names << out.baseLines()[i];
    EXPECT_EQ(names,
              (QStringList{"Datei1", "CheckBox1", "SpeedButton1", "RadioGroup1", "TabSheet1", "Edit85", "Form1"}));
    EXPECT_EQ(out.baseLines().mid(0, 5), (QStringList{"Form1", "Datei1", "&Datei", "", "1"}));
    EXPECT_EQ(out.baseLines().mid(25, 5), (QStringList{"Form1", "Edit85", "Wert in Prozent", "Wert in Prozent", "0"}));
    EXPECT_EQ(out.templateLines().size(), 14);

    test::ProgramDir dir;
    ASSERT_TRUE(out.write(dir.file("export.txt")));
    EXPECT_TRUE(dir.readFile("export.txt.trans").startsWith("\xFF\xFE"));
    QStringList base, trans;
    ASSERT_TRUE(readTextLines(dir.file("export.txt"), base));
    ASSERT_TRUE(readTextLines(dir.file("export.txt.trans"), trans));
    EXPECT_EQ(base, out.baseLines());
    EXPECT_EQ(trans, out.templateLines());
}

TEST(Languages, MessageFilesFillShortFilesAndKeepTextsWhenMissing)
{
    test::ProgramDir dir;
    InterfaceTexts texts(germanInterfaceTexts());
    EXPECT_FALSE(loadInterfaceTexts(dir.path(), "en", texts));
    EXPECT_EQ(texts.text(12), "Losnummer");
    QDir().mkpath(dir.file("land"));
    dir.writeFile("land/meldungen.txt.en", "Frequency\nDraws\n");
    ASSERT_TRUE(loadInterfaceTexts(dir.path(), "en", texts));
    EXPECT_EQ(texts.text(1), "Draws");
    EXPECT_EQ(texts.text(54), germanInterfaceTexts()[54]) << "numbers a short file lacks";
    EXPECT_EQ(texts.text(kInterfaceTextCount), QString());
}
