#include "script/atomic_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".part~";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = (std::fflush(file) == 0) && ok;
    ok = (std::fclose(file) == 0) && ok;
    std::error_code error;
    if (ok) std::filesystem::rename(temporary, path, error);
    if (!ok || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
