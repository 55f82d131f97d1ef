#include "ui/wizard_tree.hpp"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace kvarn::ui {
namespace {

// The design's images: 100 a screen, 101 an address or a party, 102 the numbers, 105 a detail.
QStyle::StandardPixmap Icone(int image) {
    switch (image) {
        case 101: return QStyle::SP_DirHomeIcon;
        case 102: return QStyle::SP_FileDialogDetailedView;
        case 105: return QStyle::SP_FileIcon;
        default: return QStyle::SP_DirIcon;
    }
}

}  // namespace

WizardTree::WizardTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setRootIsDecorated(true);
}

void WizardTree::Build(const CTree& tree) {
    const QSignalBlocker silence(this);
    Empty();
    for (int screen = tree.GetFirstNode(); screen <= tree.GetLastNode(); ++screen) {
        const NoeudEcran& node = tree.Noeud(screen);
        auto* parent = node.parent ? items_.at(node.parent) : nullptr;
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setData(0, Qt::UserRole, screen);
        item->setIcon(0, style()->standardIcon(Icone(node.image)));
        items_[screen] = item;
    }
    Synchronise(tree);
    expandAll();
}

void WizardTree::Synchronise(const CTree& tree) {
    const QSignalBlocker silence(this);
    for (const auto& [screen, item] : items_) {
        const NoeudEcran& node = tree.Noeud(screen);
        item->setText(0, QString::fromStdString(node.libelle));
        item->setToolTip(0, item->text(0));
        item->setHidden(!node.visible);
        item->setFlags(node.actif ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
    }
}

void WizardTree::Empty() {
    const QSignalBlocker silence(this);
    clear();
    items_.clear();
}

int WizardTree::ScreenOf(const QTreeWidgetItem* item) { return item ? item->data(0, Qt::UserRole).toInt() : 0; }

QTreeWidgetItem* WizardTree::ItemOf(int screen) const {
    const auto found = items_.find(screen);
    return found == items_.end() ? nullptr : found->second;
}

bool WizardTree::Selectable(int screen) const {
    const QTreeWidgetItem* item = ItemOf(screen);
    if (!item || !(item->flags() & Qt::ItemIsEnabled)) return false;
    for (; item; item = item->parent())
        if (item->isHidden()) return false;
    return true;
}

std::vector<int> WizardTree::Order() const {
    std::vector<int> screens;
    for (QTreeWidgetItemIterator it(const_cast<WizardTree*>(this)); *it; ++it) screens.push_back(ScreenOf(*it));
    return screens;
}

std::vector<int> WizardTree::SelectableScreens() const {
    std::vector<int> screens;
    for (const int screen : Order())
        if (Selectable(screen)) screens.push_back(screen);
    return screens;
}

int WizardTree::Neighbour(int screen, int direction) const {
    const std::vector<int> order = Order();
    const auto here = std::find(order.begin(), order.end(), screen);
    if (here == order.end()) return 0;
    for (auto i = here - order.begin() + direction; i >= 0 && i < static_cast<std::ptrdiff_t>(order.size()); i += direction)
        if (Selectable(order[static_cast<std::size_t>(i)])) return order[static_cast<std::size_t>(i)];
    return 0;
}

void WizardTree::ShowCurrent(int screen) {
    const QSignalBlocker silence(this);
    setCurrentItem(ItemOf(screen));
}

}  // namespace kvarn::ui
