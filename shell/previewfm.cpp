// The preview window draws through the same paint box as the finished page.
#include "previewfm.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "previewbox.h"

namespace vorlix::shell {

TPreviewFm::TPreviewFm(TPuzzleDocument& document, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TPreviewFm"));
    setWindowTitle(QStringLiteral("Preview"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout();
    auto* group = new QButtonGroup(this);
    const char* captions[] = {"Page 1", "Page 2", "Two Pages", "Puzzle", "Solution", "Word List"};
    box_ = new TPreviewBox(document, this);
    box_->setObjectName(QStringLiteral("Preview_PaintBox"));
    box_->SetView(ViewTwoPages);
    for (int view = 0; view < 6; ++view) {
        auto* b = new QToolButton(this);
        b->setText(QString::fromLatin1(captions[view]));
        b->setObjectName(QStringLiteral("Preview_View%1TB").arg(view));
        b->setCheckable(true);
        b->setChecked(view == ViewTwoPages);
        group->addButton(b, view);
        bar->addWidget(b);
    }
    bar->addStretch(1);
    connect(group, &QButtonGroup::idClicked, box_, &TPreviewBox::SetView);
    layout->addLayout(bar);
    layout->addWidget(box_, 1);
    resize(900, 650);
}

void TPreviewFm::ShowOrRaise() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void TPreviewFm::Repaint() {
    if (isVisible()) box_->update();
}

}  // namespace vorlix::shell
