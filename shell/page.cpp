// The page base: banner, body and the makers of named links and buttons.
#include "page.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link.h"
#include "pagehost.h"
#include "puzzlemodel.h"

namespace vorlix::shell {

TPage::TPage(IPageHost& host, const QString& pageName, const QString& bannerName, const QString& bannerText)
    : QWidget(nullptr), host_(&host), pageName_(pageName) {
    setObjectName(pageName + QStringLiteral("_Page"));
    setAccessibleName(pageName);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    banner_ = new QLabel(bannerText, this);
    banner_->setObjectName(bannerName);
    banner_->setAccessibleName(bannerText);
    banner_->setAutoFillBackground(true);
    banner_->setContentsMargins(14, 8, 14, 8);
    QFont f = banner_->font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    f.setBold(true);
    banner_->setFont(f);
    outer->addWidget(banner_);
    body_ = new QVBoxLayout();
    body_->setContentsMargins(18, 14, 18, 14);
    body_->setSpacing(10);
    outer->addLayout(body_, 1);
}

TPuzzleModel& TPage::Model() const { return host_->Model(); }

TLink* TPage::MakeLink(const QString& name, const QString& caption, std::function<void()> action,
                       QBoxLayout* layout) {
    auto* link = new TLink(name, caption, this);
    connect(link, &TLink::activated, this, [action = std::move(action)] {
        if (action) action();
    });
    if (layout) layout->addWidget(link);
    return link;
}

QPushButton* TPage::MakeButton(const QString& name, const QString& caption, std::function<void()> action,
                               QBoxLayout* layout) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    QString plain = caption;
    button->setAccessibleName(plain.remove(QLatin1Char('&')));
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] {
        if (action) action();
    });
    // Room on both sides of the caption: the style's own hint leaves long captions tight.
    button->setMinimumWidth(button->sizeHint().width() + 16);
    // In a column a button keeps its own width instead of spanning the page.
    if (layout)
        layout->addWidget(button, 0, layout->direction() == QBoxLayout::TopToBottom ? Qt::AlignLeft : Qt::Alignment());
    return button;
}

QPushButton* TPage::MakeContinueButton(const QString& name, QBoxLayout* layout) {
    return MakeButton(name, QStringLiteral("Continue"), [this] { host_->TurnPageContinue(); }, layout);
}

QPushButton* TPage::MakeCreateNowButton(const QString& name, QBoxLayout* layout) {
    return MakeButton(name, QStringLiteral("Create Puzzle Now"), [this] { host_->CreatePuzzle(); }, layout);
}

QRadioButton* TPage::MakeRadio(const QString& name, const QString& caption, QButtonGroup* group, int id,
                               QBoxLayout* layout, QWidget* parent) {
    auto* radio = new QRadioButton(caption, parent ? parent : this);
    radio->setObjectName(name);
    radio->setAccessibleName(caption);
    group->addButton(radio, id);
    if (layout) layout->addWidget(radio);
    return radio;
}

QFrame* TPage::MakeInsetPanel(const QString& name) {
    auto* panel = new QFrame(this);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    // The colour scheme paints every panel so marked.
    panel->setProperty(InsetPanelProperty, true);
    return panel;
}

QLabel* TPage::MakeText(const QString& name, const QString& text, QBoxLayout* layout) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (layout) layout->addWidget(label);
    return label;
}

}  // namespace vorlix::shell
