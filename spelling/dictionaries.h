// The spelling checker's three word lists: the main dictionary "English" with its
// two-letter index, the user dictionary "SpellSup" and the words ignored in this run.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace vorlix::spelling {

constexpr int MaxMainWords = 100000;

// Where the two dictionary files are.
struct TDictionaryLocations {
    QString MainFile;  // "English", read only
    QString UserFile;  // "SpellSup", rewritten whole when a word is added
};

// The main dictionary beside the program (installed in ../share/vorlix, or the build tree's
// share/vorlix, or the program's own folder); the user dictionary in the working directory
// when one is there, else in the per-user data folder, which the user can always write.
TDictionaryLocations LocateDictionaries(const QString& workingDir, const QString& programDir,
                                        const QString& userDataDir);
// LocateDictionaries for this program: the current directory, the program's folder and
// the application data folder.
TDictionaryLocations DefaultDictionaryLocations();

// A sorted list that ignores duplicates and compares without regard to case.
class TSortedWordList {
public:
    void Add(const QString& word);
    bool Contains(QStringView word) const;
    void Clear() { words_.clear(); }
    const QStringList& Words() const { return words_; }

private:
    QStringList words_;
};

class TSpellingDictionaries {
public:
    TSpellingDictionaries();

    void SetLocations(const TDictionaryLocations& locations) { locations_ = locations; }
    const TDictionaryLocations& Locations() const { return locations_; }

    // Reads both files the first time only; missing or unreadable files leave their list
    // empty without a message.
    void LoadDictionaries();
    bool Loaded() const { return loaded_; }

    // The main dictionary from the bytes of an "English" file (tests and benchmarks).
    void LoadMainWords(QByteArrayView bytes);

    bool IsKnownWord(QStringView word) const;
    bool MainDictionaryContains(QStringView word) const;

    // Adds word to the user dictionary and rewrites "SpellSup"; false when the file could
    // not be written (the word stays known for the run).
    bool AddUserWord(const QString& word);
    void IgnoreWord(const QString& word) { ignored_.Add(word); }

    const TSortedWordList& UserWords() const { return user_; }
    const TSortedWordList& IgnoredWords() const { return ignored_; }

    // Main words by position 1 .. MainWordCount().
    int MainWordCount() const { return count_; }
    QStringView MainWord(int position) const;
    // The index entry for a two-letter start; letters are 'A'..'Z'.
    int PrefixIndex(char16_t first, char16_t second) const { return index_[first - u'A'][second - u'A']; }
    // Positions lo .. hi of the group a word with this two-letter start must lie in.
    void GroupRange(char16_t first, char16_t second, int& lo, int& hi) const;

private:
    void LoadUserWords();

    TDictionaryLocations locations_;
    bool loaded_ = false;
    // The stored words back to back; word p runs from starts_[p] to starts_[p + 1].
    QString text_;
    std::vector<std::int32_t> starts_;
    int count_ = 0;
    std::array<std::array<std::int32_t, 26>, 26> index_{};
    TSortedWordList user_;
    TSortedWordList ignored_;
};

}  // namespace vorlix::spelling
