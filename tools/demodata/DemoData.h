#pragma once

#include <QDate>
#include <QString>

namespace remitto::demo {

struct DemoOptions {
    enum class Size {
        Small,  ///< about 40 contractors, 30 invoices a month so far, 300 sent transfers
        Big     ///< 10,000 contractors, 12 x 1,000 invoices, 200,000 sent transfers
    };
    Size size = Size::Small;
    quint32 seed = 1;
    QDate today;  ///< the day the data is made on; invalid means the system date
};

/// What was written, for the summary line of the tool.
struct DemoSummary {
    int kontrahenci = 0;
    int faktury = 0;
    int paczki = 0;
    int przelewyWyslane = 0;
    int plikiEksportu = 0;
};

/// Short name of the own company whose shop-program tree, packages and
/// sent transfers are generated.
QString demoSkrotFirmy();

/// Writes a complete data folder into `folder` (created when missing; it must
/// be empty): settings, two own companies, contractors, the shop program's
/// tree with this year's purchase invoices, packages with their numbering
/// file, export files and the sent-transfers file. The same options give the
/// same files. On failure `error` gets a message and false is returned.
bool writeDemoData(const QString& folder, const DemoOptions& options, QString* error,
                   DemoSummary* summary = nullptr);

} // namespace remitto::demo
