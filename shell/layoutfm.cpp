// The appearance dialog. Every change goes straight into the model's PageFormat; the page
// views follow when the apply timer fires, so a burst of edits costs one refresh.
#include "layoutfm.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "desktopfit.h"
#include "hintfm.h"
#include "link.h"
#include "puzzlemodel.h"
#include "services.h"
#include "webfm.h"
#include "windows.h"

namespace vorlix::shell {

namespace {

const QString Caption = QStringLiteral("Appearance -- Choose Fonts, Sizes, Word Columns, Alignment, Etc.");
constexpr int HintSeconds = 15;
constexpr int SampleMaxPoints = 26;  // larger samples would make the dialog jump in size

// What each element's controls are called and what the prepared layouts give it.
struct TElementInfo {
    const char* Prefix;
    const char* Caption;
    const char* PreparedFace;
    const char* FallbackFace;  // used when the prepared face is not installed
    const char* Sample;
};

const std::array<TElementInfo, 6> ElementInfo = {{
    {"Title", "Title", "Comic Sans MS", "Comic Sans MS", "My Word Search"},
    {"Worksheet", "Worksheet", "Arial", "Arial", "Name ________   Date ________"},
    {"Instructions", "Instructions", "Times New Roman", "Arial", "Find the words in the grid."},
    {"Grid", "Puzzle", "Arial", "Arial", "W  O  R  D  S  E  A  R  C  H"},
    {"WordList", "Word list", "Times New Roman", "Arial", "apple   banana   cherry"},
    {"Credits", "Credits", "Arial", "Arial", "Made for you with Vorlix"},
}};

const TElementInfo& InfoOf(TPageElement e) { return ElementInfo[static_cast<std::size_t>(e)]; }

std::vector<int> Span(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

QStringList AsTexts(const std::vector<int>& values) {
    QStringList texts;
    for (int v : values) texts << QString::number(v);
    return texts;
}

QString MarginText(double inches) { return QLocale().toString(inches, 'f', 3).rightJustified(5); }

// Editable text lists take what is typed as it stands: no inline completion, no new entries.
void MakeEditable(QComboBox* list, bool complete) {
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    if (!complete) list->setCompleter(nullptr);
}

// Selects text when the list holds it and shows it either way.
void SelectOrShow(QComboBox* list, const QString& text) {
    const int at = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at >= 0) list->setCurrentIndex(at);
    if (list->isEditable()) list->setEditText(text);
}

// Red text for a value that is not taken, the list's own colour otherwise.
void ShowAccepted(QComboBox* list, bool accepted) {
    QLineEdit* edit = list->lineEdit();
    if (!edit) return;
    QPalette p = edit->palette();
    p.setColor(QPalette::Text, accepted ? list->palette().color(QPalette::Text) : WarningText);
    edit->setPalette(p);
}

QColor ColourOfValue(std::int32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }
std::int32_t ValueOfColour(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QColor EdgeColour(const QWidget* w) { return w->palette().color(QPalette::Window).darker(165); }

// One tab of the section strip: bold on the window colour when current, a darker shade
// otherwise. Its size leaves room for the bold text, so switching never clips it.
class TSectionTab : public QAbstractButton {
public:
    TSectionTab(const QString& section, QWidget* parent) : QAbstractButton(parent) {
        setObjectName(section + QStringLiteral("Tab"));
        setText(QString(section).replace(QLatin1Char('_'), QLatin1Char(' ')));
        setAccessibleName(text());
        setCheckable(true);
        setAutoExclusive(true);
        setFocusPolicy(Qt::TabFocus);
        setCursor(Qt::PointingHandCursor);
        QFont f = font();
        f.setPointSize(8);
        setFont(f);
    }
    QSize sizeHint() const override {
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics fm(bold);
        return {fm.horizontalAdvance(text()) + 26, fm.height() + 14};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor window = palette().color(QPalette::Window);
        const bool current = isChecked();
        const int lowered = current ? 0 : 3;
        // The rounded rectangle runs past the bottom edge so only its top corners show.
        const QRectF shape = QRectF(rect()).adjusted(0.5, lowered + 0.5, -0.5, 8);
        QPainterPath path;
        path.addRoundedRect(shape, 5, 5);
        p.fillPath(path, current ? window : window.darker(underMouse() ? 108 : 116));
        p.setPen(EdgeColour(this));
        p.drawPath(path);
        if (!current) p.drawLine(QPointF(0, height() - 0.5), QPointF(width(), height() - 0.5));
        QFont f = font();
        f.setBold(current);
        p.setFont(f);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect().adjusted(0, lowered, 0, 0), Qt::AlignCenter, text());
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            p.drawRect(QRectF(rect()).adjusted(4.5, lowered + 4.5, -4.5, -3.5));
        }
    }
    void enterEvent(QEnterEvent* event) override {
        update();
        QAbstractButton::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        update();
        QAbstractButton::leaveEvent(event);
    }
};

// The strip's base line, open under the current tab.
class TTabStrip : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(EdgeColour(this));
        p.drawLine(0, height() - 1, width(), height() - 1);
    }
};

