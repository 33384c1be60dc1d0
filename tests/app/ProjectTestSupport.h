#pragma once
// A small design object for reading and writing projects in tests, a row of
// polar results, and temporary files.

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <stdlib.h>

#include "CObjectStore.h"

// Reads "Name" and the number "Value"; a "Value" that is not a number throws.
class TestObject : public CObject {
public:
    TestObject(const nlohmann::json& element, const std::string& typeKey)
        : CObject(element.value("Name", "Anonymous"), typeKey), value(element.value("Value", 0.0))
    {
    }
    nlohmann::json makeJSON() const override { return {{"Name", name}, {"Value", value}}; }
    void edit() override { ++edits; }

    double value;
    int edits = 0;
};

// A row of the polar result table: result code 4, wind, boat speed, the rest 0.
inline std::vector<double> polarRow(double tws, double twa, double speed)
{
    std::vector<double> row{4, tws, twa, speed};
    row.resize(22, 0.0);
    return row;
}

inline std::string fileContents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline void writeFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A fresh directory under the system's temporary directory, removed at the end of the test.
class TempDir {
public:
    TempDir()
    {
        if (!::mkdtemp(path_.data()))
            throw std::runtime_error("no temporary directory");
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_ = (std::filesystem::temp_directory_path() / "sulnar-test-XXXXXX").string();
};
