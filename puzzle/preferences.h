// The program-wide preference variables, and the one table that names their store keys,
// value kinds and first-run defaults.
#pragma once

#include <array>
#include <span>
#include <variant>

#include <QString>
#include <QStringList>

#include "pageformat.h"

namespace vorlix {

// Window states as the store keeps them.
constexpr int WindowStateNormal = 0;
constexpr int WindowStateMinimized = 1;
constexpr int WindowStateMaximized = 2;

constexpr int ColorSchemeCount = 7;
constexpr int ProgramMapWidth = 121;

// The preferences, read once at start-up. New puzzles take their defaults from here
// (TPuzzleModel::ResetToNewPuzzle); the main window applies the window settings.
// Every member gets its default from PreferenceKeys() when constructed.
struct TPreferences {
    TPreferences();

    // Defaults of new puzzles. The appearance: faces, sizes, margin, frame, grid position,
    // solution style, word-list columns and alignment (its solution colour and clue-text
    // font are no preference).
    TPageFormat PageFormat;
    QString CapitalizationPref;
    QString FillerPref;  // FillerModeName
    std::array<bool, 8> DirsPref{};  // North first, as the direction codes 1..8
    QStringList DefaultLeftWorkSheet;
    QStringList DefaultRightWorkSheet;
    int CreditsLineIndex = -1;  // -1: a typed line (or none)
    QString YourName;
    QString RecipientName;
    QString CreditsLine;
    int ShareLevelPref = 0;

    // The main window's own settings.
    int EditTextSize = 0;
    bool ProgramMap = false;
    int AccidentPrevent = 0;
    QString HintsShown;
    bool SpellerSemiAuto = false;
    int WindowState = 0;
    int Top = 0;
    int Left = 0;
    int Width = 0;
    int Height = 0;
    bool UnderlinedLinks = false;
    int ColorScheme = 0;

    // The preview window's placement; a width or height of 0 means the screen's less 50.
    int PreviewWindowState = 0;
    int PreviewTop = 0;
    int PreviewLeft = 0;
    int PreviewWidth = 0;
    int PreviewHeight = 0;

    // The puzzles last opened or saved, newest first.
    QStringList RecentFiles;
};

// How many recent puzzles the File menu and the Home page offer.
constexpr int MaxRecentFiles = 10;
// The list with path put first: no duplicates, and no more than MaxRecentFiles entries.
QStringList AddRecentFile(const QStringList& recent, const QString& path);

// How a value is kept in the store.
enum class TPreferenceKind {
    String,
    Integer,
    Boolean,       // 32-bit integer 0 or 1
    Real,          // 8 raw bytes, IEEE 754 double, little-endian
    EscapedLines,  // one string, see EscapePreferenceLines
    Directions,    // DirsPref: a string of eight "T"/"F"
};

// Which load reads a key. WriteOnly keys are stored but never read back; the preview
// window reads and writes its own keys; the recent files are written whenever they change.
enum class TPreferenceGroup { PuzzleDefaults, Window, WriteOnly, Preview, Recent };

using TPreferenceValue = std::variant<QString, int, bool, double, QStringList, std::array<bool, 8>>;
// A key's variable: a member of the preferences, or of their page format.
using TPreferenceField = std::variant<std::monostate, QString TPreferences::*, int TPreferences::*,
                                      bool TPreferences::*, double TPreferences::*, QStringList TPreferences::*,
                                      std::array<bool, 8> TPreferences::*, QString TPageFormat::*,
                                      int TPageFormat::*, double TPageFormat::*>;

struct TPreferenceKey {
    const char* Key;
    TPreferenceKind Kind;
    TPreferenceGroup Group;
    TPreferenceField Field;  // monostate for a key with no variable (View)
    TPreferenceValue Default;
};

// Every key, in the order the store writes them.
std::span<const TPreferenceKey> PreferenceKeys();
const TPreferenceKey* FindPreferenceKey(const char* key);

// Reads or writes the variable a key names; a key without a variable reads its default.
TPreferenceValue PreferenceValue(const TPreferences& prefs, const TPreferenceKey& key);
void SetPreferenceValue(TPreferences& prefs, const TPreferenceKey& key, const TPreferenceValue& value);

// The main-window settings as the windows apply them, already checked: an unknown
// accidental-word level or colour scheme gives the default choice.
struct TWindowPreferences {
    int AccidentPrevent = 1;  // 0 None, 1 Taboo words only, 2 All English words
    bool TourShown = false;   // HintsShown contains "Tour"
    bool SpellerSemiAuto = true;
    bool LargeEditText = false;  // EditTextSize above 9
    int EditTextSize = 8;
    bool ProgramMap = true;
    int ProgramMapWidth = vorlix::ProgramMapWidth;  // 0 when hidden
    int WindowState = WindowStateNormal;
    int Top = 20;
    int Left = 2;
    int Width = 800;
    int Height = 550;
    bool UnderlinedLinks = true;
    int ColorScheme = 1;
    int ShareLevel = 2;
};

TWindowPreferences WindowPreferencesOf(const TPreferences& prefs);

}  // namespace vorlix
