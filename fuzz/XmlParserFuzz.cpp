// libFuzzer harness: the XML reader must end on any text, with a tree or an XMLParseError,
// and a tree the writer can express must read back to the same text.
#include "services/xml/XMLParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using zelka::String;
using zelka::XMLNode;

bool IsWhite(char32_t c)
{
    return c == 9 || c == 10 || c == 13 || c == 32;
}

// The writer escapes nothing and the reader drops white space after every tag, so only
// trees without '<' in a value and without leading white space write back faithfully.
bool Writable(const XMLNode& node)
{
    if (node.value.find(U'<') != String::npos) return false;
    if (!node.value.empty() && IsWhite(node.value[0])) return false;
    for (const auto& child : node.children) {
        if (!Writable(*child)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const String text = zelka::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    zelka::Ref<XMLNode> root;
    try {
        root = zelka::XMLParser::New(text)->GetRoot();
    } catch (const zelka::XMLParseError& error) {
        if (std::string_view(error.what()).rfind("XMLParser:: Expected ", 0) != 0) std::abort();
        return 0;
    }
    if (!root || root->name.empty()) std::abort();
    const String written = root->ToString();
    if (Writable(*root)) {
        const String again = zelka::XMLParser::New(written)->GetRoot()->ToString();
        if (again != written) std::abort();
    }
    (void)root->GetChild2(U"x", U"y", U"");
    return 0;
}
