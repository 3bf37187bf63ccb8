// Texts made from the catalogue that files outside the code must agree with:
// the package list the build writes and the README's tool table.
#pragma once

#include <string>

// "exe|title|category\n" per program (UTF-8): the launcher first, with no
// category; then the tools by category in the suite's order, in list order
// within one.
std::string PackageListFromCatalogue();

// The README's tool table: one "### category" section per category in use,
// in the suite's order, each a table of its tools in list order (UTF-8).
std::string ReadmeToolTableFromCatalogue();

// Lines of README.md between the two marker lines, as they stand.
std::string ReadmeToolTableSection(const std::string& readme);

// The README with its tool table made anew from the catalogue.
std::string ReadmeWithToolTable(const std::string& readme);
