// One page of the main window: a banner, a body, and the helpers every page uses to make
// its links and buttons with their system names.
#pragma once

#include <functional>

#include <QString>
#include <QWidget>

class QBoxLayout;
class QButtonGroup;
class QRadioButton;
class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace vorlix {
class TPuzzleModel;
}

namespace vorlix::shell {

class IPageHost;
class TLink;

// Marks the inset panels that take the colour scheme's inset colour.
inline constexpr char InsetPanelProperty[] = "vorlixInsetPanel";

class TPage : public QWidget {
    Q_OBJECT
public:
    // pageName is the page's caption ("Home", "Design" ...); bannerName ends in "_Bnr".
    TPage(IPageHost& host, const QString& pageName, const QString& bannerName, const QString& bannerText);
    const QString& PageName() const { return pageName_; }
    QLabel* Banner() const { return banner_; }

    // The page-entry actions after TurnPage made it current.
    virtual void Enter() {}
    // Shows the model's state; runs whenever a whole puzzle comes in.
    virtual void LoadFromModel() {}

protected:
    IPageHost& Host() const { return *host_; }
    TPuzzleModel& Model() const;
    // The page's content area, under the banner.
    QVBoxLayout* Body() const { return body_; }

    // A link whose action runs on click and Enter. A null layout leaves placing to the caller.
    TLink* MakeLink(const QString& name, const QString& caption, std::function<void()> action,
                    QBoxLayout* layout = nullptr);
    QPushButton* MakeButton(const QString& name, const QString& caption, std::function<void()> action,
                            QBoxLayout* layout = nullptr);
    // "Continue": TurnPageContinue.
    QPushButton* MakeContinueButton(const QString& name, QBoxLayout* layout = nullptr);
    // "Create Puzzle Now": CreatePuzzle.
    QPushButton* MakeCreateNowButton(const QString& name, QBoxLayout* layout = nullptr);
    // A named radio choice in group under id; placed in layout unless it is null.
    QRadioButton* MakeRadio(const QString& name, const QString& caption, QButtonGroup* group, int id,
                            QBoxLayout* layout = nullptr, QWidget* parent = nullptr);
    // A sunken panel that sets its choices apart (filled with the scheme's inset colour).
    QFrame* MakeInsetPanel(const QString& name);
    // A wrapped label of explanatory text.
    QLabel* MakeText(const QString& name, const QString& text, QBoxLayout* layout = nullptr);

private:
    IPageHost* host_;
    QString pageName_;
    QLabel* banner_;
    QVBoxLayout* body_;
};

}  // namespace vorlix::shell
