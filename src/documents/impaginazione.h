// The pages of a report laid out as one column, cut as a printed report is: a heading on the
// page of what follows it, a paragraph or a list item whole on one page, a table cut only
// between its rows (its heading row repeated on top of the next page, never left without its
// first row), and no last page holding only a scrap of the text.
#pragma once

#include <QTextDocument>

#include <vector>

namespace tessaro {

// A stretch of the column, document units, painted on a page under the stretch before it.
struct Fetta {
    double da = 0, a = 0;
};
using Pagina = std::vector<Fetta>;

// Lays `documento` out as one column `larghezza` wide and cuts it into pages of `altezza`:
// after the last block or table that fits, or between two rows of a table, never right after a
// heading nor between a table's heading row and its first row. When the last page would hold
// less than a quarter of a page, the page before it ends before the heading of the section
// that runs over, if that section fits on one page. A block taller than a page is cut where
// the page ends.
std::vector<Pagina> impagina(QTextDocument& documento, double larghezza, double altezza);

} // namespace tessaro
