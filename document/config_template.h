#pragma once

#include <string_view>

namespace brimvale {

// The complete eggdrop.conf that the program carries built in. Lines are
// addressed by fixed index elsewhere, so the count and order never change.
// The text is held as UTF-8; ConfigLines converts it to Windows-1251.
class ConfigTemplate {
public:
    static constexpr int LineCount = 648;

    // Line `index` (0 to LineCount - 1) as UTF-8, without a terminator.
    static std::string_view line(int index);
};

} // namespace brimvale
