// The text report: the inputs and results as the window shows them, in tables framed with
// "|", every number through the formatting routines.
#include "files/rapporto.h"

#include "files/file_testo.h"
#include "files/formati.h"
#include "form/CalcoTess.h"
#include "numeric/conversioni.h"

#include <cmath>
#include <initializer_list>

namespace tessaro {
namespace {

// A table row: "|" and, for each cell, the cell and " |".
std::string riga(std::initializer_list<std::string> celle) {
    std::string r = "|";
    for (const auto& c : celle)
        r += c + " |";
    return r;
}

std::string SI_NO(bool si) {
    return si ? "SI" : "NO";
}

// The lenient conversion of the answers; a number too large for a double answers "NO".
double guardia_testo(std::string_view t) {
    try {
        return lenient(t);
    } catch (const Fault&) {
        return std::nan("");
    }
}

// Products and quotients of values that may be missing; a quotient by zero is not finite
// and prints as blanks.
Valore per(Valore a, Valore b) {
    return a && b ? Valore(*a * *b) : Valore();
}
Valore diviso(Valore a, Valore b) {
    return a && b ? Valore(*a / *b) : Valore();
}
Valore meno(Valore a) {
    return a ? Valore(-*a) : Valore();
}
// 100·parte/(resto + parte): the share of a quantity that the opening takes away, per cent.
Valore percento(double parte, Valore resto) {
    return resto ? Valore(100 * parte / (*resto + parte)) : Valore();
}

class Rapporto {
  public:
    Rapporto(const CalcoTess& f, FileTesto& file) : f_(f), file_(file), u_(f.unita) {}
    void scrivi();

  private:
    Valore campo(int i) const { return valore(f_.Text1[static_cast<std::size_t>(i)].Text); }
    Valore esito(int i) const { return valore(f_.Label3[static_cast<std::size_t>(i)].Caption); }
    double guardia(int i) const {
        return guardia_testo(f_.Text1[static_cast<std::size_t>(i)].Text);
    }
    double guardia_esito(int i) const {
        return guardia_testo(f_.Label3[static_cast<std::size_t>(i)].Caption);
    }
    void linea(const std::string& r) { file_.riga(r); }
    void intestazione();
    void dati();
    void senza_armature();
    void con_armature();

