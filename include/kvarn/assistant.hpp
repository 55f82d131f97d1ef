// The wizard's main window and its tree of 21 screens, without widgets.
//
// The host creates the window (TFenMainAssistant::CreateInstance), stores in its Tag the address
// of a block of two 32-bit words it owns (word 0 handed on to the tree's nodes, word 1 the screen
// group to show) and calls _Run(0). The tree names, for each screen number, the form class that
// serves it; a form shared by several screens asks the tree which screen is selected.
#pragma once

#include <kvarn/kvarn.h>

#include <cstdint>
#include <string>
#include <vector>

class TComponent;  // the host framework's owner component; never dereferenced by the module

// The host-defined extra information of a node: the module reads the design field (-1 when the
// tree's design left it unset) and writes the field after it.
struct InfosNoeud {
    std::int32_t Conception = -1;
    std::int32_t Valeur = 0;
};

struct NoeudEcran {
    int ecran;           // screen number, 1 to 21
    int parent;          // 0 for a top-level screen
    int image;
    std::string libelle;
    std::string classeFormulaire;
    std::string tag;
    std::string parametre;
    bool visible = true;
    bool actif = true;
    InfosNoeud infos;
};

class KVARN_EXPORT CTree {
public:
    CTree();  // the 21 screens of the wizard's design

    int GetFirstNode() const { return 1; }
    int GetLastNode() const { return static_cast<int>(noeuds_.size()); }
    const NoeudEcran& Noeud(int ecran) const;
    InfosNoeud* GetNodeExtraInfos(int ecran);
    void SetVisibleScreen(bool visible, int ecran);
    void SetEnabledScreen(bool actif, int ecran);
    void SetScreenCaption(int ecran, const std::string& libelle);
    void SelectScreen(int ecran);
    int GetSelectedScreen() const { return selection_; }  // 0 when none

private:
    NoeudEcran& NoeudModifiable(int ecran);
    std::vector<NoeudEcran> noeuds_;
    int selection_ = 0;
};

class KVARN_EXPORT TFenMainAssistant {
public:
    // A new main window, kept as the module's main window (an earlier one is forgotten, not
    // destroyed: the host owns its windows).
    static TFenMainAssistant* CreateInstance(TComponent* owner);
    // The module's main window, or null.
    static TFenMainAssistant* Instance();

    explicit TFenMainAssistant(TComponent* owner);
    virtual ~TFenMainAssistant();

    std::intptr_t Tag = 0;  // address of the host's two-word parameter block
    CTree tvKV;
    TComponent* Owner() const { return owner_; }

private:
    TComponent* owner_;
};
