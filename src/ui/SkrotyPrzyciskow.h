#pragma once

#include <QKeySequence>

#include <initializer_list>
#include <utility>

class QWidget;

namespace remitto {

/// Gives buttons of a window a one-key shortcut each (their captions' access
/// letters repeat, so Alt+letter alone only moves the focus). Each button is
/// found by objectName; its tooltip ends with the key. A shortcut clicks the
/// button only while it is visible and enabled, as a mouse click would.
void dodajSkrotyPrzyciskow(QWidget* okno,
                           std::initializer_list<std::pair<const char*, QKeySequence>> skroty);

/// Gives a grid a key that clicks a button acting on the grid's current row
/// (Delete removes the row chosen). The key works only while the grid has
/// the focus, so the same key typed in a text box edits the text as usual.
void dodajKlawiszSiatki(QWidget* okno, const char* siatka, const char* przycisk, const QKeySequence& klawisz);

} // namespace remitto
