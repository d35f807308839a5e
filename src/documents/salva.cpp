// Qt bytes through sostituisci_file.
#include "documents/salva.h"

#include "files/file_testo.h"

#include <string_view>

namespace tessaro {

bool salva(const std::string& percorso, const QByteArray& byte) {
    return sostituisci_file(
        percorso, std::string_view(byte.constData(), static_cast<std::size_t>(byte.size())));
}

} // namespace tessaro
