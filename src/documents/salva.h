// Bytes made by Qt (a PDF, a DXF read back) handed to the program's one file replacement.
#pragma once

#include <QByteArray>

#include <string>

namespace tessaro {

// False when the destination could not be replaced; it is then left as it was.
bool salva(const std::string& percorso, const QByteArray& byte);

} // namespace tessaro
