// The save-changes query: what to do with unsaved changes before New, Open or Exit.
#pragma once

#include <QDialog>

class QLabel;

namespace vorlix::shell {

class TLink;
class TWebFm;

class TOkayToProceedAfterSaveQueryFm : public QDialog {
    Q_OBJECT
public:
    explicit TOkayToProceedAfterSaveQueryFm(TWebFm& main);
    // Shows the query for the action ("Exiting the program" ...); true when the user chose
    // an option that proceeds.
    bool Query(const QString& actionText);
    // The bold question for the action and the current file name.
    static QString QuestionText(const QString& actionText, const QString& currentFileName);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Prepare(const QString& actionText);
    void SaveIt();
    void SaveItWithNewName();

    TWebFm* main_;
    QLabel* query_;
    TLink* save_;
    QLabel* saveLabel_;
    TLink* saveAs_;
    TLink* dontSave_;
    TLink* cancel_;
};

}  // namespace vorlix::shell
