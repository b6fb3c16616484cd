#pragma once

#include <map>
#include <string>
#include <string_view>

namespace ropesize {

// Texts kept by number, as the program's resources hold the standard rope diameters. The
// table is read from lines "number<TAB>text"; blank lines and lines starting with "#" are
// notes. A number listed without text holds an empty text.
class StringTable {
public:
    // Reads the lines of a table; a malformed line raises std::invalid_argument naming it.
    static StringTable Parse(std::string_view text);

    // The table of rope diameters built into the program.
    static const StringTable &RopeDiameters();

    // The text of the given number; a number that the table does not hold is an invalid call.
    const std::string &Load(int number) const;
    bool Holds(int number) const { return texts_.count(number) != 0; }

    // The highest number held, 0 for an empty table.
    int LastNumber() const { return texts_.empty() ? 0 : texts_.rbegin()->first; }

private:
    std::map<int, std::string> texts_;
};

} // namespace ropesize
