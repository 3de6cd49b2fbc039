#include "armakon/components/ProNode.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace armakon {
namespace {

std::string section(const std::string& entry) {
  return "[Armature]\r\nHeader:" + entry + "\r\n[ENDE_Armature]";
}

// What the container does with a rendered child: cut at the closing, drop the opening.
std::string cutEntry(const std::string& rendered) {
  const std::string closing = "\r\n[ENDE_Armature]";
  const std::string opening = "[Armature]\r\nHeader:";
  const std::size_t at = rendered.find(closing);
  if (at == std::string::npos || at == 0 || rendered.rfind(opening, 0) != 0) return "<no section>";
  return rendered.substr(opening.size(), at - opening.size());
}

TEST(ProNode, HandBuiltSectionKeepsEntryText) {
  const std::vector<std::string> entries = {
      // A header line and a model text whose lines look like items but are joined by bare LF.
      "HZ;1;1;3;4446;\n[Modell]\nVER:1\nX=201:0:Heizwerk Süd\n[ENDE_Modell]\n[/Modell]",
      // CR LF separated lines that are no item lines.
      "HZ;1;1;4;4445;Gruppe A\r\n- zweite Zeile\r\n\r\n[a[b]\r\nx\ny:z",
      "HZ: mit Doppelpunkt;1;0;5;4447;\r",
      "",
  };
  for (const std::string& entry : entries) {
    SCOPED_TRACE(entry);
    const std::string text = section(entry);
    const auto node = CProNodeBase::ReadFromString(text, 0, false);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->getName(), "Armature");
    ASSERT_EQ(node->getAttrCount(), 1u);
    EXPECT_EQ(node->getChildCount(), 0u);
    ASSERT_NE(node->findAttr("Header"), nullptr);
    EXPECT_EQ(node->findAttr("Header")->getValue(), entry);
    std::string rendered = "stale";
    ASSERT_TRUE(node->WriteToString(rendered, false, false));
    EXPECT_EQ(rendered, text);
    EXPECT_EQ(cutEntry(rendered), entry);
  }
}

TEST(ProNode, ContainerListReadsBackWithSectionsAndLastId) {
  CProNodeBase list("GlobalArmatures");
  for (const std::string entry : {"K;1;1;1;4446;\nA", "K;1;1;2;4450;\nB"}) {
    auto child = CProNodeBase::ReadFromString(section(entry), 0, false);
    ASSERT_NE(list.AddChild(std::move(child)), nullptr);
  }
  CProAttBase* lastId = list.AddAttr("LastArmaturesId", "");
  CProAttBase::setSubStringReset();
  CProAttBase::setSubString(42);
  ASSERT_TRUE(CProAttBase::setSubStringFlush(lastId));

  std::string text;
  list.WriteToString(text, false, true);
  const auto read = CProNodeBase::ReadFromString(text, 0, false);
  ASSERT_NE(read, nullptr);
  ASSERT_TRUE(read->isEqualTo(list));
  std::vector<std::string> entries;
  for (const CProNodeBase* c = read->findChild("Armature", nullptr); c; c = read->findChild("Armature", c)) {
    std::string rendered;
    c->WriteToString(rendered, false, false);
    entries.push_back(cutEntry(rendered));
  }
  EXPECT_EQ(entries, (std::vector<std::string>{"K;1;1;1;4446;\nA", "K;1;1;2;4450;\nB"}));
  int id = 0;
  CProAttBase::getSubStringReset(read->findAttr("LastArmaturesId", nullptr)->getValue());
  EXPECT_TRUE(CProAttBase::getSubString(id, true));
  EXPECT_EQ(id, 42);
}

TEST(ProNode, ValuesStayVerbatimUnlessALineWouldReadAsAnItem) {
  struct Case {
    std::string value;
    std::string line;  // the attribute as written
  };
  const std::vector<Case> cases = {
      {"a\r\nb c\r\n- d", "v:a\r\nb c\r\n- d\r\n"},
      {"x\n[X]\nName:y", "v:x\n[X]\nName:y\r\n"},
      {"a\r\n[X]", "v=a\\r\\n[X]\r\n"},
      {"a\r\n[ENDE_n]\r\nb", "v=a\\r\\n[ENDE_n]\\r\\nb\r\n"},
      {"a\r\nName:b\\", "v=a\\r\\nName:b\\\\\r\n"},
      {"a\r\n=b", "v=a\\r\\n=b\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    CProNodeBase node("n");
    node.AddAttr("v", c.value);
    std::string text;
    node.WriteToString(text);
    EXPECT_EQ(text, "[n]\r\n" + c.line + "[ENDE_n]");
    const auto read = CProNodeBase::ReadFromString(text);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->getAttr(0)->getValue(), c.value);
  }
}

