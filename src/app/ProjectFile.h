#pragma once
// Project files: one JSON object whose members are arrays of design objects,
// each array named after the type key of its objects.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

class CObject;
class CObjectStore;

// The type keys in the order a project file is read: setups come last,
// because they look up the objects they name while they are read.
inline constexpr std::array<std::string_view, 7> projectTypeKeys{
    "MAIN", "JIB", "SPI", "HSF", "RIG", "KeuningHYDRO", "VPPsetup"};

// Creates the design object of a type key from one array element; may throw
// the JSON library's error for a member of the wrong type.
using ObjectFactory =
    std::function<std::unique_ptr<CObject>(const nlohmann::json& element, const std::string& type)>;
// Shows one error message to the user.
using ErrorReport = std::function<void(const std::string& message)>;

// Reads a text file line by line; every line, the last one too, ends with a
// line feed in `text`. False when the file does not open.
bool readTextFile(const std::string& path, std::string& text);

// Removes every block comment, from "/*" to the next "*/", that stands outside
// the JSON strings; an unterminated "/*" and line comments stay.
std::string removeBlockComments(const std::string& text);

// Appends the objects of a project file text to the store, array by array in
// the order of projectTypeKeys. Arrays of other names are ignored. Returns
// false, after reporting "Invalid JSON format", when the text without its
// block comments is not JSON; the store is then unchanged. A member that is
// not an array, an element that is not an object and an element whose object
// cannot be read are reported and skipped, and the rest is read.
bool readProject(const std::string& text, CObjectStore& store, const ObjectFactory& create,
                 const ErrorReport& report);

// The whole store: one array per type key present, objects in store order.
// A store without objects gives a JSON null.
nlohmann::json projectJSON(const CObjectStore& store);
// A project holding one object.
nlohmann::json objectProjectJSON(const CObject& object);

// The message that refuses to save a project holding a number that is not
// finite (JSON would write it as null, and the object would be lost on
// loading), naming the first such object and member; empty when all are finite.
std::string nonFiniteMember(const nlohmann::json& root);

// Writes the text into the file, replacing it. True only when the file
// opened and all of the text was written and flushed.
bool writeTextFile(const std::string& path, const std::string& text);

// Writes the root indented by four spaces, without a final line feed. The
// text is made before the file is opened, so a root that cannot be written
// (a text that is not UTF-8) leaves an existing file alone. False on any failure.
bool saveProjectFile(const std::string& path, const nlohmann::json& root);
