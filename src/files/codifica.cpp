// Windows-1252 conversions.
#include "files/codifica.h"

#include <array>
#include <cstdint>

namespace tessaro {
namespace {

// Code points of the bytes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> alti{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Reads one code point; a malformed sequence gives U+FFFD and consumes one byte. Well-formed
// means the shortest form of a character (no overlong form), no surrogate, nothing above
// U+10FFFF: what a JSON or XML reader accepts.
char32_t leggi_utf8(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (n == 0) {
        ++i;
        return c;
    }
    if (n < 0 || i + static_cast<std::size_t>(n) >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = c & (0x3F >> n);
    for (int k = 1; k <= n; ++k) {
        const auto t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((t >> 6) != 2) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (t & 0x3F);
    }
    constexpr char32_t minimo[] = {0, 0x80, 0x800, 0x10000}; // below: an overlong form
    if (cp < minimo[n] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        ++i;
        return 0xFFFD;
    }
    i += static_cast<std::size_t>(n) + 1;
    return cp;
}

void scrivi_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string a_cp1252(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = leggi_utf8(utf8, i);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char byte = '?';
        for (std::size_t k = 0; k < alti.size(); ++k)
            if (alti[k] != 0 && alti[k] == cp) byte = static_cast<char>(0x80 + k);
        out += byte;
    }
    return out;
}

std::string da_cp1252(std::string_view cp1252) {
    std::string out;
    for (const char ch : cp1252) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0)
            scrivi_utf8(out, alti[c - 0x80] != 0 ? alti[c - 0x80] : char32_t{0xFFFD});
        else
            scrivi_utf8(out, c);
    }
    return out;
}

bool utf8_valido(std::string_view testo) {
    for (std::size_t i = 0; i < testo.size();) {
        const std::size_t inizio = i;
        if (leggi_utf8(testo, i) == 0xFFFD && i - inizio == 1) return false; // malformed
    }
    return true;
}

std::string utf8_sanato(std::string_view testo) {
    if (utf8_valido(testo)) return std::string(testo);
    std::string out;
    for (std::size_t i = 0; i < testo.size();)
        scrivi_utf8(out, leggi_utf8(testo, i));
    return out;
}

std::string maiuscole(std::string_view testo) {
    std::string out(testo);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::size_t caratteri(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n)
        leggi_utf8(utf8, i);
    return n;
}

} // namespace tessaro
