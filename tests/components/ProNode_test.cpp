#include "armakon/components/ProNode.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace armakon {
namespace {

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
