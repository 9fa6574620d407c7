// Word extraction, the dictionary files and the lookup rules.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "dictionaries.h"
#include "mainwordset.h"
#include "wordextract.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vorlix::spelling {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(WordExtraction, TakesTheFirstRunOfLettersAndApostrophes) {
    struct Case {
        const char* text;
        const char* word;
        const char* why;
    } cases[] = {
        {"hello world", "hello", "the first word of several"},
        {"  ...cats!", "cats", "leading punctuation is skipped"},
        {"don't stop", "don't", "an apostrophe inside keeps the word whole"},
        {"'tis", "'tis", "a word may start with an apostrophe"},
        {"O'Neil's", "O'Neil's", "every apostrophe belongs to the run"},
        {"caf\xc3\xa9 au lait", "caf", "accented letters are not letters"},
        {"x2y", "x", "digits end a word"},
        {"123 -- ", "", "no letter gives an empty word"},
        {"", "", "an empty text gives an empty word"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExtractWord(QString::fromUtf8(c.text)).toString(), QString::fromUtf8(c.word)) << c.why;
}

class DictionaryTest : public ::testing::Test {
protected:
    TSpellingDictionaries dict;
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void LoadMain(const char* text) { dict.LoadMainWords(QByteArray(text)); }
};

TEST_F(DictionaryTest, LookupFollowsTheRules) {
    LoadMain("AARDVARK\nABLE\nCAT\nCATS\nDON'T\nDOG\nO'NEIL\nZYGOTE\n");
    struct Case {
        const char* word;
        bool found;
        const char* why;
    } cases[] = {
        {"cat", true, "lookup ignores case"},
        {"Aardvark", true, "the very first word of the store (lo is 1 at AA)"},
        {"able", true, "the first word of the second group"},
        {"zygote", true, "the last word of the store"},
        {"don't", true, "a word with an apostrophe is one word"},
        {"dont", false, "without its apostrophe it is another word"},
        {"O'Neil", false, "a second character that is not a letter is never found"},
        {"ca", false, "a prefix of a stored word is not a word"},
        {"catsup", false, "a longer word is not found"},
        {"I", true, "one-letter words count as found"},
        {"a", true, "one-letter words count as found"},
        {"qq", false, "a start with no words finds nothing"},
    };
    for (const Case& c : cases) EXPECT_EQ(dict.MainDictionaryContains(QString::fromLatin1(c.word)), c.found) << c.why;
}

TEST_F(DictionaryTest, IndexHoldsEachGroupsLastPositionAndCarriesOverGaps) {
    LoadMain("AB\nABC\nBA\nBB\n");
    EXPECT_EQ(dict.PrefixIndex(u'A', u'A'), 1);  // nothing before any word: 1
    EXPECT_EQ(dict.PrefixIndex(u'A', u'B'), 2);
    EXPECT_EQ(dict.PrefixIndex(u'A', u'Z'), 2);  // empty starts carry the last entry
    EXPECT_EQ(dict.PrefixIndex(u'B', u'A'), 3);
    EXPECT_EQ(dict.PrefixIndex(u'Z', u'Z'), 4);
}

TEST_F(DictionaryTest, LoadingTakesTheFirstWordOfEachLineWithTwoOrMoreLetters) {
    LoadMain("  apple pie\r\nb\n\n42\nbe-all\n'em\n");
    // "b" and the lines without letters are not stored; "'em" is stored but not indexed.
    ASSERT_EQ(dict.MainWordCount(), 3);
    EXPECT_EQ(dict.MainWord(1).toString(), "APPLE");
    EXPECT_EQ(dict.MainWord(2).toString(), "BE");
    EXPECT_EQ(dict.MainWord(3).toString(), "'EM");
    EXPECT_TRUE(dict.MainDictionaryContains(u"be"));
}

TEST_F(DictionaryTest, AWordOutsideItsGroupIsNotFoundAndNothingBreaks) {
    // CAT stands before the B words, so its group's range runs backwards.
    LoadMain("CAT\nBAT\nDOG\nEEL\n");
    EXPECT_FALSE(dict.MainDictionaryContains(u"cat"));
    EXPECT_TRUE(dict.MainDictionaryContains(u"bat"));
    EXPECT_TRUE(dict.MainDictionaryContains(u"eel"));
    // Groups in reverse order make an index that runs backwards: nothing found, no crash.
    LoadMain("ZEBRA\nAPPLE\n");
    EXPECT_FALSE(dict.MainDictionaryContains(u"zebra"));
    EXPECT_TRUE(dict.MainDictionaryContains(u"apple"));
    EXPECT_FALSE(dict.MainDictionaryContains(u"mm"));
}

TEST_F(DictionaryTest, AnEmptyMainDictionaryFindsNoWordOfTwoLetters) {
    LoadMain("");
    EXPECT_FALSE(dict.MainDictionaryContains(u"aa"));
    EXPECT_FALSE(dict.MainDictionaryContains(u"zz"));
    EXPECT_TRUE(dict.MainDictionaryContains(u"a"));
}

TEST_F(DictionaryTest, StoreStopsAtTheHundredThousandthWord) {
    QByteArray many;
    for (int i = 0; i < MaxMainWords + 10; ++i) {
        const char a = char('A' + i / (26 * 26 * 26) % 26), b = char('A' + i / (26 * 26) % 26),
                   c = char('A' + i / 26 % 26), d = char('A' + i % 26);
        const char word[] = {a, b, c, d, '\n'};
        many.append(word, 5);
    }
    dict.LoadMainWords(many);
    EXPECT_EQ(dict.MainWordCount(), MaxMainWords);
    EXPECT_TRUE(dict.MainDictionaryContains(dict.MainWord(MaxMainWords)));
}

