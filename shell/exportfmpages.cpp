// The export window's pages, its toolbar and its "Include" boxes, built once.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <vector>

#include "exportfm.h"
#include "link.h"
#include "webfm.h"

namespace vorlix::shell {

namespace {

constexpr int HintSeconds = 15;
constexpr int SideFieldChars = 5;

QString NamePrefixOf(const QString& pageName) {
    if (pageName == ExportOptionsPage) return QStringLiteral("Options");
    if (pageName == HtmlPagePage) return QStringLiteral("HtmlPage");
    if (pageName == PlayPagePage) return QStringLiteral("PlayPage");
    if (pageName == CopyHtmlPage) return QStringLiteral("CPHtml");
    if (pageName == SaveAsTextPage) return QStringLiteral("SaveAsText");
    if (pageName == MetafileSolutionPage) return QStringLiteral("MFSol");
    return pageName;  // "Metafile", "Bitmap"
}

QLabel* BoldLabel(const QString& name, const QString& text, QWidget* parent, double scale = 1.0) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setTextFormat(Qt::PlainText);
    QFont f = label->font();
    f.setBold(true);
    if (scale != 1.0) f.setPointSizeF(f.pointSizeF() * scale);
    label->setFont(f);
    return label;
}

// A row of widgets, left-aligned, that keeps its own width.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, int spacing = 6) {
    auto* row = new QHBoxLayout;
    row->setSpacing(spacing);
    for (QWidget* w : widgets) row->addWidget(w);
    row->addStretch(1);
    return row;
}

}  // namespace

QWidget* TExportFm::NewPage(const QString& pageName, const QString& heading, QLabel** headingLabel) {
    const QString prefix = NamePrefixOf(pageName);
    auto* page = new QWidget(this);
    page->setObjectName(prefix + QStringLiteral("_Page"));
    page->setAccessibleName(pageName);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(18, 14, 8, 0);
    column->setSpacing(10);
    QLabel* title = BoldLabel(prefix + QStringLiteral("_Bnr"), heading, page, 1.4);
    title->setAutoFillBackground(true);
    title->setContentsMargins(10, 6, 10, 6);
    column->addWidget(title);
    if (headingLabel) *headingLabel = title;
    auto* body = new QVBoxLayout;
    body->setObjectName(QStringLiteral("Body"));
    body->setContentsMargins(4, 4, 0, 0);
    body->setSpacing(10);
    column->addLayout(body, 1);
    return page;
}

QVBoxLayout* TExportFm::PageBody(QWidget* page) const { return page->findChild<QVBoxLayout*>(QStringLiteral("Body")); }

TLink* TExportFm::AddLink(const QString& name, const QString& caption, std::function<void()> action,
                          QWidget* parent) {
    auto* link = new TLink(name, caption, parent);
    link->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(link, &TLink::activated, this, [action = std::move(action)] { action(); });
    return link;
}

TLink* TExportFm::AddHintLink(const QString& name, const QString& caption, const QString& hint, QWidget* parent) {
    auto* link = new TLink(name, caption, parent);
    link->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(link, &TLink::activated, this, [this, link, hint] { main_->ShowHintBeside(link, hint, HintSeconds); });
    return link;
}

QPushButton* TExportFm::AddButton(const QString& name, const QString& caption, std::function<void()> action,
                                  QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(u'&'));
    button->setAutoDefault(false);
    button->setMinimumWidth(150);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    return button;
}

