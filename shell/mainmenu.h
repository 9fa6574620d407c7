// The main window's menu bar: every command of the toolbar and the pages, with the
// desktop's standard keys, reachable from every page.
#pragma once

#include <functional>

#include <QKeySequence>
#include <QObject>
#include <QStringList>

class QAction;
class QLineEdit;
class QMenu;

namespace vorlix::shell {

class TWebFm;
class TUndoHistory;

class TMainMenus : public QObject {
    Q_OBJECT
public:
    TMainMenus(TWebFm& window, TUndoHistory& history);

    // Refills File > Open Recent from the window's list.
    void ShowRecentFiles(const QStringList& files);
    // Back, Forward and the Program Map check follow the window.
    void UpdateStates();
    QAction* Action(const QString& name) const;
    QLineEdit* FindBox() const { return find_; }

private:
    QAction* Add(QMenu* menu, const char* name, const QString& text, const QList<QKeySequence>& keys,
                 std::function<void()> run);

    void Search(const QString& text, bool next);

    TWebFm* window_;
    TUndoHistory* history_;
    QMenu* recent_ = nullptr;
    QLineEdit* find_ = nullptr;
};

}  // namespace vorlix::shell
