// The "Dirs" page: the eight word directions as a compass of check boxes.
#pragma once

#include <array>

#include "page.h"

class QCheckBox;
class QFrame;
class QLabel;

namespace vorlix::shell {

class TDirsPage : public TPage {
    Q_OBJECT
public:
    explicit TDirsPage(IPageHost& host);

    void LoadFromModel() override;

private:
    void DirectionClicked(int index);
    void ShowDirections();

    std::array<QCheckBox*, 8> boxes_{};  // North first, as the model indexes them
    QFrame* inset_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* allUnchecked_ = nullptr;
};

}  // namespace vorlix::shell
