// The appearance of the printed page, each field named after its puzzle-file key.
#pragma once

#include <array>
#include <cstdint>

#include <QString>

namespace vorlix {

struct TPreferences;

// Colour values as the puzzle file writes them.
constexpr std::int32_t NoColor = 536870911;
constexpr std::int32_t WindowTextColor = -2147483640;  // the system's window-text colour

// The six page elements that carry a font.
enum class TPageElement { Title, Worksheet, Instructions, Grid, Wordlist, Credits };
constexpr std::array<TPageElement, 6> AllPageElements = {TPageElement::Title,    TPageElement::Worksheet,
                                                         TPageElement::Instructions, TPageElement::Grid,
                                                         TPageElement::Wordlist, TPageElement::Credits};

// The web page's face for a font name: ", Helvetica, sans-serif" after Arial, ", serif"
// after Times, ", monospace" after Courier (each tested, so a name may collect several).
QString HtmlFaceOf(const QString& fontName);
// The web page's font size "1".."7" for a point size.
QString HtmlSizeOf(int points);

struct TPageFormat {
    QString TitleFont = QStringLiteral("Comic Sans MS");
    QString WorksheetFont = QStringLiteral("Arial");
    QString InstructionsFont = QStringLiteral("Times New Roman");
    QString GridFont = QStringLiteral("Arial");
    QString WordlistFont = QStringLiteral("Times New Roman");
    QString CreditsFont = QStringLiteral("Arial");
    int TitleFontSize = 36;
    int WorksheetFontSize = 12;
    int InstructionsFontSize = 12;
    int GridFontSize = 12;
    int WordlistFontSize = 12;
    int CreditsFontSize = 8;
    double MarginWidth = 0.75;  // inches
    int BorderIndex = 0;        // 0..7
    int GridHPosition = 1;      // 0 Left, 1 Center, 2 Right
    int SolutionStyle = 0;      // 0 loops, 1 thin lines, 2 thick marker
    std::int32_t SolutionColor = NoColor;
    int RequestedClueColumns = 0;  // 0 Automatic, 1..9
    QString ClueTextFont;          // read from files only; empty leaves the face as it is
    int ClueTextFontSize = 10;
    std::int32_t ClueTextFontColor = WindowTextColor;
    int ClueAlignment = 1;  // 0 Left, 1 Center, 2 Right

    // Web-page companions of the faces and sizes. Kept current by SetFace/SetFontSize
    // and UpdateHtmlCompanions; whoever assigns a face or size directly calls the latter.
    QString TitleHtmlFace, TitleHtmlSize;
    QString WorksheetHtmlFace, WorksheetHtmlSize;
    QString InstructionsHtmlFace, InstructionsHtmlSize;
    QString GridHtmlFace, GridHtmlSize;
    QString WordlistHtmlFace, WordlistHtmlSize;
    QString CreditsHtmlFace, CreditsHtmlSize;

    TPageFormat() { UpdateHtmlCompanions(); }
    bool operator==(const TPageFormat&) const = default;

    const QString& Face(TPageElement e) const;
    int FontSize(TPageElement e) const;
    const QString& HtmlFace(TPageElement e) const;
    const QString& HtmlSize(TPageElement e) const;
    void SetFace(TPageElement e, const QString& face);
    void SetFontSize(TPageElement e, int points);
    void UpdateHtmlCompanions();

    // Faces, sizes, margin, frame, grid position, solution style, word-list columns and
    // alignment: what the preferences keep of a page format. SolutionColor and the
    // clue-text font stay.
    void TakePreferredAppearance(const TPageFormat& from);
    void ResetToPreferences(const TPreferences& prefs);
};

// The puzzle-file key of each element's face and size ("TitleFont", "TitleFontSize", ...).
const char* FaceKeyOf(TPageElement e);
const char* SizeKeyOf(TPageElement e);

}  // namespace vorlix
