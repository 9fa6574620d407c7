// The preferences store, always on a temporary file: never the user's own settings.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "preferences_store.h"
#include "puzzlemodel.h"
#include "recordinghost.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vorlix {
namespace {

using test::TRecordingHost;

class PreferencesStoreTest : public ::testing::Test {
protected:
    QString IniFile() const { return dir.filePath("Kestov.ini"); }
    QTemporaryDir dir;
    TRecordingHost host;
};

// Lines are stored as one text: CR LF after each line, "%" and control characters as %XX.
TEST(PreferenceLinesTest, EscapingAndUnescaping) {
    const std::vector<std::pair<QStringList, QString>> escaped = {
        {{"Name", "Date"}, "Name%0D%0ADate%0D%0A"},
        {{"50%"}, "50%25%0D%0A"},
        {{"a\tb"}, "a%09b%0D%0A"},
        {{}, ""},
        {{""}, "%0D%0A"},
    };
    for (const auto& [lines, text] : escaped) {
        EXPECT_EQ(EscapePreferenceLines(lines), text) << text.toStdString();
        EXPECT_EQ(UnescapePreferenceLines(text), lines) << text.toStdString();
    }

    const std::vector<std::pair<QString, QStringList>> unescaped = {
        {"ab", {"ab"}},                        // shorter than 3: taken as it is
        {"ab%", {"ab%"}},                      // a "%" in the last two places is not decoded
        {"x%0a%0dy", {"x", "", "y"}},          // lower-case digits; LF then CR are two breaks
        {"%G1x", {QString(QChar(1)) + "x"}},   // a non-digit counts as 0
        {"one%0D%0Atwo", {"one", "two"}},      // no break after the last line
        {"50%2525", {"50%25"}},                // a decoded "%" is not decoded again
    };
    for (const auto& [text, lines] : unescaped) EXPECT_EQ(UnescapePreferenceLines(text), lines) << text.toStdString();

    const QStringList awkward = {"100% sure", "%41", "tab\there", "%", "%%"};
    EXPECT_EQ(UnescapePreferenceLines(EscapePreferenceLines(awkward)), awkward);
}

// DirsPref: used only with 8 characters or more; only "F" turns a direction off.
TEST(PreferenceLinesTest, DirsPrefParsing) {
    using D = std::array<bool, 8>;
    const D all{true, true, true, true, true, true, true, true};
    const std::vector<std::pair<QString, D>> cases = {
        {"TTFFTTFF", {true, true, false, false, true, true, false, false}},
        {"TTTTTTF", all},
        {"", all},
        {"ffffffff", all},
        {"FFFFFFFFxx", {}},
        {"FxFxFxFx", {false, true, false, true, false, true, false, true}},
    };
    for (const auto& [text, dirs] : cases) EXPECT_EQ(ParseDirsPref(text), dirs) << text.toStdString();
    EXPECT_EQ(FormatDirsPref({true, false, true, true, true, true, true, false}), "TFTTTTTF");
}

TEST_F(PreferencesStoreTest, FirstRunGivesTheDefaults) {
    TPreferencesStore store(host, IniFile());
    TPreferences prefs;
    store.LoadPuzzleDefaults(prefs);
    const TWindowPreferences window = store.LoadWindowPreferences(prefs);
    EXPECT_TRUE(host.Messages.empty());

    EXPECT_EQ(prefs.TitleFontNamePref, "Comic Sans MS");
    EXPECT_EQ(prefs.TitleFontSizePref, 36);
    EXPECT_EQ(prefs.InstructionsFontNamePref, "Times New Roman");
    EXPECT_EQ(prefs.CreditsFontSizePref, 8);
    EXPECT_DOUBLE_EQ(prefs.MarginWidthPref, 0.75);
    EXPECT_EQ(prefs.CapitalizationPref, "AllUpper");
    EXPECT_EQ(prefs.CreditsLine, QString::fromUtf16(ProductWebAddress));
    EXPECT_TRUE(prefs.DefaultLeftWorkSheet.isEmpty());

    EXPECT_EQ(window.AccidentPrevent, 1);
    EXPECT_FALSE(window.TourShown);
    EXPECT_TRUE(window.SpellerSemiAuto);
    EXPECT_FALSE(window.LargeEditText);
    EXPECT_EQ(window.ProgramMapWidth, 121);
    EXPECT_EQ(window.WindowState, WindowStateNormal);
    EXPECT_EQ(window.Top, 20);
    EXPECT_EQ(window.Left, 2);
    EXPECT_EQ(window.Width, 800);
    EXPECT_EQ(window.Height, 550);
    EXPECT_TRUE(window.UnderlinedLinks);
    EXPECT_EQ(window.ColorScheme, 1);
    EXPECT_EQ(window.ShareLevel, ShareIntersect);

    // And a new puzzle made from them.
    TPuzzleModel model(host, prefs);
    model.ResetToNewPuzzle();
    EXPECT_EQ(model.PageFormat.TitleFont, "Comic Sans MS");
    EXPECT_EQ(model.PageFormat.TitleFontSize, 36);
    EXPECT_EQ(model.Directions, (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
    EXPECT_EQ(model.SharingLevel(), ShareIntersect);
    EXPECT_EQ(model.Capitalization(), TCapitalization::AllUpper);
}

TEST_F(PreferencesStoreTest, EveryKeySurvivesASaveAndLoad) {
    TPreferences saved;
    saved.TitleFontNamePref = "Georgia";
    saved.WorksheetFontNamePref = "Verdana";
    saved.InstructionsFontNamePref = "Courier New";
    saved.GridFontNamePref = "Arial Black";
    saved.WordlistFontNamePref = "Tahoma";
    saved.CreditsFontNamePref = "Impact, bold";  // a comma must not turn it into a list
    saved.TitleFontSizePref = 48;
    saved.WorksheetFontSizePref = 9;
    saved.InstructionsFontSizePref = 14;
    saved.GridFontSizePref = 20;
    saved.WordlistFontSizePref = 16;
    saved.CreditsFontSizePref = 5;
    saved.WordListColumnsPref = 3;
    saved.WordListAlignmentPref = 2;
    saved.PuzzleAlignmentPref = 0;
    saved.CapitalizationPref = "AsGiven";
    saved.SolutionStylePref = 2;
    saved.BorderIndexPref = 6;
    saved.MarginWidthPref = 1.375;
    saved.DirsPref = {true, false, true, false, false, true, true, false};
    saved.DefaultLeftWorkSheet = {"Name ___", "Score: 50%"};
    saved.DefaultRightWorkSheet = {"Class ___"};
    saved.CreditsLineIndex = 12;
    saved.CreditsLine = QString::fromUtf8("\u00A9 2024 Ann \u2014 \"quoted\"");
    saved.YourName = "Ann";
    saved.RecipientName = QString::fromUtf8("Zo\u00EB");
    saved.ShareLevelPref = 4;
    saved.EditTextSize = 10;
    saved.ProgramMap = false;
    saved.AccidentPrevent = 2;
    saved.HintsShown = "Tour";
    saved.SpellerSemiAuto = false;
    saved.WindowState = WindowStateMaximized;
    saved.Top = 40;
    saved.Left = 60;
    saved.Width = 900;
    saved.Height = 600;
    saved.UnderlinedLinks = false;
    saved.ColorScheme = 5;

    TPreferencesStore store(host, IniFile());
    ASSERT_TRUE(store.SavePreferences(saved, QSize(1920, 1080)));

    TPreferences loaded;
    store.LoadPuzzleDefaults(loaded);
    const TWindowPreferences window = store.LoadWindowPreferences(loaded);
    EXPECT_TRUE(host.Messages.empty());
    for (const TPreferenceKey& key : PreferenceKeys())
        EXPECT_EQ(PreferenceValue(loaded, key), PreferenceValue(saved, key)) << key.Key;
    EXPECT_TRUE(window.TourShown);
    EXPECT_TRUE(window.LargeEditText);
    EXPECT_EQ(window.ProgramMapWidth, 0);

    // The kinds as they sit in the store.
    QSettings raw(IniFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("MarginWidthPref").typeId(), QMetaType::QByteArray);
    EXPECT_EQ(raw.value("MarginWidthPref").toByteArray(), EncodeRealPref(1.375));
    EXPECT_EQ(raw.value("DirsPref").toString(), "TFTFFTTF");
    EXPECT_EQ(raw.value("DefaultLeftWorkSheet").toString(), "Name ___%0D%0AScore: 50%25%0D%0A");
    EXPECT_EQ(raw.value("ProgramMap").toString(), "0");
    EXPECT_EQ(raw.value("View").toString(), "0");
    for (const TPreferenceKey& key : PreferenceKeys()) EXPECT_TRUE(raw.contains(key.Key)) << key.Key;
}

// Stored window bounds stay on screen and big enough; a minimized window is stored as normal.
TEST_F(PreferencesStoreTest, WindowBoundsAsStored) {
    struct Case {
        int state, top, left, width, height;
        int storedState, storedTop, storedLeft, storedWidth, storedHeight;
    };
    const std::vector<Case> cases = {
        {WindowStateNormal, 20, 2, 800, 550, 0, 20, 2, 800, 550},
        {WindowStateMaximized, 30, 40, 700, 500, 2, 30, 40, 700, 500},
        {WindowStateMinimized, 30, 40, 700, 500, 0, 30, 40, 700, 500},
        {WindowStateNormal, 700, 2000, 400, 300, 0, 668, 924, 520, 380},
    };
    TPreferencesStore store(host, IniFile());
    for (const Case& c : cases) {
        TPreferences prefs;
        prefs.WindowState = c.state;
        prefs.Top = c.top;
        prefs.Left = c.left;
        prefs.Width = c.width;
        prefs.Height = c.height;
        ASSERT_TRUE(store.SavePreferences(prefs, QSize(1024, 768)));
        TPreferences loaded;
        store.LoadWindowPreferences(loaded);
        EXPECT_EQ(loaded.WindowState, c.storedState) << c.state;
        EXPECT_EQ(loaded.Top, c.storedTop) << c.top;
        EXPECT_EQ(loaded.Left, c.storedLeft) << c.left;
        EXPECT_EQ(loaded.Width, c.storedWidth) << c.width;
        EXPECT_EQ(loaded.Height, c.storedHeight) << c.height;
    }
}

// Choices outside their lists select the default choice.
TEST_F(PreferencesStoreTest, OutOfListWindowChoices) {
    struct Case {
        int stored, scheme, accident;
    };
    const std::vector<Case> cases = {{9, 1, 1}, {-1, 1, 1}, {6, 6, 1}, {0, 0, 0}, {2, 2, 2}, {3, 3, 1}};
    for (const Case& c : cases) {
        {
            QSettings raw(IniFile(), QSettings::IniFormat);
            raw.setValue("ColorScheme", c.stored);
            raw.setValue("AccidentPrevent", c.stored);
        }
        TPreferencesStore store(host, IniFile());
        TPreferences prefs;
        const TWindowPreferences window = store.LoadWindowPreferences(prefs);
        EXPECT_EQ(window.ColorScheme, c.scheme) << c.stored;
        EXPECT_EQ(window.AccidentPrevent, c.accident) << c.stored;
        EXPECT_EQ(prefs.ColorScheme, c.scheme) << "written back as shown";
    }
}

TEST_F(PreferencesStoreTest, ValuesOfTheWrongKindAreReportedAndDefaulted) {
    {
        QSettings raw(IniFile(), QSettings::IniFormat);
        raw.setValue("MarginWidthPref", "0.5");
        raw.setValue("TitleFontSizePref", "big");
        raw.setValue("ProgramMap", "yes");
        raw.setValue("GridFontSizePref", 20);
        raw.setValue("DirsPref", "TTFFTTFF");
        raw.setValue("Width", QByteArray("\x01\x02"));
    }
    TPreferencesStore store(host, IniFile());
    TPreferences prefs;
    store.LoadPuzzleDefaults(prefs);
    EXPECT_DOUBLE_EQ(prefs.MarginWidthPref, 0.75);
    EXPECT_EQ(prefs.TitleFontSizePref, 36);
    EXPECT_TRUE(prefs.ProgramMap);
    EXPECT_EQ(prefs.GridFontSizePref, 20) << "the readable keys are still read";
    EXPECT_EQ(prefs.DirsPref, (std::array<bool, 8>{true, true, false, false, true, true, false, false}));
    EXPECT_EQ(store.UnreadableKeys(), (QStringList{"ProgramMap", "TitleFontSizePref", "MarginWidthPref"}));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(host.Messages[0].Text, UnreadablePreferencesText(store.UnreadableKeys()));

    store.LoadWindowPreferences(prefs);
    EXPECT_EQ(prefs.Width, 800);
    EXPECT_EQ(host.Messages.size(), 2u);
    EXPECT_TRUE(host.Messages[1].Text.contains("Width"));

    // A raw margin of the wrong size is refused too.
    {
        QSettings raw(IniFile(), QSettings::IniFormat);
        raw.setValue("MarginWidthPref", QByteArray(4, '\0'));
    }
    store.LoadPuzzleDefaults(prefs);
    EXPECT_TRUE(store.UnreadableKeys().contains("MarginWidthPref"));
}

TEST_F(PreferencesStoreTest, UnwritableStoreWarnsOncePerRunAndKeepsMemory) {
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TPreferencesStore store(host, dir.filePath("not-a-folder/Kestov.ini"));

    TPreferences prefs;
    prefs.YourName = "Ann";
    const TWindowPreferences window = store.LoadWindowPreferences(prefs);
    EXPECT_EQ(window.Width, 800);
    EXPECT_FALSE(store.SavePreferences(prefs, QSize(1024, 768)));
    EXPECT_FALSE(store.SavePreferences(prefs, QSize(1024, 768)));
    EXPECT_EQ(prefs.YourName, "Ann");
    ASSERT_EQ(host.Messages.size(), 1u);
    const QString text = host.Messages[0].Text;
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Warning);
    EXPECT_TRUE(text.contains("\r\n\nIf you are on a network, you may wish to contact your network administrator."));
    EXPECT_TRUE(text.contains("\r\n\nIf this problem persists, please"));
}

TEST_F(PreferencesStoreTest, UsersOwnStoreIsTandrelKestov) {
    // Points the user scope at the temporary folder for the rest of this run.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    TPreferencesStore store(host);
    TPreferences prefs;
    prefs.YourName = "Ann";
    ASSERT_TRUE(store.SavePreferences(prefs, QSize(1024, 768)));
    EXPECT_TRUE(QFile::exists(dir.filePath("Tandrel/Kestov.conf")));
    TPreferences loaded;
    store.LoadPuzzleDefaults(loaded);
    EXPECT_EQ(loaded.YourName, "Ann");
}

}  // namespace
}  // namespace vorlix
