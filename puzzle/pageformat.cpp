#include "pageformat.h"

#include "preferences.h"

namespace vorlix {

QString HtmlFaceOf(const QString& fontName) {
    // Case-sensitive and cumulative, so "Arial Times" gets both suffixes.
    QString face = fontName;
    if (fontName.contains(QStringLiteral("Arial"))) face += QStringLiteral(", Helvetica, sans-serif");
    if (fontName.contains(QStringLiteral("Times"))) face += QStringLiteral(", serif");
    if (fontName.contains(QStringLiteral("Courier"))) face += QStringLiteral(", monospace");
    return face;
}

QString HtmlSizeOf(int points) {
    if (points < 9) return QStringLiteral("1");
    if (points <= 10) return QStringLiteral("2");
    if (points <= 13) return QStringLiteral("3");
    if (points <= 16) return QStringLiteral("4");
    if (points <= 20) return QStringLiteral("5");
    if (points <= 30) return QStringLiteral("6");
    return QStringLiteral("7");
}

namespace {

struct ElementFields {
    QString TPageFormat::*face;
    int TPageFormat::*size;
    QString TPageFormat::*htmlFace;
    QString TPageFormat::*htmlSize;
    const char* faceKey;
    const char* sizeKey;
};

const ElementFields& FieldsOf(TPageElement e) {
    using F = TPageFormat;
    static const std::array<ElementFields, 6> fields = {{
        {&F::TitleFont, &F::TitleFontSize, &F::TitleHtmlFace, &F::TitleHtmlSize, "TitleFont", "TitleFontSize"},
        {&F::WorksheetFont, &F::WorksheetFontSize, &F::WorksheetHtmlFace, &F::WorksheetHtmlSize, "WorksheetFont",
         "WorksheetFontSize"},
        {&F::InstructionsFont, &F::InstructionsFontSize, &F::InstructionsHtmlFace, &F::InstructionsHtmlSize,
         "InstructionsFont", "InstructionsFontSize"},
        {&F::GridFont, &F::GridFontSize, &F::GridHtmlFace, &F::GridHtmlSize, "GridFont", "GridFontSize"},
        {&F::WordlistFont, &F::WordlistFontSize, &F::WordlistHtmlFace, &F::WordlistHtmlSize, "WordlistFont",
         "WordlistFontSize"},
        {&F::CreditsFont, &F::CreditsFontSize, &F::CreditsHtmlFace, &F::CreditsHtmlSize, "CreditsFont",
         "CreditsFontSize"},
    }};
    return fields[static_cast<std::size_t>(e)];
}

}  // namespace

const QString& TPageFormat::Face(TPageElement e) const { return this->*FieldsOf(e).face; }
int TPageFormat::FontSize(TPageElement e) const { return this->*FieldsOf(e).size; }
const QString& TPageFormat::HtmlFace(TPageElement e) const { return this->*FieldsOf(e).htmlFace; }
const QString& TPageFormat::HtmlSize(TPageElement e) const { return this->*FieldsOf(e).htmlSize; }

void TPageFormat::SetFace(TPageElement e, const QString& face) {
    const ElementFields& f = FieldsOf(e);
    this->*f.face = face;
    this->*f.htmlFace = HtmlFaceOf(face);
}

void TPageFormat::SetFontSize(TPageElement e, int points) {
    const ElementFields& f = FieldsOf(e);
    this->*f.size = points;
    this->*f.htmlSize = HtmlSizeOf(points);
}

void TPageFormat::UpdateHtmlCompanions() {
    for (TPageElement e : AllPageElements) {
        SetFace(e, Face(e));
        SetFontSize(e, FontSize(e));
    }
}

void TPageFormat::TakePreferredAppearance(const TPageFormat& from) {
    for (TPageElement e : AllPageElements) {
        SetFace(e, from.Face(e));
        SetFontSize(e, from.FontSize(e));
    }
    MarginWidth = from.MarginWidth;
    BorderIndex = from.BorderIndex;
    GridHPosition = from.GridHPosition;
    SolutionStyle = from.SolutionStyle;
    RequestedClueColumns = from.RequestedClueColumns;
    ClueAlignment = from.ClueAlignment;
}

void TPageFormat::ResetToPreferences(const TPreferences& prefs) { TakePreferredAppearance(prefs.PageFormat); }

const char* FaceKeyOf(TPageElement e) { return FieldsOf(e).faceKey; }
const char* SizeKeyOf(TPageElement e) { return FieldsOf(e).sizeKey; }

}  // namespace vorlix
