// The appearance dialog: faces and sizes of the page elements, prepared layouts, grid
// position, solution style and colour, word-list columns and alignment, margin and frame.
// It edits the model's PageFormat and refreshes the page views a moment after a change.
#pragma once

#include <functional>

#include <array>
#include <vector>

#include <QDialog>
#include <QStringList>

#include "pageformat.h"

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLabel;
class QStackedWidget;

namespace vorlix {
class TPuzzleModel;
}

namespace vorlix::shell {

class TClockTimer;
class TLink;
class TWebFm;

// The sizes a size list offers and the sizes it accepts when typed.
struct TSizeChoices {
    std::vector<int> Listed;
    int Standard;  // the prepared layouts count from this entry
    int Lowest;
    int Highest;
};
const TSizeChoices& SizeChoicesOf(TPageElement e);

// The size list entry prepared layout k selects: 5 - k places after the standard size,
// held to the list's ends (the two largest layouts ask for entries past the title list).
int PreparedSize(TPageElement e, int layout);

// Margin text parsed in the user's locale, else with a "." decimal sign; text that
// parses in neither counts as 0.
double MarginOfText(const QString& text);
bool MarginAccepted(double inches);

constexpr int FaceApplyDelayMs = 300;
constexpr int SizeApplyDelayMs = 1200;
constexpr int MaxApplyDelayMs = 4000;

class TLayoutFm : public QDialog {
    Q_OBJECT
public:
    explicit TLayoutFm(TWebFm& main);

    // The sections, by name, in tab order.
    static const QStringList& SectionNames();
    static QStringList PreparedLayoutNames();
    static QString HintsText();

    // Shows the dialog (modeless), on the named section when one is given.
    void Open(const QString& section = {});
    // Shows the named section and remembers it; an unknown name changes nothing.
    void ShowSection(const QString& section);
    const QString& SectionShown() const { return section_; }

    // New puzzle: the appearance from the preferences, then the controls refreshed.
    void ResetLayoutToPreferences();
    // Every control in line with the model's PageFormat.
    void RefreshLayoutControls();
    // The six size changes again, the modified mark left alone, then applied at once.
    void ReapplyFontSizes();
    // Stops the apply timer and refreshes the puzzle views.
    void ApplyAppearance();
    // Unless loading: the apply timer with this delay (outside 0..4000 it is 1200)
    // started, and the puzzle marked modified.
    void ArmApplyTimer(int ms);
    // Chooses prepared layout k (0..8, Super Jumbo first; 9 large print).
    void ChoosePreparedLayout(int k);

    bool Loading() const { return loading_; }
    TClockTimer& ApplyTimer() const { return *applyTimer_; }

signals:
    // The page views were refreshed with the current appearance.
    void AppearanceApplied();

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TElementControls {
        QComboBox* Face = nullptr;
        QComboBox* Size = nullptr;
        QLabel* Sample = nullptr;
    };

    QWidget* BuildTabStrip();
    QWidget* BuildTextSection(const QString& section, TPageElement e, const QString& what);
    QWidget* BuildPuzzleSection();
    QWidget* BuildWordListSection();
    QWidget* BuildMarginSection();
    QWidget* BuildPreparedLayouts();
    QWidget* BuildFooter();
    void AddFontRows(QGridLayout* grid, int row, TPageElement e, const QString& caption);
    QComboBox* MakeChoiceList(const QString& name, const QString& caption, const QStringList& items);
    struct TSettingRow {
        QString Name;     // object names are Name + "CmBx" and Name + "Lbl"
        QString Caption;  // the list's accessible name; the label reads Caption + ":" unless Label is given
        int Span = 1;
        QString Label;
    };
    QComboBox* AddSettingRow(QGridLayout* grid, int row, const TSettingRow& r, const QStringList& items,
                             int TPageFormat::*setting);

    TPuzzleModel& Model() const;
    const TPageFormat& Format() const;
    // Every change of the appearance goes to the model through here.
    void EditFormat(const std::function<void(TPageFormat&)>& change);
    TElementControls& Controls(TPageElement e) { return elements_[static_cast<std::size_t>(e)]; }

    void FaceChange(TPageElement e);
    void SizeChange(TPageElement e);
    void MarginChange();
    void FrameStyleChange();
    void ListChoiceChange(int TPageFormat::*setting, QComboBox* list);
    void RerunFaceAndSizeChanges();
    void FillFaceLists();
    void ShowSample(TPageElement e);
    void ChangeColor();
    void DefaultColor();
    void ShowSolutionColor();
    void ShowHints();
    void OnApplyTimer();

    TWebFm* main_;
    TClockTimer* applyTimer_;
    bool loading_ = false;
    bool quietEdits_ = false;  // edits that leave the modified mark alone
    QString section_;
    QString hintShown_;  // the hint text this dialog put up, while it may still show
    bool reapplyPending_ = false;

    std::array<TElementControls, 6> elements_{};
    QStackedWidget* sections_ = nullptr;
    QList<QAbstractButton*> tabs_;
    QComboBox* margin_ = nullptr;
    QComboBox* frameStyle_ = nullptr;
    QComboBox* gridPosition_ = nullptr;
    QComboBox* solutionStyle_ = nullptr;
    QComboBox* cluesColumns_ = nullptr;
    QComboBox* wordAlignment_ = nullptr;
    QComboBox* preparedLayouts_ = nullptr;
    QLabel* colorSwatch_ = nullptr;
    TLink* hints_ = nullptr;
};

}  // namespace vorlix::shell
