#include "core/DuzaPamiec.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::TempFolder;

// Files below and above the size that goes to large pages, and an empty one,
// come back byte for byte; a copy of the result keeps the bytes alive.
TEST(DuzaPamiec, WholeFileComesBackByteForByte)
{
    TempFolder dir;
    for (const qsizetype rozmiar : {qsizetype(0), qsizetype(1000), qsizetype(3 << 20) + 17}) {
        QByteArray wzor(rozmiar, Qt::Uninitialized);
        for (qsizetype i = 0; i < rozmiar; ++i)
            wzor[i] = char((i * 131) % 251);
        dir.writeBytes(QStringLiteral("f.dat"), wzor);
        CalyPlik kopia;
        {
            const CalyPlik caly = czytajCalyPlik(dir.file(QStringLiteral("f.dat")));
            ASSERT_TRUE(caly.ok) << rozmiar;
            EXPECT_EQ(caly.bajty, wzor) << rozmiar;
            kopia = caly;
        }
        EXPECT_EQ(kopia.bajty.size(), rozmiar);
        EXPECT_EQ(QByteArray(kopia.bajty.constData(), kopia.bajty.size()), wzor) << rozmiar;
        if (rozmiar == 0)
            continue;
        // Vectors over the same memory grow and keep their contents.
        DuzyWektor<quint32> w;
        for (quint32 i = 0; i < quint32(rozmiar / 4); ++i)
            w.push_back(i);
        EXPECT_EQ(w.back(), quint32(rozmiar / 4 - 1));
        EXPECT_EQ(w[12345 % w.size()], quint32(12345 % w.size()));
    }
}

TEST(DuzaPamiec, MissingFileIsAnErrorWithAReason)
{
    TempFolder dir;
    const CalyPlik caly = czytajCalyPlik(dir.file(QStringLiteral("brak.dat")));
    EXPECT_FALSE(caly.ok);
    EXPECT_FALSE(caly.blad.isEmpty());
}