    const CalcoTess& f_;
    FileTesto& file_;
    const UnitaMisura& u_;
};

void Rapporto::intestazione() {
    linea("                     *** VERIFICA A TESSARO ***");
    linea("                     -------------------------------");
    linea("");
    linea("unità di misura:");
    file_.riga(RigaZone()
                   .testo("   lunghezze     : " + u_.lunghezze)
                   .zona()
                   .testo("-   forze       : " + u_.forze));
    file_.riga(RigaZone()
                   .testo("   momenti       : " + u_.momenti)
                   .zona()
                   .testo("-   tensioni    : " + u_.tensioni));
    file_.riga(RigaZone()
                   .testo("   pesi specifici: " + u_.pesi_specifici)
                   .zona()
                   .testo("-   angoli      : [gradi]"));
    linea("   armature      : " + u_.armature);
    linea("");
}

void Rapporto::dati() {
    linea("| DATI DEI MATERIALI:");
    linea("|   Rck    |  gammac  |   nu     |   fyk    |  gammaf  |  fy,lim  |  fy,eff  |");
    linea(riga({formatta_u(campo(11), u_.f_tensioni), formatta3(campo(12)), formatta4(campo(13)),
                formatta_u(campo(14), u_.f_acciaio), formatta3(campo(15)),
                formatta_u(diviso(campo(14), campo(15)), u_.f_acciaio),
                formatta_u(campo(26), u_.f_acciaio)}));
    linea("");
    linea("| DATI SOLETTA:");
    linea("|    H     |   deff   |  base    |  altezza |  rox     |   roy    |   ro     |");
    linea(riga({formatta_u3(campo(4), u_.f_lunghezze), formatta_u3(campo(5), u_.f_lunghezze),
                formatta_u3(campo(6), u_.f_lunghezze), formatta_u3(campo(7), u_.f_lunghezze),
                formatta4(campo(8)), formatta4(campo(9)), formatta4(campo(10))}));
    linea("");
    linea("| CARICHI DI PROGETTO:");
    linea("|  qd      |    Nd    |   Mxd    |   Myd    |");
    linea(riga({formatta_u(campo(0), u_.f_carichi), formatta_u(campo(1), u_.f_forze),
                formatta_u(campo(2), u_.f_momenti), formatta_u(campo(3), u_.f_momenti)}));
    linea("");
}

void Rapporto::senza_armature() {
    const DatiCalcolo& g = f_.dati;
    linea("---------------------------------");
    linea("VERIFICA SENZA ARMATURE A TAGLIO:");
    linea("---------------------------------");
    linea("");
    linea("| DATI PRIMO PERIMETRO:");
    linea("|    K     |    u0    |   uc     |    Aq    |   W1x    |   W1y    | betax    | betay "
          "   |  beta    |");
    linea(riga({formatta4(campo(22)), formatta_u3(campo(21), u_.f_lunghezze),
                formatta_u3(campo(20), u_.f_lunghezze), formatta_u(campo(19), u_.f_aree),
                formatta_u(campo(18), u_.f_moduli), formatta_u(campo(17), u_.f_moduli),
                formatta4(campo(16)), formatta4(campo(23)), formatta4(campo(32))}));
    linea("");
    if (g.uc_foro > 0) {
        linea("| RIDUZIONI PER FORO (in %):");
        linea("|   uc     |   W1x    |   W1y    |");
        linea(riga({formatta3(percento(g.uc_foro, campo(20))),
                    formatta3(percento(g.W1x_foro, campo(18))),
                    formatta3(percento(g.W1y_foro, campo(17)))}));
        linea("");
    }
    linea("| SOLLECITAZIONE:");
    linea("|   Nd*beta (=Veff)   | Veff-Aq*qd (=Veff') |");
    linea("|     " + formatta_u(per(campo(1), campo(32)), u_.f_forze) + "       |    " +
          formatta_u(meno(esito(8)), u_.f_forze) + "        |");
    linea("");
    linea("| RESISTENZA:");
    linea("| TAUrdc   |   Vrdc   |Vrdc>Veff'|  TAUrmax |  Vrmax   |Vrmax>Veff|");
    const bool regge_uc = guardia_esito(8) < guardia_esito(1);
    const bool regge_u0 = -guardia(1) * guardia(32) < guardia_esito(3);
    linea("|" + formatta_u3(esito(0), u_.f_tensioni) + " |" + formatta_u(esito(1), u_.f_forze) +
          " |    " + SI_NO(regge_uc) + "    |" + formatta_u3(esito(2), u_.f_tensioni) + " |" +
          formatta_u(esito(3), u_.f_forze) + " |    " + SI_NO(regge_u0) + "    |");
    linea("");
}

void Rapporto::con_armature() {
    const DatiCalcolo& g = f_.dati;
    linea("-------------------------------");
    linea("VERIFICA CON ARMATURE A TAGLIO:");
    linea("-------------------------------");
    linea("");
    linea("|TRALICCI:");
    linea("| N totali |  N diag  | dist. in.|  passo   |  L tral. |   diam.  | N chiodi | Af,tot "
          "  |");
    linea(riga({formatta(campo(31)), formatta(campo(30)), formatta_u3(campo(28), u_.f_lunghezze),
                formatta_u3(campo(29), u_.f_lunghezze), formatta_u3(esito(10), u_.f_lunghezze),
                formatta(valore(f_.fichiodo.Text)), formatta3(per(campo(31), Valore(g.nlayer))),
                formatta_u3(esito(12), u_.f_aree)}));
    linea("");
    linea("| DATI PERIMETRO ESTERNO:");
    linea("|   beta   |  uest    |   Area   |");
    linea(riga(
        {formatta4(esito(14)), formatta_u(g.uest, u_.f_lunghezze), formatta_u(g.Aest, u_.f_aree)}));
    linea("");
    linea("| SOLLECITAZIONE:");
    linea("|   Nd*beta (=Veff)   |Veff-Area*qd (=Veff')|");
    linea("|     " + formatta_u(per(campo(1), esito(14)), u_.f_forze) + "       |    " +
          formatta_u(meno(esito(15)), u_.f_forze) + "        |");
    linea("");
    linea("| RESISTENZA PERIMETRO ESTERNO:");
    linea("|     Vrdc,est        |    Vrdc,est>Veff'   |");
    linea("|     " + formatta_u(esito(4), u_.f_forze) + "       |    " +
          SI_NO(guardia_esito(15) < guardia_esito(4)));
    linea("");
    linea("| RESISTENZA CHIODATURA:");
    linea("|       Vrd,s         |      Vrd,s>Veff'    |");
    linea("|     " + formatta_u(esito(13), u_.f_forze) + "       |    " +
          SI_NO(guardia_esito(15) < guardia_esito(13)));
}

void Rapporto::scrivi() {
    intestazione();
    dati();
    senza_armature();
    con_armature();
}

} // namespace

void stampa_tess(CalcoTess& f) {
    const std::string nome =
        f.piattaforma.dialogo_salva({"STAMPA TESSARO", f.piattaforma.cartella_corrente(), "*.TXT",
                                     "FILE DI TESTO (*.TXT)|*.TXT"});
    if (nome == "*.TXT") return; // cancelled
    std::filesystem::path percorso = nome;
    if (!percorso.has_extension()) percorso += ".TXT";
    FileTesto file(percorso);
    Rapporto(f, file).scrivi();
    if (file.chiudi(f.piattaforma)) apri_o_indica(f.piattaforma, percorso.string(), "la relazione");
}

} // namespace tessaro
