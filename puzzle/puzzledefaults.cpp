// New puzzles and the texts that follow their options.
#include "puzzledefaults.h"

#include "capitalization.h"

namespace vorlix {

namespace {

// Direction indexes (North first) of the page's boxes.
constexpr int NorthIx = 0, NorthEastIx = 1, EastIx = 2, SouthEastIx = 3, SouthIx = 4, SouthWestIx = 5, WestIx = 6,
              NorthWestIx = 7;

bool OnlyThese(const std::array<bool, 8>& dirs, std::initializer_list<int> wanted) {
    std::array<bool, 8> expected{};
    for (int ix : wanted) expected[static_cast<std::size_t>(ix)] = true;
    return dirs == expected;
}

}  // namespace

QString DirectionsSummary(const std::array<bool, 8>& on) {
    QString s;
    if (on == std::array<bool, 8>{true, true, true, true, true, true, true, true}) {
        s = QStringLiteral(" horizontally, vertically and diagonally in all eight directions.");
    } else if (OnlyThese(on, {EastIx, SouthIx})) {
        s = QStringLiteral(" across and down only.");
    } else if (OnlyThese(on, {EastIx, SouthEastIx, SouthIx})) {
        s = QStringLiteral(" across, down and diagonally across and down only.");
    } else if (OnlyThese(on, {NorthIx, EastIx, SouthIx, WestIx})) {
        s = QStringLiteral(" horizontally and vertically either way, but not diagonally.");
    } else if (OnlyThese(on, {NorthEastIx, SouthEastIx, SouthWestIx, NorthWestIx})) {
        s = QStringLiteral(" in the four diagonal directions only.");
    } else if (OnlyThese(on, {})) {
        s = QStringLiteral(" in all eight directions.");
    } else {
        QStringList parts;
        if (on[EastIx]) parts << QStringLiteral(" across");
        if (on[WestIx]) parts << QStringLiteral(" backwards");
        if (on[NorthIx]) parts << QStringLiteral(" up");
        if (on[SouthIx]) parts << QStringLiteral(" down");
        static const std::array<const char*, 5> diagonals = {" in no diagonals.", " in one diagonal.",
                                                             " in two diagonals.", " in three diagonals.",
                                                             " in all four diagonals."};
        const int d = on[NorthEastIx] + on[SouthEastIx] + on[NorthWestIx] + on[SouthWestIx];
        parts << QString::fromLatin1(diagonals[static_cast<std::size_t>(d)]);
        const qsizetype n = parts.size();
        for (qsizetype i = 0; i < n; ++i) {
            s += parts[i];
            if (i < n - 2)
                s += QLatin1Char(',');
            else if (i == n - 2)
                s += QStringLiteral(" and");
        }
    }
    return QStringLiteral("Words can go") + s;
}

QString AutomaticInstructionsText(const TPuzzleType& type) {
    QString text;
    if (type.CustomClues)
        text = QStringLiteral("Figure out what words the clues represent. Then find the words in the grid.");
    else
        text = QStringLiteral("Find the words in the grid.");
    if (type.HiddenMessage)
        text += QStringLiteral(
            " When you are done, the unused letters in the grid will spell out a hidden message. Pick them out from "
            "left to right, top line to bottom line.");
    return text;
}

QStringList AutomaticInstructions(const TPuzzleType& type, const std::array<bool, 8>& directions) {
    return {AutomaticInstructionsText(type) + QLatin1Char(' ') + DirectionsSummary(directions)};
}

TPuzzle NewPuzzle(const TPreferences& prefs) {
    TPuzzle fresh;
    fresh.Directions = prefs.DirsPref;
    const int level = prefs.ShareLevelPref;
    fresh.SharingLevel = level >= ShareNoCross && level <= ShareAll ? level : ShareIntersect;
    fresh.Capitalization = CapitalizationFromName(prefs.CapitalizationPref);
    fresh.Filler = FillerModeFromName(prefs.FillerPref);
    fresh.Format.ResetToPreferences(prefs);
    fresh.CreditsName = prefs.YourName;
    fresh.CreditsRecipient = prefs.RecipientName;
    fresh.CreditsLine = prefs.CreditsLine;
    auto nonEmpty = [](const QStringList& lines) {
        QStringList kept;
        for (const QString& l : lines)
            if (!l.isEmpty()) kept << l;
        return kept;
    };
    fresh.WorksheetLeftLines = nonEmpty(prefs.DefaultLeftWorkSheet);
    fresh.WorksheetRightLines = nonEmpty(prefs.DefaultRightWorkSheet);
    fresh.InstructionLines = AutomaticInstructions(fresh.Type, fresh.Directions);
    return fresh;
}

}  // namespace vorlix
