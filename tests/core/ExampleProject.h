#pragma once
// Loads the example project into the program's store, for tests that need a
// complete boat, and finds its objects by name and kind.

#include <fstream>
#include <string>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CObjectStore.h"
#include "CRig.h"
#include "CSpi.h"
#include "Sulnarsetup.h"

inline void loadExampleProject()
{
    CObjectStore& store = CObjectStore::getInstance();
    std::ifstream in(std::string(SULNAR_EXAMPLES_DIR) + "/sulnar-example.json");
    const nlohmann::json project = nlohmann::json::parse(in);
    auto load = [&](const char* key, auto make) {
        for (const auto& element : project.at(key))
            store.objects.push_back(make(element, key));
    };
    load("MAIN", [](const nlohmann::json& e, const char* k) { return std::make_unique<CMain>(e, k); });
    load("JIB", [](const nlohmann::json& e, const char* k) { return std::make_unique<CJib>(e, k); });
    load("SPI", [](const nlohmann::json& e, const char* k) { return std::make_unique<CSpi>(e, k); });
    load("HSF", [](const nlohmann::json& e, const char* k) { return std::make_unique<CHsf>(e, k); });
    load("RIG", [](const nlohmann::json& e, const char* k) { return std::make_unique<CRig>(e, k); });
    load("KeuningHYDRO", [](const nlohmann::json& e, const char* k) { return std::make_unique<CKeuningHYDRO>(e, k); });
    load("VPPsetup", [](const nlohmann::json& e, const char* k) { return std::make_unique<Sulnarsetup>(e, k); });
}

template <class T>
T* findExample(const std::string& name, const std::string& type)
{
    return dynamic_cast<T*>(CObjectStore::getInstance().findObject(name, type));
}
