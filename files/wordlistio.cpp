#include "wordlistio.h"

#include "safewrite.h"
#include "textcodec.h"

namespace vorlix {

namespace {

bool EndsWithNoCase(const QString& name, QStringView ending) {
    return name.size() > 3 && name.endsWith(ending, Qt::CaseInsensitive);
}

QString DropThroughTab(const QString& text) {
    const qsizetype tab = text.indexOf(u'\t');
    return tab < 0 ? text : text.mid(tab + 1);
}


}  // namespace

WordListFileKind WordListFileKindOf(const QString& fileName) {
    if (EndsWithNoCase(fileName, u".ws")) return WordListFileKind::PuzzleFile;
    if (EndsWithNoCase(fileName, u".gmr")) return WordListFileKind::Gridmoor;
    if (EndsWithNoCase(fileName, u".thm")) return WordListFileKind::ThemeWords;
    return WordListFileKind::PlainText;
}

TThemeWordLine SplitThemeWordLine(const QString& line) {
    TThemeWordLine parts;
    const qsizetype pair = line.indexOf(u"\t|");
    if (pair < 0) {
        parts.Word = line;
    } else {
        parts.Word = line.left(pair);
        parts.Clue = line.mid(pair + 2);
        parts.HasClue = true;
    }
    return parts;
}

QString JoinThemeWordLine(const TThemeWordLine& parts, const TWordListStyle& style) {
    if (!style.CustomClues) return parts.Word;
    return parts.Word + u' ' + QChar(style.ClueSeparator) + parts.Clue;
}

QString ImportNotFoundMessage(const QString& fileName) { return fileName + QStringLiteral(" was not found."); }

QString ImportReadErrorMessage(const QString& fileName) {
    return QStringLiteral("A system error occurred while opening file ") + fileName +
           QStringLiteral(".  Some or all of the file may not have imported properly.");
}

QString TooManyLinesQuestion() {
    return QStringLiteral("This file has over ") + QString::number(WordListQuestionLines) +
           QStringLiteral(" lines.") +
           QStringLiteral("It is unlikely that that many lines can be useful in a word puzzle. "
                          "Too many lines may also cause the program to behave strangely. "
                          "Do you want to continue and attempt to load the rest of the lines? "
                          "(The recommended answer is \"No\".)");
}

QString LineLimitMessage() {
    return QStringLiteral("Limiting the number of lines to ") + QString::number(WordListLimitLines) +
           QStringLiteral(" lines. ");
}

QString ExportErrorMessage() {
    return QStringLiteral(
        "An error occurred while attempting to export your word list. You may wish to check it or try again.");
}

namespace {

// The import proper over any source of lines: next gives the following line and false at
// the end, so a huge file is split only as far as the limit reads.
template <typename NextLine>
void ImportLines(NextLine next, WordListFileKind kind, const TWordListStyle& style, QStringList& memo,
                 const TContinueQuestion& goOn, TReport& report) {
    bool inside = kind == WordListFileKind::PlainText || kind == WordListFileKind::ThemeWords;
    // Lines outside a section add nothing, so the count can sit at 250 for several
    // lines; the question is still asked only once.
    bool asked = false;
    int cleaned = 0;
    int shortened = 0;
    const auto append = [&](QStringView text) {
        int removed = 0;
        memo.append(CleanText(text, &removed));
        cleaned += removed > 0;
    };
    QStringView view;
    const auto importAll = [&] {
        while (next(view)) {
            if (memo.size() == WordListQuestionLines && !asked) {
                asked = true;
                if (goOn && !goOn()) return;
            }
            if (memo.size() >= WordListLimitLines) {
                report.Add(MessageKind::Information, LineLimitMessage());
                return;
            }
            // No entry needs more; a line of megabytes would only be copied from step to step.
            if (view.size() > WordListLineMaxLength) {
                view.truncate(WordListLineMaxLength);
                ++shortened;
            }
            if (kind == WordListFileKind::PlainText) {
                append(view);
                continue;
            }
            const QString line = view.toString();
            switch (kind) {
                case WordListFileKind::PlainText:
                    break;
                case WordListFileKind::ThemeWords:
                    append(JoinThemeWordLine(SplitThemeWordLine(line), style));
                    break;
                case WordListFileKind::PuzzleFile:
                    if (line.startsWith(u"END REQUESTED WORD LIST")) inside = false;
                    if (inside) append(line.mid(1));
                    if (line.startsWith(u"REQUESTED WORD LIST:")) inside = true;
                    break;
                case WordListFileKind::Gridmoor:
                    if (line.startsWith(u"END THEME WORDS")) inside = false;
                    if (inside) {
                        const QString fields = DropThroughTab(DropThroughTab(line.mid(1)));
                        append(JoinThemeWordLine(SplitThemeWordLine(fields), style));
                    }
                    if (line.startsWith(u"THEME WORDS:")) inside = true;
                    break;
            }
        }
    };
    importAll();
    if (shortened > 0) report.Add(MessageKind::Warning, ShortenedLinesMessage(shortened));
    if (cleaned > 0) report.Add(MessageKind::Warning, CleanedLinesMessage(cleaned));
}

}  // namespace

QString CleanedLinesMessage(int count) {
    return QString::number(count) +
           QStringLiteral(" imported line(s) held control or invisible characters, which cannot be letters of a "
                          "puzzle; they were removed.");
}

QString ShortenedLinesMessage(int count) {
    return QString::number(count) + QStringLiteral(" imported line(s) were longer than ") +
           QString::number(WordListLineMaxLength) + QStringLiteral(" characters and were cut there.");
}

void ImportWordListLines(const QStringList& fileLines, WordListFileKind kind, const TWordListStyle& style,
                         QStringList& memo, const TContinueQuestion& goOn, TReport& report) {
    qsizetype at = 0;
    const auto next = [&](QStringView& line) {
        if (at >= fileLines.size()) return false;
        line = fileLines[at++];
        return true;
    };
    ImportLines(next, kind, style, memo, goOn, report);
}

void ImportWordListText(QStringView text, WordListFileKind kind, const TWordListStyle& style, QStringList& memo,
                        const TContinueQuestion& goOn, TReport& report) {
    // The same breaks as SplitLines: CR LF, LF or CR, none after the last line.
    qsizetype at = 0;
    const auto next = [&](QStringView& line) {
        if (at >= text.size()) return false;
        qsizetype end = at;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
        line = text.sliced(at, end - at);
        at = end;
        if (at < text.size()) at += (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') ? 2 : 1;
        return true;
    };
    ImportLines(next, kind, style, memo, goOn, report);
}

bool ImportWordList(const QString& fileName, const TWordListStyle& style, QStringList& memo,
                    const TContinueQuestion& goOn, TReport& report) {
    QByteArray bytes;
    if (!ReadWholeFileReporting(fileName, bytes, report, ImportNotFoundMessage(fileName),
                                ImportReadErrorMessage(fileName)))
        return false;
    ImportWordListText(DecodeWordListText(bytes), WordListFileKindOf(fileName), style, memo, goOn, report);
    return true;
}

QStringList FormatWordListExport(const QStringList& memo, bool themeFile, const TWordListStyle& style) {
    if (!themeFile || !style.CustomClues) return memo;
    QStringList lines;
    lines.reserve(memo.size());
    for (const QString& line : memo) {
        const qsizetype sep = line.indexOf(QChar(style.ClueSeparator));
        // A line without a clue stays a plain word rather than becoming an empty word
        // with the line as its clue.
        if (sep < 0) {
            lines.append(line);
            continue;
        }
        QString word = line.left(sep);
        qsizetype end = word.size();
        while (end > 0 && word[end - 1] == u' ') --end;
        word.truncate(end);
        lines.append(word + QStringLiteral("\t|") + line.mid(sep + 1));
    }
    return lines;
}

QByteArray WordListExportBytes(const QString& fileName, const QStringList& memo, const TWordListStyle& style) {
    const bool themeFile = fileName.size() > 3 && fileName.endsWith(u".thm", Qt::CaseInsensitive);
    const QString text = JoinLinesCrLf(FormatWordListExport(memo, themeFile, style));
    return themeFile ? EncodeWindows1252OrUtf8Bom(text) : EncodeUtf8(text);
}

bool ExportWordList(const QString& fileName, const QStringList& memo, const TWordListStyle& style,
                    TReport& report) {
    const TWriteResult written = WriteFileAtomically(fileName, WordListExportBytes(fileName, memo, style));
    if (written) return true;
    report.Add(MessageKind::Warning, ExportErrorMessage() + u'\n' + WriteFailureDetail(fileName, written));
    return false;
}

}  // namespace vorlix
