// The "Check Spelling" dialog: walks the puzzle's texts and, at each unknown word, lets the
// user add it to the user dictionary, correct it in place, or skip it once or for the run.
// Created at start-up and kept for the whole run, so the dictionaries load once.
#pragma once

#include <QDialog>

#include "dictionaries.h"
#include "mainwordset.h"
#include "puzzletexts.h"
#include "spellwalk.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vorlix {
class TPuzzleModel;
}

namespace vorlix::shell {

class TWebFm;

class TSpellingDlg : public QDialog, private spelling::ISpellingWalkView {
    Q_OBJECT
public:
    // Checks with the run's dictionaries.
    TSpellingDlg(TWebFm& main, spelling::TSpellingDictionaries& dictionaries);

    // Arms the dialog before it is shown: the check starts once it is on screen, and in
    // automatic mode the dialog closes by itself when every text is checked.
    void Prepare(bool automatic);
    bool Automatic() const { return automatic_; }
    // True when a correction was written into the puzzle since Prepare.
    bool TextsChanged() const { return texts_.Changed(); }

    // Where "English" and "SpellSup" are read and written; before the first check only.
    void SetDictionaryLocations(const spelling::TDictionaryLocations& locations);
    spelling::TSpellingDictionaries& Dictionaries() { return *dictionaries_; }
    const spelling::TSpellingWalk& Walk() const { return walk_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    QPushButton* MakeButton(const QString& name, const QString& caption, void (TSpellingDlg::*handler)());
    void Begin();
    void SetCommandsEnabled(bool wordCommands);
    void ShowContext(const QString& line, int offset, int length);

    void AddBtnClick();
    void ChangeBtnClick();
    void IgnoreBtnClick();
    void IgnoreAllBtnClick();
    void StopBtnClick();
    void ResumeBtnClick();
    void HelpBtnClick();
    void OKBtnClick();

    // What the walk shows.
    void RunStarting() override;
    void ShowWordChecked(const QString& word) override;
    void ReportWord(const QString& word) override;
    void ShowLocation() override;
    void ProcessPendingEvents() override;
    void RunEnded() override;

    TWebFm* main_;
    spelling::TSpellingDictionaries* dictionaries_;  // the run's
    spelling::TPuzzleTexts texts_;
    spelling::TSpellingWalk walk_;
    bool startRequested_ = false;
    bool automatic_ = false;
    bool keepContext_ = false;

    QLabel* mainMesgLbl_ = nullptr;
    QLabel* currentWordLbl_ = nullptr;
    QLineEdit* wordEdit_ = nullptr;
    QLabel* locationLbl_ = nullptr;
    QLabel* memoLbl_ = nullptr;
    QPlainTextEdit* contextMemo_ = nullptr;
    QPushButton* addBtn_ = nullptr;
    QPushButton* changeBtn_ = nullptr;
    QPushButton* ignoreBtn_ = nullptr;
    QPushButton* ignoreAllBtn_ = nullptr;
    QPushButton* stopBtn_ = nullptr;
    QPushButton* resumeBtn_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* helpBtn_ = nullptr;
};

// The message texts of the dialog.
QString SpellingHelpText();
QString SpellSupWriteFailedText();
// A corrected text of a spelling stage goes to the model as the edit of its page would.
void ApplyCorrection(TPuzzleModel& model, int stage, const QStringList& lines);

}  // namespace vorlix::shell