TEST_F(DictionaryTest, FilesLoadOnceAndMissingFilesLeaveEmptyLists) {
    WriteFile(Path("English"), "CAT\nDOG\n");
    WriteFile(Path("SpellSup"), "Vorlix\nzorb\nvorlix\n");
    dict.SetLocations({Path("English"), Path("SpellSup")});
    dict.LoadDictionaries();
    EXPECT_TRUE(dict.IsKnownWord(u"cat"));
    EXPECT_TRUE(dict.IsKnownWord(u"VORLIX"));  // the user dictionary ignores case
    EXPECT_EQ(dict.UserWords().Words(), (QStringList{"Vorlix", "zorb"}));  // duplicates ignored
    // Loading never repeats, even when the files change.
    WriteFile(Path("English"), "EMU\n");
    dict.LoadDictionaries();
    EXPECT_TRUE(dict.IsKnownWord(u"cat"));
    EXPECT_FALSE(dict.IsKnownWord(u"emu"));

    TSpellingDictionaries none;
    none.SetLocations({Path("missing-English"), Path("missing-SpellSup")});
    none.LoadDictionaries();
    EXPECT_EQ(none.MainWordCount(), 0);
    EXPECT_TRUE(none.UserWords().Words().isEmpty());
    EXPECT_FALSE(none.IsKnownWord(u"cat"));
}

TEST_F(DictionaryTest, AddedWordIsWrittenSortedAndSurvivesAFailedWrite) {
    dict.SetLocations({Path("English"), Path("data/SpellSup")});
    dict.LoadDictionaries();
    // The user data folder is made when missing.
    EXPECT_TRUE(dict.AddUserWord(QStringLiteral("zorb")));
    EXPECT_TRUE(dict.AddUserWord(QStringLiteral("Blip")));
    QFile f(Path("data/SpellSup"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "Blip\nzorb\n");

    TSpellingDictionaries blocked;
    WriteFile(Path("file"), "x");
    blocked.SetLocations({Path("English"), Path("file/SpellSup")});  // a file stands where the folder must be
    blocked.LoadDictionaries();
    EXPECT_FALSE(blocked.AddUserWord(QStringLiteral("zorb")));
    EXPECT_TRUE(blocked.IsKnownWord(u"ZORB"));
}

TEST_F(DictionaryTest, IgnoredWordsAreKnownWhateverTheirCase) {
    LoadMain("");
    dict.IgnoreWord(QStringLiteral("Qwerty"));
    EXPECT_TRUE(dict.IsKnownWord(u"qwerty"));
    EXPECT_TRUE(dict.IsKnownWord(u"QWERTY"));
    EXPECT_FALSE(dict.IsKnownWord(u"qwert"));
}

TEST(DictionaryLocations, UserDictionaryLivesInTheWorkingDirectoryOnlyWhenOneIsThere) {
    QTemporaryDir work, program, data;
    QDir(program.path()).mkpath(QStringLiteral("bin"));
    QDir(program.path()).mkpath(QStringLiteral("share/vorlix"));
    WriteFile(program.filePath(QStringLiteral("share/vorlix/English")), "CAT\n");
    const QString bin = program.filePath(QStringLiteral("bin"));

    TDictionaryLocations at = LocateDictionaries(work.path(), bin, data.path());
    EXPECT_EQ(at.MainFile, QDir::cleanPath(program.filePath(QStringLiteral("share/vorlix/English"))));
    EXPECT_EQ(at.UserFile, data.filePath(QStringLiteral("SpellSup")));  // never the program's folder

    WriteFile(work.filePath(QStringLiteral("SpellSup")), "zorb\n");
    at = LocateDictionaries(work.path(), bin, data.path());
    EXPECT_EQ(at.UserFile, work.filePath(QStringLiteral("SpellSup")));

    // A dictionary beside the program serves when there is no share folder.
    QTemporaryDir flat;
    WriteFile(flat.filePath(QStringLiteral("English")), "CAT\n");
    EXPECT_EQ(LocateDictionaries(work.path(), flat.path(), data.path()).MainFile,
              QDir::cleanPath(flat.filePath(QStringLiteral("English"))));
}

TEST_F(DictionaryTest, WordSetAnswersWholeWordsAndPrefixes) {
    LoadMain("CAT\nCATS\nDON'T\nDOG\nZEBRA\nAPE\n");  // APE out of place: the set sorts anyway
    const TMainDictionaryWordSet words(dict);
    struct Case {
        const char16_t* text;
        bool contains;
        bool prefix;
        const char* why;
    } cases[] = {
        {u"CAT", true, true, "a word is its own prefix"},
        {u"CA", false, true, "a prefix of stored words"},
        {u"CATSS", false, false, "longer than every word"},
        {u"APE", true, true, "found wherever the file put it"},
        {u"DON'T", true, true, "apostrophes are kept"},
        {u"ZEBRAS", false, false, "past the last word"},
        {u"B", false, false, "no word starts with B"},
        {u"cat", false, false, "the set takes upper case"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(words.Contains(c.text), c.contains) << c.why;
        EXPECT_EQ(words.HasWordStartingWith(c.text), c.prefix) << c.why;
    }
}

TEST_F(DictionaryTest, WordSetLoadsTheDictionariesOnFirstUse) {
    WriteFile(Path("English"), "CAT\nDOG\n");
    dict.SetLocations({Path("English"), Path("SpellSup")});
    const TMainDictionaryWordSet words(dict);
    EXPECT_TRUE(words.Contains(u"DOG"));
    EXPECT_TRUE(dict.Loaded());
}

}  // namespace
}  // namespace vorlix::spelling
