// The "Make a Book" window: the teacher collects puzzles (the current one, saved puzzles,
// word lists), orders them, chooses the trim, large print and title page, previews the
// pages and saves the PDF, then sees the paper check. The same code as vorlix-cli book.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QDialog>

#include "book.h"
#include "booksource.h"
#include "bookcheck.h"
#include "services.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressDialog;
class QSpinBox;

namespace vorlix {
class TPuzzleBuilder;
}

namespace vorlix::shell {

class TBookPreview;

class TBookFm : public QDialog {
    Q_OBJECT
public:
    // current: the puzzle on screen; defaults: what new puzzles from word lists start as.
    TBookFm(const TPuzzle& current, const TPuzzle& defaults, TPuzzleBuilder& builder, const TServices& services,
            QWidget* parent = nullptr);
    ~TBookFm() override;

    // --- Handlers, also driven by tests.
    void AddCurrentClick();
    void AddFilesClick();  // one open dialog per file until cancelled
    void AddFile(const QString& path);
    void MoveClick(int by);
    void RemoveClick();
    // Builds and lays out the book and shows its first page; false on a problem (told).
    bool PreviewClick();
    // Asks for the file, makes the book with progress and a working Cancel, writes it and
    // shows the paper check. False when nothing was written.
    bool SaveClick();

    const std::vector<TBookItem>& Items() const { return items_; }
    TBookOptions Options() const;
    const TBook* Book() const { return book_.get(); }
    const TPaperCheck& LastCheck() const { return check_; }

private:
    void RefreshList();
    void ShowPage(int page);
    // The book of the current choices, made unless the previewed one still holds.
    bool EnsureBook(QProgressDialog& progress, const std::function<bool(int, int)>& step);
    // Builds the puzzles and lays out the book; progress may cancel.
    bool MakeBook(const std::function<bool(int, int)>& progress);
    void Tell(const TReport& report);

    const TPuzzle& current_;
    TPuzzle defaults_;
    TPuzzleBuilder& builder_;
    TServices services_;
    std::vector<TBookItem> items_;
    std::unique_ptr<TBook> book_;
    TPaperCheck check_;

    QListWidget* list_;
    QComboBox* trim_;
    QCheckBox* bleed_;
    QCheckBox* large_;
    QCheckBox* contents_;
    QLineEdit* title_;
    QLineEdit* subtitle_;
    QLineEdit* author_;
    QSpinBox* answers_;
    QSpinBox* page_;
    QLabel* pages_;
    TBookPreview* preview_;
    QPlainTextEdit* checkText_;
};

}  // namespace vorlix::shell
