// Showing the form model's state in the widgets.
#include "app/qt/mostra.h"

#include "app/qt/campo_testo.h"
#include "app/qt/splash.h"
#include "app/qt/vista_canvas.h"
#include "form/didascalie.h"

#include <QApplication>
#include <QButtonGroup>
#include <QSignalBlocker>

#include <cmath>

namespace tessaro {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

void testo(QLineEdit& e, const std::string& t) {
    const QString q = qs(t);
    if (e.text() == q) return; // the caret and the undo history stay where the user left them
    const QSignalBlocker blocco(e);
    e.setText(q);
}

// A field shows the model's text in the view's unit system; a text typed there stays as typed
// while it gives the model the same text ("1.50" kN typed for the model's "150" kg).
void campo(QLineEdit& e, const CalcoTess& f, const Grandezza& g) {
    const Campo& m = f.campo(g);
    if (da_sistema(e.text().toStdString(), g.unita, f.sistema) != m.Text) testo(e, testo_vista(f, g));
    if (e.isEnabled() != m.Enabled) e.setEnabled(m.Enabled);
}

// The colour goes to the text role the label paints with: a result value on its white field
// paints with the Text role, a caption with WindowText.
void aspetto(QLabel& l, const Colore& c, bool grassetto) {
    const QColor colore(c.r, c.g, c.b);
    if (l.palette().color(l.foregroundRole()) != colore) {
        QPalette p = l.palette();
        p.setColor(l.foregroundRole(), colore);
        l.setPalette(p);
    }
    if (l.font().bold() != grassetto) {
        QFont f = l.font();
        f.setBold(grassetto);
        l.setFont(f);
    }
}

void didascalia(QLabel& l, const QString& t) {
    if (l.text() != t) l.setText(t);
}

void etichetta(QLabel& l, const Etichetta& e, const std::string& testo) {
    didascalia(l, qs(testo));
    aspetto(l, e.ForeColor, e.FontBold);
}

// "VERIFICHE (Veff =200000 kg):" with the effective shear in the view's unit system.
std::string verifiche(const CalcoTess& f) {
    const std::string& t = f.Frame5.Caption;
    const std::string prima = "VERIFICHE (Veff =", dopo = " kg):";
    if (f.sistema == Sistema::tecnico || !t.starts_with(prima) || !t.ends_with(dopo)) return t;
    const std::string numero = t.substr(prima.size(), t.size() - prima.size() - dopo.size());
    return prima + in_sistema(numero, Unita::forza, f.sistema) + " " +
           nome_unita(Unita::forza, f.sistema) + "):";
}

// The model may leave a group with no button set (a file sets the first buttons off), which an
// exclusive group cannot show; exclusivity is lifted while the states are written.
template <std::size_t N>
void opzioni(std::array<QRadioButton*, N>& bottoni, const std::array<bool, N>& stati) {
    QButtonGroup* gruppo = bottoni[0]->group();
    const QSignalBlocker blocco(gruppo);
    gruppo->setExclusive(false);
    for (std::size_t i = 0; i < N; ++i) {
        if (bottoni[i]->isChecked() == stati[i]) continue;
        const QSignalBlocker blocco_bottone(bottoni[i]);
        bottoni[i]->setChecked(stati[i]);
    }
    gruppo->setExclusive(true);
}

// The position found: its name bold on the field's white with a full dot, the others grey
// with an empty one; none marked when the model has none set.
void posizione(std::array<QLabel*, 3>& nomi, const std::array<bool, 3>& stati) {
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        QLabel& l = *nomi[i];
        const QString nome = l.accessibleName();
        didascalia(l, (stati[i] ? QStringLiteral("● ") : QStringLiteral("○ ")) + nome);
        if (l.font().bold() != stati[i]) {
            QFont f = l.font();
            f.setBold(stati[i]);
            l.setFont(f);
        }
        if (l.autoFillBackground() != stati[i]) {
            l.setAutoFillBackground(stati[i]);
            l.setBackgroundRole(stati[i] ? QPalette::Base : QPalette::Window);
            l.setFrameStyle(stati[i] ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
        }
        // The role the label paints its text with follows its background.
        const QPalette& tavolozza = QApplication::palette();
        QPalette p = l.palette();
        p.setColor(l.foregroundRole(), stati[i] ? tavolozza.color(QPalette::Text)
                                                : tavolozza.color(QPalette::PlaceholderText));
        if (p != l.palette()) l.setPalette(p);
    }
}

void visibile(QWidget& w, bool Visible) {
    if (w.isHidden() == Visible) w.setVisible(Visible);
}

void mostra_Picture1(const Pannello& P, const Geometria& finestra_twips, Controlli& c) {
    QWidget& pannello = *c.Picture1;
    if (P.Visible) {
        // Centred where the model centres its panel in its window, at the size its own contents
        // need: in proportion, since the user may have made the window larger.
        const QSize finestra = pannello.parentWidget()->size();
        const auto in_px = [](int twips, int lato_twips, int lato_px) {
            return lato_twips > 0 ? int(std::lround(double(twips) * lato_px / lato_twips)) : 0;
        };
        const QPoint centro(in_px(P.Left + P.Width / 2, finestra_twips.Width, finestra.width()),
                            in_px(P.Top + P.Height / 2, finestra_twips.Height, finestra.height()));
        const QSize s = pannello.sizeHint();
        pannello.setGeometry(QRect(centro - QPoint(s.width() / 2, s.height() / 2), s));
        if (pannello.isHidden()) {
            pannello.show();
            pannello.raise();
            c.Text2_5[0]->setFocus(Qt::OtherFocusReason);
        }
    } else {
        visibile(pannello, false);
    }
}

// While the splash is up, the form it hides takes no keystroke: nothing can be typed unseen.
void mostra_Picture3(const Pannello& P, const Twips& t, Controlli& c) {
    c.Picture3->setGeometry(t.px(P.Left, P.Top, P.Width, P.Height));
    visibile(*c.Picture3, P.Visible);
    if (P.Visible) {
        c.Picture3->raise();
        if (!c.Picture3->hasFocus()) c.Picture3->setFocus(Qt::OtherFocusReason);
    }
    c.Picture3->update();
    if (c.modulo->isEnabled() == P.Visible) c.modulo->setEnabled(!P.Visible);
}

} // namespace

