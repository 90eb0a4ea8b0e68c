#pragma once

// What every fuzz target shares: a property that does not hold stops the run with what
// broke, so libFuzzer keeps the input and the replay of kept inputs fails.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tav::fuzz {

[[noreturn]] inline void Broken(const std::string& what)
{
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

inline void Expect(bool holds, const char* what)
{
    if (!holds)
        Broken(what);
}

inline std::string_view Bytes(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace tav::fuzz
