#pragma once

#include <string>
#include <vector>

namespace brimvale {

// Told of every change to a ConfigLines, so that a viewer can repaint just
// the changed row and keep its own selection where it was.
class ConfigLinesListener {
public:
    virtual ~ConfigLinesListener() = default;
    virtual void linesFilled() = 0;
    virtual void lineReplaced(int index) = 0;
};

// The configuration being edited: 648 Windows-1251 lines without
// terminators, filled once from ConfigTemplate. Nothing inserts or removes
// a line afterwards.
class ConfigLines {
public:
    // Empties the list and appends every template line, converted to
    // Windows-1251. Throws EOutOfResources when memory runs out.
    void fill();

    int count() const noexcept { return static_cast<int>(lines_.size()); }

    // A copy of line `index`; throws EStringListError
    // "List index out of bounds (<index>)" outside 0 to count() - 1.
    std::string read(int index) const;

    // Puts `text` in place of line `index`. Throws EStringListError for an
    // index outside the list and EInvalidLineText for text holding CR, LF
    // or NUL; either way nothing changes.
    void replace(int index, std::string text);

    // Direct read access for viewers and the file writer; index must be valid.
    const std::string& at(int index) const { return lines_[static_cast<std::size_t>(index)]; }

    // One listener at a time (the list that shows the lines); may be null.
    void setListener(ConfigLinesListener* listener) noexcept { listener_ = listener; }

private:
    std::vector<std::string> lines_;
    ConfigLinesListener* listener_ = nullptr;
};

} // namespace brimvale
