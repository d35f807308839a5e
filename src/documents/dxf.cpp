// The DXF of the stud layout, written with dxflib into memory, whose bytes then replace the
// destination.
#include "documents/dxf.h"

#include "documents/geometria_pianta.h"
#include "documents/salva.h"
#include "form/CalcoTess.h"
#include "numeric/conversioni.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <cmath>

namespace tessaro {
namespace {

constexpr int INSUNITS_CM = 5;   // $INSUNITS: centimetres
constexpr double TESTO_CM = 2.5; // text height, cm of the plan
constexpr double TESTA = 3;      // head diameter over shank diameter of a headed stud

// AutoCAD Colour Index of each layer of LAYER_DXF.
constexpr int COLORE_LAYER[] = {7, 8, 4, 5, 6, 3, 1, 2, 7};

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

class Disegno {
  public:
    Disegno(DL_Dxf& dxf, DL_WriterA& dw) : dxf_(dxf), dw_(dw) {}

    void linea(const char* layer, Punto a, Punto b) {
        dxf_.writeLine(dw_, DL_LineData(a.x, a.y, 0, b.x, b.y, 0), attributi(layer));
    }
    void cerchio(const char* layer, Punto c, double r) {
        dxf_.writeCircle(dw_, DL_CircleData(c.x, c.y, 0, r), attributi(layer));
    }
    void polilinea(const char* layer, const Polilinea& p) {
        dxf_.writePolyline(
            dw_, DL_PolylineData(static_cast<int>(p.punti.size()), 0, 0, p.chiusa ? 1 : 0),
            attributi(layer));
        for (const Punto& q : p.punti)
            dxf_.writeVertex(dw_, DL_VertexData(q.x, q.y, 0, 0));
        dxf_.writePolylineEnd(dw_);
    }
    // Text centred on p (horizontal centre, middle), turned by angolo rad (dxflib
    // writes it in degrees).
    void testo(const char* layer, Punto p, const std::string& t, double angolo = 0) {
        dxf_.writeText(
            dw_, DL_TextData(p.x, p.y, 0, p.x, p.y, 0, TESTO_CM, 1, 0, 1, 2, t, "Standard", angolo),
            attributi(layer));
    }
    // Dimension from a to b with its line off by `distanza` cm on the left of a→b.
    void quota(Punto a, Punto b, double distanza, const std::string& t) {
        const double l = std::hypot(b.x - a.x, b.y - a.y);
        if (!(l > 0)) return;
        const Punto n{-(b.y - a.y) / l * distanza, (b.x - a.x) / l * distanza};
        const Punto a1{a.x + n.x, a.y + n.y}, b1{b.x + n.x, b.y + n.y};
        linea("QUOTE", a, a1);
        linea("QUOTE", b, b1);
        linea("QUOTE", a1, b1);
        // Along the line, never upside down: within (−90°, 90°].
        double angolo = std::atan2(b.y - a.y, b.x - a.x);
        if (angolo > PI / 2 + 1e-6) angolo -= PI;
        if (angolo <= -PI / 2 + 1e-6) angolo += PI;
        const double k = (std::fabs(distanza) + TESTO_CM) / std::fabs(distanza);
        testo("QUOTE", {a.x + n.x * k + (b.x - a.x) / 2, a.y + n.y * k + (b.y - a.y) / 2}, t,
              angolo);
    }

  private:
    static DL_Attributes attributi(const char* layer) {
        return DL_Attributes(layer, 256, -1, "BYLAYER", 1.0); // colour and width by layer
    }
    DL_Dxf& dxf_;
    DL_WriterA& dw_;
};

void intestazione_e_tabelle(DL_Dxf& dxf, DL_WriterA& dw) {
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, INSUNITS_CM);
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
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0, 1, 0, 0, TESTO_CM, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 1, 1, 1, 1, TESTO_CM);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();
    dw.sectionBlocks();
    for (const char* blocco : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(blocco, 0, 0, 0, 0));
        dxf.writeEndBlock(dw, blocco);
    }
    dw.sectionEnd();
}

std::string testo_campo(const std::string& t) {
    return QString::fromStdString(t).trimmed().toStdString();
}

// The column dimensioned below and on the left beyond everything; S1, S and L along the
// dimensioned rail. r is the plan's extent, m its margin, cm.
void quote(Disegno& d, const CalcoTess& f, const GeometriaPianta& g, const QRectF& r, double m) {
    const double lato_b = g.circolare ? g.a / 2 : g.b / 2; // half the column's height, cm
    d.quota({g.a / 2, -lato_b}, {-g.a / 2, -lato_b}, -lato_b - (r.top() - 1.5 * m),
            (g.circolare ? "%%c " : "a = ") + testo_campo(f.Text1[6].Text));
    if (!g.circolare)
        d.quota({-g.a / 2, -g.b / 2}, {-g.a / 2, g.b / 2}, -g.a / 2 - (r.left() - 1.5 * m),
                "b = " + testo_campo(f.Text1[7].Text));
    if (const Traliccio* t = traliccio_quotato(g)) {
        d.quota(t->origine, t->chiodo(0), 0.3 * m, "S1 = " + testo_campo(f.Text1[28].Text));
        if (t->chiodi.size() > 1) {
            d.quota(t->chiodo(0), t->chiodo(1), 0.6 * m, "S = " + testo_campo(f.Text1[29].Text));
            d.quota(t->chiodo(0), t->chiodo(t->chiodi.size() - 1), 0.9 * m,
                    "L = " + testo_campo(f.Label3[10].Caption));
        }
    }
}

void entita(Disegno& d, const CalcoTess& f, const GeometriaPianta& g) {
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
    for (const Traliccio& t : g.tralicci) {
        d.linea("TRALICCI", t.origine, t.chiodo(t.chiodi.size() - 1));
        for (std::size_t i = 0; i < t.chiodi.size(); ++i) {
            d.cerchio("CHIODI", t.chiodo(i), g.diametro_chiodo / 2);
            d.cerchio("CHIODI", t.chiodo(i), TESTA * g.diametro_chiodo / 2);
        }
    }
    if (g.quotato) quote(d, f, g, r, m); // a shape only drawn, not verified: none
    // "u1" beside the control perimeter where it runs at 45°, clear of the straight rails.
    const Punto* u1 = nullptr;
    for (const Polilinea& l : g.u1)
        for (const Punto& q : l.punti)
            if (!u1 || q.x + q.y > u1->x + u1->y) u1 = &q;
    if (u1) d.testo("TESTI", {u1->x + TESTO_CM, u1->y + TESTO_CM}, "u1");
    if (!g.tralicci.empty())
        d.testo("TESTI", {0, r.bottom() + m},
                std::to_string(g.tralicci.size()) + " tralicci, chiodi %%c " +
                    testo_campo(f.fichiodo.Text) + " mm");
}

} // namespace

bool esporta_dxf(const CalcoTess& f, const std::string& percorso) {
    DL_Dxf dxf; // AutoCAD 2000 (AC1015), its default
    ScritturaInMemoria dw;
    intestazione_e_tabelle(dxf, dw);
    dw.sectionEntities();
    Disegno disegno(dxf, dw);
    entita(disegno, f, geometria_pianta(f));
    dw.sectionEnd();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return salva(percorso, QByteArray::fromStdString(dw.byte()));
}

} // namespace tessaro
