// The "Credits" page: the author, the recipient and the credits line printed under the grid.
#pragma once

#include "page.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace vorlix::shell {

class TCreditsPage : public TPage {
    Q_OBJECT
public:
    explicit TCreditsPage(IPageHost& host);

    void Enter() override;  // focuses Credits_NameEd
    void LoadFromModel() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NameOrRecipientEdited();
    void ShowCreditsLines();
    void ShowRecipient(bool shown);

    QLineEdit* name_ = nullptr;
    QLineEdit* recipient_ = nullptr;
    QLabel* recipientLabel_ = nullptr;
    QLabel* recipientHint_ = nullptr;
    QComboBox* line_ = nullptr;
};

}  // namespace vorlix::shell
