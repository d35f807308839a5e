// The plan canvas Pic: world window, pen and drawing state, and the picture kept as a display
// list in world coordinates. The Qt painter, SVG and PNG replay the list; tests read it.
#pragma once

#include "form/DatiCalcolo.h"

#include <string>
#include <vector>

namespace tessaro {

// Text extents of the canvas font in pixels: Qt font metrics in the window and the CLI, a
// fixed metric in core tests.
class MisuraTesto {
public:
    virtual ~MisuraTesto() = default;
    virtual double larghezza_px(const std::string& testo) const = 0;
    virtual double altezza_px(const std::string& testo) const = 0;
};

struct Colore {
    int r = 0, g = 0, b = 0;
    bool operator==(const Colore&) const = default;
};

// The standard 16-colour table: 1 dark blue, 5 magenta, 7 light grey, 15 bright white, ...
Colore QBColor(int indice);

// One element of the display list. It owns no memory: a text is kept by the canvas, and dots
// drawn one after another with the same pen make one element whose points the canvas keeps,
// so that the thousands of dots of a long design are stored and cleared cheaply.
struct Elemento {
    enum class Tipo { linea, rettangolo, arco, punti, testo, triangolo };
    Punto p1; // start of a line, corner of a box, centre of an arc, text top-left, vertex
    Punto p2; // end of a line, opposite corner of a box, vertex
    Punto p3; // third vertex of a filled triangle
    double r = 0;        // arc radius
    double s = 0, e = 0; // arc from s counter-clockwise to e, rad; a whole circle is 0 to 2π
    Tipo tipo = Tipo::linea;
    int colore = 15;     // QBColor index
    int larghezza = 1;   // pixels
    int stile = 0;       // 0 solid, 2 dotted
    bool intero = false; // whole circle
    std::size_t testo = 0;           // a text's place among the canvas's texts (Canvas::testo)
    std::size_t primo = 0, fine = 0; // dots: their places [primo, fine) in Canvas::punti
};

class Canvas {
public:
    static constexpr int LATO_PX = 236; // the canvas is a square of this many pixels

    explicit Canvas(const MisuraTesto& misura) : misura_(&misura) {}

    // State.
    double ScaleLeft = 0, ScaleTop = 0, ScaleWidth = LATO_PX, ScaleHeight = LATO_PX;
    double CurrentX = 0, CurrentY = 0;
    int ForeColor = 15;
    int DrawWidth = 1;
    int DrawStyle = 0;

    // Operations in world coordinates with the current colour, width and style. After a line
    // the pen is at its end (the box: at (x2, y2)), after a circle or arc at the centre, after
    // a dot at the dot, after Print at the start of the next text line.
    void Cls(); // empties the picture; the pen goes to (0, 0)
    // World window: x1 at the left edge, y1 at the top, x2 at the right, y2 at the bottom
    // (y2 < y1 makes y point up). The pen keeps its coordinates.
    void Scale(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2);       // absolute
    void LineStep(double x1, double y1, double dx, double dy);   // start and offset
    void LineTo(double x2, double y2);                           // from the pen
    void LineBy(double dx, double dy);                           // from the pen, by offset
    void LineSteps(double dx1, double dy1, double dx2, double dy2); // two offsets from the pen
    void Box(double x2, double y2);                              // box from the pen
    void Circle(double x, double y, double r);                   // whole circle
    void Circle(double x, double y, double r, double s);         // arc from s to 2π
    void Circle(double x, double y, double r, double s, double e); // from s ccw to e
    void PSet(double x, double y); // a round dot as wide as the line width
    // The triangle filled with the current colour and outlined with the current width; the
    // pen ends at the first vertex, where the outline closes.
    void FilledTriangle(Punto v1, Punto v2, Punto v3);
    void Print(const std::string& testo); // top-left corner at the pen
    double TextWidth(const std::string& testo) const;
    double TextHeight(const std::string& testo) const; // negative when y points up

    const std::vector<Elemento>& elementi() const { return elementi_; }
    const std::string& testo(const Elemento& e) const { return testi_[e.testo]; }
    const std::vector<Punto>& punti() const { return punti_; }

private:
    Elemento nuovo(Elemento::Tipo tipo) const;
    void arco(double x, double y, double r, double s, double e, bool intero);

    const MisuraTesto* misura_;
    std::vector<Elemento> elementi_;
    std::vector<std::string> testi_;
    std::vector<Punto> punti_;
};

} // namespace tessaro
