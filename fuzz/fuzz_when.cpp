// The date parser, from arbitrary bytes.

#include "When.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const luna::sky::Instant when = luna::sky::parseWhen(text, luna::sky::Instant{});
        // What is accepted lies in the supported years, or just past them
        // once a zone is applied, where the sky refuses it cleanly.
        try {
            luna::sky::elongation(when);
        } catch (const luna::sky::OutOfRange&) {
        }
    } catch (const luna::sky::BadDate&) {
    } catch (const luna::sky::OutOfRange&) {
    }
    return 0;
}
