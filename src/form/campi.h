// The fields and results of the form read and written by name, with the conversions that every
// routine uses: strict for values, lenient for guard tests, the plain form for what is shown.
#pragma once

#include "form/CalcoTess.h"
#include "numeric/conversioni.h"

namespace tessaro {

// The value of a field; a text that is not a number is a fault of the running event.
inline double campo(const CalcoTess& f, Dato d) {
    return strict(f.Text1[d].Text);
}
// The leading number of a field's text, 0 when there is none: for the guard tests.
inline double guardia(const CalcoTess& f, Dato d) {
    return lenient(f.Text1[d].Text);
}
// The value of a result as its caption shows it (rounded as shown).
inline double risultato(const CalcoTess& f, Risultato r) {
    return strict(f.Label3[r].Caption);
}

inline void scrivi(CalcoTess& f, Dato d, double x) {
    f.Text1[d].Text = show(x);
}
inline void scrivi(CalcoTess& f, Risultato r, double x) {
    f.Label3[r].Caption = show(x);
}

} // namespace tessaro
