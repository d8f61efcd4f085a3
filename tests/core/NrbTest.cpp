#include "core/Nrb.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto {
namespace {

TEST(Nrb, CheckDigitsTable)
{
    const struct {
        QString konto;
        StanNrb stan;
    } przypadki[] = {
        {u"61109010140000071219812874"_s, StanNrb::Poprawny},
        {u"61 1090 1014 0000 0712 1981 2874"_s, StanNrb::Poprawny},
        {u"PL61109010140000071219812874"_s, StanNrb::Poprawny},
        {u"pl 61-1090-1014-0000-0712-1981-2874 "_s, StanNrb::Poprawny},
        {u"04000000000000000000000000"_s, StanNrb::Poprawny},
        {u"41600000020268511576604000"_s, StanNrb::Poprawny},
        {u"61109010140000071219812875"_s, StanNrb::Bledny},  // last digit changed
        {u"16109010140000071219812874"_s, StanNrb::Bledny},  // check digits swapped
        {u"61109010140000071219812784"_s, StanNrb::Bledny},  // neighbours swapped
        {u"00000000000000000000000000"_s, StanNrb::Bledny},
        {u""_s, StanNrb::Pusty},
        {u"   "_s, StanNrb::Pusty},
        {u"6110901014000007121981287"_s, StanNrb::NieNrb},    // 25 digits
        {u"611090101400000712198128741"_s, StanNrb::NieNrb},  // 27 digits
        {u"6110901014000007121981287O"_s, StanNrb::NieNrb},   // letter O for zero
        {u"DE61109010140000071219812874"_s, StanNrb::NieNrb},
        {u"61_109010140000071219812874"_s, StanNrb::NieNrb},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(sprawdzNrb(p.konto), p.stan) << p.konto.toStdString();
    EXPECT_EQ(cyfryNrb(u"PL 61 1090"_s), QString());
    EXPECT_EQ(cyfryNrb(u"PL61 1090 1014 0000 0712 1981 2874"_s), u"61109010140000071219812874"_s);
}

} // namespace
} // namespace remitto
