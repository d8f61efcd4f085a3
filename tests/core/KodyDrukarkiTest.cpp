#include "core/KodyDrukarki.h"

#include <gtest/gtest.h>

using namespace remitto;
using namespace Qt::StringLiterals;

TEST(KodyDrukarki, TypeAndBoldFlagAsTheSettingsKeepThem)
{
    struct Przypadek {
        QString typ, kod;
    };
    for (const Przypadek& p : {Przypadek{u"Igłowa"_s, u"I"_s}, Przypadek{u"  laserowa"_s, u"L"_s},
                               Przypadek{u"a"_s, u"A"_s}, Przypadek{u"   "_s, QString()}, Przypadek{{}, {}}})
        EXPECT_EQ(kodDrukarki(p.typ), p.kod) << p.typ.toStdString();

    // The flag written is read back as written; what another program wrote
    // ("g", " G") reads the same on the forms, the history and the reports.
    EXPECT_TRUE(czyPogrubiony(kodPogrubienia(true)));
    EXPECT_FALSE(czyPogrubiony(kodPogrubienia(false)));
    for (const QString& kod : {u"G"_s, u"g"_s, u" G "_s})
        EXPECT_TRUE(czyPogrubiony(kod)) << kod.toStdString();
    for (const QString& kod : {QString(), u"N"_s, u"GG"_s, u"1"_s})
        EXPECT_FALSE(czyPogrubiony(kod)) << kod.toStdString();
}