QLabel* TExportFm::AddText(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// "What is the clipboard?", its last word the hint link.
void TExportFm::AddClipboardHint(QWidget* page) {
    const QString prefix = NamePrefixOf(page->accessibleName());
    QLabel* before = AddText(QString(), QStringLiteral("What is the"), page);
    before->setWordWrap(false);
    QLabel* after = AddText(QString(), QStringLiteral("?"), page);
    after->setWordWrap(false);
    TLink* link = AddHintLink(prefix + QStringLiteral("_ClipboardLnk"), QStringLiteral("clipboard"),
                              ClipboardHintText(), page);
    auto* row = Row({before, link, after}, 0);
    before->setContentsMargins(0, 0, 4, 0);
    PageBody(page)->addLayout(row);
}

// "Other Export Options" and, on the picture pages, "Maximize Font Sizes".
void TExportFm::AddPageFooter(QWidget* page, bool fontsLink) {
    const QString prefix = NamePrefixOf(page->accessibleName());
    QVBoxLayout* body = PageBody(page);
    if (fontsLink) {
        body->addSpacing(6);
        QLabel* tip = AddText(prefix + QStringLiteral("_FontsTxt"),
                              QStringLiteral("Tip: a picture made small reads better when its fonts are large."),
                              page);
        TLink* fonts = AddLink(prefix + QStringLiteral("_MaximizeFontsLnk"), QStringLiteral("Maximize Font Sizes"),
                               [this] { MaximizeFontSizes(); }, page);
        body->addLayout(Row({tip, fonts}));
        tip->setWordWrap(false);
    }
    body->addStretch(1);
    body->addLayout(Row({AddLink(prefix + QStringLiteral("_OtherOptionsLnk"), QStringLiteral("Other Export Options"),
                                 [this] { TurnTo(ExportOptionsPage); }, page)}));
    body->addSpacing(4);
}

QWidget* TExportFm::BuildToolbar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("Export_ToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto addButton = [&](const QString& name, const QString& caption, const QString& tip, auto slot) {
        auto* button = new QToolButton(bar);
        button->setObjectName(name);
        button->setText(caption);
        button->setAccessibleName(QString(caption).remove(u'&'));
        button->setToolTip(tip);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, slot);
        bar->addWidget(button);
    };
    addButton(QStringLiteral("Export_BackBtn"), QStringLiteral("&Back"), QStringLiteral("Back to the export options"),
              [this] { BackClicked(); });
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    addButton(QStringLiteral("Export_CloseBtn"), QStringLiteral("Close"), QStringLiteral("Close this window"),
              [this] { reject(); });
    return bar;
}

QWidget* TExportFm::BuildIncludeGroup() {
    auto* group = new QGroupBox(QStringLiteral("Include"), this);
    group->setObjectName(QStringLiteral("IncludeGrp"));
    group->setAccessibleName(QStringLiteral("Include"));
    group->setMinimumWidth(150);
    auto* column = new QVBoxLayout(group);
    column->setSpacing(8);
    auto add = [&](const QString& name, const QString& caption) {
        auto* box = new QCheckBox(caption, group);
        box->setObjectName(name);
        box->setAccessibleName(caption);
        connect(box, &QCheckBox::toggled, this, [this] { IncludeChanged(); });
        column->addWidget(box);
        return box;
    };
    worksheetCB_ = add(QStringLiteral("IncludeWorksheetCB"), QStringLiteral("Worksheet"));
    titleCB_ = add(QStringLiteral("IncludeTitleCB"), QStringLiteral("Title"));
    instructionsCB_ = add(QStringLiteral("IncludeInstructionsCB"), QStringLiteral("Instructions"));
    gridCB_ = add(QStringLiteral("IncludeGridCB"), QStringLiteral("Puzzle"));
    listCB_ = add(QStringLiteral("IncludeListCB"), QStringLiteral("Word List"));
    solutionCB_ = add(QStringLiteral("IncludeSolutionCB"), QStringLiteral("Solution"));
    gridCB_->setChecked(true);
    listCB_->setChecked(true);
    return group;
}

