// The web page export: escaping, exact lines of page and fragment, the grid table and the
// word-list columns.
#include <gtest/gtest.h>

#include "htmlexport.h"
#include "testpuzzle.h"

namespace vorlix::test {
namespace {

// The lines of a text; "|" stands for a tab.
QStringList Lines(const QString& text) { return QString(text).replace(u'|', u'\t').split(u'\n'); }

const TExportSections Everything{true, true, true, true, true, false};

// Escaping beyond what the page shows: pairs combine to one code point, half a pair is U+FFFD.
TEST(HtmlExport, EscapePairs) {
    EXPECT_EQ(HtmlEscape(QString::fromStdU16String(u"\U0001F600" + std::u16string(1, char16_t(0xD83D)) + u"x")),
              u"&#128512;&#65533;x"_qs);
    EXPECT_EQ(HtmlNonBreaking(u"Name  <x>"_qs), u"Name&nbsp;&nbsp;&lt;x&gt;"_qs);
}

// The whole page and its fragment line by line: every section, escaping in every typed text (markup,
// non-Latin letters as &#NNN;), a two-line title, 3 + 1 worksheet lines, Courier grid, 10 words in 2
// columns, the unplaced-words comment; the file is ASCII with CR LF.
TEST(HtmlExport, CompletePageLineByLine) {
    TTestPuzzle t;
    TPuzzle& m = t.puzzle;
    m.WorksheetLeftLines = {u"Name ___"_qs, u"Date ___"_qs, u"Class <3>"_qs};
    m.WorksheetRightLines = {u"Score"_qs};
    m.TitleLines = {u"Zoo <b>Day</b>"_qs, u"R&D \u0396"_qs};
    m.InstructionLines = {u"Circle each word & say \"it\"."_qs, u"Have fun!"_qs};
    m.CreditsLine = u"Made by Ann & Bo \u00a9"_qs;
    TPageFormat& f = m.Format;
    f.SetFace(TPageElement::Grid, u"Courier New"_qs);
    f.SetFontSize(TPageElement::Grid, 14);
    f.SetFontSize(TPageElement::Wordlist, 10);
    f.SetFontSize(TPageElement::Title, 36);
    f.GridHPosition = 1;
    f.ClueAlignment = 0;
    f.RequestedClueColumns = 0;
    m.Type.CustomClues = true;  // the clue's markup is listed, and escaped
    t.HandMade({u"CAT"_qs, u"O&G"_qs, u"\u00e9\1Z"_qs},
             {u"ant"_qs, u"bee"_qs, u"cat/a <small> & cute pet"_qs, u"dog"_qs, u"eel"_qs, u"fox"_qs, u"gnu"_qs,
              u"hen"_qs, u"owl"_qs, u"yak"_qs, u"zebra crossing"_qs, u"\u03a9mega"_qs},
             2);

    const QString ws =
        u"<td width=\"5%\" align=\"left\"><font face=\"Arial, Helvetica, sans-serif\" size=\"3\"><nobr>"_qs;
    const QString wl = u"<td width=\"50%\"><font face=\"Times New Roman, serif\" size=\"2\">"_qs;
    const QString blank = u"<td>&nbsp;</td>"_qs;
    const QString gap = u"<td width=\"90%\">&nbsp;</td>"_qs;
    const QStringList expected = Lines(uR"(<html><head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">
<meta name="GENERATOR" content="Vorlix">
<meta name="keywords" content="qzkst">
<title>A Word Search Puzzle</title>
</head>
<body bgcolor="white">

<!--  WORKSHEET  -->
<font face="Arial, Helvetica, sans-serif" size="3">
<table width="95%" border="0" cellpadding="0" cellspacing="0">
<tr>
)"_qs + ws + u"Name&nbsp;___</font></nobr></td>"_qs + gap + ws + uR"(Score</font></nobr></td></tr>
<tr>
)"_qs + ws + u"Date&nbsp;___</font></nobr></td>"_qs + gap + blank + uR"(</tr>
<tr>
)"_qs + ws + u"Class&nbsp;&lt;3&gt;</font></nobr></td>"_qs + gap + blank + uR"(</tr>
</table>
</font>

<!--  TITLE  -->
<font face="Comic Sans MS" size="7">
<Center><p>
Zoo &lt;b&gt;Day&lt;/b&gt;<br>
R&amp;D &#918;
</p></center>
</font>

<!--  INSTRUCTIONS  -->
<p align="left">
<font face="Times New Roman, serif" size="3">
Circle each word &amp; say &quot;it&quot;.
Have fun!
</font>
</p>

<!--  GRID  -->
<div align="Center">
<tt>
<font face="Courier New, monospace" size="4">

&nbsp;&nbsp;C&nbsp;&nbsp;&nbsp;A&nbsp;&nbsp;&nbsp;T&nbsp;&nbsp;<br>
&nbsp;&nbsp;O&nbsp;&nbsp;&nbsp;&amp;&nbsp;&nbsp;&nbsp;G&nbsp;&nbsp;<br>
&nbsp;&nbsp;&#233;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Z&nbsp;&nbsp;<br>
</font>
</tt>
<font face="Arial, Helvetica, sans-serif" size="1">
Made by Ann &amp; Bo &#169;
</font>
<br>
</div>

<!--  WORD LIST  -->
<div align="Center"><p>
<font face="Times New Roman, serif" size="2">
<table width="90%" border="0">
 <tr align="Left">
|)"_qs + wl + u"ant</font></td>"_qs + wl + uR"(fox</font></td></tr>
 <tr align="Left">
|)"_qs + wl + u"bee</font></td>"_qs + wl + uR"(gnu</font></td></tr>
 <tr align="Left">
|)"_qs + wl + u"a &lt;small&gt; &amp; cute pet</font></td>"_qs + wl + uR"(hen</font></td></tr>
 <tr align="Left">
|)"_qs + wl + u"dog</font></td>"_qs + wl + uR"(owl</font></td></tr>
 <tr align="Left">
|)"_qs + wl + u"eel</font></td>"_qs + wl + uR"(yak</font></td></tr>
</table>
</font>
</p></div>

<!-- Unplaced words:
  ZEBRACROSSING
  &#937;MEGA
 -->
</body></html>)"_qs);

    const QStringList page = HtmlPageLines(m, Everything);
    for (qsizetype i = 0; i < std::max(page.size(), expected.size()); ++i)
        EXPECT_EQ(page.value(i), expected.value(i)) << "line " << i;
    EXPECT_EQ(HtmlFragmentLines(m, Everything), expected.mid(7, expected.size() - 8));

    const QByteArray bytes = HtmlBytes(page);  // ASCII, CR LF after every line
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char ch) { return static_cast<unsigned char>(ch) < 128; }));
    EXPECT_TRUE(bytes.startsWith("<html><head>\r\n<meta") && bytes.endsWith("-->\r\n</body></html>\r\n"));
}

