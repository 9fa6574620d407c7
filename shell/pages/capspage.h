// The "Caps" page: how the letters of the grid are capitalized, the list's language and where
// the filler letters come from.
#pragma once

#include "page.h"

class QButtonGroup;
class QComboBox;

namespace vorlix::shell {

class TCapsPage : public TPage {
    Q_OBJECT
public:
    explicit TCapsPage(IPageHost& host);

    void LoadFromModel() override;

private:
    void BuildLanguageChoices();
    void ShowLanguage(const QString& language);
    void ShowFiller();

    QButtonGroup* choices_ = nullptr;  // button id = TCapitalization value
    QComboBox* language_ = nullptr;    // item data: the BCP 47 code, empty for "detect"
    QComboBox* filler_ = nullptr;      // item data: the TFillerMode value
};

}  // namespace vorlix::shell
