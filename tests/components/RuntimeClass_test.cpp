#include "armakon/components/RuntimeClass.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "armakon/components/ObjectFactory.h"

namespace armakon {
namespace {

// A small class family shaped like the valve tree: some recorded bases skip the C++ base.
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
class AbstractCurve : public Node {
  ARMAKON_RUNTIME_CLASS(AbstractCurve, Node)
 public:
  virtual int points() const = 0;
};
class Stranger : public CRuntimeObject {
  ARMAKON_RUNTIME_CLASS(Stranger, CRuntimeObject)
};

TEST(RuntimeClassTest, KindTestsFollowTheRecordedLinks) {
  struct Case {
    const CRuntimeClassRecord& of;
    const CRuntimeClassRecord& against;
    bool expected;
  };
  const Case cases[] = {
      {Regulator::desc(), Variant::desc(), false},  // C++ base, not recorded
      {Regulator::desc(), Node::desc(), true},
      {Regulator::desc(), Regulator::desc(), true},
      {RegulatorWithLimiter::desc(), Regulator::desc(), true},
      {RegulatorWithLimiter::desc(), Variant::desc(), false},
      {ThermoThrottle::desc(), Throttle::desc(), true},
      {ThermoThrottle::desc(), Variant::desc(), true},
      {ThermoThrottle::desc(), CRuntimeObject::desc(), true},
      {Variant::desc(), Throttle::desc(), false},  // never downwards
      {Stranger::desc(), Node::desc(), false},
      {CRuntimeObject::desc(), Node::desc(), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.of.isDerivedFrom(c.against), c.expected)
        << c.of.className() << " against " << c.against.className();
  }
  EXPECT_FALSE(Node::desc().isDerivedFrom(nullptr));
}

TEST(RuntimeClassTest, RecordsCarryNameBaseAndTheObjectsOwnClass) {
  EXPECT_EQ(Regulator::GetThisClass().className(), "Regulator");
  EXPECT_EQ(&Regulator::desc(), &Regulator::GetThisClass());
  EXPECT_EQ(Regulator::desc().recordedBase(), &Node::desc());
  EXPECT_EQ(CRuntimeObject::desc().recordedBase(), nullptr);

  RegulatorWithLimiter limiter;
  const Node& asNode = limiter;
  EXPECT_EQ(asNode.GetRuntimeClass(), &RegulatorWithLimiter::desc());
  EXPECT_TRUE(asNode.IsKindOf(Regulator::desc()));
  EXPECT_FALSE(asNode.IsKindOf(Variant::desc()));
}

TEST(RuntimeClassTest, CreationMakesTheRecordedClassOrNothing) {
  std::unique_ptr<CRuntimeObject> made = ThermoThrottle::desc().createObject();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->GetRuntimeClass(), &ThermoThrottle::desc());
  auto* variant = dynamic_cast<Variant*>(made.get());
  ASSERT_NE(variant, nullptr);
  EXPECT_EQ(variant->size, 7);  // default-constructed

  EXPECT_FALSE(AbstractCurve::desc().canCreate());
  EXPECT_EQ(AbstractCurve::desc().createObject(), nullptr);
  EXPECT_EQ(CRuntimeObject::desc().createObject(), nullptr);
}

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

std::unique_ptr<CRuntimeObject> makeThermoThrottle() { return std::make_unique<ThermoThrottle>(); }

TEST(ObjectFactoryTest, RegistryRefusesForeignAndAbstractClassesAndReplacesByName) {
  // A hand-made record that takes over the name "Throttle" and makes thermostatic ones.
  static const CRuntimeClassRecord replacement("Throttle", &makeThermoThrottle, &Variant::desc());
  std::vector<bool> accepted;
  CObjectFactory<Node> factory([&](ClassRegistry& registry) {
    accepted.push_back(registry.add<Throttle>());
    accepted.push_back(registry.add<Stranger>());
    accepted.push_back(registry.add<AbstractCurve>());
    accepted.push_back(registry.add(replacement));
  });
  std::unique_ptr<Node> made = factory.create("Throttle");
  EXPECT_EQ(accepted, (std::vector<bool>{true, false, false, true}));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->GetRuntimeClass(), &ThermoThrottle::desc());
  EXPECT_EQ(factory.classNames(), std::vector<std::string>{"Throttle"});
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

TEST(ObjectFactoryTest, FailedRegistrationIsRetriedAndMissingOneLeavesItEmpty) {
  int calls = 0;
  CObjectFactory<Node> flaky([&](ClassRegistry& registry) {
    ++calls;
    registry.add<Variant>();
    if (calls == 1) throw std::bad_alloc();
    registry.add<Throttle>();
  });
  EXPECT_EQ(flaky.create("Variant"), nullptr);
  EXPECT_NE(flaky.create("Throttle"), nullptr);
  EXPECT_NE(flaky.create("Variant"), nullptr);
  EXPECT_EQ(calls, 2);

  CObjectFactory<Node> empty;
  EXPECT_EQ(empty.create("Variant"), nullptr);
  EXPECT_TRUE(empty.classNames().empty());
}

}  // namespace
}  // namespace armakon
