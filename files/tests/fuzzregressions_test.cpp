#include <gtest/gtest.h>

#include <QDir>

#include "../fuzz/fuzzchecks.h"
#include "testhost.h"

using namespace vorlix;

// Every input kept from fuzzing (or made by hand to be nasty) goes through the puzzle
// reader and through every kind of import, with the same checks the fuzz targets make.
TEST(FuzzRegressions, ReplayThroughReaderAndImporter) {
    const QDir corpus(QStringLiteral(VORLIX_TEST_DATA "/fuzz-regressions"));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const QByteArray bytes = test::ReadFile(corpus.filePath(name));
        EXPECT_TRUE(fuzz::PuzzleBytesAreStable(bytes)) << name.toStdString();
        for (unsigned control = 0; control < 9 * 8; ++control)
            EXPECT_TRUE(fuzz::WordListImportHoldsLimits(static_cast<unsigned char>((control % 8) | (control / 8) << 3),
                                                        bytes))
                << name.toStdString() << " control " << control;
    }
}
