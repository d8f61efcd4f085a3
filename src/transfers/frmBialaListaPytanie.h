#pragma once

#include "transfers/Przelew.h"

#include <QDate>
#include <QList>
#include <QString>

class QWidget;

namespace remitto {

struct Session;
class Dialogs;

/// Before transfers go into a package or out to the bank: each one of
/// 15 000,00 zł or more whose NIP and account the flat file of the day does
/// not hold asks whether to go on (default No), naming the contractor. With
/// no flat file of the day it says so once a run and goes on. Nothing is
/// read unless some transfer needs the check. Returns true to go on.
/// The flat file is the one chosen in "Biała lista VAT...", or the file of
/// the day (yyyymmdd.7z or .json) in its folder.
bool potwierdzBialaLista(Session& s, Dialogs& d, const QList<Przelew>& przelewy, QWidget* parent = nullptr);

/// The flat file of `dzien` to use: the chosen one when it is of that day,
/// else yyyymmdd.7z or yyyymmdd.json of that day beside it; empty when none.
QString plikBialejListyDnia(const QString& wybrany, const QDate& dzien);

} // namespace remitto
