#include "recordfolder.h"

#include "record.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

namespace fs = std::filesystem;

namespace records {

namespace {

std::tm utc(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm parts{};
#ifdef _WIN32
    gmtime_s(&parts, &t);
#else
    gmtime_r(&t, &parts);
#endif
    return parts;
}

std::string format(std::chrono::system_clock::time_point when, const char* pattern) {
    const std::tm parts = utc(when);
    char text[64];
    const std::size_t n = std::strftime(text, sizeof text, pattern, &parts);
    return std::string(text, n);
}

} // namespace

std::string utcText(std::chrono::system_clock::time_point when) {
    return format(when, "%Y-%m-%dT%H:%M:%SZ");
}

std::string newRecordPath(const std::string& folder, std::chrono::system_clock::time_point when,
                          int* number) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) return {};
    const std::string stem = "game-" + format(when, "%Y%m%d-%H%M%S");
    for (int n = number ? std::max(1, *number) : 1;; ++n) {
        // Games begun in the same second are numbered in the order they began, so the names sort.
        const std::string digits = std::to_string(n);
        const std::string name = stem + "-" + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') +
                                 digits + std::string(kExtension);
        const fs::path path = fs::path(folder) / name;
        if (!fs::exists(path, ec)) {
            if (number) *number = n;
            return path.string();
        }
    }
}

std::vector<std::string> listRecords(const std::string& folder) {
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && it->path().extension() == kExtension)
            found.push_back(it->path().string());
    std::sort(found.begin(), found.end(), std::greater<>());
    return found;
}

void keepNewest(const std::string& folder, int keep) {
    if (keep <= 0) return;
    const std::vector<std::string> found = listRecords(folder);
    std::error_code ec;
    for (std::size_t i = static_cast<std::size_t>(keep); i < found.size(); ++i)
        fs::remove(found[i], ec);
}

} // namespace records
