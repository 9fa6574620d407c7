#include "puzzleoutput.h"

#include <algorithm>

#include "capitalization.h"
#include "utf8.h"

namespace vorlix::cli {

namespace {

std::u16string Widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// One grid cell as printable text.
std::string CellText(const TEngineState& state, char16_t letter) { return Utf8Bytes(state.Cells.Text(letter)); }

// Texts as a JSON array, one entry per cell.
JsonValue CellArray(const std::vector<std::u16string>& cells) {
    JsonValue array = JsonValue::MakeArray();
    for (const std::u16string& cell : cells) array.Add(JsonValue::String(cell));
    return array;
}

std::string PadRight(std::string text, std::size_t width, std::size_t shown) {
    if (shown < width) text.append(width - shown, ' ');
    return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

using J = JsonValue;

J Lines(const QStringList& lines) {
    J array = J::MakeArray();
    for (const QString& line : lines) array.Add(J::String(line.toStdU16String()));
    return array;
}

J Text(const QString& text) { return J::String(text.toStdU16String()); }

J PageFormatToJson(const TPageFormat& f) {
    J object = J::MakeObject();
    for (const TPageElement e : AllPageElements) object.Set(FaceKeyOf(e), Text(f.Face(e)));
    for (const TPageElement e : AllPageElements) object.Set(SizeKeyOf(e), J::Number(f.FontSize(e)));
    object.Set("MarginWidth", J::Real(f.MarginWidth));
    object.Set("BorderIndex", J::Number(f.BorderIndex));
    object.Set("GridHPosition", J::Number(f.GridHPosition));
    object.Set("SolutionStyle", J::Number(f.SolutionStyle));
    object.Set("SolutionColor", J::Number(f.SolutionColor));
    object.Set("RequestedClueColumns", J::Number(f.RequestedClueColumns));
    object.Set("ClueTextFont", Text(f.ClueTextFont));
    object.Set("ClueTextFontSize", J::Number(f.ClueTextFontSize));
    object.Set("ClueTextFontColor", J::Number(f.ClueTextFontColor));
    object.Set("ClueAlignment", J::Number(f.ClueAlignment));
    return object;
}

}  // namespace

std::string FormatPuzzleText(const TWordSearch& puzzle) {
    const TEngineState& state = puzzle.State();
    std::string text;
    for (int r = 1; r <= puzzle.ActualRows; ++r) {
        for (int c = 1; c <= puzzle.ActualColumns; ++c) {
            if (c > 1) text.push_back(' ');
            text += CellText(state, puzzle.Grid[c][r]);
        }
        text.push_back('\n');
    }

    std::size_t width = 0;
    for (int i = 1; i <= state.WordCount; ++i)
        if (puzzle.Placements[i].Placed) width = std::max(width, state.WordList[i].GridWord.size());
    // No placed word is longer than a grid side; a damaged file must not widen every line.
    width = std::min<std::size_t>(width, MaxGridSize);
    std::string placed;
    std::vector<int> unplaced;
    for (int k = 1; k <= state.WordCount; ++k) {
        const int i = state.DisplayIndex[k];
        const TWordPlacement& p = puzzle.Placements[i];
        if (!p.Placed) {
            unplaced.push_back(i);
            continue;
        }
        const std::u16string word = state.WordText(i);
        placed += PadRight(Utf8Bytes(word), width, state.WordList[i].GridWord.size()) + " " + PadLeft(std::to_string(p.Column), 3) +
                  " " + PadLeft(std::to_string(p.Row), 3) + "  " + DirectionNames[p.Direction <= 8 ? p.Direction : 0] + "\n";
    }

    if (!placed.empty()) text += "\n" + placed;
    text += "\nWords that did not fit: " + std::to_string(unplaced.size()) + "\n";
    for (const int i : unplaced) {
        text += Utf8Bytes(state.WordText(i));
        // The search says why a word is left out; the classic builds only that it is.
        if (const QString why = UnplacedReason(puzzle, i); !why.isEmpty()) text += " (" + why.toStdString() + ")";
        text += "\n";
    }
    if (puzzle.PackResult.TimeLimitHit) text += "The search stopped at its time limit; the grid is the best it found.\n";
    if (!puzzle.AccidentalWords.empty()) {
        text += "\nWords spelled by the grid's own letters: " + std::to_string(puzzle.AccidentalWords.size()) + "\n";
        for (const TAccidentalWord& a : puzzle.AccidentalWords)
            text += Utf8Bytes(a.Word) + " (column " + std::to_string(a.Column) + ", row " + std::to_string(a.Row) +
                    ", " + DirectionNames[a.Direction <= 8 ? a.Direction : 0] + ")\n";
    }
    return text;
}

JsonValue PuzzleToJson(const TWordSearch& puzzle) {
    const TEngineState& state = puzzle.State();

    J grid = J::MakeArray();
    J cellWords = J::MakeArray();
    J firstLetters = J::MakeArray();
    J cells = J::MakeArray();
    for (int r = 1; r <= puzzle.ActualRows; ++r) {
        std::u16string line;
        J rowCells = J::MakeArray();
        std::vector<std::u16string> texts;
        for (int c = 1; c <= puzzle.ActualColumns; ++c) {
            texts.push_back(state.Cells.Text(puzzle.Grid[c][r]));
            line += texts.back();
            J indices = J::MakeArray();
            for (const char16_t index : puzzle.WordListIndicies[c][r]) indices.Add(J::Number(index));
            rowCells.Add(std::move(indices));
            if (puzzle.SolutionFlags[c][r] & FirstLetterFlag)
                firstLetters.Add(J::MakeArray({J::Number(c), J::Number(r)}));
        }
        grid.Add(J::String(std::move(line)));
        cells.Add(CellArray(texts));
        cellWords.Add(std::move(rowCells));
    }

    J words = J::MakeArray();
    for (int i = 1; i <= state.WordCount; ++i) {
        const TWordRecord& record = state.WordList[i];
        const TWordPlacement& p = puzzle.Placements[i];
        words.Add(J::MakeObject({
            {"index", J::Number(i)},
            {"item", J::String(record.ItemText)},
            {"grid_word", J::String(state.WordText(i))},
            {"cells", CellArray(state.Cells.Texts(record.GridWord))},
            {"clue", J::String(record.ClueText)},
            {"placed", J::Bool(p.Placed)},
            {"column", J::Number(p.Column)},
            {"row", J::Number(p.Row)},
            {"direction", J::Number(p.Direction)},
            {"path", J::String(Widen(p.Path))},
        }));
    }

    J displayOrder = J::MakeArray();
    J unplaced = J::MakeArray();
    for (int k = 1; k <= state.WordCount; ++k) {
        const int i = state.DisplayIndex[k];
        displayOrder.Add(J::Number(i));
        if (!puzzle.Placements[i].Placed) unplaced.Add(J::String(state.WordText(i)));
    }

    J directionCounts = J::MakeArray();
    for (const std::int32_t count : puzzle.DirectionCounts) directionCounts.Add(J::Number(count));

    J result = J::MakeObject({
        {"columns", J::Number(puzzle.ActualColumns)},
        {"rows", J::Number(puzzle.ActualRows)},
        {"constructed", J::Bool(puzzle.Constructed)},
        {"grid", std::move(grid)},
        {"cells", std::move(cells)},
        {"words", std::move(words)},
        {"display_order", std::move(displayOrder)},
        {"unplaced", std::move(unplaced)},
        {"cell_words", std::move(cellWords)},
        {"first_letters", std::move(firstLetters)},
        {"direction_counts", std::move(directionCounts)},
    });
    // Only a checked grid has the report, so an unchecked one prints as it always did.
    if (state.Settings.AccidentalCheck != AccidentalNone) {
        J accidental = J::MakeArray();
        for (const TAccidentalWord& a : puzzle.AccidentalWords)
            accidental.Add(J::MakeObject({
                {"word", J::String(a.Word)},
                {"column", J::Number(a.Column)},
                {"row", J::Number(a.Row)},
                {"direction", J::Number(a.Direction)},
            }));
        result.Set("accidental", std::move(accidental));
    }
    return result;
}

JsonValue ModelToJson(const TPuzzle& puzzle) {
    J directions = J::MakeArray();
    for (const bool on : puzzle.Directions) directions.Add(J::Bool(on));
    return J::MakeObject({
        {"title", Lines(puzzle.TitleLines)},
        {"worksheet_left", Lines(puzzle.WorksheetLeftLines)},
        {"worksheet_right", Lines(puzzle.WorksheetRightLines)},
        {"instructions", Lines(puzzle.InstructionLines)},
        {"instructions_included", J::Bool(puzzle.InstructionsIncluded)},
        {"hidden_message", Lines(puzzle.HiddenMessageLines)},
        {"word_list", Lines(puzzle.WordLines)},
        {"created_by", Text(puzzle.CreditsName)},
        {"created_for", Text(puzzle.CreditsRecipient)},
        {"credits_line", Text(puzzle.CreditsLine)},
        {"hidden_option", J::Bool(puzzle.Type.HiddenMessage)},
        {"clues_option", J::Bool(puzzle.Type.CustomClues)},
        {"directions", std::move(directions)},
        {"sharing", J::Number(puzzle.SharingLevel)},
        {"capitalization", Text(CapitalizationName(puzzle.Capitalization))},
        {"language", Text(puzzle.LanguageInUse())},
        {"filler", Text(FillerModeName(puzzle.FillerInUse()))},
        {"requested_columns", J::Number(puzzle.RequestedColumns)},
        {"requested_rows", J::Number(puzzle.RequestedRows)},
        {"auto_instructions", J::Number(int(puzzle.InstructionsMode))},
        {"page_format", PageFormatToJson(puzzle.Format)},
    });
}

}  // namespace vorlix::cli