QWidget* TExportFm::BuildOptionsPage() {
    QWidget* page = NewPage(ExportOptionsPage, QStringLiteral("Publish or Export Your Puzzle"));
    QVBoxLayout* body = PageBody(page);
    body->addWidget(AddText(QStringLiteral("Options_IntroTxt"),
                            QStringLiteral("Choose how you want to take your puzzle out of Vorlix. To print it, use "
                                           "Print in the main window."),
                            page));
    struct TChoice {
        const char* Name;
        const char* Caption;
        QString Page;
        bool Solution;
        const char* Note;
    };
    struct TGroup {
        const char* Heading;
        std::vector<TChoice> Choices;
    };
    const std::vector<TGroup> groups = {
        {"On the web",
         {{"Options_CompleteWebPageLnk", "Create a Complete Web Page", HtmlPagePage, false,
           "A page of its own (.htm) to open in a browser or put on a web site."},
          {"Options_PlayPageLnk", "Interactive Web Page", PlayPagePage, false,
           "A page pupils solve on a screen, offline, by mouse, touch or keyboard."},
          {"Options_ExportHtmlLnk", "Export as HTML", CopyHtmlPage, false,
           "HTML to paste into a web page you are editing."}}},
        {"As text",
         {{"Options_ExportTextLnk", "Export Puzzle as Text", SaveAsTextPage, false,
           "The letters and the words as plain text, copied or saved to a .txt file."}}},
        {"As a resizable picture (EMF or SVG)",
         {{"Options_ExportPuzzleLnk", "Export Puzzle", MetafilePage, false,
           "A vector picture that stays sharp at any size."},
          {"Options_ExportSolutionLnk", "Export Solution", MetafileSolutionPage, true,
           "The solution as a vector picture."}}},
        {"As a fixed-size picture (BMP or PNG)",
         {{"Options_PuzzleBitmapLnk", "Export Puzzle as Bitmap", BitmapPage, false,
           "A bitmap with as many pixels as you choose."},
          {"Options_SolutionBitmapLnk", "Export Solution as Bitmap", BitmapPage, true,
           "The solution as a bitmap."}}},
    };
    for (const TGroup& group : groups) {
        body->addSpacing(4);
        body->addWidget(BoldLabel(QString(), QString::fromUtf8(group.Heading), page));
        auto* grid = new QGridLayout;
        grid->setContentsMargins(18, 0, 0, 0);
        grid->setHorizontalSpacing(14);
        grid->setVerticalSpacing(6);
        int row = 0;
        for (const TChoice& choice : group.Choices) {
            const QString target = choice.Page;
            const bool solution = choice.Solution;
            grid->addWidget(AddLink(QString::fromLatin1(choice.Name), QString::fromUtf8(choice.Caption),
                                    [this, target, solution] { Choose(target, solution); }, page),
                            row, 0, Qt::AlignLeft | Qt::AlignTop);
            grid->addWidget(AddText(QString(), QString::fromUtf8(choice.Note), page), row, 1, Qt::AlignTop);
            ++row;
        }
        grid->setColumnMinimumWidth(0, 200);
        grid->setColumnStretch(1, 1);
        body->addLayout(grid);
    }
    body->addStretch(1);
    return page;
}

QWidget* TExportFm::BuildHtmlPage() {
    QWidget* page = NewPage(HtmlPagePage, QStringLiteral("Create a Complete Web Page"));
    QVBoxLayout* body = PageBody(page);
    QLabel* intro = AddText(QStringLiteral("HtmlPage_IntroTxt"),
                            QStringLiteral("Save your puzzle as a web page that any browser can open."), page);
    intro->setWordWrap(false);
    body->addLayout(Row({intro, AddHintLink(QStringLiteral("HtmlPage_ExplainHtmlLnk"), QStringLiteral("Explain HTML"),
                                            ExplainHtmlHintText(), page)}));
    body->addWidget(AddText(QStringLiteral("HtmlPage_Step1Txt"),
                            QStringLiteral("Step 1   - Tick the parts to include, at the right."), page));
    body->addWidget(AddText(QStringLiteral("HtmlPage_Step2Txt"),
                            QStringLiteral("Step 2   - Click on this button and choose a name for the file."), page));
    body->addLayout(Row({AddButton(QStringLiteral("HtmlPage_SaveBtn"), QStringLiteral("&Save as Web Page..."),
                                   [this] { SaveWebPage(); }, page)}));
    AddPageFooter(page, false);
    return page;
}

