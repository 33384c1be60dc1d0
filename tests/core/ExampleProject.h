#pragma once
// Loads the example project into the program's store, for tests that need a
// complete boat, and finds its objects by name and kind.

#include <fstream>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CObjectStore.h"
#include "CRig.h"
#include "CSpi.h"
#include "Sulnarsetup.h"

// Every element under each key as an object of the matching class, setups last.
template <class... T, class... Key>
void loadExampleObjects(const nlohmann::json& project, Key... keys)
{
    (..., [&](const char* key) {
        for (const auto& element : project.at(key))
            CObjectStore::getInstance().objects.push_back(std::make_unique<T>(element, key));
    }(keys));
}

// The program's store started afresh with the example project's objects in it.
inline CObjectStore& loadExampleProject()
{
    CObjectStore::resetInstance();
    std::ifstream in(std::string(SULNAR_EXAMPLES_DIR) + "/sulnar-example.json");
    loadExampleObjects<CMain, CJib, CSpi, CHsf, CRig, CKeuningHYDRO, Sulnarsetup>(
        nlohmann::json::parse(in), "MAIN", "JIB", "SPI", "HSF", "RIG", "KeuningHYDRO", "VPPsetup");
    return CObjectStore::getInstance();
}

template <class T>
T* findExample(const std::string& name, const std::string& type)
{
    return dynamic_cast<T*>(CObjectStore::getInstance().findObject(name, type));
}
