#pragma once
// Reading design-object members from a project file element.
//
// Numbers and texts are read with nlohmann's value(key, default): a missing
// member gives the default, a member of the wrong type throws the library's
// type error, which leaves the object's constructor.

#include <string>

#include <nlohmann/json.hpp>

// A boolean flag: false when the member is missing, the library's type error
// when it is present but not a boolean.
inline bool readFlag(const nlohmann::json& element, const std::string& key)
{
    const auto it = element.find(key);
    return it != element.end() && it->get<bool>();
}
