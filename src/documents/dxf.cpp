// The DXF of the stud layout, written with dxflib into memory, whose bytes then replace the
// destination.
#include "documents/dxf.h"

#include "documents/annotazioni_pianta.h"
#include "documents/distinta.h"
#include "documents/geometria_pianta.h"
#include "documents/relazione_pdf.h"
#include "documents/salva.h"
#include "form/CalcoTess.h"
#include "numeric/conversioni.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <QLineF>
#include <QPointF>

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

constexpr int INSUNITS_CM = 5, INSUNITS_MM = 4; // $INSUNITS
constexpr double TESTO_MM = 2.5; // texts and dimensions on paper, height of the capitals
constexpr double TESTA = 3;      // head diameter over shank diameter of a headed stud

// AutoCAD Colour Index of each layer of LAYER_DXF.
constexpr int COLORE_LAYER[] = {7, 8, 4, 5, 6, 3, 1, 2, 7, 3};
static_assert(std::size(COLORE_LAYER) == std::size(LAYER_DXF));

// dxflib's text writer with its file replaced by memory: every group code and value as the
// library formats it (its reals and handles are formatted there and handed to dxfString), none
// of it lost to a file that could not take it, since the library never reports its stream's
// write errors.
class ScritturaInMemoria : public DL_WriterA {
  public:
    ScritturaInMemoria() : DL_WriterA("", DL_Codes::AC1015) {} // "": no file is opened
    void dxfInt(int gc, int value) const override { dxfString(gc, std::to_string(value)); }
    void dxfString(int gc, const char* value) const override {
        if (value) dxfString(gc, std::string(value));
    }
    void dxfString(int gc, const std::string& value) const override {
        byte_ += gc < 10 ? "  " : gc < 100 ? " " : "";
        byte_ += std::to_string(gc);
        byte_ += '\n';
        byte_ += value;
        byte_ += '\n';
    }
    const std::string& byte() const { return byte_; }

  private:
    mutable std::string byte_;
};

// The drawing's scale, the report's plan's: what a millimetre of paper holds of the plan; and
// its unit, the centimetre of the plan or, in SI, the millimetre (k drawing units a cm).
struct Scala {
    int denominatore;
    double cm_per_mm;
    double k;
    double testo() const { return TESTO_MM * cm_per_mm; } // height of a text, cm
};

Scala scala(const CalcoTess& f) {
    const int s = scala_relazione(f);
    return {s, s / 10.0, f.sistema == Sistema::SI ? 10.0 : 1.0};
}

// The block of a stud of the design's diameter, mm: "CHIODO_D14", "CHIODO_D12_5".
std::string nome_blocco(const CalcoTess& f) {
    std::string d = show(lenient(f.fichiodo.Text));
    std::replace(d.begin(), d.end(), '.', '_');
    return "CHIODO_D" + d;
}

// A text of the plan as a CAD program writes it: the diameter sign as its control code.
std::string testo_cad(const std::string& t) {
    return t.starts_with("Ø") ? "%%c" + t.substr(std::string("Ø").size()) : t;
}

// The dimensions and rail names where the printed plan puts them at the drawing's scale.
AnnotazioniPianta annotazioni(const CalcoTess& f, const GeometriaPianta& g) {
    return annota_pianta(f, g, 1 / scala(f).cm_per_mm, TESTO_MM);
}

// The name of the picture block of dimension i (0 first): "*D1", "*D2", ...
std::string blocco_quota(std::size_t i) {
    return "*D" + std::to_string(i + 1);
}

// What it is given in cm of the plan it writes in the drawing's unit (times k).
class Disegno {
  public:
    Disegno(DL_Dxf& dxf, DL_WriterA& dw, double k) : dxf_(dxf), dw_(dw), k_(k) {}

