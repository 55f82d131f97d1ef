// The wizard's tree on screen: one item per node of the module's CTree, children under their
// parent, all expanded. Synchronise copies what the module decides (which screens show, which are
// disabled, their captions) onto the items: hidden nodes are hidden, disabled ones greyed and not
// selectable. The window calls it after every change the module may have made.
#pragma once

#include <kvarn/assistant.hpp>

#include <QTreeWidget>

#include <map>
#include <vector>

namespace kvarn::ui {

class WizardTree final : public QTreeWidget {
public:
    explicit WizardTree(QWidget* parent = nullptr);

    // Items for every node of `tree`, replacing any earlier ones.
    void Build(const CTree& tree);
    void Synchronise(const CTree& tree);
    void Empty();

    // The screen number of an item, 0 for none.
    static int ScreenOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* ItemOf(int screen) const;
    // Shown and enabled, and under shown parents.
    bool Selectable(int screen) const;
    // The selectable screens, in the tree's order.
    std::vector<int> SelectableScreens() const;
    // The first selectable screen after (direction +1) or before (-1) `screen` in the tree's
    // order; 0 when there is none.
    int Neighbour(int screen, int direction) const;
    // Makes `screen` the current item (0: none) without telling the window.
    void ShowCurrent(int screen);

private:
    std::vector<int> Order() const;  // every screen, in the tree's order
    std::map<int, QTreeWidgetItem*> items_;
};

}  // namespace kvarn::ui
