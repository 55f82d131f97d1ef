#include "frame/preparation_assistant.hpp"

#include <kvarn/assistant.hpp>

#include <gtest/gtest.h>

#include <memory>

namespace kvarn::frame {
namespace {

constexpr int kTopLevel[] = {1, 2, 6, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21};
constexpr int kChildren[] = {3, 4, 5, 7, 8, 14};

std::vector<int> VisibleTopLevel(const CTree& tree) {
    std::vector<int> visible;
    for (int screen : kTopLevel)
        if (tree.Noeud(screen).visible) visible.push_back(screen);
    return visible;
}

class Preparation : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(Preparation, ShowsOnlyTheGroupsTopLevelScreen) {
    const auto [group, screen] = GetParam();
    TFenMainAssistant window(nullptr);
    BlocParametres block{0x5A5A, group};
    window.Tag = reinterpret_cast<std::intptr_t>(&block);
    PreparerAssistant(window);
    EXPECT_EQ(VisibleTopLevel(window.tvKV), screen ? std::vector<int>{screen} : std::vector<int>{});
    for (int child : kChildren) EXPECT_TRUE(window.tvKV.Noeud(child).visible) << child;  // never set here
}

INSTANTIATE_TEST_SUITE_P(Groups, Preparation,
                         testing::Values(std::pair{0, 1}, std::pair{1, 2}, std::pair{2, 9}, std::pair{3, 10},
                                         std::pair{4, 11}, std::pair{5, 12}, std::pair{6, 13}, std::pair{7, 15},
                                         std::pair{8, 16}, std::pair{9, 17}, std::pair{10, 18}, std::pair{11, 19},
                                         std::pair{12, 6}, std::pair{13, 20}, std::pair{14, 21}, std::pair{15, 0},
                                         std::pair{-1, 0}));

TEST(Preparation, StampsWordZeroIntoEveryUnsetNode) {
    TFenMainAssistant window(nullptr);
    window.tvKV.GetNodeExtraInfos(4)->Conception = 7;  // set by the design: left alone
    BlocParametres block{1234, 5};
    window.Tag = reinterpret_cast<std::intptr_t>(&block);
    PreparerAssistant(window);
    for (int node = window.tvKV.GetFirstNode(); node <= window.tvKV.GetLastNode(); ++node)
        EXPECT_EQ(window.tvKV.GetNodeExtraInfos(node)->Valeur, node == 4 ? 0 : 1234) << node;
    EXPECT_EQ(VisibleTopLevel(window.tvKV), std::vector<int>{12});
}

TEST(WizardTree, HoldsTheTwentyOneScreensAndRefusesOthers) {
    CTree tree;
    EXPECT_EQ(tree.GetFirstNode(), 1);
    EXPECT_EQ(tree.GetLastNode(), 21);
    EXPECT_EQ(tree.Noeud(14).parent, 13);
    EXPECT_THROW(tree.Noeud(22), std::out_of_range);
    EXPECT_THROW(tree.Noeud(0), std::out_of_range);
    EXPECT_EQ(tree.GetSelectedScreen(), 0);
    tree.SelectScreen(9);
    EXPECT_THROW(tree.SelectScreen(30), std::out_of_range);
    EXPECT_EQ(tree.GetSelectedScreen(), 9);
}

TEST(MainWindow, CreateInstanceReplacesWithoutDestroying) {
    std::unique_ptr<TFenMainAssistant> first(TFenMainAssistant::CreateInstance(nullptr));
    EXPECT_EQ(TFenMainAssistant::Instance(), first.get());
    std::unique_ptr<TFenMainAssistant> second(TFenMainAssistant::CreateInstance(nullptr));
    EXPECT_EQ(TFenMainAssistant::Instance(), second.get());
    second.reset();
    EXPECT_EQ(TFenMainAssistant::Instance(), nullptr);  // a destroyed window is forgotten
}

}  // namespace
}  // namespace kvarn::frame
