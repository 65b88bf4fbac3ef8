// libFuzzer harness: Base64 decoding of any text ends with bytes or "", encoding those
// bytes gives the text back (up to the unused padding bits), and the save cipher
// round-trips any text.
#include "services/crypt/DataCrypt.h"
#include "services/crypt/Encoding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace zelka;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const String latin = FromLatin1(bytes);

    const String decoded = encoding::Base64ToString(latin);
    for (char32_t c : decoded) {
        if (c > 0xFF) std::abort();
    }
    if (!decoded.empty()) {
        const String encoded = encoding::StringToBase64(decoded);
        if (encoded.size() != latin.size()) std::abort();
        if (encoding::Base64ToString(encoded) != decoded) std::abort();
    }
    if (encoding::Base64ToString(encoding::StringToBase64(latin)) != latin && !latin.empty()) std::abort();

    const String text = FromUtf8(bytes);
    const String stored = DataCrypt::Encrypt(text, DataCrypt::kSaveFileKey);
    if (DataCrypt::Decrypt(stored, DataCrypt::kSaveFileKey) != text) std::abort();
    (void)DataCrypt::Decrypt(latin, DataCrypt::kSaveFileKey);
    return 0;
}
