// Loading and searching the spelling dictionaries.
#include "dictionaries.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "textcodec.h"
#include "wordextract.h"

namespace vorlix::spelling {

namespace {

const QString MainFileName = QStringLiteral("English");
const QString UserFileName = QStringLiteral("SpellSup");

bool IsAsciiLetterByte(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsWordByte(char c) { return IsAsciiLetterByte(c) || c == '\''; }
char UpperByte(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

}  // namespace

TDictionaryLocations LocateDictionaries(const QString& workingDir, const QString& programDir,
                                        const QString& userDataDir) {
    TDictionaryLocations at;
    const QDir program(programDir);
    const QStringList mainCandidates = {program.filePath(QStringLiteral("../share/vorlix/") + MainFileName),
                                        program.filePath(MainFileName)};
    at.MainFile = QDir::cleanPath(mainCandidates.first());
    for (const QString& candidate : mainCandidates)
        if (QFileInfo(candidate).isFile()) {
            at.MainFile = QDir::cleanPath(candidate);
            break;
        }
    const QString here = QDir(workingDir).filePath(UserFileName);
    at.UserFile = QFileInfo::exists(here) ? here : QDir(userDataDir).filePath(UserFileName);
    return at;
}

TDictionaryLocations DefaultDictionaryLocations() {
    // A command-line run may have no Qt application to know the program's folder.
    const QString programDir = QCoreApplication::instance() != nullptr
                                   ? QCoreApplication::applicationDirPath()
                                   : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return LocateDictionaries(QDir::currentPath(), programDir,
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// --- Sorted word list ---

namespace {

bool LessNoCase(const QString& a, QStringView b) { return QStringView(a).compare(b, Qt::CaseInsensitive) < 0; }

}  // namespace

void TSortedWordList::Add(const QString& word) {
    const auto at = std::lower_bound(words_.begin(), words_.end(), QStringView(word), LessNoCase);
    if (at != words_.end() && at->compare(word, Qt::CaseInsensitive) == 0) return;
    words_.insert(at, word);
}

bool TSortedWordList::Contains(QStringView word) const {
    const auto at = std::lower_bound(words_.begin(), words_.end(), word, LessNoCase);
    return at != words_.end() && QStringView(*at).compare(word, Qt::CaseInsensitive) == 0;
}

// --- Dictionaries ---

TSpellingDictionaries::TSpellingDictionaries() { starts_.assign(1, 0); }

void TSpellingDictionaries::LoadDictionaries() {
    if (loaded_) return;
    loaded_ = true;
    QByteArray bytes;
    if (!locations_.MainFile.isEmpty() && ReadWholeFile(locations_.MainFile, bytes) == FileReadResult::Ok)
        LoadMainWords(bytes);
    else
        LoadMainWords({});
    LoadUserWords();
}

void TSpellingDictionaries::LoadMainWords(QByteArrayView bytes) {
    loaded_ = true;
    text_.clear();
    text_.reserve(bytes.size());
    starts_.clear();
    starts_.reserve(static_cast<std::size_t>(std::min<qsizetype>(MaxMainWords, bytes.size() / 2 + 1)) + 2);
    starts_.push_back(0);  // position 0 is unused
    starts_.push_back(0);
    count_ = 0;
    for (auto& row : index_) row.fill(0);

    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end && count_ < MaxMainWords) {
        const char* lineEnd = std::find(p, end, '\n');
        // The first word of the line: letters and apostrophes only, so every encoding
        // that keeps ASCII as bytes reads the same.
        const char* w = p;
        while (w < lineEnd && !IsWordByte(*w)) ++w;
        const char* wEnd = w;
        while (wEnd < lineEnd && IsWordByte(*wEnd)) ++wEnd;
        if (wEnd - w >= 2) {
            ++count_;
            for (const char* c = w; c < wEnd; ++c) text_.append(QLatin1Char(UpperByte(*c)));
            starts_.push_back(static_cast<std::int32_t>(text_.size()));
            if (IsAsciiLetterByte(w[0]) && IsAsciiLetterByte(w[1]))
                index_[UpperByte(w[0]) - 'A'][UpperByte(w[1]) - 'A'] = count_;
        }
        p = lineEnd + 1;
    }
    // A start without words takes the entry of the start before it, so each group's
    // range is the two neighbouring entries.
    std::int32_t carry = 1;
    for (auto& row : index_)
        for (std::int32_t& entry : row) {
            if (entry != 0) carry = entry;
            else entry = carry;
        }
}

void TSpellingDictionaries::LoadUserWords() {
    user_.Clear();
    QByteArray bytes;
    if (locations_.UserFile.isEmpty() || ReadWholeFile(locations_.UserFile, bytes) != FileReadResult::Ok) return;
    for (const QString& line : SplitLines(DecodeWordListText(bytes)))
        if (!line.isEmpty()) user_.Add(line);
}

QStringView TSpellingDictionaries::MainWord(int position) const {
    if (position < 1 || position > count_) return {};
    const auto p = static_cast<std::size_t>(position);
    return QStringView(text_).sliced(starts_[p], starts_[p + 1] - starts_[p]);
}

void TSpellingDictionaries::GroupRange(char16_t first, char16_t second, int& lo, int& hi) const {
    const int f = first - u'A';
    const int s = second - u'A';
    hi = index_[f][s];
    if (f == 0 && s == 0) lo = 1;
    else if (s == 0) lo = index_[f - 1][25];
    else lo = index_[f][s - 1];
}

bool TSpellingDictionaries::MainDictionaryContains(QStringView word) const {
    if (word.size() < 2) return true;
    if (!IsSpellingLetter(word[0]) || !IsSpellingLetter(word[1])) return false;
    const QString upper = AsciiUpper(word);
    int lo = 0;
    int hi = 0;
    GroupRange(upper[0].unicode(), upper[1].unicode(), lo, hi);
    // An index built from a file out of order may point past the words or backwards.
    hi = std::min(hi, count_);
    for (int p = std::max(lo, 1); p <= hi; ++p)
        if (MainWord(p) == upper) return true;
    return false;
}

bool TSpellingDictionaries::IsKnownWord(QStringView word) const {
    return MainDictionaryContains(word) || user_.Contains(word) || ignored_.Contains(word);
}

bool TSpellingDictionaries::AddUserWord(const QString& word) {
    user_.Add(word);
    if (locations_.UserFile.isEmpty()) return false;
    QString text;
    for (const QString& w : user_.Words()) text += w + QLatin1Char('\n');
    // The per-user data folder may not exist yet.
    const QFileInfo target(locations_.UserFile);
    if (!QDir().mkpath(target.absolutePath())) return false;
    return WriteFileSafely(locations_.UserFile, EncodeUtf8(text));
}

}  // namespace vorlix::spelling
