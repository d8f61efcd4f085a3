// The sent-transfers file's offset reader on any bytes: it finds the same
// records as the program's value reader and the check before an append, and
// every record it reads as whole, written back as deleting a record and
// archiving a year write it, reads back as the same values (alone, and among
// the other records written back with one left out).
//
// The first byte gives the record size (low two bits, 1 to 4) and the record
// left out (the rest); the file is what follows.
#include "../support/WriteBackRoundTrip.h"
#include "FuzzCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int recordSize = data[0] % 4 + 1;
    const int leftOut = data[0] / 4 - 1;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    const QString fault = remitto::test::writeBackFault(bytes, recordSize, leftOut);
    if (!fault.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(fault));
    check(fault.isEmpty());
    return 0;
}
