#include "CObjectStore.h"

CObject::CObject(std::string objectName, std::string typeKey)
    : name(std::move(objectName)), type(std::move(typeKey))
{
}

CObjectStore::CObjectStore()
    : resultColumnNames{"resultFlag", "TWS", "TWA", "speed", "leeway", "heel", "rudder", "flat",
                        "reef", "twist", "FAx", "FAy", "FAz", "MAx", "MAy", "MAz",
                        "FHx", "FHy", "FHz", "MHx", "MHy", "MHz"},
      aeroColumnNames{"TWS", "TWA", "AWS", "AWA", "Speed", "Leeway", "Heel", "Flat",
                      "Reef", "Twist", "ForceX", "ForceY", "ForceZ", "MomentX", "MomentY", "MomentZ"},
      hydroColumnNames{"Speed", "Leeway", "Heel", "Rudder", "FHk", "FHr", "RHfheeled", "RHr",
                       "deltaRHrHeel", "RvisKeel", "RvisRudder", "RresKeel", "dRresKeel_heel",
                       "dRtrim", "MzMunk", "Eff.Draft", "InducedRes", "Mx", "My", "Mz"}
{
}

CObjectStore::~CObjectStore()
{
    // Objects go in the order they were inserted.
    for (auto& object : objects)
        object.reset();
}

CObjectStore& CObjectStore::getInstance()
{
    static CObjectStore store;
    return store;
}

void CObjectStore::resetInstance()
{
    getInstance() = CObjectStore();
}

CObject* CObjectStore::findObject(const std::string& objectName, const std::string& typeKey) const
{
    for (const auto& object : objects) {
        if (object->name == objectName && object->type == typeKey)
            return object.get();
    }
    return nullptr;
}
