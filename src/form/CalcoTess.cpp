// The window as data: controls with their defaults, and setting controls from code.
#include "form/CalcoTess.h"

namespace tessaro {
namespace {

constexpr std::array<const char*, 39> testi_iniziali{
    "1450", "-14500", "0",    "0",   "40",  "37",   "40",  "60",   "0.8", "0.8",
    "0.2",  "400",    "1.6",  "0.5", "3550", "1.10", "0.2", "0.2",  "0.2", "50",
    "30",   "37",     "40",   "0.2", "1000", "2",   "3050", "0",   "18.5", "27.5",
    "0",    "12",     "0.2",  "0",   "0",   "-10000", "1000", "1.45", "1000"};

} // namespace

CalcoTess::CalcoTess(Piattaforma& p, const MisuraTesto& misura) : Pic(misura), piattaforma(p) {
    for (std::size_t i = 0; i < Text1.size(); ++i) Text1[i].Text = testi_iniziali[i];
    fichiodo.Text = "0.0";
    Text2.Text = "30";
    Text3.Text = "20";
    Text4.Text = "1000";
    Text5.Text = "50";
    Option1[0] = true;
    Option2[0] = true;
    Option3[1] = true;
    for (const auto& [i, testo] : {std::pair{36, "Mxc (kgm)"}, {27, "Myc (kgm)"}, {2, "Mxd (kgm)"},
                                   {3, "Myd (kgm)"}, {18, "W1x"}, {17, "W1y"}, {16, "x"},
                                   {28, "y"}, {6, "a (cm)"}, {7, "b (cm)"}, {8, "rox (%)"},
                                   {9, "roy (%)"}, {41, "Db_a"}, {45, "Db_b"}})
        Label1[static_cast<std::size_t>(i)].Caption = testo;
    Label10.Caption = "X";
    Label8.Caption = "Y";
    Label9.Caption = "á";
    Label6.Caption = "à";
    for (const auto& [i, testo] : {std::pair{0, "kg/cmq"}, {1, "kg"}, {2, "kg/cmq"}, {3, "kg"},
                                   {4, "kg"}, {5, "kg/cmq)"}, {8, "kg"}, {9, "kg"}, {10, "cm"}})
        Label4[static_cast<std::size_t>(i)].Caption = testo;
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

std::vector<std::string> CalcoTess::istantanea() const {
    std::vector<std::string> v;
    v.reserve(Text1.size() + 6);
    for (const Campo& c : Text1) v.push_back(c.Text);
    v.push_back(fichiodo.Text);
    v.push_back(Text4.Text);
    v.push_back(Text5.Text);
    const auto stati = [](const auto& gruppo) {
        std::string s;
        for (const bool b : gruppo) s += b ? '1' : '0';
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

void CalcoTess::imposta_Option2(int Index, bool valore) { imposta(Option2, Index, valore); }

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
