#include "platform/Resources.h"

#include <strings.h>

namespace platform {
namespace {

std::vector<const EmbeddedItem*>& Tables()
{
    static std::vector<const EmbeddedItem*> tables{kProgramResources};
    return tables;
}

bool SameIgnoringCase(std::string_view a, const char* b)
{
    std::string_view bv(b);
    return a.size() == bv.size() && ::strncasecmp(a.data(), b, a.size()) == 0;
}

}  // namespace

std::optional<std::span<const unsigned char>> FindResource(std::string_view name)
{
    for (const EmbeddedItem* table : Tables())
        for (const EmbeddedItem* item = table; item->name; ++item)
            if (SameIgnoringCase(name, item->name))
                return std::span<const unsigned char>(item->data, item->size);
    return std::nullopt;
}

void AddResourceTable(const EmbeddedItem* table)
{
    for (const EmbeddedItem* known : Tables())
        if (known == table) return;
    Tables().push_back(table);
}

std::vector<std::string> ResourceNames()
{
    std::vector<std::string> names;
    for (const EmbeddedItem* table : Tables())
        for (const EmbeddedItem* item = table; item->name; ++item) names.emplace_back(item->name);
    return names;
}

}  // namespace platform
