// The save-changes query. "Save it" proceeds only when the save really happened, so a
// puzzle that could not be written is never thrown away by New, Open or Exit.
#include "savequeryfm.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "desktopfit.h"
#include "link.h"
#include "puzzlemodel.h"
#include "webfm.h"

namespace vorlix::shell {

TOkayToProceedAfterSaveQueryFm::TOkayToProceedAfterSaveQueryFm(TWebFm& main) : QDialog(&main), main_(&main) {
    setObjectName(QStringLiteral("TOkayToProceedAfterSaveQueryFm"));
    setWindowTitle(QStringLiteral("Save Confirmation"));
    setAccessibleName(QStringLiteral("Save Confirmation"));
    setModal(true);
    setMinimumWidth(520);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(12);
    query_ = new QLabel(this);
    query_->setObjectName(QStringLiteral("QueryLbl"));
    query_->setWordWrap(true);
    QFont bold = query_->font();
    bold.setBold(true);
    query_->setFont(bold);
    layout->addWidget(query_);

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    auto addRow = [&](int row, TLink* link, const QString& labelName, const QString& labelText) {
        grid->addWidget(link, row, 0, Qt::AlignTop | Qt::AlignLeft);
        QLabel* label = nullptr;
        if (!labelText.isEmpty()) {
            label = new QLabel(labelText, this);
            label->setObjectName(labelName);
            label->setWordWrap(true);
            grid->addWidget(label, row, 1, Qt::AlignTop);
        }
        return label;
    };
    save_ = new TLink(QStringLiteral("SaveLnk"), QStringLiteral("Save it"), this);
    saveLabel_ = addRow(0, save_, QStringLiteral("SaveLbl"), QStringLiteral("(using its current name)."));
    saveAs_ = new TLink(QStringLiteral("SaveAsLnk"), QStringLiteral("Save it with a new name."), this);
    grid->addWidget(saveAs_, 1, 0, 1, 2, Qt::AlignLeft);
    dontSave_ = new TLink(QStringLiteral("DontSaveLnk"), QStringLiteral("Throw it away."), this);
    addRow(2, dontSave_, QStringLiteral("DontSaveLbl"),
           QStringLiteral("This throws away changes made since the last save. Previously-saved versions, if "
                          "any, will remain intact."));
    cancel_ = new TLink(QStringLiteral("CancelLnk"), QStringLiteral("Cancel."), this);
    addRow(3, cancel_, QStringLiteral("CancelLbl"), QStringLiteral("Do none of the above. Just go back."));
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    connect(save_, &TLink::activated, this, &TOkayToProceedAfterSaveQueryFm::SaveIt);
    connect(saveAs_, &TLink::activated, this, &TOkayToProceedAfterSaveQueryFm::SaveItWithNewName);
    connect(dontSave_, &TLink::activated, this, &QDialog::accept);
    connect(cancel_, &TLink::activated, this, &QDialog::reject);
}

QString TOkayToProceedAfterSaveQueryFm::QuestionText(const QString& actionText, const QString& currentFileName) {
    const QString tail = QStringLiteral(" What do you want to do with your current puzzle?");
    if (currentFileName != NoNameFileName)
        return actionText +
               QStringLiteral(" will erase the changes you have made to your current puzzle since the last time you "
                              "saved it.") +
               tail;
    return actionText + QStringLiteral(" will erase your current puzzle, which is not saved.") + tail;
}

void TOkayToProceedAfterSaveQueryFm::Prepare(const QString& actionText) {
    const QString fileName = main_->Model().CurrentFileName();
    query_->setText(QuestionText(actionText, fileName));
    const bool named = fileName != NoNameFileName && !fileName.isEmpty();
    save_->setEnabled(named);
    if (saveLabel_) saveLabel_->setEnabled(named);
    const TColorScheme& scheme = main_->Scheme();
    setPalette(SurfacePalette(scheme.PageBackground));
    setAutoFillBackground(true);
    for (TLink* link : {save_, saveAs_, dontSave_, cancel_})
        link->SetLinkColours(scheme.LinkText, scheme.LinkHover, true);
}

bool TOkayToProceedAfterSaveQueryFm::Query(const QString& actionText) {
    Prepare(actionText);
    return main_->Services().Modal.Run(*this) == QDialog::Accepted;
}

void TOkayToProceedAfterSaveQueryFm::SaveIt() {
    // A failed save keeps the query open, so the puzzle is not lost.
    if (main_->SaveCommand()) accept();
}

void TOkayToProceedAfterSaveQueryFm::SaveItWithNewName() {
    main_->SaveAsCommand();
    if (!main_->Model().IsModified()) accept();
}

void TOkayToProceedAfterSaveQueryFm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (TLink* link = main_->Highlighter().Current(); link && link->window() == this) link->Activate();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vorlix::shell
