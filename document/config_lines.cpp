#include "document/config_lines.h"

#include "document/config_template.h"
#include "document/cp1251.h"
#include "document/errors.h"

#include <new>

namespace brimvale {

namespace {

[[noreturn]] void throwOutOfBounds(int index)
{
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace

void ConfigLines::fill()
{
    std::vector<std::string> filled;
    try {
        filled.reserve(ConfigTemplate::LineCount);
        for (int i = 0; i < ConfigTemplate::LineCount; ++i)
            filled.push_back(cp1251::fromUtf8(ConfigTemplate::line(i)));
    } catch (const std::bad_alloc&) {
        throw EOutOfResources("Unable to insert a line");
    }
    lines_ = std::move(filled);
    if (listener_)
        listener_->linesFilled();
}

std::string ConfigLines::read(int index) const
{
    if (index < 0 || index >= count())
        throwOutOfBounds(index);
    return lines_[static_cast<std::size_t>(index)];
}

void ConfigLines::replace(int index, std::string text)
{
    if (index < 0 || index >= count())
        throwOutOfBounds(index);
    // One entry per line is what the output file's layout rests on: a line
    // break or NUL inside a line would split or cut it in the file.
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
        throw EInvalidLineText("A line may not contain a line break or a NUL character");
    lines_[static_cast<std::size_t>(index)] = std::move(text);
    if (listener_)
        listener_->lineReplaced(index);
}

} // namespace brimvale