// The pane under the strip: the sides and bottom of the frame the current tab opens into.
class TSectionPane : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(EdgeColour(this));
        p.drawLine(0, 0, 0, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
};

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* MakeNote(const QString& name, const QString& text, QWidget* parent) {
    QLabel* note = MakeLabel(name, text, parent);
    note->setWordWrap(true);
    // Softer than the captions, yet readable on every scheme's light page colour (the
    // dialog's palette is its own, not the desktop's).
    QPalette p = note->palette();
    p.setColor(QPalette::WindowText, QColor(0x4A, 0x4A, 0x4A));
    note->setPalette(p);
    return note;
}

// A section page and its grid; one label column width for every section, so the controls
// stay put when the tab changes.
QGridLayout* NewSection(QWidget* parent, const QString& name) {
    auto* section = new QWidget(parent);
    section->setObjectName(name);
    auto* grid = new QGridLayout(section);
    grid->setContentsMargins(18, 16, 18, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->setColumnMinimumWidth(0, section->fontMetrics().horizontalAdvance(QStringLiteral("Solution color:")) + 6);
    return grid;
}

}  // namespace

// --- Sizes and margin.

const TSizeChoices& SizeChoicesOf(TPageElement e) {
    static const std::array<TSizeChoices, 6> choices = {{
        {{8, 10, 12, 14, 18, 24, 36, 42, 48, 56}, 36, 6, 144},
        {Span(8, 17), 12, 4, 36},
        {Span(8, 17), 12, 4, 36},
        {{9, 10, 11, 12, 14, 16, 20, 28, 36, 48}, 12, 4, 96},
        {{9, 10, 11, 12, 14, 16, 18, 24, 30, 36}, 12, 4, 36},
        {Span(5, 14), 8, 3, 36},
    }};
    return choices[static_cast<std::size_t>(e)];
}

int PreparedSize(TPageElement e, int layout) {
    const TSizeChoices& c = SizeChoicesOf(e);
    const auto standard = std::find(c.Listed.begin(), c.Listed.end(), c.Standard) - c.Listed.begin();
    const auto at = std::clamp<std::ptrdiff_t>(standard + 5 - layout, 0, std::ssize(c.Listed) - 1);
    return c.Listed[static_cast<std::size_t>(at)];
}

double MarginOfText(const QString& text) {
    bool ok = false;
    const QString trimmed = text.trimmed();
    double value = QLocale().toDouble(trimmed, &ok);
    // "0.5" typed where the decimal sign is a comma means what it says, not nothing.
    if (!ok) value = QLocale::c().toDouble(trimmed, &ok);
    return ok ? value : 0.0;
}

bool MarginAccepted(double inches) { return inches >= 0.0 && inches <= 2.0; }

// --- Construction.

const QStringList& TLayoutFm::SectionNames() {
    static const QStringList names{QStringLiteral("Title"),   QStringLiteral("Worksheet"),
                                   QStringLiteral("Instructions"), QStringLiteral("Puzzle"),
                                   QStringLiteral("Word_List"), QStringLiteral("Credits"),
                                   QStringLiteral("Margin")};
    return names;
}