std::string hostileText(std::mt19937& rng) {
  static const std::vector<std::string> pieces = {
      "", "A", "Header", "[", "]", "[X]", "[ENDE_X]", "ENDE_", ":", "=", "%", "%4", "%zz", "\r",
      "\n", "\r\n", "\r\n", "\\", "\\q", "ä", "€", "Name:", "x=y", " ", std::string(1, '\0'), "\xff"};
  std::string text;
  const int count = static_cast<int>(rng() % 7);
  for (int i = 0; i < count; ++i) text += pieces[rng() % pieces.size()];
  return text;
}

TEST(ProNode, RandomHostileTreesRoundTrip) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    SCOPED_TRACE(round);
    CProNodeBase root(hostileText(rng));
    std::vector<CProNodeBase*> nodes{&root};
    const int size = static_cast<int>(rng() % 12);
    for (int i = 0; i < size; ++i) {
      CProNodeBase* parent = nodes[rng() % nodes.size()];
      if (rng() % 2) {
        nodes.push_back(parent->AddChild(hostileText(rng)));
      } else {
        parent->AddAttr(hostileText(rng), hostileText(rng));
      }
    }
    const bool finalBreak = rng() % 2;
    std::string text = "prefix";
    root.WriteToString(text, true, finalBreak);
    const auto read = CProNodeBase::ReadFromString(text, 6, false);
    ASSERT_NE(read, nullptr) << text;
    ASSERT_TRUE(read->isEqualTo(root)) << text;
    std::string again;
    read->WriteToString(again, false, finalBreak);
    EXPECT_EQ("prefix" + again, text);
  }
}

TEST(ProNode, FindWalksItemsOfOneNameInOrder) {
  CProNodeBase root("r");
  std::vector<CProNodeBase*> named;
  for (const char* name : {"A", "B", "A", "C", "A"}) {
    CProNodeBase* child = root.AddChild(name);
    if (std::string(name) == "A") named.push_back(child);
    root.AddAttr(name, "v");
  }
  std::vector<CProNodeBase*> walked;
  for (CProNodeBase* c = root.findChild("A", nullptr); c; c = root.findChild("A", c)) walked.push_back(c);
  EXPECT_EQ(walked, named);
  int attrs = 0;
  for (CProAttBase* a = root.findAttr("A", nullptr); a; a = root.findAttr("A", a)) ++attrs;
  EXPECT_EQ(attrs, 3);
  EXPECT_EQ(root.findChild("D", nullptr), nullptr);

  CProNodeBase other("o");
  CProNodeBase* foreign = other.AddChild("A");
  EXPECT_EQ(root.findChild("A", foreign), nullptr);
  EXPECT_EQ(root.findChild("A", &root), nullptr);
  EXPECT_THROW(root.getChild(5), std::invalid_argument);
  EXPECT_THROW(root.getAttr(5), std::invalid_argument);
}

TEST(ProNode, AddChildRefusesTheNodeItself) {
  auto root = std::make_unique<CProNodeBase>("r");
  CProNodeBase* leaf = root->AddChild("a")->AddChild("b");
  EXPECT_EQ(leaf->AddChild(std::move(root)), nullptr);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->getChildCount(), 1u);
  std::unique_ptr<CProNodeBase> none;
  EXPECT_EQ(root->AddChild(std::move(none)), nullptr);
}

