#include "services/xml/XMLNode.h"

namespace zelka {

Ref<XMLNode> XMLNode::New(String name, String value)
{
    auto node = std::make_shared<XMLNode>();
    node->name = std::move(name);
    node->value = std::move(value);
    return node;
}

String XMLNode::GetAttribute(const String& attributeName) const
{
    const auto it = attributes.find(attributeName);
    return it == attributes.end() ? String{} : it->second;
}

bool XMLNode::Matches(const String& childName, const String& attributeName, const String& attributeValue) const
{
    if (!childName.empty() && name != childName) return false;
    return attributeName.empty() || GetAttribute(attributeName) == attributeValue;
}

Ref<XMLNode> XMLNode::GetChild2(const String& childName, const String& attributeName, const String& attributeValue)
{
    for (const auto& child : children) {
        if (child->Matches(childName, attributeName, attributeValue)) return child;
    }
    if (!empty_) empty_ = New();
    return empty_;
}

std::vector<Ref<XMLNode>> XMLNode::GetChildren(const String& childName, const String& attributeName,
                                               const String& attributeValue) const
{
    std::vector<Ref<XMLNode>> found;
    for (const auto& child : children) {
        if (child->Matches(childName, attributeName, attributeValue)) found.push_back(child);
    }
    return found;
}

String XMLNode::ToString() const
{
    String out;
    AppendTo(out);
    return out;
}

void XMLNode::AppendTo(String& out) const
{
    out += U'<';
    out += name;
    for (const auto& [key, text] : attributes) {
        out += U' ';
        out += key;
        out += U"=\"";
        out += text;
        out += U'"';
    }
    out += U'>';
    out += value;
    for (const auto& child : children) child->AppendTo(out);
    out += U"</";
    out += name;
    out += U'>';
}

}  // namespace zelka
