#include "previewbox.h"

namespace vorlix::shell {

void PaintPreviewView(TPuzzleDocument&, QPaintDevice&, int) {}

TPreviewBox::TPreviewBox(TPuzzleDocument& document, QWidget* parent) : QWidget(parent), document_(&document) {
    setObjectName(QStringLiteral("FinishedPuzzle_PaintBox"));
}

void TPreviewBox::SetView(int view) {
    view_ = view;
    update();
}

void TPreviewBox::paintEvent(QPaintEvent*) {}

}  // namespace vorlix::shell