// A proportional grid font gets a table sized from the preview; the div follows GridHPosition.
TEST(HtmlExport, TableGridForProportionalFont) {
    TTestPuzzle t;
    t.puzzle.Format.SetFace(TPageElement::Grid, u"Arial"_qs);
    t.puzzle.Format.SetFontSize(TPageElement::Grid, 12);
    t.puzzle.Format.GridHPosition = 2;
    t.HandMade({u"AB"_qs, u"C "_qs}, QStringList{u"ab"_qs});
    const QStringList lines = HtmlFragmentLines(t.puzzle, {false, false, false, true, false, false}, {170, 220, 1.0});
    EXPECT_EQ(lines[2], u"<div align=\"Right\">"_qs);
    EXPECT_EQ(lines.mid(6, 4),
              (QStringList{u"<table border=\"0\" cellspacing=\"0\" cellpadding=\"8\" align=\"center\" width=\"13\">"_qs,
                           u"<tr><td align=\"center\">A</td><td align=\"center\">B</td></tr>"_qs,
                           u"<tr><td align=\"center\">C</td><td align=\"center\">&nbsp;</td></tr>"_qs,
                           u"</table>"_qs}));
}

// 7 words in 3 columns fill top to bottom: widths 34, 33, 33 and two empty places.
TEST(HtmlExport, WordListColumnsFillTopToBottom) {
    TTestPuzzle t;
    t.puzzle.Format.SetFontSize(TPageElement::Wordlist, 10);
    t.puzzle.Format.ClueAlignment = 2;
    t.puzzle.Format.RequestedClueColumns = 3;
    t.HandMade({u"A"_qs}, {u"ax"_qs, u"bx"_qs, u"cx"_qs, u"dx"_qs, u"ex"_qs, u"fx"_qs, u"gx"_qs});
    const QString f = u"<font face=\"Times New Roman, serif\" size=\"2\">"_qs;
    auto row = [&](const char* a, const char* b, const char* c) {
        return u"\t<td width=\"34%\">"_qs + f + QLatin1String(a) + u"</font></td><td width=\"33%\">"_qs + f +
               QLatin1String(b) + u"</font></td><td width=\"33%\">"_qs + f + QLatin1String(c) + u"</font></td></tr>"_qs;
    };
    const QString tr = u" <tr align=\"Right\">"_qs;
    EXPECT_EQ(HtmlFragmentLines(t.puzzle, {false, false, false, false, true, false}).mid(4),
              (QStringList{u"<table width=\"90%\" border=\"0\">"_qs, tr, row("ax", "dx", "gx"), tr,
                           row("bx", "ex", "&nbsp;"), tr, row("cx", "fx", "&nbsp;"), u"</table>"_qs, u"</font>"_qs,
                           u"</p></div>"_qs, u""_qs}));  // every word placed: no comment
}

}  // namespace
}  // namespace vorlix::test
