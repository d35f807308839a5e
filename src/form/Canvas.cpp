// The plan canvas: drawing state and display list.
#include "form/Canvas.h"

#include <array>

namespace tessaro {

Colore QBColor(int indice) {
    static const std::array<Colore, 16> tabella{{
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
        {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    }};
    return tabella[static_cast<std::size_t>(indice & 15)];
}

Elemento Canvas::nuovo(Elemento::Tipo tipo) const {
    Elemento e;
    e.tipo = tipo;
    e.colore = ForeColor;
    e.larghezza = DrawWidth;
    e.stile = DrawStyle;
    return e;
}

void Canvas::Cls() {
    elementi_.clear();
    testi_.clear();
    punti_.clear();
    CurrentX = 0;
    CurrentY = 0;
}

void Canvas::Scale(double x1, double y1, double x2, double y2) {
    ScaleLeft = x1;
    ScaleTop = y1;
    ScaleWidth = x2 - x1;
    ScaleHeight = y2 - y1;
}

void Canvas::Line(double x1, double y1, double x2, double y2) {
    Elemento e = nuovo(Elemento::Tipo::linea);
    e.p1 = {x1, y1};
    e.p2 = {x2, y2};
    elementi_.push_back(std::move(e));
    CurrentX = x2;
    CurrentY = y2;
}

void Canvas::LineStep(double x1, double y1, double dx, double dy) {
    Line(x1, y1, x1 + dx, y1 + dy);
}

void Canvas::LineTo(double x2, double y2) { Line(CurrentX, CurrentY, x2, y2); }

void Canvas::LineBy(double dx, double dy) {
    Line(CurrentX, CurrentY, CurrentX + dx, CurrentY + dy);
}

void Canvas::LineSteps(double dx1, double dy1, double dx2, double dy2) {
    LineStep(CurrentX + dx1, CurrentY + dy1, dx2, dy2);
}

void Canvas::Box(double x2, double y2) {
    Elemento e = nuovo(Elemento::Tipo::rettangolo);
    e.p1 = {CurrentX, CurrentY};
    e.p2 = {x2, y2};
    elementi_.push_back(std::move(e));
    CurrentX = x2;
    CurrentY = y2;
}

void Canvas::arco(double x, double y, double r, double s, double e, bool intero) {
    Elemento el = nuovo(Elemento::Tipo::arco);
    el.p1 = {x, y};
    el.r = r;
    el.s = s;
    el.e = e;
    el.intero = intero;
    elementi_.push_back(std::move(el));
    CurrentX = x;
    CurrentY = y;
}

void Canvas::Circle(double x, double y, double r) { arco(x, y, r, 0, 2 * PI, true); }

void Canvas::Circle(double x, double y, double r, double s) { arco(x, y, r, s, 2 * PI, false); }

void Canvas::Circle(double x, double y, double r, double s, double e) {
    arco(x, y, r, s, e, false);
}

void Canvas::PSet(double x, double y) {
    // A dot drawn with the pen of the run of dots just before it joins that run.
    const Elemento* ultimo = elementi_.empty() ? nullptr : &elementi_.back();
    if (!ultimo || ultimo->tipo != Elemento::Tipo::punti || ultimo->colore != ForeColor ||
        ultimo->larghezza != DrawWidth || ultimo->stile != DrawStyle) {
        Elemento e = nuovo(Elemento::Tipo::punti);
        e.primo = punti_.size();
        elementi_.push_back(e);
    }
    punti_.push_back({x, y});
    elementi_.back().fine = punti_.size();
    CurrentX = x;
    CurrentY = y;
}

void Canvas::FilledTriangle(Punto v1, Punto v2, Punto v3) {
    Elemento e = nuovo(Elemento::Tipo::triangolo);
    e.p1 = v1;
    e.p2 = v2;
    e.p3 = v3;
    elementi_.push_back(std::move(e));
    CurrentX = v1.x;
    CurrentY = v1.y;
}

void Canvas::Print(const std::string& testo) {
    Elemento e = nuovo(Elemento::Tipo::testo);
    e.p1 = {CurrentX, CurrentY};
    e.testo = testi_.size();
    testi_.push_back(testo);
    elementi_.push_back(std::move(e));
    // The pen goes to the start of the next text line.
    CurrentX = ScaleLeft;
    CurrentY += TextHeight(testo);
}

double Canvas::TextWidth(const std::string& testo) const {
    return misura_->larghezza_px(testo) * ScaleWidth / LATO_PX;
}

double Canvas::TextHeight(const std::string& testo) const {
    return misura_->altezza_px(testo) * ScaleHeight / LATO_PX;
}

} // namespace tessaro
