#include "DesignObjects.h"

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CRig.h"
#include "CSpi.h"
#include "Sulnarsetup.h"

namespace {

template <class T>
std::unique_ptr<CObject> copyAs(const CObject& source)
{
    const auto* object = dynamic_cast<const T*>(&source);
    return object ? std::make_unique<T>(*object) : nullptr;
}

} // namespace

std::unique_ptr<CObject> createDesignObject(const nlohmann::json& element, const std::string& type)
{
    if (type == "MAIN")
        return std::make_unique<CMain>(element, type);
    if (type == "JIB")
        return std::make_unique<CJib>(element, type);
    if (type == "SPI")
        return std::make_unique<CSpi>(element, type);
    if (type == "HSF")
        return std::make_unique<CHsf>(element, type);
    if (type == "RIG")
        return std::make_unique<CRig>(element, type);
    if (type == "KeuningHYDRO")
        return std::make_unique<CKeuningHYDRO>(element, type);
    if (type == "VPPsetup")
        return std::make_unique<Sulnarsetup>(element, type);
    return nullptr;
}

std::unique_ptr<CObject> cloneDesignObject(const CObject& source, const std::string& type)
{
    if (type == "MAIN")
        return copyAs<CMain>(source);
    if (type == "JIB")
        return copyAs<CJib>(source);
    if (type == "SPI")
        return copyAs<CSpi>(source);
    if (type == "HSF")
        return copyAs<CHsf>(source);
    if (type == "RIG")
        return copyAs<CRig>(source);
    if (type == "KeuningHYDRO")
        return copyAs<CKeuningHYDRO>(source);
    if (type == "VPPsetup")
        return copyAs<Sulnarsetup>(source);
    return nullptr;
}
