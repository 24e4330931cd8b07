#include "document/config_template.h"

#include <array>
#include <cstddef>
#include <stdexcept>

// The template's text, embedded byte for byte from template/eggdrop.conf.utf8
// at build time (UTF-8, LF line ends, one LF after the last line).
extern const unsigned char kConfigTemplateText[];
extern const std::size_t kConfigTemplateTextSize;

namespace brimvale {

namespace {

using Lines = std::array<std::string_view, ConfigTemplate::LineCount>;

Lines splitTemplate()
{
    const std::string_view text(reinterpret_cast<const char*>(kConfigTemplateText), kConfigTemplateTextSize);
    Lines lines{};
    std::size_t start = 0;
    for (std::string_view& line : lines) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            throw std::logic_error("the embedded configuration template has fewer lines than it must");
        line = text.substr(start, end - start);
        start = end + 1;
    }
    if (start != text.size())
        throw std::logic_error("the embedded configuration template has more lines than it must");
    return lines;
}

} // namespace

std::string_view ConfigTemplate::line(int index)
{
    static const Lines lines = splitTemplate();
    return lines.at(static_cast<std::size_t>(index));
}

} // namespace brimvale
