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
    Valore campo(Dato d) const { return valore(f_.Text1[d].Text); }
    Valore esito(Risultato r) const { return valore(f_.Label3[r].Caption); }
    double guardia(Dato d) const { return guardia_testo(f_.Text1[d].Text); }
    double guardia_esito(Risultato r) const { return guardia_testo(f_.Label3[r].Caption); }
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
    linea(riga({formatta_u(campo(Dato::Rck), u_.f_tensioni), formatta3(campo(Dato::gamma_c)),
                formatta4(campo(Dato::nu)), formatta_u(campo(Dato::fyk), u_.f_acciaio),
                formatta3(campo(Dato::gamma_f)),
                formatta_u(diviso(campo(Dato::fyk), campo(Dato::gamma_f)), u_.f_acciaio),
                formatta_u(campo(Dato::fywd_ef), u_.f_acciaio)}));
    linea("");
    linea("| DATI SOLETTA:");
    linea("|    H     |   deff   |  base    |  altezza |  rox     |   roy    |   ro     |");
    linea(riga({formatta_u3(campo(Dato::H), u_.f_lunghezze),
                formatta_u3(campo(Dato::deff), u_.f_lunghezze),
                formatta_u3(campo(Dato::a), u_.f_lunghezze),
                formatta_u3(campo(Dato::b), u_.f_lunghezze), formatta4(campo(Dato::rox)),
                formatta4(campo(Dato::roy)), formatta4(campo(Dato::ro_eff))}));
    linea("");
    linea("| CARICHI DI PROGETTO:");
    linea("|  qd      |    Nd    |   Mxd    |   Myd    |");
    linea(riga({formatta_u(campo(Dato::qd), u_.f_carichi), formatta_u(campo(Dato::Nd), u_.f_forze),
                formatta_u(campo(Dato::Mxd), u_.f_momenti),
                formatta_u(campo(Dato::Myd), u_.f_momenti)}));
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
    linea(riga({formatta4(campo(Dato::k)), formatta_u3(campo(Dato::u0), u_.f_lunghezze),
                formatta_u3(campo(Dato::u1), u_.f_lunghezze),
                formatta_u(campo(Dato::Aq), u_.f_aree), formatta_u(campo(Dato::W1x), u_.f_moduli),
                formatta_u(campo(Dato::W1y), u_.f_moduli), formatta4(campo(Dato::betax)),
                formatta4(campo(Dato::betay)), formatta4(campo(Dato::beta))}));
    linea("");
    if (g.uc_foro > 0) {
        linea("| RIDUZIONI PER FORO (in %):");
        linea("|   uc     |   W1x    |   W1y    |");
        linea(riga({formatta3(percento(g.uc_foro, campo(Dato::u1))),
                    formatta3(percento(g.W1x_foro, campo(Dato::W1x))),
                    formatta3(percento(g.W1y_foro, campo(Dato::W1y)))}));
        linea("");
    }
    linea("| SOLLECITAZIONE:");
    linea("|   Nd*beta (=Veff)   | Veff-Aq*qd (=Veff') |");
    linea("|     " + formatta_u(per(campo(Dato::Nd), campo(Dato::beta)), u_.f_forze) +
          "       |    " + formatta_u(meno(esito(Risultato::Veff1)), u_.f_forze) + "        |");
    linea("");
    linea("| RESISTENZA:");
    linea("| TAUrdc   |   Vrdc   |Vrdc>Veff'|  TAUrmax |  Vrmax   |Vrmax>Veff|");
    const bool regge_uc = guardia_esito(Risultato::Veff1) < guardia_esito(Risultato::Vrdc);
    const bool regge_u0 =
        -guardia(Dato::Nd) * guardia(Dato::beta) < guardia_esito(Risultato::Vrd_max);
    linea("|" + formatta_u3(esito(Risultato::TAUrdc), u_.f_tensioni) + " |" +
          formatta_u(esito(Risultato::Vrdc), u_.f_forze) + " |    " + SI_NO(regge_uc) + "    |" +
          formatta_u3(esito(Risultato::TAUrmax), u_.f_tensioni) + " |" +
          formatta_u(esito(Risultato::Vrd_max), u_.f_forze) + " |    " + SI_NO(regge_u0) + "    |");
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
    linea(riga(
        {formatta(campo(Dato::N_totali)), formatta(campo(Dato::N_diag)),
         formatta_u3(campo(Dato::S1), u_.f_lunghezze), formatta_u3(campo(Dato::S), u_.f_lunghezze),
         formatta_u3(esito(Risultato::L_tral), u_.f_lunghezze), formatta(valore(f_.fichiodo.Text)),
         formatta3(per(campo(Dato::N_totali), Valore(g.nlayer))),
         formatta_u3(esito(Risultato::Aftot), u_.f_aree)}));
    linea("");
    linea("| DATI PERIMETRO ESTERNO:");
    linea("|   beta   |  uest    |   Area   |");
    linea(riga({formatta4(esito(Risultato::beta_est)), formatta_u(g.uest, u_.f_lunghezze),
                formatta_u(g.Aest, u_.f_aree)}));
    linea("");
    linea("| SOLLECITAZIONE:");
    linea("|   Nd*beta (=Veff)   |Veff-Area*qd (=Veff')|");
    linea("|     " + formatta_u(per(campo(Dato::Nd), esito(Risultato::beta_est)), u_.f_forze) +
          "       |    " + formatta_u(meno(esito(Risultato::Veff1_est)), u_.f_forze) + "        |");
    linea("");
    linea("| RESISTENZA PERIMETRO ESTERNO:");
    linea("|     Vrdc,est        |    Vrdc,est>Veff'   |");
    linea("|     " + formatta_u(esito(Risultato::Vrdc_est), u_.f_forze) + "       |    " +
          SI_NO(guardia_esito(Risultato::Veff1_est) < guardia_esito(Risultato::Vrdc_est)));
    linea("");
    linea("| RESISTENZA CHIODATURA:");
    linea("|       Vrd,s         |      Vrd,s>Veff'    |");
    linea("|     " + formatta_u(esito(Risultato::Vrds), u_.f_forze) + "       |    " +
          SI_NO(guardia_esito(Risultato::Veff1_est) < guardia_esito(Risultato::Vrds)));
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
