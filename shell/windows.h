// The windows the program creates at start-up after the main window, in creation order.
// Each lives for the whole run.
#pragma once

namespace vorlix::shell {

class TOpeningScreenFm;
class TLayoutFm;
class TImportFm;
class TPreviewFm;
class TOkayToProceedAfterSaveQueryFm;
class THintFm;
class TExportFm;
class TSpellingDlg;
class TContactUsFm;

struct TSecondaryWindows {
    TOpeningScreenFm* OpeningScreen = nullptr;
    TLayoutFm* Layout = nullptr;
    TImportFm* Import = nullptr;
    TPreviewFm* Preview = nullptr;
    TOkayToProceedAfterSaveQueryFm* SaveQuery = nullptr;
    THintFm* Hint = nullptr;
    TExportFm* Export = nullptr;
    TSpellingDlg* Spelling = nullptr;
    TContactUsFm* ContactUs = nullptr;
};

}  // namespace vorlix::shell
