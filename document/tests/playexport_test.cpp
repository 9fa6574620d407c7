// The interactive page: its data escaped inside the page, the cells of every word, the
// security policy over its own script and style, its size and all-or-nothing saving.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "failingdevice.h"
#include "playexport.h"
#include "testpuzzle.h"
#include "textexport.h"

namespace vorlix::test {
namespace {

// The text between the first `open` and the `close` after it.
QByteArray Between(const QByteArray& page, const QByteArray& open, const QByteArray& close) {
    const qsizetype from = page.indexOf(open);
    if (from < 0) return {};
    const qsizetype start = from + open.size();
    const qsizetype end = page.indexOf(close, start);
    return end < 0 ? QByteArray() : page.mid(start, end - start);
}

QByteArray DataOf(const QByteArray& page) {
    return Between(page, "<script type=\"application/json\" id=\"puzzle-data\">", "</script>");
}

QJsonObject JsonOf(const QByteArray& page) { return QJsonDocument::fromJson(DataOf(page)).object(); }

// Protects: no typed text can end the data's script element or become markup: every text
// arrives in the data with '<', '>', '&', U+2028 and U+2029 escaped, and reads back as typed
// (half a surrogate pair as U+FFFD).
TEST(PlayExport, EveryTextEscapedInTheData) {
    const QString hostile = u"</script><b>&x\u2028y\u2029\"\\\t"_qs + QChar(0xD800) + u"<!--"_qs;
    const QString readBack = QString(hostile).replace(QChar(0xD800), QChar(QChar::ReplacementCharacter));
    TTestPuzzle t;
    TPuzzle& p = t.puzzle;
    p.Type = {true, true};
    t.HandMade({u"<&"_qs}, QStringList{u"xy/"_qs + hostile});
    p.TitleLines = p.WorksheetLeftLines = p.WorksheetRightLines = p.InstructionLines = p.HiddenMessageLines = {hostile};
    p.CreditsLine = hostile;
    const QByteArray page = PlayPageBytes(p, {});
    const QByteArray data = DataOf(page);
    ASSERT_FALSE(data.isEmpty());
    for (const char* raw : {"<", ">", "&", "\xE2\x80\xA8", "\xE2\x80\xA9"}) EXPECT_FALSE(data.contains(raw)) << raw;
    EXPECT_EQ(page.count("</script>"), 2);

    const QJsonObject o = JsonOf(page);
    for (const char* key : {"title", "worksheetLeft", "worksheetRight", "instructions"})
        EXPECT_EQ(o.value(QLatin1StringView(key)).toArray().at(0).toString(), readBack) << key;
    EXPECT_EQ(o.value("credits").toString(), readBack);
    EXPECT_EQ(o.value("message").toString(), readBack);
    EXPECT_EQ(o.value("words").toArray().at(0).toObject().value("text").toString(), readBack);
    EXPECT_EQ(o.value("cells").toArray(), (QJsonArray{u"<"_qs, u"&"_qs}));
    EXPECT_TRUE(o.value("clues").toBool());
}

// Protects: the page finds each word by its cells: straight words in every direction, a
// bending word by its path, placements cut at the grid's edge; unplaced words stay out,
// blank cells are empty texts, the display order is kept.
TEST(PlayExport, WordsAsTheirCells) {
    TTestPuzzle t;
    t.HandMade({u"CATS"_qs, u"\1OWL"_qs, u"DOGE"_qs},
               {{u"cat"_qs, 1, 1, East},
                {u"god"_qs, 3, 3, West},
                {u"owl"_qs, 2, 2, East},
                {u"cod"_qs, 1, 1, SouthEast},
                {u"tale"_qs, 3, 1, NoDirection},
                {u"eel"_qs, 0, 0, 0},
                {u"sly"_qs, 4, 1, South},
                {u"yell"_qs, 4, 3, East}});
    t.Edit([](TWordSearch& ws) {
        ws.Placements[4].Path = "54";   // down, then down-right
        ws.Placements[5].Path = "753";  // left, down, right
    });
    const QJsonObject data = JsonOf(PlayPageBytes(t.puzzle, {}));
    EXPECT_EQ(data.value("columns").toInt(), 4);
    EXPECT_EQ(data.value("rows").toInt(), 3);
    EXPECT_EQ(data.value("cells").toArray().at(4).toString(), QString());
    EXPECT_EQ(data.value("cells").toArray().at(5).toString(), u"O"_qs);

    struct Expected {
        const char* Text;
        QJsonArray Cells;
    };
    // The list's display order is alphabetical; "eel" is not placed.
    const Expected expected[] = {
        {"cat", {1, 1, 2, 1, 3, 1}},
        {"cod", {1, 1, 1, 2, 2, 3}},
        {"god", {3, 3, 2, 3, 1, 3}},
        {"owl", {2, 2, 3, 2, 4, 2}},
        {"sly", {4, 1, 4, 2, 4, 3}},
        {"tale", {3, 1, 2, 1, 2, 2, 3, 2}},
        {"yell", {4, 3}},  // runs off the grid after its first cell
    };
    const QJsonArray words = data.value("words").toArray();
    ASSERT_EQ(words.size(), std::size(expected));
    for (qsizetype i = 0; i < words.size(); ++i) {
        SCOPED_TRACE(expected[i].Text);
        EXPECT_EQ(words[i].toObject().value("text").toString(), QString::fromLatin1(expected[i].Text));
        EXPECT_EQ(words[i].toObject().value("cells").toArray(), expected[i].Cells);
    }
}

// Protects: the page's own script and style run under its policy (their hashes are in it),
// nothing else may load, and the options reach the data.
TEST(PlayExport, PolicyCoversItsOwnScriptAndStyle) {
    TTestPuzzle t;
    t.HandMade({u"AB"_qs}, QStringList{u"ab"_qs});
    const QByteArray page = PlayPageBytes(t.puzzle, TPlayOptions{true});
    const QByteArray policy = Between(page, "<meta http-equiv=\"Content-Security-Policy\" content=\"", "\"");
    EXPECT_TRUE(policy.startsWith("default-src 'none';")) << policy.constData();
    const QByteArray style = Between(page, "<style>", "</style>");
    const qsizetype lastScript = page.lastIndexOf("<script>");
    const QByteArray script = Between(page.mid(lastScript), "<script>", "</script>");
    ASSERT_FALSE(style.isEmpty());
    ASSERT_FALSE(script.isEmpty());
    for (const QByteArray& source : {style, script}) {
        const QByteArray hash = QCryptographicHash::hash(source, QCryptographicHash::Sha256).toBase64();
        EXPECT_TRUE(policy.contains("'sha256-" + hash + "'"));
    }
    EXPECT_FALSE(page.contains(" src=") || page.contains(" href=") || page.contains("@import"));
    EXPECT_TRUE(JsonOf(page).value("mystery").toBool());
    EXPECT_FALSE(JsonOf(PlayPageBytes(t.puzzle, {})).value("mystery").toBool());
}

// Protects: a 20 x 20 puzzle with a long word list stays within 150 kB.
TEST(PlayExport, TwentyByTwentyWithinSizeLimit) {
    TTestPuzzle t;
    QStringList words;
    for (const QString& w : AnimalWords) words << w + u"/a clue about the "_qs + w + u" that runs long"_qs;
    t.puzzle.Type.CustomClues = true;
    t.Build(words, 20, 20);
    ASSERT_EQ(t.puzzle.Grid().ActualColumns, 20);
    const QByteArray page = PlayPageBytes(t.puzzle, {});
    EXPECT_LE(page.size(), 150 * 1000);
    EXPECT_EQ(JsonOf(page).value("cells").toArray().size(), 400);
}

// Protects: a write that fails part-way leaves the previous file and no temporary.
TEST(PlayExport, FailedWriteKeepsOldFile) {
    TTestPuzzle t;
    t.HandMade({u"AB"_qs}, QStringList{u"ab"_qs});
    QTemporaryDir dir;
    const QString path = dir.filePath(u"play.html"_qs);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("previous page\n") > 0);
    old.close();
    const auto failAfterTen = [&](QIODevice& out) {
        TFailingDevice dev(out, 10);
        return WritePlayPage(dev, t.puzzle, {});
    };
    EXPECT_FALSE(SaveExportFile(path, failAfterTen, t.host));
    EXPECT_EQ(t.host.Texts().size(), 1);
    EXPECT_EQ(ReadAll(path), QByteArray("previous page\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"play.html"_qs});
    EXPECT_TRUE(SavePlayPage(path, t.puzzle, {}, t.host));
    EXPECT_TRUE(ReadAll(path).startsWith("<!DOCTYPE html>"));
}

}  // namespace
}  // namespace vorlix::test
