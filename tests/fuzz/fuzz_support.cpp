#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

std::vector<std::string> SplitInput(const std::uint8_t* data, std::size_t size, std::size_t count) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() + 1 < count) {
        const std::size_t end = input.find(PartSeparator, start);
        if (end == std::string_view::npos) break;
        parts.emplace_back(input.substr(start, end - start));
        start = end + PartSeparator.size();
    }
    parts.emplace_back(start <= input.size() ? input.substr(start) : std::string_view());
    parts.resize(count);
    return parts;
}

namespace {

// Made on first use, removed when the process ends normally.
struct Scratch {
    Scratch() {
        std::error_code error;
        const fs::path base =
            fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        path = (base / ("verbodex-fuzz-" + std::to_string(::getpid()))).string();
        fs::create_directories(path);
    }
    ~Scratch() {
        std::error_code error;
        fs::remove_all(path, error);
    }
    std::string path;
};

} // namespace

const std::string& ScratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

void EmptyFolder(const std::string& folder) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        fs::remove_all(entry.path(), error);
    }
}

void Finding(const std::string& what) {
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::abort();
}
