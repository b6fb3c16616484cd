#include "stringtable.h"

#include "runtimeerror.h"

#include <charconv>
#include <stdexcept>

namespace ropesize {

// The contents of diameters.txt, put into the program when it is built.
extern const char *const RopeDiameterTableText;

StringTable StringTable::Parse(std::string_view text) {
    StringTable table;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;

        const auto tab = line.find('\t');
        const std::string_view numberText = line.substr(0, tab);
        int number = 0;
        const auto [rest, error] =
            std::from_chars(numberText.data(), numberText.data() + numberText.size(), number);
        if (tab == std::string_view::npos || error != std::errc{} ||
            rest != numberText.data() + numberText.size() ||
            !table.texts_.emplace(number, std::string(line.substr(tab + 1))).second)
            throw std::invalid_argument("string table line " + std::to_string(lineNumber) +
                                        " is not a new number and its text");
    }
    return table;
}

const StringTable &StringTable::RopeDiameters() {
    static const StringTable table = Parse(RopeDiameterTableText);
    return table;
}

const std::string &StringTable::Load(int number) const {
    const auto found = texts_.find(number);
    if (found == texts_.end())
        throw runtime::RuntimeError(runtime::ErrorKind::InvalidCall,
                                    "找不到编号为" + std::to_string(number) + "的字符串资源");
    return found->second;
}

} // namespace ropesize