QWidget* TExportFm::BuildPlayPage() {
    QWidget* page = NewPage(PlayPagePage, QStringLiteral("Create an Interactive Web Page"));
    QVBoxLayout* body = PageBody(page);
    body->addWidget(AddText(QStringLiteral("PlayPage_IntroTxt"),
                            QStringLiteral("Save your puzzle as one web page that pupils solve in a browser: by "
                                           "dragging or tapping with the mouse or a finger, or by keyboard alone. "
                                           "It needs no internet: mail it, put it on a class web site or open it "
                                           "from a USB stick."),
                            page));
    body->addWidget(AddText(QStringLiteral("PlayPage_Step1Txt"),
                            QStringLiteral("Step 1   - Choose whether pupils see the words to find."), page));
    mysteryCB_ = new QCheckBox(QStringLiteral("Hide the word list (mystery)"), page);
    mysteryCB_->setObjectName(QStringLiteral("PlayPage_MysteryCB"));
    mysteryCB_->setAccessibleName(mysteryCB_->text());
    mysteryCB_->setToolTip(QStringLiteral("Words appear in the list as they are found."));
    body->addLayout(Row({mysteryCB_}));
    body->addWidget(AddText(QStringLiteral("PlayPage_Step2Txt"),
                            QStringLiteral("Step 2   - Click on this button and choose a name for the file."), page));
    body->addLayout(Row({AddButton(QStringLiteral("PlayPage_SaveBtn"), QStringLiteral("&Save as Interactive Page..."),
                                   [this] { SaveInteractivePage(); }, page)}));
    AddPageFooter(page, false);
    return page;
}

QWidget* TExportFm::BuildCopyHtmlPage() {
    QWidget* page = NewPage(CopyHtmlPage, QStringLiteral("Export as HTML"));
    QVBoxLayout* body = PageBody(page);
    QLabel* intro = AddText(QStringLiteral("CPHtml_IntroTxt"),
                            QStringLiteral("Copy and paste your puzzle into a web page that you are editing."), page);
    intro->setWordWrap(false);
    body->addLayout(Row({intro, AddHintLink(QStringLiteral("CPHtml_ExplainHtmlLnk"), QStringLiteral("Explain HTML"),
                                            ExplainHtmlHintText(), page)}));
    body->addWidget(AddText(QStringLiteral("CPHtml_Step1Txt"),
                            QStringLiteral("Step 1   - Tick the parts to include, at the right."), page));
    body->addWidget(AddText(QStringLiteral("CPHtml_Step2Txt"),
                            QStringLiteral("Step 2   - Click on this button.   It copies the HTML to the Clipboard."),
                            page));
    body->addLayout(Row({AddButton(QStringLiteral("CPHtml_CopyBtn"), QStringLiteral("&Copy HTML"),
                                   [this] { CopyHtml(); }, page)}));
    body->addWidget(AddText(QStringLiteral("CPHtml_Step3Txt"),
                            QStringLiteral("Step 3   - In your HTML editor, paste the code where the puzzle belongs."),
                            page));
    body->addSpacing(6);
    AddClipboardHint(page);
    QLabel* other = AddText(QStringLiteral("CPHtml_OtherWayTxt"), QStringLiteral("There is also a"), page);
    other->setWordWrap(false);
    body->addLayout(Row({other,
                         AddHintLink(QStringLiteral("CPHtml_TextBasedWayLnk"), QStringLiteral("text-based way"),
                                     TextBasedWayHintText(), page),
                         AddText(QString(), QStringLiteral("."), page)},
                        0));
    AddPageFooter(page, false);
    return page;
}

