#include "ProjectFile.h"

#include <cmath>
#include <fstream>
#include <optional>

#include "CObjectStore.h"

bool readTextFile(const std::string& path, std::string& text)
{
    std::ifstream file(path);
    if (!file.is_open())
        return false;
    text.clear();
    std::string line;
    while (std::getline(file, line)) {
        text += line;
        text += '\n';
    }
    return true;
}

std::string removeBlockComments(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    bool inString = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (inString) {
            // An escaped character, the quote too, stays inside the string; a
            // backslash that ends a cut-off text is one character.
            const std::size_t length = c == '\\' && pos + 1 < text.size() ? 2 : 1;
            result.append(text, pos, length);
            pos += length;
            inString = c != '"';
            continue;
        }
        if (text.compare(pos, 2, "/*") == 0) {
            // The closing "*/" may not share the opening star: "/*/" is no comment.
            const std::size_t close = text.find("*/", pos + 2);
            if (close == std::string::npos)
                break;
            pos = close + 2;
            continue;
        }
        inString = c == '"';
        result += c;
        ++pos;
    }
    result.append(text, pos, std::string::npos);
    return result;
}

namespace {

// The path of the first number inside value that is not finite, value itself at `path`.
std::optional<std::string> nonFinitePath(const nlohmann::json& value, const std::string& path)
{
    if (value.is_number_float() && !std::isfinite(value.get<double>()))
        return path;
    if (value.is_array()) {
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (auto found = nonFinitePath(value[i], path + "[" + std::to_string(i) + "]"))
                return found;
        }
    }
    if (value.is_object()) {
        for (const auto& [key, member] : value.items()) {
            if (auto found = nonFinitePath(member, path + "." + key))
                return found;
        }
    }
    return std::nullopt;
}

std::string elementError(const std::string& type, const nlohmann::json& element, const char* what)
{
    std::string message = type + " element";
    const auto name = element.find("Name");
    if (name != element.end() && name->is_string())
        message += " \"" + name->get<std::string>() + "\"";
    return message + " cannot be read: " + what + ". Ignored";
}

} // namespace

bool readProject(const std::string& text, CObjectStore& store, const ObjectFactory& create,
                 const ErrorReport& report)
{
    const std::string json = removeBlockComments(text);
    if (!nlohmann::json::accept(json)) {
        report("Invalid JSON format");
        return false;
    }
    const nlohmann::json root = nlohmann::json::parse(json);
    if (!root.is_object())
        return true;

    for (const std::string_view key : projectTypeKeys) {
        const std::string type(key);
        const auto member = root.find(type);
        if (member == root.end())
            continue;
        if (!member->is_array()) {
            report(type + " is not a JSON array. Ignored");
            continue;
        }
        for (const nlohmann::json& element : *member) {
            if (!element.is_object()) {
                report(type + " vector elements are not JSON objects. Ignored");
                continue;
            }
            // A member of the wrong type makes the constructor throw: that
            // element is skipped, the rest of the file is still read.
            try {
                if (auto object = create(element, type))
                    store.objects.push_back(std::move(object));
            } catch (const std::exception& error) {
                report(elementError(type, element, error.what()));
            }
        }
    }
    return true;
}

std::string nonFiniteMember(const nlohmann::json& root)
{
    if (!root.is_object())
        return {};
    for (const auto& [type, objects] : root.items()) {
        if (!objects.is_array())
            continue;
        for (const nlohmann::json& object : objects) {
            if (!object.is_object())
                continue;
            for (const auto& [key, value] : object.items()) {
                if (const auto path = nonFinitePath(value, key)) {
                    return "The member \"" + *path + "\" of " + type + " \"" +
                           object.value("Name", std::string()) + "\" is not a finite number. Nothing has been saved.";
                }
            }
        }
    }
    return {};
}

nlohmann::json projectJSON(const CObjectStore& store)
{
    nlohmann::json root;
    for (const auto& object : store.objects)
        root[object->type].push_back(object->makeJSON());
    return root;
}

nlohmann::json objectProjectJSON(const CObject& object)
{
    nlohmann::json root;
    root[object.type].push_back(object.makeJSON());
    return root;
}

bool writeTextFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file.is_open())
        return false;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return !file.fail();
}

bool saveProjectFile(const std::string& path, const nlohmann::json& root)
{
    std::string text;
    try {
        text = root.dump(4);
    } catch (const nlohmann::json::exception&) {
        return false;
    }
    return writeTextFile(path, text);
}
