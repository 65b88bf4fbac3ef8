#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <map>
#include <vector>

namespace zelka {

// One XML element. Callers build trees by hand through the public fields; the parser
// builds them from text. Nodes are shared (a settings tree and a player's stored
// controls may hold the same node), so children are held by Ref.
class XMLNode {
public:
    static Ref<XMLNode> New(String name = {}, String value = {});

    // The value of attribute `attributeName`, "" when the node has none.
    [[nodiscard]] String GetAttribute(const String& attributeName) const;

    // The first child, in document order, whose name equals `childName` (an empty name
    // matches any) and whose attribute `attributeName` equals `attributeValue` (an empty
    // attribute name matches any; a missing attribute reads as ""). No match gives this
    // node's miss node: one empty-named node, the same on every miss, never null.
    Ref<XMLNode> GetChild2(const String& childName, const String& attributeName = {},
                           const String& attributeValue = {});

    // Every child matching by the same rule, in document order.
    [[nodiscard]] std::vector<Ref<XMLNode>> GetChildren(const String& childName, const String& attributeName = {},
                                                        const String& attributeValue = {}) const;

    // The tree on one line: attributes in name order, every element with an end tag,
    // nothing escaped, no prolog.
    [[nodiscard]] String ToString() const;

    String name;   // "" only for a miss node
    String value;  // every text run and CDATA section directly inside, joined
    std::map<String, String> attributes;  // ordered by character code
    std::vector<Ref<XMLNode>> children;

private:
    bool Matches(const String& childName, const String& attributeName, const String& attributeValue) const;
    void AppendTo(String& out) const;

    Ref<XMLNode> empty_;  // made on the first failed lookup
};

}  // namespace zelka