    void linea(const char* layer, Punto a, Punto b) {
        dxf_.writeLine(dw_, DL_LineData(k_ * a.x, k_ * a.y, 0, k_ * b.x, k_ * b.y, 0),
                       attributi(layer));
    }
    void cerchio(const char* layer, Punto c, double r) {
        dxf_.writeCircle(dw_, DL_CircleData(k_ * c.x, k_ * c.y, 0, k_ * r), attributi(layer));
    }
    void polilinea(const char* layer, const Polilinea& p) {
        dxf_.writePolyline(
            dw_, DL_PolylineData(static_cast<int>(p.punti.size()), 0, 0, p.chiusa ? 1 : 0),
            attributi(layer));
        for (const Punto& q : p.punti)
            dxf_.writeVertex(dw_, DL_VertexData(k_ * q.x, k_ * q.y, 0, 0));
        dxf_.writePolylineEnd(dw_);
    }
    // Text `altezza` cm high at p, turned by angolo rad (dxflib writes it in degrees): centred
    // on p (horizontal centre, middle), or starting at p.
    void testo(const char* layer, Punto p, const std::string& t, double altezza, double angolo = 0,
               bool centrato = true) {
        const double x = k_ * p.x, y = k_ * p.y;
        dxf_.writeText(dw_,
                       DL_TextData(x, y, 0, x, y, 0, k_ * altezza, 1, 0, centrato ? 1 : 0,
                                   centrato ? 2 : 0, t, "Standard", angolo),
                       attributi(layer));
    }
    void inserto(const char* layer, const std::string& blocco, Punto p) {
        dxf_.writeInsert(dw_, DL_InsertData(blocco, k_ * p.x, k_ * p.y, 0, 1, 1, 1, 0, 1, 1, 0, 0),
                         attributi(layer));
    }
    // A dimension entity, its picture in `blocco`: the measured points, its line through
    // linea_a, its text where the plan puts it (flag 128) and centred there, the measurement
    // in place of "<>". Written group by group: dxflib's own writers name no picture block,
    // without which a CAD program's audit deletes the dimension.
    void quota(const QuotaPianta& q, const std::string& blocco) {
        const bool allineata = q.tipo == QuotaPianta::Tipo::allineata;
        dw_.entity("DIMENSION");
        dw_.dxfString(100, "AcDbEntity");
        dw_.entityAttributes(attributi("QUOTE"));
        dw_.dxfString(100, "AcDbDimension");
        dw_.dxfString(2, blocco);
        punto(10, q.linea_a);
        punto(11, q.testo.centro);
        dw_.dxfInt(70, (allineata ? 1 : 0) | 32 | 128); // its block is its own
        dw_.dxfInt(71, 5);                              // text anchored at its middle
        dw_.dxfInt(72, 1);
        dw_.dxfReal(41, 1.0);
        dw_.dxfReal(42, k_ * q.misura);
        dw_.dxfString(1, testo_cad(q.prefisso) + "<>");
        dw_.dxfString(3, "Standard");
        dw_.dxfString(100, "AcDbAlignedDimension");
        punto(13, q.da);
        punto(14, q.a);
        // The direction measured, which readers also take from an aligned dimension.
        const double gradi =
            std::atan2(q.linea_a.y - q.linea_da.y, q.linea_a.x - q.linea_da.x) * 180 / PI;
        dw_.dxfReal(50, allineata ? gradi : q.tipo == QuotaPianta::Tipo::orizzontale ? 0 : 90);
        if (!allineata) dw_.dxfString(100, "AcDbRotatedDimension");
    }

    static DL_Attributes attributi(const char* layer) {
        return DL_Attributes(layer, 256, -1, "BYLAYER", 1.0); // colour and width by layer
    }

  private:
    void punto(int codice, Punto p) {
        dw_.dxfReal(codice, k_ * p.x);
        dw_.dxfReal(codice + 10, k_ * p.y);
        dw_.dxfReal(codice + 20, 0.0);
    }

    DL_Dxf& dxf_;
    DL_WriterA& dw_;
    double k_;
};

// The stud: its shank and its head, on layer 0 so that each insert takes the layer it is on.
void blocco_chiodo(DL_Dxf& dxf, DL_WriterA& dw, const CalcoTess& f, const Scala& s) {
    const std::string nome = nome_blocco(f);
    const double r = s.k * lenient(f.fichiodo.Text) / 20; // cm times k
    dxf.writeBlock(dw, DL_BlockData(nome, 0, 0, 0, 0));
    for (const double raggio : {r, TESTA * r})
        dxf.writeCircle(dw, DL_CircleData(0, 0, 0, raggio), Disegno::attributi("0"));
    dxf.writeEndBlock(dw, nome);
}

