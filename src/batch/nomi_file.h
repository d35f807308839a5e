// The names of the rows' files in a folder, and the fingerprints that keep a million ids and
// names apart in a few bytes each.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// A 64-bit fingerprint of a text (FNV-1a, then mixed): the same on every run and machine.
std::uint64_t impronta(std::string_view testo);

// A set of fingerprints in 8 to 16 bytes each, whatever the texts' length.
class Impronte {
  public:
    // True when the fingerprint was not yet in the set.
    bool inserisci(std::uint64_t impronta);
    bool contiene(std::uint64_t impronta) const;

  private:
    std::size_t posto(std::uint64_t impronta) const;
    std::vector<std::uint64_t> tabella_; // open addressing; 0 is an empty place
    std::size_t quante_ = 0;
};

// The base name of each row's files (report, documents), given in input order: the id with
// every character but letters, digits, ".", "-" and "_" as "_" ("_" before a name of dots only),
// and "_2", "_3"… when the name is already taken in any letter case. A name that only shares
// its fingerprint with a taken one gets its "_2" too, once in 2⁶⁴: still a name of its own, the
// same on every run.
class NomiFile {
  public:
    std::string nome(std::string_view id);
    // Whether a row was given the name, in any letter case (or one of the same fingerprint).
    bool preso(std::string_view nome) const;

  private:
    Impronte presi_;
};

} // namespace tessaro
