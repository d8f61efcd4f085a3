#pragma once

#include "TempFolder.h"

#include "shell/MojaFirma.h"

#include <gtest/gtest.h>

namespace remitto::test {

/// A data folder with an own-company file, for fixtures that write records,
/// act, and then look at what is on disk.
struct MojaFirmaPliki {
    TempFolder dir;

    QString path() const { return dir.file(kPlikMojaFirma); }
    void zapisz(const QList<Firma>& firmy) const { ASSERT_TRUE(writeMojaFirma(path(), firmy)); }
    QList<Firma> naDysku() const
    {
        const MojaFirmaOdczyt r = readMojaFirma(path());
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        return r.firmy;
    }
    QByteArray bajty() const { return dir.readBytes(kPlikMojaFirma); }
};

} // namespace remitto::test
