#include "armakon/components/RuntimeClass.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "armakon/components/ObjectFactory.h"

namespace armakon {
namespace {

// A small class family shaped like the valve tree.
class Node : public CRuntimeObject {
  ARMAKON_RUNTIME_CLASS(Node, CRuntimeObject)
};
class Variant : public Node {
  ARMAKON_RUNTIME_CLASS(Variant, Node)
 public:
  int size = 7;
};
class Regulator : public Variant {  // recorded directly below the root
  ARMAKON_RUNTIME_CLASS(Regulator, Node)
};
class RegulatorWithLimiter : public Regulator {
  ARMAKON_RUNTIME_CLASS(RegulatorWithLimiter, Regulator)
};
class Throttle : public Variant {
  ARMAKON_RUNTIME_CLASS(Throttle, Variant)
};
class ThermoThrottle : public Throttle {
  ARMAKON_RUNTIME_CLASS(ThermoThrottle, Throttle)
};
void registerValveFamily(ClassRegistry& registry) {
  registry.add<Variant>();
  registry.add<Regulator>();
  registry.add<RegulatorWithLimiter>();
  registry.add<Throttle>();
  registry.add<ThermoThrottle>();
}

TEST(ObjectFactoryTest, CreatesRegisteredClassesByNameAndNothingElse) {
  CObjectFactory<Node> factory(registerValveFamily);
  std::unique_ptr<Node> regulator = factory.create("Regulator");
  ASSERT_NE(regulator, nullptr);
  EXPECT_EQ(regulator->GetRuntimeClass(), &Regulator::desc());
  EXPECT_EQ(factory.find("ThermoThrottle"), &ThermoThrottle::desc());

  for (const char* unknown : {"", "regulator", "Regulator ", "Node", "Stranger", "AbstractCurve"}) {
    EXPECT_EQ(factory.create(unknown), nullptr) << '"' << unknown << '"';
    EXPECT_EQ(factory.find(unknown), nullptr) << '"' << unknown << '"';
  }
  EXPECT_EQ(factory.classNames(),
            (std::vector<std::string>{"Regulator", "RegulatorWithLimiter", "ThermoThrottle",
                                      "Throttle", "Variant"}));
}

TEST(ObjectFactoryTest, ConcurrentFirstLookupsRegisterExactlyOnce) {
  std::atomic<int> registrations{0};
  CObjectFactory<Node> factory([&](ClassRegistry& registry) {
    registrations.fetch_add(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // widen the window
    registerValveFamily(registry);
  });
  constexpr int kThreads = 8;
  std::latch start(kThreads);
  std::vector<const CRuntimeClassRecord*> seen(kThreads, nullptr);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      start.arrive_and_wait();
      std::unique_ptr<Node> made = factory.create(i % 2 == 0 ? "Regulator" : "ThermoThrottle");
      seen[static_cast<std::size_t>(i)] = made ? made->GetRuntimeClass() : nullptr;
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(registrations.load(), 1);
  for (int i = 0; i < kThreads; ++i) {
    EXPECT_EQ(seen[static_cast<std::size_t>(i)],
              i % 2 == 0 ? &Regulator::desc() : &ThermoThrottle::desc());
  }
}

}  // namespace
}  // namespace armakon
