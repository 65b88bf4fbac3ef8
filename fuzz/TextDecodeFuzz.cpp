// libFuzzer harness: text-file decoding takes any bytes; valid UTF-8 without a mark reads
// back to the same bytes, and the fallback never reads outside the input.
#include "platform/files/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto decoded = zelka::DecodeText({data, size});
    if (decoded.text.size() > size) std::abort();
    const bool marked = size >= 2 && ((data[0] == 0xFE && data[1] == 0xFF) || (data[0] == 0xFF && data[1] == 0xFE));
    const bool utf8Mark = size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF;
    if (!marked && !utf8Mark && !decoded.invalidUtf8) {
        if (zelka::ToUtf8(decoded.text) != std::string(reinterpret_cast<const char*>(data), size)) std::abort();
    }
    return 0;
}
