// Parsing of the text a server sends for LIST into entries of attribute and name.
// Plain C++: names are the server's bytes, decoded by the caller.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorxfer {

struct ListingEntry {
    std::string attribute;  // first field of a Unix line ("drwxr-xr-x"); "d..." for a DOS <DIR>
    std::string name;       // the entry's name, inner and trailing blanks kept
};

// One line of a listing (no line break). Unix long form: at least 8 blank-separated fields;
// the name is the rest of the line after the date and time fields (after the last field when
// no date is recognised), a symbolic link's name the part before " -> ". DOS form:
// "MM-DD-YY  HH:MMxM  <DIR>|size  name". Anything else ("total 12") gives no entry.
bool parseListingLine(std::string_view line, ListingEntry& out);

// Every line of a LIST reply's data, in the server's order (LF or CR LF line ends).
std::vector<ListingEntry> parseListing(std::string_view text);

}  // namespace sorxfer
