#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace remitto::test {

/// Golden files of one file format: tests/data/<format>/<case>/ holds
///   input/     files copied into a fresh temporary folder before the case runs;
///   args       (optional) one line of words the format's runner reads;
///   expected/  every file that folder must hold afterwards, byte for byte.
/// A new case is a new folder: put its input (and args) there and run the
/// test program once with REMITTO_GOLDEN_WRITE=1 set, which writes expected/
/// from what the code wrote instead of comparing; then read expected/ by eye
/// before committing it. Without the variable nothing is ever written there.
struct Wzorzec {
    QString format;
    QString nazwa;     ///< the case folder's name
    QString folder;    ///< the temporary folder the case runs in
    QStringList args;  ///< the words of the args file
};

/// The cases of a format, by name.
QStringList przypadkiWzorca(const QString& format);

/// Runs one case: copies input/ into a temporary folder, calls `dzialanie`
/// there, then compares the folder with expected/ (a file missing, a file
/// more or a byte different each fail the test, naming the file and the
/// first differing offset), or rewrites expected/ under REMITTO_GOLDEN_WRITE.
void sprawdzWzorzec(const QString& format, const QString& nazwa, const std::function<void(const Wzorzec&)>& dzialanie);

/// Every case of a format (the table-driven runner of one format).
void sprawdzWzorce(const QString& format, const std::function<void(const Wzorzec&)>& dzialanie);

} // namespace remitto::test
