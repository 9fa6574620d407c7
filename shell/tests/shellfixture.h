// One started program per test: scripted dialogs, a clock at full speed, a temporary
// preferences store, and helpers that drive the real widgets by object name.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include "application.h"
#include "link.h"
#include "page.h"
#include "puzzlemodel.h"
#include "scripteddialogs.h"
#include "services.h"
#include "webfm.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vorlix::shell::test {

class ShellTest : public ::testing::Test {
protected:
    TScriptedMessageHost messages;
    TScriptedFileDialogs files;
    TScriptedColorFontDialogs colorsFonts;
    TClock clock{0.0};
    TScriptedModalRunner modal;
    TScriptedPrinterDialogs printers;  // no printer installed unless a test says so
    TScriptedDesktopOpener desktop;
    QTemporaryDir dir;
    std::unique_ptr<TProgram> program;

    // Tests that need stored preferences write them before calling Start.
    QString IniFile() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString TempPath(const QString& name) const { return dir.filePath(name); }

    void SetUp() override { MarkTourShown(); }
    void TearDown() override {
        if (program) {
            ForceClose();
            program.reset();
        }
        Process();
    }

    // Writes HintsShown=Tour so the first-run tour stays away unless a test wants it.
    void MarkTourShown() {
        QFile f(IniFile());
        if (!f.exists() && f.open(QIODevice::WriteOnly)) f.write("[General]\nHintsShown=Tour\n");
    }

    // Starts the program and waits until start-up is complete.
    void Start(const QStringList& arguments = {}) {
        program = std::make_unique<TProgram>(TServices{messages, files, colorsFonts, clock, modal, printers, desktop}, IniFile());
        bool done = false;
        program->Start(arguments, [&done] { done = true; });
        WaitUntil([&done] { return done; });
        ASSERT_TRUE(done) << "start-up did not finish";
    }

    TWebFm& Main() const { return program->Main(); }
    TPuzzleModel& Model() const { return program->Model(); }

    // Lets the event loop run: timers of the full-speed clock fire at once.
    static void Process(int rounds = 5) {
        for (int i = 0; i < rounds; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    template <class Condition>
    static void WaitUntil(Condition condition, int ms = 5000) {
        QElapsedTimer t;
        t.start();
        while (!condition() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    // A control of any window by its object name; fails the test when missing.
    template <class T = QWidget>
    T* Find(const QString& name) const {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name)
                if (auto* w = qobject_cast<T*>(top)) return w;
            if (auto* w = top->findChild<T*>(name)) return w;
        }
        ADD_FAILURE() << "no control named " << name.toStdString();
        return nullptr;
    }
    // Clicks a button or activates a link by name, then lets events run.
    void Click(const QString& name) {
        QWidget* w = Find(name);
        if (!w) return;
        if (auto* link = qobject_cast<TLink*>(w))
            link->Activate();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->click();
        else
            ADD_FAILURE() << name.toStdString() << " is neither a link nor a button";
        Process();
    }

    // Changes the current puzzle directly, as test set-up: no question is asked. The puzzle
    // comes back marked modified.
    template <class Edit>
    void EditPuzzle(Edit edit) {
        TPuzzle puzzle = Model().Puzzle();
        edit(puzzle);
        Model().ReplacePuzzle(puzzle);
    }

    // Closes the main window without questions (tear-down).
    void ForceClose() {
        Model().SetModified(false);
        Main().close();
    }
};

}  // namespace vorlix::shell::test
