// The PDF report: a QTextDocument laid out on A4 pages under a running header, then the
// documented plan on a page of its own, all painted into one QPdfWriter.
#include "documents/relazione_pdf.h"

#include "documents/distinta.h"
#include "documents/foglio_pianta.h"
#include "documents/impaginazione.h"
#include "documents/salva.h"
#include "form/campi.h"
#include "form/didascalie.h"
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
// The text that the control of a quantity shows in the documents' unit system, as HTML.
QString valore(const CalcoTess& f, const Grandezza& g) {
    return h(QString::fromStdString(testo_vista(f, g)).trimmed().toStdString());
}
QString html(const CalcoTess& f, Dato d) {
    return h(testo_vista(f, grandezza(d)));
}
QString html(const CalcoTess& f, Risultato r) {
    return valore(f, grandezza(r));
}
// A unit's name in the documents' system, "–" for a pure number.
QString unita(const CalcoTess& f, Unita u) {
    const std::string nome = nome_unita(u, f.sistema);
    return nome.empty() ? h("–") : h(nome);
}
QString unita(const CalcoTess& f, const Grandezza& g) {
    return unita(f, g.unita);
}
// A value computed beside the fields, rounded in the model's unit, in the documents' system.
QString numero(const CalcoTess& f, double x, int decimali, Unita u) {
    return h(in_sistema(show(R(x, decimali)), u, f.sistema));
}
// The same with its unit: "200000 kg", "2000 kN".
QString misura_html(const CalcoTess& f, double x, int decimali, Unita u) {
    return h(misura(f, x, decimali, u));
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

QString intestazione_html(const CalcoTess& f, const Intestazione& i) {
    return "<h2>Relazione di calcolo: punzonamento della soletta</h2>" +
           Tabella({"Progetto", "Elemento", "Progettista", "Data"})
               .riga({h(i.progetto), h(i.elemento), h(i.progettista), h(i.data)})
               .fine() +
           (f.sistema == Sistema::SI
                ? "<p>Unità di misura: forze in kN, lunghezze in mm, tensioni in N/mm², aree in "
                  "mm², superfici della soletta in m², momenti in kNm, carichi ripartiti in "
                  "kN/m², diametri dei chiodi in mm. Il calcolo è svolto in kg, cm e kg/cm² "
                  "(1 kg = 1 daN, 1 MPa = 10 kg/cm²): ogni valore è quello del calcolo con la "
                  "virgola spostata.</p>"
                : "<p>Unità di misura: forze in kg, lunghezze in cm, tensioni in kg/cm², aree "
                  "in cm², momenti in kg·m, carichi ripartiti in kg/m², diametri dei chiodi in "
                  "mm (1 MPa = 10 kg/cm²).</p>");
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
    // The inputs in the order of the calculation: actions, slab and column, materials, rails.
    constexpr Dato ingressi[] = {
        Dato::qd,  Dato::Nd,      Dato::Mxd,     Dato::Myd,     Dato::qc,       Dato::Nc,
        Dato::Mxc, Dato::Myc,     Dato::gamma_q, Dato::H,       Dato::deff,     Dato::a,
        Dato::b,   Dato::rox,     Dato::roy,     Dato::Db_a,    Dato::Db_b,     Dato::Dmax,
        Dato::Rck, Dato::gamma_c, Dato::fyk,     Dato::gamma_f, Dato::N_totali, Dato::N_diag,
        Dato::S1,  Dato::S};
    const auto riga = [&](const Grandezza& g) {
        t.riga({h(g.descrizione), h(g.simbolo), h(testo_vista(f, g)), unita(f, g)});
    };
    for (const Dato d : ingressi)
        riga(grandezza(d));
    riga(grandezza_fichiodo());
    if (f.dati.foro_prof > 0 || f.dati.foro_larg > 0)
        for (int i = 0; i < 4; ++i)
            riga(grandezza_foro(i));
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

// How the documents name a quantity: its symbol, and the window's caption beside it where
// that differs ("VRd,cs (finestra: Vrd,s)").
QString nome(const CalcoTess& f, const Grandezza& g) {
    QString c = QString::fromStdString(didascalia(f, g)).trimmed();
    if (c.endsWith('=')) c.chop(1);
    c = c.trimmed();
    if (c.startsWith('(')) c.remove(0, 1); // "(v min": the window brackets vmin with its unit
    if (const auto i = c.lastIndexOf(" ("); i > 0 && c.endsWith(')')) c.truncate(i);
    const QString simbolo = QString::fromUtf8(g.simbolo);
    if (c == simbolo) return h(g.simbolo);
    return h(g.simbolo) + " <font color='#555555'>(finestra: " + c.toHtmlEscaped() + ")</font>";
}

// A row of a quantity of the form: its name, the formula, the value shown and its unit.
template <class Nome> void riga(Tabella& t, const CalcoTess& f, Nome n, const char* formula) {
    const Grandezza& g = grandezza(n);
    t.riga({nome(f, g), h(formula), html(f, n), unita(f, g)});
}

QString intermedi_html(const CalcoTess& f) {
    Tabella t({"Grandezza", "Formula", "Valore", "Unità"});
    t.riga({"fck", h("0.83·Rck"), numero(f, f.dati.fck, 1, Unita::tensione),
            unita(f, Unita::tensione)});
    riga(t, f, Dato::k, "1 + √(200/d), d in mm, ≤ 2.0 (6.4.4 (1))");
    riga(t, f, Dato::ro_eff, "√(ρlx·ρly) ≤ 2 % (6.4.4 (1))");
    riga(t, f, Dato::nu, "0.6·(1 − fck/250), fck in MPa (6.4.5 (3))");
    riga(t, f, Dato::fywd_ef, "min(250 + 0.25·d, fywk/γS), d in mm, MPa (6.4.5 (1))");
    riga(t, f, Dato::u0, "perimetro del pilastro (6.4.5 (3)), ridotto presso i bordi");
    riga(t, f, Dato::u1, "perimetro a 2·d dalle facce (6.4.2), meno la parte in ombra del foro");
    riga(t, f, Dato::Rid_foro, "parte di u1 in ombra del foro (6.4.2 (3))");
    riga(t, f, Dato::Aq, "area della soletta interna a u1");
    riga(t, f, Dato::W1x, "∫ |y − yG| dl lungo u1 (6.4.3 (6.40)), per il momento Mxd");
    riga(t, f, Dato::W1y, "∫ |x − xG| dl lungo u1 (6.4.3 (6.40)), per il momento Myd");
    riga(t, f, Dato::betax,
         "k·|Mxd − Nd·yG|/|Nd|·u1/W1x (6.4.3 (6.39), k dalla Tabella 6.1), fuso con i casi di "
         "bordo e d'angolo");
    riga(t, f, Dato::betay,
         "k·|Myd − Nd·xG|/|Nd|·u1/W1y (6.4.3 (6.39), k dalla Tabella 6.1), fuso con i casi di "
         "bordo e d'angolo");
    riga(t, f, Dato::beta, "1 + βx + βy");
    t.riga({"Veff", h("β·|Nd|"), numero(f, f.dati.Veff, 0, Unita::forza), unita(f, Unita::forza)});
    riga(t, f, Risultato::Veff1,
         f.sistema == Sistema::SI ? "Veff − qd·Aq, qd in kN/m², Aq in m² (6.4.4 (2))"
                                  : "Veff − qd·Aq/10000, qd in kg/m², Aq in cm² (6.4.4 (2))");
    riga(t, f, Risultato::vmin, "0.035·k^1.5·fck^0.5, fck in MPa (6.4.4 (6.3N))");
    riga(t, f, Risultato::TAUrdc,
         "max(CRd,c·k·(100·ρl·fck)^(1/3), vmin), CRd,c = 0.18/γC (6.4.4 (6.47))");
    riga(t, f, Risultato::Vrdc, "vRd,c·u1·d");
    riga(t, f, Risultato::TAUrmax, "0.5·ν·fck/γC (6.4.5 (6.53))");
    riga(t, f, Risultato::Vrd_max, "vRd,max·u0·d");
    riga(t, f, Risultato::beta_u0, "fattore β alla faccia del pilastro");
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
    const QString kg = " " + unita(f, Unita::forza), cm2 = " " + unita(f, Unita::area);
    t.riga({h("Faccia del pilastro (6.4.5 (3))"),
            "Veff = " + misura_html(f, f.dati.Veff, 0, Unita::forza),
            "VRd,max = " + html(f, Risultato::Vrd_max) + kg,
            esito(s.utilizzo_faccia, f.Label4[Verdetto::Vrd_max].Caption),
            utilizzo(s.utilizzo_faccia)});
    t.riga({h("Perimetro u1 senza armatura (6.4.4)"), "VEd,red = " + html(f, Risultato::Veff1) + kg,
            "VRd,c = " + html(f, Risultato::Vrdc) + kg,
            esito(s.utilizzo_perimetro, f.Label4[Verdetto::Vrdc].Caption),
            utilizzo(s.utilizzo_perimetro)});
    if (s.utilizzo_chiodi)
        t.riga({h("Armatura a punzonamento (6.4.5 (1))"),
                "Asw,req = " + html(f, Risultato::Aftot_teor) + cm2,
                "Asw = " + html(f, Risultato::Aftot) + cm2,
                h(f.Label3[Risultato::Vrds].ForeColor == ROSSO_SCURO ? "insufficiente" : "OK"),
                utilizzo(s.utilizzo_chiodi)});
    if (s.utilizzo_esterno)
        t.riga({h("Perimetro esterno uout (6.4.5 (4))"),
                "VEd,red,out = " + html(f, Risultato::Veff1_est) + kg,
                "VRd,c,out = " + html(f, Risultato::Vrdc_est) + kg,
                h(f.Label3[Risultato::Vrdc_est].ForeColor == NERO ? "OK" : "non verificata"),
                utilizzo(s.utilizzo_esterno)});
    return titolo("Verifiche") + t.fine() +
           "<p>Utilizzo: effetto diviso resistenza (oltre 1.00 la verifica non è soddisfatta).</p>";
}

QString armatura_html(const CalcoTess& f, const Distinta& d) {
    if (!f.Frame4.Visible) return {};
    const double Ntot = guardia(f, Dato::N_totali), Ndiag = guardia(f, Dato::N_diag);
    const int posizione = f.posizione();
    const double diagonali = f.Option1[1] ? 0
                                          : Ndiag * (posizione == 0   ? 4
                                                     : posizione == 1 ? 2
                                                                      : 1);
    std::size_t strati = 0;
    for (const Traliccio& r : d.tralicci)
        strati = std::max(strati, r.chiodi.size());
    Tabella t({"Grandezza", "Formula", "Valore", "Unità"});
    riga(t, f, Dato::N_totali, "");
    t.riga({h("di cui diritti (radiali se circolare)"), "", h(show(Ntot - diagonali)), h("–")})
        .riga({h("di cui diagonali"), h("N diag per spigolo"), h(show(diagonali)), h("–")});
    riga(t, f, Dato::S1, "≤ 0.5·d (9.4.3 (4))");
    riga(t, f, Dato::S, "≤ 0.75·d (9.4.3 (1))");
    riga(t, f, Risultato::L_tral, "dal primo all'ultimo chiodo");
    t.riga({h("Strati di chiodi"), "", h(std::to_string(strati)), h("–")});
    riga(t, f, Risultato::Aftot_teor, "(VEd,red − 0.75·VRd,c)/fywd,ef");
    riga(t, f, Risultato::Vrds_teor, "0.75·VRd,c + Asw,req·fywd,ef");
    riga(t, f, Risultato::Af_teor, "Asw,req·sr/(N·1.5·d); Asw,req/(N·strati) se 1.5·d > L + sr");
    riga(t, f, Risultato::fi_teor, "√(4·Af,req/π)");
    t.riga({h("φ adottato"), "", h(f.fichiodo.Text), unita(f, Unita::diametro)});
    riga(t, f, Risultato::Af, "π·φ²/4");
    riga(t, f, Risultato::Aftot, "N·Af·1.5·d/sr; N·Af·strati se 1.5·d > L + sr");
    riga(t, f, Risultato::Vrds, "0.75·VRd,c + Asw·fywd,ef (6.4.5 (6.52))");
    riga(t, f, Risultato::beta_est, "1 + βx + βy");
    riga(t, f, Risultato::Veff1_est,
         f.sistema == Sistema::SI ? "β·|Nd| − qd·Aest" : "β·|Nd| − qd·Aest/10000");
    t.riga({"uout", h("perimetro a 1.5·d oltre l'ultimo chiodo (6.4.5 (4))"),
            numero(f, f.dati.uest, 1, Unita::lunghezza), unita(f, Unita::lunghezza)});
    riga(t, f, Risultato::Vrdc_est, "vRd,c·uout·d (6.4.5 (4))");
    return titolo("Armatura a punzonamento") + t.fine();
}

QString distinta_html(const CalcoTess& f, const Distinta& d) {
    if (d.tralicci.empty()) return {};
    const std::string cm = nome_unita(Unita::lunghezza, f.sistema);
    const std::string inizio = "Inizio x; y (" + cm + ")",
                      distanze_cm = "Distanze dei chiodi dalla faccia (" + cm + ")",
                      lunghezza_cm = "Lunghezza (" + cm + ")";
    Tabella t({"Traliccio", "Tipo", "Angolo (°)", inizio.c_str(), "Chiodi", distanze_cm.c_str(),
               lunghezza_cm.c_str()});
    const auto l = [&](double x, int decimali) { return numero(f, x, decimali, Unita::lunghezza); };
    double lunghezze = 0; // of all rails, cm
    for (std::size_t n = 0; n < d.tralicci.size(); ++n) {
        const Traliccio& r = d.tralicci[n];
        QString distanze;
        for (const double x : r.chiodi)
            distanze += (distanze.isEmpty() ? "" : "  ") + l(x, 2);
        t.riga({h(nome_traliccio(n)), h(nome_tipo(r.tipo)), h(show(R(angolo_gradi(r), 2))),
                l(r.origine.x, 2) + "; " + l(r.origine.y, 2), QString::number(r.chiodi.size()),
                distanze, l(lunghezza(r), 2)});
        lunghezze += lunghezza(r);
    }
    return titolo("Distinta dei chiodi") + t.fine() + "<p>Totale: " + QString::number(d.chiodi) +
           " chiodi φ " + h(show(d.diametro_mm)) + " mm; lunghezza assunta H − 2·(H − d) = " +
           misura_html(f, d.lunghezza_cm, 1, Unita::lunghezza) +
           "; peso dell'acciaio dei chiodi (gambo, 7850 kg/m³) " + h(show(R(d.peso_kg, 2))) +
           " kg; lunghezza dei tralicci, dal primo all'ultimo chiodo, " +
           misura_html(f, lunghezze, 2, Unita::lunghezza) + " in tutto.</p>";
}

// The overall verdict on top, as the window's banner says it.
QString esito_html(const StatoCaso& s) {
    const char* colore = s.esito == Esito::non_verificato            ? "#800000"
                         : s.esito == Esito::non_calcolato           ? "#555555"
                         : s.esito == Esito::dettagli_non_rispettati ? "#aa5f00"
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
    return "<html><body>" + intestazione_html(f, i) + esito_html(s) + avvisi_html(s) +
           "<p>La pianta in scala è nell'ultima pagina.</p>" + metodo_html() + dati_html(f) +
           pilastro_html(f) + intermedi_html(f) + verifiche_html(f, s) + armatura_html(f, d) +
           distinta_html(f, d) + "</body></html>";
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