QWidget* TExportFm::BuildTextPage() {
    QWidget* page = NewPage(SaveAsTextPage, QStringLiteral("Export Puzzle as Text"));
    QVBoxLayout* body = PageBody(page);
    body->addWidget(AddText(QStringLiteral("SaveAsText_IntroTxt"),
                            QStringLiteral("Copy and paste your puzzle as plain text into a word processor, or save "
                                           "it as a text file."),
                            page));
    body->addWidget(AddText(QStringLiteral("SaveAsText_Step1Txt"),
                            QStringLiteral("Step 1   - Tick the parts to include, at the right."), page));
    QLabel* step2 = AddText(QStringLiteral("SaveAsText_Step2Txt"),
                            QStringLiteral("Step 2   - Choose the spacing between the letters of the grid:"), page);
    step2->setWordWrap(false);
    spacingCmBx_ = new QComboBox(page);
    spacingCmBx_->setObjectName(QStringLiteral("SaveAsText_GridLetterSpacingCmBx"));
    spacingCmBx_->setAccessibleName(QStringLiteral("Letter spacing"));
    spacingCmBx_->addItems({QStringLiteral("0 - ABCDE"), QStringLiteral("1 - A B C D E"),
                            QStringLiteral("2 - A  B  C  D  E"), QStringLiteral("3 - A   B   C   D   E")});
    spacingCmBx_->setCurrentIndex(DefaultTextLetterSpacing);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    spacingCmBx_->setFont(fixed);
    body->addLayout(Row({step2, spacingCmBx_}));
    body->addWidget(AddText(QStringLiteral("SaveAsText_Step3Txt"),
                            QStringLiteral("Step 3   - Click on this button.   It copies your puzzle to the Clipboard."),
                            page));
    body->addLayout(Row({AddButton(QStringLiteral("SaveAsText_CopyBtn"), QStringLiteral("&Copy Text"),
                                   [this] { CopyText(); }, page)}));
    body->addSpacing(6);
    AddClipboardHint(page);
    QLabel* orSave = AddText(QStringLiteral("SaveAsText_OrTxt"), QStringLiteral("Or:"), page);
    orSave->setWordWrap(false);
    body->addLayout(Row({orSave, AddLink(QStringLiteral("SaveAsText_SaveLnk"), QStringLiteral("Save to a text file"),
                                         [this] { SaveText(); }, page)}));
    AddPageFooter(page, false);
    return page;
}

QWidget* TExportFm::BuildMetafilePage(bool solution) {
    const QString what = solution ? QStringLiteral("solution") : QStringLiteral("puzzle");
    const QString pageName = solution ? MetafileSolutionPage : MetafilePage;
    const QString prefix = NamePrefixOf(pageName);
    QWidget* page = NewPage(pageName, solution ? QStringLiteral("Export Solution    (Resizable)")
                                               : QStringLiteral("Export Puzzle    (Resizable)"));
    QVBoxLayout* body = PageBody(page);
    body->addWidget(AddText(prefix + QStringLiteral("_IntroTxt"),
                            QStringLiteral("Copy and paste your ") + what +
                                QStringLiteral(" into another program as a picture that stays sharp at any size."),
                            page));
    body->addWidget(AddText(prefix + QStringLiteral("_Step1Txt"),
                            QStringLiteral("Step 1   - Tick the parts to include, at the right."), page));
    body->addWidget(AddText(prefix + QStringLiteral("_Step2Txt"),
                            QStringLiteral("Step 2   - Click on this button.   It copies your ") + what +
                                QStringLiteral(" to the Clipboard."),
                            page));
    const QString copyName = solution ? QStringLiteral("Metafile_CopySolutionBtn") : QStringLiteral("Metafile_CopyPuzzleBtn");
    body->addLayout(Row({AddButton(copyName, QStringLiteral("&Prepare to Paste"), [this] { CopyVectorPicture(); },
                                   page)}));
    body->addWidget(AddText(prefix + QStringLiteral("_Step3Txt"),
                            QStringLiteral("Step 3   - In the other program, choose Paste."), page));
    body->addSpacing(6);
    AddClipboardHint(page);
    QLabel* orSave = AddText(prefix + QStringLiteral("_OrTxt"), QStringLiteral("Or:"), page);
    orSave->setWordWrap(false);
    const QString saveName = solution ? QStringLiteral("Metafile_SaveSolutionLnk") : QStringLiteral("Metafile_SavePuzzleLnk");
    body->addLayout(Row({orSave, AddLink(saveName, QStringLiteral("Save as a picture file (EMF or SVG)"),
                                         [this] { SaveVectorPicture(); }, page)}));
    AddPageFooter(page, true);
    return page;
}