TEST(ProNode, IntSubValuesReadBackInOrder) {
  const std::vector<std::vector<int>> lists = {{}, {0}, {-1, INT_MAX, INT_MIN, 7}};
  for (const auto& list : lists) {
    CProAttBase attribute("ids", "old");
    CProAttBase::setSubStringReset();
    CProAttBase::setSubString(999);  // discarded by the reset below
    CProAttBase::setSubStringReset();
    for (int v : list) CProAttBase::setSubString(v);
    ASSERT_TRUE(CProAttBase::setSubStringFlush(attribute));
    CProAttBase::getSubStringReset(attribute.getValue());
    std::vector<int> read;
    int value = 12345;
    while (CProAttBase::getSubString(value, true)) read.push_back(value);
    EXPECT_EQ(read, list);
    EXPECT_FALSE(CProAttBase::getSubString(value, true));
    EXPECT_EQ(value, list.empty() ? 12345 : list.back());
  }
  EXPECT_FALSE(CProAttBase::setSubStringFlush(nullptr));
}

TEST(ProNode, IntSubValuesWithBadFields) {
  struct Case {
    std::string text;
    bool skipInvalid;
    std::vector<int> expected;
  };
  const std::vector<Case> cases = {
      {"3;x;4", true, {3, 4}},
      {"3;x;4", false, {3}},
      {"99999999999;5", true, {5}},
      {" 7 ;;-8", true, {7, -8}},
      {";", true, {}},
      {"12abc", true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    CProAttBase::getSubStringReset(c.text);
    std::vector<int> read;
    int value = 0;
    while (CProAttBase::getSubString(value, c.skipInvalid)) read.push_back(value);
    EXPECT_EQ(read, c.expected);
    EXPECT_FALSE(CProAttBase::getSubString(value, c.skipInvalid));
  }
}

TEST(ProNode, MalformedTextsAreRejected) {
  const std::vector<std::string> texts = {
      "",
      "\r\n",
      "[A]",
      "[A]\r\n",
      "[A]\r\n[ENDE_B]",
      "x:1\r\n[A]\r\n[ENDE_A]",
      "[A]\r\nstray line\r\n[ENDE_A]",
      "[A]\r\n[ENDE_A]\r\n[B]\r\n[ENDE_B]",
      "[A]\r\n[ENDE_A]\r\n\r\n",
      "[A]\r\nx=bad\\q\r\n[ENDE_A]",
      "[A]\r\nx=end\\\r\n[ENDE_A]",
      "[A]\r\nx=1\r\nmore\r\n[ENDE_A]",
      "[A%G1]\r\n[ENDE_A%G1]",
      "[A%4]\r\n[ENDE_A%4]",
      "[A]\n[ENDE_A]",
      "[A]\r\n[B]\r\n[ENDE_A]\r\n[ENDE_B]",
      "[ENDE_A]",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(CProNodeBase::ReadFromString(text, 0, false), nullptr);
  }
}

TEST(ProNode, OffsetAndTrailingText) {
  const std::string text = "junk[A]\r\nx:1\r\n[ENDE_A]\r\nmore";
  EXPECT_EQ(CProNodeBase::ReadFromString(text, 4, false), nullptr);
  const auto node = CProNodeBase::ReadFromString(text, 4, true);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->findAttr("x")->getValue(), "1");
  EXPECT_EQ(CProNodeBase::ReadFromString(text, -1, true), nullptr);
  EXPECT_EQ(CProNodeBase::ReadFromString(text, static_cast<int>(text.size()) + 1, true), nullptr);
  const auto escaped = CProNodeBase::ReadFromString("[%45NDE_%3a]\r\n[ENDE_%45NDE_%3A]");
  ASSERT_NE(escaped, nullptr);
  EXPECT_EQ(escaped->getName(), "ENDE_:");
}

TEST(ProNode, DeepNestingReadsWritesAndDestroys) {
  constexpr int kDepth = 100000;
  std::string text;
  for (int i = 0; i < kDepth; ++i) text += "[n]\r\nv:" + std::to_string(i) + "\r\n";
  for (int i = 0; i < kDepth; ++i) text += "[ENDE_n]\r\n";
  const auto root = CProNodeBase::ReadFromString(text, 0, false);
  ASSERT_NE(root, nullptr);
  int depth = 0;
  for (const CProNodeBase* node = root.get(); node; node = node->findChild("n")) ++depth;
  EXPECT_EQ(depth, kDepth);
  std::string written;
  root->WriteToString(written, false, true);
  EXPECT_EQ(written, text);
  EXPECT_TRUE(root->isEqualTo(*root));
}

}  // namespace
}  // namespace armakon
