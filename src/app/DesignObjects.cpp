#include "DesignObjects.h"

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CRig.h"
#include "CSpi.h"
#include "Sulnarsetup.h"

namespace {

// Calls make.operator()<T>() with the class T of the type key; null for a key
// that names no kind of design object.
template <class Make>
std::unique_ptr<CObject> forType(const std::string& type, Make make)
{
    if (type == "MAIN")
        return make.template operator()<CMain>();
    if (type == "JIB")
        return make.template operator()<CJib>();
    if (type == "SPI")
        return make.template operator()<CSpi>();
    if (type == "HSF")
        return make.template operator()<CHsf>();
    if (type == "RIG")
        return make.template operator()<CRig>();
    if (type == "KeuningHYDRO")
        return make.template operator()<CKeuningHYDRO>();
    if (type == "VPPsetup")
        return make.template operator()<Sulnarsetup>();
    return nullptr;
}

} // namespace

std::unique_ptr<CObject> createDesignObject(const nlohmann::json& element, const std::string& type)
{
    return forType(type, [&]<class T>() -> std::unique_ptr<CObject> { return std::make_unique<T>(element, type); });
}

std::unique_ptr<CObject> cloneDesignObject(const CObject& source, const std::string& type)
{
    return forType(type, [&]<class T>() -> std::unique_ptr<CObject> {
        const auto* object = dynamic_cast<const T*>(&source);
        return object ? std::make_unique<T>(*object) : nullptr;
    });
}
