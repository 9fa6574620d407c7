// The export window: a menu of exports and one page for each, the web page, the interactive
// page, HTML, text and pictures of the puzzle or its solution, copied to the clipboard or
// saved to a file.
#pragma once

#include <functional>

#include <QDialog>
#include <QSpinBox>

#include "textexport.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;
class QWidget;

namespace vorlix::shell {

class TLink;
class TWebFm;

// The page names, as the window's navigation uses them.
inline const QString ExportOptionsPage = QStringLiteral("Export Options");
inline const QString HtmlPagePage = QStringLiteral("Html Page");
inline const QString PlayPagePage = QStringLiteral("Play Page");
inline const QString CopyHtmlPage = QStringLiteral("C-P Html");
inline const QString SaveAsTextPage = QStringLiteral("Save As Text");
inline const QString MetafilePage = QStringLiteral("Metafile");
inline const QString MetafileSolutionPage = QStringLiteral("MF Sol");
inline const QString BitmapPage = QStringLiteral("Bitmap");

// Hint texts of the small links.
QString ClipboardHintText();
QString ExplainHtmlHintText();
QString TextBasedWayHintText();

// The pixels-per-cell spin: its arrows follow the export's up and down rules, which depend
// on the grid's size, instead of a fixed range.
class TPixelsPerCellSpin : public QSpinBox {
    Q_OBJECT
public:
    explicit TPixelsPerCellSpin(QWidget* parent = nullptr);
    void SetGridSize(int columns, int rows);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int columns_ = 0;
    int rows_ = 0;
};

class TExportFm : public QDialog {
    Q_OBJECT
public:
    explicit TExportFm(TWebFm& main);

    // Pixels per cell back to 20, the "Export Options" page; the rest persists.
    void PrepareToShow();
    // PrepareToShow, then the window as a modal dialog.
    void ShowExport();

    void TurnTo(const QString& pageName);
    QString CurrentPageName() const;
    bool ExportingSolution() const { return solution_; }
    TExportSections Sections() const;
    int PixelsPerCell() const;

    // --- The commands, as the pages' buttons and links run them.
    bool SaveWebPage();
    // The interactive page a pupil solves in a browser, with the mystery box's choice.
    bool SaveInteractivePage();
    bool CopyHtml();
    bool CopyText();
    bool SaveText();
    bool CopyVectorPicture();
    bool SaveVectorPicture();
    bool CopyBitmap();
    bool SaveBitmap();
    // Writes the suggested bitmap size into the two fields, red where it was limited.
    void SuggestBitmapSize();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Page builders (exportfmpages.cpp).
    QWidget* BuildOptionsPage();
    QWidget* BuildHtmlPage();
    QWidget* BuildPlayPage();
    QWidget* BuildCopyHtmlPage();
    QWidget* BuildTextPage();
    QWidget* BuildMetafilePage(bool solution);
    QWidget* BuildBitmapPage();
    QWidget* NewPage(const QString& pageName, const QString& heading, QLabel** headingLabel = nullptr);
    QVBoxLayout* PageBody(QWidget* page) const;
    TLink* AddLink(const QString& name, const QString& caption, std::function<void()> action, QWidget* parent);
    TLink* AddHintLink(const QString& name, const QString& caption, const QString& hint, QWidget* parent);
    QPushButton* AddButton(const QString& name, const QString& caption, std::function<void()> action,
                           QWidget* parent);
    QLabel* AddText(const QString& name, const QString& text, QWidget* parent);
    void AddPageFooter(QWidget* page, bool fontsLink);
    void AddClipboardHint(QWidget* page);
    QWidget* BuildIncludeGroup();
    QWidget* BuildToolbar();

    void Choose(const QString& pageName, bool solution);
    void SetExportingSolution(bool solution);
    void IncludeChanged();
    void SetBitmapWording();
    void BackClicked();
    void MaximizeFontSizes();
    void SetFieldLimited(QLineEdit* field, bool limited);
    bool ConfirmSomethingChosen();
    QString AskSaveName(const QString& title, const QString& filter, const QString& suffix);

    TWebFm* main_;
    bool solution_ = false;
    QStackedWidget* pages_ = nullptr;
    QWidget* include_ = nullptr;
    QCheckBox* worksheetCB_ = nullptr;
    QCheckBox* titleCB_ = nullptr;
    QCheckBox* instructionsCB_ = nullptr;
    QCheckBox* gridCB_ = nullptr;
    QCheckBox* listCB_ = nullptr;
    QCheckBox* solutionCB_ = nullptr;
    QComboBox* spacingCmBx_ = nullptr;
    QCheckBox* mysteryCB_ = nullptr;
    TPixelsPerCellSpin* pixelsSpin_ = nullptr;
    QLineEdit* widthEd_ = nullptr;
    QLineEdit* heightEd_ = nullptr;
    QLabel* bitmapHeading_ = nullptr;
    QLabel* bitmapSubheading_ = nullptr;
    QLabel* bitmapStep3_ = nullptr;
};

}  // namespace vorlix::shell
