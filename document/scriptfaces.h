// Faces for letters the chosen face lacks: the Noto face of each script, so a page in any
// alphabet draws every letter with a real glyph, and the chosen face wherever it has them.
#pragma once

#include <QString>
#include <QStringList>

namespace vorlix {

struct TPuzzle;

// The Noto families that write text's scripts beyond Latin, Greek and Cyrillic (which every
// common face has), in the order the scripts first occur; serif faces first where Noto has
// them and serif is asked for. Not checked against the installed fonts.
QStringList NotoFamiliesFor(const QString& text, bool serif);

// Whether the face family resolves to (with bold and italic) has a glyph for every letter of
// text; blanks and invisible format characters need none. Cached per face and character.
bool FaceCovers(const QString& family, bool bold, bool italic, const QString& text);

// The face that draws text when family is chosen: family itself when it covers the text, else
// the first installed Noto face for the script of the first letter it lacks (serif when the
// chosen face is a serif one), else family, and Qt finds what glyphs it can.
QString CoveringFamily(const QString& family, bool bold, bool italic, const QString& text);

// Whether a line reads right to left: its first strong letter belongs to a right-to-left
// script such as Hebrew or Arabic.
inline bool ReadsRightToLeft(const QString& line) { return line.isRightToLeft(); }

// Whether any cell of the puzzle's grid is in a right-to-left script: exports must then keep
// the rows in column order themselves.
bool GridHasRightToLeft(const TPuzzle& puzzle);

}  // namespace vorlix
