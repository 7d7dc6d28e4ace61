// Runs a fuzz target's entry function once on each file of the folders or files given: the seeds
// and past findings, replayed by the tests without libFuzzer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// The files of a folder in name order, leaving out hidden ones; a file stands for itself.
std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& given)
{
    if (!std::filesystem::is_directory(given))
        return {given};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(given)) {
        if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char* argv[])
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::exists(argv[i])) {
            std::cerr << argv[i] << ": no such file or folder\n";
            return 1;
        }
        for (const auto& file : inputsOf(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            std::cout << file.string() << std::endl;
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::cout << replayed << " inputs replayed\n";
    return 0;
}
