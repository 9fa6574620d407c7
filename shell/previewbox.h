// The finished page's preview paint box: six views of the pages, drawn by the document.
#pragma once

#include <QWidget>

class QPaintDevice;

namespace vorlix {
class TPuzzleDocument;
}

namespace vorlix::shell {

enum TPreviewView { ViewPage1 = 0, ViewPage2 = 1, ViewTwoPages = 2, ViewPuzzle = 3, ViewSolution = 4, ViewWordList = 5 };

// Lays the document out and draws one view fitted into the device. The one drawing path
// of every on-screen preview.
void PaintPreviewView(TPuzzleDocument& document, QPaintDevice& box, int view);

class TPreviewBox : public QWidget {
    Q_OBJECT
public:
    TPreviewBox(TPuzzleDocument& document, QWidget* parent = nullptr);
    int View() const { return view_; }
    void SetView(int view);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPuzzleDocument* document_;
    int view_ = ViewSolution;
};

}  // namespace vorlix::shell
