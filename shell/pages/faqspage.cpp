#include "faqspage.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "link.h"
#include "pagehost.h"
#include "puzzlemodel.h"
#include "services.h"

namespace vorlix::shell {

namespace {

constexpr int MaxSpans = 50;

// Replaces up to 50 spans between open and close (markers removed) with before + span + after.
QString MarkSpans(const QString& text, QChar open, QChar close, const QString& before, const QString& after) {
    QString out;
    int pos = 0;
    int spans = 0;
    while (spans < MaxSpans) {
        const int start = text.indexOf(open, pos);
        if (start < 0) break;
        const int end = text.indexOf(close, start + 1);
        if (end < 0) break;
        out += text.mid(pos, start - pos) + before + text.mid(start + 1, end - start - 1) + after;
        pos = end + 1;
        ++spans;
    }
    return out + text.mid(pos);
}

}  // namespace

QString FormatQuestionsText(const QString& text) {
    // Markers are chosen so escaping cannot create or break them.
    QString html = text.toHtmlEscaped();
    html = MarkSpans(html, u'{', u'}', QStringLiteral("<b>"), QStringLiteral("</b>"));
    html = MarkSpans(html, u'[', u']', QStringLiteral("<b><font color=\"#000080\">"), QStringLiteral("</font></b>"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return html;
}

QString QuestionsText() {
    return QStringLiteral(
        "[How big will my grid be?]\n"
        "Leave Columns and Rows on {Automatic} and Vorlix picks the smallest grid that holds your words well. "
        "Choose a number for either to fix it; words that cannot fit are listed in red on the Finished Puzzle page.\n\n"
        "[Which directions should I allow?]\n"
        "For young readers choose {across} and {down} only on the Word Directions page. Backwards and diagonal words "
        "make a harder puzzle. The instructions are updated to say which directions you chose.\n\n"
        "[What does letter sharing mean?]\n"
        "Words may cross and share letters. {Don't allow words to cross} is easiest for small children; sharing a "
        "few letters makes a compact, more challenging grid.\n\n"
        "[How do I make a puzzle with clues?]\n"
        "Choose {Word Search with Clues} as the puzzle type, then type one word/clue pair per line, for example "
        "{Dover / Capital of Delaware}. Only the clues are printed; the children find the answers in the grid.\n\n"
        "[What is a hidden message?]\n"
        "With {Word Search with Hidden Message}, type a short message. Vorlix places it in the letters your words "
        "leave free, read left to right, top line to bottom line, so the solver discovers it last.\n\n"
        "[Can I give each pupil a different version?]\n"
        "Yes. On the Print page choose how many copies and how many different forms: forms are the same puzzle "
        "turned and mirrored, or choose that {all puzzles are unique}. Solutions can be printed for each form.\n\n"
        "[Can I put the puzzle on a web page or in a document?]\n"
        "Use {Export} for a web page, plain text or a picture (PNG, BMP, SVG or EMF), saved to a file or copied to "
        "the clipboard.\n\n"
        "[Where are my puzzles and preferences kept?]\n"
        "Puzzles are saved where you choose, as {.ws} files; open them again with Open. Your preferences and the "
        "options you memorize are kept in your settings folder (~/.config/Tandrel/Kestov.conf).\n\n"
        "[Who made Vorlix?]\n"
        "See About Us below.");
}

TFaqsPage::TFaqsPage(IPageHost& host)
    : TPage(host, QStringLiteral("FAQs"), QStringLiteral("FAQs_Bnr"), QStringLiteral("Frequently Asked Questions")) {
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("FAQs_Memo"));
    text->setAccessibleName(QStringLiteral("Frequently Asked Questions"));
    text->setReadOnly(true);
    text->setOpenLinks(false);
    text->setFrameShape(QFrame::NoFrame);
    text->setHtml(FormatQuestionsText(QuestionsText()));
    Body()->addWidget(text, 1);
    MakeLink(QStringLiteral("FAQs_AboutLnk"), QStringLiteral("About Us"),
             [this] { Host().TurnPage(QStringLiteral("About")); }, Body());
}

}  // namespace vorlix::shell
