#pragma once
// Named byte items compiled into the program (our HDL templates and the JPEG logo),
// looked up by name ignoring case.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct EmbeddedItem {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

// The program's own items (generated from resources/rcdata.list); ends with a null name.
extern const EmbeddedItem kProgramResources[];

std::optional<std::span<const unsigned char>> FindResource(std::string_view name);
// Adds a further table, ending with a null name, to the search (tests embed their own).
void AddResourceTable(const EmbeddedItem* table);
std::vector<std::string> ResourceNames();

}  // namespace platform
