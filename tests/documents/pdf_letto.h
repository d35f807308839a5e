// The text of a PDF as poppler reads it (pdftotext -layout), pages split at form feeds.
#pragma once

#include <cstdio>
#include <string>

namespace tessaro::prova {

// The whole text; "" when pdftotext is missing.
inline std::string testo_pdf(const std::string& pdf) {
    const std::string comando = "pdftotext -layout " + pdf + " - 2>/dev/null";
    std::string testo;
    if (FILE* p = popen(comando.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
            testo.append(buf, n);
        pclose(p);
    }
    return testo;
}

} // namespace tessaro::prova
