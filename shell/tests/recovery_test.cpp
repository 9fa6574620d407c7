// Crash recovery through the real program: the copy written while a puzzle changes, the
// offer after a run that never closed, and a clean exit leaving nothing behind.
#include <QDialog>
#include <QFile>
#include <QFileInfo>

#include "puzzlefile.h"
#include "recovery.h"
#include "shellfixture.h"

namespace vorlix::shell::test {

class RecoveryTest : public ShellTest {
protected:
    TRecovery& Recovery() { return *program->Recovery(); }
    // The program ends as a crash or a kill would end it: no close, no clean exit.
    void Crash() {
        program.reset();
        Process();
    }
    QStringList Lines(const TPuzzle& puzzle) {
        QStringList lines;
        FormatPuzzleFile(puzzle, lines);
        return lines;
    }
    void AnswerDontSave() {
        modal.Answer = [](QDialog& dialog) {
            dialog.findChild<TLink*>(QStringLiteral("DontSaveLnk"))->Activate();
            return dialog.result();
        };
    }
    QString RestoreMessage() const {
        for (const auto& m : messages.Messages)
            if (m.Buttons == MessageButtons::YesNo) return m.Text;
        return {};
    }
};

// Protects: after a crash the next start offers the copy, and Yes brings back the puzzle as
// it was, modified and unsaved, under its own file name.
TEST_F(RecoveryTest, CrashedPuzzleIsOfferedAndRestored) {
    const QString path = TempPath("zoo.ws");
    Start();
    Model().SetWordLines({"lion", "tiger", "zebra"});
    Main().CreatePuzzle();
    files.Answers = {path};
    Click(QStringLiteral("ToolBar_SaveAsTBtn"));
    Model().SetWordLines({"lion", "tiger", "zebra", "otter"});
    Main().RebuildPuzzle();
    Process();
    ASSERT_TRUE(QFile::exists(Recovery().PuzzlePath()));
    const QStringList before = Lines(Model().Puzzle());
    Crash();

    messages.Messages.clear();
    messages.Answers = {MessageAnswer::Yes};
    Start();
    EXPECT_EQ(RestoreMessage(), RestoreQuestion(path));
    EXPECT_EQ(Lines(Model().Puzzle()), before);
    EXPECT_TRUE(Model().IsModified());
    EXPECT_EQ(Model().CurrentFileName(), path);
    EXPECT_EQ(Model().SaveTargetName, path);
    EXPECT_EQ(Main().CurrentPageName(), "Finished");
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_FALSE(saved.readAll().contains("otter")) << "the file itself stays as last saved";
}

// Protects: the copy is written only for a modified puzzle and only when it changed; saving
// removes it; No at the offer throws it away; a clean exit leaves nothing to offer.
TEST_F(RecoveryTest, CopyFollowsChangesAndEndsCleanly) {
    Start();
    Process();
    EXPECT_FALSE(QFile::exists(Recovery().PuzzlePath())) << "an untouched new puzzle needs no copy";
    Model().SetWordLines({"cat"});
    Process();
    ASSERT_TRUE(QFile::exists(Recovery().PuzzlePath()));
    EXPECT_EQ(QFile(Recovery().NamePath()).size(), QByteArray("No_Name.ws").size());
    // Unchanged: the copy is not rewritten (its time stays).
    QFile::remove(Recovery().PuzzlePath());
    Model().SetModified(true);
    Process();
    EXPECT_FALSE(QFile::exists(Recovery().PuzzlePath()));
    Model().SetWordLines({"cat", "dog"});
    Process();
    EXPECT_TRUE(QFile::exists(Recovery().PuzzlePath()));
    files.Answers = {TempPath("pets.ws")};
    Click(QStringLiteral("ToolBar_SaveTBtn"));
    Process();
    EXPECT_FALSE(QFile::exists(Recovery().PuzzlePath())) << "saved work needs no copy";

    Model().SetWordLines({"cat", "dog", "emu"});
    Process();
    Crash();
    messages.Messages.clear();
    messages.Answers = {MessageAnswer::No};
    Start();
    EXPECT_FALSE(RestoreMessage().isEmpty());
    EXPECT_TRUE(Model().Puzzle().WordLines.isEmpty());
    EXPECT_FALSE(Recovery().Pending());

    Model().SetWordLines({"owl"});
    Process();
    ASSERT_TRUE(Recovery().Pending());
    AnswerDontSave();
    Main().close();
    Process();
    EXPECT_FALSE(Recovery().Pending());
    program.reset();
    messages.Messages.clear();
    Start();
    EXPECT_TRUE(RestoreMessage().isEmpty());
}

// Protects: a second copy of the program running beside the first neither offers the
// first one's puzzle as a crash nor touches its copy.
TEST_F(RecoveryTest, SecondRunningCopyLeavesTheFirstOnesCopyAlone) {
    Start();
    Model().SetWordLines({"cat"});
    Process();
    ASSERT_TRUE(Recovery().Pending());
    TScriptedMessageHost host;
    TRecovery second(Model(), clock, QFileInfo(Recovery().PuzzlePath()).path());
    EXPECT_FALSE(second.Active());
    EXPECT_FALSE(second.OfferRestore(host));
    second.Discard();
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_TRUE(Recovery().Pending());
}

// Protects: the copy is written on the clock, every 30 seconds while the puzzle changes,
// not at each keystroke.
TEST_F(RecoveryTest, CopyWaitsForTheInterval) {
    Start();
    clock.SetManual(true);
    Model().SetWordLines({"cat"});
    Process();
    clock.Advance(RecoveryIntervalMs - 1);
    EXPECT_FALSE(QFile::exists(Recovery().PuzzlePath()));
    Model().SetWordLines({"cat", "dog"});  // a later change does not put the copy off
    clock.Advance(1);
    EXPECT_TRUE(QFile::exists(Recovery().PuzzlePath()));
    clock.SetManual(false);
}

}  // namespace vorlix::shell::test
