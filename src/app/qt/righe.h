// Rows shared by the frames of the form: a Text1 field with its caption, a result with its
// caption and unit label, a heading, and a frame made of field rows only.
#pragma once

#include "app/qt/controlli.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QString>

#include <initializer_list>

namespace tessaro {

constexpr int LARGHEZZA_CAMPO = 72; // px of a numeric field: room for "-14500.5" and more

// A label showing its text verbatim (never as rich text), blanks included.
QLabel* etichetta(const QString& testo, QWidget* parent = nullptr);
// The bold heading of a column of rows ("Armatura teorica:").
QLabel* intestazione(const QString& testo);

// An empty grid of rows, spaced alike in every frame.
QGridLayout* griglia();

// Caption and field of a Text1 quantity on row `riga` of the grid.
void riga_campo(QGridLayout& g, int riga, Dato d, Controlli& c);
// Caption, the value label of a result and the unit or verdict label beside it, if any.
void riga_risultato(QGridLayout& g, int riga, Risultato r, Controlli& c);

// The given fields top to bottom, in a grid; and a captioned frame holding just that.
QGridLayout* griglia_campi(std::initializer_list<Dato> campi, Controlli& c);
QGroupBox* cornice_campi(const QString& titolo, std::initializer_list<Dato> campi, Controlli& c);

} // namespace tessaro
