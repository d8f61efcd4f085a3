// Golden files of the payment mark written into an invoice file of the shop
// program (tests/data/invoice-marks): every byte but the mark stays as it
// was. See tests/support/Wzorce.h for how a case is laid out.
#include "shop/OznaczenieFaktury.h"

#include "Wzorce.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::sprawdzWzorce;
using remitto::test::Wzorzec;

// args: invoice file, package number, amount paid in grosze, date (yyyy-mm-dd).
TEST(WzorceZnacznikow, MarkWrittenIntoTheInvoiceFile)
{
    sprawdzWzorce(QStringLiteral("invoice-marks"), [](const Wzorzec& w) {
        ASSERT_EQ(w.args.size(), 4);
        const std::optional<QString> znacznik =
            znacznikZaplaty(w.args[1].toInt(), w.args[2].toLongLong(), QDate::fromString(w.args[3], Qt::ISODate));
        ASSERT_TRUE(znacznik);
        QString blad;
        EXPECT_TRUE(oznaczFakture(w.folder + QLatin1Char('/') + w.args[0], *znacznik, &blad)) << blad.toStdString();
    });
}
