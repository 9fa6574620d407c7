// The program on an unusual desktop: a dark theme, a font half as large again, a window
// saved on another screen; and hints that close with their page.
#include <map>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

#include "contactusfm.h"
#include "desktopfit.h"
#include "exportfm.h"
#include "hintfm.h"
#include "importfm.h"
#include "layoutfm.h"
#include "preferences_store.h"
#include "previewfm.h"
#include "savequeryfm.h"
#include "shellfixture.h"
#include "spellingdlg.h"

namespace vorlix::shell::test {
namespace {

QPalette DarkPalette() {
    QPalette p;
    const QColor window(0x2B, 0x2B, 0x2B), base(0x1E, 0x1E, 0x1E), text(0xF0, 0xF0, 0xF0);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

// The colour a control's text is drawn in, and whether it has text to read.
std::optional<QColor> TextColourOf(QWidget* w) {
    const QPalette& p = w->palette();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().trimmed().isEmpty()) return std::nullopt;
        return p.color(QPalette::WindowText);
    }
    if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w))
        return static_cast<QAbstractButton*>(w)->text().isEmpty() ? std::nullopt
                                                                   : std::optional(p.color(QPalette::WindowText));
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().isEmpty() ? std::nullopt : std::optional(p.color(QPalette::ButtonText));
    if (auto* box = qobject_cast<QComboBox*>(w)) return p.color(box->isEditable() ? QPalette::Text : QPalette::ButtonText);
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)) return p.color(QPalette::Text);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) return area->viewport()->palette().color(QPalette::Text);
    return std::nullopt;
}

// The colour most of the control's rendered pixels have: what its text is drawn on. Shades
// are counted together (a gradient button face is one colour), then averaged.
QColor RenderedBackground(const QImage& image, const QRect& area) {
    struct TBucket {
        int Count = 0;
        long long R = 0, G = 0, B = 0;
    };
    std::map<int, TBucket> buckets;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            TBucket& b = buckets[(qRed(c) >> 4) << 8 | (qGreen(c) >> 4) << 4 | qBlue(c) >> 4];
            ++b.Count;
            b.R += qRed(c), b.G += qGreen(c), b.B += qBlue(c);
        }
    const auto most = std::max_element(buckets.begin(), buckets.end(),
                                       [](const auto& a, const auto& b) { return a.second.Count < b.second.Count; });
    if (most == buckets.end()) return {};
    const TBucket& b = most->second;
    return QColor(int(b.R / b.Count), int(b.G / b.Count), int(b.B / b.Count));
}

// "name: ratio" for every enabled control of window whose text reads below 4.5:1.
QStringList LowContrastControls(QWidget* window) {
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double scale = image.width() / double(std::max(1, window->width()));
    QStringList low;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->width() < 4 || w->height() < 4) continue;
        const std::optional<QColor> text = TextColourOf(w);
        if (!text) continue;
        const QRect area(w->mapTo(window, QPoint(0, 0)) * scale, w->size() * scale);
        const QColor background = RenderedBackground(image, area);
        if (!background.isValid()) continue;
        const double ratio = ContrastRatio(*text, background);
        if (ratio < 4.5)
            low << QStringLiteral("%1 %2 (%3 on %4): %5")
                       .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text->name(),
                            background.name(), QString::number(ratio, 'f', 2));
    }
    return low;
}

class DesktopFitTest : public ShellTest {
protected:
    void TearDown() override {
        ShellTest::TearDown();
        if (styleChanged_) QApplication::setStyle(QStyleFactory::create(styleName_));
        if (paletteChanged_) QApplication::setPalette(palette_);
        if (fontChanged_) QApplication::setFont(font_);
    }
    void UseDarkDesktop() {
        styleName_ = QApplication::style()->name();
        palette_ = QApplication::palette();
        styleChanged_ = paletteChanged_ = true;
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }
    void UseLargerFont(double factor) {
        font_ = QApplication::font();
        fontChanged_ = true;
        QFont larger = font_;
        larger.setPointSizeF(font_.pointSizeF() * factor);
        QApplication::setFont(larger);
    }
    void BuildAPuzzle() {
        Model().SetWordLines({"giraffe/tall one", "zebra", "lion", "hippopotamus"});
        Main().CreatePuzzle();
    }
    void ShowMain() {
        Main().show();
        Main().resize(1100, 800);
        Process();
    }

private:
    QString styleName_;
    QPalette palette_;
    QFont font_;
    bool styleChanged_ = false, paletteChanged_ = false, fontChanged_ = false;
};

