// Windows-1252, the code page of every file the program writes and reads.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// UTF-8 to Windows-1252; a character the code page lacks becomes "?".
std::string a_cp1252(std::string_view utf8);
// Windows-1252 to UTF-8.
std::string da_cp1252(std::string_view cp1252);
// True when the bytes are well-formed UTF-8 (a text in another code page rarely is): every
// character in its shortest form, no surrogate, none above U+10FFFF.
bool utf8_valido(std::string_view testo);
// The text with each byte that is not part of a well-formed character replaced by U+FFFD.
std::string utf8_sanato(std::string_view testo);
// The text with the ASCII letters in upper case, for names compared without regard to case.
std::string maiuscole(std::string_view testo);
// Number of characters of a UTF-8 text (one byte each once written).
std::size_t caratteri(std::string_view utf8);

} // namespace tessaro
