// Hosts that create many instances: a thousand one after another, two
// hundred alive at once, instances closed without ever being opened, and
// hosts the plug-in must refuse.
#include "Check.h"
#include "PluginRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace gravelo::test::torture {
namespace {

long residentKilobytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

TEST(Instances, ThousandCreatedAndDestroyed) {
    PluginRig rig;
    long before = 0;
    for (int i = 0; i < 1000; ++i) {
        auto host = rig.started(i % 2 ? 44100.0f : 96000.0f, 64);
        processChecked(*host, sine, 0, 64, i % 2, "instance " + std::to_string(i));
        host->dispatch(effMainsChanged, 0, 0);
        if (i == 99) before = residentKilobytes(); // after allocator warm-up
        // The host's destructor sends effClose.
    }
    note("resident memory " + std::to_string(before / 1024) + " MB after 100, " +
         std::to_string(residentKilobytes() / 1024) + " MB after 1000");
}

TEST(Instances, TwoHundredAliveAtOnce) {
    PluginRig rig;
    std::vector<std::unique_ptr<vsthost::Host>> hosts;
    for (int i = 0; i < 200; ++i)
        hosts.push_back(rig.started());
    for (int round = 0; round < 3; ++round)
        for (size_t i = 0; i < hosts.size(); ++i) {
            hosts[i]->setParameter(static_cast<VstInt32>(i % 9),
                                   static_cast<float>(i % 11) / 10.0f);
            processChecked(*hosts[i], sine, round * 128L, 128, i % 2,
                           "instance " + std::to_string(i));
        }
    // Each instance keeps its own state: instance i's chunk holds its setting.
    for (size_t i = 0; i < hosts.size(); ++i)
        ASSERT_TRUE(hosts[i]->getChunk().size() == 260)
            << "instance " + std::to_string(i) + " lost its state";
    // Destroyed in a shuffled order rather than the order of creation.
    std::mt19937 random(3);
    std::shuffle(hosts.begin(), hosts.end(), random);
    hosts.clear();
    note("resident memory " + std::to_string(residentKilobytes() / 1024) + " MB after closing");
}

TEST(Instances, ClosedWithoutOpen) {
    PluginRig rig;
    for (int i = 0; i < 50; ++i) {
        auto host = rig.create();
        if (i % 2) host->dispatch(effMainsChanged, 0, 1); // resumed without open
        // Closed at once by the host's destructor.
    }
}

TEST(Instances, EntriesRefuseAHostThatAnswersNoVersion) {
    std::string error;
    auto library = vsthost::PluginLibrary::load(vsthost::builtPluginPath(), &error);
    ASSERT_TRUE(library != nullptr) << "cannot load the plug-in: " + error;
    for (const char* entry : {"VSTPluginMain", "main", "MAIN"}) {
        vsthost::Host refusing;
        refusing.versionAnswer = 0; // a host that does not answer the version query
        ASSERT_TRUE(!refusing.create(library->entry(entry)))
            << std::string(entry) + " accepted a host without a version";
        vsthost::Host normal;
        ASSERT_TRUE(normal.create(library->entry(entry)))
            << std::string(entry) + " refused a normal host";
    }
}

} // namespace
} // namespace gravelo::test::torture
