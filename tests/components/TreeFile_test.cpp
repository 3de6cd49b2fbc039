#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "armakon/components/AtomicFile.h"
#include "armakon/components/TreeFile.h"
#include "armakon/components/TreeText.h"

namespace armakon {
namespace {

namespace fs = std::filesystem;

// Pieces that collide with the syntax, glued at random into names and values.
const char* const kPieces[] = {"",   " ",  ":",  ";", "\\", "{",  "}",   "=",  "[",  "]",   "\n", "\r",
                               "\t", "\x01", "\x7f", "ä", "€", "\\e", "\\x", "#", "a", "Modell", "\xff", "\\:"};

std::string hostileText(std::mt19937& rng) {
  std::string text;
  const int pieces = std::uniform_int_distribution<int>(0, 4)(rng);
  for (int i = 0; i < pieces; ++i) text += kPieces[rng() % std::size(kPieces)];
  if (rng() % 13 == 0) text += std::string(1, '\0');
  return text;
}

std::vector<std::string> valuesOf(const CLeaf& leaf) {
  std::vector<std::string> values;
  CLeaf::ValueWalk walk = leaf.Values();
  for (std::string_view value; walk.next(value);) values.emplace_back(value);
  return values;
}

std::unique_ptr<CNode> randomTree(std::mt19937& rng) {
  auto root = std::make_unique<CNode>(hostileText(rng));
  std::vector<CNode*> nodes{root.get()};
  const int items = std::uniform_int_distribution<int>(0, 40)(rng);
  for (int i = 0; i < items; ++i) {
    CNode* parent = nodes[rng() % nodes.size()];
    if (rng() % 3 == 0) {
      nodes.push_back(parent->AddChild(hostileText(rng)));
    } else {
      CLeaf* leaf = parent->AddLeaf(hostileText(rng), "");
      const int values = std::uniform_int_distribution<int>(0, 4)(rng);
      for (int v = 0; v < values; ++v) leaf->AddValue(hostileText(rng));
    }
  }
  return root;
}

TEST(TreeFile, RandomHostileTreesReadBackExactly) {
  std::mt19937 rng(3805);
  for (int round = 0; round < 3000; ++round) {
    std::unique_ptr<CNode> tree = randomTree(rng);
    const bool crlf = rng() % 2, indent = rng() % 2, finalBreak = rng() % 2;
    const char sep = round % 5 == 0 ? ';' : ':';
    std::string text;
    ASSERT_TRUE(tree->WriteToString(text, crlf, indent, finalBreak, static_cast<int>(rng() % 3), sep));
    CNode back("previous name");
    ASSERT_TRUE(back.ReadFromString(text, sep)) << text;
    ASSERT_TRUE(back.IsEqualTo(*tree)) << text;
    std::string again;
    ASSERT_TRUE(back.WriteToString(again, crlf, indent, finalBreak, 0, sep));
    CNode third;
    ASSERT_TRUE(third.ReadFromString(again, sep));
    ASSERT_TRUE(third.IsEqualTo(*tree));
  }
}

// Taking the root's children one at a time while parsing reuses their items for the children
// that follow: each taken child and what stays in the root must still be what a whole parse
// gives, whatever the layouts, escapes and value lists the reused items held before.
TEST(TreeFile, RootChildrenTakenWhileParsingAreTheWholeParsesChildren) {
  std::mt19937 rng(1705);
  for (int round = 0; round < 1000; ++round) {
    std::unique_ptr<CNode> tree = randomTree(rng);
    for (int i = 0; i < 4; ++i) tree->AddChild(randomTree(rng));
    std::string text;
    ASSERT_TRUE(tree->WriteToString(text));
    std::vector<std::unique_ptr<CNode>> taken;
    int seen = 0;
    std::unique_ptr<CNode> rest = parseTreeText(text, ':', [&](const CNode& child) {
      if (seen++ % 3 == 1) return false;
      taken.push_back(child.Clone());
      return true;
    });
    ASSERT_NE(rest, nullptr) << text;
    std::size_t next = 0;
    int ordinal = 0;
    for (CNode* child = tree->GetNextChild(nullptr); child != nullptr; ++ordinal) {
      CNode* following = tree->GetNextChild(child);
      if (ordinal % 3 != 1) {
        ASSERT_LT(next, taken.size());
        ASSERT_TRUE(taken[next++]->IsEqualTo(*child)) << text;
        tree->RemoveItem(child);
      }
      child = following;
    }
    EXPECT_EQ(next, taken.size());
    ASSERT_TRUE(rest->IsEqualTo(*tree)) << text;
  }
}

TEST(TreeFile, WrittenTextLooksAsDocumented) {
  CNode root;
  root.SetName("Modell");
  root.AddLeaf("VER", 3);
  CLeaf* x = root.AddLeaf("X", "");
  x->SetFirstValue("C:\\a.vam", ':');
  x->SetNextValue(" ");
  x->SetNextValue("");
  x->SetNextValue(" ");
  root.AddLeaf("Y", "");
  root.AddLeaf(" key=", "")->SetFirstValue("");
  root.AddChild("ARM")->AddLeaf("AD", "Zeile 1\nZeile 2");
  root.AddChild("");
  std::string text;
  ASSERT_TRUE(root.WriteToString(text, false, true, true, 0, ':'));
  EXPECT_EQ(text,
            "Modell {\n"
            "  VER = 3\n"
            "  X = C\\:\\\\a.vam: ::\\s\n"
            "  Y =\n"
            "  \\skey\\= = \\e\n"
            "  ARM {\n"
            "    AD = Zeile 1\\nZeile 2\n"
            "  }\n"
            "  {\n"
            "  }\n"
            "}\n");
}

TEST(TreeFile, LayoutVariantsAreAccepted) {
  const char* const texts[] = {
      "\xEF\xBB\xBFR {\r\n\tA = 1:2 \r\n\r\n  C   {\n}\n}",
      "\n\nR{\nA=1:2\nC{\n}\n}\n\n",
      "R {\n  A = \\x31:\\x32\n  C {\n  }\n}\n",
  };
  for (const char* text : texts) {
    CNode node;
    ASSERT_TRUE(node.ReadFromString(text, ':')) << text;
    EXPECT_EQ(node.GetName(), "R");
    ASSERT_NE(node.FindLeaf("A"), nullptr);
    EXPECT_EQ(valuesOf(*node.FindLeaf("A")), (std::vector<std::string>{"1", "2"}));
    EXPECT_NE(node.FindChild("C", node.FindLeaf("A")), nullptr);
  }
}

TEST(TreeFile, BackslashRunsDecideWhichSeparatorsCutValues) {
  const struct {
    const char* text;
    std::vector<std::string> values;
  } cases[] = {
      {"a\\:b", {"a:b"}},
      {"a\\\\:b", {"a\\", "b"}},
      {"a\\\\\\:b:c", {"a\\:b", "c"}},
      {"\\x5C:\\::", {"\\", ":", ""}},
      {"::", {"", "", ""}},
  };
  for (const auto& c : cases) {
    CNode node;
    ASSERT_TRUE(node.ReadFromString(std::string("R {\n A = ") + c.text + "\n}\n", ':')) << c.text;
    EXPECT_EQ(valuesOf(*node.FindLeaf("A")), c.values) << c.text;
  }
}

TEST(TreeFile, MalformedTextIsRefusedAndLeavesTheNodeAlone) {
  const char* const texts[] = {
      "",           "   \n\n",          "R {",          "R {\n}\n}",        "}\n",
      "A = 1",      "R {\n}\nA = 1",    "R {\n}\nS {\n}", "R {\n  plain\n}", "R { x\n}",
      "R {\n A = \\q\n}", "R {\n A = \\x4\n}", "R {\n A = \\xG0\n}", "R {\n A = x\\\n}", "R {\n A\\ = 1\n}",
      "R {\n A = \\é\n}",
  };
  for (const char* text : texts) {
    CNode node("kept");
    node.AddLeaf("old", "value");
    EXPECT_FALSE(node.ReadFromString(text, ':')) << text;
    EXPECT_EQ(node.GetName(), "kept");
    EXPECT_EQ(node.GetItemCount(), 1);
    std::unique_ptr<CNode> root;
    EXPECT_EQ(TreeItems::ReadFromString(text, root, 0), 0);
  }
  std::string text;
  EXPECT_FALSE(CNode("R").WriteToString(text, false, false, true, 0, '\\'));
  EXPECT_FALSE(CNode("R").WriteToString(text, false, false, true, 0, 'a'));
}

TEST(TreeFile, DeepNestingReadsWritesAndDiesWithoutRecursion) {
  constexpr int kDepth = 100000;
  CNode root("deep");
  CNode* node = &root;
  for (int i = 0; i < kDepth; ++i) node = node->AddChild("n");
  node->AddLeaf("bottom", "x");
  std::string text;
  ASSERT_TRUE(root.WriteToString(text, false, true, true, 0, ':'));
  EXPECT_LT(text.size(), std::size_t{kDepth} * 2 * 80);  // indentation is capped
  auto back = std::make_unique<CNode>();
  ASSERT_TRUE(back->ReadFromString(text, ':'));
  EXPECT_TRUE(back->IsEqualTo(root));
  EXPECT_TRUE(root.Clone()->IsEqualTo(*back));
  back.reset();

  std::string opened(kDepth, '{');
  std::string unclosed;
  for (char c : opened) (unclosed += c) += '\n';
  CNode refused;
  EXPECT_FALSE(refused.ReadFromString(unclosed, ':'));
}

class TreeFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("armakon_tree_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(TreeFileOnDisk, FailedWriteKeepsTheOldFile) {
  const fs::path path = dir_ / "model.vam";
  CNode oldTree("Modell");
  oldTree.AddLeaf("VER", 1);
  ASSERT_TRUE(oldTree.WriteToFile(path));
  std::string before;
  ASSERT_TRUE(readWholeFile(path, before));

  CNode newTree("Modell");
  newTree.AddLeaf("VER", 2);
  // A folder in the way of the rename fails for any user, root included.
  fs::create_directories(dir_ / "blocked.vam" / "inside");
  EXPECT_FALSE(newTree.WriteToFile(dir_ / "blocked.vam"));
  EXPECT_TRUE(fs::is_directory(dir_ / "blocked.vam" / "inside"));
  EXPECT_FALSE(newTree.WriteToFile(""));
  if (::geteuid() != 0) {  // permissions do not stop root
    fs::permissions(dir_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(newTree.WriteToFile(path));
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
  }
  std::string after;
  ASSERT_TRUE(readWholeFile(path, after));
  EXPECT_EQ(after, before);
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_)) ++entries;
  EXPECT_EQ(entries, 2u);  // no temporary file left behind
}

}  // namespace
}  // namespace armakon