QWidget* TExportFm::BuildBitmapPage() {
    QWidget* page = NewPage(BitmapPage, QStringLiteral("Export Puzzle    (Fixed-size)"), &bitmapHeading_);
    QVBoxLayout* body = PageBody(page);
    bitmapSubheading_ = AddText(QStringLiteral("Bitmap_SubheadingTxt"), QString(), page);
    body->addWidget(bitmapSubheading_);
    body->addWidget(AddText(QStringLiteral("Bitmap_Step1Txt"),
                            QStringLiteral("Step 1   - Tick the parts to include, at the right."), page));
    body->addWidget(AddText(QStringLiteral("Bitmap_Step2Txt"),
                            QStringLiteral("Step 2   - Choose the size of the picture."), page));

    auto* sizes = new QGridLayout;
    sizes->setContentsMargins(18, 0, 0, 0);
    sizes->setHorizontalSpacing(8);
    sizes->setVerticalSpacing(6);
    pixelsSpin_ = new TPixelsPerCellSpin(page);
    pixelsSpin_->setObjectName(QStringLiteral("Bitmap_PixelsPerCellUpDn"));
    pixelsSpin_->setAccessibleName(QStringLiteral("Pixels per grid cell"));
    pixelsSpin_->setToolTip(QStringLiteral("Changing this suggests a new width and height."));
    connect(pixelsSpin_, &QSpinBox::valueChanged, this, [this] {
        if (CurrentPageName() == BitmapPage) SuggestBitmapSize();
    });
    auto field = [&](const QString& name, const QString& caption) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(name);
        edit->setAccessibleName(caption);
        edit->setMaxLength(SideFieldChars + 1);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 8 + 12);
        // A typed size is the user's own, not a limited suggestion.
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { SetFieldLimited(edit, false); });
        return edit;
    };
    widthEd_ = field(QStringLiteral("BitmapWidthEd"), QStringLiteral("Width"));
    heightEd_ = field(QStringLiteral("BitmapHeightEd"), QStringLiteral("Height"));
    int row = 0;
    auto addRow = [&](const QString& caption, QWidget* control, const QString& unit) {
        auto* label = new QLabel(caption, page);
        label->setBuddy(control);
        sizes->addWidget(label, row, 0);
        sizes->addWidget(control, row, 1, Qt::AlignLeft);
        sizes->addWidget(new QLabel(unit, page), row, 2);
        ++row;
    };
    addRow(QStringLiteral("Pixels per grid cell:"), pixelsSpin_, QString());
    addRow(QStringLiteral("&Width:"), widthEd_, QStringLiteral("pixels"));
    addRow(QStringLiteral("&Height:"), heightEd_, QStringLiteral("pixels"));
    sizes->setColumnStretch(3, 1);
    body->addLayout(sizes);
    body->addWidget(AddText(QStringLiteral("Bitmap_LimitsTxt"),
                            QStringLiteral("A suggested size shown in red was held to the limits of 30 and 2000 "
                                           "pixels. You may type any other size."),
                            page));

    bitmapStep3_ = AddText(QStringLiteral("Bitmap_Step3Txt"), QString(), page);
    body->addWidget(bitmapStep3_);
    body->addLayout(Row({AddButton(QStringLiteral("Bitmap_CopyBtn"), QStringLiteral("&Prepare to Paste"),
                                   [this] { CopyBitmap(); }, page)}));
    body->addSpacing(6);
    AddClipboardHint(page);
    QLabel* orSave = AddText(QStringLiteral("Bitmap_OrTxt"), QStringLiteral("Or:"), page);
    orSave->setWordWrap(false);
    body->addLayout(Row({orSave, AddLink(QStringLiteral("Bitmap_SavePuzzleLnk"),
                                         QStringLiteral("Save as a bitmap file (BMP or PNG)"), [this] { SaveBitmap(); },
                                         page)}));
    AddPageFooter(page, true);
    SetBitmapWording();
    return page;
}

}  // namespace vorlix::shell
