// Replays a corpus on a fuzz target without the fuzzer: every file of the folders (or every
// file) named on the command line, in name order, once. A property that does not hold aborts.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> file;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) {
            file.emplace_back(argv[i]);
            continue;
        }
        for (const auto& e : std::filesystem::directory_iterator(argv[i]))
            if (e.is_regular_file()) file.push_back(e.path());
    }
    std::sort(file.begin(), file.end());
    for (const auto& p : file) {
        std::ifstream in(p, std::ios::binary);
        const std::string dati{std::istreambuf_iterator<char>(in), {}};
        std::fprintf(stderr, "%s\n", p.string().c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dati.data()), dati.size());
    }
    std::printf("%zu input rigiocati\n", file.size());
    return file.empty() ? 1 : 0;
}
