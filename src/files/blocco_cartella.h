// The advisory lock that one running program holds on its working folder.
#pragma once

#include <string>

namespace tessaro {

// Held from prendi() until the object goes: a second program that asks for the same folder is
// refused, whoever it is (another process, or another window of this one).
class BloccoCartella {
  public:
    BloccoCartella() = default;
    ~BloccoCartella();
    BloccoCartella(const BloccoCartella&) = delete;
    BloccoCartella& operator=(const BloccoCartella&) = delete;

    // False only when another program holds the folder. A folder that cannot be locked (a
    // file system without locks) is not refused, but then nothing is held.
    bool prendi(const std::string& cartella);
    bool tenuto() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

} // namespace tessaro
