#pragma once
// Creating and copying design objects by their type key.

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

class CObject;

// The design object of a type key read from one project file element; null
// for a key that names no kind of design object. Throws the JSON library's
// error for a member of the wrong type.
std::unique_ptr<CObject> createDesignObject(const nlohmann::json& element, const std::string& type);

// An independent copy of `source`, which is an object of kind `type`; null
// when `type` names no kind of design object or `source` is of another kind.
std::unique_ptr<CObject> cloneDesignObject(const CObject& source, const std::string& type);
