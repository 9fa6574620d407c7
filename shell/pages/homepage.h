// The "Home" page: the two large panels, the recent puzzles with a small picture of each
// grid, and the links to the tour, questions, About and the preferences.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QStringList>

#include "page.h"

class QGridLayout;
class QLabel;

namespace vorlix::shell {

class THomePage : public TPage {
    Q_OBJECT
public:
    explicit THomePage(IPageHost& host);

    // Lists the recent puzzles, newest first; a missing file is listed as missing.
    void ShowRecentFiles(const QStringList& files);

    // A puzzle file's title (its first title line, else its file name) and grid picture;
    // a file that cannot be read gives an empty picture.
    struct TRecentEntry {
        QString Title;
        QImage Picture;
        bool Missing = false;
    };
    static TRecentEntry ReadRecentEntry(const QString& path, const QSize& pictureSize);

signals:
    void RecentFileChosen(const QString& path);

private:
    QWidget* recentBox_ = nullptr;
    QGridLayout* recentGrid_ = nullptr;
    // Pictures by path, kept while the file is unchanged.
    struct TCached {
        QDateTime Modified;
        TRecentEntry Entry;
    };
    QHash<QString, TCached> cache_;
};

}  // namespace vorlix::shell
