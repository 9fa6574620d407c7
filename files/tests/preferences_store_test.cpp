// The preferences store, always on a temporary file: never the user's own settings.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "preferences_store.h"
#include "testhost.h"

namespace vorlix {
namespace {

class PreferencesStoreTest : public ::testing::Test {
protected:
    QString IniFile() const { return dir.filePath("Kestov.ini"); }
    QTemporaryDir dir;
    TReport report;  // what the store would have the user told

    QStringList Told() const {
        QStringList texts;
        for (const TReportLine& line : report.Lines) texts << line.Text;
        return texts;
    }
};

// A value of the key's kind unlike its default: a comma and quotes in texts, "%" and a
// control character in lines.
TPreferenceValue Changed(const TPreferenceValue& v) {
    if (const auto* s = std::get_if<QString>(&v)) return *s + QString::fromUtf8("Impact, bold \u00A9 \"q\"");
    if (const auto* i = std::get_if<int>(&v)) return *i + 1;
    if (const auto* b = std::get_if<bool>(&v)) return !*b;
    if (std::holds_alternative<double>(v)) return 1.375;
    if (std::holds_alternative<QStringList>(v)) return QStringList{"Name ___", "Score:\t50%"};
    return std::array<bool, 8>{true, false, true, false, false, true, true, false};
}

// Reading stored lines: a "%" in the last two places is not decoded, hex digits may be
// lower-case, LF then CR are two breaks, a decoded "%" is not decoded again. DirsPref is
// used only with 8 characters or more, and only "F" turns a direction off.
TEST(PreferenceTextTest, LinesAndDirections) {
    EXPECT_EQ(UnescapePreferenceLines("ab%"), QStringList{"ab%"});
    EXPECT_EQ(UnescapePreferenceLines("x%0a%0dy"), (QStringList{"x", "", "y"}));
    EXPECT_EQ(UnescapePreferenceLines("50%2525"), QStringList{"50%25"});
    EXPECT_EQ(ParseDirsPref("FFFFFFF"), (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
    EXPECT_EQ(ParseDirsPref("fxFxFxFx"), (std::array<bool, 8>{true, true, false, true, false, true, false, true}));
}

// First run: an empty store gives the documented defaults, quietly.
TEST_F(PreferencesStoreTest, FirstRunGivesTheDefaults) {
    TPreferencesStore store(IniFile());
    TPreferences prefs;
    store.LoadPuzzleDefaults(prefs, report);
    const TWindowPreferences window = store.LoadWindowPreferences(prefs, report);
    EXPECT_TRUE(report.IsEmpty());
    for (const TPreferenceKey& key : PreferenceKeys())
        EXPECT_EQ(PreferenceValue(prefs, key), key.Default) << key.Key;
    EXPECT_EQ((std::array{window.AccidentPrevent, window.ProgramMapWidth, window.Width, window.ShareLevel}),
              (std::array{1, 121, 800, int(ShareIntersect)}));
}

// Protects: a first run's puzzle carries no credits line (no placeholder address under the
// grid), also once names are typed; a store that holds a line keeps it.
TEST_F(PreferencesStoreTest, CreditsLineIsEmptyUntilChosen) {
    struct Row {
        const char* Stored;  // the ini's text; nullptr for a first run
        QString Line;
    };
    const Row rows[] = {
        {nullptr, QString()},
        {"[General]\nCreditsLine=www.example.org\nCreditsLineIndex=-1\n", QStringLiteral("www.example.org")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Stored ? row.Stored : "first run");
        QFile::remove(IniFile());
        if (row.Stored) {
            QFile f(IniFile());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(row.Stored);
        }
        TPreferences prefs;
        TPreferencesStore(IniFile()).LoadPuzzleDefaults(prefs, report);
        test::TTestHost host;
        TPuzzleModel model(host, prefs);
        model.ResetToNewPuzzle();
        model.Ready = true;
        EXPECT_EQ(model.Puzzle().CreditsLine, row.Line);
        model.SetCreditsNames(QStringLiteral("Ann"), QStringLiteral("Bo"));
        EXPECT_EQ(model.Puzzle().CreditsLine, row.Line);
    }
}

// Every key survives a save and load, and sits in the store in its own kind.
TEST_F(PreferencesStoreTest, EveryKeySurvivesASaveAndLoad) {
    TPreferences saved;
    for (const TPreferenceKey& key : PreferenceKeys())
        SetPreferenceValue(saved, key, Changed(PreferenceValue(saved, key)));
    saved.WindowState = WindowStateMaximized;
    TPreferencesStore store(IniFile());
    ASSERT_TRUE(store.SavePreferences(saved, QSize(1920, 1080), report));

    TPreferences loaded;
    store.LoadPuzzleDefaults(loaded, report);
    store.LoadWindowPreferences(loaded, report);
    store.LoadPreviewPlacement(loaded, report);
    store.LoadRecentFiles(loaded, report);
    EXPECT_TRUE(report.IsEmpty());
    for (const TPreferenceKey& key : PreferenceKeys())
        EXPECT_EQ(PreferenceValue(loaded, key), PreferenceValue(saved, key)) << key.Key;

    QSettings raw(IniFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("MarginWidthPref").toByteArray(), EncodeRealPref(1.375));
    EXPECT_EQ(raw.value("DirsPref").toString(), "TFTFFTTF");
    EXPECT_EQ(raw.value("DefaultLeftWorkSheet").toString(), "Name ___%0D%0AScore:%0950%25%0D%0A");
    EXPECT_EQ(raw.value("ProgramMap").toString(), "0");
    for (const TPreferenceKey& key : PreferenceKeys()) EXPECT_TRUE(raw.contains(key.Key)) << key.Key;
}

// A value of the wrong kind is named in one warning and its default used; the rest is read.
TEST_F(PreferencesStoreTest, ValuesOfTheWrongKindAreReportedAndDefaulted) {
    {
        QSettings raw(IniFile(), QSettings::IniFormat);
        raw.setValue("MarginWidthPref", QByteArray(4, '\0'));
        raw.setValue("TitleFontSizePref", "big");
        raw.setValue("GridFontSizePref", 20);
    }
    TPreferencesStore store(IniFile());
    TPreferences prefs;
    store.LoadPuzzleDefaults(prefs, report);
    EXPECT_DOUBLE_EQ(prefs.PageFormat.MarginWidth, 0.75);
    EXPECT_EQ(prefs.PageFormat.TitleFontSize, 36);
    EXPECT_EQ(prefs.PageFormat.GridFontSize, 20);
    EXPECT_EQ(store.UnreadableKeys(), (QStringList{"TitleFontSizePref", "MarginWidthPref"}));
    EXPECT_EQ(Told(), QStringList{UnreadablePreferencesText(store.UnreadableKeys())});
}

// The preview window writes its own five keys and leaves every other key as it was.
TEST_F(PreferencesStoreTest, PreviewPlacementTouchesOnlyItsKeys) {
    {
        QSettings raw(IniFile(), QSettings::IniFormat);
        raw.setValue("Width", 1234);
    }
    TPreferences prefs;
    prefs.PreviewWindowState = WindowStateMaximized;
    prefs.PreviewLeft = 77;
    prefs.PreviewWidth = 640;
    prefs.Width = 999;  // not the preview's to write
    TPreferencesStore store(IniFile());
    ASSERT_TRUE(store.SavePreviewPlacement(prefs, report));
    TPreferences loaded;
    store.LoadPreviewPlacement(loaded, report);
    EXPECT_EQ((std::array{loaded.PreviewWindowState, loaded.PreviewLeft, loaded.PreviewWidth, loaded.PreviewTop}),
              (std::array{WindowStateMaximized, 77, 640, 0}));
    QSettings raw(IniFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Width").toInt(), 1234);
    EXPECT_EQ(raw.allKeys().size(), 6);
}

}  // namespace
}  // namespace vorlix
