// The preference keys with their kinds and first-run defaults: the one place that names them.
#include "preferences.h"

#include <cstring>
#include <vector>

#include "capitalization.h"
#include "wordsearch.h"

namespace vorlix {

namespace {

using P = TPreferences;
using F = TPageFormat;
using K = TPreferenceKind;
using G = TPreferenceGroup;

constexpr std::array<bool, 8> AllDirections = {true, true, true, true, true, true, true, true};

// Order is the write order of the store.
const std::vector<TPreferenceKey>& KeyTable() {
    static const std::vector<TPreferenceKey> table = {
        {"YourName", K::String, G::PuzzleDefaults, &P::YourName, QString()},
        {"RecipientName", K::String, G::PuzzleDefaults, &P::RecipientName, QString()},
        {"Top", K::Integer, G::Window, &P::Top, 20},
        {"Left", K::Integer, G::Window, &P::Left, 2},
        {"Width", K::Integer, G::Window, &P::Width, 800},
        {"Height", K::Integer, G::Window, &P::Height, 550},
        {"ProgramMap", K::Boolean, G::PuzzleDefaults, &P::ProgramMap, true},
        {"AccidentPrevent", K::Integer, G::Window, &P::AccidentPrevent, 1},
        {"SpellerSemiAuto", K::Boolean, G::Window, &P::SpellerSemiAuto, true},
        {"WindowState", K::Integer, G::Window, &P::WindowState, WindowStateNormal},
        {"View", K::Integer, G::WriteOnly, std::monostate{}, 0},
        {"EditTextSize", K::Integer, G::PuzzleDefaults, &P::EditTextSize, 8},
        {"ColorScheme", K::Integer, G::Window, &P::ColorScheme, 1},
        {"UnderlinedLinks", K::Boolean, G::Window, &P::UnderlinedLinks, true},
        {"HintsShown", K::String, G::Window, &P::HintsShown, QString()},
        {"TitleFontNamePref", K::String, G::PuzzleDefaults, &F::TitleFont, QStringLiteral("Comic Sans MS")},
        {"TitleFontSizePref", K::Integer, G::PuzzleDefaults, &F::TitleFontSize, 36},
        {"WorksheetFontNamePref", K::String, G::PuzzleDefaults, &F::WorksheetFont, QStringLiteral("Arial")},
        {"WorksheetFontSizePref", K::Integer, G::PuzzleDefaults, &F::WorksheetFontSize, 12},
        {"InstructionsFontNamePref", K::String, G::PuzzleDefaults, &F::InstructionsFont,
         QStringLiteral("Times New Roman")},
        {"InstructionsFontSizePref", K::Integer, G::PuzzleDefaults, &F::InstructionsFontSize, 12},
        {"GridFontNamePref", K::String, G::PuzzleDefaults, &F::GridFont, QStringLiteral("Arial")},
        {"GridFontSizePref", K::Integer, G::PuzzleDefaults, &F::GridFontSize, 12},
        {"WordlistFontNamePref", K::String, G::PuzzleDefaults, &F::WordlistFont,
         QStringLiteral("Times New Roman")},
        {"WordlistFontSizePref", K::Integer, G::PuzzleDefaults, &F::WordlistFontSize, 12},
        {"CreditsFontNamePref", K::String, G::PuzzleDefaults, &F::CreditsFont, QStringLiteral("Arial")},
        {"CreditsFontSizePref", K::Integer, G::PuzzleDefaults, &F::CreditsFontSize, 8},
        {"WordListColumnsPref", K::Integer, G::PuzzleDefaults, &F::RequestedClueColumns, 0},
        {"WordListAlignmentPref", K::Integer, G::PuzzleDefaults, &F::ClueAlignment, 1},
        {"PuzzleAlignmentPref", K::Integer, G::PuzzleDefaults, &F::GridHPosition, 1},
        {"CapitalizationPref", K::String, G::PuzzleDefaults, &P::CapitalizationPref,
         CapitalizationName(TCapitalization::AllUpper)},
        {"FillerPref", K::String, G::PuzzleDefaults, &P::FillerPref, QStringLiteral("Automatic")},
        {"SolutionStylePref", K::Integer, G::PuzzleDefaults, &F::SolutionStyle, 0},
        {"MarginWidthPref", K::Real, G::PuzzleDefaults, &F::MarginWidth, 0.75},
        {"BorderIndexPref", K::Integer, G::PuzzleDefaults, &F::BorderIndex, 0},
        {"DirsPref", K::Directions, G::PuzzleDefaults, &P::DirsPref, AllDirections},
        {"ShareLevelPref", K::Integer, G::Window, &P::ShareLevelPref, 2},
        {"DefaultLeftWorkSheet", K::EscapedLines, G::PuzzleDefaults, &P::DefaultLeftWorkSheet, QStringList()},
        {"DefaultRightWorkSheet", K::EscapedLines, G::PuzzleDefaults, &P::DefaultRightWorkSheet, QStringList()},
        // No line until the teacher picks or types one: a sheet carries no address unasked.
        {"CreditsLine", K::String, G::PuzzleDefaults, &P::CreditsLine, QString()},
        {"CreditsLineIndex", K::Integer, G::PuzzleDefaults, &P::CreditsLineIndex, -1},
        {"PreviewWindowState", K::Integer, G::Preview, &P::PreviewWindowState, WindowStateNormal},
        {"PreviewTop", K::Integer, G::Preview, &P::PreviewTop, 0},
        {"PreviewLeft", K::Integer, G::Preview, &P::PreviewLeft, 50},
        {"PreviewWidth", K::Integer, G::Preview, &P::PreviewWidth, 0},
        {"PreviewHeight", K::Integer, G::Preview, &P::PreviewHeight, 0},
        {"RecentFiles", K::EscapedLines, G::Recent, &P::RecentFiles, QStringList()},
    };
    return table;
}

template <class Field>
constexpr bool IsFormatField = std::is_same_v<Field, QString TPageFormat::*> ||
                               std::is_same_v<Field, int TPageFormat::*> || std::is_same_v<Field, double TPageFormat::*>;

}  // namespace

std::span<const TPreferenceKey> PreferenceKeys() { return {KeyTable().data(), KeyTable().size()}; }

const TPreferenceKey* FindPreferenceKey(const char* key) {
    for (const TPreferenceKey& k : PreferenceKeys())
        if (std::strcmp(k.Key, key) == 0) return &k;
    return nullptr;
}

TPreferenceValue PreferenceValue(const TPreferences& prefs, const TPreferenceKey& key) {
    return std::visit(
        [&](auto field) -> TPreferenceValue {
            using Field = decltype(field);
            if constexpr (std::is_same_v<Field, std::monostate>)
                return key.Default;
            else if constexpr (IsFormatField<Field>)
                return prefs.PageFormat.*field;
            else
                return prefs.*field;
        },
        key.Field);
}

void SetPreferenceValue(TPreferences& prefs, const TPreferenceKey& key, const TPreferenceValue& value) {
    std::visit(
        [&](auto field) {
            using Field = decltype(field);
            if constexpr (IsFormatField<Field>) {
                using T = std::remove_reference_t<decltype(prefs.PageFormat.*field)>;
                if (const T* v = std::get_if<T>(&value)) prefs.PageFormat.*field = *v;
                prefs.PageFormat.UpdateHtmlCompanions();
            } else if constexpr (!std::is_same_v<Field, std::monostate>) {
                using T = std::remove_reference_t<decltype(prefs.*field)>;
                if (const T* v = std::get_if<T>(&value)) prefs.*field = *v;
            }
        },
        key.Field);
}

TPreferences::TPreferences() {
    for (const TPreferenceKey& key : PreferenceKeys()) SetPreferenceValue(*this, key, key.Default);
}

TWindowPreferences WindowPreferencesOf(const TPreferences& prefs) {
    TWindowPreferences w;
    w.AccidentPrevent = (prefs.AccidentPrevent >= 0 && prefs.AccidentPrevent <= 2) ? prefs.AccidentPrevent : 1;
    w.TourShown = prefs.HintsShown.contains(QStringLiteral("Tour"));
    w.SpellerSemiAuto = prefs.SpellerSemiAuto;
    w.EditTextSize = prefs.EditTextSize;
    w.LargeEditText = prefs.EditTextSize > 9;
    w.ProgramMap = prefs.ProgramMap;
    w.ProgramMapWidth = prefs.ProgramMap ? ProgramMapWidth : 0;
    w.WindowState = prefs.WindowState;
    w.Top = prefs.Top;
    w.Left = prefs.Left;
    w.Width = prefs.Width;
    w.Height = prefs.Height;
    w.UnderlinedLinks = prefs.UnderlinedLinks;
    w.ColorScheme = (prefs.ColorScheme >= 0 && prefs.ColorScheme < ColorSchemeCount) ? prefs.ColorScheme : 1;
    w.ShareLevel = prefs.ShareLevelPref;
    return w;
}

QStringList AddRecentFile(const QStringList& recent, const QString& path) {
    QStringList list{path};
    for (const QString& old : recent)
        if (old != path && !old.isEmpty() && list.size() < MaxRecentFiles) list << old;
    return list;
}

}  // namespace vorlix
