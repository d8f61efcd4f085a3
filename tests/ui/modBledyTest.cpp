#include "ui/modBledy.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto {
namespace {

TEST(BladPliku, ReportsMissingFileAndNothingLeftToDelete)
{
    const struct {
        int kod;
        QString tekst;
    } cases[] = {
        {53, u"Brak zbioru !"_s},
        {5, u"Juz nie ma co usuwać !"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kod);
        test::ScriptedDialogs dialogs;
        BladPliku(dialogs, c.kod);
        ASSERT_EQ(dialogs.shown().size(), 1);
        const test::ShownBox& box = dialogs.shown().front();
        EXPECT_EQ(box.kind, test::ShownBox::Message);
        EXPECT_EQ(box.text, c.tekst);
        EXPECT_EQ(box.title, u"Błąd"_s);
        EXPECT_EQ(box.icon, Icon::Critical);
        EXPECT_EQ(box.buttons, Buttons::Ok);
    }
}

TEST(BladPliku, OtherErrorsShowNothing)
{
    for (const int kod : {0, 52, 54, 6, 75, 76, -1}) {
        SCOPED_TRACE(kod);
        test::ScriptedDialogs dialogs;
        BladPliku(dialogs, kod);
        EXPECT_TRUE(dialogs.shown().isEmpty());
    }
}

} // namespace
} // namespace remitto