// Protects: under a dark desktop palette every page, the Program Map, the toolbar, the
// dialogs and the hint keep their text readable: at least 4.5:1 against what it is drawn
// on, measured on the rendered window.
TEST_F(DesktopFitTest, DarkPaletteLeavesEveryTextReadable) {
    UseDarkDesktop();
    Start();
    BuildAPuzzle();
    ShowMain();
    for (const char* name : PageNames) {
        SCOPED_TRACE(name);
        Main().TurnPage(QString::fromLatin1(name));
        Process();
        EXPECT_EQ(LowContrastControls(&Main()), QStringList());
    }
    TSecondaryWindows& windows = program->Windows();
    const std::pair<const char*, QWidget*> dialogs[] = {
        {"appearance", windows.Layout}, {"export", windows.Export},       {"save query", windows.SaveQuery},
        {"preview", windows.Preview},   {"spelling", windows.Spelling},   {"import", windows.Import},
        {"contact", windows.ContactUs},
    };
    for (const auto& [name, dialog] : dialogs) {
        SCOPED_TRACE(name);
        dialog->show();
        Process();
        EXPECT_EQ(LowContrastControls(dialog), QStringList());
        dialog->hide();
    }
    // The modal windows, measured while they are up.
    QStringList modalLow;
    modal.Answer = [&modalLow](QDialog& dialog) {
        QCoreApplication::processEvents();
        for (const QString& low : LowContrastControls(&dialog)) modalLow << dialog.objectName() + QStringLiteral(": ") + low;
        return int(QDialog::Rejected);
    };
    Main().ShowTour(QStringLiteral("Intro"));
    Main().ShowExample(QStringLiteral("Words"));
    EXPECT_EQ(modal.Shown, (QStringList{"TTourFm", "TExampleFm"}));
    EXPECT_EQ(modalLow, QStringList());
    Main().ShowHintBeside(&Main(), QStringLiteral("A hint that must be read."), 20);
    Process();
    EXPECT_EQ(LowContrastControls(program->Windows().Hint), QStringList());
}

// Protects: with the system font at 1.5 times its size no label, link or button of the
// Program Map or of any page is cut: each has room for its text.
TEST_F(DesktopFitTest, LargerFontCutsNoText) {
    UseLargerFont(1.5);
    Start();
    BuildAPuzzle();
    ShowMain();
    QWidget* map = Find(QStringLiteral("ProgramMap"));
    ASSERT_TRUE(map);
    for (QLabel* label : map->findChildren<QLabel*>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + label->contentsMargins().left() +
                           label->contentsMargins().right();
        EXPECT_GE(label->width(), needed) << label->objectName().toStdString() << " is cut";
    }
    for (const char* name : PageNames) {
        SCOPED_TRACE(name);
        Main().TurnPage(QString::fromLatin1(name));
        Process();
        QStringList cut;
        for (QWidget* w : Main().CurrentPage()->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&Main())) continue;
            auto* label = qobject_cast<QLabel*>(w);
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (!label && !button) continue;
            if (label && label->text().isEmpty()) continue;
            const QSize need = label && label->wordWrap()
                                   ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                                   : w->minimumSizeHint();
            if (w->width() < need.width() || w->height() < need.height())
                cut << QStringLiteral("%1 %2x%3 < %4x%5")
                           .arg(w->objectName())
                           .arg(w->width())
                           .arg(w->height())
                           .arg(need.width())
                           .arg(need.height());
        }
        EXPECT_EQ(cut, QStringList());
    }
}

// Protects: a window saved on a larger screen, or off to one side, opens wholly on the
// current screen's free area.
TEST_F(DesktopFitTest, SavedWindowOffScreenComesBackOnScreen) {
    {
        TPreferences prefs;
        prefs.HintsShown = QStringLiteral("Tour");
        prefs.Left = 5000;
        prefs.Top = -3000;
        prefs.Width = 4000;
        prefs.Height = 600;
        TReport report;
        ASSERT_TRUE(TPreferencesStore(IniFile()).SavePreferences(prefs, QSize(8000, 8000), report));
    }
    Start();
    // The window manager's frame may push the client area a few pixels further in.
    const QRect area = Main().screen()->availableGeometry();
    const QRect placed = Main().geometry();
    EXPECT_TRUE(area.contains(placed.topLeft())) << placed.x() << "," << placed.y();
    EXPECT_LE(placed.width(), area.width());
    EXPECT_LE(placed.height(), area.height());
    EXPECT_LT(placed.x(), area.left() + 20) << "moved just far enough to be wholly on screen";
}

// Protects: a hint speaks of its page and closes when the user turns to another one.
TEST_F(DesktopFitTest, HintClosesWhenItsPageIsLeft) {
    Start();
    ShowMain();
    Main().TurnPage(QStringLiteral("Design"));
    THintFm& hint = *program->Windows().Hint;
    Main().ShowHintBeside(&Main(), QStringLiteral("Type one word per line."), 60);
    Process();
    ASSERT_TRUE(hint.isVisible());
    Main().TurnPage(QStringLiteral("Design"));  // staying on the page keeps it
    EXPECT_TRUE(hint.isVisible());
    Main().TurnPage(QStringLiteral("Type_"));
    EXPECT_FALSE(hint.isVisible());
    Main().ShowHintBeside(&Main(), QStringLiteral("Back again."), 60);
    Main().Back();
    EXPECT_FALSE(hint.isVisible());
}

}  // namespace
}  // namespace vorlix::shell::test