QStringList TLayoutFm::PreparedLayoutNames() {
    return {QStringLiteral("Super Jumbo -- Use only with small puzzles (few words, few rows & columns)"),
            QStringLiteral("Extra Jumbo -- Recommended for very young children."),
            QStringLiteral("Jumbo  --  Recommended for the visially impaired."),
            QStringLiteral("Extra Large  --  Recommended for young children."),
            QStringLiteral("Large "),
            QStringLiteral("Standard  --  A good balance between legibility and space for words."),
            QStringLiteral("Small"),
            QStringLiteral("Extra Small  --  Compact layout for puzzles with very many words."),
            QStringLiteral("Tiny  --  For getting the most words into a puzzle that is still legible."),
            QStringLiteral("Large print  --  Every text at least 16 pt, answers circled in black.")};
}

QString TLayoutFm::HintsText() {
    return QStringLiteral(
        "It is not enough for the puzzle to be easily readable. It must also be large enough for your puzzle "
        "solvers to easily circle or cross out the words they find.");
}

TLayoutFm::TLayoutFm(TWebFm& main) : QDialog(&main), main_(&main) {
    setObjectName(QStringLiteral("TLayoutFm"));
    setWindowTitle(Caption);
    setAccessibleName(Caption);
    setModal(false);
    applyTimer_ = new TClockTimer(main.Clock(), [this] { OnApplyTimer(); }, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(0);
    layout->addWidget(BuildTabStrip());
    auto* pane = new TSectionPane(this);
    pane->setObjectName(QStringLiteral("SectionPnl"));
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(1, 0, 1, 1);
    sections_ = new QStackedWidget(pane);
    sections_->setObjectName(QStringLiteral("Sections"));
    paneLayout->addWidget(sections_);
    layout->addWidget(pane, 1);

    sections_->addWidget(BuildTextSection(QStringLiteral("Title"), TPageElement::Title,
                                          QStringLiteral("The title is printed on the puzzle page and again on the solution page.")));
    sections_->addWidget(BuildTextSection(QStringLiteral("Worksheet"), TPageElement::Worksheet,
                                          QStringLiteral("The worksheet lines (\"Name ____\", \"Date ____\" ...) "
                                                         "are printed at the top of the page.")));
    sections_->addWidget(BuildTextSection(QStringLiteral("Instructions"), TPageElement::Instructions,
                                          QStringLiteral("The instructions tell the solvers what to look for.")));
    sections_->addWidget(BuildPuzzleSection());
    sections_->addWidget(BuildWordListSection());
    sections_->addWidget(BuildTextSection(QStringLiteral("Credits"), TPageElement::Credits,
                                          QStringLiteral("The credits line is printed under the grid.")));
    sections_->addWidget(BuildMarginSection());

    layout->addSpacing(14);
    layout->addWidget(BuildPreparedLayouts());
    layout->addSpacing(10);
    layout->addWidget(BuildFooter());

    ShowSection(SectionNames().first());
    RefreshLayoutControls();
    main.installEventFilter(this);
    resize(sizeHint().expandedTo(QSize(640, 0)));
}

QWidget* TLayoutFm::BuildTabStrip() {
    auto* strip = new TTabStrip(this);
    strip->setObjectName(QStringLiteral("SectionTabs"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 0, 6, 0);
    row->setSpacing(2);
    for (const QString& section : SectionNames()) {
        auto* tab = new TSectionTab(section, strip);
        connect(tab, &QAbstractButton::clicked, this, [this, section] { ShowSection(section); });
        row->addWidget(tab);
        tabs_ << tab;
    }
    row->addStretch(1);
    return strip;
}

QComboBox* TLayoutFm::MakeChoiceList(const QString& name, const QString& caption, const QStringList& items) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->setAccessibleName(caption);
    list->addItems(items);
    return list;
}

void TLayoutFm::AddFontRows(QGridLayout* grid, int row, TPageElement e, const QString& caption) {
    const TElementInfo& info = InfoOf(e);
    const QString prefix = QString::fromLatin1(info.Prefix);
    const TSizeChoices& sizes = SizeChoicesOf(e);
    TElementControls& c = Controls(e);

    c.Face = MakeChoiceList(prefix + QStringLiteral("_FontNameCmBx"), caption + QStringLiteral(" font"), {});
    MakeEditable(c.Face, true);
    c.Face->setMinimumWidth(260);
    c.Face->setMaxVisibleItems(16);
    connect(c.Face, &QComboBox::editTextChanged, this, [this, e] { FaceChange(e); });
    QLabel* faceLabel = MakeLabel(prefix + QStringLiteral("_FontNameLbl"), QStringLiteral("Font:"), this);
    faceLabel->setBuddy(c.Face);
    grid->addWidget(faceLabel, row, 0);
    grid->addWidget(c.Face, row, 1, 1, 2);

    c.Size = MakeChoiceList(prefix + QStringLiteral("_FontSizeCmBx"), caption + QStringLiteral(" font size"),
                            AsTexts(sizes.Listed));
    MakeEditable(c.Size, false);
    c.Size->setFixedWidth(c.Size->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 44);
    connect(c.Size, &QComboBox::editTextChanged, this, [this, e] { SizeChange(e); });
    QLabel* sizeLabel = MakeLabel(prefix + QStringLiteral("_FontSizeLbl"), QStringLiteral("Size:"), this);
    sizeLabel->setBuddy(c.Size);
    grid->addWidget(sizeLabel, row + 1, 0);
    grid->addWidget(c.Size, row + 1, 1);
    grid->addWidget(MakeNote(prefix + QStringLiteral("_FontRangeLbl"),
                             QStringLiteral("points (%1 to %2)").arg(sizes.Lowest).arg(sizes.Highest), this),
                    row + 1, 2);

    c.Sample = MakeLabel(prefix + QStringLiteral("_SampleLbl"), QString::fromLatin1(info.Sample), this);
    c.Sample->setAccessibleName(caption + QStringLiteral(" sample"));
    c.Sample->setFixedHeight(QFontMetrics(QFont(font().family(), SampleMaxPoints)).height() + 8);
    c.Sample->setMinimumWidth(200);
    c.Sample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    grid->addWidget(MakeLabel(prefix + QStringLiteral("_SampleCaptionLbl"), QStringLiteral("Sample:"), this), row + 2,
                    0);
    grid->addWidget(c.Sample, row + 2, 1, 1, 2);
    grid->setColumnStretch(2, 1);
}

// One captioned list row that writes its position straight into a page-format setting.
QComboBox* TLayoutFm::AddSettingRow(QGridLayout* grid, int row, const TSettingRow& r, const QStringList& items,
                                    int TPageFormat::*setting) {
    QWidget* page = grid->parentWidget();
    QComboBox* list = MakeChoiceList(r.Name + QStringLiteral("CmBx"), r.Caption, items);
    connect(list, &QComboBox::currentIndexChanged, this, [this, setting, list] { ListChoiceChange(setting, list); });
    const QString label = r.Label.isEmpty() ? r.Caption + QLatin1Char(':') : r.Label;
    grid->addWidget(MakeLabel(r.Name + QStringLiteral("Lbl"), label, page), row, 0);
    grid->addWidget(list, row, 1, 1, r.Span, Qt::AlignLeft);
    return list;
}

QWidget* TLayoutFm::BuildTextSection(const QString& section, TPageElement e, const QString& what) {
    QGridLayout* grid = NewSection(sections_, section);
    QWidget* page = grid->parentWidget();
    grid->addWidget(MakeNote(section + QStringLiteral("_AboutLbl"), what, page), 0, 0, 1, 3);
    AddFontRows(grid, 1, e, QString::fromLatin1(InfoOf(e).Caption));
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* TLayoutFm::BuildPuzzleSection() {
    QGridLayout* grid = NewSection(sections_, QStringLiteral("Puzzle"));
    QWidget* page = grid->parentWidget();

    gridPosition_ = AddSettingRow(grid, 0, {QStringLiteral("GridPosition"), QStringLiteral("Grid position"), 1, {}},
                                  {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")},
                                  &TPageFormat::GridHPosition);

    AddFontRows(grid, 1, TPageElement::Grid, QStringLiteral("Puzzle"));

    solutionStyle_ =
        AddSettingRow(grid, 4, {QStringLiteral("SolutionStyle"), QStringLiteral("Solution style"), 2, {}},
                      {QStringLiteral("Loops (normally blue)"), QStringLiteral("Thin lines (normally blue)"),
                       QStringLiteral("Thick marker (color by direction)")},
                      &TPageFormat::SolutionStyle);

    auto* colourRow = new QHBoxLayout;
    colourRow->setSpacing(10);
    colorSwatch_ = MakeLabel(QStringLiteral("SolutionColorLbl"), QString(), page);
    colorSwatch_->setAccessibleName(QStringLiteral("Solution color"));
    colorSwatch_->setMinimumWidth(110);
    colourRow->addWidget(colorSwatch_);
    auto* change = new TLink(QStringLiteral("ChangeColorLnk"), QStringLiteral("Change color"), page);
    connect(change, &TLink::activated, this, &TLayoutFm::ChangeColor);
    colourRow->addWidget(change);
    auto* reset = new TLink(QStringLiteral("DefaultColorLnk"), QStringLiteral("Default color(s)"), page);
    connect(reset, &TLink::activated, this, &TLayoutFm::DefaultColor);
    colourRow->addWidget(reset);
    colourRow->addStretch(1);
    grid->addWidget(MakeLabel(QStringLiteral("SolutionColorCaptionLbl"), QStringLiteral("Solution color:"), page),
                    5, 0);
    grid->addLayout(colourRow, 5, 1, 1, 2);
    grid->setRowStretch(6, 1);
    return page;
}

QWidget* TLayoutFm::BuildWordListSection() {
    QGridLayout* grid = NewSection(sections_, QStringLiteral("Word_List"));
    QWidget* page = grid->parentWidget();

    QStringList columns{QStringLiteral("Automatic")};
    for (int i = 1; i <= 9; ++i) columns << QString::number(i);
    cluesColumns_ = AddSettingRow(grid, 0, {QStringLiteral("CluesColumns"), QStringLiteral("Word-list columns"), 1,
                                            QStringLiteral("Columns:")},
                                  columns, &TPageFormat::RequestedClueColumns);
    wordAlignment_ = AddSettingRow(grid, 1, {QStringLiteral("WordAlignment"), QStringLiteral("Word alignment"), 1,
                                             QStringLiteral("Alignment:")},
                                   {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")},
                                   &TPageFormat::ClueAlignment);

    AddFontRows(grid, 2, TPageElement::Wordlist, QStringLiteral("Word list"));
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* TLayoutFm::BuildMarginSection() {
    QGridLayout* grid = NewSection(sections_, QStringLiteral("Margin"));
    QWidget* page = grid->parentWidget();
    grid->addWidget(MakeNote(QStringLiteral("Margin_AboutLbl"),
                             QStringLiteral("A decorative frame around the page, and the width of the page margin."), page),
                    0, 0, 1, 3);

    frameStyle_ = MakeChoiceList(QStringLiteral("FrameStyleCmBx"), QStringLiteral("Frame style"),
                                 {QStringLiteral("None"), QStringLiteral("Thin line"), QStringLiteral("Medium line"),
                                  QStringLiteral("Thick line"), QStringLiteral("Two thin lines"),
                                  QStringLiteral("Two thin lines, shaded"), QStringLiteral("Thick & thin lines"),
                                  QStringLiteral("Thick & thin lines, shaded")});
    connect(frameStyle_, &QComboBox::currentIndexChanged, this, &TLayoutFm::FrameStyleChange);
    grid->addWidget(MakeLabel(QStringLiteral("FrameStyleLbl"), QStringLiteral("Frame:"), page), 1, 0);
    grid->addWidget(frameStyle_, 1, 1, 1, 2, Qt::AlignLeft);

    QStringList widths;
    for (int eighths = 2; eighths <= 12; ++eighths) widths << MarginText(eighths / 8.0);
    margin_ = MakeChoiceList(QStringLiteral("Margin_MarginWidthCmBx"), QStringLiteral("Margin width"), widths);
    MakeEditable(margin_, false);
    margin_->setFixedWidth(margin_->fontMetrics().horizontalAdvance(QStringLiteral("0.0000")) + 44);
    connect(margin_, &QComboBox::editTextChanged, this, &TLayoutFm::MarginChange);
    grid->addWidget(MakeLabel(QStringLiteral("Margin_MarginWidthLbl"), QStringLiteral("Margin width:"), page), 2, 0);
    grid->addWidget(margin_, 2, 1);
    grid->addWidget(MakeNote(QStringLiteral("Margin_RangeLbl"), QStringLiteral("inches (0 to 2)"), page), 2, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* TLayoutFm::BuildPreparedLayouts() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("PreparedLayoutsPnl"));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    QLabel* heading = MakeLabel(QStringLiteral("PreparedLayoutsLbl"), QStringLiteral("Choose a Predesigned Format"), box);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addWidget(heading);
    preparedLayouts_ = MakeChoiceList(QStringLiteral("PreparedLayoutsCmBx"),
                                      QStringLiteral("Choose a Predesigned Format"), PreparedLayoutNames());
    preparedLayouts_->setPlaceholderText(
        QStringLiteral("Click on the triangle at right to display a list of choices."));
    preparedLayouts_->setCurrentIndex(-1);
    preparedLayouts_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // activated, not currentIndexChanged: choosing the same layout again applies it again.
    connect(preparedLayouts_, &QComboBox::activated, this, &TLayoutFm::ChoosePreparedLayout);
    column->addWidget(preparedLayouts_, 0, Qt::AlignLeft);
    heading->setBuddy(preparedLayouts_);
    return box;
}

QWidget* TLayoutFm::BuildFooter() {
    auto* footer = new QWidget(this);
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(0, 0, 0, 0);
    hints_ = new TLink(QStringLiteral("HintsLnk"), QStringLiteral("Hints"), footer);
    connect(hints_, &TLink::activated, this, &TLayoutFm::ShowHints);
    row->addWidget(hints_);
    row->addStretch(1);
    auto* close = new TLink(QStringLiteral("CloseLnk"), QStringLiteral("Close"), footer);
    connect(close, &TLink::activated, this, &QDialog::close);
    row->addWidget(close);
    return footer;
}

// --- Showing.

void TLayoutFm::Open(const QString& section) {
    if (!section.isEmpty()) ShowSection(section);
    show();
    raise();
    activateWindow();
    // Start where the user types, not on the tab strip.
    if (auto* first = sections_->currentWidget()->findChild<QComboBox*>()) first->setFocus(Qt::OtherFocusReason);
}

void TLayoutFm::ShowSection(const QString& section) {
    const int at = SectionNames().indexOf(section);
    if (at < 0) return;
    section_ = section;
    sections_->setCurrentIndex(at);
    tabs_[at]->setChecked(true);
}

void TLayoutFm::hideEvent(QHideEvent* event) {
    // A hint put up from here goes with the dialog; another window's hint stays.
    if (!hintShown_.isEmpty() && main_->Windows() && main_->Windows()->Hint && main_->Hint().isVisible() &&
        main_->Hint().Text() == hintShown_)
        main_->Hint().CloseHint();
    hintShown_.clear();
    QDialog::hideEvent(event);
}

bool TLayoutFm::eventFilter(QObject* watched, QEvent* event) {
    // The main window's resizes come in bursts; one re-application follows each burst.
    if (watched == main_ && event->type() == QEvent::Resize && main_->StartupComplete() && !reapplyPending_) {
        reapplyPending_ = true;
        main_->Clock().After(0, this, [this] {
            reapplyPending_ = false;
            ReapplyFontSizes();
        });
    }
    return QDialog::eventFilter(watched, event);
}

// --- Settings and controls.

TPuzzleModel& TLayoutFm::Model() const { return main_->Model(); }
const TPageFormat& TLayoutFm::Format() const { return main_->Model().Puzzle().Format; }

void TLayoutFm::EditFormat(const std::function<void(TPageFormat&)>& change) {
    TPageFormat format = Format();
    change(format);
    // The mark follows the edit's own rule (the apply timer, a colour choice).
    Model().SetPageFormat(format, true);
}

void TLayoutFm::ResetLayoutToPreferences() {
    EditFormat([this](TPageFormat& f) { f.ResetToPreferences(Model().Preferences()); });
    RefreshLayoutControls();
}

void TLayoutFm::FillFaceLists() {
    QStringList families;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family)) families << family;
    for (TElementControls& c : elements_) {
        QStringList listed;
        for (int i = 0; i < c.Face->count(); ++i) listed << c.Face->itemText(i);
        if (listed == families) continue;
        const QSignalBlocker quiet(c.Face);
        c.Face->clear();
        c.Face->addItems(families);
    }
}

void TLayoutFm::RefreshLayoutControls() {
    loading_ = true;
    FillFaceLists();
    const TPageFormat& f = Format();
    for (TPageElement e : AllPageElements) {
        TElementControls& c = Controls(e);
        const QSignalBlocker quietFace(c.Face);
        const QSignalBlocker quietSize(c.Size);
        SelectOrShow(c.Face, f.Face(e));
        SelectOrShow(c.Size, QString::number(f.FontSize(e)));
    }
    {
        // An index the list does not have shows "None"; the setting keeps it until changed.
        const QSignalBlocker quiet(frameStyle_);
        frameStyle_->setCurrentIndex(f.BorderIndex >= 0 && f.BorderIndex < frameStyle_->count() ? f.BorderIndex : 0);
    }
    {
        // Only shown: taking the three-decimal text back would round the stored width.
        const QSignalBlocker quiet(margin_);
        margin_->setEditText(MarginText(f.MarginWidth));
        ShowAccepted(margin_, MarginAccepted(f.MarginWidth));
    }
    const std::pair<QComboBox*, int> choices[] = {{gridPosition_, f.GridHPosition},
                                                  {solutionStyle_, f.SolutionStyle},
                                                  {cluesColumns_, f.RequestedClueColumns},
                                                  {wordAlignment_, f.ClueAlignment}};
    for (const auto& [list, value] : choices) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
    }
    {
        // The sizes may no longer be any prepared layout's: back to the prompt.
        const QSignalBlocker quiet(preparedLayouts_);
        preparedLayouts_->setCurrentIndex(-1);
    }
    ShowSolutionColor();
    RerunFaceAndSizeChanges();
    loading_ = false;
}

void TLayoutFm::RerunFaceAndSizeChanges() {
    for (TPageElement e : AllPageElements) {
        FaceChange(e);
        SizeChange(e);
    }
}

void TLayoutFm::ReapplyFontSizes() {
    // The sizes as they are, taken again: no change of the user's.
    const bool quiet = quietEdits_;
    quietEdits_ = true;
    for (TPageElement e : AllPageElements) SizeChange(e);
    quietEdits_ = quiet;
    ApplyAppearance();
}

namespace {

// Large print: a plain sans-serif face, every size at least 16 pt, and answers marked by
// shape (loops in black) so that no one needs to tell colours apart.
constexpr int LargePrintLayout = 9;
constexpr int LargePrintSizes[6] = {28, 16, 16, 20, 16, 16};

}  // namespace

void TLayoutFm::ChoosePreparedLayout(int k) {
    if (k == LargePrintLayout) {
        for (TPageElement e : AllPageElements) {
            TElementControls& c = Controls(e);
            const QSignalBlocker quietFace(c.Face);
            const QSignalBlocker quietSize(c.Size);
            SelectOrShow(c.Face, QStringLiteral("Arial"));
            SelectOrShow(c.Size, QString::number(LargePrintSizes[static_cast<int>(e)]));
        }
        EditFormat([](TPageFormat& f) {
            f.SolutionStyle = 0;
            f.SolutionColor = 0;
        });
        {
            const QSignalBlocker quiet(solutionStyle_);
            solutionStyle_->setCurrentIndex(0);
        }
        ShowSolutionColor();
        RerunFaceAndSizeChanges();
        ApplyAppearance();
        return;
    }
    for (TPageElement e : AllPageElements) {
        const TElementInfo& info = InfoOf(e);
        TElementControls& c = Controls(e);
        const QSignalBlocker quietFace(c.Face);
        const QSignalBlocker quietSize(c.Size);
        const QString face = QString::fromLatin1(info.PreparedFace);
        const bool installed = c.Face->findText(face, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
        SelectOrShow(c.Face, installed ? face : QString::fromLatin1(info.FallbackFace));
        SelectOrShow(c.Size, QString::number(PreparedSize(e, k)));
    }
    RerunFaceAndSizeChanges();
    ApplyAppearance();
}

void TLayoutFm::ShowSample(TPageElement e) {
    TElementControls& c = Controls(e);
    QFont sample(Format().Face(e));
    sample.setPointSize(std::clamp(Format().FontSize(e), 1, SampleMaxPoints));
    c.Sample->setFont(sample);
}

// --- Change handling.

void TLayoutFm::FaceChange(TPageElement e) {
    const QString face = Controls(e).Face->currentText();
    EditFormat([&](TPageFormat& f) { f.SetFace(e, face); });
    ShowSample(e);
    ArmApplyTimer(FaceApplyDelayMs);
}

void TLayoutFm::SizeChange(TPageElement e) {
    QComboBox* list = Controls(e).Size;
    bool ok = false;
    int points = list->currentText().trimmed().toInt(&ok);
    if (!ok) points = 0;
    const TSizeChoices& range = SizeChoicesOf(e);
    const bool accepted = points >= range.Lowest && points <= range.Highest;
    ShowAccepted(list, accepted);
    if (!accepted) {
        applyTimer_->Stop();
        return;
    }
    EditFormat([&](TPageFormat& f) { f.SetFontSize(e, points); });
    ShowSample(e);
    ArmApplyTimer(SizeApplyDelayMs);
}

void TLayoutFm::MarginChange() {
    const double inches = MarginOfText(margin_->currentText());
    const bool accepted = MarginAccepted(inches);
    ShowAccepted(margin_, accepted);
    if (!accepted) {
        applyTimer_->Stop();
        return;
    }
    EditFormat([&](TPageFormat& f) { f.MarginWidth = inches; });
    ArmApplyTimer(SizeApplyDelayMs);
}

void TLayoutFm::FrameStyleChange() {
    const int border = frameStyle_->currentIndex();
    EditFormat([&](TPageFormat& f) { f.BorderIndex = border; });
    ArmApplyTimer(FaceApplyDelayMs);
}

void TLayoutFm::ListChoiceChange(int TPageFormat::*setting, QComboBox* list) {
    const int chosen = list->currentIndex();
    EditFormat([&](TPageFormat& f) { f.*setting = chosen; });
    ArmApplyTimer(FaceApplyDelayMs);
}

// --- Solution colour and hints.

void TLayoutFm::ChangeColor() {
    const std::int32_t now = Format().SolutionColor;
    const QColor initial = now == NoColor ? QColor(0, 0, 255) : ColourOfValue(now);
    const std::optional<QColor> chosen = main_->Services().ColorsFonts.ChooseColor(this, initial);
    if (!chosen || !chosen->isValid()) return;
    const std::int32_t value = ValueOfColour(*chosen);
    // Saved with the puzzle, so a new colour is a change the save query must know about.
    if (value != now) Model().SetModified(true);
    EditFormat([&](TPageFormat& f) { f.SolutionColor = value; });
    ShowSolutionColor();
    ApplyAppearance();
}

void TLayoutFm::DefaultColor() {
    if (Format().SolutionColor != NoColor) Model().SetModified(true);
    EditFormat([](TPageFormat& f) { f.SolutionColor = NoColor; });
    ShowSolutionColor();
    ApplyAppearance();
}

void TLayoutFm::ShowSolutionColor() {
    const std::int32_t value = Format().SolutionColor;
    if (value == NoColor) {
        colorSwatch_->setText(QStringLiteral("By style (default)"));
        return;
    }
    const QColor c = ColourOfValue(value);
    colorSwatch_->setText(QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
                                         "</span>&nbsp;%1")
                              .arg(c.name()));
}

void TLayoutFm::ShowHints() {
    main_->ShowHintBeside(hints_, HintsText(), HintSeconds);
    hintShown_ = HintsText();
}

// --- The apply timer.

void TLayoutFm::ArmApplyTimer(int ms) {
    if (loading_) return;
    if (ms < 0 || ms > MaxApplyDelayMs) ms = SizeApplyDelayMs;
    applyTimer_->SetInterval(ms);
    applyTimer_->Start();
    if (!quietEdits_) Model().SetModified(true);
}

void TLayoutFm::OnApplyTimer() {
    applyTimer_->Stop();
    Model().HideMemorized();
    ApplyAppearance();
}

void TLayoutFm::ApplyAppearance() {
    applyTimer_->Stop();
    main_->RefreshPuzzleViews();
    emit AppearanceApplied();
}

}  // namespace vorlix::shell
