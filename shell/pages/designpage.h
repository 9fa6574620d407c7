// The "Design" page: word list, title, hidden message, columns and rows, and the
// commands that import, export and build.
#pragma once

#include "page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vorlix::shell {

class TDesignPage : public TPage {
    Q_OBJECT
public:
    explicit TDesignPage(IPageHost& host);

    void Enter() override;  // lays out, focuses Words_Memo
    void LoadFromModel() override;
    // The model's texts and size where the boxes show something else.
    void ShowModelTexts();
    // The model's puzzle type changed: prompt, wrapping, long-clue link, hidden message.
    void PuzzleTypeChanged();
    // The word list control (hints are shown beside it).
    QWidget* WordsMemoWidget() const;

    // Line wrapping of the word list: on gives a vertical scroll bar only, off both bars.
    void SetWordWrap(bool on);
    bool WordWrap() const;


    // Commands, also reachable from the page's buttons and links.
    void ClearList();
    void ImportList();
    // Adds a word-list file's lines as the import link does (a dropped file).
    void ImportFile(const QString& fileName);
    void ExportList();
    void CheckSpelling();
    void ShowLongCluesHint();

private:
    QWidget* BuildWordListColumn();
    QWidget* BuildOptionsColumn();
    QComboBox* MakeSizeBox(const QString& name, const QString& caption);

    void WordsChanged();
    void TitleChanged();
    void HiddenChanged();
    void SizeChanged();
    // Count and long-clue labels from the model's last count.
    void ShowWordCount();
    void ShowWordCountLabel();

    QLabel* wordListLbl_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QLabel* wordCountLbl_ = nullptr;
    QLabel* longCluesLbl_ = nullptr;
    TLink* longCluesLnk_ = nullptr;
    QPlainTextEdit* titleMemo_ = nullptr;
    QLabel* hiddenLbl_ = nullptr;
    TLink* hiddenExampleLnk_ = nullptr;
    QPlainTextEdit* hiddenMemo_ = nullptr;
    QComboBox* columns_ = nullptr;
    QComboBox* rows_ = nullptr;
    QCheckBox* pack_ = nullptr;
};

}  // namespace vorlix::shell
