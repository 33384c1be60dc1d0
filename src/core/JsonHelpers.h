#pragma once
// Reading design-object members from a project file element.
//
// Numbers and texts are read with nlohmann's value(key, default): a missing
// member gives the default, a member of the wrong type throws the library's
// type error, which leaves the object's constructor.

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <nlohmann/json.hpp>

// A boolean flag: false when the member is missing, the library's type error
// when it is present but not a boolean.
inline bool readFlag(const nlohmann::json& element, const std::string& key)
{
    const auto it = element.find(key);
    return it != element.end() && it->get<bool>();
}

// A whole number: the default when the member is missing, a number cut toward
// zero (3.7 reads as 3), a boolean as 0 or 1. Anything else is the library's
// type error, also a number that std::int32_t cannot hold or that is not finite
// (converting such a number would give an arbitrary value).
inline std::int32_t readInteger(const nlohmann::json& element, const std::string& key, std::int32_t fallback)
{
    const auto it = element.find(key);
    if (it == element.end())
        return fallback;
    if (!it->is_number())
        return it->get<std::int32_t>();
    const double value = std::trunc(it->get<double>());
    if (!(value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()))
        throw nlohmann::json::type_error::create(
            302, "type must be a number from -2147483648 to 2147483647, but is " + it->dump(), &*it);
    return static_cast<std::int32_t>(value);
}
