// The widgets of the window, indexed as the form model indexes its controls. The builders fill
// it; the window connects it to the model's handlers; showing the model's state writes into it.
#pragma once

#include "form/grandezze.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <vector>

namespace tessaro {

class CampoTesto;
class Splash;
class VistaCanvas;

// The caption of a quantity in the window: the model's caption (with the Label1 part that the
// axis rotation exchanges) in the view's unit system, and in technical units a unit the fixed
// caption leaves out.
struct DidascaliaGrandezza {
    QLabel* etichetta;
    const Grandezza* grandezza;
    const char* suffisso_tecnico = "";
};

// The property of an input that holds its own tooltip, shown whenever no reading error takes
// its place.
inline constexpr const char* SUGGERIMENTO = "suggerimento";

struct Controlli {
    PerNome<CampoTesto*, N_DATI, Dato> Text1{};
    QLineEdit* fichiodo = nullptr;
    std::array<QLineEdit*, 4> Text2_5{}; // Text2, Text3, Text4, Text5
    std::array<QRadioButton*, 6> Option1{};
    std::array<QLabel*, 3> Option2{}; // the position found, shown, never chosen
    std::array<QRadioButton*, 2> Option3{};
    std::array<QPushButton*, 11> Command1{};
    std::array<QPushButton*, 2> Command2{};
    QPushButton* proponi = nullptr; // "Proponi armatura", a command of the window alone
    std::vector<DidascaliaGrandezza> didascalie;
    PerNome<QLabel*, N_RISULTATI, Risultato> Label3{};
    PerNome<QLabel*, 11, Verdetto> Label4{}; // 6 and 7 have no label
    QLabel *Label6 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr;
    QGroupBox *Frame4 = nullptr, *Frame5 = nullptr;
    QWidget* modulo = nullptr; // everything under the splash
    QWidget* Picture1 = nullptr;
    Splash* Picture3 = nullptr;
    VistaCanvas* Pic = nullptr;
    std::vector<QWidget*> ordine_tab; // the inputs in the order Tab visits them
    QLabel* esito = nullptr;          // the verdict banner
    QListWidget* avvisi = nullptr;    // the warnings

    // The field of a text quantity: a Text1 field, the stud diameter, an opening field.
    QLineEdit* campo(const Grandezza& g) const;
};

} // namespace tessaro
