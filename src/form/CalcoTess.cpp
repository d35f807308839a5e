// The window as data: controls with their defaults, and setting controls from code.
#include "form/CalcoTess.h"

#include "form/didascalie.h"

namespace tessaro {
CalcoTess::CalcoTess(Piattaforma& p, const MisuraTesto& misura) : Pic(misura), piattaforma(p) {
    for (const Grandezza& g : grandezze)
        if (g.controllo.tipo != Controllo::Tipo::Label3) campo(g).Text = g.iniziale;
    Option1[0] = true;
    Option2[0] = true;
    Option3[1] = true;
    for (const auto& [i, testo] : {std::pair{36, "Mxc (kgm)"},
                                   {27, "Myc (kgm)"},
                                   {2, "Mxd (kgm)"},
                                   {3, "Myd (kgm)"},
                                   {18, "W1x"},
                                   {17, "W1y"},
                                   {16, "x"},
                                   {28, "y"},
                                   {6, "a (cm)"},
                                   {7, "b (cm)"},
                                   {8, "rox (%)"},
                                   {9, "roy (%)"},
                                   {41, "Db_a"},
                                   {45, "Db_b"}})
        Label1[static_cast<std::size_t>(i)].Caption = testo;
    Label10.Caption = "X";
    Label8.Caption = "Y";
    Label9.Caption = "á";
    Label6.Caption = "à";
    for (const Grandezza& g : grandezze)
        if (g.label4 >= 0)
            Label4.at(static_cast<std::size_t>(g.label4)).Caption = unita_accanto(*this, g);
    Frame5.Caption = "VERIFICHE:";
    Frame4.Caption = "Con armature a taglio:";
    Frame4.Visible = false;
    Picture1.Width = 4800;
    Picture1.Height = 3600;
    Caption = "TESSARO E CHIODATURA";
}

CalcoTess::~CalcoTess() = default;

int CalcoTess::posizione() const {
    for (int i = 0; i < 3; ++i)
        if (Option2[static_cast<std::size_t>(i)]) return i;
    return -1;
}

namespace {

// The field of a text quantity, of a form const or not.
template <class Form> auto& campo_di(Form& f, const Grandezza& g) {
    switch (g.controllo.tipo) {
    case Controllo::Tipo::fichiodo:
        return f.fichiodo;
    case Controllo::Tipo::Text2:
        return f.Text2;
    case Controllo::Tipo::Text3:
        return f.Text3;
    case Controllo::Tipo::Text4:
        return f.Text4;
    case Controllo::Tipo::Text5:
        return f.Text5;
    default:
        return f.Text1.at(static_cast<std::size_t>(g.controllo.indice));
    }
}

template <class Form> auto& testo_di(Form& f, const Grandezza& g) {
    if (g.controllo.tipo == Controllo::Tipo::Label3)
        return f.Label3.at(static_cast<std::size_t>(g.controllo.indice)).Caption;
    return campo_di(f, g).Text;
}

} // namespace

Campo& CalcoTess::campo(const Grandezza& g) {
    return campo_di(*this, g);
}
const Campo& CalcoTess::campo(const Grandezza& g) const {
    return campo_di(*this, g);
}
std::string& CalcoTess::testo(const Grandezza& g) {
    return testo_di(*this, g);
}
const std::string& CalcoTess::testo(const Grandezza& g) const {
    return testo_di(*this, g);
}

std::vector<std::string> CalcoTess::istantanea() const {
    std::vector<std::string> v;
    v.reserve(Text1.size() + 6);
    for (const Campo& c : Text1)
        v.push_back(c.Text);
    v.push_back(fichiodo.Text);
    v.push_back(Text4.Text);
    v.push_back(Text5.Text);
    const auto stati = [](const auto& gruppo) {
        std::string s;
        for (const bool b : gruppo)
            s += b ? '1' : '0';
        return s;
    };
    v.push_back(stati(Option1));
    v.push_back(stati(Option2));
    v.push_back(stati(Option3));
    return v;
}

namespace {
template <std::size_t N> void imposta(std::array<bool, N>& gruppo, int Index, bool valore) {
    if (valore) gruppo.fill(false);
    gruppo.at(static_cast<std::size_t>(Index)) = valore;
}
} // namespace

void CalcoTess::imposta_Option1(int Index, bool valore) {
    imposta(Option1, Index, valore);
    if (valore) Option1_Click(Index);
}

void CalcoTess::imposta_Option2(int Index, bool valore) {
    imposta(Option2, Index, valore);
}

void CalcoTess::imposta_Option3(int Index, bool valore) {
    imposta(Option3, Index, valore);
    if (valore) Option3_Click(Index);
}

void CalcoTess::imposta_fichiodo(const std::string& testo) {
    if (fichiodo.Text == testo) return; // only a change of the text raises the event
    fichiodo.Text = testo;
    fichiodo_Change();
}

void CalcoTess::dimensiona(int Width, int Height) {
    finestra.Width = Width;
    finestra.Height = Height;
    piattaforma.finestra(finestra);
}

void CalcoTess::centra() {
    const Geometria s = piattaforma.schermo();
    finestra.Left = (s.Width - finestra.Width) / 2;
    finestra.Top = (s.Height - finestra.Height) / 2;
    piattaforma.finestra(finestra);
}

} // namespace tessaro
