// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "probes_ahead.h"

using namespace lm;

// A folder's files looked at on two threads answer as one look each, in
// list order: files of every size, one gone, one that became a folder, and
// a list cut short when the caller stops early (the helper is joined with
// files still untaken).
TEST(ProbesAhead, AnswersAsOneLookEachInListOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList paths;
    for (int i = 0; i < 500; ++i) {
        const QString path = dir.filePath(QStringLiteral("f%1").arg(i));
        paths << path;
        if (i % 97 == 5) {
            continue;  // listed, then gone
        }
        if (i % 89 == 7) {
            ASSERT_TRUE(QDir().mkdir(path));  // a folder in its place now
            continue;
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(i, 'x'));
    }
    for (const qsizetype taken : {paths.size(), qsizetype{3}, qsizetype{0}}) {
        ProbesAhead probes(paths);
        for (qsizetype i = 0; i < taken; ++i) {
            const RegularFileProbe expected = ProbeListedFile(paths[i]);
            const RegularFileProbe& got = probes.At(static_cast<std::size_t>(i));
            EXPECT_EQ(got.exists, expected.exists) << i;
            EXPECT_EQ(got.regular, expected.regular) << i;
            EXPECT_EQ(got.size, expected.size) << i;
        }
    }
    const QStringList empty;
    ProbesAhead none(empty);
}
