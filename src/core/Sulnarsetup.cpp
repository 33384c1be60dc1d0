#include "Sulnarsetup.h"

#include "UserInterface.h"

Sulnarsetup::Sulnarsetup(const nlohmann::json& j, std::string typeKey)
    : CObject(j.value("Name", std::string("Anonymous")), std::move(typeKey))
{
    if (j.is_object()) {
        const std::pair<const char*, std::vector<double>*> lists[] = {
            {"TWS", &twsRange},
            {"TWA", &twaRange},
            {"InitialValues", &initialValues},
            {"LowerBound", &lowerBounds},
            {"UpperBound", &upperBounds},
        };
        for (const auto& [key, field] : lists) {
            if (j.contains(key))
                *field = j.at(key).get<std::vector<double>>();
        }
    }
    jibPoledWindward = j.value("JIBPOLEDWINDWARD", false);
    searchGlobal = j.value("SearchGlobal", false);

    // "-" names no object.
    const std::string none = "-";
    struct ActiveName {
        const char* key;
        std::string* field;
        const char* typeKey;
        const char* prefix;
    };
    const ActiveName active[] = {
        {"Main", &mainName, "MAIN", "Active Main sail '"},
        {"Jib", &jibName, "JIB", "Active Jib sail '"},
        {"Hsf", &hsfName, "HSF", "Active HSF sail '"},
        {"Spi", &spiName, "SPI", "Active Spinnaker sail '"},
        {"Rig", &rigName, "RIG", "Active Rig '"},
        {"Hull", &hullName, "KeuningHYDRO", "Active Hydro '"},
    };
    for (const auto& a : active)
        *a.field = j.value(a.key, none);

    // Every name must stand for an object of its kind in the store.
    std::string report;
    const CObjectStore& store = CObjectStore::getInstance();
    for (const auto& a : active) {
        if (*a.field == none || store.findObject(*a.field, a.typeKey))
            continue;
        report += a.prefix + *a.field + "' in Setup: '" + name + "' not found in the object store. Has been set to - \n";
        *a.field = none;
    }
    if (!report.empty())
        userInterface().showMessage(report, "Check", MessageIcon::Error);
}

nlohmann::json Sulnarsetup::makeJSON() const
{
    return {
        {"Name", name},
        {"TWS", twsRange},
        {"TWA", twaRange},
        {"InitialValues", initialValues},
        {"LowerBound", lowerBounds},
        {"UpperBound", upperBounds},
        {"JIBPOLEDWINDWARD", jibPoledWindward},
        {"SearchGlobal", searchGlobal},
        {"Main", mainName},
        {"Jib", jibName},
        {"Hsf", hsfName},
        {"Spi", spiName},
        {"Rig", rigName},
        {"Hull", hullName},
    };
}

void Sulnarsetup::edit()
{
    userInterface().edit(*this);
}