// The picture of a dimension as CAD programs keep it beside the entity, on layer 0 in the
// dimension's colour: the extension lines from 1 mm off the points to 1.5 mm past the line,
// the line drawn on under its text, oblique ticks, the text.
void disegno_quota(DL_Dxf& dxf, DL_WriterA& dw, const std::string& nome, const QuotaPianta& q,
                   const Scala& s) {
    const DL_Attributes a("0", 0, -1, "BYBLOCK", 1.0); // colour and line type by block
    const auto linea = [&](QPointF da, QPointF a_) {
        dxf.writeLine(dw, DL_LineData(da.x(), da.y(), 0, a_.x(), a_.y(), 0), a);
    };
    const auto k = [&](Punto p) { return QPointF(s.k * p.x, s.k * p.y); };
    const QPointF A = k(q.da), B = k(q.a), A1 = k(q.linea_da), B1 = k(q.linea_a),
                  T = k(q.testo.centro);
    const auto unitario = [](QPointF v) {
        const double l = std::hypot(v.x(), v.y());
        return l > 0 ? v / l : QPointF(0, 0);
    };
    const QPointF n = unitario(A1 - A), u = unitario(B1 - A1);
    const double mm = s.k * s.cm_per_mm;
    dxf.writeBlock(dw, DL_BlockData(nome, 1, 0, 0, 0)); // anonymous
    for (const auto& [punto, piede] : {std::pair{A, A1}, {B, B1}})
        if (QLineF(punto, piede).length() > mm) linea(punto + n * mm, piede + n * 1.5 * mm);
    const double lungo = QPointF::dotProduct(T - A1, u), meta = s.k * q.testo.larghezza / 2;
    linea(A1 + u * std::min(0.0, lungo - meta),
          A1 + u * std::max(QLineF(A1, B1).length(), lungo + meta));
    for (const QPointF& piede : {A1, B1})
        linea(piede - (u + n) * mm, piede + (u + n) * mm);
    dxf.writeText(dw,
                  DL_TextData(T.x(), T.y(), 0, T.x(), T.y(), 0, s.k * s.testo(), 1, 0, 1, 2,
                              testo_cad(q.prefisso + q.valore), "Standard", q.testo.angolo),
                  a);
    dxf.writeEndBlock(dw, nome);
}

void intestazione_e_tabelle(DL_Dxf& dxf, DL_WriterA& dw, const CalcoTess& f) {
    const Scala s = scala(f);
    const bool chiodi = !f.chiodi.empty();
    const AnnotazioniPianta a = annotazioni(f, geometria_pianta(f));
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, f.sistema == Sistema::SI ? INSUNITS_MM : INSUNITS_CM);
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1); // metric
    dw.sectionEnd();
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continua", 0, 0, 0));
    dw.tableEnd();
    dw.tableLayers(static_cast<int>(std::size(LAYER_DXF)) + 1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, 100, "CONTINUOUS", 1));
    for (std::size_t i = 0; i < std::size(LAYER_DXF); ++i)
        dxf.writeLayer(dw, DL_LayerData(LAYER_DXF[i], 0),
                       DL_Attributes("", COLORE_LAYER[i], 100, "CONTINUOUS", 1));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0, 1, 0, 0, s.k * s.testo(), "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    // Arrows 2 mm, extension lines 1.5 mm past the line and 1 mm off the points, the text
    // 0.8 mm off the line and as high as the others, all on paper at the drawing's scale.
    const double mm = s.k * s.cm_per_mm;
    dxf.writeDimStyle(dw, 2 * mm, 1.5 * mm, mm, 0.8 * mm, s.k * s.testo());
    dxf.writeBlockRecord(dw);
    if (chiodi) dxf.writeBlockRecord(dw, nome_blocco(f));
    for (std::size_t i = 0; i < a.quote.size(); ++i)
        dxf.writeBlockRecord(dw, blocco_quota(i));
    dw.tableEnd();
    dw.sectionEnd();
    dw.sectionBlocks();
    for (const char* blocco : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(blocco, 0, 0, 0, 0));
        dxf.writeEndBlock(dw, blocco);
    }
    if (chiodi) blocco_chiodo(dxf, dw, f, s);
    for (std::size_t i = 0; i < a.quote.size(); ++i)
        disegno_quota(dxf, dw, blocco_quota(i), a.quote[i], s);
    dw.sectionEnd();
}

