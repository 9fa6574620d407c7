// Cells of every alphabet: segmentation, case per language, collation, and filler that gives
// nothing away.
#include <map>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include "engine_fixture.h"
#include "word_lists.h"

namespace vorlix::testing {
namespace {

// Protects: a cell is one letter as a reader sees it (NFC, grapheme clusters, conjuncts whole).
TEST(Cells, Segmentation) {
    const struct {
        std::u16string text;
        std::vector<std::u16string> cells;
    } cases[] = {
        {u"e\u0301t\u00e9", {u"\u00e9", u"t", u"\u00e9"}},             // decomposed é is one composed cell
        {u"क्षति", {u"क्ष", u"ति"}},                                    // virama joins the next consonant
        {u"고양이", {u"고", u"양", u"이"}},
        {u"नमस्ते", {u"न", u"म", u"स्ते"}},
        {u"CAT", {u"C", u"A", u"T"}},
        {u"a\U0001F600", {u"a", u"\U0001F600"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCells(c.text), c.cells);
}

// Protects: interned codes are stable, refuse own codes, and A-Z keep their own codes.
TEST(Cells, InterningAndTables) {
    TCellAlphabet a;
    EXPECT_EQ(CellCodes(u"CAT", a), u"CAT");
    EXPECT_TRUE(a.Empty());
    const std::u16string codes = CellCodes(u"क्षति", a);
    ASSERT_EQ(codes.size(), 2u);
    EXPECT_EQ(codes[0], FirstInternedCode);
    EXPECT_EQ(CellCodes(u"क्ष", a), codes.substr(0, 1));
    EXPECT_EQ(a.Expand(codes), u"क्षति");
    EXPECT_EQ(CellCodes(u"e\u0301", a), u"\u00e9");  // NFC: composed and decomposed are one letter
    TCellAlphabet b;
    EXPECT_FALSE(b.Assign({u"ab", u"ab"}));
    EXPECT_FALSE(b.Assign({u"a"}));
    EXPECT_FALSE(b.Assign({u""}));
    EXPECT_TRUE(b.Assign({u"ab", u"क्ष"}));
}

// Protects: case follows Unicode per language; ß stays one cell; final sigma.
TEST_F(EngineTest, CasePerLanguage) {
    const struct {
        const char* language;
        TCapitalization cap;
        std::u16string item, grid;
    } cases[] = {
        {"tr", TCapitalization::AllUpper, u"istanbul", u"İSTANBUL"},
        {"tr", TCapitalization::AllLower, u"IŞIK", u"ışık"},
        {"en", TCapitalization::AllUpper, u"istanbul", u"ISTANBUL"},
        {"de", TCapitalization::AllUpper, u"straße", u"STRAẞE"},
        {"el", TCapitalization::AllUpper, u"οδός", u"ΟΔΟΣ"},
        {"el", TCapitalization::AllLower, u"ΟΔΟΣ", u"οδος"},
        {"el", TCapitalization::FirstLetter, u"ΟΔΟΣ", u"Οδος"},
        {"es", TCapitalization::AllUpper, u"corazón niño", u"CORAZÓNNIÑO"},
        {"ru", TCapitalization::AllUpper, u"кошка", u"КОШКА"},
    };
    for (const auto& c : cases) {
        Settings().Language = c.language;
        Settings().Capitalization = c.cap;
        SetList(c.item);
        EXPECT_EQ(state->WordText(1), c.grid) << c.language;
        EXPECT_EQ(state->WordList[1].Length, static_cast<int>(SplitCells(c.grid).size())) << c.language;
    }
}

// Protects: lists beyond A-Z are ordered by their language's collation.
TEST_F(EngineTest, CollationOrder) {
    Settings().Capitalization = TCapitalization::AsGiven;
    Settings().Language = "de";
    SetList(u"Birne,Äpfel,Apfel,Zitrone");
    EXPECT_EQ(std::vector<int>(&state->DisplayIndex[1], &state->DisplayIndex[5]), (std::vector<int>{3, 2, 1, 4}));
    Settings().Language = "es";
    SetList(u"ñu,oso,nube");
    EXPECT_EQ(std::vector<int>(&state->DisplayIndex[1], &state->DisplayIndex[4]), (std::vector<int>{3, 1, 2}));
}

// Protects: the language detected from a list's script and letters.
TEST(Cells, DetectLanguage) {
    const std::pair<std::u16string, std::string> cases[] = {
        {u"кошка,собака", "ru"}, {u"їжак,кіт", "uk"},   {u"γάτα", "el"},     {u"חתול", "he"},
        {u"قطة", "ar"},          {u"बिल्ली", "hi"},     {u"고양이", "ko"},   {u"ねこ,イヌ", "ja"},
        {u"niño", "es"},         {u"Käse", "de"},       {u"garçon", "fr"},   {u"pão", "pt"},
        {u"kırmızı", "tr"},      {u"cat/un chat", "en"},
    };
    for (const auto& [list, language] : cases) EXPECT_EQ(DetectLanguage(list), language);
    EXPECT_TRUE(IsPlainAZList(u"cat,dog/un chien à poil"));
    EXPECT_FALSE(IsPlainAZList(u"chien,château"));
    EXPECT_EQ(CanonicalLanguageTag("pt_br"), "");
    EXPECT_EQ(CanonicalLanguageTag("pt-BR"), "pt-BR");
    EXPECT_EQ(CanonicalLanguageTag("!!"), "");
}

// Accidental words the filler could still take away: those with a filler cell.
int Removable(const TWordSearch& ws) {
    int count = 0;
    for (const TAccidentalWord& a : ws.AccidentalWords) {
        bool filler = false;
        const int length = static_cast<int>(SplitCells(a.Word).size());
        for (int k = 0, c = a.Column, r = a.Row; k < length; ++k, c += DirectionDx[a.Direction], r += DirectionDy[a.Direction])
            filler = filler || ws.WordListIndicies[c][r].empty();
        count += filler ? 1 : 0;
    }
    return count;
}

struct TScriptList {
    const char* Language;
    std::u16string Words;
};

// A few everyday words in each language the program serves.
const TScriptList ScriptLists[] = {
    {"es", u"corazón,niño,árbol,canción,pingüino,mañana,jardín,estrella"},
    {"de", u"Käse,Straße,Übung,Bär,Mädchen,Brötchen,Schule,Fuß"},
    {"fr", u"garçon,école,fenêtre,forêt,élève,château,crème,noël"},
    {"pt", u"pão,coração,mãe,irmão,lições,avó,açúcar,limão"},
    {"tr", u"kırmızı,ağaç,şeker,göz,İstanbul,çiçek,üzüm,ışık"},
    {"ru", u"кошка,собака,молоко,яблоко,школа,дерево,солнце,ёжик"},
    {"uk", u"їжак,кіт,єнот,ґанок,яблуко,школа,дерево,сонце"},
    {"el", u"γάτα,σκύλος,θάλασσα,ήλιος,δέντρο,σχολείο,οδός,νερό"},
    {"he", u"חתול,כלב,שמש,ים,ספר,בית,עץ,מים"},
    {"ar", u"قطة,كلب,شمس,بحر,كتاب,بيت,شجرة,ماء"},
    {"hi", u"क्षति,बिल्ली,कुत्ता,पानी,स्कूल,किताब,सूरज,नमस्ते"},
    {"ko", u"고양이,강아지,바다,학교,나무,태양,사과,우유"},
    {"ja", u"ねこ,いぬ,さくら,やま,かわ,うみ,そら,ほし"},
};

// Protects: in every listed language the filler is in the list's script, in the puzzle's case,
// whole clusters only, never missing a letter of the words, and the check leaves no word.
TEST_F(EngineTest, FillerInTheListsScript) {
    for (const TScriptList& list : ScriptLists) {
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            state->ResetSettings();
            Settings().Language = list.Language;
            Settings().FillerMode = TFillerMode::LikeList;
            Settings().AccidentalCheck = AccidentalTaboo;
            SetList(list.Words);
            state->SetSeed(seed);
            ws->MakePuzzle(trial.get(), 0, 0);
            ExpectConsistent();
            UErrorCode status = U_ZERO_ERROR;
            const UScriptCode script = uscript_getScript(state->WordText(1)[0], &status);
            for (int r = 1; r <= ws->ActualRows; ++r)
                for (int c = 1; c <= ws->ActualColumns; ++c) {
                    const std::u16string text = state->Cells.Text(ws->Grid[c][r]);
                    EXPECT_EQ(SplitCells(text).size(), 1u) << list.Language << " seed " << seed;
                    const UChar32 first = text[0] >= 0xD800 && text[0] <= 0xDBFF ? U_SENTINEL : text[0];
                    const UScriptCode s = uscript_getScript(first, &status);
                    // Japanese lists may mix hiragana and katakana; the alphabet offers both.
                    if (std::string(list.Language) != "ja") EXPECT_EQ(s, script) << list.Language << " seed " << seed;
                    if (std::string(list.Language) != "tr")
                        EXPECT_EQ(UpperText(text, list.Language), text) << list.Language << " seed " << seed;
                }
            EXPECT_EQ(Removable(*ws), 0) << list.Language << " seed " << seed;
        }
    }
}

// Protects: English in the like-the-list mode has no tells: over 30 seeded grids the filler's
// letter mix is within 0.15 total variation of the words', every word letter occurs as
// filler, and the accidental check leaves no removable word.
TEST_F(EngineTest, LikeListEnglishHasNoTells) {
    std::map<char16_t, double> words, filler;
    double wordTotal = 0, fillerTotal = 0;
    int accidental = 0;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        state->ResetSettings();
        Settings().FillerMode = TFillerMode::LikeList;
        Settings().AccidentalCheck = AccidentalTaboo;
        Settings().Language = "en";
        SetList(ThirtyWords);
        state->SetSeed(seed * 101);
        ws->MakePuzzle(trial.get(), 0, 0);
        accidental += Removable(*ws);
        for (int r = 1; r <= ws->ActualRows; ++r)
            for (int c = 1; c <= ws->ActualColumns; ++c)
                if (ws->WordListIndicies[c][r].empty()) {
                    filler[ws->Grid[c][r]] += 1;
                    fillerTotal += 1;
                }
    }
    for (int i = 1; i <= state->WordCount; ++i)
        for (const char16_t c : state->WordList[i].GridWord) {
            words[c] += 1;
            wordTotal += 1;
        }
    double tvd = 0;
    std::map<char16_t, double> all = words;
    all.insert(filler.begin(), filler.end());
    for (const auto& [c, n] : all) tvd += std::abs(words[c] / wordTotal - filler[c] / fillerTotal) / 2;
    EXPECT_LE(tvd, 0.15);
    for (const auto& [c, n] : words) EXPECT_GT(filler[c], 0) << char(c);
    EXPECT_EQ(accidental, 0);
}

}  // namespace
}  // namespace vorlix::testing
