// The preview window: the pages of the current puzzle, large, beside the main window.
#pragma once

#include <QWidget>

namespace vorlix {
class TPuzzleDocument;
}

namespace vorlix::shell {

class TPreviewBox;

class TPreviewFm : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewFm(TPuzzleDocument& document, QWidget* parent = nullptr);
    // Shows the window, or brings it forward (restored) when it is already shown.
    void ShowOrRaise();
    void Repaint();
    TPreviewBox* Box() const { return box_; }

private:
    TPreviewBox* box_;
};

}  // namespace vorlix::shell
