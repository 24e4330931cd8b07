// The Windows-1251 codec: whatever UTF-8 it accepts comes back unchanged
// from the round trip, whatever it refuses is refused with one of its two
// messages, and every byte string survives Windows-1251 -> UTF-8 -> back.

#include "document/cp1251.h"
#include "document/errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace brimvale;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    try {
        const std::string bytes = cp1251::fromUtf8(input);
        check(bytes.size() <= input.size());
        check(cp1251::toUtf8(bytes) == input);
    } catch (const EEncodingError& e) {
        const std::string_view message = e.what();
        const bool unmappable =
            message.starts_with("The character U+") && message.ends_with(" has no Windows-1251 form");
        check(unmappable || message.starts_with("Invalid UTF-8 text at byte "));
    }

    check(cp1251::fromUtf8(cp1251::toUtf8(input)) == input);
    return 0;
}
