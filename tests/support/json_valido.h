// A strict reader of JSON (RFC 8259) that only says whether a text is one: the grammar of
// numbers, the escapes of strings, well-formed UTF-8. Written apart from the program's writer,
// so that it checks what the writer gives rather than repeat it.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessaro::prova {

class LettoreJson {
  public:
    explicit LettoreJson(std::string_view t) : t_(t) {}
    bool valido() {
        spazi();
        if (!valore()) return false;
        spazi();
        return i_ == t_.size();
    }

  private:
    bool c(char x) const { return i_ < t_.size() && t_[i_] == x; }
    bool cifra() const { return i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9'; }
    void spazi() {
        while (c(' ') || c('\t') || c('\n') || c('\r'))
            ++i_;
    }
    bool parola(std::string_view p) {
        if (t_.substr(i_, p.size()) != p) return false;
        i_ += p.size();
        return true;
    }
    bool cifre() {
        if (!cifra()) return false;
        while (cifra())
            ++i_;
        return true;
    }
    bool numero() {
        if (c('-')) ++i_;
        if (c('0'))
            ++i_;
        else if (!cifre())
            return false;
        if (c('.') && (++i_, !cifre())) return false;
        if (c('e') || c('E')) {
            ++i_;
            if (c('+') || c('-')) ++i_;
            if (!cifre()) return false;
        }
        return true;
    }
    // One character of UTF-8 in its shortest form, no surrogate, at most U+10FFFF.
    bool utf8() {
        const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t_[i_ + k]); };
        const unsigned char x = b(0);
        std::size_t n = x < 0x80                 ? 0
                        : x >= 0xC2 && x <= 0xDF ? 1
                        : x >= 0xE0 && x <= 0xEF ? 2
                        : x >= 0xF0 && x <= 0xF4 ? 3
                                                 : 9;
        if (n == 9 || i_ + n >= t_.size()) return false;
        unsigned long cp = n == 0 ? x : x & (0x3F >> n);
        for (std::size_t k = 1; k <= n; ++k) {
            if ((b(k) & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (b(k) & 0x3F);
        }
        const unsigned long minimo[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimo[n] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i_ += n + 1;
        return true;
    }
    bool stringa() {
        if (!c('"')) return false;
        for (++i_; !c('"');) {
            if (i_ >= t_.size() || static_cast<unsigned char>(t_[i_]) < 0x20) return false;
            if (!c('\\')) {
                if (!utf8()) return false;
                continue;
            }
            ++i_;
            if (c('u')) {
                for (int k = 0; k < 4; ++k)
                    if (++i_ >= t_.size() ||
                        std::string_view("0123456789abcdefABCDEF").find(t_[i_]) ==
                            std::string_view::npos)
                        return false;
            } else if (i_ >= t_.size() ||
                       std::string_view("\"\\/bfnrt").find(t_[i_]) == std::string_view::npos) {
                return false;
            }
            ++i_;
        }
        ++i_;
        return true;
    }
    // The members of an array or an object, up to the closing character.
    bool elenco(char chiusa, bool oggetto) {
        ++i_;
        spazi();
        if (c(chiusa)) return ++i_, true;
        for (;;) {
            spazi();
            if (oggetto) {
                if (!stringa()) return false;
                spazi();
                if (!c(':')) return false;
                ++i_;
                spazi();
            }
            if (!valore()) return false;
            spazi();
            if (c(chiusa)) return ++i_, true;
            if (!c(',')) return false;
            ++i_;
        }
    }
    bool valore() {
        if (++profondita_ > 64) return false;
        const bool v = c('{')   ? elenco('}', true)
                       : c('[') ? elenco(']', false)
                       : c('"') ? stringa()
                       : c('t') ? parola("true")
                       : c('f') ? parola("false")
                       : c('n') ? parola("null")
                                : numero();
        --profondita_;
        return v;
    }

    std::string_view t_;
    std::size_t i_ = 0;
    int profondita_ = 0;
};

inline bool json_valido(std::string_view testo) {
    return LettoreJson(testo).valido();
}

} // namespace tessaro::prova
