#include "CObjectStore.h"
#include "DesignObjectTesting.h"

TEST(CObjectStore, FindsByExactNameAndTypeOwnsItsObjectsAndStartsAfresh)
{
    int deaths = 0;
    {
        CObjectStore store;
        for (const char* type : {"MAIN", "JIB", "JIB"})
            store.objects.push_back(std::make_unique<Probe>("A", type, &deaths));
        // The first of equal names is found.
        EXPECT_EQ(store.findObject("A", "MAIN"), store.objects[0].get());
        EXPECT_EQ(store.findObject("A", "JIB"), store.objects[1].get());
        for (const auto& [name, type] : std::vector<std::pair<std::string, std::string>>{
                 {"A", "SPI"}, {"a", "MAIN"}, {"A ", "MAIN"}, {"A", "main"}})
            EXPECT_EQ(store.findObject(name, type), nullptr) << name << "/" << type;
    }
    EXPECT_EQ(deaths, 3);

    // The program's store starts afresh: its objects freed, results, ranges and table columns as new.
    CObjectStore& store = CObjectStore::getInstance();
    store.objects.push_back(std::make_unique<Probe>("A", "MAIN", &deaths));
    store.currentResults = std::make_unique<ResultTable>();
    store.speedRange = {2, 3, 0.5};
    store.globalGuessCount = 9;
    CObjectStore::resetInstance();
    EXPECT_TRUE(deaths == 4 && store.objects.empty() && store.currentResults == nullptr);
    EXPECT_TRUE(store.speedRange == std::vector<double>({1, 6, 1}) && store.globalGuessCount == 3);
    std::string names;
    for (const auto* list : {&store.aeroColumnNames, &store.hydroColumnNames})
        for (const auto& name : *list)
            names += name + ",";
    EXPECT_EQ(names, "TWS,TWA,AWS,AWA,Speed,Leeway,Heel,Flat,Reef,Twist,ForceX,ForceY,ForceZ,MomentX,MomentY,MomentZ,"
                     "Speed,Leeway,Heel,Rudder,FHk,FHr,RHfheeled,RHr,deltaRHrHeel,RvisKeel,RvisRudder,RresKeel,"
                     "dRresKeel_heel,dRtrim,MzMunk,Eff.Draft,InducedRes,Mx,My,Mz,");
}
