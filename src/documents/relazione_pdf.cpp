// The PDF report: a QTextDocument laid out on A4 pages under a running header, then the
// documented plan on a page of its own, all painted into one QPdfWriter.
#include "documents/relazione_pdf.h"

#include "documents/distinta.h"
#include "documents/foglio_pianta.h"
#include "documents/impaginazione.h"
#include "documents/salva.h"
#include "form/CalcoTess.h"
#include "numeric/conversioni.h"
#include "verification/stato_caso.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <cmath>
#include <vector>

namespace tessaro {
namespace {

constexpr int DPI = 300;
constexpr double PPM = DPI / 25.4; // device units per mm
constexpr double MARGINE_MM = 15;
constexpr double TESTATA_MM = 12; // running header above the body
constexpr double PIEDE_MM = 8;    // page number below the body

QString h(const std::string& t) {
    return QString::fromStdString(t).toHtmlEscaped();
}
QString h(const char* t) {
    return QString::fromUtf8(t).toHtmlEscaped();
}
QString campo(const CalcoTess& f, int i) {
    return h(f.Text1[static_cast<std::size_t>(i)].Text);
}
QString etichetta(const CalcoTess& f, int i) {
    return h(QString::fromStdString(f.Label3[static_cast<std::size_t>(i)].Caption)
                 .trimmed()
                 .toStdString());
}

// A table with a header row; each row's cells already HTML.
class Tabella {
  public:
    explicit Tabella(std::vector<const char*> intestazioni) {
        // The header row comes again on every page the table runs over.
        html_ = "<table border='1' cellspacing='0' cellpadding='3' width='100%'><thead><tr>";
        for (const char* t : intestazioni)
            html_ += "<th bgcolor='#e6e6e6' align='left'>" + h(t) + "</th>";
        html_ += "</tr></thead>";
    }
    Tabella& riga(const std::vector<QString>& celle) {
        html_ += "<tr>";
        for (const QString& c : celle)
            html_ += "<td>" + c + "</td>";
        html_ += "</tr>";
        return *this;
    }
    QString fine() const { return html_ + "</table>"; }

