#include <gtest/gtest.h>

#include "CObjectStore.h"

namespace {

// A design object that counts its destructions.
class Probe : public CObject {
public:
    Probe(std::string n, std::string t, int* deaths = nullptr) : CObject(std::move(n), std::move(t)), deaths_(deaths) {}
    ~Probe() override
    {
        if (deaths_)
            ++*deaths_;
    }
    nlohmann::json makeJSON() const override { return {{"Name", name}}; }
    void edit() override {}

private:
    int* deaths_;
};

// The column names of the result tables and the sweep ranges a new store starts with.
void expectDefaults(const CObjectStore& store)
{
    EXPECT_TRUE(store.objects.empty());
    EXPECT_EQ(store.resultColumnNames,
              (std::vector<std::string>{"resultFlag", "TWS", "TWA", "speed", "leeway", "heel", "rudder", "flat",
                                        "reef", "twist", "FAx", "FAy", "FAz", "MAx", "MAy", "MAz", "FHx", "FHy",
                                        "FHz", "MHx", "MHy", "MHz"}));
    EXPECT_EQ(store.aeroColumnNames,
              (std::vector<std::string>{"TWS", "TWA", "AWS", "AWA", "Speed", "Leeway", "Heel", "Flat", "Reef",
                                        "Twist", "ForceX", "ForceY", "ForceZ", "MomentX", "MomentY", "MomentZ"}));
    EXPECT_EQ(store.hydroColumnNames,
              (std::vector<std::string>{"Speed", "Leeway", "Heel", "Rudder", "FHk", "FHr", "RHfheeled", "RHr",
                                        "deltaRHrHeel", "RvisKeel", "RvisRudder", "RresKeel", "dRresKeel_heel",
                                        "dRtrim", "MzMunk", "Eff.Draft", "InducedRes", "Mx", "My", "Mz"}));
    EXPECT_EQ(store.speedRange, (std::vector<double>{1, 6, 1}));
    EXPECT_EQ(store.heelRange, (std::vector<double>{0, 0, 30}));
    EXPECT_EQ(store.globalGuessCount, 3);
}

TEST(CObjectStore, FindsByExactNameAndType)
{
    CObjectStore store;
    expectDefaults(store);
    EXPECT_EQ(store.currentResults, nullptr);
    for (const auto& [name, type] : std::vector<std::pair<std::string, std::string>>{
             {"A", "MAIN"}, {"A", "JIB"}, {"A", "JIB"}})
        store.objects.push_back(std::make_unique<Probe>(name, type));
    // The first of equal names is found.
    EXPECT_EQ(store.findObject("A", "MAIN"), store.objects[0].get());
    EXPECT_EQ(store.findObject("A", "JIB"), store.objects[1].get());
    for (const auto& [name, type] : std::vector<std::pair<std::string, std::string>>{
             {"A", "SPI"}, {"a", "MAIN"}, {"A ", "MAIN"}, {"A", "main"}})
        EXPECT_EQ(store.findObject(name, type), nullptr) << name << "/" << type;
}

TEST(CObjectStore, OwnsEverythingAndTheProgramStoreCanStartAfresh)
{
    int deaths = 0;
    {
        CObjectStore store;
        store.objects.push_back(std::make_unique<Probe>("A", "MAIN", &deaths));
        store.objects.push_back(std::make_unique<Probe>("B", "RIG", &deaths));
    }
    EXPECT_EQ(deaths, 2);

    CObjectStore& store = CObjectStore::getInstance();
    store.objects.push_back(std::make_unique<Probe>("A", "MAIN", &deaths));
    store.speedRange = {2, 3, 0.5};
    store.globalGuessCount = 9;
    CObjectStore::resetInstance();
    EXPECT_EQ(deaths, 3);
    expectDefaults(store);
}

} // namespace
