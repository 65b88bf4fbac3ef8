#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace zelka::files {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
// An open C file, closed when dropped.
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// fopen of the resolved path (the "kestro:" scheme applies); null when the path resolves
// to nothing or fopen fails.
[[nodiscard]] FilePtr OpenFile(std::string_view path, const char* mode);

// The whole file; none when it cannot be opened.
[[nodiscard]] std::optional<std::vector<uint8_t>> LoadData(std::string_view path);

// The rest of an open file, read until a read comes back short.
[[nodiscard]] std::vector<uint8_t> ReadRest(std::FILE* file);

}  // namespace zelka::files
