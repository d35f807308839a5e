// The captions beside the inputs of the window, as the user reads them: the window lays them
// out, and every message that names a field uses the same words.
#pragma once

#include <array>
#include <string>

namespace tessaro {

class CalcoTess;

// The caption of a Text1 field: a fixed text, or (label1 ≥ 0) that text followed by the
// Label1 caption of that index, which the axis rotation may exchange ("β" + "x" = "βx").
struct DidascaliaCampo {
    const char* testo;
    int label1 = -1;
};
extern const std::array<DidascaliaCampo, 39> didascalie_Text1;

// The captions of the shape options Option1 0 to 5.
extern const std::array<const char*, 6> didascalie_Option1;

// The caption as shown now of a control named as the dump names it ("Text1(5)", "fichiodo",
// "Text2" … "Text5").
std::string didascalia(const CalcoTess& f, const std::string& controllo);

} // namespace tessaro