QString freccia(const std::string& Caption) {
    if (Caption == "á") return QStringLiteral("↑");
    if (Caption == "à") return QStringLiteral("→");
    if (Caption == "â") return QStringLiteral("↓");
    return qs(Caption);
}

void mostra(const CalcoTess& f, const Twips& twips, Controlli& c, QWidget& finestra) {
    for (const Grandezza& g : grandezze)
        if (g.controllo.tipo != Controllo::Tipo::Label3) campo(*c.campo(g), f, g);

    opzioni(c.Option1, f.Option1);
    posizione(c.Option2, f.Option2);
    opzioni(c.Option3, f.Option3);

    for (const DidascaliaGrandezza& d : c.didascalie)
        didascalia(*d.etichetta,
                   qs(tessaro::didascalia(f, *d.grandezza) +
                      (f.sistema == Sistema::tecnico ? d.suffisso_tecnico : "")));
    for (const Grandezza& g : grandezze) {
        if (g.controllo.tipo != Controllo::Tipo::Label3) continue;
        const auto i = static_cast<std::size_t>(g.controllo.indice);
        if (c.Label3[i]) etichetta(*c.Label3[i], f.Label3[i], testo_vista(f, g));
        if (g.label4 < 0) continue;
        // The verdicts beside Vrd,c and Vrd,max begin with the unit of the force, "kg (> …".
        const auto j = static_cast<std::size_t>(g.label4);
        const bool verdetto = j == static_cast<std::size_t>(Verdetto::Vrdc) ||
                              j == static_cast<std::size_t>(Verdetto::Vrd_max);
        const std::string& kg = unita_di(Unita::forza).didascalia;
        std::string testo = f.Label4[j].Caption;
        if (!verdetto)
            testo = unita_accanto(f, g);
        else if (testo.starts_with(kg))
            testo = nome_unita(Unita::forza, f.sistema) + testo.substr(kg.size());
        if (c.Label4[j]) etichetta(*c.Label4[j], f.Label4[j], testo);
    }
    for (const auto& [l, m] : {std::pair{c.Label6, &f.Label6},
                               {c.Label8, &f.Label8},
                               {c.Label9, &f.Label9},
                               {c.Label10, &f.Label10}}) {
        didascalia(*l, freccia(m->Caption));
        aspetto(*l, m->ForeColor, m->FontBold);
    }

    if (c.Frame5->title() != qs(verifiche(f))) c.Frame5->setTitle(qs(verifiche(f)));
    if (c.Frame4->title() != qs(f.Frame4.Caption)) c.Frame4->setTitle(qs(f.Frame4.Caption));
    visibile(*c.Frame4, f.Frame4.Visible);
    if (finestra.windowTitle() != qs(f.Caption)) finestra.setWindowTitle(qs(f.Caption));

    mostra_Picture1(f.Picture1, f.finestra, c);
    mostra_Picture3(f.Picture3, twips, c);
    c.Pic->update();
}

} // namespace tessaro