  private:
    QString html_;
};

QString titolo(const char* t) {
    return "<h3>" + h(t) + "</h3>";
}

QString intestazione_html(const Intestazione& i) {
    return "<h2>Relazione di calcolo: punzonamento della soletta</h2>" +
           Tabella({"Progetto", "Elemento", "Progettista", "Data"})
               .riga({h(i.progetto), h(i.elemento), h(i.progettista), h(i.data)})
               .fine() +
           "<p>Unità di misura: forze in kg, lunghezze in cm, tensioni in kg/cm², aree in cm², "
           "momenti in kg·m, carichi ripartiti in kg/m², diametri dei chiodi in mm "
           "(1 MPa = 10 kg/cm²).</p>";
}

QString metodo_html() {
    return titolo("Metodo") +
           "<p>Verifica a punzonamento di una piastra in calcestruzzo armato su un pilastro "
           "secondo EN 1992-1-1:</p><ul>"
           "<li>6.4.2: perimetro di verifica di base u1 a 2·d dalle facce del pilastro, "
           "ridotto presso i bordi liberi e per la parte in ombra di un foro;</li>"
           "<li>6.4.3: taglio efficace Veff = β·|Nd|, con β dai momenti trasmessi e dai moduli "
           "W1 del perimetro u1; Veff' ridotto del carico interno al perimetro;</li>"
           "<li>6.4.4: resistenza senza armatura a taglio τrdc = CRd,c·k·(100·ρ·fck)^(1/3) "
           "≥ vmin;</li>"
           "<li>6.4.5: armatura a punzonamento con chiodi su tralicci, Vrd,cs = 0.75·Vrd,c + "
           "Af,tot·fywd,ef; resistenza massima alla faccia del pilastro Vrd,max; perimetro "
           "esterno uout a 1.5·d oltre l'ultimo chiodo;</li>"
           "<li>9.4.3: disposizione dei chiodi, primo chiodo a S1 ≤ 0.5·d dalla faccia, passo "
           "S ≤ 0.75·d.</li></ul>"
           "<p>Resistenza cilindrica fck = 0.83·Rck; tensioni calcolate in MPa e moltiplicate "
           "per 10.</p>";
}

QString dati_html(const CalcoTess& f) {
    const bool ta = f.Option3[0];
    Tabella t({"Dato", "Simbolo", "Valore", "Unità"});
    t.riga({h("Formato dei carichi"), "", ta ? h("T.A. (esercizio)") : h("S.L.U. (progetto)"), ""});
    struct Voce {
        const char* nome;
        const char* simbolo;
        int indice;
        const char* unita;
    };
    const Voce voci[] = {
        {"Carico ripartito di progetto", "qd", 0, "kg/m²"},
        {"Sforzo normale di progetto", "Nd", 1, "kg"},
        {"Momento di progetto attorno a x", "Mxd", 2, "kg·m"},
        {"Momento di progetto attorno a y", "Myd", 3, "kg·m"},
        {"Carico ripartito di esercizio", "qc", 36, "kg/m²"},
        {"Sforzo normale di esercizio", "Nc", 35, "kg"},
        {"Momento di esercizio attorno a x", "Mxc", 34, "kg·m"},
        {"Momento di esercizio attorno a y", "Myc", 27, "kg·m"},
        {"Coefficiente dei carichi", "γq", 37, "–"},
        {"Spessore della soletta", "H", 4, "cm"},
        {"Altezza utile", "d", 5, "cm"},
        {"Lato del pilastro (diametro se circolare)", "a", 6, "cm"},
        {"Lato del pilastro", "b", 7, "cm"},
        {"Rapporto d'armatura in x", "ρx", 8, "%"},
        {"Rapporto d'armatura in y", "ρy", 9, "%"},
        {"Distanza dal bordo in direzione a", "Db_a", 38, "cm"},
        {"Distanza dal bordo in direzione b", "Db_b", 24, "cm"},
        {"Massima distanza fra chiodi esterni, in multipli di d", "Dmax (n)", 25, "–"},
        {"Resistenza cubica del calcestruzzo", "Rck", 11, "kg/cm²"},
        {"Coefficiente parziale del calcestruzzo", "γc", 12, "–"},
        {"Snervamento caratteristico dei chiodi", "fyk", 14, "kg/cm²"},
        {"Coefficiente parziale dell'acciaio", "γf", 15, "–"},
        {"Numero totale di tralicci", "N totali", 31, "–"},
        {"Numero di tralicci diagonali", "N diag", 30, "–"},
        {"Distanza del primo chiodo dalla faccia", "S1", 28, "cm"},
        {"Passo dei chiodi", "S", 29, "cm"},
    };
    for (const Voce& v : voci)
        t.riga({h(v.nome), h(v.simbolo), campo(f, v.indice), h(v.unita)});
    t.riga({h("Diametro dei chiodi"), h("φ"), h(f.fichiodo.Text), h("mm")});
    if (f.dati.foro_prof > 0 || f.dati.foro_larg > 0) {
        t.riga({h("Foro: larghezza L, lungo y"), "L", h(f.Text2.Text), "cm"});
        t.riga({h("Foro: profondità P, lungo x"), "P", h(f.Text3.Text), "cm"});
        t.riga({h("Foro: distanza netta dal pilastro"), "D", h(f.Text4.Text), "cm"});
        t.riga({h("Foro: y dell'asse"), "y", h(f.Text5.Text), "cm"});
    }
    return titolo("Dati") + t.fine();
}

QString pilastro_html(const CalcoTess& f) {
    static const char* const forme[] = {
        "rettangolare", "circolare",          "rettangolare con semicerchi",
        "ottagonale",   "superficie imposta", "parete"};
    static const char* const posizioni[] = {"centrale (interno)", "di bordo", "d'angolo"};
    int forma = 0;
    for (int i = 0; i < 6; ++i)
        if (f.Option1[static_cast<std::size_t>(i)]) forma = i;
    const int posizione = f.posizione();
    return titolo("Pilastro") + "<p>Forma: " + h(forme[forma]) +
           ". Posizione trovata dal calcolo (perimetro di verifica più corto): " +
           (posizione >= 0 ? h(posizioni[posizione]) : h("non determinata")) +
           ". Assi della pianta: origine al centro del pilastro, x lungo a, y lungo b.</p>";
}

QString intermedi_html(const CalcoTess& f) {
    Tabella t({"Grandezza", "Formula", "Valore", "Unità"});
    const QString fck = h(show(R(f.dati.fck, 1)));
    t.riga({"fck", h("0.83·Rck"), fck, "kg/cm²"})
        .riga({"k", h("1 + √(200/d), d in mm, ≤ 2.0"), campo(f, 22), "–"})
        .riga({"ρ", h("√(ρx·ρy)"), campo(f, 10), "%"})
        .riga({"ν", h("0.6·(1 − fck/250), fck in MPa"), campo(f, 13), "–"})
        .riga({"fywd,ef", h("min(250 + 0.25·d, fyk/γf), d in mm, MPa"), campo(f, 26), "kg/cm²"})
        .riga(
            {"u0", h("perimetro del pilastro (6.4.5), ridotto presso i bordi"), campo(f, 21), "cm"})
        .riga({"u1", h("perimetro a 2·d dalle facce (6.4.2), meno Rid. foro"), campo(f, 20), "cm"})
        .riga({"Rid. foro", h("parte di u1 in ombra del foro (6.4.2 (3))"), campo(f, 33), "cm"})
        .riga({"Aq", h("area della soletta interna a u1"), campo(f, 19), "cm²"})
        .riga({"W1x", h("∫ |e| dl lungo u1, e distanza dall'asse (6.4.3 (6.40))"), campo(f, 18),
               "cm²"})
        .riga({"W1y", h("∫ |e| dl lungo u1, e distanza dall'asse (6.4.3 (6.40))"), campo(f, 17),
               "cm²"})
        .riga(
            {"βx", h("k·(Myd/|Nd|)·u1/W1 (6.4.3 (6.39), k dalla Tabella 6.1)"), campo(f, 16), "–"})
        .riga({"βy", h("k·(Mxd/|Nd|)·u1/W1 (6.4.3 (6.39))"), campo(f, 23), "–"})
        .riga({"β", h("1 + βx + βy"), campo(f, 32), "–"})
        .riga({"Veff", h("β·|Nd|"), h(show(R(f.dati.Veff, 0))), "kg"})
        .riga({"Veff'", h("Veff − qd·Aq/10000"), etichetta(f, 8), "kg"})
        .riga({"vmin", h("0.035·k^1.5·fck^0.5 (6.4.4 (6.3N))"), etichetta(f, 5), "kg/cm²"})
        .riga({"τrdc", h("max(CRd,c·k·(100·ρ·fck)^(1/3), vmin), CRd,c = 0.18/γc (6.4.4 (6.47))"),
               etichetta(f, 0), "kg/cm²"})
        .riga({"Vrd,c", h("τrdc·u1·d"), etichetta(f, 1), "kg"})
        .riga({"τr,max", h("0.5·ν·fck/γc (6.4.5 (6.53))"), etichetta(f, 2), "kg/cm²"})
        .riga({"Vrd,max", h("τr,max·u0·d"), etichetta(f, 3), "kg"})
        .riga({"β u0", h("fattore β alla faccia del pilastro"), etichetta(f, 17), "–"});
    return titolo("Valori intermedi") + t.fine();
}

QString utilizzo(const std::optional<double>& u) {
    return u ? h(show(R(*u, 2))) : h("–");
}

// The verdict of a check as the window shows it; a check not made this time says so, never
// the text an earlier pass left beside it.
// The window's "kg (> Veff: OK)" is a unit and a verdict: the column keeps the verdict.
QString esito(const std::optional<double>& u, const std::string& testo) {
    if (!u) return h("non eseguita");
    QString t = QString::fromStdString(testo).trimmed();
    if (t.startsWith(QStringLiteral("kg (")) && t.endsWith(')')) t = t.mid(4, t.size() - 5);
    return t.toHtmlEscaped();
}

QString verifiche_html(const CalcoTess& f, const StatoCaso& s) {
    Tabella t({"Verifica", "Effetto", "Resistenza", "Esito", "Utilizzo"});
    t.riga({h("Faccia del pilastro (6.4.5 (3))"), "Veff = " + h(show(R(f.dati.Veff, 0))) + " kg",
            "Vrd,max = " + etichetta(f, 3) + " kg", esito(s.utilizzo_faccia, f.Label4[3].Caption),
            utilizzo(s.utilizzo_faccia)});
    t.riga({h("Perimetro u1 senza armatura (6.4.4)"), "Veff' = " + etichetta(f, 8) + " kg",
            "Vrd,c = " + etichetta(f, 1) + " kg", esito(s.utilizzo_perimetro, f.Label4[1].Caption),
            utilizzo(s.utilizzo_perimetro)});
    if (s.utilizzo_chiodi)
        t.riga({h("Armatura a punzonamento (6.4.5 (1))"),
                "Af,tot richiesta = " + etichetta(f, 9) + " cm²",
                "Af,tot disposta = " + etichetta(f, 12) + " cm²",
                h(f.Label3[13].ForeColor == ROSSO_SCURO ? "insufficiente" : "OK"),
                utilizzo(s.utilizzo_chiodi)});
    if (s.utilizzo_esterno)
        t.riga({h("Perimetro esterno uout (6.4.5 (4))"), "Veff' = " + etichetta(f, 15) + " kg",
                "Vrd,c = " + etichetta(f, 4) + " kg",
                h(f.Label3[4].ForeColor == NERO ? "OK" : "non verificata"),
                utilizzo(s.utilizzo_esterno)});
    return titolo("Verifiche") + t.fine() +
           "<p>Utilizzo: effetto diviso resistenza (oltre 1.00 la verifica non è soddisfatta).</p>";
}

QString armatura_html(const CalcoTess& f, const Distinta& d) {
    if (!f.Frame4.Visible) return {};
    const double Ntot = lenient(f.Text1[31].Text), Ndiag = lenient(f.Text1[30].Text);
    const int posizione = f.posizione();
    const double diagonali = f.Option1[1] ? 0
                                          : Ndiag * (posizione == 0   ? 4
                                                     : posizione == 1 ? 2
                                                                      : 1);
    std::size_t strati = 0;
    for (const Traliccio& r : d.tralicci)
        strati = std::max(strati, r.chiodi.size());
    Tabella t({"Grandezza", "Formula", "Valore", "Unità"});
    t.riga({h("Tralicci totali"), "", campo(f, 31), "–"})
        .riga({h("di cui diritti (radiali se circolare)"), "", h(show(Ntot - diagonali)), "–"})
        .riga({h("di cui diagonali"), h("N diag per spigolo"), h(show(diagonali)), "–"})
        .riga({"S1", h("≤ 0.5·d (9.4.3)"), campo(f, 28), "cm"})
        .riga({"S", h("≤ 0.75·d (9.4.3)"), campo(f, 29), "cm"})
        .riga({h("L tral."), h("dal primo all'ultimo chiodo"), etichetta(f, 10), "cm"})
        .riga({h("Strati di chiodi"), "", h(std::to_string(strati)), "–"})
        .riga({h("Af,tot teorica"), h("(Veff' − 0.75·Vrd,c)/fywd,ef"), etichetta(f, 9), "cm²"})
        .riga({h("Vrd,s teorica"), h("0.75·Vrd,c + Af,tot·fywd,ef"), etichetta(f, 11), "kg"})
        .riga({h("Af teorica di un chiodo"), h("Af,tot·S/(N·1.5·d)"), etichetta(f, 6), "cm²"})
        .riga({h("φ teorico"), h("√(4·Af/π)"), etichetta(f, 7), "mm"})
        .riga({h("φ adottato"), "", h(f.fichiodo.Text), "mm"})
        .riga({h("Af di un chiodo"), h("π·φ²/4"), etichetta(f, 16), "cm²"})
        .riga({h("Af,tot disposta"), h("N·Af·1.5·d/S"), etichetta(f, 12), "cm²"})
        .riga({"Vrd,cs", h("0.75·Vrd,c + Af,tot·fywd,ef (6.4.5 (6.52))"), etichetta(f, 13), "kg"})
        .riga({h("β finale"), "", etichetta(f, 14), "–"})
        .riga(
            {h("Veff' sul perimetro esterno"), h("β·|Nd| − qd·Aest/10000"), etichetta(f, 15), "kg"})
        .riga({"uout", h("perimetro a 1.5·d oltre l'ultimo chiodo (6.4.5 (4))"),
               h(show(R(f.dati.uest, 1))), "cm"})
        .riga({h("Vrd,c esterno"), h("τrdc·uout·d"), etichetta(f, 4), "kg"});
    return titolo("Armatura a punzonamento") + t.fine();
}

QString distinta_html(const Distinta& d) {
    if (d.tralicci.empty()) return {};
    Tabella t({"Traliccio", "Tipo", "Angolo (°)", "Inizio x; y (cm)", "Chiodi",
               "Distanze dei chiodi dalla faccia (cm)", "Lunghezza (cm)"});
    double lunghezze = 0; // of all rails, cm
    for (std::size_t n = 0; n < d.tralicci.size(); ++n) {
        const Traliccio& r = d.tralicci[n];
        QString distanze;
        for (const double x : r.chiodi)
            distanze += (distanze.isEmpty() ? "" : "  ") + h(show(R(x, 2)));
        t.riga({h(nome_traliccio(n)), h(nome_tipo(r.tipo)), h(show(R(angolo_gradi(r), 2))),
                h(show(R(r.origine.x, 2)) + "; " + show(R(r.origine.y, 2))),
                QString::number(r.chiodi.size()), distanze, h(show(R(lunghezza(r), 2)))});
        lunghezze += lunghezza(r);
    }
    return titolo("Distinta dei chiodi") + t.fine() + "<p>Totale: " + QString::number(d.chiodi) +
           " chiodi φ " + h(show(d.diametro_mm)) +
           " mm; lunghezza assunta H − 2·(H − d) = " + h(show(R(d.lunghezza_cm, 1))) +
           " cm; peso dell'acciaio dei chiodi (gambo, 7850 kg/m³) " + h(show(R(d.peso_kg, 2))) +
           " kg; lunghezza dei tralicci, dal primo all'ultimo chiodo, " + h(show(R(lunghezze, 2))) +
           " cm in tutto.</p>";
}

// The overall verdict on top, as the window's banner says it.
QString esito_html(const StatoCaso& s) {
    const char* colore = s.esito == Esito::non_verificato  ? "#800000"
                         : s.esito == Esito::non_calcolato ? "#555555"
                                                           : "#006000";
    QString html = "<p><b>Esito: <font color='" + QString(colore) + "'>" + h(s.testo_esito) +
                   "</font></b></p>";
    if (!s.aggiornati && !s.testo_aggiornamento.empty())
        html += "<p><font color='#800000'>" + h(s.testo_aggiornamento) + "</font></p>";
    return html;
}

QString avvisi_html(const StatoCaso& s) {
    QString html = titolo("Avvisi");
    if (s.avvisi.empty()) return html + "<p>Nessun avviso.</p>";
    html += "<ul>";
    for (const std::string& a : s.avvisi)
        html += "<li>" + h(a) + "</li>";
    return html + "</ul>";
}

QString documento_html(const CalcoTess& f, const Intestazione& i) {
    const StatoCaso s = stato_caso(f);
    const Distinta d = distinta(f);
    // The warnings beside the verdict they qualify; the plan's page named at the start.
    return "<html><body>" + intestazione_html(i) + esito_html(s) + avvisi_html(s) +
           "<p>La pianta in scala è nell'ultima pagina.</p>" + metodo_html() + dati_html(f) +
           pilastro_html(f) + intermedi_html(f) + verifiche_html(f, s) + armatura_html(f, d) +
           distinta_html(d) + "</body></html>";
}

QFont carattere(double punti) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(punti);
    font.setStyleStrategy(QFont::PreferNoShaping); // no ligatures: "Veff" stays searchable
    return font;
}

// The running header and the page number.
void cornice(QPainter& p, const QRectF& area, const Intestazione& i, int pagina, int pagine) {
    p.save();
    p.setFont(carattere(8));
    p.setPen(Qt::black);
    const QRectF testata(area.left(), area.top(), area.width(), TESTATA_MM * PPM * 0.6);
    const QString titolo = QStringLiteral("Tessaro – Relazione di calcolo a punzonamento");
    p.drawText(testata, Qt::AlignLeft | Qt::AlignVCenter, titolo);
    // The project and element in the room the title leaves, shortened when longer.
    const QFontMetricsF fm(p.font());
    const double spazio = testata.width() - fm.horizontalAdvance(titolo) - 8 * PPM;
    p.drawText(testata, Qt::AlignRight | Qt::AlignVCenter,
               fm.elidedText(QString::fromStdString(i.progetto +
                                                    (i.elemento.empty() ? "" : " – " + i.elemento)),
                             Qt::ElideRight, std::max(0.0, spazio)));
    p.setPen(QPen(Qt::black, 0.2 * PPM));
    p.drawLine(testata.bottomLeft(), testata.bottomRight());
    const QRectF piede(area.left(), area.bottom() - PIEDE_MM * PPM, area.width(), PIEDE_MM * PPM);
    p.drawText(piede, Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Pagina %1 di %2").arg(pagina).arg(pagine));
    p.drawText(piede, Qt::AlignLeft | Qt::AlignBottom, QString::fromStdString(i.data));
    p.restore();
}

// A PDF writer on A4 at DPI into the buffer, its painting area in device units.
struct Pdf {
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    Pdf() {
        buffer.open(QIODevice::WriteOnly);
        writer.setResolution(DPI);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(MARGINE_MM, MARGINE_MM, MARGINE_MM, MARGINE_MM),
                                         QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Tessaro"));
    }
    QRectF area() const {
        return QRectF(writer.pageLayout().paintRectPixels(DPI))
            .translated(-writer.pageLayout().paintRectPixels(DPI).topLeft());
    }
};

} // namespace

std::string data_odierna() {
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
}

bool esporta_relazione_pdf(const CalcoTess& f, const Intestazione& intestazione,
                           const std::string& percorso) {
    Pdf pdf;
    pdf.writer.setTitle(QStringLiteral("Relazione di calcolo a punzonamento"));
    QPainter p;
    if (!p.begin(&pdf.writer)) return false;
    const QRectF area = pdf.area();
    const double testata = TESTATA_MM * PPM, piede = PIEDE_MM * PPM;
    QTextDocument documento;
    documento.documentLayout()->setPaintDevice(&pdf.writer);
    documento.setDefaultFont(carattere(9));
    documento.setHtml(documento_html(f, intestazione));
    const std::vector<Pagina> testo =
        impagina(documento, area.width(), area.height() - testata - piede);
    const int pagine = static_cast<int>(testo.size()) + 1;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (i > 0) pdf.writer.newPage();
        cornice(p, area, intestazione, static_cast<int>(i) + 1, pagine);
        double y = testata; // each stretch of the text under the one before
        for (const Fetta& f : testo[i]) {
            p.save();
            p.translate(0, y - f.da);
            documento.drawContents(&p, QRectF(0, f.da, area.width(), f.a - f.da));
            p.restore();
            y += f.a - f.da;
        }
    }
    pdf.writer.newPage();
    cornice(p, area, intestazione, pagine, pagine);
    disegna_foglio_pianta(p, f, intestazione, area.adjusted(0, testata, 0, -piede), PPM);
    if (!p.end()) return false;
    return salva(percorso, pdf.buffer.data());
}

bool esporta_foglio_pdf(const CalcoTess& f, const Intestazione& intestazione,
                        const std::string& percorso) {
    Pdf pdf;
    pdf.writer.setTitle(QStringLiteral("Pianta della chiodatura"));
    QPainter p;
    if (!p.begin(&pdf.writer)) return false;
    disegna_foglio_pianta(p, f, intestazione, pdf.area(), PPM);
    if (!p.end()) return false;
    return salva(percorso, pdf.buffer.data());
}

int scala_relazione(const CalcoTess& f) {
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return scala_foglio(f, a4.width() - 2 * MARGINE_MM,
                        a4.height() - 2 * MARGINE_MM - TESTATA_MM - PIEDE_MM);
}

bool esporta_pianta_pdf(const CalcoTess& f, const std::string& percorso) {
    return esporta_foglio_pdf(f, {{}, {}, {}, data_odierna()}, percorso);
}

} // namespace tessaro
