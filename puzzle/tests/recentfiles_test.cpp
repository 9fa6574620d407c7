// The recent-puzzle list: newest first, no duplicates, no more than ten.
#include <gtest/gtest.h>

#include "preferences.h"

namespace vorlix {
namespace {

QStringList Names(int from, int to) {
    QStringList names;
    for (int i = from; i >= to; --i) names << QStringLiteral("/p/%1.ws").arg(i);
    return names;
}

// Protects: the order, the cap and the single entry per file of the recent list.
TEST(RecentFilesTest, NewestFirstWithoutDuplicatesCappedAtTen) {
    struct Row {
        const char* What;
        QStringList Before;
        QString Added;
        QStringList After;
    };
    const Row rows[] = {
        {"first entry", {}, "/p/a.ws", {"/p/a.ws"}},
        {"new goes first", {"/p/a.ws"}, "/p/b.ws", {"/p/b.ws", "/p/a.ws"}},
        {"again moves to the top", {"/p/a.ws", "/p/b.ws", "/p/c.ws"}, "/p/c.ws", {"/p/c.ws", "/p/a.ws", "/p/b.ws"}},
        {"the oldest falls off", Names(10, 1), "/p/11.ws", Names(11, 2)},
        {"a full list taking one back", Names(10, 1), "/p/1.ws",
         QStringList{"/p/1.ws"} + Names(10, 2)},
        {"a longer stored list is cut", Names(15, 1), "/p/x.ws", QStringList{"/p/x.ws"} + Names(15, 7)},
        {"empty stored entries go", {"", "/p/a.ws", ""}, "/p/b.ws", {"/p/b.ws", "/p/a.ws"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        const QStringList after = AddRecentFile(row.Before, row.Added);
        EXPECT_EQ(after, row.After);
        EXPECT_LE(after.size(), MaxRecentFiles);
    }
}

}  // namespace
}  // namespace vorlix