std::string testo_campo(const std::string& t) {
    return QString::fromStdString(t).trimmed().toStdString();
}

void entita(Disegno& d, const CalcoTess& f, const GeometriaPianta& g) {
    const Scala s = scala(f);
    const double h = s.testo();
    const QRectF r = ingombro(g);
    const double m = 0.1 * std::max(r.width(), r.height());
    if (g.circolare) d.cerchio("PILASTRO", {0, 0}, g.a / 2);
    if (!g.pilastro.punti.empty()) d.polilinea("PILASTRO", g.pilastro);
    const double y0 = g.bordo_y.value_or(r.top() - m), x0 = g.bordo_x.value_or(r.left() - m);
    if (g.bordo_x) d.linea("BORDO_SOLETTA", {*g.bordo_x, y0}, {*g.bordo_x, r.bottom() + m});
    if (g.bordo_y) d.linea("BORDO_SOLETTA", {x0, *g.bordo_y}, {r.right() + m, *g.bordo_y});
    if (g.foro) {
        d.polilinea("FORO", {{g.foro_angoli.begin(), g.foro_angoli.end()}, true});
        const double lontano = std::hypot(std::max(std::fabs(r.left()), std::fabs(r.right())),
                                          std::max(std::fabs(r.top()), std::fabs(r.bottom())));
        for (const double alfa : {g.alfa1, g.alfa2})
            d.linea("FORO", {0, 0}, {lontano * std::cos(alfa), lontano * std::sin(alfa)});
    }
    for (const Polilinea& p : g.u1)
        d.polilinea("PERIMETRO_U1", p);
    for (const Polilinea& p : g.esterno)
        d.polilinea("PERIMETRO_ESTERNO", p);
    // Each rail from its first to its last stud, as long as "L tral." and the schedule say.
    const std::string blocco = nome_blocco(f);
    for (const Traliccio& t : g.tralicci) {
        if (lunghezza(t) > 0) d.linea("TRALICCI", t.chiodo(0), t.chiodo(t.chiodi.size() - 1));
        for (std::size_t i = 0; i < t.chiodi.size(); ++i)
            d.inserto("CHIODI", blocco, t.chiodo(i));
    }
    // Dimensions and rail names where the printed plan puts them at this scale.
    const AnnotazioniPianta a = annotazioni(f, g);
    for (std::size_t i = 0; i < a.quote.size(); ++i)
        d.quota(a.quote[i], blocco_quota(i));
    for (const TestoPianta& t : a.tralicci)
        d.testo("NUMERI_TRALICCI", t.centro, t.testo, h, t.angolo);
    // "u1" beside the control perimeter where it runs at 45°, clear of the straight rails.
    const Punto* u1 = nullptr;
    for (const Polilinea& l : g.u1)
        for (const Punto& q : l.punti)
            if (!u1 || q.x + q.y > u1->x + u1->y) u1 = &q;
    if (u1) d.testo("TESTI", {u1->x + h, u1->y + h}, "u1", h);
    // The title under the plan, below the column's dimension, with the scale it plots at.
    std::string titolo = "Pianta della chiodatura - scala 1:" + std::to_string(s.denominatore) +
                         " (quote in " + nome_unita(Unita::lunghezza, f.sistema) + ")";
    if (!g.tralicci.empty())
        titolo += " - " + std::to_string(g.tralicci.size()) + " tralicci, chiodi %%c " +
                  testo_campo(f.fichiodo.Text) + " mm";
    d.testo("TESTI", {r.left(), r.top() - 20 * s.cm_per_mm}, titolo, h, 0, false);
}

} // namespace

bool esporta_dxf(const CalcoTess& f, const std::string& percorso) {
    DL_Dxf dxf; // AutoCAD 2000 (AC1015), its default
    ScritturaInMemoria dw;
    intestazione_e_tabelle(dxf, dw, f);
    dw.sectionEntities();
    Disegno disegno(dxf, dw, scala(f).k);
    entita(disegno, f, geometria_pianta(f));
    dw.sectionEnd();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return salva(percorso, QByteArray::fromStdString(dw.byte()));
}

} // namespace tessaro
