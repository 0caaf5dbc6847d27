#pragma once

#include "document/projectdocument.h"

#include <filesystem>

namespace qv::examples {

// The example projects shipped in data/Examples, made from the shipped English texts and
// icon in `dataFolder`.
ProjectDocument contactsExample(const std::filesystem::path& dataFolder);
ProjectDocument invoiceExample(const std::filesystem::path& dataFolder);
ProjectDocument inventoryExample(const std::filesystem::path& dataFolder);

} // namespace qv::examples
