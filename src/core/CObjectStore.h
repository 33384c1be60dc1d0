#pragma once
// Design objects and the store that holds every object, result table, sweep
// range and preference of the program.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// Base of every design object: a name and the type key of its kind
// ("MAIN", "JIB", "SPI", "HSF", "RIG", "KeuningHYDRO", "VPPsetup").
class CObject {
public:
    virtual ~CObject() = default;
    // The object's members as a JSON object.
    virtual nlohmann::json makeJSON() const = 0;
    // Opens the object's editor; on OK the edited values are written back.
    virtual void edit() = 0;

    std::string name;
    std::string type;

protected:
    CObject(std::string objectName, std::string typeKey);
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// Rows of doubles, one value per column name of the table's name list.
using ResultTable = std::vector<std::vector<double>>;

class CObjectStore {
public:
    CObjectStore();
    ~CObjectStore();
    CObjectStore(CObjectStore&&) = default;
    CObjectStore& operator=(CObjectStore&&) = default;

    // The program's one store, created on first use.
    static CObjectStore& getInstance();
    // Returns the program's store to the state it had at creation.
    static void resetInstance();

    // The first object whose name and type key both match exactly, or null.
    CObject* findObject(const std::string& objectName, const std::string& typeKey) const;

    std::vector<std::unique_ptr<CObject>> objects;
    std::unique_ptr<ResultTable> currentResults;
    std::unique_ptr<ResultTable> bufferResults;
    std::vector<std::string> resultColumnNames;
    std::unique_ptr<ResultTable> aeroResults;
    std::vector<std::string> aeroColumnNames;
    std::unique_ptr<ResultTable> hydroResults;
    std::vector<std::string> hydroColumnNames;

    // Ranges of the hydrodynamic sweep, {min, max, delta} each.
    std::vector<double> speedRange{1.0, 6.0, 1.0};
    std::vector<double> leewayRange{0.0, 0.0, 2.0};
    std::vector<double> heelRange{0.0, 0.0, 30.0};
    std::vector<double> rudderRange{0.0, 0.0, 2.0};

    // Preferences, never saved.
    std::int32_t globalGuessCount = 3;
    double diagramHeel = 20.0;
    double diagramLeeway = 5.0;
};
