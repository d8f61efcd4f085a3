// Golden files of the contractor records (tests/data/contractor-records): a
// file read and written again as the contractor list saves it. See
// tests/support/Wzorce.h for how a case is laid out.
#include "contractors/Kontrahent.h"

#include "Wzorce.h"

#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::kontrahenci;
using remitto::test::sprawdzWzorce;
using remitto::test::Wzorzec;

// args: the contractor file.
TEST(WzorceKontrahentow, FileReadAndSavedAgain)
{
    sprawdzWzorce(QStringLiteral("contractor-records"), [](const Wzorzec& w) {
        ASSERT_EQ(w.args.size(), 1);
        const QString plik = w.folder + QLatin1Char('/') + w.args[0];
        const OdczytKontrahentow k = czytajKontrahentow(plik);
        ASSERT_TRUE(k.ok) << k.blad.toStdString();
        QString blad;
        EXPECT_TRUE(zapiszKontrahentow(plik, k.lista, &blad)) << blad.toStdString();
    });
}
